#include "core/platform/programmstart.h"

#include <windows.h>
#include <shellapi.h>

#include "core/platform/breit_win32.h"

namespace plattform {
namespace {

// The system's own text for an error code, in the system's language, without the line
// end FormatMessage puts after it.
std::string SystemText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD laenge = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring grund = laenge > 0 && text ? std::wstring(text, laenge) : std::wstring();
    if (text) LocalFree(text);
    while (!grund.empty() && (grund.back() == L'\r' || grund.back() == L'\n' || grund.back() == L' ')) grund.pop_back();
    if (grund.empty()) grund = L"Fehler " + std::to_wstring(code);
    return Schmal(grund);
}

}  // namespace

std::string AufPfadSuchen(const std::string&) { return {}; }

std::optional<Startfehler> ProgrammStarten(const Startbefehl& befehl) {
    if (befehl.Argumente.empty()) return std::nullopt;
    // The shell, not CreateProcess: it asks for elevation where the program's manifest or
    // its compatibility settings want it, as a double click in Explorer does.
    const std::wstring breitDatei = Breit(befehl.Argumente[0]), breitOrdner = Breit(befehl.Arbeitsverzeichnis);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // No error box of the shell's own, and the result known before the call returns.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = breitDatei.c_str();
    info.lpDirectory = befehl.Arbeitsverzeichnis.empty() ? nullptr : breitOrdner.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info)) return std::nullopt;
    const DWORD code = GetLastError();
    // The user said no to the elevation prompt: nothing to tell.
    if (code == ERROR_CANCELLED) return std::nullopt;
    return Startfehler{befehl.Argumente[0], SystemText(code != ERROR_SUCCESS ? code : ERROR_FILE_NOT_FOUND)};
}

}  // namespace plattform
