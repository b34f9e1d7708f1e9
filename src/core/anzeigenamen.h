#pragma once
#include <optional>
#include <string>

// A race or map key as every view shows it.
struct TAnzeigename {
    // The table's display name (UTF-8); empty when the table does not know the key.
    std::optional<std::string> Name;
    // The key itself, its single bytes read as Windows-1252 as the game wrote them.
    std::string Schluessel;
    // What a list shows: the display name, else the key.
    const std::string& Text() const { return Name ? *Name : Schluessel; }
};

// Both lookups compare the key byte for byte with the table's keys.
TAnzeigename RassenAnzeige(const std::string& schluessel);
TAnzeigename KartenAnzeige(const std::string& schluessel);
