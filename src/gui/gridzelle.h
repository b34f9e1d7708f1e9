#pragma once
#include <string>

// A copy of one cell of the check-and-sort grid: a UTF-8 text and at most one check box.
// TGridModell keeps its cells packed and hands one out as this copy; the cell-by-cell
// sort comparison takes it too.
struct TZelle {
    std::string Text;
    bool HatCheckbox = false;
    bool Checked = false;
};
