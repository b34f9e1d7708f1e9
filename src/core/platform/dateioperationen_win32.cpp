#include "core/platform/dateioperationen.h"

#include <windows.h>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/griff_win32.h"

namespace plattform {

bool Loeschen(const std::string& pfad) {
    if (SollFehlschlagen(Operation::Loeschen)) return false;
    return DeleteFileW(Breit(pfad).c_str()) != 0;
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

bool GenauSoGeschrieben(const std::string& pfad) {
    const std::wstring breit = Breit(pfad);
    // Windows names hold neither '*' nor '?': the name is no pattern, and the one entry
    // found is the file under the spelling its folder keeps.
    if (breit.find_first_of(L"*?") != std::wstring::npos) return false;
    WIN32_FIND_DATAW fund;
    const HANDLE suche = FindFirstFileW(breit.c_str(), &fund);
    if (suche == INVALID_HANDLE_VALUE) return false;
    FindClose(suche);
    const std::size_t trenner = breit.find_last_of(L"\\/");
    return breit.compare(trenner == std::wstring::npos ? 0 : trenner + 1, std::wstring::npos, fund.cFileName) == 0;
}

}  // namespace plattform
