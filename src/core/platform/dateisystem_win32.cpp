#include "core/platform/dateisystem.h"

#include <windows.h>

#include "core/platform/breit_win32.h"
#include "core/platform/dateistempel_win32.h"

namespace plattform {

Aufzaehlung AufzaehlenMitStempel(const std::string& muster) {
    Aufzaehlung liste;
    WIN32_FIND_DATAW daten;
    HANDLE suche = FindFirstFileW(Breit(muster).c_str(), &daten);
    if (suche == INVALID_HANDLE_VALUE) return liste;
    do {
        std::string name = Schmal(daten.cFileName);
        if (name == "." || name == "..") continue;
        liste.namen.push_back(std::move(name));
        liste.stempel.push_back(StempelAusFund(daten));
    } while (FindNextFileW(suche, &daten));
    FindClose(suche);
    return liste;
}

std::vector<std::string> Aufzaehlen(const std::string& muster) { return AufzaehlenMitStempel(muster).namen; }

std::int32_t LetzteAenderungFat(const std::string& pfad) {
    WIN32_FILE_ATTRIBUTE_DATA daten;
    if (!GetFileAttributesExW(Breit(pfad).c_str(), GetFileExInfoStandard, &daten)) return -1;
    if (daten.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
    FILETIME lokal;
    WORD datum = 0, zeit = 0;
    if (!FileTimeToLocalFileTime(&daten.ftLastWriteTime, &lokal)) return -1;
    // Fails outside the FAT years 1980..2107.
    if (!FileTimeToDosDateTime(&lokal, &datum, &zeit)) return -1;
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(datum) << 16) | zeit);
}

bool DateiExistiert(const std::string& pfad) {
    DWORD attribute = GetFileAttributesW(Breit(pfad).c_str());
    return attribute != INVALID_FILE_ATTRIBUTES && !(attribute & FILE_ATTRIBUTE_DIRECTORY);
}

bool VerzeichnisExistiert(const std::string& pfad) {
    DWORD attribute = GetFileAttributesW(Breit(pfad).c_str());
    return attribute != INVALID_FILE_ATTRIBUTES && (attribute & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace plattform
