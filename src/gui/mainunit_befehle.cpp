// The commands of the tool bar, the buttons and the menu, and the two replay transfers
// the window runs. The file work lies in the core; the questions and messages are here.
#include <QPointer>

#include "core/platform/programmstart.h"
#include "core/transfers.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "gui/dialoge.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/kopiermeldung.h"
#include "gui/mainunit.h"
#include "gui/optionenunit.h"
#include "gui/ueberquellarch.h"

void TfrmMain::tbtRefreshClick() { ListeAktualisieren(); }

void TfrmMain::tbtKopierenClick() {
    if (DOWVerzeichnis.empty() || ReplayVerzeichnis.empty()) return;
    NeueReplaysKopieren();
    ListeAktualisieren();
}

void TfrmMain::btnKopierenClick() { AuswahlNachPlaybackKopieren(); }

void TfrmMain::btnUmbenennenClick() {
    // With an empty library no row names a replay; while the search hides the selected
    // row, no row the user sees is selected.
    if (Replays.empty() || grdReplays->CurrentRow() < 1) return;
    std::string text;
    do {
        if (!dialoge_.Eingabe("Replay umbenennen", "Neuer Replayname (1-25 Zeichen):", text)) return;
    } while (!NeuerNameGueltig(text));
    const TReplay* replay = ReplayInZeile(grdReplays->CurrentRow());
    if (!replay) return;
    // The notices ("Datei existiert nicht." and the like) come through dialoge_ and are
    // followed by the refresh; an escaping Fehler skips it and reaches the error box.
    ReplayUmbenennen(*replay, Utf16AusUtf8(text), dialoge_);
    ListeAktualisieren();
}

void TfrmMain::btnDOWClick() {
    // The system shows nothing when the game does not start; without this the click
    // would simply do nothing.
    if (const auto fehler = plattform::SpielStarten(DOWVerzeichnis, DOWFund))
        dialoge_.Nachricht(AnzeigeText(fehler->Programm) + " konnte nicht gestartet werden.\r\n" + fehler->Grund);
}

void TfrmMain::mbtOptionenClick() {
    // The dialog frees itself when it closes; nothing is refreshed afterwards.
    QPointer<TfrmOptionen> frmOptionen = new TfrmOptionen(this, dialoge_);
    frmOptionen->exec();
}

void TfrmMain::Beenden1Click() { close(); }

void TfrmMain::UeberQuellarch1Click() { dialoge_.Nachricht(UeberQuellarchText()); }

void TfrmMain::NeueReplaysKopieren() {
    const bool entfernen = dialoge_.Frage("Replays anschließend entfernen?", "Replays löschen");
    const TKopierbericht bericht = PlaybackImportieren(DOWVerzeichnis, ReplayVerzeichnis, entfernen);
    // Counts what was really copied and names what was not; nothing not copied was removed.
    dialoge_.Nachricht(KopierMeldung(KopiertText(bericht), bericht));
}

void TfrmMain::AuswahlNachPlaybackKopieren() {
    PlaybackLeeren(DOWVerzeichnis, ReplayVerzeichnis);
    const int zeilen = grdReplays->RowCount();
    for (int r = 1; r < zeilen; ++r) {
        // Only what the user sees goes: a row hidden by the search keeps its mark for later.
        bool markiert = false;
        if (grdReplays->RowHidden(r) || !grdReplays->ReadCheckBox(lsBox, r, markiert) || !markiert) continue;
        // Rows reach their replay through their number, never their position:
        // the user may have sorted them.
        if (const TReplay* replay = ReplayInZeile(r))
            ReplayNachPlayback(DOWVerzeichnis, ReplayVerzeichnis, replay->Dateiname);
    }
}
