#include "core/platform/pfad.h"

namespace plattform {

std::string DateiTeil(const std::string& pfad) {
    const auto stelle = pfad.rfind('/');
    return stelle == std::string::npos ? pfad : pfad.substr(stelle + 1);
}

std::string OrdnerMitTrenner(const std::string& ordner) {
    if (ordner.empty() || ordner.back() == '/') return ordner;
    return ordner + '/';
}

std::string OrdnerTeil(const std::string& pfad) {
    const auto stelle = pfad.rfind('/');
    return stelle == std::string::npos ? std::string() : pfad.substr(0, stelle + 1);
}

bool IstPosix() { return true; }

char Trenner() { return '/'; }

std::string DateisystemWurzel() { return "/"; }

}  // namespace plattform
