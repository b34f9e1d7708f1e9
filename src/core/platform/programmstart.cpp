#include "core/platform/programmstart.h"

namespace plattform {

void SpielStarten(const std::string& dowVerzeichnis, const Spielfund& fund) {
    if (const auto befehl = SpielStartbefehl(dowVerzeichnis, fund)) ProgrammStarten(*befehl);
}

}  // namespace plattform
