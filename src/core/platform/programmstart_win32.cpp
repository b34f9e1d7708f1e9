#include "platform/programmstart.h"

#include <windows.h>
#include <shellapi.h>

namespace plattform {

void ProgrammStarten(const std::string& datei, const std::string& arbeitsverzeichnis) {
    // The shell reports a failure in its own error box owned by the desktop, or not at all;
    // its result carries nothing the window would show.
    ShellExecuteA(nullptr, "open", datei.c_str(), nullptr,
                  arbeitsverzeichnis.empty() ? nullptr : arbeitsverzeichnis.c_str(), SW_SHOWNORMAL);
}

}  // namespace plattform
