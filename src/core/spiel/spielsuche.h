#pragma once
#include <string>
#include <vector>

#include "core/spiel/installation.h"

namespace spiel {

// The keys below HKEY_LOCAL_MACHINE whose "InstallLocation" names an edition's folder:
// the base game's (Winter Assault writes none of its own) and the two expansions'.
inline constexpr const char* kRegistrySchluessel[] = {
    "SOFTWARE\\THQ\\Dawn of War\\",
    "SOFTWARE\\THQ\\Dawn of War - Dark Crusade\\",
    "SOFTWARE\\THQ\\Dawn of War - Soulstorm\\",
};
inline const auto& RegistrySchluessel() { return kRegistrySchluessel; }

// Every installation of the game, each program in each folder once, in the order they
// count: the first is the one taken when the settings name no game folder.
// Windows reads the keys above in both registry views, then Steam's libraries (Steam's
// folder from HKEY_CURRENT_USER\Software\Valve\Steam, "SteamPath"). POSIX reads the same
// keys in the Wine prefixes' registries ($WINEPREFIX, ~/.wine), then Steam's libraries and
// their Proton prefixes, then the prefixes and games of Lutris, Heroic and Bottles. A
// folder Steam installed counts as Steam's, however else it was reached. streng: a
// registry value of a wrong type raises Fehler, as the registry fallback does; otherwise
// such a value is passed over.
std::vector<TInstallation> InstallationenSuchen(bool streng);

// The folder the base game's registry value names, with its final separator, whether or
// not it holds the game: the registry fallback of Windows when the search finds nothing.
// Always "" on POSIX, where the Wine registries are one place of the search.
std::string RegistryOrdner();

// The Steam app id when ordner is, or lies inside, a game folder that Steam installed in
// one of its libraries; else "".
std::string SteamAppIdFuer(const std::string& ordner);

}  // namespace spiel
