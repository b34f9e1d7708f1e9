// The grid's operations as the list refresh and the commands use them.
#include "grid_testhilfe.h"

#include <QScrollBar>
#include <QSignalSpy>

#include "gui/gridmodell.h"

namespace {

std::vector<TReplayZeile> DreiReplays() {
    return {{"beta", "2", "Kanal", "05.01.2006 10:00:00"},
            {"Alpha", "10", "Wueste", "30.12.2005 09:00:00"},
            {"alpha", "1", "Berg", "01.01.2006"}};
}

TEST(GridDaten, FuellenWieDieListe) {
    auto grid = ReplayGrid();
    Fuellen(*grid, DreiReplays());
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(Spalte(*grid, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(grid->CellStr(2, 0), "Spielname");
    EXPECT_EQ(grid->CurrentRow(), 1);
    bool zustand = true;
    EXPECT_TRUE(grid->ReadCheckBox(1, 2, zustand));
    EXPECT_FALSE(zustand);
    EXPECT_FALSE(grid->ReadCheckBox(2, 2, zustand));
}

TEST(GridDaten, RemoveRowRangeGrenzen) {
    struct Fall {
        const char* name;
        int rowIndex, count;
        int zeilenDanach;
        std::vector<std::string> nummern;
    } faelle[] = {
        {"IndexUeberRowCount", 7, 1, 6, {"1", "2", "3", "4", "5"}},
        {"IndexGleichRowCount", 6, 3, 6, {"1", "2", "3", "4", "5"}},
        {"CountNull", 2, 0, 6, {"1", "2", "3", "4", "5"}},
        {"CountNegativ", 2, -1, 6, {"1", "2", "3", "4", "5"}},
        {"AbZweiAlles", 2, 6, 2, {"1"}},
        {"MitteZwei", 2, 2, 4, {"1", "4", "5"}},
        {"RiesigerCount", 3, 0x7fffffff, 3, {"1", "2"}},
        {"KopfzeileBleibt", 0, 2, 5, {"2", "3", "4", "5"}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        auto grid = ReplayGrid();
        Fuellen(*grid, {{"a"}, {"b"}, {"c"}, {"d"}, {"e"}});
        grid->RemoveRowRange(fall.rowIndex, fall.count);
        EXPECT_EQ(grid->RowCount(), fall.zeilenDanach);
        EXPECT_EQ(Spalte(*grid, 0), fall.nummern);
        EXPECT_EQ(grid->CellStr(2, 0), "Spielname");
    }
}

TEST(GridDaten, AktuelleZeileNachEntfernenUndAnhaengen) {
    auto grid = ReplayGrid();
    Fuellen(*grid, {{"a"}, {"b"}, {"c"}, {"d"}, {"e"}});
    grid->SetCurrentCell(2, 4);
    EXPECT_EQ(grid->CurrentRow(), 4);
    grid->RemoveRowRange(1, 1);
    EXPECT_EQ(grid->CurrentRow(), 4);  // keeps its number, now showing "e"
    grid->RemoveRowRange(3, 5);
    EXPECT_EQ(grid->CurrentRow(), 2);  // the last remaining data row
    grid->AppendRow();
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->CellStr(0, 3), "");
    EXPECT_EQ(grid->RowHeight(3), 21);
    // The refresh's removal of rows 2 and up leaves row 1 current.
    grid->RemoveRowRange(2, grid->RowCount());
    EXPECT_EQ(grid->CurrentRow(), 1);
}

TEST(GridDaten, ZellenUndBoxen) {
    auto grid = ReplayGrid();
    grid->CellStr(2, 1, "Name");
    grid->PlaceCheckBox(2, 1, true, false);
    bool zustand = false;
    EXPECT_TRUE(grid->ReadCheckBox(2, 1, zustand));
    EXPECT_TRUE(zustand);
    EXPECT_EQ(grid->CellStr(2, 1), "Name");  // a box leaves the text alone
    grid->PlaceCheckBox(2, 1, false, false);
    EXPECT_TRUE(grid->ReadCheckBox(2, 1, zustand));
    EXPECT_FALSE(zustand);
    grid->ClearCell(2, 1);
    EXPECT_FALSE(grid->ReadCheckBox(2, 1, zustand));
    EXPECT_EQ(grid->CellStr(2, 1), "");
    // Outside the table: reads are empty, writes change nothing.
    grid->CellStr(9, 1, "x");
    grid->CellStr(1, -1, "x");
    grid->PlaceCheckBox(1, 99, true, false);
    EXPECT_EQ(grid->CellStr(9, 1), "");
    EXPECT_FALSE(grid->ReadCheckBox(1, 99, zustand));
    EXPECT_EQ(grid->RowCount(), 2);
}

TEST(GridDaten, SpielnameUndKarteTeilenSichDenPlatz) {
    auto grid = ReplayGrid();
    const int rest = grid->viewport()->width() - (30 + 40 + 75 + 23 + 139 + 137) - 1;
    ASSERT_GT(rest, 1);
    EXPECT_EQ(grid->ColWidth(2) + grid->ColWidth(4), 75 + 139 + rest);
    EXPECT_LE(std::abs((grid->ColWidth(2) - 75) - (grid->ColWidth(4) - 139)), 1);
    EXPECT_EQ(grid->ColWidth(5), 137);
    // Narrower than the columns: they give back down to their designed widths, no further.
    grid->resize(300, grid->height());
    QApplication::processEvents();
    EXPECT_EQ(grid->ColWidth(2), 75);
    EXPECT_EQ(grid->ColWidth(4), 139);
    // The player grid still stretches its last column.
    grid->StretchColumns.clear();
    grid->SetColWidth(4, grid->viewport()->width());
    EXPECT_EQ(grid->ColWidth(5), 64);
}

TEST(GridDaten, ZehntausendZeilenScrollen) {
    auto grid = ReplayGrid();
    std::vector<TReplayZeile> viele(10000, TReplayZeile{"x", "2", "k", "01.01.2006"});
    Fuellen(*grid, viele);
    EXPECT_EQ(grid->RowCount(), 10001);
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 10000 * 21 - (grid->viewport()->height() - 21));
    QTest::keyClick(grid.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentRow(), 10000);
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->CellRect(2, 10000).center()));
    grid->viewport()->repaint();
}

TEST(GridDaten, TextWirdNieAlsMarkupGezeigt) {
    auto grid = ReplayGrid();
    grid->MarkupInCells = true;
    grid->CellStr(2, 1, "<b>fett</b> &amp;");
    // The model hands the text out literally; the painter draws it with drawText.
    QModelIndex index = grid->Modell().index(1, 2);
    EXPECT_EQ(grid->Modell().data(index).toString(), QString("<b>fett</b> &amp;"));
    grid->viewport()->repaint();
}

// The cells share one text buffer: texts that grow, shrink, empty and come back, rows
// removed and columns moved must still read back exactly, across the buffer's clean-ups.
TEST(GridDaten, TexteBleibenUeberUmschreibenUndAufraeumen) {
    TGridModell modell;
    modell.SpaltenzahlSetzen(3);
    modell.ZeilenzahlSetzen(2001, 21);
    auto text = [](int zeile, int spalte, int runde) {
        return std::string(static_cast<size_t>((zeile * 7 + spalte * 3 + runde) % 40), static_cast<char>('a' + runde % 26)) +
               std::to_string(zeile);
    };
    for (int runde = 0; runde < 30; ++runde)
        for (int z = 1; z <= 2000; ++z)
            for (int s = 0; s < 3; ++s) modell.TextSetzen(s, z, runde % 7 == 6 && s == 1 ? "" : text(z, s, runde));
    modell.ZeilenEntfernen(1, 1000);
    modell.SpalteVerschieben(0, 2);
    for (int z = 1; z <= 1000; ++z) {
        SCOPED_TRACE(z);
        ASSERT_EQ(modell.Text(2, z), text(z + 1000, 0, 29));
        ASSERT_EQ(modell.Text(0, z), text(z + 1000, 1, 29));
        ASSERT_EQ(modell.Zelle(1, z).Text, text(z + 1000, 2, 29));
    }
}

TEST(GridDaten, UmbauMeldetDieFuellungEinmal) {
    auto grid = ReplayGrid();
    QSignalSpy zurueckgesetzt(&grid->Modell(), &QAbstractItemModel::modelReset);
    QSignalSpy geaendert(&grid->Modell(), &QAbstractItemModel::dataChanged);
    QSignalSpy eingefuegt(&grid->Modell(), &QAbstractItemModel::rowsInserted);
    grid->BeginUpdate();
    grid->BeginUpdate();
    grid->SetRowCount(501);
    for (int r = 1; r <= 500; ++r) grid->CellStr(2, r, "Name " + std::to_string(r));
    grid->EndUpdate();
    EXPECT_EQ(zurueckgesetzt.count(), 0) << "the inner pair ends nothing";
    grid->EndUpdate();
    EXPECT_EQ(zurueckgesetzt.count(), 1);
    EXPECT_EQ(geaendert.count() + eingefuegt.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 500 * 21 - (grid->viewport()->height() - 21));
    grid->CellStr(2, 1, "danach");
    EXPECT_EQ(geaendert.count(), 1) << "after the update every change is told again";
}

}  // namespace
