#include "gui/qtdialoge.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/platform/auswahl.h"
#include "gui/qttext.h"
#include "gui/uebersetzung.h"

namespace {

// The core words its line breaks as "\r\n"; a label would show the '\r' as a box.
QString Anzeigetext(const std::string& utf8) {
    QString text = AlsQString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The width a window needs for its title not to be cut: the text in the title bar's
// font (taken as the window's, a little larger) and room for the bar's buttons.
int TitelBreite(const QWidget& fenster, const QString& titel) {
    QFont schrift = fenster.font();
    schrift.setPointSizeF(schrift.pointSizeF() > 0 ? schrift.pointSizeF() * 1.2 : 11);
    schrift.setBold(true);
    return QFontMetrics(schrift).horizontalAdvance(titel) + 140;
}

// A message box sizes to its text alone; a short text under a long title would cut the
// title ("Repla…chen"), so the box is kept as wide as its title needs.
void TitelPlatz(QMessageBox& box) {
    if (auto* gitter = qobject_cast<QGridLayout*>(box.layout()))
        gitter->addItem(new QSpacerItem(TitelBreite(box, box.windowTitle()), 0, QSizePolicy::Minimum,
                                        QSizePolicy::Minimum),
                        gitter->rowCount(), 0, 1, gitter->columnCount());
}

}  // namespace

void TQtDialoge::Nachricht(const std::string& text) {
    QMessageBox box(Besitzer());
    box.setObjectName(QStringLiteral("Nachricht"));
    box.setWindowTitle(QString::fromLatin1(kAnwendungstitel));
    box.setTextFormat(Qt::PlainText);
    box.setText(Anzeigetext(text));
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(Tr("TQtDialoge", "OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    TitelPlatz(box);
    box.exec();
}

bool TQtDialoge::Frage(const std::string& text, const std::string& titel) {
    QMessageBox box(Besitzer());
    box.setObjectName(QStringLiteral("Frage"));
    box.setWindowTitle(AlsQString(titel));
    box.setTextFormat(Qt::PlainText);
    box.setText(Anzeigetext(text));
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ja = box.addButton(Tr("TQtDialoge", "Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(Tr("TQtDialoge", "Nein"), QMessageBox::NoRole);
    ja->setObjectName(QStringLiteral("Ja"));
    nein->setObjectName(QStringLiteral("Nein"));
    box.setDefaultButton(ja);
    box.setEscapeButton(nein);
    TitelPlatz(box);
    box.exec();
    // Closing the box by its title bar counts as "Nein", like Esc.
    return box.clickedButton() == ja;
}

bool TQtDialoge::Eingabe(const std::string& titel, const std::string& prompt, std::string& text,
                         const TEingaberegeln& regeln) {
    QDialog dlg(Besitzer());
    dlg.setObjectName(QStringLiteral("Eingabe"));
    dlg.setWindowTitle(AlsQString(titel));
    auto* layout = new QVBoxLayout(&dlg);
    auto* lbl = new QLabel(&dlg);
    lbl->setTextFormat(Qt::PlainText);
    lbl->setText(Anzeigetext(prompt));
    auto* edt = new QLineEdit(&dlg);
    edt->setObjectName(QStringLiteral("edtEingabe"));
    if (regeln.MaxLaenge > 0) edt->setMaxLength(regeln.MaxLaenge);
    edt->setText(AlsQString(text));
    edt->selectAll();
    lbl->setBuddy(edt);
    // How much of the limit is used, and why OK refused a text.
    auto* lblZaehler = new QLabel(&dlg);
    lblZaehler->setObjectName(QStringLiteral("lblZaehler"));
    lblZaehler->setTextFormat(Qt::PlainText);
    auto* lblGrund = new QLabel(&dlg);
    lblGrund->setObjectName(QStringLiteral("lblGrund"));
    lblGrund->setTextFormat(Qt::PlainText);
    lblGrund->setWordWrap(true);
    QPalette rot = lblGrund->palette();
    rot.setColor(QPalette::WindowText, QColor(176, 0, 0));
    lblGrund->setPalette(rot);
    lblGrund->hide();
    const auto zaehlen = [&] {
        lblZaehler->setText(Tr("TQtDialoge", "%1 von %2 Zeichen")
                                .arg(edt->text().size())
                                .arg(regeln.MaxLaenge));
        lblGrund->hide();
    };
    lblZaehler->setVisible(regeln.MaxLaenge > 0);
    if (regeln.MaxLaenge > 0) zaehlen();
    QObject::connect(edt, &QLineEdit::textChanged, &dlg, [&] {
        if (regeln.MaxLaenge > 0) zaehlen();
        lblGrund->hide();
    });
    auto* knoepfe = new QDialogButtonBox(&dlg);
    QPushButton* ok = knoepfe->addButton(Tr("TQtDialoge", "OK"), QDialogButtonBox::AcceptRole);
    QPushButton* abbrechen = knoepfe->addButton(Tr("TQtDialoge", "Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("OK"));
    abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    ok->setDefault(true);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dlg, [&] {
        const std::string grund = regeln.Pruefen ? regeln.Pruefen(AlsUtf8(edt->text())) : std::string();
        if (grund.empty()) {
            dlg.accept();
            return;
        }
        lblGrund->setText(AlsQString(grund));
        lblGrund->show();
        edt->setFocus();
    });
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    layout->addWidget(lbl);
    layout->addWidget(edt);
    layout->addWidget(lblZaehler);
    layout->addWidget(lblGrund);
    layout->addWidget(knoepfe);
    dlg.setMinimumWidth(std::max(300, TitelBreite(dlg, dlg.windowTitle())));
    edt->setFocus();
    if (dlg.exec() != QDialog::Accepted) return false;
    text = AlsUtf8(edt->text());
    return true;
}

bool TQtDialoge::OrdnerWaehlen(const std::string& titel, std::string& ordner) {
    return auswahl::OrdnerWaehlen(Besitzer(), titel, ordner);
}

QWidget* TQtDialoge::Besitzer() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return eltern_;
}
