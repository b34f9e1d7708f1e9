#pragma once
#include <string>
#include <vector>

// The one table of names that every layer's tests take through its part of the road:
// reader, rename and re-read in the core, list row and detail panel in the window, JSON in
// the CLI. Each layer checks what it owes for every row.
struct TTestname {
    const char* titel;
    std::u16string gespeichert;  // the UTF-16 code units as the file stores them
    std::string angezeigt;       // what the program holds and shows (UTF-8)
    bool umbenennbar;            // 1 to 25 code units: accepted as a new name
};

const std::vector<TTestname>& Testnamen();
