#include "platform/benutzerordner.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/fehlerplan.h"

namespace plattform {

namespace {

// Our folder below an XDG base directory: the variable when it is set, else its default
// below the home folder. XDG takes only absolute paths; a relative one counts as unset.
std::string XdgOrdner(const char* variable, const char* standardUnterHome) {
    const char* xdg = std::getenv(variable);
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/quellarch/";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + standardUnterHome + "/quellarch/";
    return {};
}

}  // namespace

std::string BenutzerConfigOrdner() { return XdgOrdner("XDG_CONFIG_HOME", "/.config"); }

std::string BenutzerCacheOrdner() { return XdgOrdner("XDG_CACHE_HOME", "/.cache"); }

bool OrdnerBeschreibbar(const std::string& ordner) {
    if (SollFehlschlagen(Operation::Beschreibbar)) return false;
    return !ordner.empty() && access(ordner.c_str(), W_OK | X_OK) == 0;
}

}  // namespace plattform
