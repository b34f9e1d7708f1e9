#include "gui/optionenunit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <cctype>
#include <iterator>
#include <optional>

#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/spiel/installation.h"
#include "core/transfers.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "gui/dialoge.h"
#include "gui/fehlerbox.h"
#include "gui/glyphen.h"
#include "gui/installationsliste.h"
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

// "\\server\share\" or "//server/share/": a folder on another machine.
bool IstNetzwerkpfad(const std::string& pfad) {
    return pfad.size() >= 2 && IstTrenner(pfad[0]) && IstTrenner(pfad[1]);
}

// What "Sprache" in config.ini holds, in the order of the dialog's choice. Each language
// is named in itself, so that a player finds their own whatever the program speaks.
constexpr const char* kSprachen[] = {"Automatisch", "Deutsch", "English"};

// The choice config.ini holds; an empty or unknown setting follows the system, as the
// start does.
int SprachIndex(const std::string& sprache) {
    for (int i = 1; i < static_cast<int>(std::size(kSprachen)); ++i)
        if (sprache == kSprachen[i]) return i;
    return 0;
}

QGroupBox* Gruppe(QWidget* eltern, const QString& titel, int top) {
    auto* gruppe = new QGroupBox(titel, eltern);
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

QPushButton* Knopf(QWidget* eltern, const QString& text, int left, int top) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setGeometry(left, top, 83, 25);
    knopf->setAutoDefault(false);
    return knopf;
}

// "~" and "~/…" stand for the home folder, as in a shell; only on POSIX, where Windows
// users' "~1" short names do not occur.
std::string TildeAufloesen(const std::string& pfad) {
    if (!plattform::IstPosix() || pfad.empty() || pfad[0] != '~' || (pfad.size() > 1 && pfad[1] != '/')) return pfad;
    return AlsUtf8(QDir::homePath()) + pfad.substr(1);
}

// "C:\…", "C:/…" and "\\server\…" name nothing on POSIX, where '\' and ':' belong to names.
bool IstWindowsPfad(const std::string& pfad) {
    if (!plattform::IstPosix()) return false;
    const bool laufwerk = pfad.size() >= 2 && std::isalpha(static_cast<unsigned char>(pfad[0])) && pfad[1] == ':';
    return laufwerk || pfad.rfind("\\\\", 0) == 0;
}

// A typed folder that exists gets its final separator; anything else stays as typed.
std::string Ordnerform(const std::string& pfad) {
    return plattform::VerzeichnisExistiert(pfad) ? plattform::OrdnerMitTrenner(pfad) : pfad;
}

}  // namespace

TfrmOptionen::TfrmOptionen(QWidget* owner, TDialoge& dialoge)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      dialoge_(dialoge) {
    setObjectName("frmOptionen");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Optionen"));
    setFixedSize(632, 566);
    setSizeGripEnabled(false);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, farben.color(QPalette::Button));
    setPalette(farben);
    setAutoFillBackground(true);
    QFont schrift("MS Sans Serif");
    schrift.setPixelSize(11);
    setFont(schrift);

    grpDOW = Gruppe(this, tr(" Dawn of War - Verzeichnis "), 8);
    grpReplay = Gruppe(this, tr(" Replay - Verzeichnis"), 72);
    grpSprache = Gruppe(this, tr(" Sprache "), 472);
    cmbSprache = new QComboBox(grpSprache);
    cmbSprache->setGeometry(8, 24, 145, 21);
    for (const char* sprache : kSprachen)
        cmbSprache->addItem(sprache == kSprachen[0] ? tr("Automatisch") : QString::fromUtf8(sprache));
    // The window is built in its language once; a new one is loaded at the next start.
    lblSpracheHinweis = new QLabel(tr("Eine andere Sprache gilt ab dem nächsten Start von Quellarch."), grpSprache);
    lblSpracheHinweis->setTextFormat(Qt::PlainText);
    lblSpracheHinweis->setGeometry(164, 24, 443, 21);
    btnOk = Knopf(this, tr("&OK"), 456, 536);
    // Enter confirms and Esc cancels, as in every dialog.
    btnOk->setDefault(true);
    btnAbbrechen = Knopf(this, tr("&Abbrechen"), 544, 535);
    edtDOWVerzeichnis = Verzeichnisfeld(grpDOW);
    edtReplayVerzeichnis = Verzeichnisfeld(grpReplay);
    sbtDOWWechseln = Ordnerknopf(grpDOW);
    sbtReplayWechseln = Ordnerknopf(grpReplay);
    grpInstallationen = new QGroupBox(tr(" Gefundene Installationen "), this);
    grpInstallationen->setGeometry(8, 136, 617, 130);
    lstInstallationen = new TInstallationsliste(grpInstallationen, Installationen);
    lstInstallationen->setGeometry(8, 20, 601, 102);
    lstInstallationen->Gewaehlt = [this](const TInstallation& i) {
        PfadZeigen(edtDOWVerzeichnis, i.Ordner);
        programm_ = i.Programm;
        programmOrdner_ = i.Ordner;
    };
    grpWeitere = new QGroupBox(tr(" Weitere Playback-Ordner (einer je Zeile) "), this);
    grpWeitere->setGeometry(8, 272, 617, 88);
    edtWeitere = new QPlainTextEdit(grpWeitere);
    edtWeitere->setGeometry(8, 20, 601, 60);
    edtWeitere->setObjectName("edtWeitere");
    edtWeitere->setTabChangesFocus(true);
    grpDOW->setObjectName("grpDOW");
    grpReplay->setObjectName("grpReplay");
    grpSprache->setObjectName("grpSprache");
    cmbSprache->setObjectName("cmbSprache");
    lblSpracheHinweis->setObjectName("lblSpracheHinweis");
    btnOk->setObjectName("btnOk");
    btnAbbrechen->setObjectName("btnAbbrechen");
    edtDOWVerzeichnis->setObjectName("edtDOWVerzeichnis");
    edtReplayVerzeichnis->setObjectName("edtReplayVerzeichnis");
    sbtDOWWechseln->setObjectName("sbtDOWWechseln");
    sbtReplayWechseln->setObjectName("sbtReplayWechseln");

    SpeichernAufbauen(368);
    setTabOrder(edtDOWVerzeichnis, edtReplayVerzeichnis);
    setTabOrder(edtReplayVerzeichnis, lstInstallationen);
    setTabOrder(lstInstallationen, edtWeitere);
    setTabOrder(edtWeitere, chkAutoSpeichern);
    setTabOrder(chkAutoSpeichern, edtNamensvorlage);
    setTabOrder(edtNamensvorlage, cmbSprache);
    setTabOrder(cmbSprache, btnOk);
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
    cmbSprache->setCurrentIndex(SprachIndex(SpracheLesen(ConfigDatei)));
    programm_ = DOWProgramm;
    programmOrdner_ = DOWVerzeichnis;
    lstInstallationen->Markieren(DOWVerzeichnis, StartProgramm(DOWVerzeichnis, DOWProgramm));
    QStringList weitere;
    for (const std::string& o : WeiterePlaybackOrdner) weitere << AlsQString(o);
    edtWeitere->setPlainText(weitere.join('\n'));
}

// However the dialog is closed (OK, Abbrechen, the close box), it frees itself.
void TfrmOptionen::FormClose() { setAttribute(Qt::WA_DeleteOnClose); }

void TfrmOptionen::closeEvent(QCloseEvent* event) {
    MitFehlerbox(dialoge_, [this] { FormClose(); });
    QDialog::closeEvent(event);
}

void TfrmOptionen::sbtDOWWechselnClick() {
    // The chooser starts at the folder the box holds.
    std::string ordner = PfadAus(edtDOWVerzeichnis);
    if (!dialoge_.OrdnerWaehlen(AlsUtf8(tr("Verzeichnis auswählen...")), ordner)) return;
    // The chooser gives a root with its separator already, so a root ends doubled.
    PfadZeigen(edtDOWVerzeichnis, ordner + plattform::Trenner());
}

void TfrmOptionen::sbtReplayWechselnClick() {
    // A folder chooser: the library may be a folder that is still empty.
    std::string ordner;
    if (!dialoge_.OrdnerWaehlen(AlsUtf8(tr("Verzeichnis auswählen...")), ordner)) return;
    const std::string pfad = ordner + plattform::Trenner();
    if (IstNetzwerkpfad(pfad)) {
        dialoge_.Nachricht(AlsUtf8(tr("Netzlaufwerke werden nicht unterstützt")));
        return;
    }
    PfadZeigen(edtReplayVerzeichnis, pfad);
}

std::optional<std::string> TfrmOptionen::OrdnerPruefen(QLineEdit* edit) {
    const std::string pfad = TildeAufloesen(PfadAus(edit));
    if (IstWindowsPfad(pfad)) {
        edit->setFocus();
        dialoge_.Nachricht(AlsUtf8(tr("„%1“ ist ein Windows-Pfad. Unter Linux liegt er im Wine-Präfix, zum Beispiel "
                                      "unter ~/.wine/drive_c/ für C:\\.")
                                       .arg(AlsQString(pfad))));
        return std::nullopt;
    }
    return Ordnerform(pfad);
}

bool TfrmOptionen::SpielordnerAnnehmen(const std::string& pfad) {
    if (pfad.empty()) return true;
    const std::string ordner = plattform::OrdnerMitTrenner(pfad);
    const bool programm = !ProgrammeIn(ordner).empty();
    const bool playback = plattform::VerzeichnisExistiert(PlaybackOrdner(pfad));
    if (programm && playback) return true;
    QString text;
    if (!plattform::VerzeichnisExistiert(pfad))
        text = tr("Das Dawn of War - Verzeichnis %1 gibt es nicht.\nTrotzdem übernehmen?");
    else if (!programm && !playback)
        text = tr("Im Dawn of War - Verzeichnis %1 fehlt ein Programm des Spiels (W40k.exe, W40kWA.exe, "
                  "DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe) und der Ordner Playback.\nTrotzdem übernehmen?");
    else if (!playback)
        text = tr("Im Dawn of War - Verzeichnis %1 fehlt der Ordner Playback.\nTrotzdem übernehmen?");
    else
        text = tr("Im Dawn of War - Verzeichnis %1 fehlt ein Programm des Spiels (W40k.exe, W40kWA.exe, "
                  "DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe).\nTrotzdem übernehmen?");
    text = text.arg(AlsQString(pfad));
    if (dialoge_.Frage(AlsUtf8(text), AlsUtf8(tr("Dawn of War - Verzeichnis")))) return true;
    edtDOWVerzeichnis->setFocus();
    return false;
}

bool TfrmOptionen::BibliothekAnnehmen(std::string& pfad) {
    if (pfad.empty() || plattform::VerzeichnisExistiert(pfad)) return true;
    edtReplayVerzeichnis->setFocus();
    const QString text = tr("Das Replay-Verzeichnis %1 gibt es nicht.\nSoll es angelegt werden?").arg(AlsQString(pfad));
    if (!dialoge_.Frage(AlsUtf8(text), AlsUtf8(tr("Replay-Verzeichnis anlegen")))) return false;
    if (!QDir().mkpath(AlsQString(pfad))) {
        dialoge_.Nachricht(AlsUtf8(tr("Das Replay-Verzeichnis %1 kann nicht angelegt werden.").arg(AlsQString(pfad))));
        return false;
    }
    pfad = plattform::OrdnerMitTrenner(pfad);
    return true;
}

void TfrmOptionen::btnOkClick() {
    // Nothing is taken over until both folders pass: a refused one keeps the dialog open.
    const std::optional<std::string> dow = OrdnerPruefen(edtDOWVerzeichnis);
    if (!dow) return;
    std::optional<std::string> bibliothek = OrdnerPruefen(edtReplayVerzeichnis);
    if (!bibliothek || !SpielordnerAnnehmen(*dow) || !BibliothekAnnehmen(*bibliothek)) return;
    // A folder typed without its final separator means that folder: every join glues a
    // name onto it.
    DOWVerzeichnis = plattform::OrdnerMitTrenner(*dow);
    // The program picked goes with its folder; a folder typed by hand starts W40k.exe, or
    // the one program it holds.
    DOWProgramm = GleicherOrdner(programmOrdner_, DOWVerzeichnis) || programmOrdner_ == DOWVerzeichnis ? programm_ : "";
    WeiterePlaybackOrdner.clear();
    for (const QString& zeile : edtWeitere->toPlainText().split('\n', Qt::SkipEmptyParts))
        if (!zeile.trimmed().isEmpty())
            WeiterePlaybackOrdner.push_back(plattform::OrdnerMitTrenner(TildeAufloesen(AlsUtf8(zeile.trimmed()))));
    std::string neu = plattform::OrdnerMitTrenner(*bibliothek);
    if (!ReplayVerzeichnis.empty() && ReplayVerzeichnis != neu &&
        dialoge_.Frage(AlsUtf8(tr("Alle Replays in den neuen Ordner kopieren?")), AlsUtf8(tr("Replays kopieren")))) {
        const TKopierbericht bericht = AlleReplaysKopieren(ReplayVerzeichnis, neu);
        std::string text = KopierMeldung(bericht, TKopierart::Umzug);
        // Not one replay reached the new folder: the library stays where its replays are.
        const int verfehlt = bericht.NichtAngekommen();
        if (verfehlt > 0 && verfehlt == static_cast<int>(bericht.Dateien.size())) {
            neu = ReplayVerzeichnis;
            text += "\r\n" + AlsUtf8(tr("Das Replay-Verzeichnis bleibt unverändert: %1")
                                        .arg(AlsQString(AnzeigeText(ReplayVerzeichnis))));
        }
        dialoge_.Nachricht(text);
    }
    ReplayVerzeichnis = neu;
    VerzeichnisseSchreiben();
    SpeichernUebernehmen();
    // Written only when changed: a file that holds none keeps following the system.
    if (cmbSprache->currentIndex() != SprachIndex(SpracheLesen(ConfigDatei)))
        SpracheSchreiben(kSprachen[cmbSprache->currentIndex()]);
    accept();
}

void TfrmOptionen::btnAbbrechenClick() { close(); }

TKopierbericht TfrmOptionen::AlleReplaysKopieren(const std::string& Alt, const std::string& Neu) {
    TKopierbericht bericht = BibliothekKopieren(Alt, Neu);
    // Only replays with a verified copy in Neu are deleted.
    if (dialoge_.Frage(AlsUtf8(tr("Alte Replays löschen?")), AlsUtf8(tr("Replays löschen"))))
        BibliothekLeeren(Alt, Neu);
    return bericht;
}
