#pragma once
#include <string>

namespace plattform {

// The user's own folder for Quellarch's settings, ending with a separator:
// $XDG_CONFIG_HOME/quellarch/ (by default ~/.config/quellarch/) on POSIX, and
// %APPDATA%\Quellarch\ on Windows. Empty when the system names no such place.
// Nothing is created here.
std::string BenutzerConfigOrdner();

// The user's cache folder for Quellarch, ending with a separator: $XDG_CACHE_HOME/quellarch/
// (by default ~/.cache/quellarch/) on POSIX, %LOCALAPPDATA%\Quellarch\ on Windows. Empty
// when the system names no such place. Nothing is created here.
std::string BenutzerCacheOrdner();

// Where Windows redirects a 32-bit program's writes into ordner when ordner lies under
// "Program Files" or "Program Files (x86)" of any drive and the program has no right to
// write there: %LOCALAPPDATA%\VirtualStore\<ordner without its drive>, ending with a
// separator. Empty for any other folder, and always on POSIX.
std::string VirtualStoreZwilling(const std::string& ordner);

// Whether a new file can be made in the folder ordner (no trailing separator needed).
// The fault plan's Operation::Beschreibbar makes it answer no.
bool OrdnerBeschreibbar(const std::string& ordner);

}  // namespace plattform
