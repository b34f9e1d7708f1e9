#include "platform/benutzerordner.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/fehlerplan.h"

namespace plattform {

std::string BenutzerConfigOrdner() {
    // XDG takes only an absolute XDG_CONFIG_HOME; a relative one counts as unset.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/quellarch/";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.config/quellarch/";
    return {};
}

std::string BenutzerCacheOrdner() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/quellarch/";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.cache/quellarch/";
    return {};
}

bool OrdnerBeschreibbar(const std::string& ordner) {
    if (SollFehlschlagen(Operation::Beschreibbar)) return false;
    return !ordner.empty() && access(ordner.c_str(), W_OK | X_OK) == 0;
}

}  // namespace plattform
