// The commands of the tool bar, the buttons and the menu, and the two replay transfers
// the window runs. The file work lies in the core; the questions and messages are here.
// Every command answers: in the status line, and in a box where the user has to act.
#include <QPointer>
#include <QStatusBar>

#include "core/platform/dateistempel.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/spiel/playbackordner.h"
#include "core/spielstart.h"
#include "core/transfers.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "gui/dialoge.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/kopiermeldung.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "gui/namensliste.h"
#include "gui/optionenunit.h"
#include "gui/qttext.h"
#include "gui/ueberquellarch.h"

namespace {

// Passes the core's notices on and remembers that there were some.
class TGezaehlteMeldungen : public TMeldungen {
public:
    explicit TGezaehlteMeldungen(TMeldungen& weiter) : weiter_(weiter) {}
    void Meldung(TMeldungsart art) override {
        ++Anzahl;
        weiter_.Meldung(art);
    }
    int Anzahl = 0;

private:
    TMeldungen& weiter_;
};

}  // namespace

std::string TfrmMain::OrdnerFehler(bool playback) const {
    if (DOWVerzeichnis.empty())
        return AlsUtf8(tr("Das Dawn of War - Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen."));
    if (!plattform::VerzeichnisExistiert(DOWVerzeichnis))
        return AlsUtf8(tr("Das Dawn of War - Verzeichnis %1 gibt es nicht.").arg(AlsQString(DOWVerzeichnis)));
    if (playback && !plattform::VerzeichnisExistiert(PlaybackOrdner(DOWVerzeichnis)))
        return AlsUtf8(
            tr("Im Dawn of War - Verzeichnis %1 fehlt der Ordner Playback.").arg(AlsQString(DOWVerzeichnis)));
    if (ReplayVerzeichnis.empty())
        return AlsUtf8(tr("Das Replay-Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen."));
    if (!plattform::VerzeichnisExistiert(ReplayVerzeichnis))
        return AlsUtf8(tr("Das Replay-Verzeichnis %1 gibt es nicht.").arg(AlsQString(ReplayVerzeichnis)));
    return {};
}

bool TfrmMain::OrdnerBereit(bool playback) {
    const std::string fehler = OrdnerFehler(playback);
    if (fehler.empty()) return true;
    StatusMelden(AlsQString(fehler));
    dialoge_.Nachricht(fehler);
    return false;
}

void TfrmMain::tbtRefreshClick() { ListeAktualisieren(); }

void TfrmMain::tbtKopierenClick() {
    if (!OrdnerBereit(true)) return;
    const QString gezaehlt = NeueReplaysKopieren();
    ListeAktualisieren();
    StatusMelden(gezaehlt);
}

void TfrmMain::btnKopierenClick() { AuswahlNachPlaybackKopieren(); }

std::string TfrmMain::NamensFehler(const std::string& text) {
    if (text.empty()) return AlsUtf8(tr("Bitte einen Namen eingeben."));
    if (AlsQString(text).trimmed().isEmpty()) return AlsUtf8(tr("Ein Name nur aus Leerzeichen geht nicht."));
    if (!NeuerNameGueltig(text)) return AlsUtf8(tr("Der Name ist länger als 25 Zeichen."));
    return {};
}

void TfrmMain::btnUmbenennenClick() {
    // With an empty library no row names a replay; while the search hides the selected
    // row, no row the user sees is selected.
    const TReplay* replay = grdReplays->CurrentRow() >= 1 ? ReplayInZeile(grdReplays->CurrentRow()) : nullptr;
    if (!replay) {
        StatusMelden(tr("Kein Replay gewählt: nichts umbenannt."));
        return;
    }
    if (!replay->Lesbar) {
        // Its name is stored where the reader could not look.
        const QString meldung =
            tr("%1 wurde nicht umbenannt: Quellarch kann die Datei nicht lesen.").arg(AlsQString(replay->Dateiname));
        StatusUndNachricht(meldung);
        return;
    }
    // The query names the replay and starts with its name, selected.
    std::string text = replay->Spielname;
    const std::string prompt = AlsUtf8(tr("Replay: %1\nDatei: %2\r\n\r\nNeuer Replayname (1-25 Zeichen):")
                                           .arg(AlsQString(replay->Spielname), AlsQString(replay->Dateiname)));
    if (!dialoge_.Eingabe(AlsUtf8(tr("Replay umbenennen")), prompt, text,
                          {25, [](const std::string& t) { return NamensFehler(t); }})) {
        StatusMelden(tr("Nichts umbenannt."));
        return;
    }
    const QString datei = AlsQString(replay->Dateiname);
    // The notices ("Datei existiert nicht." and the like) come through dialoge_ and are
    // followed by the refresh; an escaping Fehler skips it and reaches the error box.
    TGezaehlteMeldungen meldungen(dialoge_);
    ReplayUmbenennen(*replay, Utf16AusUtf8(text), meldungen);
    ListeAktualisieren();
    StatusMelden(meldungen.Anzahl == 0 ? tr("%1 heißt jetzt „%2“.").arg(datei, AlsQString(text))
                                       : tr("%1 wurde nicht umbenannt.").arg(datei));
}

void TfrmMain::btnDOWClick() {
    const TSpielstart start = SpielstartPruefen(DOWVerzeichnis, DOWProgramm, Installationen);
    const QString ordner = AlsQString(start.Ordner);
    QString fehler;
    switch (start.Hindernis) {
        case TStarthindernis::Keines:
            break;
        case TStarthindernis::KeinOrdner:
            fehler = tr("Das Dawn of War - Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.");
            break;
        case TStarthindernis::OrdnerFehlt:
            fehler = tr("Das Dawn of War - Verzeichnis %1 gibt es nicht.").arg(ordner);
            break;
        case TStarthindernis::KeinProgramm:
            fehler = tr("Im Dawn of War - Verzeichnis %1 liegt keines der Programme W40k.exe, W40kWA.exe, "
                        "DarkCrusade.exe, Soulstorm.exe und W40k_gog.exe.")
                         .arg(ordner);
            break;
        case TStarthindernis::KeinWine:
            fehler =
                tr("Dawn of War startet unter Wine, doch das Programm „wine“ wurde nicht gefunden. "
                   "Bitte Wine installieren.");
            break;
        case TStarthindernis::KeinSteam:
            fehler =
                tr("Dawn of War wurde mit Steam installiert, doch das Programm „steam“ wurde nicht gefunden. "
                   "Bitte Steam installieren.");
            break;
    }
    if (!fehler.isEmpty()) {
        StatusMelden(tr("Dawn of War wurde nicht gestartet."));
        dialoge_.Nachricht(AlsUtf8(fehler));
        return;
    }
    // The system shows nothing when the game does not start; without this the click
    // would simply do nothing.
    if (const auto startfehler = plattform::ProgrammStarten(*start.Befehl)) {
        StatusMelden(tr("Dawn of War wurde nicht gestartet."));
        dialoge_.Nachricht(AlsUtf8(tr("%1 konnte nicht gestartet werden.\r\n%2")
                                       .arg(AlsQString(AnzeigeText(startfehler->Programm)),
                                            AlsQString(startfehler->Grund))));
        return;
    }
    StatusMelden(tr("Dawn of War wird gestartet: %1").arg(AlsQString(start.Befehl->Argumente.back())));
}

void TfrmMain::mbtOptionenClick() {
    // The dialog frees itself when it closes; after OK the list shows the folders it set.
    QPointer<TfrmOptionen> frmOptionen = new TfrmOptionen(this, dialoge_);
    if (frmOptionen->exec() == QDialog::Accepted) ListeAktualisieren();
}

void TfrmMain::Beenden1Click() { close(); }

void TfrmMain::UeberQuellarch1Click() { dialoge_.Nachricht(UeberQuellarchText()); }

QString TfrmMain::NeueReplaysKopieren() {
    const bool entfernen =
        dialoge_.Frage(AlsUtf8(tr("Replays anschließend entfernen?")), AlsUtf8(tr("Replays löschen")));
    // Every installation's replays, and those of the folders named under Optionen.
    const TKopierbericht bericht =
        PlaybackOrdnerImportieren(AllePlaybackOrdner(DOWVerzeichnis, Installationen, WeiterePlaybackOrdner),
                                  ReplayVerzeichnis, entfernen, &live_->Bibliothek());
    // Counts what was really copied and names what was not; nothing not copied was removed.
    const std::string text = KopierMeldung(bericht, TKopierart::Import);
    dialoge_.Nachricht(text);
    return AlsQString(text.substr(0, text.find('\r')));
}

void TfrmMain::AuswahlNachPlaybackKopieren() {
    if (!OrdnerBereit(true)) return;
    // What the user ticked and sees goes; a row hidden by the search keeps its mark and is
    // named as left out.
    std::vector<std::string> markiert, ausgeblendet;
    std::vector<std::optional<plattform::Dateistempel>> gezeigt;  // the file as the list shows it
    for (int r = 1; r < grdReplays->RowCount(); ++r) {
        bool haken = false;
        // From the context menu of an unticked row: that row alone.
        if (nurZeile_ >= 1) haken = r == nurZeile_;
        else if (!grdReplays->ReadCheckBox(lsBox, r, haken)) continue;
        if (!haken) continue;
        // Rows reach their replay through their number, never their position:
        // the user may have sorted them.
        if (const TReplay* replay = ReplayInZeile(r))
            (grdReplays->RowHidden(r) ? ausgeblendet : markiert).push_back(replay->Dateiname);
    }
    for (const std::string& datei : markiert) gezeigt.push_back(live_->Bibliothek().ListenStempel(datei));
    // First Playback is emptied into the library, so the game finds the chosen ones alone.
    const TKopierbericht geleert = PlaybackImportieren(DOWVerzeichnis, ReplayVerzeichnis, true, &live_->Bibliothek());
    std::vector<std::string> gescheitert;
    for (std::size_t i = 0; i < markiert.size(); ++i) {
        const std::string& datei = markiert[i];
        // Only the replay the row shows: a file that took its name meanwhile, even one the
        // emptying just brought in, is another replay.
        const auto jetzt = plattform::StempelLesen(ReplayVerzeichnis + datei);
        if (gezeigt[i] && jetzt && jetzt != gezeigt[i]) {
            gescheitert.push_back(datei + ": " + AlsUtf8(tr("die Datei wurde geändert, seit die Liste sie zeigt")));
            continue;
        }
        const TKopierstand stand = ReplayNachPlayback(DOWVerzeichnis, ReplayVerzeichnis, datei);
        if (!Angekommen(stand)) gescheitert.push_back(datei + ": " + AlsUtf8(KopierGrund(stand)));
    }

    const int verschoben = static_cast<int>(geleert.Dateien.size()) - geleert.NichtAngekommen();
    const int kopiert = static_cast<int>(markiert.size() - gescheitert.size());
    std::string text =
        Anzahltext(verschoben, QT_TRANSLATE_N_NOOP("Kopiermeldung", "%n Replays aus Playback in die Bibliothek verschoben.")) +
        NichtAngekommenText(geleert) + "\r\n" +
        Anzahltext(kopiert, QT_TRANSLATE_N_NOOP("Kopiermeldung", "%n Replays nach Playback kopiert."));
    if (!gescheitert.empty())
        text +=
            "\r\n" +
            Anzahltext(static_cast<int>(gescheitert.size()), QT_TRANSLATE_N_NOOP("Kopiermeldung", "%n Replays konnten nicht nach Playback kopiert werden:")) +
            NamensListe(gescheitert);
    if (!ausgeblendet.empty())
        text +=
            "\r\n" +
            Anzahltext(static_cast<int>(ausgeblendet.size()), QT_TRANSLATE_N_NOOP("Kopiermeldung", "%n markierte Replays sind durch die Suche ausgeblendet und wurden nicht kopiert:")) +
            NamensListe(ausgeblendet);
    if (markiert.empty() && ausgeblendet.empty())
        text +=
            "\r\n" + AlsUtf8(tr("Kein Replay ist markiert: bitte die Replays ankreuzen, die das Spiel zeigen soll."));

    // The replays moved out of Playback are in the library now, and the list shows them.
    if (verschoben > 0) ListeAktualisieren();
    QString status = AlsQString(text);
    status.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    StatusMelden(status);
    // A box only where something was left out or went wrong: the user has to look at it.
    if (!gescheitert.empty() || !ausgeblendet.empty() || geleert.NichtAngekommen() > 0 || markiert.empty())
        dialoge_.Nachricht(text);
}
