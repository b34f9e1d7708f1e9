#include "cli/befehlszeile.h"

#include <windows.h>

#include "core/platform/breit_win32.h"

// argv holds the command line in the ANSI code page, where a name in another script
// turns into '?'; the wide command line holds it all.
std::vector<std::string> Argumente(int, char**) {
    std::vector<std::string> argumente = BefehlszeileZerlegen(plattform::Schmal(GetCommandLineW()));
    argumente.erase(argumente.begin());
    return argumente;
}
