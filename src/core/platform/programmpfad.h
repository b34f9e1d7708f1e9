#pragma once
#include <string>
#include <string_view>

namespace plattform {

// Full path of the running executable, as the system reports it; empty when it cannot
// be had.
std::string ProgrammPfad();

// Directory part of a path by the platform's rule: everything before the last separator,
// the separator dropped unless it ends a root, so "C:\q.exe" gives "C:\" and "/q" gives "/".
std::string VerzeichnisTeil(const std::string& pfad);

// The same rule for an explicit set of separators ("\\:" on Windows, where the drive
// colon counts too; "/" on POSIX).
std::string VerzeichnisTeil(const std::string& pfad, std::string_view trenner);

}  // namespace plattform
