#include "core/platform/ersetzen.h"

#include <windows.h>

#include "core/platform/breit_win32.h"
#include "core/platform/fehlerplan.h"

namespace plattform {

bool Ersetzen(const std::string& neu, const std::string& ziel) {
    if (SollFehlschlagen(Operation::Ersetzen)) return false;
    // ReplaceFile keeps the replaced file's attributes and security and swaps the two
    // in one step.
    const std::wstring breitNeu = Breit(neu), breitZiel = Breit(ziel);
    if (ReplaceFileW(breitZiel.c_str(), breitNeu.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return true;
    // Some file systems (FAT, many network shares) do not support it, and after
    // ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 the old file has already left its name: in
    // both cases a plain move over the name still puts the new content in place.
    return MoveFileExW(breitNeu.c_str(), breitZiel.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace plattform
