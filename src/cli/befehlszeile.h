#pragma once
#include <string>
#include <string_view>
#include <vector>

// The arguments of the running program, without its name. POSIX: argv byte for byte, as
// a file name need not be UTF-8. Windows: the wide command line, read once into UTF-8 by
// BefehlszeileZerlegen, so every file name and text arrives whole in any code page.
std::vector<std::string> Argumente(int argc, char** argv);

// A Windows command line (UTF-8) split as the C runtime splits it, the program's name
// first: blanks part arguments outside quotes, 2n backslashes before a quote give n and
// the quote delimits, 2n+1 give n and a literal quote. One exception: in cmd a folder
// typed as "C:\Replays\" ends in \", which the runtime reads as a literal quote and so
// joins it with the next argument. A quote can be no part of a Windows path, so inside
// quotes a \" before a blank or the line's end is taken as the folder's final backslash
// and the closing quote.
std::vector<std::string> BefehlszeileZerlegen(std::string_view zeile);
