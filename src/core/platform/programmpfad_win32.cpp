#include "core/platform/programmpfad.h"

#include <windows.h>

#include <vector>

#include "core/platform/breit_win32.h"

namespace plattform {

std::string ProgrammPfad() {
    // GetModuleFileNameW truncates silently when the buffer is full, so grow until the
    // path fits with room to spare.
    std::vector<wchar_t> puffer(MAX_PATH);
    for (;;) {
        const DWORD laenge = GetModuleFileNameW(nullptr, puffer.data(), static_cast<DWORD>(puffer.size()));
        if (laenge == 0) return {};
        if (laenge < puffer.size() - 1 || puffer.size() >= 32768)
            return Schmal(std::wstring_view(puffer.data(), laenge));
        puffer.resize(puffer.size() * 2);
    }
}

std::string VerzeichnisTeil(const std::string& pfad) { return VerzeichnisTeil(pfad, "\\:"); }

}  // namespace plattform
