#pragma once
#include <optional>

#include "core/platform/programmstart.h"
#include "core/spiel/installation.h"

namespace spiel {

// How "DOW starten" starts an installation, the way it was found. A Steam install starts
// through Steam by its app id ("steam://rungameid/<id>"), but Winter Assault, which Steam
// cannot pick, starts as its own program. Everything else starts as the program in its
// folder: on POSIX "wine <program>" with the installation's WINEPREFIX (the Proton prefix
// for Winter Assault from Steam), on Windows the program itself. nullopt when the
// program needed (steam or flatpak, wine) is not on the PATH: then nothing is started.
std::optional<plattform::Startbefehl> SpielStartbefehl(const TInstallation& installation);

// Whether the installation starts through Steam.
bool StartetUeberSteam(const TInstallation& installation);

}  // namespace spiel
