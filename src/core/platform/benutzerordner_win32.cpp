#include "core/platform/benutzerordner.h"

#include <windows.h>

#include <string>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"

namespace plattform {

namespace {

std::string Umgebung(const wchar_t* variable) {
    // A profile may lie deeper than 260 characters where long paths are enabled.
    const DWORD noetig = GetEnvironmentVariableW(variable, nullptr, 0);
    if (noetig == 0) return {};
    std::wstring wert(noetig, L'\0');
    const DWORD laenge = GetEnvironmentVariableW(variable, wert.data(), noetig);
    if (laenge == 0 || laenge >= noetig) return {};
    wert.resize(laenge);
    return Schmal(wert);
}

std::string QuellarchIn(const wchar_t* variable) {
    const std::string ordner = Umgebung(variable);
    return ordner.empty() ? ordner : ordner + "\\Quellarch\\";
}

bool IstProgrammOrdner(std::string teil) {
    for (char& c : teil)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return teil == "program files" || teil == "program files (x86)";
}

}  // namespace

std::string BenutzerConfigOrdner() { return QuellarchIn(L"APPDATA"); }

std::string BenutzerCacheOrdner() { return QuellarchIn(L"LOCALAPPDATA"); }

std::string VirtualStoreZwilling(const std::string& ordner) {
    // "C:\Program Files (x86)\THQ\..." with either separator; a UNC path has no twin.
    if (ordner.size() < 3 || ordner[1] != ':' || (ordner[2] != '\\' && ordner[2] != '/')) return {};
    const std::size_t ende = ordner.find_first_of("\\/", 3);
    if (!IstProgrammOrdner(ordner.substr(3, ende == std::string::npos ? std::string::npos : ende - 3))) return {};
    const std::string lokal = Umgebung(L"LOCALAPPDATA");
    if (lokal.empty()) return {};
    std::string zwilling = lokal + "\\VirtualStore" + ordner.substr(2);
    for (char& c : zwilling)
        if (c == '/') c = '\\';
    if (zwilling.back() != '\\') zwilling += '\\';
    return zwilling;
}

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
