#pragma once
#include <string>
#include <string_view>
#include <vector>

// Minimal readers for the few entries the game search needs from the launchers' own
// files. They take any bytes: a damaged or hostile file gives fewer entries, never a
// crash or a hang, and each runs in time linear in its input.
namespace spiel {

// Steam's libraryfolders.vdf: the library folders it lists, in both of Steam's formats:
//   "LibraryFolders" { "1" "/mnt/spiele" }                 (before 2021)
//   "libraryfolders" { "0" { "path" "/mnt/spiele" ... } }  (since)
std::vector<std::string> SteamBibliothekenLesen(std::string_view vdf);

struct SteamManifest {
    std::string AppId;       // digits only, else empty
    std::string InstallDir;  // a single folder name below steamapps/common, else empty
    std::string Name;        // the game's name in the store, as the manifest gives it
};
// An appmanifest_<id>.acf: "AppState" { "appid" "4570" "name" "…" "installdir" "Dawn of
// War" }, with keys in any letter case.
SteamManifest SteamManifestLesen(std::string_view acf);

struct LutrisSpiel {
    std::string Prefix;  // game: prefix:
    std::string Exe;     // game: exe:
};
// A Lutris games/*.yml: the values of prefix: and exe: inside the top-level game: block,
// quotes removed, a leading "~/" left to the caller.
LutrisSpiel LutrisSpielLesen(std::string_view yml);

// A Heroic GamesConfig/*.json: the string values of every "winePrefix" key.
std::vector<std::string> HeroicPrefixeLesen(std::string_view json);

}  // namespace spiel
