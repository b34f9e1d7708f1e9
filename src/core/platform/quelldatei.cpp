#include "core/platform/quelldatei.h"

#include <algorithm>
#include <vector>

namespace plattform {

bool GleicherInhalt(const Lesbar& a, const Lesbar& b) {
    if (a.Groesse() != b.Groesse()) return false;
    constexpr std::size_t kBlock = 64 * 1024;
    std::vector<char> pa(kBlock), pb(kBlock);
    for (std::int64_t stelle = 0;;) {
        const std::int64_t na = a.Lesen(stelle, pa.data(), kBlock);
        const std::int64_t nb = b.Lesen(stelle, pb.data(), kBlock);
        // A file that grew or shrank while being read differs too.
        if (na < 0 || nb < 0 || na != nb) return false;
        if (na == 0) return true;
        if (!std::equal(pa.begin(), pa.begin() + na, pb.begin())) return false;
        stelle += na;
    }
}

}  // namespace plattform
