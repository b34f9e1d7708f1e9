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

#include "gui/grid.h"
#include "gui/gridspalten.h"

// A grid set up as grdReplays, with German regional settings, in the widget's font.
inline std::unique_ptr<TCheckSortGrid> ReplayGrid() {
    auto grid = std::make_unique<TCheckSortGrid>();
    ReplayGridEinrichten(grid.get(), Regionaleinstellungen::Deutsch());
    // The fitting tests measure texts in the widget's own font.
    grid->SetCellFont(grid->font());
    grid->SetFixedFont(grid->font());
    // The window's handlers: only the fixed columns may change, only the others may move.
    grid->OnCanEditCell = [](TCheckSortGrid*, int, int ACol, bool& CanEdit) {
        CanEdit = ACol >= 0 && ACol < kFesteListenspalten;
    };
    grid->OnColumnMove = [](TCheckSortGrid*, int ACol, bool& Allow) {
        Allow = ACol >= kFesteListenspalten && ACol <= lsDatum;
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
        grid.CellStr(lsNummer, n, std::to_string(n));
        grid.PlaceCheckBox(lsBox, n, false, false);
        grid.CellStr(lsSpielname, n, zeilen[i].Spielname);
        grid.CellStr(lsAnzahl, n, zeilen[i].Anzahl);
        grid.CellStr(lsKarte, n, zeilen[i].Karte);
        grid.CellStr(lsDatum, n, zeilen[i].Datum);
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
