#pragma once

// Settings of the check-and-sort grid that several of its files share.

enum TSortDirection { sdAscending, sdDescending };

// How a header click sorts. Show is the master switch: it enables sorting on a header
// click and the marker in the sort column's header.
struct TSortOptions {
    bool Show = false;
    int Row = 0;                      // the header row whose clicks sort
    int Column = 0;                   // current sort column; set by header clicks, follows column moves
    TSortDirection Direction = sdAscending;
    TSortDirection InitSortDirection = sdAscending;  // for a newly chosen sort column
    bool AutoFormat = true;           // compare as check state, number, date or text
    bool Full = true;                 // break ties on the columns to the right
    bool FixedCols = false;           // a click on the fixed column's header sorts too
    bool NormalCellsOnly = false;     // true: the fixed column stays where it is
    bool SingleColumn = false;        // true: only the sort column's cells move
    // Accepted so a setup reads like the form's, but not acted on: neither grid sets them.
    bool IgnoreBlanks = false;
    bool UndoSort = false;
    bool IndexShow = false;
};

enum TGridOption : unsigned {
    goColSizing = 1u << 0,    // drag a header border to size, double-click it to fit
    goColMoving = 1u << 1,    // drag a header to move its column
    goRangeSelect = 1u << 2,  // drag over cells to select a range
    goRowSelect = 1u << 3,    // the whole current row is selected; current column is 1
    goEditing = 1u << 4,      // accepted, but the grid has no text editor
};
using TGridOptions = unsigned;
