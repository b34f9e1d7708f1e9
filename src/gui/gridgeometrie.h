#pragma once
#include <QPoint>
#include <QRect>
#include <vector>

class TGridModell;

// Where the cells of a TCheckSortGrid lie in its viewport, and which cell lies at a point.
// Row 0 and column 0 are fixed: they stay in place when the grid scrolls. The column
// widths are the geometry's own; row heights and hidden rows are read from the model,
// because rows carry their height when a sort moves them. Knows nothing of the widget:
// the grid tells it the scroll offsets and when the rows changed.
class TGridGeometrie {
public:
    // The model must outlive the geometry.
    explicit TGridGeometrie(const TGridModell& modell);

    // New columns at the end get breite; columns beyond anzahl are forgotten.
    void SpaltenzahlSetzen(int anzahl, int breite);
    int Breite(int spalte) const;  // 0 outside the table
    void BreiteSetzen(int spalte, int breite);  // at least 0; ignored outside the table
    // The width travels with the column; the columns between shift by one.
    void SpalteVerschieben(int von, int nach);
    // The room a row takes: 0 for a hidden row.
    int Hoehe(int zeile) const;
    // The row positions are counted again, once, when next needed.
    void ZeilenVeraltet() { zeilenVeraltet_ = true; }
    // The scroll bars' values in pixels.
    void VersatzSetzen(int x, int y);

    // Viewport positions; a hidden row's top is the next shown row's.
    int SpaltenX(int spalte) const;
    int ZeilenY(int zeile) const;
    // The cell's rectangle, the grid line on its right and bottom included; empty outside
    // the table, 0 high for a hidden row.
    QRect Zelle(int spalte, int zeile) const;
    // The column or row at a viewport position, or -1; a hidden row is never hit.
    int SpalteBei(int x) const;
    int ZeileBei(int y) const;
    // The widths of the scrolled columns and the heights of the shown data rows, for the
    // scroll ranges.
    int Datenbreite() const;
    int Datenhoehe() const;

    // Whether x lies in the column-sizing zone at the left or right border of column spalte;
    // in a narrow column it can lie in both.
    bool AmLinkenRand(int x, int spalte) const;
    bool AmRechtenRand(int x, int spalte) const;
    // The column whose width a drag at x in column spalte changes, or -1. The left border
    // comes first and sizes the column on its left, so the fixed column's sizes none.
    int GroessenRand(int x, int spalte) const;

    // The last column takes the room the others leave in a viewport sichtbreite wide;
    // when they leave none it gets standardBreite, unless the grid is scrolled sideways.
    void LetzteSpalteStrecken(int sichtbreite, int standardBreite);
    // The given columns share the room the others leave in a viewport sichtbreite wide,
    // in equal parts; when the columns are too wide for it, these give back what they
    // were given, in equal parts too, but never a width that was set.
    void SpaltenFuellen(int sichtbreite, const std::vector<int>& spalten);
    // What SpaltenFuellen added to the column's set width.
    int Zugabe(int spalte) const;

private:
    void ZeilenPositionen() const;

    const TGridModell& modell_;
    std::vector<int> breiten_;
    std::vector<int> zugaben_;  // per column, what filling the room added to its width
    int versatzX_ = 0, versatzY_ = 0;
    mutable std::vector<int> zeilenY_;  // tops of the data rows from row 1; size rows
    mutable bool zeilenVeraltet_ = true;
};
