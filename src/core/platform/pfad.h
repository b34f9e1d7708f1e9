#pragma once
#include <string>

namespace plattform {

// Paths are 8-bit strings in the system's own form, joined by plain concatenation. On
// POSIX '/' alone separates their components: '\' and ':' are ordinary characters of a
// file name there ("Sieg: 2v2.rec", "x\y.rec"), so no path is ever rewritten. On Windows
// '\', '/' and the drive colon separate.

// The last component of a path: what follows its last separator, the whole path when it
// has none, empty when it ends with one. A name from a folder listing comes back unchanged.
std::string DateiTeil(const std::string& pfad);

// A folder as the program joins it to names: ending with a separator. One already at its
// end is kept ('/' on POSIX; '\' or '/' on Windows); otherwise Trenner() is added, also
// to a bare drive "C:". Empty stays empty: it means "not configured", never the root.
std::string OrdnerMitTrenner(const std::string& ordner);

// The folder a path lies in, with its separator: everything up to and including its last
// separator by the platform's rule; empty for a bare name.
std::string OrdnerTeil(const std::string& pfad);

// True where paths follow POSIX rules; tests use it to skip cases that only one
// platform can set up (permission bits, backslashes in file names).
bool IstPosix();

// The separator the program puts between a folder and a name of its own choosing (the
// options dialog's chosen folder, "Playback", "config.ini"): '\' on Windows, '/' on POSIX.
char Trenner();

// The top of the file system, where choosers start when no folder is known:
// "C:\" on Windows, "/" on POSIX.
std::string DateisystemWurzel();

}  // namespace plattform
