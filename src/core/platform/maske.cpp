#include "core/platform/maske.h"

namespace plattform {
namespace {

char Klein(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool PasstZuMaske(const std::string& name, const std::string& maske) {
    if (maske == "*.*") return true;
    // Greedy match that falls back to the last '*' seen: linear in practice and never
    // exponential, whatever the mask.
    std::size_t n = 0, m = 0;
    std::size_t sternM = std::string::npos, sternN = 0;
    while (n < name.size()) {
        if (m < maske.size() && maske[m] == '*') {
            sternM = m++;
            sternN = n;
        } else if (m < maske.size() && (maske[m] == '?' || Klein(maske[m]) == Klein(name[n]))) {
            ++m;
            ++n;
        } else if (sternM != std::string::npos) {
            m = sternM + 1;
            n = ++sternN;
        } else {
            return false;
        }
    }
    while (m < maske.size() && maske[m] == '*') ++m;
    return m == maske.size();
}

}  // namespace plattform
