#include "gui/gridspalten.h"

#include <QFontMetrics>
#include <algorithm>
#include <string>
#include <vector>

#include "gui/grid.h"
#include "gui/qttext.h"
#include "gui/schriften.h"
#include "gui/uebersetzung.h"

namespace {

template <std::size_t N>
void SpaltenSetzen(TCheckSortGrid* grid, const std::array<TSpaltenvorgabe, N>& spalten) {
    std::vector<std::string> koepfe;
    std::vector<int> breiten;
    for (const TSpaltenvorgabe& s : spalten) {
        koepfe.push_back(AlsUtf8(Tr("Spalte", s.Kopf)));
        breiten.push_back(s.Breite);
    }
    grid->SetColCount(static_cast<int>(N));
    grid->SetRowCount(2);
    grid->SetColumnHeaders(koepfe);
    grid->SetColWidths(breiten);
}

void Aussehen(TCheckSortGrid* grid, const Regionaleinstellungen& regional) {
    // 21 pixels as designed, or more where the system's text needs it.
    const int hoehe = std::max(21, QFontMetrics(TahomaSchrift(true)).height() + 6);
    grid->SetDefaultRowHeight(hoehe);
    grid->SetFixedRowHeight(hoehe);
    grid->CheckBoxSize = std::max(15, hoehe - 6);
    grid->SetStretchLastColumn(true);
    grid->SetCellFont(TahomaSchrift(false));
    grid->SetFixedFont(TahomaSchrift(true));
    grid->SetGridLineColor(QColor(192, 192, 192));
    grid->SetGridLineWidth(1);
    grid->SetSelectionColor(QColor(182, 202, 234));
    grid->SetSelectionTextColor(Qt::black);
    grid->SetRegionaleinstellungen(regional);
}

}  // namespace

void ReplayGridEinrichten(TCheckSortGrid* grid, const Regionaleinstellungen& regional) {
    // The room the window gains goes to the name and the map.
    grid->StretchColumns = {lsSpielname, lsKarte};
    SpaltenSetzen(grid, kListenspalten);
    Aussehen(grid, regional);
    grid->SetOptions(goColSizing | goColMoving | goRangeSelect | goRowSelect);
    grid->SortOptions.Show = true;
    grid->SortOptions.FixedCols = true;
    grid->CheckAllInHeader = true;
    grid->PreciseCheckBoxHit = true;
    // The focus shows as a frame around the current row.
    grid->HideFocusRect = false;
    // The commands find the number and the check box where they were added.
    grid->MinDropColumn = kFesteListenspalten;
}

void SpielerGridEinrichten(TCheckSortGrid* grid, const Regionaleinstellungen& regional) {
    SpaltenSetzen(grid, kSpielerspalten);
    Aussehen(grid, regional);
    grid->SetOptions(goColSizing | goColMoving | goRangeSelect);
    grid->MinDropColumn = kFesteSpielerspalten;
}
