// The replay list and the detail panel: filling both from Replays, and the list's clicks.
#include <QCheckBox>
#include <QFontMetrics>
#include <algorithm>
#include <QLabel>

#include "core/anzeigenamen.h"
#include "core/dateifunktionen.h"
#include "core/suche.h"
#include "core/variablen.h"
#include "gui/dialoge.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/mainunit.h"
#include "gui/qttext.h"
#include "gui/zahl.h"

namespace {

// A movable column's cell, found by the column's identity wherever the user put it.
void Setzen(TCheckSortGrid* grid, int kennung, int zeile, const std::string& text) {
    grid->CellStr(grid->Spaltenposition(kennung), zeile, text);
}

// The rows of a fill reach the grid's views once, when it is done, also when an error
// ends it early.
class Umbau {
public:
    explicit Umbau(TCheckSortGrid* grid) : grid_(grid) { grid_->BeginUpdate(); }
    ~Umbau() { grid_->EndUpdate(); }
    Umbau(const Umbau&) = delete;
    Umbau& operator=(const Umbau&) = delete;

private:
    TCheckSortGrid* grid_;
};

}  // namespace

void TfrmMain::ListeAktualisieren() {
    // The list shows what the scan produced whatever its code; the scan's notices (a
    // file that cannot be opened) come as message boxes.
    LadeStatus = ReplaysLaden(ReplayVerzeichnis, dialoge_);
    suchtexte_.clear();
    suchtexteGefaltet_ = false;

    {
        Umbau umbau(grdReplays);
        grdReplays->RemoveRowRange(2, grdReplays->RowCount() - 2);
        if (Replays.empty()) {
            for (int spalte = 0; spalte < grdReplays->ColCount(); ++spalte) grdReplays->ClearCell(spalte, 1);
        } else {
            // All rows at once, as AppendRow would add them one by one.
            grdReplays->SetRowCount(static_cast<int>(Replays.size()) + 1);
            const int spielname = grdReplays->Spaltenposition(lsSpielname);
            const int anzahl = grdReplays->Spaltenposition(lsAnzahl);
            const int karte = grdReplays->Spaltenposition(lsKarte);
            const int datum = grdReplays->Spaltenposition(lsDatum);
            for (size_t i = 0; i < Replays.size(); ++i) {
                const TReplay& r = *Replays[i];
                const int n = static_cast<int>(i) + 1;
                grdReplays->CellStr(lsNummer, n, std::to_string(n));
                grdReplays->PlaceCheckBox(lsBox, n, false, false);
                grdReplays->CellStr(spielname, n, r.Spielname);
                grdReplays->CellStr(anzahl, n, std::to_string(r.Spieleranzahl));
                grdReplays->CellStr(karte, n, KartenAnzeige(r.Karte).Text());
                grdReplays->CellStr(datum, n, regional_.DatumZeitText(r.Datum));
            }
        }
    }
    if (Replays.empty()) {
        SucheAnwenden();
        return;
    }
    // The search stays and applies to the new list. Row 1 is current after the refill;
    // when the search hides it, the first row shown takes its place, so the highlight, the
    // panel and "Umbenennen" still name one replay. With no row shown, replay 1 fills the
    // panel as it always does.
    SucheAnwenden();
    if (grdReplays->CurrentRow() < 1) grdReplays->SetCurrentCell(lsBox, 1);
    const int zeile = grdReplays->CurrentRow();
    DetailsAnzeigen(zeile >= 1 ? StrToInt(grdReplays->CellStr(lsNummer, zeile)) - 1 : 0);
}

void TfrmMain::DetailsAnzeigen(int Index) {
    if (Index < 0 || static_cast<size_t>(Index) >= Replays.size()) return;
    const TReplay& r = *Replays[static_cast<size_t>(Index)];
    UeberschriftSetzen(AlsQString(r.Spielname));
    // The file name is the file system's, not a name stored in the replay.
    lblDateiname->setText(AlsQString(r.Dateiname));
    lblDateiname->adjustSize();

    grdSpieler->RemoveRowRange(1, grdSpieler->RowCount() - 2);
    // Only slots that hold a player are shown; the count is the file's low byte and may
    // claim more players than the eight slots the reader fills.
    int zeile = 0;
    for (int k = 1; k <= r.Spieleranzahl && k <= 8; ++k) {
        const TSpieler* s = r.SpielerInSlot(k);
        if (!s) continue;
        if (++zeile > 1) grdSpieler->AppendRow();
        grdSpieler->CellStr(ssNummer, zeile, std::to_string(k));
        Setzen(grdSpieler, ssSpieler, zeile, s->Name);
        Setzen(grdSpieler, ssRasse, zeile, RassenAnzeige(s->Rasse).Text());
        Setzen(grdSpieler, ssTeam, zeile, std::to_string(static_cast<long long>(s->Team) + 1));
    }
    // Without players the one remaining row would still show the previous replay's
    // first player.
    if (zeile == 0)
        for (int spalte = 0; spalte < grdSpieler->ColCount(); ++spalte) grdSpieler->ClearCell(spalte, 1);

    const TSiegbedingungen keine;
    const TSiegbedingungen& b = r.Siegbedingungen ? *r.Siegbedingungen : keine;
    for (std::size_t i = 0; i < kSiegbedingungen.size(); ++i)
        (this->*kSiegbedingungsboxen[i])->setChecked(b.*kSiegbedingungen[i].Feld);
}

void TfrmMain::UeberschriftSetzen(const QString& text) {
    // Stacked accents and marks above and below reach past the font's line height, by as
    // much as the text piles them up. The room they need lies outside the line, which
    // stays where it was as far as the panel's edge allows. Marks drawn from a fallback
    // font (Windows) are not in the metrics, so half the ascent is the least room given.
    constexpr int kZeile = 8;
    const QFontMetrics metrik(lblReplayname->font());
    const QRect tinte = metrik.tightBoundingRect(text);
    const int mindestens = metrik.ascent() / 2;
    const int oben = std::max(mindestens, -tinte.top() - metrik.ascent() + 3);
    const int unten = std::max(mindestens, tinte.bottom() - metrik.descent() + 3);
    lblReplayname->setContentsMargins(0, oben, 2, unten);
    lblReplayname->setText(text);
    lblReplayname->move(8, std::max(0, kZeile - oben));
    lblReplayname->adjustSize();
}

const TReplay* TfrmMain::ReplayInZeile(int ARow) const {
    const std::int32_t n = StrToInt(grdReplays->CellStr(lsNummer, ARow));
    if (n < 1 || static_cast<size_t>(n) > Replays.size()) return nullptr;
    return Replays[static_cast<size_t>(n) - 1].get();
}

void TfrmMain::grdReplaysClickCell(TCheckSortGrid*, int ARow, int) {
    if (ARow <= 0) return;  // a header click is the grid's sorting
    const std::int32_t n = StrToInt(grdReplays->CellStr(lsNummer, ARow));
    DetailsAnzeigen(n - 1);
}

void TfrmMain::grdReplaysZeileGewechselt(TCheckSortGrid*, int ARow) {
    // Only the empty row of an empty list has no number, and it names no replay.
    const std::string nummer = grdReplays->CellStr(lsNummer, ARow);
    if (!nummer.empty()) DetailsAnzeigen(StrToInt(nummer) - 1);
}

void TfrmMain::grdReplaysCanEditCell(TCheckSortGrid*, int, int ACol, bool& CanEdit) {
    // Only the fixed columns hold boxes.
    CanEdit = ACol >= 0 && ACol < kFesteListenspalten;
}

void TfrmMain::grdReplaysColumnMove(TCheckSortGrid*, int ACol, bool& Allow) {
    Allow = ACol >= kFesteListenspalten && ACol < static_cast<int>(kListenspalten.size());
}
