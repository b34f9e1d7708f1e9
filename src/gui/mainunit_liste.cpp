// The replay list and the detail panel: filling both from Replays, and the list's clicks.
#include <QCheckBox>
#include <QFontMetrics>
#include <algorithm>
#include <QLabel>
#include <QStatusBar>

#include "core/anzeigenamen.h"
#include "core/dateifunktionen.h"
#include "core/suche.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "gui/dialoge.h"
#include "gui/grid.h"
#include "gui/kerntexte.h"
#include "gui/gridmodell.h"
#include "gui/gridspalten.h"
#include "gui/kurzlabel.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "gui/scanmeldung.h"
#include "gui/siegbox.h"
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
    // What the user sees stays: the sort (the grid keeps it), the ticks, the current replay
    // and the scroll position, all by replay file, since the numbers are the new scan's.
    const TListenansicht ansicht = ListenansichtMerken();
    // The list shows what the scan produced whatever its code; what it could not read is
    // told once, after the scan.
    TScanMeldungen meldungen;
    LadeStatus = ReplaysLaden(ReplayVerzeichnis, meldungen, &live_->Bibliothek());
    suchtexte_.clear();
    suchtexteGefaltet_ = false;
    // The header's box belongs to every filled list, the first one after "Optionen" too.
    bool kopfbox = false;
    if (!grdReplays->ReadCheckBox(lsBox, 0, kopfbox)) KopfCheckboxSetzen();

    {
        Umbau umbau(grdReplays);
        grdReplays->RemoveRowRange(2, grdReplays->RowCount() - 2);
        if (Replays.empty()) {
            for (int spalte = 0; spalte < grdReplays->ColCount(); ++spalte) grdReplays->ClearCell(spalte, 1);
        } else {
            // All rows at once, as AppendRow would add them one by one.
            grdReplays->SetRowCount(static_cast<int>(Replays.size()) + 1);
            for (int i = 0; i < static_cast<int>(Replays.size()); ++i) {
                // Every row starts unticked; the ticks come back by file below.
                grdReplays->PlaceCheckBox(lsBox, i + 1, false, false);
                ZeileFuellen(i + 1, i);
            }
        }
    }
    ListenansichtHerstellen(ansicht);
    ScanMelden(meldungen);
    // From here on the list follows the folder by itself.
    LiveStarten();
}

// The box is placed only where the row has none, so a changed row keeps its tick.
void TfrmMain::ZeileFuellen(int zeile, int index) {
    const TReplay& r = *Replays[static_cast<size_t>(index)];
    grdReplays->CellStr(lsNummer, zeile, std::to_string(index + 1));
    if (!grdReplays->Modell().HatCheckbox(lsBox, zeile)) grdReplays->PlaceCheckBox(lsBox, zeile, false, false);
    if (!r.Lesbar) {
        // A file the reader does not know is shown by its name, and says so.
        grdReplays->CellStr(grdReplays->Spaltenposition(lsSpielname), zeile, AnzeigeText(r.Dateiname));
        grdReplays->CellStr(grdReplays->Spaltenposition(lsAnzahl), zeile, std::string());
        grdReplays->CellStr(grdReplays->Spaltenposition(lsKarte), zeile, AlsUtf8(tr("nicht lesbar")));
        grdReplays->CellStr(grdReplays->Spaltenposition(lsDatum), zeile,
                            r.Datum != 0 ? regional_.DatumZeitText(r.Datum) : std::string());
        return;
    }
    grdReplays->CellStr(grdReplays->Spaltenposition(lsSpielname), zeile, r.Spielname);
    grdReplays->CellStr(grdReplays->Spaltenposition(lsAnzahl), zeile, std::to_string(r.Spieleranzahl));
    grdReplays->CellStr(grdReplays->Spaltenposition(lsKarte), zeile, AlsUtf8(KartenText(r.Karte)));
    grdReplays->CellStr(grdReplays->Spaltenposition(lsDatum), zeile, regional_.DatumZeitText(r.Datum));
}

TfrmMain::TListenansicht TfrmMain::ListenansichtMerken() const {
    TListenansicht ansicht;
    for (int r = 1; r < grdReplays->RowCount(); ++r) {
        bool haken = false;
        if (grdReplays->ReadCheckBox(lsBox, r, haken) && haken) ansicht.Angekreuzt.push_back(DateinameInZeile(r));
    }
    std::sort(ansicht.Angekreuzt.begin(), ansicht.Angekreuzt.end());
    ansicht.AktuelleZeile = grdReplays->CurrentRow();
    if (ansicht.AktuelleZeile >= 1) ansicht.Aktuell = DateinameInZeile(ansicht.AktuelleZeile);
    // Before the first fill, the replay that was current when the window last closed.
    if (ansicht.Aktuell.empty()) ansicht.Aktuell = startReplay_;
    ansicht.Rollen = grdReplays->Rollposition();
    return ansicht;
}

void TfrmMain::ListenansichtHerstellen(const TListenansicht& ansicht) {
    int aktuell = -1;
    for (int r = 1; r < grdReplays->RowCount() && !ansicht.Angekreuzt.empty(); ++r) {
        const std::string datei = DateinameInZeile(r);
        if (!datei.empty() && std::binary_search(ansicht.Angekreuzt.begin(), ansicht.Angekreuzt.end(), datei))
            grdReplays->PlaceCheckBox(lsBox, r, true, false);
    }
    // The marker in the header tells how the rows stand, so they stand so after every fill.
    if (!Replays.empty()) grdReplays->Nachsortieren();
    // The search stays and applies to the new list.
    SucheAnwenden();
    if (Replays.empty()) {
        PanelLeeren(ReplayVerzeichnis.empty() ? QString()
                                              : tr("Keine Replays in %1").arg(AlsQString(ReplayVerzeichnis)));
        return;
    }
    // The current replay stays current wherever the sort put it; one that is gone leaves
    // the current row where it was.
    for (int r = 1; r < grdReplays->RowCount() && !ansicht.Aktuell.empty(); ++r)
        if (DateinameInZeile(r) == ansicht.Aktuell) aktuell = r;
    if (aktuell < 1) aktuell = std::clamp(ansicht.AktuelleZeile, 1, grdReplays->RowCount() - 1);
    startReplay_.clear();
    grdReplays->SetCurrentCell(lsBox, aktuell);
    grdReplays->SetRollposition(ansicht.Rollen);
    const int zeile = grdReplays->CurrentRow();
    grdReplays->ZeileZeigen(zeile);
    // With the search hiding every row, replay 1 fills the panel as it always does.
    DetailsAnzeigen(zeile >= 1 ? std::max(0, IndexInZeile(zeile)) : 0);
}

std::string TfrmMain::DateinameInZeile(int ARow) const {
    const TReplay* replay = ReplayInZeile(ARow);
    return replay ? replay->Dateiname : std::string();
}

void TfrmMain::ScanMelden(const TScanMeldungen& meldungen) {
    const std::vector<std::string> betroffen = meldungen.Betroffene();
    const int n = static_cast<int>(Replays.size());
    QString status = tr("%n Replays in %1", nullptr, n).arg(AlsQString(ReplayVerzeichnis));
    if (ReplayVerzeichnis.empty()) status = tr("Kein Replay-Verzeichnis eingetragen");
    else if (LadeStatus == kLadenZaehlenFehlgeschlagen)
        status = tr("Das Replay-Verzeichnis %1 kann nicht gelesen werden").arg(AlsQString(ReplayVerzeichnis));
    // Two whole clauses, so that each language words its own counts.
    if (const int k = static_cast<int>(betroffen.size()); k > 0)
        status = tr("%1, %2", "the status line, then the count of unreadable files")
                     .arg(status, tr("%n Dateien nicht lesbar", nullptr, k));
    StatusMelden(status);
    // One box for files not told before; the same damaged files at every refresh are
    // named in the status line only.
    const bool neu = !std::includes(gemeldeteFehler_.begin(), gemeldeteFehler_.end(), betroffen.begin(),
                                    betroffen.end());
    gemeldeteFehler_ = betroffen;
    if (neu || !meldungen.Allgemein.empty()) dialoge_.Nachricht(ScanMeldungText(meldungen));
}

void TfrmMain::PanelLeeren(const QString& hinweis) {
    UeberschriftSetzen(QString());
    lblDateiname->VollTextSetzen(hinweis);
    grdSpieler->RemoveRowRange(1, grdSpieler->RowCount() - 2);
    for (int spalte = 0; spalte < grdSpieler->ColCount(); ++spalte) grdSpieler->ClearCell(spalte, 1);
    for (QCheckBox* TfrmMain::*box : kSiegbedingungsboxen) SiegboxSetzen(this->*box, false);
}

void TfrmMain::StatusMelden(const QString& text) { statusBar()->showMessage(text); }

void TfrmMain::StatusUndNachricht(const QString& text) {
    StatusMelden(text);
    dialoge_.Nachricht(AlsUtf8(text));
}

void TfrmMain::DetailsAnzeigen(int Index) {
    if (Index < 0 || static_cast<size_t>(Index) >= Replays.size()) return;
    const TReplay& r = *Replays[static_cast<size_t>(Index)];
    if (!r.Lesbar) {
        PanelLeeren(AlsQString(r.Dateiname));
        UeberschriftSetzen(tr("Quellarch kann diese Datei nicht lesen."));
        return;
    }
    UeberschriftSetzen(AlsQString(r.Spielname));
    // The file name is the file system's, not a name stored in the replay.
    lblDateiname->VollTextSetzen(AlsQString(r.Dateiname));

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
        Setzen(grdSpieler, ssRasse, zeile, AlsUtf8(RassenText(s->Rasse)));
        Setzen(grdSpieler, ssTeam, zeile, std::to_string(static_cast<long long>(s->Team) + 1));
    }
    // Without players the one remaining row would still show the previous replay's
    // first player.
    if (zeile == 0)
        for (int spalte = 0; spalte < grdSpieler->ColCount(); ++spalte) grdSpieler->ClearCell(spalte, 1);

    const TSiegbedingungen keine;
    const TSiegbedingungen& b = r.Siegbedingungen ? *r.Siegbedingungen : keine;
    for (std::size_t i = 0; i < kSiegbedingungen.size(); ++i)
        SiegboxSetzen(this->*kSiegbedingungsboxen[i], b.*kSiegbedingungen[i].Feld);
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
    lblReplayname->move(8, std::max(0, kZeile - oben));
    lblReplayname->resize(pnlRechts->width() - 16, lblReplayname->sizeHint().height());
    lblReplayname->VollTextSetzen(text);
}

int TfrmMain::IndexInZeile(int ARow) const {
    // The empty row of an empty list has no number and names no replay.
    const std::string nummer = grdReplays->CellStr(lsNummer, ARow);
    if (nummer.empty()) return -1;
    const std::int32_t n = StrToInt(nummer);
    return n >= 1 && static_cast<size_t>(n) <= Replays.size() ? n - 1 : -1;
}

const TReplay* TfrmMain::ReplayInZeile(int ARow) const {
    const int i = IndexInZeile(ARow);
    return i >= 0 ? Replays[static_cast<size_t>(i)].get() : nullptr;
}

void TfrmMain::grdReplaysClickCell(TCheckSortGrid*, int ARow, int) {
    if (ARow <= 0) return;  // a header click is the grid's sorting
    DetailsAnzeigen(IndexInZeile(ARow));
}

void TfrmMain::grdReplaysZeileGewechselt(TCheckSortGrid*, int ARow) {
    DetailsAnzeigen(IndexInZeile(ARow));
}

void TfrmMain::grdReplaysCanEditCell(TCheckSortGrid*, int, int ACol, bool& CanEdit) {
    // Only the fixed columns hold boxes.
    CanEdit = ACol >= 0 && ACol < kFesteListenspalten;
}

void TfrmMain::grdReplaysColumnMove(TCheckSortGrid*, int ACol, bool& Allow) {
    Allow = ACol >= kFesteListenspalten && ACol < static_cast<int>(kListenspalten.size());
}
