#include "core/platform/pfad.h"

namespace plattform {

std::string DateiTeil(const std::string& pfad) {
    const auto stelle = pfad.rfind('/');
    return stelle == std::string::npos ? pfad : pfad.substr(stelle + 1);
}

bool IstPosix() { return true; }

char Trenner() { return '/'; }

std::string DateisystemWurzel() { return "/"; }

}  // namespace plattform
