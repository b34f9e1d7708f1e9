#include "platform/pfad.h"

namespace plattform {

std::string NativerPfad(const std::string& pfad) { return pfad; }

bool IstPosix() { return false; }

char Trenner() { return '\\'; }

std::string DateisystemWurzel() { return "C:\\"; }

}  // namespace plattform
