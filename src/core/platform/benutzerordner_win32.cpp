#include "core/platform/benutzerordner.h"

#include <windows.h>

#include <string>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"

namespace plattform {

namespace {

std::string QuellarchIn(const wchar_t* variable) {
    // A profile may lie deeper than 260 characters where long paths are enabled.
    const DWORD noetig = GetEnvironmentVariableW(variable, nullptr, 0);
    if (noetig == 0) return {};
    std::wstring ordner(noetig, L'\0');
    const DWORD laenge = GetEnvironmentVariableW(variable, ordner.data(), noetig);
    if (laenge == 0 || laenge >= noetig) return {};
    ordner.resize(laenge);
    return Schmal(ordner) + "\\Quellarch\\";
}

}  // namespace

std::string BenutzerConfigOrdner() { return QuellarchIn(L"APPDATA"); }

std::string BenutzerCacheOrdner() { return QuellarchIn(L"LOCALAPPDATA"); }

bool OrdnerBeschreibbar(const std::string& ordner) {
    if (SollFehlschlagen(Operation::Beschreibbar)) return false;
    if (ordner.empty()) return false;
    // Windows' rights on Program Files show only when a file is really made: a probe that
    // the system deletes itself once it is closed.
    std::string probe = ordner;
    if (probe.back() != '\\' && probe.back() != '/') probe += '\\';
    probe += "quellarch-schreibprobe.tmp";
    HANDLE h = CreateFileW(Breit(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

}  // namespace plattform
