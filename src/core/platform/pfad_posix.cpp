#include "platform/pfad.h"

#include <algorithm>

namespace plattform {

std::string NativerPfad(const std::string& pfad) {
    std::string ergebnis = pfad;
    std::replace(ergebnis.begin(), ergebnis.end(), '\\', '/');
    return ergebnis;
}

bool IstPosix() { return true; }

}  // namespace plattform
