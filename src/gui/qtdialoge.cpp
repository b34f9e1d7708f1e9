#include "gui/qtdialoge.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/platform/auswahl.h"
#include "gui/qttext.h"

namespace {

// The core words its line breaks as "\r\n"; a label would show the '\r' as a box.
QString Anzeigetext(const std::string& utf8) {
    QString text = AlsQString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

void TQtDialoge::Nachricht(const std::string& text) {
    QMessageBox box(Besitzer());
    box.setObjectName(QStringLiteral("Nachricht"));
    box.setWindowTitle(QString::fromLatin1(kAnwendungstitel));
    box.setTextFormat(Qt::PlainText);
    box.setText(Anzeigetext(text));
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool TQtDialoge::Frage(const std::string& text, const std::string& titel) {
    QMessageBox box(Besitzer());
    box.setObjectName(QStringLiteral("Frage"));
    box.setWindowTitle(AlsQString(titel));
    box.setTextFormat(Qt::PlainText);
    box.setText(Anzeigetext(text));
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    ja->setObjectName(QStringLiteral("Ja"));
    nein->setObjectName(QStringLiteral("Nein"));
    box.setDefaultButton(ja);
    box.setEscapeButton(nein);
    box.exec();
    // Closing the box by its title bar counts as "Nein", like Esc.
    return box.clickedButton() == ja;
}

bool TQtDialoge::Eingabe(const std::string& titel, const std::string& prompt, std::string& text) {
    QDialog dlg(Besitzer());
    dlg.setObjectName(QStringLiteral("Eingabe"));
    dlg.setWindowTitle(AlsQString(titel));
    auto* layout = new QVBoxLayout(&dlg);
    auto* lbl = new QLabel(&dlg);
    lbl->setTextFormat(Qt::PlainText);
    lbl->setText(AlsQString(prompt));
    auto* edt = new QLineEdit(&dlg);
    edt->setObjectName(QStringLiteral("edtEingabe"));
    edt->setText(AlsQString(text));
    edt->selectAll();
    lbl->setBuddy(edt);
    auto* knoepfe = new QDialogButtonBox(&dlg);
    QPushButton* ok = knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* abbrechen = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("OK"));
    abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    ok->setDefault(true);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    layout->addWidget(lbl);
    layout->addWidget(edt);
    layout->addWidget(knoepfe);
    dlg.setMinimumWidth(300);
    edt->setFocus();
    if (dlg.exec() != QDialog::Accepted) return false;
    text = AlsUtf8(edt->text());
    return true;
}

bool TQtDialoge::OrdnerWaehlen(const std::string& titel, std::string& ordner) {
    return auswahl::OrdnerWaehlen(Besitzer(), titel, ordner);
}

bool TQtDialoge::DateiOeffnen(const std::string& startordner, std::string& dateiname) {
    return auswahl::DateiOeffnen(Besitzer(), startordner, dateiname);
}

QWidget* TQtDialoge::Besitzer() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return eltern_;
}
