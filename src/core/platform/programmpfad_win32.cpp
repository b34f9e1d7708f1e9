#include "platform/programmpfad.h"

#include <windows.h>

#include <vector>

namespace plattform {

std::string ProgrammPfad() {
    // GetModuleFileNameA truncates silently when the buffer is full, so grow until the
    // path fits with room to spare.
    std::vector<char> puffer(MAX_PATH);
    for (;;) {
        const DWORD laenge = GetModuleFileNameA(nullptr, puffer.data(), static_cast<DWORD>(puffer.size()));
        if (laenge == 0) return {};
        if (laenge < puffer.size() - 1) return std::string(puffer.data(), laenge);
        if (puffer.size() >= 32768) return std::string(puffer.data(), laenge);
        puffer.resize(puffer.size() * 2);
    }
}

std::string VerzeichnisTeil(const std::string& pfad) { return VerzeichnisTeil(pfad, "\\:"); }

}  // namespace plattform
