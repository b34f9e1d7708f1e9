#pragma once
#include <string>

// Whole-file operations beside the copies of quelldatei.h and tempdatei.h. Paths are 8-bit strings
// joined by plain concatenation and taken as the system's own (see pfad.h). None of them
// raises: each reports through its result, and each asks the fault plan first.
namespace plattform {

// Removes a file. Fails for a directory, a missing file and, on Windows, a file with
// the read-only attribute or one that is in use.
bool Loeschen(const std::string& pfad);

// Whether both paths reach the very same directory entry (POSIX: device and inode;
// Windows: volume serial number and file index), whatever the spelling: letter case
// on a case-insensitive volume, doubled separators, links. False when either is missing.
bool GleicheDatei(const std::string& a, const std::string& b);

// Whether anything at all carries this name: a file, a folder, a dangling link.
bool NameBelegt(const std::string& pfad);

// For a name that opens: whether the folder holds it spelled exactly so. Windows opens a
// name in any letter case, so after a rename that changed only the case the old spelling
// still opens, though the folder no longer holds it. POSIX names are exact: always true.
bool GenauSoGeschrieben(const std::string& pfad);

}  // namespace plattform
