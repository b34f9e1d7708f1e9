#include "core/platform/pfad.h"

namespace plattform {

std::string DateiTeil(const std::string& pfad) {
    // "C:a.rec" names a.rec in the current folder of drive C.
    const auto stelle = pfad.find_last_of("\\/:");
    return stelle == std::string::npos ? pfad : pfad.substr(stelle + 1);
}

std::string OrdnerMitTrenner(const std::string& ordner) {
    if (ordner.empty()) return ordner;
    // "C:" alone gets one too: a user who types a drive means its root, not the current
    // folder of that drive that "C:x.rec" would name.
    if (ordner.back() == '\\' || ordner.back() == '/') return ordner;
    return ordner + '\\';
}

std::string OrdnerTeil(const std::string& pfad) {
    const auto stelle = pfad.find_last_of("\\/:");
    return stelle == std::string::npos ? std::string() : pfad.substr(0, stelle + 1);
}

bool IstPosix() { return false; }

char Trenner() { return '\\'; }

std::string DateisystemWurzel() { return "C:\\"; }

}  // namespace plattform
