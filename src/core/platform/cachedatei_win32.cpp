#include "core/platform/cachedatei.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/griff_win32.h"
#include "core/platform/pfad.h"
#include "core/platform/tempdatei.h"

namespace plattform {

std::optional<std::vector<unsigned char>> CacheLesen(const std::string& pfad, std::size_t hoechstens) {
    Griff datei(CreateFileW(Breit(pfad).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER groesse;
    if (!datei.Gueltig() || GetFileType(datei.h()) != FILE_TYPE_DISK || !GetFileSizeEx(datei.h(), &groesse) ||
        groesse.QuadPart < 0 || static_cast<std::uint64_t>(groesse.QuadPart) > hoechstens)
        return std::nullopt;
    std::vector<unsigned char> inhalt(static_cast<std::size_t>(groesse.QuadPart));
    std::size_t gelesen = 0;
    while (gelesen < inhalt.size()) {
        DWORD n = 0;
        const std::size_t rest = inhalt.size() - gelesen;
        const DWORD teil = static_cast<DWORD>(rest < 0x40000000 ? rest : 0x40000000);
        if (!ReadFile(datei.h(), inhalt.data() + gelesen, teil, &n, nullptr) || n == 0) return std::nullopt;
        gelesen += n;
    }
    return inhalt;
}

bool CacheSchreiben(const std::string& pfad, const std::vector<unsigned char>& inhalt) {
    if (SollFehlschlagen(Operation::CacheSchreiben)) return false;
    const std::wstring ziel = Breit(pfad);
    const auto trenner = ziel.find_last_of(L"\\/");
    if (trenner != std::wstring::npos && trenner > 0) {
        std::error_code fehler;
        std::filesystem::create_directories(std::filesystem::path(ziel.substr(0, trenner)), fehler);
    }
    // A name of its own, made exclusively: two programs (or two threads) writing the same
    // index never share a file, and nothing already there is ever opened.
    const std::wstring temp = Breit(OrdnerTeil(pfad) + TempName());
    bool ok = true;
    {
        Griff datei(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!datei.Gueltig()) return false;
        std::size_t geschrieben = 0;
        while (ok && geschrieben < inhalt.size()) {
            DWORD n = 0;
            const std::size_t rest = inhalt.size() - geschrieben;
            const DWORD teil = static_cast<DWORD>(rest < 0x40000000 ? rest : 0x40000000);
            ok = WriteFile(datei.h(), inhalt.data() + geschrieben, teil, &n, nullptr) && n > 0;
            geschrieben += n;
        }
    }
    ok = ok && MoveFileExW(temp.c_str(), ziel.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (!ok) DeleteFileW(temp.c_str());
    return ok;
}

bool CacheAnhaengen(const std::string& pfad, const std::vector<unsigned char>& bytes) {
    if (SollFehlschlagen(Operation::CacheSchreiben)) return false;
    const std::string ordner = OrdnerTeil(pfad);
    if (!ordner.empty()) {
        std::error_code fehler;
        std::filesystem::create_directories(std::filesystem::path(Breit(ordner)), fehler);
    }
    // FILE_APPEND_DATA alone: every write goes to the end, whoever else appends.
    Griff datei(CreateFileW(Breit(pfad).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!datei.Gueltig()) return false;
    DWORD n = 0;
    return WriteFile(datei.h(), bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) && n == bytes.size();
}

std::optional<std::vector<unsigned char>> CacheNehmen(const std::string& pfad, std::size_t hoechstens) {
    const std::string genommen = OrdnerTeil(pfad) + TempName();
    if (!MoveFileExW(Breit(pfad).c_str(), Breit(genommen).c_str(), 0)) return std::nullopt;
    auto inhalt = CacheLesen(genommen, hoechstens);
    DeleteFileW(Breit(genommen).c_str());
    return inhalt;
}

}  // namespace plattform
