#pragma once
// Shared by the grid's widget tests: grids set up like the main window's two grids, and
// real mouse events at exact viewport pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "grid.h"

// A grid like grdReplays: "", "", Spielname, #, Karte, Datum; German regional settings.
inline std::unique_ptr<TCheckSortGrid> ReplayGrid() {
    auto grid = std::make_unique<TCheckSortGrid>();
    grid->SetColCount(6);
    grid->SetRowCount(2);
    grid->SetColumnHeaders({"", "", "Spielname", "#", "Karte", "Datum"});
    grid->SetColWidths({30, 40, 75, 23, 139, 137});
    grid->SetDefaultRowHeight(21);
    grid->SetFixedRowHeight(21);
    grid->SetOptions(goColSizing | goColMoving | goRangeSelect | goRowSelect);
    grid->SortOptions.Show = true;
    grid->SortOptions.FixedCols = true;
    grid->CheckAllInHeader = true;
    grid->PreciseCheckBoxHit = true;
    grid->HideFocusRect = true;
    grid->MinDropColumn = 2;
    grid->SetRegionaleinstellungen(Regionaleinstellungen::Deutsch());
    // The window's handlers: only columns 0 and 1 may change, only 2..5 may move.
    grid->OnCanEditCell = [](TCheckSortGrid*, int, int ACol, bool& CanEdit) {
        CanEdit = static_cast<unsigned>(ACol) < 2;
    };
    grid->OnColumnMove = [](TCheckSortGrid*, int ACol, bool& Allow) {
        Allow = static_cast<unsigned>(ACol - 2) < 4;
    };
    grid->resize(449, 520);
    grid->show();
    QCoreApplication::processEvents();
    return grid;
}

struct TReplayZeile {
    std::string Spielname, Anzahl = {}, Karte = {}, Datum = {};
};

// Fills the list the way the refresh does: number, unchecked box, then the texts.
inline void Fuellen(TCheckSortGrid& grid, const std::vector<TReplayZeile>& zeilen) {
    grid.RemoveRowRange(2, grid.RowCount());
    for (size_t i = 0; i < zeilen.size(); ++i) {
        int n = static_cast<int>(i) + 1;
        grid.CellStr(0, n, std::to_string(n));
        grid.PlaceCheckBox(1, n, false, false);
        grid.CellStr(2, n, zeilen[i].Spielname);
        grid.CellStr(3, n, zeilen[i].Anzahl);
        grid.CellStr(4, n, zeilen[i].Karte);
        grid.CellStr(5, n, zeilen[i].Datum);
        if (i + 1 < zeilen.size()) grid.AppendRow();
    }
    QCoreApplication::processEvents();
}

inline std::vector<std::string> Spalte(const TCheckSortGrid& grid, int spalte) {
    std::vector<std::string> texte;
    for (int r = 1; r < grid.RowCount(); ++r) texte.push_back(grid.CellStr(spalte, r));
    return texte;
}

inline void Druecken(TCheckSortGrid& grid, QPoint p) {
    QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::NoModifier, p);
}
inline void Loslassen(TCheckSortGrid& grid, QPoint p) {
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, p);
}
inline void Klicken(TCheckSortGrid& grid, QPoint p) {
    Druecken(grid, p);
    Loslassen(grid, p);
}
// A mouse move with the left button held.
inline void Bewegen(TCheckSortGrid& grid, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(grid.viewport()->mapToGlobal(p)), Qt::NoButton,
                  Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid.viewport(), &e);
    grid.viewport()->repaint();  // paints the floating caption and the drop marker
}
inline void Ziehen(TCheckSortGrid& grid, QPoint von, QPoint nach) {
    Druecken(grid, von);
    Bewegen(grid, QPoint((von.x() + nach.x()) / 2, nach.y()));
    Bewegen(grid, nach);
    Loslassen(grid, nach);
}
// A double click as the window system delivers it in Qt 6: press, release, then the second
// press arriving only as the double-click event, and its release.
inline void Doppelklicken(TCheckSortGrid& grid, QPoint p) {
    QWidget* fenster = grid.window();
    QTest::mouseDClick(fenster->windowHandle(), Qt::LeftButton, Qt::NoModifier, grid.viewport()->mapTo(fenster, p));
}
// A header click in the middle of column spalte.
inline void KopfKlicken(TCheckSortGrid& grid, int spalte) {
    QRect r = grid.CellRect(spalte, 0);
    Klicken(grid, QPoint(r.left() + r.width() / 2 + 2, r.center().y()));
}
