#pragma once
#include <optional>
#include <string>

namespace plattform {

// Where the game search found the game, and so how it is to be started.
struct Spielfund {
    std::string Ordner;       // the game folder, ending with a separator
    std::string Herkunft;     // "Registry", "Steam", "Lutris", "Heroic" or "Bottles"
    std::string Quelle;       // the file or registry value that named the folder
    std::string WinePraefix;  // the Wine prefix it was installed into; "" for the default one
    std::string SteamAppId;   // set when Steam installed it: Steam then starts it
};

// The game's installation folder when the settings name none. Windows reads the registry
// value "InstallLocation" of "SOFTWARE\THQ\Dawn of War\" and takes it as stored, with a
// final backslash added where it has none. POSIX reads the registries of the Wine
// prefixes ($WINEPREFIX, ~/.wine), then Steam's libraries and their Proton prefixes, then
// the prefixes of Lutris, Heroic and Bottles, and takes the first folder that holds
// W40k.exe; when Steam installed that same folder, Steam's entry wins. nullopt when
// nothing is found. Raises Fehler when the Wine prefixes' registry value has a wrong
// type, as the registry fallback does.
std::optional<Spielfund> SpielSuchen();

// The Steam app id when ordner is, or lies inside, a game folder that Steam installed in
// one of its libraries; else "". Always "" on Windows.
std::string SteamAppIdFuer(const std::string& ordner);

}  // namespace plattform
