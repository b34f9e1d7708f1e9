#pragma once
#include <cstdint>
#include <string>

// A cell's text as a 32-bit integer, the way the grid's number column is read back:
// optional blanks, an optional sign, decimal digits, optional blanks. Anything else (an
// empty cell included) raises Fehler "'<text>' ist kein gültiger Integerwert".
std::int32_t StrToInt(const std::string& text);
