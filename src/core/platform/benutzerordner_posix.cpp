#include "core/platform/benutzerordner.h"

#include <unistd.h>

#include "core/platform/fehlerplan.h"
#include "core/platform/xdg_posix.h"

namespace plattform {

namespace {

// Our folder below an XDG base folder, ending with a separator.
std::string EigenerOrdner(const char* variable, const char* vorgabe) {
    const std::string basis = XdgOrdner(variable, HeimOrdner(), vorgabe);
    return basis.empty() ? "" : basis + "/quellarch/";
}

}  // namespace

std::string BenutzerConfigOrdner() { return EigenerOrdner("XDG_CONFIG_HOME", ".config"); }

std::string BenutzerCacheOrdner() { return EigenerOrdner("XDG_CACHE_HOME", ".cache"); }

bool OrdnerBeschreibbar(const std::string& ordner) {
    if (SollFehlschlagen(Operation::Beschreibbar)) return false;
    return !ordner.empty() && access(ordner.c_str(), W_OK | X_OK) == 0;
}

std::string VirtualStoreZwilling(const std::string&) { return {}; }

}  // namespace plattform
