#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/platform/programmstart.h"
#include "core/spiel/installation.h"

// What "DOW starten" checks before it starts anything, so that nothing is started in a
// wrong folder and the window can name what is missing.
enum class TStarthindernis {
    Keines,
    KeinOrdner,    // no game folder configured
    OrdnerFehlt,   // the game folder does not exist
    KeinProgramm,  // the game folder holds none of the editions' programs (letter case ignored)
    KeinWine,      // the start needs wine, and it is not on the PATH
    KeinSteam,     // Steam installed the game, and neither steam nor flatpak is on the PATH
};

struct TSpielstart {
    TStarthindernis Hindernis = TStarthindernis::Keines;
    std::string Ordner;            // the game folder as started: with its final separator
    TInstallation Installation;    // what is started, once the folder holds a program
    std::optional<plattform::Startbefehl> Befehl;  // set exactly when nothing hinders
};

// The installation the settings choose: the program programm (W40k.exe, else the first
// the folder holds, where it is "" or missing) in dowVerzeichnis, with the search's
// record of how it was found where the search found it. A folder it did not find counts
// as typed by hand ("config.ini"): Steam's when it lies in a Steam library, and on POSIX
// in the Wine prefix whose drive_c it lies in. Programm is "" when the folder holds none.
TInstallation GewaehlteInstallation(const std::string& dowVerzeichnis, const std::string& programm,
                                    const std::vector<TInstallation>& gefunden);

// The start of the chosen installation, checked.
TSpielstart SpielstartPruefen(const std::string& dowVerzeichnis, const std::string& programm,
                              const std::vector<TInstallation>& gefunden);
