#include "core/platform/ordnerzustand.h"

#include <windows.h>

#include "core/platform/breit_win32.h"

namespace plattform {

Ordnerzustand OrdnerZustand(const std::string& ordner) {
    std::wstring pfad = Breit(ordner);
    // "datei.rec\" names nothing at all; asked without its separator, a file says what
    // it is. A root ("C:\") keeps its own.
    while (pfad.size() > 1 && (pfad.back() == L'\\' || pfad.back() == L'/') && pfad[pfad.size() - 2] != L':')
        pfad.pop_back();
    const DWORD attribute = GetFileAttributesW(pfad.c_str());
    if (attribute == INVALID_FILE_ATTRIBUTES) {
        const DWORD fehler = GetLastError();
        return fehler == ERROR_FILE_NOT_FOUND || fehler == ERROR_PATH_NOT_FOUND || fehler == ERROR_INVALID_NAME ||
                       fehler == ERROR_BAD_NETPATH || fehler == ERROR_NOT_READY
                   ? Ordnerzustand::Fehlt
                   : Ordnerzustand::NichtLesbar;
    }
    if (!(attribute & FILE_ATTRIBUTE_DIRECTORY)) return Ordnerzustand::KeinOrdner;
    if (!pfad.empty() && pfad.back() != L'\\' && pfad.back() != L'/') pfad += L'\\';
    pfad += L'*';
    WIN32_FIND_DATAW daten;
    HANDLE suche = FindFirstFileW(pfad.c_str(), &daten);
    // Every folder but a drive's root lists "." at least; an empty root says so itself.
    if (suche == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND ? Ordnerzustand::Lesbar : Ordnerzustand::NichtLesbar;
    FindClose(suche);
    return Ordnerzustand::Lesbar;
}

}  // namespace plattform
