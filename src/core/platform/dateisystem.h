#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/dateistempel.h"

// File-system operations beyond one open file. Paths are 8-bit strings joined by plain
// concatenation and taken as the system's own (see pfad.h).
namespace plattform {

// Names (without directory) of the entries matching a wildcard pattern such as
// dir + "*.rec", as FindFirstFile/FindNextFile with attribute mask 63 give them:
// letter case is ignored, no entry is left out for its attributes (folders included),
// "." and ".." are never listed. A missing or unreadable folder yields nothing.
std::vector<std::string> Aufzaehlen(const std::string& muster);

// Aufzaehlen's names, with each entry's stamp where the listing gives it for free (on
// Windows): stempel is then as long as namen, else empty.
struct Aufzaehlung {
    std::vector<std::string> namen;
    std::vector<Dateistempel> stempel;
};
Aufzaehlung AufzaehlenMitStempel(const std::string& muster);

// Last modification of the file at pfad, local time, 32-bit FAT form; -1 when the path
// names no file, names a directory, or the time does not fit the FAT range.
std::int32_t LetzteAenderungFat(const std::string& pfad);

bool DateiExistiert(const std::string& pfad);
bool VerzeichnisExistiert(const std::string& pfad);

}  // namespace plattform
