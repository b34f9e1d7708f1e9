#pragma once
#include <string>

// Display names of the game's race and map keys. Both lookups compare the key byte for
// byte with the table's keys; on a match they set text to the display name (UTF-8)
// and return true, otherwise they leave text exactly as it was and return false.
bool RassenName(const std::string& schluessel, std::string& text);
bool KartenName(const std::string& schluessel, std::string& text);

// What the list shows for a key: its display name, else the key itself, whose single
// bytes are read as Windows-1252 as the game wrote them.
std::string RassenText(const std::string& schluessel);
std::string KartenText(const std::string& schluessel);
