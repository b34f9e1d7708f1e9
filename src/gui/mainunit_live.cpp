// The live library in the window: the list follows the library folder file by file, and
// games saved by themselves are told in the status line. The user keeps their place: rows
// carry their ticks when they move, a new row goes where the sort puts it, the search
// applies to it, and the current row stays on its replay.
#include <QLineEdit>
#include <QLabel>

#include "core/namensvorlage.h"
#include "core/spiel/playbackordner.h"
#include "core/suche.h"
#include "core/variablen.h"
#include "gui/dialoge.h"
#include "gui/grid.h"
#include "gui/gridmodell.h"
#include "gui/gridspalten.h"
#include "gui/kerntexte.h"
#include "gui/kopiermeldung.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "gui/qttext.h"

void TfrmMain::LiveStarten() {
    TLiveBibliothek::TOrdner ordner;
    ordner.Bibliothek = ReplayVerzeichnis;
    // Every installation's Playback folder, and the further ones named under Optionen.
    ordner.Playback = AllePlaybackOrdner(DOWVerzeichnis, Installationen, WeiterePlaybackOrdner);
    ordner.AutoSpeichern = AutoSpeichern;
    // The map's display name in the program's language, read when each game is saved.
    ordner.Namensgeber = [](const TReplay& replay) {
        return NameAusVorlage(Namensvorlage, NamensfelderAus(replay, AlsUtf8(KartenText(replay.Karte))));
    };
    live_->Starten(ordner);
}

int TfrmMain::ReplayIndexVon(const std::string& datei) const {
    for (size_t i = 0; i < Replays.size(); ++i)
        if (Replays[i]->Dateiname == datei) return static_cast<int>(i);
    return -1;
}

int TfrmMain::ZeileVonIndex(int index) const {
    // The number column holds index + 1; read in place, as 100,000 rows may be looked through.
    const std::string nummer = std::to_string(index + 1);
    TGridModell& modell = grdReplays->Modell();
    for (int r = 1; r < grdReplays->RowCount(); ++r)
        if (modell.Text(lsNummer, r) == nummer) return r;
    return -1;
}

void TfrmMain::ZeileEinordnen(int zeile, int index, const TSuche& suche) {
    if (suchtexteGefaltet_) {
        const std::string text = Suchtext(*Replays[static_cast<size_t>(index)], KernUebersetzer());
        if (static_cast<size_t>(index) < suchtexte_.size()) suchtexte_[static_cast<size_t>(index)] = text;
        else suchtexte_.push_back(text);
    }
    grdReplays->SetRowHidden(zeile, !suche.Leer() && !suche.Passt(suchtexte_[static_cast<size_t>(index)]));
    grdReplays->MoveRow(zeile, grdReplays->SortierteStelle(zeile));
}

void TfrmMain::LiveAenderungen(std::vector<TBibliotheksaenderung>& aenderungen) {
    const TSuche suche(edtSuche->text().toStdString());
    if (!suche.Leer() && !suchtexteGefaltet_) {
        suchtexte_ = Suchtexte(Replays, KernUebersetzer());
        suchtexteGefaltet_ = true;
    }
    // A file renamed within the folder keeps its row: its old name's removal comes with it.
    for (TBibliotheksaenderung& a : aenderungen) {
        if (a.Stand != TBibliotheksstand::Umbenannt) continue;
        a.Stand = TBibliotheksstand::Neu;
        const int alt = ReplayIndexVon(a.Vorher);
        if (alt < 0 || ReplayIndexVon(a.Name) >= 0) continue;
        Replays[static_cast<size_t>(alt)] = std::move(a.Replay);
        const int zeile = ZeileVonIndex(alt);
        if (zeile >= 1) {
            ZeileFuellen(zeile, alt);
            ZeileEinordnen(zeile, alt, suche);
        }
        a.Stand = TBibliotheksstand::Unveraendert;
    }
    bool nurGespeichertes = true;
    std::string ungelesen;
    for (TBibliotheksaenderung& a : aenderungen) {
        if (a.Stand == TBibliotheksstand::Unveraendert) continue;
        nurGespeichertes = nurGespeichertes && a.Name == zuletztGespeichert_;
        const int index = ReplayIndexVon(a.Name);
        const bool zeigen = a.Replay != nullptr;
        if (zeigen && index >= 0) {
            Replays[static_cast<size_t>(index)] = std::move(a.Replay);
            if (const int zeile = ZeileVonIndex(index); zeile >= 1) {
                ZeileFuellen(zeile, index);
                ZeileEinordnen(zeile, index, suche);
            }
        } else if (zeigen) {
            Replays.push_back(std::move(a.Replay));
            const int neu = static_cast<int>(Replays.size()) - 1;
            // The empty row of an empty list takes the first replay.
            if (neu > 0 || grdReplays->RowCount() < 2) grdReplays->AppendRow();
            const int zeile = grdReplays->RowCount() - 1;
            ZeileFuellen(zeile, neu);
            ZeileEinordnen(zeile, neu, suche);
        } else if (index >= 0) {
            ReplayEntfernen(index);
        }
        if (a.Stand == TBibliotheksstand::NichtGelesen) ungelesen = a.Name;
    }
    ReplayAnzahl = static_cast<std::int32_t>(Replays.size());
    if (!suche.Leer()) {
        int gezeigt = 0;
        for (int r = 1; r < grdReplays->RowCount(); ++r) gezeigt += !grdReplays->RowHidden(r);
        lblTreffer->setText(tr("%1 von %2").arg(gezeigt).arg(Replays.size()));
    }
    if (Replays.empty()) {
        PanelLeeren(tr("Keine Replays in %1").arg(AlsQString(ReplayVerzeichnis)));
    } else {
        if (grdReplays->CurrentRow() < 1) grdReplays->SetCurrentCell(lsBox, 1);
        DetailsAnzeigen(std::max(0, IndexInZeile(grdReplays->CurrentRow())));
    }
    // A game saved a moment ago is what the status line says already.
    if (!ungelesen.empty())
        StatusMelden(tr("Quellarch kann %1 nicht lesen; die Liste zeigt nur den Dateinamen.").arg(AlsQString(ungelesen)));
    else if (!nurGespeichertes)
        StatusMelden(tr("%n Replays in %1", nullptr, static_cast<int>(Replays.size())).arg(AlsQString(ReplayVerzeichnis)));
}

void TfrmMain::ReplayEntfernen(int index) {
    const int zeile = ZeileVonIndex(index);
    const int letzter = static_cast<int>(Replays.size()) - 1;
    if (letzter == 0) {
        // The list keeps its one empty row, as after a scan of an empty folder.
        for (int spalte = 0; spalte < grdReplays->ColCount(); ++spalte) grdReplays->ClearCell(spalte, 1);
    } else if (zeile >= 1) {
        // The next row becomes current when the current one goes; rows above it move it up.
        const int aktuell = grdReplays->CurrentRow();
        grdReplays->RemoveRowRange(zeile, 1);
        if (zeile < aktuell) grdReplays->SetCurrentCell(grdReplays->CurrentCol(), aktuell - 1);
        else if (zeile == aktuell) grdReplays->SetCurrentCell(grdReplays->CurrentCol(), std::min(zeile, grdReplays->RowCount() - 1));
    }
    // The last replay takes the freed number, so no number is left over and none names
    // another replay than its row shows.
    if (index != letzter) {
        const int zeileDesLetzten = ZeileVonIndex(letzter);
        Replays[static_cast<size_t>(index)] = std::move(Replays[static_cast<size_t>(letzter)]);
        if (suchtexteGefaltet_ && static_cast<size_t>(letzter) < suchtexte_.size())
            suchtexte_[static_cast<size_t>(index)] = std::move(suchtexte_[static_cast<size_t>(letzter)]);
        if (zeileDesLetzten >= 1) grdReplays->CellStr(lsNummer, zeileDesLetzten, std::to_string(index + 1));
    }
    Replays.pop_back();
    if (suchtexteGefaltet_ && suchtexte_.size() > Replays.size()) suchtexte_.resize(Replays.size());
}

void TfrmMain::LiveGespeichert(const TSpeicherung& s) {
    if (s.Stand == TSpeicherstand::Gespeichert) {
        zuletztGespeichert_ = s.Zielname;
        StatusMelden(tr("Neues Spiel gespeichert: %1").arg(AlsQString(s.Zielname)));
        return;
    }
    const QString text = tr("Das neue Spiel %1 konnte nicht in die Bibliothek gespeichert werden: %2")
                             .arg(AlsQString(s.Name), KopierGrund(s.Kopie));
    StatusMelden(text);
    dialoge_.Nachricht(AlsUtf8(text));
}
