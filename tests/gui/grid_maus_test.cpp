// Clicks, box toggles, keyboard and column sizing and moving, with real events.
#include <QScrollBar>
#include <functional>

#include "grid_testhilfe.h"

namespace {

struct Klick {
    int zeile, spalte;
    bool operator==(const Klick&) const = default;
};

std::vector<TReplayZeile> DreiReplays() {
    return {{"beta", "2", "Kanal", "05.01.2006 10:00:00"},
            {"Alpha", "10", "Wueste", "30.12.2005 09:00:00"},
            {"alpha", "1", "Berg", "01.01.2006"}};
}

class GridMaus : public ::testing::Test {
protected:
    void SetUp() override {
        grid = ReplayGrid();
        klicks.clear();
        Fuellen(*grid, DreiReplays());
        grid->OnClickCell = [this](TCheckSortGrid* sender, int ARow, int ACol) {
            EXPECT_EQ(sender, grid.get());
            klicks.push_back({ARow, ACol});
        };
    }
    bool Haken(int zeile) {
        bool zustand = false;
        EXPECT_TRUE(grid->ReadCheckBox(1, zeile, zustand));
        return zustand;
    }
    std::unique_ptr<TCheckSortGrid> grid;
    std::vector<Klick> klicks;
};

TEST_F(GridMaus, KlickzonenAnDenSeitenraendern) {
    struct Fall {
        const char* name;
        bool vonRechts;  // measured from QRect::right() instead of QRect::left()
        int abstand;
        bool klick;
    } faelle[] = {
        {"LinksNull", false, 0, false}, {"LinksDrei", false, 3, false}, {"LinksVier", false, 4, true},
        {"RechtsNull", true, 0, false}, {"RechtsDrei", true, 3, false}, {"RechtsVier", true, 4, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        klicks.clear();
        QRect zelle = grid->CellRect(4, 2);
        int x = fall.vonRechts ? zelle.right() - fall.abstand : zelle.left() + fall.abstand;
        Klicken(*grid, QPoint(x, zelle.center().y()));
        EXPECT_EQ(klicks.size(), fall.klick ? 1u : 0u);
        if (fall.klick) {
            EXPECT_EQ(klicks[0], (Klick{2, 4}));
        }
    }
    // Without column sizing every press is a click.
    grid->SetOptions(goRowSelect);
    klicks.clear();
    Klicken(*grid, QPoint(grid->CellRect(4, 2).left() + 1, grid->CellRect(4, 2).center().y()));
    EXPECT_EQ(klicks.size(), 1u);
}

// Every press in a data row makes it current, the number cell's too; OnZeileGewechselt
// tells of each change the user made, and of nothing else.
TEST_F(GridMaus, DatenzeilenWerdenAktuellKopfzeileNie) {
    std::vector<int> gewechselt;
    grid->OnZeileGewechselt = [&](TCheckSortGrid* sender, int ARow) {
        EXPECT_EQ(sender, grid.get());
        EXPECT_EQ(grid->CurrentRow(), ARow);
        EXPECT_TRUE(klicks.empty()) << "raised before the click";
        gewechselt.push_back(ARow);
    };
    grid->SetCurrentCell(1, 3);  // the program's own call
    EXPECT_TRUE(gewechselt.empty());
    struct Schritt {
        const char* name;
        std::function<void()> tun;
        std::vector<Klick> klicks;
        std::vector<int> gewechselt;
        int aktuell;
    };
    const QRect linie = grid->CellRect(3, 1);
    const Schritt schritte[] = {
        {"Nummernzelle", [&] { Klicken(*grid, grid->CellRect(0, 2).center()); }, {{2, 0}}, {2}, 2},
        // Sorted by "Karte": Berg, Kanal, Wueste; the current row "Alpha" goes along.
        {"Kopf", [&] { Klicken(*grid, grid->CellRect(4, 0).center()); }, {{0, 4}}, {}, 3},
        {"Zelle", [&] { Klicken(*grid, grid->CellRect(4, 2).center()); }, {{2, 4}}, {2}, 2},
        {"dieselbe Zeile", [&] { Klicken(*grid, grid->CellRect(2, 2).center()); }, {{2, 2}}, {}, 2},
        {"Pfeil", [&] { QTest::keyClick(grid.get(), Qt::Key_Down); }, {}, {3}, 3},
        {"Pfeil am Ende", [&] { QTest::keyClick(grid.get(), Qt::Key_Down); }, {}, {}, 3},
        {"an der Linie", [&] { Klicken(*grid, QPoint(linie.left() + 1, linie.center().y())); }, {}, {1}, 1},
        {"Box", [&] { Klicken(*grid, grid->CheckBoxRect(1, 2).center()); }, {}, {2}, 2},
    };
    for (const Schritt& schritt : schritte) {
        SCOPED_TRACE(schritt.name);
        klicks.clear();
        gewechselt.clear();
        schritt.tun();
        EXPECT_EQ(klicks, schritt.klicks);
        EXPECT_EQ(gewechselt, schritt.gewechselt);
        EXPECT_EQ(grid->CurrentRow(), schritt.aktuell);
        EXPECT_EQ(grid->CurrentCol(), 1);  // whole-row selection keeps column 1 current
    }
    EXPECT_EQ(grid->CellStr(2, 3), "Alpha");
}

TEST_F(GridMaus, GenauerBoxTreffer) {
    struct Fall {
        const char* name;
        int dx, dy;  // from the cell's top-left corner
        bool umgeschaltet;
    } faelle[] = {
        {"Ecke", 2, 2, true},          {"UntenRechtsInnen", 16, 16, true},
        {"RechterRandAussen", 17, 8, false}, {"UntererRandAussen", 8, 17, false},
        {"VorDerBox", 1, 8, false},     {"Mitte", 9, 9, true},
        {"RechtsDaneben", 30, 9, false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        klicks.clear();
        bool vorher = Haken(2);
        QRect zelle = grid->CellRect(1, 2);
        Klicken(*grid, zelle.topLeft() + QPoint(fall.dx, fall.dy));
        EXPECT_EQ(Haken(2) != vorher, fall.umgeschaltet);
        // A toggle raises no click; a miss is an ordinary click unless in a border zone.
        bool rand = fall.dx <= 3 || zelle.width() - 1 - fall.dx <= 3;
        EXPECT_EQ(klicks.size(), fall.umgeschaltet || rand ? 0u : 1u);
    }
}

TEST_F(GridMaus, UngenauerTrefferUeberallInDerZelle) {
    grid->PreciseCheckBoxHit = false;
    Klicken(*grid, grid->CellRect(1, 3).topLeft() + QPoint(30, 15));
    EXPECT_TRUE(Haken(3));
    EXPECT_EQ(grid->CurrentRow(), 3);
    EXPECT_TRUE(klicks.empty());
}

TEST_F(GridMaus, CanEditEntscheidetUeberDasUmschalten) {
    std::vector<Klick> gefragt;
    bool antwort = false;
    grid->OnCanEditCell = [&](TCheckSortGrid*, int ARow, int ACol, bool& CanEdit) {
        EXPECT_FALSE(CanEdit);  // comes in with the grid's default
        gefragt.push_back({ARow, ACol});
        CanEdit = antwort;
    };
    QPoint box = grid->CheckBoxRect(1, 2).center();
    Klicken(*grid, box);
    EXPECT_FALSE(Haken(2));
    ASSERT_FALSE(gefragt.empty());
    EXPECT_EQ(gefragt.front(), (Klick{2, 1}));
    EXPECT_EQ(klicks.size(), 1u);  // refused: the press is an ordinary click
    antwort = true;
    Klicken(*grid, grid->CheckBoxRect(1, 3).center());
    EXPECT_TRUE(Haken(3));
}

TEST_F(GridMaus, LeertasteSchaltetOhneKlick) {
    grid->SetCurrentCell(1, 2);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    EXPECT_TRUE(Haken(2));
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->CurrentRow(), 3);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    EXPECT_FALSE(Haken(3));
    QTest::keyClick(grid.get(), Qt::Key_Up);
    QTest::keyClick(grid.get(), Qt::Key_Up);
    QTest::keyClick(grid.get(), Qt::Key_Up);  // stops at the first data row
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_TRUE(klicks.empty());
    grid->OnCanEditCell = [](TCheckSortGrid*, int, int, bool& CanEdit) { CanEdit = false; };
    QTest::keyClick(grid.get(), Qt::Key_Space);
    EXPECT_FALSE(Haken(1));
}

TEST_F(GridMaus, SpaltenVerschieben) {
    struct Fall {
        const char* name;
        int von, nach;
        std::vector<std::string> koepfe;
    } faelle[] = {
        {"KarteNachVorn", 4, 2, {"", "", "Karte", "Spielname", "#", "Datum"}},
        {"SpielnameNachHinten", 2, 5, {"", "", "#", "Karte", "Datum", "Spielname"}},
        {"NummerVeto", 0, 3, {"", "", "Spielname", "#", "Karte", "Datum"}},
        {"BoxspalteVeto", 1, 4, {"", "", "Spielname", "#", "Karte", "Datum"}},
        {"AblegenAufBoxspalte", 3, 1, {"", "", "Spielname", "#", "Karte", "Datum"}},
        {"AblegenAufNummer", 4, 0, {"", "", "Spielname", "#", "Karte", "Datum"}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto g = ReplayGrid();
        Fuellen(*g, DreiReplays());
        g->PlaceCheckBox(1, 0, false, false);
        std::vector<int> gefragt;
        auto handler = g->OnColumnMove;
        g->OnColumnMove = [&](TCheckSortGrid* s, int ACol, bool& Allow) {
            EXPECT_TRUE(Allow);
            gefragt.push_back(ACol);
            handler(s, ACol, Allow);
        };
        int breite = g->ColWidth(fall.von);
        std::string zelle = g->CellStr(fall.von, 2);
        Ziehen(*g, g->CellRect(fall.von, 0).center(), g->CellRect(fall.nach, 0).center());
        std::vector<std::string> koepfe;
        for (int s = 0; s < g->ColCount(); ++s) koepfe.push_back(g->CellStr(s, 0));
        EXPECT_EQ(koepfe, fall.koepfe);
        if (fall.von >= 1) {
            EXPECT_EQ(gefragt, std::vector<int>{fall.von});
        }
        if (fall.koepfe[2] != "Spielname" || fall.koepfe[5] != "Datum") {
            EXPECT_EQ(g->CellStr(fall.nach, 2), zelle);  // cells travel with the column
            if (fall.nach != 5) {
                EXPECT_EQ(g->ColWidth(fall.nach), breite);
            }
        }
        // Each column keeps its identity wherever it went.
        const std::vector<std::string> anfangs = {"", "", "Spielname", "#", "Karte", "Datum"};
        for (int k = 2; k < g->ColCount(); ++k) EXPECT_EQ(g->CellStr(g->Spaltenposition(k), 0), anfangs[k]) << k;
        EXPECT_EQ(g->Spaltenposition(0), 0);
        EXPECT_EQ(g->Spaltenposition(6), -1);
        bool zustand;
        EXPECT_TRUE(g->ReadCheckBox(1, 0, zustand));  // the box column stays at 1
        EXPECT_EQ(g->SortOptions.Column, 0);          // a move is no sort
    }
}

TEST_F(GridMaus, SpaltenbreiteZiehenUndAnpassen) {
    QRect kopf = grid->CellRect(2, 0);
    int rand = kopf.right() - 1;
    const int vorher = grid->ColWidth(2);
    Ziehen(*grid, QPoint(rand, kopf.center().y()), QPoint(rand + 25, kopf.center().y()));
    EXPECT_EQ(grid->ColWidth(2), vorher + 25) << "the column under the mouse follows it";
    EXPECT_EQ(grid->SortOptions.Column, 0);  // the release ends a resize, not a sort
    // A double-click on the left border of "#" fits "Spielname" to its widest text.
    grid->CellStr(2, 3, "ein sehr langer Spielname");
    kopf = grid->CellRect(3, 0);
    Doppelklicken(*grid, QPoint(kopf.left() + 1, kopf.center().y()));
    EXPECT_GT(grid->ColWidth(2), QFontMetrics(grid->font()).horizontalAdvance("ein sehr langer Spielname"));
    EXPECT_EQ(grid->SortOptions.Column, 0);
    // The fixed column is never fitted.
    kopf = grid->CellRect(1, 0);
    Doppelklicken(*grid, QPoint(kopf.left() + 1, kopf.center().y()));
    EXPECT_EQ(grid->ColWidth(0), 30);
}

// The second press of a double click counts like the first: a box toggles twice, a
// header sorts twice, a cell is clicked twice.
TEST_F(GridMaus, DoppelklickZaehltZweiDruecke) {
    struct Fall {
        const char* name;
        int spalte, zeile;
        bool box;
        int sortSpalte;
        TSortDirection richtung;
        size_t klicks;
    } faelle[] = {
        {"Box", 1, 2, true, 0, sdAscending, 0},
        {"Kopfbox", 1, 0, true, 1, sdDescending, 0},
        {"Kopf", 4, 0, false, 4, sdDescending, 2},
        {"Zelle", 4, 2, false, 0, sdAscending, 2},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        SetUp();
        grid->PlaceCheckBox(1, 0, false, false);
        const QRect ziel =
            fall.box ? grid->CheckBoxRect(fall.spalte, fall.zeile) : grid->CellRect(fall.spalte, fall.zeile);
        Doppelklicken(*grid, ziel.center());
        for (int r = 0; r < grid->RowCount(); ++r) EXPECT_FALSE(Haken(r)) << r;
        EXPECT_EQ(grid->SortOptions.Column, fall.sortSpalte);
        EXPECT_EQ(grid->SortOptions.Direction, fall.richtung);
        EXPECT_EQ(klicks.size(), fall.klicks);
    }
}

// The header's box starts 2 pixels right of the column line, inside the sizing zone;
// a press on the box toggles it, a press left of it sizes the fixed column.
TEST_F(GridMaus, KopfboxGehtDerGroessenzoneVor) {
    struct Fall {
        const char* name;
        int dx;
        bool umgeschaltet;
        int breite0;
    } faelle[] = {{"LinksNeben", 1, false, 40}, {"ErstesPixel", 2, true, 30}, {"ZweitesPixel", 3, true, 30}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        SetUp();
        grid->PlaceCheckBox(1, 0, false, false);
        const QPoint p = grid->CellRect(1, 0).topLeft() + QPoint(fall.dx, 8);
        Ziehen(*grid, p, p + QPoint(10, 0));
        EXPECT_EQ(Haken(0), fall.umgeschaltet);
        EXPECT_EQ(grid->ColWidth(0), fall.breite0);
    }
}

TEST_F(GridMaus, BereichAuswaehlenMitDerMaus) {
    Druecken(*grid, grid->CellRect(3, 1).center());
    Bewegen(*grid, grid->CellRect(4, 3).center());
    Loslassen(*grid, grid->CellRect(4, 3).center());
    EXPECT_EQ(grid->Selection(), QRect(QPoint(1, 1), QPoint(5, 3)));  // whole rows
    EXPECT_EQ(grid->CurrentRow(), 1);
}

// Hidden rows take no room and no input; the current row waits while hidden.
TEST_F(GridMaus, VersteckteZeilenNehmenWederPlatzNochEingaben) {
    std::vector<TReplayZeile> zeilen;
    for (const char* name : {"r1", "r2", "r3", "r4", "r5", "r6"}) zeilen.push_back({name});
    Fuellen(*grid, zeilen);
    for (int r : {2, 3, 5}) grid->SetRowHidden(r, true);
    EXPECT_EQ(grid->CellRect(2, 4).top(), grid->CellRect(2, 1).bottom() + 1);
    Klicken(*grid, grid->CellRect(2, 1).bottomLeft() + QPoint(20, 3));
    EXPECT_EQ(grid->CurrentRow(), 4) << "the press below row 1 lands in row 4";

    struct Taste {
        Qt::Key taste;
        Qt::KeyboardModifiers mit;
        int zeile;
    };
    const Taste tasten[] = {{Qt::Key_Up, {}, 1},  {Qt::Key_Down, {}, 4},  {Qt::Key_Down, {}, 6},
                            {Qt::Key_Down, {}, 6}, {Qt::Key_PageUp, {}, 1}, {Qt::Key_End, Qt::ControlModifier, 6},
                            {Qt::Key_Home, Qt::ControlModifier, 1}};
    for (const Taste& t : tasten) {
        QTest::keyClick(grid.get(), t.taste, t.mit);
        EXPECT_EQ(grid->CurrentRow(), t.zeile) << t.taste;
    }

    // Hidden, the current row is out of reach; shown again, it is current again.
    grid->SetRowHidden(4, false);
    Klicken(*grid, grid->CellRect(2, 4).center());
    grid->SetRowHidden(4, true);
    EXPECT_EQ(grid->CurrentRow(), -1);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    EXPECT_FALSE(Haken(4));
    grid->SetRowHidden(4, false);
    EXPECT_EQ(grid->CurrentRow(), 4);

    // A sort moves hidden rows like any other.
    KopfKlicken(*grid, 2);
    KopfKlicken(*grid, 2);
    ASSERT_EQ(Spalte(*grid, 2), (std::vector<std::string>{"r6", "r5", "r4", "r3", "r2", "r1"}));
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(grid->RowHidden(r), r == 2 || r == 4 || r == 5) << r;
    EXPECT_EQ(grid->CurrentRow(), 3) << "r4 went along";

    // The header box sets the shown rows only (and sorts by its column).
    grid->PlaceCheckBox(1, 0, false, false);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->CheckBoxRect(1, 0).center());
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(Haken(r), !grid->RowHidden(r)) << r;

    // The scroll range holds the shown rows alone.
    zeilen.assign(60, {"x"});
    Fuellen(*grid, zeilen);
    EXPECT_GT(grid->verticalScrollBar()->maximum(), 0);
    for (int r = 3; r <= 60; ++r) grid->SetRowHidden(r, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 0);
}

}  // namespace
