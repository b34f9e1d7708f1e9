#include "platform/benutzerordner.h"

#include <windows.h>

#include "platform/fehlerplan.h"

namespace plattform {

std::string BenutzerConfigOrdner() {
    char ordner[MAX_PATH];
    const DWORD laenge = GetEnvironmentVariableA("APPDATA", ordner, sizeof ordner);
    if (laenge == 0 || laenge >= sizeof ordner) return {};
    return std::string(ordner, laenge) + "\\Quellarch\\";
}

bool OrdnerBeschreibbar(const std::string& ordner) {
    if (SollFehlschlagen(Operation::Beschreibbar)) return false;
    if (ordner.empty()) return false;
    // Windows' rights on Program Files show only when a file is really made: a probe that
    // the system deletes itself once it is closed.
    std::string probe = ordner;
    if (probe.back() != '\\' && probe.back() != '/') probe += '\\';
    probe += "quellarch-schreibprobe.tmp";
    HANDLE h = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

}  // namespace plattform
