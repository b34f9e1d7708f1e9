#include "core/platform/programmstart.h"

namespace plattform {

std::optional<Startfehler> SpielStarten(const std::string& dowVerzeichnis, const Spielfund& fund) {
    if (const auto befehl = SpielStartbefehl(dowVerzeichnis, fund)) return ProgrammStarten(*befehl);
    return std::nullopt;
}

}  // namespace plattform
