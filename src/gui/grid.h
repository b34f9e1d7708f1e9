#pragma once
#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <functional>
#include <string>
#include <vector>

#include "gui/gridgeometrie.h"
#include "gui/gridoptionen.h"
#include "gui/regionaleinstellungen.h"

class TGridModell;

// TCheckSortGrid: a table of UTF-8 text cells with a header row (row 0) and a
// fixed first column (column 0), check boxes in cells, a check-all box in a header cell,
// sorting by a header click, column sizing and moving by mouse, and rows hidden from view
// without losing their place (a filter over the list). Cells live in a
// TGridModell and positions in a TGridGeometrie; the grid paints only the visible cells,
// so filling 100,000 rows is cheap.
// Cell texts are always painted literally (never as mark-up), whatever MarkupInCells says:
// replay and player names come from files made by strangers.
//
// The main window's two grids are set up from their column tables in gridspalten.h
// (ReplayGridEinrichten, SpielerGridEinrichten); the window connects their events.
class TCheckSortGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TCheckSortGrid(QWidget* parent = nullptr);
    ~TCheckSortGrid() override;

    // ---- Operations. Addresses are (column, row) from 0, the header row included.
    // Outside the table a read gives an empty text (no box) and a write does nothing.
    std::string CellStr(int ACol, int ARow) const;
    void CellStr(int ACol, int ARow, const std::string& Text);
    // Replaces whatever the cell holds with a new box of the given state; the text stays.
    // DataBound (a box kept as the cell's text) is not supported: every box is plain.
    void PlaceCheckBox(int ACol, int ARow, bool State, bool DataBound);
    // True with State set when the cell holds a box; false, State untouched, otherwise.
    bool ReadCheckBox(int ACol, int ARow, bool& State) const;
    void ClearCell(int ACol, int ARow);
    // Removes Count rows from RowIndex on; nothing when RowIndex > RowCount or Count <= 0.
    // The header row is never removed. The current row keeps its number if it still
    // exists, else the last data row becomes current.
    void RemoveRowRange(int RowIndex, int Count);
    // One empty row of DefaultRowHeight at the end; the current row does not change,
    // unless there was none: then the first data row becomes current.
    void AppendRow();
    // Between BeginUpdate and EndUpdate the operations above change the cells without
    // telling anyone; EndUpdate lays out and paints once, for the whole fill. Pairs nest.
    void BeginUpdate();
    void EndUpdate();
    int RowCount() const;  // header row included
    void SetRowCount(int Anzahl);  // at least 1 (the header row)
    int ColCount() const;
    void SetColCount(int Anzahl);  // at least 1 (the fixed column)
    // Where the column now stands that stood at Kennung when it was added by SetColCount;
    // the user's column moves change positions, never identities. -1 for no such column.
    // Whoever fills cells by what they show addresses them through this.
    int Spaltenposition(int Kennung) const;
    // The identity of the column at position ACol; -1 outside the table.
    int Spaltenkennung(int ACol) const;
    // The current row; -1 while the grid has no data row or the current row is hidden.
    int CurrentRow() const;
    int CurrentCol() const { return aktSpalte_; }
    // Makes a data cell current (no notification); with goRowSelect the column is 1. A
    // hidden row passes the choice on to the nearest shown row below it, else above it.
    void SetCurrentCell(int ACol, int ARow);
    // Hides or shows data row ARow. A hidden row keeps its cells, its box and its place in
    // the order, and a sort moves it like any row. It takes no room and is neither drawn
    // nor hit by the mouse; the keys pass over it and the header's box leaves it alone.
    // The current row stays where it was while hidden (CurrentRow is -1 meanwhile) and is
    // current again when shown. New rows are shown.
    void SetRowHidden(int ARow, bool Hidden);
    bool RowHidden(int ARow) const;

    // ---- Notifications. Sender is this grid.
    // A left click on a cell, fixed or not, except within 3 pixels of a cell's side
    // border while goColSizing is on; not raised by the keyboard or by a box toggle.
    std::function<void(TCheckSortGrid* Sender, int ARow, int ACol)> OnClickCell;
    // Asked when a cell becomes current and before every box toggle; CanEdit comes in
    // false and the handler's answer decides whether a box may toggle.
    std::function<void(TCheckSortGrid* Sender, int ARow, int ACol, bool& CanEdit)> OnCanEditCell;
    // Asked when the user starts dragging the header of column ACol; Allow comes in true,
    // and false cancels the move.
    std::function<void(TCheckSortGrid* Sender, int ACol, bool& Allow)> OnColumnMove;
    // The user made data row ARow current: by a press anywhere in it (the number cell, a
    // box and the sizing zone at a column line included) or by the keys. Raised before
    // OnClickCell. Not raised by the operations above, nor by a sort, which takes the
    // current row along with its contents.
    std::function<void(TCheckSortGrid* Sender, int ARow)> OnZeileGewechselt;
    // A right-click (or the menu key: then the current row) asks for a row's context menu
    // at global; ARow is -1 outside the data rows.
    std::function<void(TCheckSortGrid* Sender, int ARow, QPoint Global)> OnKontextmenue;
    // When set, a left press on a data row followed by a move of the drag distance starts
    // a drag of that row instead of a range selection; the receiver runs the drag.
    std::function<void(TCheckSortGrid* Sender, int ARow)> OnZiehen;

    // ---- Behaviour, read whenever the grid needs it (call update() after a change at
    // run time if it affects the look, e.g. SortOptions.Show).
    TSortOptions SortOptions;
    bool CheckAllInHeader = false;    // a header box sets the boxes of its whole column
    bool PreciseCheckBoxHit = false;  // a box is hit only inside its square
    int CheckBoxSize = 15;
    bool FloatingColumnMove = true;   // the dragged caption follows the mouse
    bool HideFocusRect = false;
    bool MarkupInCells = false;       // ignored: texts are always plain
    // The columns (by identity) that share the room the others leave, instead of the last
    // column alone. A window made narrower takes back what they were given.
    std::vector<int> StretchColumns;
    // A dragged column may be dropped only at this position or further right; never on
    // the fixed column. The replay list sets 2 so its check-box column stays at 1.
    int MinDropColumn = 1;

    // ---- Layout and look.
    TGridOptions Options() const { return optionen_; }
    void SetOptions(TGridOptions Optionen);
    void SetColumnHeaders(const std::vector<std::string>& Texte);  // UTF-8
    int ColWidth(int ACol) const;
    // The width without what StretchColumns gave the column: the one worth keeping.
    int ColBaseWidth(int ACol) const;
    void SetColWidth(int ACol, int Breite);
    void SetColWidths(const std::vector<int>& Breiten);  // from column 0 on
    int FixedColWidth() const { return ColWidth(0); }
    int DefaultColWidth() const { return standardBreite_; }
    void SetDefaultColWidth(int Breite);
    int DefaultRowHeight() const { return standardHoehe_; }
    void SetDefaultRowHeight(int Hoehe);  // sets every data row's height
    int FixedRowHeight() const { return festeHoehe_; }
    void SetFixedRowHeight(int Hoehe);
    int RowHeight(int ARow) const;
    bool StretchLastColumn() const { return strecken_; }
    void SetStretchLastColumn(bool An);
    void SetCellFont(const QFont& Schrift);
    void SetFixedFont(const QFont& Schrift);
    void SetColor(const QColor& Farbe);  // background of normal cells
    void SetFixedColor(const QColor& Farbe);
    void SetGridLineColor(const QColor& Farbe);
    void SetGridLineWidth(int Breite);
    void SetSelectionColor(const QColor& Farbe);
    void SetSelectionTextColor(const QColor& Farbe);
    // Numbers and dates in the sort are read with these settings.
    void SetRegionaleinstellungen(const Regionaleinstellungen& Regional);
    const Regionaleinstellungen& Regional() const { return regional_; }

    // ---- For tests and the window's own use.
    // A cell's rectangle in viewport coordinates (the grid line on its right and bottom
    // included); empty outside the table.
    QRect CellRect(int ACol, int ARow) const;
    // The square a check box occupies in its cell, in viewport coordinates.
    QRect CheckBoxRect(int ACol, int ARow) const;
    bool SortMarkerVisible() const;
    // What a sorting header click on ACol does: the direction rule, then the sort of all
    // data rows, the current row going along with its contents. Ignores SortOptions.Show
    // and the row count; the mouse checks those.
    void SortByHeaderClick(int ACol);
    // Moves the column at position von to position nach, as a drag by the user would,
    // without asking OnColumnMove; a position outside the movable ones does nothing.
    void MoveColumn(int von, int nach);
    // Sorts the data rows again by SortOptions.Column and Direction, as the marker says,
    // the current row going along; after a refill. Nothing while SortOptions.Show is off.
    void Nachsortieren();
    // Moves data row von to position nach, the current row going along with its contents.
    void MoveRow(int von, int nach);
    // Where the sort the marker shows puts data row ARow when every other data row stands
    // sorted already: one row placed without sorting them all. ARow while the marker is off.
    int SortierteStelle(int ARow) const;
    // The vertical scroll position in pixels, and setting it within the current range.
    int Rollposition() const;
    void SetRollposition(int Pixel);
    // Scrolls so that data row ARow is in view.
    void ZeileZeigen(int ARow);
    // The selected data cells, as columns left..right and rows top..bottom.
    QRect Selection() const { return auswahl_; }
    // The row at a point of the viewport; -1 outside the rows.
    int ZeileBei(QPoint p) const;
    TGridModell& Modell() { return *modell_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    enum class TMauszustand { Normal, Groesse, VerschiebenBereit, Verschieben, Auswaehlen };

    // Layout (grid.cpp); where cells lie is geometrie_'s business.
    void GeometrieVormerken();
    void GeometrieAktualisieren();
    void LetzteSpalteStrecken();
    void Umgestaltet();
    int SpaltenInhaltsbreite(int spalte) const;

    // Behaviour (gridmaus.cpp).
    bool DarfAendern(int zeile, int spalte, bool vorgabe);
    bool CheckboxGetroffen(int spalte, int zeile, QPoint punkt) const;
    // The column a press at p sizes, or -1: in the header row within 3 pixels of a cell's
    // side border, except on the header's check box.
    int GroessenSpalte(QPoint p, int spalte, int zeile) const;
    void CheckboxUmschalten(int spalte, int zeile);
    void AktuelleZelle(int spalte, int zeile, bool erweitern);
    // AktuelleZelle for the user's mouse and keys, with OnZeileGewechselt.
    void ZelleWaehlen(int spalte, int zeile, bool erweitern);
    void AuswahlErweitern(int spalte, int zeile);
    // The shown data row schritte shown rows below row von (above when negative), or the
    // farthest shown row that way; when none lies that way, the nearest shown row the other
    // way; -1 when no row is shown. With 0 steps, von itself when shown, else as with 1.
    int GezeigteZeile(int von, int schritte) const;
    void Sichtbar(int zeile);
    void SpalteVerschieben(int von, int nach);
    bool Abgelegt(int ziel) const;
    // Sorts the data rows by spalte in SortOptions.Direction; the current row goes along.
    void Sortieren(int spalte);

    // Painting (gridzeichnen.cpp).
    void ZelleZeichnen(class QPainter& p, int spalte, int zeile, const QRect& r) const;
    void MarkerZeichnen(class QPainter& p, const QRect& r) const;
    // Where a cell's text is drawn, and the text as drawn: cut with "…" when it does not fit.
    QRect TextRect(int spalte, int zeile, const QRect& r) const;
    QString GezeigterText(int spalte, int zeile, const QRect& textRect) const;
    void ZeilenFokusZeichnen(class QPainter& p) const;
    void VerschiebenZeichnen(class QPainter& p) const;

    TGridModell* modell_;  // owned as a Qt child
    TGridGeometrie geometrie_;  // reads modell_, so it comes after it
    Regionaleinstellungen regional_;
    TGridOptions optionen_ = goColSizing | goRangeSelect;
    std::vector<int> kennungen_;  // per position, the column's identity
    int standardBreite_ = 64;
    int standardHoehe_ = 24;
    int festeHoehe_ = 24;
    bool strecken_ = true;
    QFont zellenSchrift_, festeSchrift_;
    QColor farbe_, festeFarbe_, linienFarbe_, auswahlFarbe_, auswahlTextFarbe_;
    int linienBreite_ = 1;

    int aktZeile_ = 1, aktSpalte_ = 1;
    QRect auswahl_;
    int ankerZeile_ = 1, ankerSpalte_ = 1;

    TMauszustand zustand_ = TMauszustand::Normal;
    int druckZeile_ = -1, druckSpalte_ = -1;
    bool keinSortieren_ = false;  // the release after a double-click on a border
    int groesseSpalte_ = -1, groesseStartX_ = 0, groesseStartBreite_ = 0;
    int verschiebenSpalte_ = -1, verschiebenZiel_ = -1, verschiebenX_ = 0, druckX_ = 0;
    QPoint druckPunkt_;

    bool geometrieVorgemerkt_ = false;
    int handSpalte_ = -1;  // the column the user is sizing: the others take up the difference
};
