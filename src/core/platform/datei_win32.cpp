#include "core/platform/datei.h"

#include <windows.h>

#include "core/fehler.h"
#include "core/platform/breit_win32.h"
#include "core/platform/dateistempel_win32.h"
#include "core/platform/fehlerplan.h"

namespace plattform {
namespace {

[[noreturn]] void Melden(TFehlerart art) { throw Fehler(art); }

[[noreturn]] void LesefehlerMelden() { Melden(TFehlerart::Lesefehler); }

[[noreturn]] void SchreibfehlerMelden(DWORD fehler) {
    Melden(fehler == ERROR_DISK_FULL || fehler == ERROR_HANDLE_DISK_FULL ? TFehlerart::DatentraegerVoll
                                                                         : TFehlerart::Schreibfehler);
}

HANDLE H(std::intptr_t griff) { return reinterpret_cast<HANDLE>(griff); }

std::intptr_t Griff(HANDLE h) { return reinterpret_cast<std::intptr_t>(h); }

// ReadFile and WriteFile take at most a DWORD per call.
constexpr std::size_t kHoechstensProAufruf = 0x40000000;

}  // namespace

Datei::Datei(std::intptr_t griff, std::string pfad) : griff_(griff), pfad_(std::move(pfad)) {}

Datei::~Datei() {
    if (offen_) CloseHandle(H(griff_));
}

std::unique_ptr<Datei> Datei::OeffnenLesen(const std::string& pfad) {
    if (SollFehlschlagen(Operation::Oeffnen)) return nullptr;
    // Shared in every way: the game may write, rename or delete its file while we read it.
    // A directory fails for want of FILE_FLAG_BACKUP_SEMANTICS.
    HANDLE h = CreateFileW(Breit(pfad).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        CloseHandle(h);
        return nullptr;
    }
    std::unique_ptr<Datei> datei(new Datei(Griff(h), pfad));
    datei->merkerGueltig_ = true;
    datei->merker_ = StempelAusInfo(info);
    return datei;
}

std::unique_ptr<Datei> Datei::Erzeugen(const std::string& pfad) {
    if (SollFehlschlagen(Operation::Erzeugen)) return nullptr;
    // CREATE_ALWAYS would truncate a read-only file under Wine running as root before any
    // check on the handle could refuse it; Windows itself refuses with access denied.
    const std::wstring breit = Breit(pfad);
    const DWORD attribute = GetFileAttributesW(breit.c_str());
    if (attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_READONLY)) return nullptr;
    HANDLE h = CreateFileW(breit.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::unique_ptr<Datei>(new Datei(Griff(h), pfad));
}

void Datei::Positionieren(std::int64_t position) {
    LARGE_INTEGER ziel;
    ziel.QuadPart = position;
    if (position < 0 || !SetFilePointerEx(H(griff_), ziel, nullptr, FILE_BEGIN))
        Melden(TFehlerart::PositionAusserhalb);
}

std::size_t Datei::LeseBlock(void* puffer, std::size_t anzahl) {
    if (SollFehlschlagen(Operation::Lesen)) LesefehlerMelden();
    auto* ziel = static_cast<char*>(puffer);
    std::size_t gelesen = 0;
    while (gelesen < anzahl) {
        std::size_t rest = anzahl - gelesen;
        DWORD teil = static_cast<DWORD>(rest < kHoechstensProAufruf ? rest : kHoechstensProAufruf);
        DWORD n = 0;
        if (!ReadFile(H(griff_), ziel + gelesen, teil, &n, nullptr)) LesefehlerMelden();
        if (n == 0) break;
        gelesen += n;
    }
    return gelesen;
}

void Datei::Schreibe(const void* puffer, std::size_t anzahl) {
    merkerGueltig_ = false;
    if (SollFehlschlagen(Operation::Schreiben)) SchreibfehlerMelden(ERROR_DISK_FULL);
    const auto* quelle = static_cast<const char*>(puffer);
    std::size_t geschrieben = 0;
    while (geschrieben < anzahl) {
        std::size_t rest = anzahl - geschrieben;
        DWORD teil = static_cast<DWORD>(rest < kHoechstensProAufruf ? rest : kHoechstensProAufruf);
        DWORD n = 0;
        if (!WriteFile(H(griff_), quelle + geschrieben, teil, &n, nullptr)) SchreibfehlerMelden(GetLastError());
        if (n == 0) SchreibfehlerMelden(ERROR_DISK_FULL);
        geschrieben += n;
    }
}

void Datei::Flush() {
    if (SollFehlschlagen(Operation::Flush) || !FlushFileBuffers(H(griff_)))
        Melden(TFehlerart::Sichern);
}

std::int64_t Datei::Groesse() {
    if (merkerGueltig_) return merker_.groesse;
    LARGE_INTEGER groesse;
    if (!GetFileSizeEx(H(griff_), &groesse)) LesefehlerMelden();
    return groesse.QuadPart;
}

std::int32_t Datei::LetzteAenderungFat() {
    if (merkerGueltig_) return FatAusStempel(merker_);
    FILETIME utc, lokal;
    WORD datum = 0, zeit = 0;
    if (!GetFileTime(H(griff_), nullptr, nullptr, &utc)) return -1;
    if (!FileTimeToLocalFileTime(&utc, &lokal)) return -1;
    // Fails outside the FAT years 1980..2107.
    if (!FileTimeToDosDateTime(&lokal, &datum, &zeit)) return -1;
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(datum) << 16) | zeit);
}

void Datei::Schliessen() {
    if (!offen_) return;
    offen_ = false;
    bool geplant = SollFehlschlagen(Operation::Schliessen);
    BOOL ok = CloseHandle(H(griff_));
    if (geplant || !ok) Melden(TFehlerart::Schliessen);
}

}  // namespace plattform
