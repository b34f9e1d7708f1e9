// "Neue Spiele" in Optionen: whether the open window saves each new game into the library
// by itself, and the template its file name is made from, with a preview.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "core/namensvorlage.h"
#include "core/variablen.h"
#include "gui/kerntexte.h"
#include "gui/optionenunit.h"
#include "gui/qttext.h"

namespace {

// A game as the preview shows it: two players on a map every edition has.
TNamensfelder Beispiel() {
    TNamensfelder felder;
    felder.Datum = {2026, 12, 9, 21, 14, 0};
    felder.Karte = AlsUtf8(KartenText("2P_BATTLE_MARSHES"));
    felder.Teams = {{"Gorgutz"}, {"Eldrad"}};
    felder.Spielname = "Revanche";
    felder.Spieleranzahl = 2;
    return felder;
}

}  // namespace

void TfrmOptionen::SpeichernAufbauen(int top) {
    grpSpeichern = new QGroupBox(tr(" Neue Spiele "), this);
    grpSpeichern->setObjectName("grpSpeichern");
    grpSpeichern->setGeometry(8, top, 617, 96);
    chkAutoSpeichern = new QCheckBox(tr("Neue Spiele automatisch in die Bibliothek speichern"), grpSpeichern);
    chkAutoSpeichern->setObjectName("chkAutoSpeichern");
    chkAutoSpeichern->setGeometry(8, 20, 600, 18);
    auto* beschriftung = new QLabel(tr("Dateiname:"), grpSpeichern);
    beschriftung->setGeometry(8, 44, 90, 21);
    edtNamensvorlage = new QLineEdit(grpSpeichern);
    edtNamensvorlage->setObjectName("edtNamensvorlage");
    edtNamensvorlage->setGeometry(100, 44, 507, 21);
    edtNamensvorlage->setToolTip(tr("Felder: {Datum} {Uhrzeit} {Karte} {Spieler} {Name} {Spieleranzahl}"));
    // The default template in the fields of the user's language; both kinds work anywhere.
    beschriftung->setBuddy(edtNamensvorlage);
    lblVorschau = new QLabel(grpSpeichern);
    lblVorschau->setObjectName("lblVorschau");
    lblVorschau->setTextFormat(Qt::PlainText);
    lblVorschau->setGeometry(100, 68, 507, 20);
    connect(edtNamensvorlage, &QLineEdit::textChanged, this, &TfrmOptionen::VorschauZeigen);
    connect(chkAutoSpeichern, &QCheckBox::toggled, edtNamensvorlage, &QWidget::setEnabled);
    chkAutoSpeichern->setChecked(AutoSpeichern);
    edtNamensvorlage->setText(Namensvorlage == kStandardvorlage ? StandardvorlageText() : AlsQString(Namensvorlage));
    edtNamensvorlage->setEnabled(AutoSpeichern);
    VorschauZeigen();
}

QString TfrmOptionen::StandardvorlageText() { return tr("{Datum} {Uhrzeit} {Karte} – {Spieler}"); }

std::string TfrmOptionen::VorlageAusFeld() const {
    const QString vorlage = edtNamensvorlage->text().trimmed();
    // The default stays the default in config.ini, whatever language showed it.
    if (vorlage.isEmpty() || vorlage == StandardvorlageText()) return kStandardvorlage;
    return AlsUtf8(vorlage);
}

void TfrmOptionen::VorschauZeigen() {
    lblVorschau->setText(tr("Zum Beispiel: %1").arg(AlsQString(NameAusVorlage(VorlageAusFeld(), Beispiel()))));
}

void TfrmOptionen::SpeichernUebernehmen() {
    AutoSpeichern = chkAutoSpeichern->isChecked();
    Namensvorlage = VorlageAusFeld();
    AutoSpeichernSchreiben();
}
