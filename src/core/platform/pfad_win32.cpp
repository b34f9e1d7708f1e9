#include "core/platform/pfad.h"

namespace plattform {

std::string DateiTeil(const std::string& pfad) {
    // "C:a.rec" names a.rec in the current folder of drive C.
    const auto stelle = pfad.find_last_of("\\/:");
    return stelle == std::string::npos ? pfad : pfad.substr(stelle + 1);
}

bool IstPosix() { return false; }

char Trenner() { return '\\'; }

std::string DateisystemWurzel() { return "C:\\"; }

}  // namespace plattform
