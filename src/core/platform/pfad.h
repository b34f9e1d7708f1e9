#pragma once
#include <string>

namespace plattform {

// The path as the system calls want it. Paths are joined by plain concatenation with
// Windows separators ("C:\games\" + "Playback\"), so on POSIX every '\' becomes '/';
// on Windows the path stays as it is.
std::string NativerPfad(const std::string& pfad);

// True where paths follow POSIX rules; tests use it to skip cases that only one
// platform can set up (permission bits, backslashes in file names).
bool IstPosix();

// The separator the options dialog appends to a chosen folder: a backslash on Windows,
// '/' on POSIX.
char Trenner();

// The top of the file system, where choosers start when no folder is known:
// "C:\" on Windows, "/" on POSIX.
std::string DateisystemWurzel();

}  // namespace plattform
