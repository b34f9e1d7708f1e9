#include "core/spiel/startbefehl.h"

namespace spiel {

std::optional<plattform::Startbefehl> SpielStartbefehl(const TInstallation& installation) {
    // The shell hands the address to Steam, which starts the game with its overlay and
    // its own launch options.
    if (StartetUeberSteam(installation))
        return plattform::Startbefehl{{"steam://rungameid/" + installation.SteamAppId}, "", ""};
    return plattform::Startbefehl{{installation.Ordner + installation.Programm}, installation.Ordner, ""};
}

}  // namespace spiel
