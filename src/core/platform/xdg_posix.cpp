#include "core/platform/xdg_posix.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace plattform {

std::string HeimOrdner() {
    const char* heim = std::getenv("HOME");
    if (heim != nullptr && heim[0] == '/') return heim;
    const passwd* benutzer = getpwuid(getuid());
    return benutzer != nullptr && benutzer->pw_dir != nullptr ? benutzer->pw_dir : "";
}

std::string XdgOrdner(const char* variable, const std::string& heim, const char* vorgabe) {
    const char* wert = std::getenv(variable);
    if (wert != nullptr && wert[0] == '/') return wert;
    return heim.empty() ? "" : heim + "/" + vorgabe;
}

}  // namespace plattform
