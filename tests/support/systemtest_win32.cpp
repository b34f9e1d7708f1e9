#include "support/systemtest.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <stdexcept>

#include "core/platform/breit_win32.h"

namespace {

REGSAM Flagge(RegistrySicht sicht) { return sicht == RegistrySicht::Bit32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY; }
HKEY Wurzel(RegistryBereich bereich) { return bereich == RegistryBereich::Benutzer ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

}  // namespace

bool RegistrySchluesselVorhanden(const std::string& schluessel, RegistrySicht sicht, RegistryBereich bereich) {
    HKEY griff = nullptr;
    if (RegOpenKeyExA(Wurzel(bereich), schluessel.c_str(), 0, KEY_READ | Flagge(sicht), &griff) != ERROR_SUCCESS)
        return false;
    RegCloseKey(griff);
    return true;
}

bool RegistryWertSetzen(const std::string& schluessel, const std::string& wert, unsigned long typ,
                        const std::string& bytes, RegistrySicht sicht, RegistryBereich bereich) {
    HKEY griff = nullptr;
    LONG ergebnis = RegCreateKeyExA(Wurzel(bereich), schluessel.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_SET_VALUE | Flagge(sicht), nullptr, &griff, nullptr);
    if (ergebnis == ERROR_ACCESS_DENIED) return false;
    if (ergebnis != ERROR_SUCCESS) throw std::runtime_error("RegCreateKeyExA " + schluessel);
    ergebnis = RegSetValueExA(griff, wert.c_str(), 0, typ, reinterpret_cast<const BYTE*>(bytes.data()),
                              static_cast<DWORD>(bytes.size()));
    RegCloseKey(griff);
    if (ergebnis != ERROR_SUCCESS) throw std::runtime_error("RegSetValueExA " + wert);
    return true;
}

void RegistrySchluesselLoeschen(const std::string& schluessel, RegistrySicht sicht, RegistryBereich bereich) {
    HKEY griff = nullptr;
    LONG ergebnis =
        RegOpenKeyExA(Wurzel(bereich), schluessel.c_str(), 0, KEY_ALL_ACCESS | Flagge(sicht), &griff);
    if (ergebnis == ERROR_FILE_NOT_FOUND) return;
    if (ergebnis != ERROR_SUCCESS) throw std::runtime_error("RegOpenKeyExA " + schluessel);
    ergebnis = RegDeleteTreeA(griff, nullptr);
    RegCloseKey(griff);
    if (ergebnis == ERROR_SUCCESS) ergebnis = RegDeleteKeyExA(Wurzel(bereich), schluessel.c_str(), Flagge(sicht), 0);
    if (ergebnis != ERROR_SUCCESS && ergebnis != ERROR_FILE_NOT_FOUND)
        throw std::runtime_error("RegDeleteTreeA " + schluessel);
}

std::string WindowsUtf8AusUtf16(const std::u16string& text) {
    if (text.empty()) return {};
    const auto* quelle = reinterpret_cast<const wchar_t*>(text.data());
    const int laenge = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, quelle, laenge, nullptr, 0, nullptr, nullptr);
    if (n <= 0) throw std::runtime_error("WideCharToMultiByte");
    std::string ergebnis(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, quelle, laenge, ergebnis.data(), n, nullptr, nullptr);
    return ergebnis;
}

std::u16string WindowsUtf16AusAnsi(const std::string& text) {
    if (text.empty()) return {};
    const int laenge = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(1252, 0, text.data(), laenge, nullptr, 0);
    if (n <= 0) throw std::runtime_error("MultiByteToWideChar");
    std::u16string ergebnis(static_cast<std::size_t>(n), u'\0');
    MultiByteToWideChar(1252, 0, text.data(), laenge, reinterpret_cast<wchar_t*>(ergebnis.data()), n);
    return ergebnis;
}

std::shared_ptr<void> OhneTeilenOeffnen(const std::string& pfad) {
    HANDLE h = CreateFileW(plattform::Breit(pfad).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + pfad);
    return std::shared_ptr<void>(h, [](void* g) { CloseHandle(g); });
}

std::pair<std::FILE*, std::FILE*> WindowsRohr() {
    int enden[2];
    if (_pipe(enden, 1 << 16, _O_BINARY) != 0) throw std::runtime_error("_pipe");
    return {_fdopen(enden[1], "wb"), _fdopen(enden[0], "rb")};
}

namespace {
HANDLE Griff(std::FILE* datei) { return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(datei))); }
}  // namespace

namespace {
HANDLE KonsolenAusgabe() {
    HANDLE h = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    DWORD modus = 0;
    if (h != INVALID_HANDLE_VALUE && !GetConsoleMode(h, &modus)) {
        CloseHandle(h);
        h = INVALID_HANDLE_VALUE;
    }
    return h;
}
}  // namespace

std::FILE* WindowsKonsole(unsigned codepage) {
    HANDLE h = KonsolenAusgabe();
    // Wine started from a pipe gives a console that takes no text; a console of its own does.
    if (h == INVALID_HANDLE_VALUE) {
        FreeConsole();
        if (AllocConsole()) h = KonsolenAusgabe();
    }
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    SetConsoleOutputCP(codepage);
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
    return fd < 0 ? nullptr : _fdopen(fd, "wb");
}

int WindowsKonsolenZeile(std::FILE* konsole) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(Griff(konsole), &info)) throw std::runtime_error("GetConsoleScreenBufferInfo");
    return info.dwCursorPosition.Y;
}

std::u16string WindowsKonsolenText(std::FILE* konsole, int zeile, std::size_t anzahl) {
    std::u16string text(anzahl, u'\0');
    DWORD gelesen = 0;
    if (!ReadConsoleOutputCharacterW(Griff(konsole), reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(anzahl),
                                     COORD{0, static_cast<SHORT>(zeile)}, &gelesen))
        throw std::runtime_error("ReadConsoleOutputCharacterW");
    text.resize(gelesen);
    return text;
}

std::string WindowsManifest(const std::string& pfad) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, pfad.c_str(), -1, nullptr, 0);
    std::wstring breit(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, pfad.c_str(), -1, breit.data(), n);
    HMODULE programm = LoadLibraryExW(breit.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!programm) throw std::runtime_error("LoadLibraryExW " + pfad);
    std::string text;
    if (HRSRC eintrag = FindResourceW(programm, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        HGLOBAL daten = LoadResource(programm, eintrag);
        const void* anfang = daten ? LockResource(daten) : nullptr;
        if (anfang) text.assign(static_cast<const char*>(anfang), SizeofResource(programm, eintrag));
    }
    FreeLibrary(programm);
    return text;
}

namespace {
std::wstring BreitUtf8(const std::string& text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring breit(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), breit.data(), n);
    return breit;
}
}  // namespace

WindowsLauf WindowsCmd(const std::string& zeile) {
    SECURITY_ATTRIBUTES erben{sizeof erben, nullptr, TRUE};
    HANDLE lesen = nullptr, schreiben = nullptr;
    if (!CreatePipe(&lesen, &schreiben, &erben, 0)) throw std::runtime_error("CreatePipe");
    SetHandleInformation(lesen, HANDLE_FLAG_INHERIT, 0);
    HANDLE nichts = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &erben, OPEN_EXISTING, 0,
                                nullptr);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = nichts;
    start.hStdOutput = schreiben;
    start.hStdError = schreiben;
    std::wstring befehl = L"cmd.exe /s /c \"" + BreitUtf8(zeile) + L"\"";
    PROCESS_INFORMATION prozess{};
    const BOOL gestartet = CreateProcessW(nullptr, befehl.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                          nullptr, &start, &prozess);
    CloseHandle(schreiben);
    CloseHandle(nichts);
    if (!gestartet) {
        CloseHandle(lesen);
        throw std::runtime_error("CreateProcessW cmd.exe");
    }
    WindowsLauf lauf{-1, {}};
    char puffer[4096];
    DWORD n = 0;
    while (ReadFile(lesen, puffer, sizeof puffer, &n, nullptr) && n > 0) lauf.ausgabe.append(puffer, n);
    CloseHandle(lesen);
    WaitForSingleObject(prozess.hProcess, INFINITE);
    DWORD status = 0;
    if (GetExitCodeProcess(prozess.hProcess, &status)) lauf.status = static_cast<int>(status);
    CloseHandle(prozess.hThread);
    CloseHandle(prozess.hProcess);
    return lauf;
}
