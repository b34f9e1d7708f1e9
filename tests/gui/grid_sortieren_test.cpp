// Sorting by header clicks on a grid set up like grdReplays, with real mouse events.
#include "grid_testhilfe.h"

namespace {

std::vector<TReplayZeile> DreiReplays() {
    return {{"beta", "2", "Kanal", "05.01.2006 10:00:00"},
            {"Alpha", "10", "Wueste", "30.12.2005 09:00:00"},
            {"alpha", "1", "Berg", "01.01.2006"}};
}

TEST(GridSortieren, EineDatenzeileSortiertNichtUndZeigtKeinenMarker) {
    auto grid = ReplayGrid();
    Fuellen(*grid, {{"b", "2", "", ""}});
    EXPECT_FALSE(grid->SortMarkerVisible());
    KopfKlicken(*grid, 2);
    EXPECT_EQ(grid->SortOptions.Column, 0);  // not even the sort column changes
    grid->CellStr(0, 2, "x");                // nothing beyond the table
    EXPECT_EQ(grid->RowCount(), 2);
}

TEST(GridSortieren, SpaltenNachArt) {
    struct Fall {
        const char* name;
        int spalte;
        std::vector<std::string> erwartet;  // that column, ascending
    } faelle[] = {
        {"ZahlenNichtText", 3, {"1", "2", "10"}},
        {"TextNachBytes", 2, {"Alpha", "alpha", "beta"}},
        {"DeutscheDaten", 5, {"30.12.2005 09:00:00", "01.01.2006", "05.01.2006 10:00:00"}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto grid = ReplayGrid();
        Fuellen(*grid, DreiReplays());
        KopfKlicken(*grid, fall.spalte);
        EXPECT_EQ(grid->SortOptions.Direction, sdAscending);
        EXPECT_EQ(Spalte(*grid, fall.spalte), fall.erwartet);
    }
}

TEST(GridSortieren, GleicheNamenNachDenSpaltenRechtsDavon) {
    auto grid = ReplayGrid();
    Fuellen(*grid, {{"Zwei", "4", "B", "01.01.2006"},
                    {"Zwei", "2", "Z", "01.01.2006"},
                    {"Eins", "9", "A", "31.12.2005"},
                    {"Zwei", "2", "A", "02.01.2006"},
                    {"Zwei", "2", "A", "01.01.2006"}});
    KopfKlicken(*grid, 2);
    EXPECT_EQ(Spalte(*grid, 0), (std::vector<std::string>{"3", "5", "4", "2", "1"}));
    // Columns left of the sort column never count: sorting on "Karte" ignores "#".
    KopfKlicken(*grid, 4);
    EXPECT_EQ(Spalte(*grid, 0), (std::vector<std::string>{"3", "5", "4", "1", "2"}));
}

TEST(GridSortieren, RichtungsfolgeUndMarkerAmStart) {
    auto grid = ReplayGrid();
    Fuellen(*grid, DreiReplays());
    // The marker shows on column 0 though nothing is sorted yet.
    EXPECT_TRUE(grid->SortMarkerVisible());
    EXPECT_EQ(grid->SortOptions.Column, 0);
    EXPECT_EQ(grid->SortOptions.Direction, sdAscending);

    struct Schritt {
        int spalte;
        TSortDirection richtung;
        std::vector<std::string> nummern;
    } schritte[] = {
        {0, sdDescending, {"3", "2", "1"}},  // the first click on column 0 sorts descending
        {0, sdAscending, {"1", "2", "3"}},
        {3, sdAscending, {"3", "1", "2"}},
        {3, sdDescending, {"2", "1", "3"}},
        {2, sdAscending, {"2", "3", "1"}},   // another header: ascending again
    };
    for (const Schritt& schritt : schritte) {
        SCOPED_TRACE(schritt.spalte);
        KopfKlicken(*grid, schritt.spalte);
        EXPECT_EQ(grid->SortOptions.Column, schritt.spalte);
        EXPECT_EQ(grid->SortOptions.Direction, schritt.richtung);
        EXPECT_EQ(Spalte(*grid, 0), schritt.nummern);
    }
    // Refilling keeps the sort state and the marker, and does not re-sort.
    Fuellen(*grid, DreiReplays());
    EXPECT_EQ(Spalte(*grid, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(grid->SortOptions.Column, 2);
    EXPECT_TRUE(grid->SortMarkerVisible());
}

// A column move takes the sort state along: the marker and the next direction stay with
// the column that was sorted.
TEST(GridSortieren, MarkerFolgtSeinerSpalte) {
    struct Fall {
        const char* name;
        int sortiert, von, nach, danach;
    } faelle[] = {
        {"SortierteNachHinten", 2, 2, 5, 5},
        {"SortierteNachVorn", 5, 5, 2, 2},
        {"AndereVorbei", 4, 5, 2, 5},
        {"AndereZurueck", 4, 2, 5, 3},
        {"AndereDahinter", 2, 4, 5, 2},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto grid = ReplayGrid();
        Fuellen(*grid, DreiReplays());
        KopfKlicken(*grid, fall.sortiert);
        const std::string kopf = grid->CellStr(fall.sortiert, 0);
        Ziehen(*grid, grid->CellRect(fall.von, 0).center(), grid->CellRect(fall.nach, 0).center());
        EXPECT_EQ(grid->SortOptions.Column, fall.danach);
        EXPECT_EQ(grid->CellStr(grid->SortOptions.Column, 0), kopf);
        KopfKlicken(*grid, fall.danach);
        EXPECT_EQ(grid->SortOptions.Direction, sdDescending);
    }
}

TEST(GridSortieren, KopfboxSetztAlleUndSortiertNachSpalteEins) {
    auto grid = ReplayGrid();
    grid->PlaceCheckBox(1, 0, false, false);
    Fuellen(*grid, DreiReplays());
    int klicks = 0;
    grid->OnClickCell = [&](TCheckSortGrid*, int, int) { ++klicks; };
    Klicken(*grid, grid->CheckBoxRect(1, 0).center());
    bool zustand = false;
    for (int r = 0; r < grid->RowCount(); ++r) {
        SCOPED_TRACE(r);
        ASSERT_TRUE(grid->ReadCheckBox(1, r, zustand));
        EXPECT_TRUE(zustand);
    }
    EXPECT_EQ(klicks, 0);
    EXPECT_EQ(grid->SortOptions.Column, 1);
    // All boxes equal: the order follows "Spielname".
    EXPECT_EQ(Spalte(*grid, 2), (std::vector<std::string>{"Alpha", "alpha", "beta"}));
    // A header box never makes its cell current; the current row "beta" went along.
    EXPECT_EQ(grid->CurrentRow(), 3);
}

TEST(GridSortieren, KopfboxUeberspringtZeilenOhneBox) {
    auto grid = ReplayGrid();
    grid->PlaceCheckBox(1, 0, false, false);
    Fuellen(*grid, DreiReplays());
    grid->ClearCell(1, 2);
    int gefragt = 0;
    grid->OnCanEditCell = [&](TCheckSortGrid*, int, int ACol, bool& CanEdit) {
        ++gefragt;
        CanEdit = ACol < 2;
    };
    Druecken(*grid, grid->CheckBoxRect(1, 0).center());
    bool zustand = false;
    EXPECT_FALSE(grid->ReadCheckBox(1, 2, zustand));
    EXPECT_TRUE(grid->ReadCheckBox(1, 3, zustand) && zustand);
    EXPECT_EQ(gefragt, 1);  // only for the header box itself
    Loslassen(*grid, grid->CheckBoxRect(1, 0).center());
}

TEST(GridSortieren, HakenUndAktuelleZeileWandernMitIhrerZeile) {
    auto grid = ReplayGrid();
    Fuellen(*grid, DreiReplays());
    Klicken(*grid, grid->CheckBoxRect(1, 1).center());  // checks "beta", row 1
    Klicken(*grid, grid->CellRect(4, 2).center());      // row 2 current
    ASSERT_EQ(grid->CurrentRow(), 2);
    KopfKlicken(*grid, 2);
    bool zustand = false;
    EXPECT_EQ(grid->CellStr(2, 3), "beta");
    EXPECT_TRUE(grid->ReadCheckBox(1, 3, zustand) && zustand);
    EXPECT_TRUE(grid->ReadCheckBox(1, 1, zustand) && !zustand);
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_EQ(grid->CellStr(2, 1), "Alpha");
    EXPECT_EQ(grid->Selection(), QRect(QPoint(1, 1), QPoint(5, 1)));
}

TEST(GridSortieren, KlickzonenImKopf) {
    struct Fall {
        const char* name;
        int abstandLinks;  // from the header cell's left edge; negative: from its right edge
        bool sortiert;
    } faelle[] = {
        {"DreiVonLinks", 3, false},  {"VierVonLinks", 4, true},
        {"DreiVonRechts", -3, false}, {"VierVonRechts", -4, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto grid = ReplayGrid();
        Fuellen(*grid, DreiReplays());
        QRect kopf = grid->CellRect(2, 0);
        int x = fall.abstandLinks >= 0 ? kopf.left() + fall.abstandLinks : kopf.right() + fall.abstandLinks;
        Klicken(*grid, QPoint(x, kopf.center().y()));
        EXPECT_EQ(grid->SortOptions.Column == 2, fall.sortiert);
    }
}

TEST(GridSortieren, NurWennDruckUndLoslassenImKopf) {
    auto grid = ReplayGrid();
    Fuellen(*grid, DreiReplays());
    Druecken(*grid, grid->CellRect(2, 1).center());
    Loslassen(*grid, grid->CellRect(2, 0).center());
    EXPECT_EQ(grid->SortOptions.Column, 0);
    EXPECT_EQ(Spalte(*grid, 0), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(GridSortieren, SpielerlisteSortiertNicht) {
    auto grid = ReplayGrid();
    grid->SortOptions.Show = false;
    Fuellen(*grid, DreiReplays());
    EXPECT_FALSE(grid->SortMarkerVisible());
    KopfKlicken(*grid, 2);
    EXPECT_EQ(Spalte(*grid, 0), (std::vector<std::string>{"1", "2", "3"}));
}

}  // namespace
