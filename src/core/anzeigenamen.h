#pragma once
#include <string>

// Display names of the game's race and map keys. Both lookups compare the key byte for
// byte with the table's keys; on a match they set text to the display name (Windows-1252)
// and return true, otherwise they leave text exactly as it was and return false.
bool RassenName(const std::string& schluessel, std::string& text);
bool KartenName(const std::string& schluessel, std::string& text);
