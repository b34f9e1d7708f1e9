#pragma once
#include <string>

// One cell of the check-and-sort grid: a UTF-8 text and at most one check box.
// The check box is the only cell object the program uses; it lives in its cell until
// replaced, cleared or removed with its row, and travels with the row when rows move.
struct TZelle {
    std::string Text;
    bool HatCheckbox = false;
    bool Checked = false;
};
