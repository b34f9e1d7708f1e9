#pragma once
#include <string>
#include <vector>

// The game's editions. Each standalone expansion runs a program of its own in a folder of
// its own; Winter Assault installs into the base game's folder.
enum class TEdition { DawnOfWar, WinterAssault, DarkCrusade, Soulstorm, DefinitiveEdition };

// One installation: a folder and one of the editions' programs in it. A folder holding
// W40k.exe and W40kWA.exe gives two, which share one Playback folder.
struct TInstallation {
    std::string Ordner;       // ending with a separator
    std::string Programm;     // the program's file name as the folder spells it
    TEdition Edition = TEdition::DawnOfWar;
    // How it was found, and so how it is started: "Registry" (Windows, or a Wine prefix's
    // system.reg), "Steam", "Lutris", "Heroic", "Bottles", or "config.ini" for a folder
    // the user typed or picked.
    std::string Herkunft;
    std::string Quelle;       // the file or registry value that named the folder
    std::string WinePraefix;  // the Wine prefix it runs in; "" for wine's default one
    std::string SteamAppId;   // set when Steam installed it
};

struct TProgramm {
    const char* Name;
    TEdition Edition;
};
// The programs that make a folder an installation, W40k.exe first: the one started where
// nothing else was chosen, so a config.ini naming only the folder starts what it did.
const std::vector<TProgramm>& Programme();

// The name players know the edition by ("Dark Crusade"); the same in every language.
const char* EditionName(TEdition edition);

// The programs ordner holds (letter case ignored), in Programme()'s order, each by its
// file name as the folder spells it.
std::vector<std::string> ProgrammeIn(const std::string& ordner);
// The edition of a program name (letter case ignored); DawnOfWar for an unknown one.
TEdition EditionVon(const std::string& programm);

// The program "DOW starten" starts in ordner: gewaehlt when the folder holds it, else
// W40k.exe, else the first program the folder holds; "" when it holds none.
std::string StartProgramm(const std::string& ordner, const std::string& gewaehlt);

// Whether two folder strings name one folder that exists (links, letter case on Windows
// and a final separator aside).
bool GleicherOrdner(const std::string& a, const std::string& b);

// Each installation once: the same program in the same folder (GleicherOrdner), reached twice, say through a Wine
// registry and through Steam's library, keeps its first place with Steam's record where
// Steam installed the folder, since only Steam starts its games right.
std::vector<TInstallation> EinmalJeProgramm(const std::vector<TInstallation>& alle);

// The installations found in ordner: one per program it holds, each a copy of vorlage
// with its Programm and Edition set. Ordner gets its final separator.
std::vector<TInstallation> InstallationenIn(const std::string& ordner, const TInstallation& vorlage);
