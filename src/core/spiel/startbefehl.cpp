#include "core/spiel/startbefehl.h"

namespace spiel {

bool StartetUeberSteam(const TInstallation& installation) {
    return !installation.SteamAppId.empty() && installation.Edition != TEdition::WinterAssault;
}

}  // namespace spiel
