#include "platform/programmstart.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/breit_win32.h"

namespace plattform {

void ProgrammStarten(const std::string& datei, const std::string& arbeitsverzeichnis) {
    // The shell reports a failure in its own error box owned by the desktop, or not at all;
    // its result carries nothing the window would show.
    const std::wstring breitDatei = Breit(datei), breitOrdner = Breit(arbeitsverzeichnis);
    ShellExecuteW(nullptr, L"open", breitDatei.c_str(), nullptr,
                  arbeitsverzeichnis.empty() ? nullptr : breitOrdner.c_str(), SW_SHOWNORMAL);
}

}  // namespace plattform
