#include "gui/optionenunit.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QToolButton>

#include "core/platform/pfad.h"
#include "core/transfers.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "gui/dialoge.h"
#include "gui/fehlerbox.h"
#include "gui/glyphen.h"
#include "gui/kopiermeldung.h"
#include "gui/qttext.h"

namespace {

// The edits show paths, and paths are the file system's own bytes. A Linux folder whose
// name is no UTF-8 shows with U+FFFD; as long as the user leaves the text as shown, OK
// keeps the bytes the edit was given, so the folder is still found.
const char* const kPfadBytes = "quellarchPfadBytes";

void PfadZeigen(QLineEdit* edit, const std::string& pfad) {
    edit->setText(AlsQString(pfad));
    edit->setProperty(kPfadBytes, QByteArray(pfad.data(), static_cast<qsizetype>(pfad.size())));
}

std::string PfadAus(const QLineEdit* edit) {
    const QByteArray gezeigt = edit->property(kPfadBytes).toByteArray();
    std::string bytes(gezeigt.constData(), static_cast<std::size_t>(gezeigt.size()));
    return edit->text() == AlsQString(bytes) ? bytes : AlsUtf8(edit->text());
}

bool IstTrenner(char c) { return c == plattform::Trenner() || c == '/'; }

// The directory part of a full name with its trailing separator; empty when it has none.
std::string OrdnerTeil(const std::string& name) {
    for (std::size_t i = name.size(); i > 0; --i)
        if (IstTrenner(name[i - 1])) return name.substr(0, i);
    return {};
}

// "\\server\share\" or "//server/share/": a folder on another machine.
bool IstNetzwerkpfad(const std::string& pfad) {
    return pfad.size() >= 2 && IstTrenner(pfad[0]) && IstTrenner(pfad[1]);
}

QGroupBox* Gruppe(QWidget* eltern, const char* titel, int top) {
    auto* gruppe = new QGroupBox(QString::fromLatin1(titel), eltern);
    gruppe->setGeometry(8, top, 617, 57);
    return gruppe;
}

QLineEdit* Verzeichnisfeld(QGroupBox* gruppe) {
    auto* edit = new QLineEdit(gruppe);
    edit->setGeometry(8, 24, 569, 21);
    return edit;
}

QToolButton* Ordnerknopf(QGroupBox* gruppe) {
    auto* knopf = new QToolButton(gruppe);
    knopf->setGeometry(584, 24, 23, 22);
    knopf->setIcon(GlyphOrdner());
    knopf->setIconSize(QSize(16, 16));
    knopf->setAutoRaise(false);
    knopf->setFocusPolicy(Qt::NoFocus);
    return knopf;
}

QPushButton* Knopf(QWidget* eltern, const char* text, int left, int top) {
    auto* knopf = new QPushButton(QString::fromLatin1(text), eltern);
    knopf->setGeometry(left, top, 83, 25);
    knopf->setDefault(false);
    knopf->setAutoDefault(false);
    return knopf;
}

}  // namespace

TfrmOptionen::TfrmOptionen(QWidget* owner, TDialoge& dialoge)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      dialoge_(dialoge) {
    setObjectName("frmOptionen");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Optionen");
    setFixedSize(632, 166);
    setSizeGripEnabled(false);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, farben.color(QPalette::Button));
    setPalette(farben);
    setAutoFillBackground(true);
    QFont schrift("MS Sans Serif");
    schrift.setPixelSize(11);
    setFont(schrift);

    grpDOW = Gruppe(this, " Dawn of War - Verzeichnis ", 8);
    grpReplay = Gruppe(this, " Replay - Verzeichnis", 72);
    btnOk = Knopf(this, "&OK", 456, 136);
    btnAbbrechen = Knopf(this, "&Abbrechen", 544, 135);
    edtDOWVerzeichnis = Verzeichnisfeld(grpDOW);
    edtReplayVerzeichnis = Verzeichnisfeld(grpReplay);
    sbtDOWWechseln = Ordnerknopf(grpDOW);
    sbtReplayWechseln = Ordnerknopf(grpReplay);
    grpDOW->setObjectName("grpDOW");
    grpReplay->setObjectName("grpReplay");
    btnOk->setObjectName("btnOk");
    btnAbbrechen->setObjectName("btnAbbrechen");
    edtDOWVerzeichnis->setObjectName("edtDOWVerzeichnis");
    edtReplayVerzeichnis->setObjectName("edtReplayVerzeichnis");
    sbtDOWWechseln->setObjectName("sbtDOWWechseln");
    sbtReplayWechseln->setObjectName("sbtReplayWechseln");

    setTabOrder(edtDOWVerzeichnis, edtReplayVerzeichnis);
    setTabOrder(edtReplayVerzeichnis, btnOk);
    setTabOrder(btnOk, btnAbbrechen);

    Verbinden(dialoge_, sbtDOWWechseln, &QAbstractButton::clicked, this, &TfrmOptionen::sbtDOWWechselnClick);
    Verbinden(dialoge_, sbtReplayWechseln, &QAbstractButton::clicked, this, &TfrmOptionen::sbtReplayWechselnClick);
    Verbinden(dialoge_, btnOk, &QAbstractButton::clicked, this, &TfrmOptionen::btnOkClick);
    Verbinden(dialoge_, btnAbbrechen, &QAbstractButton::clicked, this, &TfrmOptionen::btnAbbrechenClick);

    MitFehlerbox(dialoge_, [this] { FormCreate(); });
    edtDOWVerzeichnis->setFocus();
}

void TfrmOptionen::FormCreate() {
    PfadZeigen(edtDOWVerzeichnis, DOWVerzeichnis);
    PfadZeigen(edtReplayVerzeichnis, ReplayVerzeichnis);
}

// However the dialog is closed (OK, Abbrechen, the close box), it frees itself.
void TfrmOptionen::FormClose() { setAttribute(Qt::WA_DeleteOnClose); }

void TfrmOptionen::closeEvent(QCloseEvent* event) {
    MitFehlerbox(dialoge_, [this] { FormClose(); });
    QDialog::closeEvent(event);
}

void TfrmOptionen::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void TfrmOptionen::sbtDOWWechselnClick() {
    // The chooser starts at the folder the box holds.
    std::string ordner = PfadAus(edtDOWVerzeichnis);
    if (!dialoge_.OrdnerWaehlen("Verzeichnis auswählen...", ordner)) return;
    // The chooser gives a root with its separator already, so a root ends doubled.
    PfadZeigen(edtDOWVerzeichnis, ordner + plattform::Trenner());
}

void TfrmOptionen::sbtReplayWechselnClick() {
    const std::string start = ReplayVerzeichnis.empty() ? plattform::DateisystemWurzel() : ReplayVerzeichnis;
    std::string dateiname;
    if (!dialoge_.DateiOeffnen(start, dateiname)) return;
    const std::string pfad = OrdnerTeil(dateiname);
    if (IstNetzwerkpfad(pfad)) {
        dialoge_.Nachricht("Netzlaufwerke werden nicht unterstützt");
        return;
    }
    PfadZeigen(edtReplayVerzeichnis, pfad);
}

void TfrmOptionen::btnOkClick() {
    // A folder typed without its final separator means that folder: every join glues a
    // name onto it.
    DOWVerzeichnis = plattform::OrdnerMitTrenner(PfadAus(edtDOWVerzeichnis));
    std::string neu = plattform::OrdnerMitTrenner(PfadAus(edtReplayVerzeichnis));
    if (!ReplayVerzeichnis.empty() && ReplayVerzeichnis != neu &&
        dialoge_.Frage("Alle Replays in den neuen Ordner kopieren?", "Replays kopieren")) {
        const TKopierbericht bericht = AlleReplaysKopieren(ReplayVerzeichnis, neu);
        std::string text = KopierMeldung(UmzugText(bericht), bericht);
        // Not one replay reached the new folder: the library stays where its replays are.
        const int verfehlt = bericht.NichtAngekommen();
        if (verfehlt > 0 && verfehlt == static_cast<int>(bericht.Dateien.size())) {
            neu = ReplayVerzeichnis;
            text += "\r\nDas Replay-Verzeichnis bleibt unverändert: " + AnzeigeText(ReplayVerzeichnis);
        }
        dialoge_.Nachricht(text);
    }
    ReplayVerzeichnis = neu;
    VerzeichnisseSchreiben();
    close();
}

void TfrmOptionen::btnAbbrechenClick() { close(); }

TKopierbericht TfrmOptionen::AlleReplaysKopieren(const std::string& Alt, const std::string& Neu) {
    TKopierbericht bericht = BibliothekKopieren(Alt, Neu);
    // Only replays with a verified copy in Neu are deleted.
    if (dialoge_.Frage("Alte Replays löschen?", "Replays löschen"))
        BibliothekLeeren(Alt, Neu);
    return bericht;
}
