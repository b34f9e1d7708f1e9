#pragma once
#include <optional>
#include <string>

#include "core/platform/programmstart.h"

// What "DOW starten" checks before it starts anything, so that nothing is started in a
// wrong folder and the window can name what is missing.
enum class TStarthindernis {
    Keines,
    KeinOrdner,    // no game folder configured
    OrdnerFehlt,   // the game folder does not exist
    KeinProgramm,  // the game folder holds no W40k.exe (letter case ignored)
    KeinWine,      // the start needs wine, and it is not on the PATH
    KeinSteam,     // Steam installed the game, and neither steam nor flatpak is on the PATH
};

struct TSpielstart {
    TStarthindernis Hindernis = TStarthindernis::Keines;
    std::string Ordner;  // the game folder as started: with its final separator
    std::optional<plattform::Startbefehl> Befehl;  // set exactly when nothing hinders
};

// The start of the game in dowVerzeichnis, checked. A game folder inside a Wine prefix
// (…/drive_c/…) runs in that prefix, so wine never makes a prefix of its own for it.
TSpielstart SpielstartPruefen(const std::string& dowVerzeichnis, const plattform::Spielfund& fund);
