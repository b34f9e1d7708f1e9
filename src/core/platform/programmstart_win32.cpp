#include "core/platform/programmstart.h"

#include <windows.h>
#include <shellapi.h>

#include "core/platform/breit_win32.h"

namespace plattform {

std::optional<Startbefehl> SpielStartbefehl(const std::string& dowVerzeichnis, const Spielfund&) {
    return Startbefehl{{dowVerzeichnis + "W40k.exe"}, dowVerzeichnis, ""};
}

void ProgrammStarten(const Startbefehl& befehl) {
    if (befehl.Argumente.empty()) return;
    // The shell reports a failure in its own error box owned by the desktop, or not at all;
    // its result carries nothing the window would show.
    const std::wstring breitDatei = Breit(befehl.Argumente[0]), breitOrdner = Breit(befehl.Arbeitsverzeichnis);
    ShellExecuteW(nullptr, L"open", breitDatei.c_str(), nullptr,
                  befehl.Arbeitsverzeichnis.empty() ? nullptr : breitOrdner.c_str(), SW_SHOWNORMAL);
}

}  // namespace plattform
