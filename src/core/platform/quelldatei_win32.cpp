#include "core/platform/quelldatei.h"

#include <windows.h>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/griff_win32.h"

namespace plattform {
namespace {

constexpr DWORD kAlleTeilen = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::int64_t Ticks(const LARGE_INTEGER& zeit) { return zeit.QuadPart; }

HANDLE H(std::intptr_t griff) { return reinterpret_cast<HANDLE>(griff); }

// Size, times, attributes and the file ID of an open handle; false for anything but a
// file on a disk.
bool ZustandAusGriff(HANDLE h, Dateizustand& z) {
    BY_HANDLE_FILE_INFORMATION info;
    FILE_BASIC_INFO basis;
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        !GetFileInformationByHandleEx(h, FileBasicInfo, &basis, sizeof basis))
        return false;
    z.geraet = info.dwVolumeSerialNumber;
    z.knoten = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    z.groesse = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    z.aenderung = Ticks(basis.LastWriteTime);
    z.wechsel = Ticks(basis.ChangeTime);
    z.art = info.dwFileAttributes;
    return true;
}

}  // namespace

bool Schreibgeschuetzt(const Dateizustand& zustand) { return (zustand.art & FILE_ATTRIBUTE_READONLY) != 0; }

Quelldatei::Quelldatei(std::intptr_t griff, std::string pfad, const Dateizustand& zustand)
    : griff_(griff), pfad_(std::move(pfad)), zustand_(zustand) {}

Quelldatei::~Quelldatei() { CloseHandle(H(griff_)); }

std::unique_ptr<Quelldatei> Quelldatei::Oeffnen(const std::string& pfad, bool* inBenutzung) {
    if (inBenutzung) *inBenutzung = false;
    if (SollFehlschlagen(Operation::Oeffnen)) return nullptr;
    // Shared in every way, so the game can still write, rename or delete its file while we
    // read it. A directory fails for want of FILE_FLAG_BACKUP_SEMANTICS.
    HANDLE h = CreateFileW(Breit(pfad).c_str(), GENERIC_READ, kAlleTeilen, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (inBenutzung) *inBenutzung = GetLastError() == ERROR_SHARING_VIOLATION;
        return nullptr;
    }
    Dateizustand zustand;
    if (!ZustandAusGriff(h, zustand)) {
        CloseHandle(h);
        return nullptr;
    }
    return std::unique_ptr<Quelldatei>(new Quelldatei(reinterpret_cast<std::intptr_t>(h), pfad, zustand));
}

Schreiber Quelldatei::Schreibend() const {
    if (SollFehlschlagen(Operation::Schreibtest)) return Schreiber::Unbekannt;
    // An open that does not share writing fails while anyone holds the file with write
    // access. It is closed at once, so it never keeps the game from opening its file.
    Griff probe(CreateFileW(Breit(pfad_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr));
    if (probe.Gueltig()) return Schreiber::Keiner;
    return GetLastError() == ERROR_SHARING_VIOLATION ? Schreiber::Da : Schreiber::Unbekannt;
}

std::int64_t Quelldatei::Lesen(std::int64_t stelle, void* puffer, std::size_t anzahl) const {
    // One pass through the file counts as one read for the fault plan.
    if (stelle == 0 && SollFehlschlagen(Operation::Lesen)) return -1;
    auto* ziel = static_cast<char*>(puffer);
    std::size_t gelesen = 0;
    while (gelesen < anzahl) {
        OVERLAPPED wo{};
        const std::uint64_t ab = static_cast<std::uint64_t>(stelle) + gelesen;
        wo.Offset = static_cast<DWORD>(ab);
        wo.OffsetHigh = static_cast<DWORD>(ab >> 32);
        const std::size_t rest = anzahl - gelesen;
        const DWORD teil = static_cast<DWORD>(rest < 0x40000000 ? rest : 0x40000000);
        DWORD n = 0;
        if (!ReadFile(H(griff_), ziel + gelesen, teil, &n, &wo)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            return -1;
        }
        if (n == 0) break;
        gelesen += n;
    }
    return static_cast<std::int64_t>(gelesen);
}

bool Quelldatei::Unveraendert() const {
    Dateizustand jetzt;
    return ZustandAusGriff(H(griff_), jetzt) && jetzt == zustand_;
}

bool ZustandLesen(const std::string& pfad, Dateizustand& zustand) {
    // No access rights are needed to read a file's state.
    Griff h(CreateFileW(Breit(pfad).c_str(), FILE_READ_ATTRIBUTES, kAlleTeilen, nullptr, OPEN_EXISTING, 0, nullptr));
    return h.Gueltig() && ZustandAusGriff(h.h(), zustand);
}

bool LoeschenWennUnveraendert(const std::string& pfad, const Dateizustand& zustand) {
    if (SollFehlschlagen(Operation::Loeschen)) return false;
    // The file is opened for deleting, checked, and deleted through that very handle, so
    // no other file can take its place in between. OPEN_REPARSE_POINT: a link now standing
    // at the name is not the file that was read.
    Griff h(CreateFileW(Breit(pfad).c_str(), DELETE | FILE_READ_ATTRIBUTES, kAlleTeilen, nullptr, OPEN_EXISTING,
                        FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    Dateizustand jetzt;
    if (!h.Gueltig() || !ZustandAusGriff(h.h(), jetzt) || !(jetzt == zustand)) return false;
    FILE_DISPOSITION_INFO loeschen{TRUE};
    return SetFileInformationByHandle(h.h(), FileDispositionInfo, &loeschen, sizeof loeschen) != 0;
}

}  // namespace plattform
