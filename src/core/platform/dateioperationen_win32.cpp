#include "core/platform/dateioperationen.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/griff_win32.h"

namespace plattform {
namespace {

// A disk file for reading that the game may be writing meanwhile. A directory fails
// for want of FILE_FLAG_BACKUP_SEMANTICS, a pipe or device on the type test.
HANDLE LesendOeffnen(const std::string& pfad) {
    HANDLE h = CreateFileW(Breit(pfad).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_DISK) {
        CloseHandle(h);
        return INVALID_HANDLE_VALUE;
    }
    return h;
}

// Reads up to anzahl bytes; -1 on a read error, 0 at the end of the file.
long Lesen(HANDLE h, char* puffer, DWORD anzahl) {
    DWORD gelesen = 0;
    while (gelesen < anzahl) {
        DWORD n = 0;
        if (!ReadFile(h, puffer + gelesen, anzahl - gelesen, &n, nullptr)) return -1;
        if (n == 0) break;
        gelesen += n;
    }
    return static_cast<long>(gelesen);
}

constexpr DWORD kBlock = 64 * 1024;

}  // namespace

bool Kopieren(const std::string& quelle, const std::string& ziel) {
    if (SollFehlschlagen(Operation::Kopieren)) return false;
    // TRUE: fail when the target exists. CopyFileW keeps the attributes and the
    // last-write time itself.
    return CopyFileW(Breit(quelle).c_str(), Breit(ziel).c_str(), TRUE) != 0;
}

bool Loeschen(const std::string& pfad) {
    if (SollFehlschlagen(Operation::Loeschen)) return false;
    return DeleteFileW(Breit(pfad).c_str()) != 0;
}

bool GleicherInhalt(const std::string& a, const std::string& b) {
    if (SollFehlschlagen(Operation::Lesen)) return false;
    Griff fa(LesendOeffnen(a));
    if (!fa.Gueltig()) return false;
    Griff fb(LesendOeffnen(b));
    if (!fb.Gueltig()) return false;
    LARGE_INTEGER ga, gb;
    if (!GetFileSizeEx(fa.h(), &ga) || !GetFileSizeEx(fb.h(), &gb) || ga.QuadPart != gb.QuadPart) return false;
    std::vector<char> pa(kBlock), pb(kBlock);
    for (;;) {
        long na = Lesen(fa.h(), pa.data(), kBlock);
        long nb = Lesen(fb.h(), pb.data(), kBlock);
        // A file that grew or shrank while being read differs too.
        if (na < 0 || nb < 0 || na != nb) return false;
        if (na == 0) return true;
        if (!std::equal(pa.begin(), pa.begin() + na, pb.begin())) return false;
    }
}

bool GleicheDatei(const std::string& a, const std::string& b) {
    // No access rights are needed to read the identity; BACKUP_SEMANTICS lets folders
    // open too, so the test also works for whole folders.
    auto oeffnen = [](const std::string& pfad) {
        return CreateFileW(Breit(pfad).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    };
    Griff fa(oeffnen(a));
    if (!fa.Gueltig()) return false;
    Griff fb(oeffnen(b));
    if (!fb.Gueltig()) return false;
    BY_HANDLE_FILE_INFORMATION ia, ib;
    if (!GetFileInformationByHandle(fa.h(), &ia) || !GetFileInformationByHandle(fb.h(), &ib)) return false;
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}

bool NameBelegt(const std::string& pfad) { return GetFileAttributesW(Breit(pfad).c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace plattform
