#include "support/systemtest.h"

#include <windows.h>

#include <stdexcept>

#include "core/platform/breit_win32.h"

namespace {

REGSAM Flagge(RegistrySicht sicht) { return sicht == RegistrySicht::Bit32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY; }

}  // namespace

bool RegistrySchluesselVorhanden(const std::string& schluessel, RegistrySicht sicht) {
    HKEY griff = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, schluessel.c_str(), 0, KEY_READ | Flagge(sicht), &griff) != ERROR_SUCCESS)
        return false;
    RegCloseKey(griff);
    return true;
}

bool RegistryWertSetzen(const std::string& schluessel, const std::string& wert, unsigned long typ,
                        const std::string& bytes, RegistrySicht sicht) {
    HKEY griff = nullptr;
    LONG ergebnis = RegCreateKeyExA(HKEY_LOCAL_MACHINE, schluessel.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_SET_VALUE | Flagge(sicht), nullptr, &griff, nullptr);
    if (ergebnis == ERROR_ACCESS_DENIED) return false;
    if (ergebnis != ERROR_SUCCESS) throw std::runtime_error("RegCreateKeyExA " + schluessel);
    ergebnis = RegSetValueExA(griff, wert.c_str(), 0, typ, reinterpret_cast<const BYTE*>(bytes.data()),
                              static_cast<DWORD>(bytes.size()));
    RegCloseKey(griff);
    if (ergebnis != ERROR_SUCCESS) throw std::runtime_error("RegSetValueExA " + wert);
    return true;
}

void RegistrySchluesselLoeschen(const std::string& schluessel, RegistrySicht sicht) {
    HKEY griff = nullptr;
    LONG ergebnis =
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, schluessel.c_str(), 0, KEY_ALL_ACCESS | Flagge(sicht), &griff);
    if (ergebnis == ERROR_FILE_NOT_FOUND) return;
    if (ergebnis != ERROR_SUCCESS) throw std::runtime_error("RegOpenKeyExA " + schluessel);
    ergebnis = RegDeleteTreeA(griff, nullptr);
    RegCloseKey(griff);
    if (ergebnis == ERROR_SUCCESS) ergebnis = RegDeleteKeyExA(HKEY_LOCAL_MACHINE, schluessel.c_str(), Flagge(sicht), 0);
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
