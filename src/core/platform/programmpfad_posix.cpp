#include "core/platform/programmpfad.h"

#include <unistd.h>

#include <vector>

namespace plattform {

std::string ProgrammPfad() {
    // readlink neither terminates nor says whether it truncated, so grow until it fits.
    std::vector<char> puffer(256);
    for (;;) {
        const ssize_t laenge = readlink("/proc/self/exe", puffer.data(), puffer.size());
        if (laenge < 0) return {};
        if (static_cast<std::size_t>(laenge) < puffer.size())
            return std::string(puffer.data(), static_cast<std::size_t>(laenge));
        puffer.resize(puffer.size() * 2);
    }
}

std::string VerzeichnisTeil(const std::string& pfad) { return VerzeichnisTeil(pfad, "/"); }

}  // namespace plattform
