#pragma once
#include <string>

// Whole-file operations for moving replays between folders. Paths are 8-bit strings
// joined by plain concatenation and taken as the system's own (see pfad.h). None of them
// raises: each reports through its result, and each asks the fault plan first.
namespace plattform {

// Copies quelle to ziel and fails when ziel already exists: a file there is never
// overwritten. The copy keeps the attributes (POSIX: the mode bits) and the
// modification time. On failure no partial ziel is left behind. A copy into a folder
// that does not exist fails; no folder is ever created.
bool Kopieren(const std::string& quelle, const std::string& ziel);

// Removes a file. Fails for a directory, a missing file and, on Windows, a file with
// the read-only attribute or one that is in use.
bool Loeschen(const std::string& pfad);

// Whether both paths name regular files with the same size and the same bytes. False
// when either cannot be read to its end. Counts as a read for the fault plan.
bool GleicherInhalt(const std::string& a, const std::string& b);

// Whether both paths reach the very same directory entry (POSIX: device and inode;
// Windows: volume serial number and file index), whatever the spelling: letter case
// on a case-insensitive volume, doubled separators, links. False when either is missing.
bool GleicheDatei(const std::string& a, const std::string& b);

// Whether anything at all carries this name: a file, a folder, a dangling link.
bool NameBelegt(const std::string& pfad);

}  // namespace plattform
