#include "platform/pfad.h"

#include <algorithm>

namespace plattform {

std::string NativerPfad(const std::string& pfad) {
    std::string ergebnis = pfad;
    std::replace(ergebnis.begin(), ergebnis.end(), '\\', '/');
    return ergebnis;
}

bool IstPosix() { return true; }

char Trenner() { return '/'; }

std::string DateisystemWurzel() { return "/"; }

}  // namespace plattform
