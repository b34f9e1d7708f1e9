#pragma once
#include <array>
#include <cstdint>

#include "core/uebersetzbar.h"

// The seven win conditions; all false until the reader meets their identifiers.
class TSiegbedingungen {
public:
    bool Vernichtung = false;
    bool SuddenDeath = false;
    bool Attentat = false;
    bool Oeko = false;
    bool Kontrollgebiet = false;
    bool HQ = false;
    bool Erobern = false;

    // Sets the flag an identifier stands for; other identifiers do nothing.
    void Setzen(std::uint32_t kennung);

    bool operator==(const TSiegbedingungen&) const = default;
};

// One win condition as the file, the detail panel and the command-line tool name it.
struct TSiegbedingung {
    std::uint32_t Kennung;         // the identifier as stored (little-endian) in the file
    bool TSiegbedingungen::*Feld;  // its flag
    const char* Schluessel;        // the key in "show --json" and "list --json"
    const char* Checkbox;          // the detail panel's check box
    const char* Titel;             // caption, UTF-8, to be translated: the check box's and "show"'s
};

// Every win condition, in the order the detail panel shows them top to bottom and "show"
// lists them.
inline constexpr std::array<TSiegbedingung, 7> kSiegbedingungen{{
    {0xF6999082, &TSiegbedingungen::Vernichtung, "Vernichtung", "chkVernichtung", UEBERSETZBAR("Siegbedingung", "Vernichtung")},
    {0xBAF8C0A1, &TSiegbedingungen::Attentat, "Attentat", "chkAttentat", UEBERSETZBAR("Siegbedingung", "Attentat")},
    {0x2BD05ECA, &TSiegbedingungen::Kontrollgebiet, "Kontrollgebiet", "chkKontrollgebiet", UEBERSETZBAR("Siegbedingung", "Kontrollgebiet")},
    {0x337F20F5, &TSiegbedingungen::HQ, "HQ", "chkHQ", UEBERSETZBAR("Siegbedingung", "HQ zerstören")},
    {0xD18450C7, &TSiegbedingungen::Oeko, "Oeko", "chkOeko", UEBERSETZBAR("Siegbedingung", "Ökonomischer Sieg")},
    {0x74C54396, &TSiegbedingungen::Erobern, "Erobern", "chkErobern", UEBERSETZBAR("Siegbedingung", "Erobern und halten")},
    {0x931DD8F4, &TSiegbedingungen::SuddenDeath, "SuddenDeath", "chkSuddenDeath", UEBERSETZBAR("Siegbedingung", "Sudden Death")},
}};
