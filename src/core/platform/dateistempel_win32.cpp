#include "core/platform/dateistempel.h"

#include <windows.h>

#include <utility>

#include "core/platform/breit_win32.h"
#include "core/platform/dateistempel_win32.h"
#include "core/platform/fehlerplan.h"

namespace plattform {
namespace {

std::int64_t Ticks(const FILETIME& zeit) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(zeit.dwHighDateTime) << 32) | zeit.dwLowDateTime);
}

Dateistempel Stempel(DWORD groesseHoch, DWORD groesseTief, const FILETIME& aenderung, const FILETIME& erstellung,
                     DWORD attribute) {
    Dateistempel s;
    s.groesse = static_cast<std::int64_t>((static_cast<std::uint64_t>(groesseHoch) << 32) | groesseTief);
    s.aenderung = Ticks(aenderung);
    s.status = Ticks(erstellung);
    s.art = attribute;
    return s;
}

}  // namespace

Dateistempel StempelAusInfo(const BY_HANDLE_FILE_INFORMATION& info) {
    return Stempel(info.nFileSizeHigh, info.nFileSizeLow, info.ftLastWriteTime, info.ftCreationTime,
                   info.dwFileAttributes);
}

Dateistempel StempelAusFund(const WIN32_FIND_DATAW& fund) {
    return Stempel(fund.nFileSizeHigh, fund.nFileSizeLow, fund.ftLastWriteTime, fund.ftCreationTime,
                   fund.dwFileAttributes);
}

std::optional<Dateistempel> StempelLesen(const std::string& pfad) {
    WIN32_FILE_ATTRIBUTE_DATA daten;
    if (!GetFileAttributesExW(Breit(pfad).c_str(), GetFileExInfoStandard, &daten)) return std::nullopt;
    return Stempel(daten.nFileSizeHigh, daten.nFileSizeLow, daten.ftLastWriteTime, daten.ftCreationTime,
                   daten.dwFileAttributes);
}

Ordnerstempel::Ordnerstempel(std::string ordner) : ordner_(std::move(ordner)) {}

Ordnerstempel::~Ordnerstempel() = default;

// The listing gives Windows its stamps; this is only the fallback for a name it missed.
std::optional<Dateistempel> Ordnerstempel::Lesen(const std::string& name) const { return StempelLesen(ordner_ + name); }

std::int32_t FatAusStempel(const Dateistempel& stempel) {
    FILETIME utc, lokal;
    utc.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(stempel.aenderung) & 0xFFFFFFFFu);
    utc.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(stempel.aenderung) >> 32);
    WORD datum = 0, zeit = 0;
    if (!FileTimeToLocalFileTime(&utc, &lokal)) return -1;
    // Fails outside the FAT years 1980..2107.
    if (!FileTimeToDosDateTime(&lokal, &datum, &zeit)) return -1;
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(datum) << 16) | zeit);
}

std::int64_t StempelZeitJetzt() {
    if (auto gestellt = GestellteUhr()) return *gestellt;
    FILETIME jetzt;
    GetSystemTimeAsFileTime(&jetzt);
    return Ticks(jetzt);
}

std::int64_t StempelProSekunde() { return 10000000; }

}  // namespace plattform
