#include "core/platform/fehlerplan.h"

#include <array>

namespace plattform {
namespace {
// Single-threaded by design: the program runs every command on the UI thread.
struct Plan {
    std::array<int, static_cast<int>(Operation::Anzahl_)> ziel{};
    std::array<int, static_cast<int>(Operation::Anzahl_)> gezaehlt{};
};
Plan& plan() {
    static Plan p;
    return p;
}
}  // namespace

void FehlerEinplanen(Operation op, int nterAufruf) {
    auto i = static_cast<int>(op);
    plan().ziel[i] = nterAufruf;
    plan().gezaehlt[i] = 0;
}

void FehlerplanLeeren() { plan() = Plan{}; }

bool SollFehlschlagen(Operation op) {
    auto i = static_cast<int>(op);
    Plan& p = plan();
    if (p.ziel[i] == 0) return false;
    return ++p.gezaehlt[i] == p.ziel[i];
}

bool FehlerGeplant() {
    for (int i = 0; i < static_cast<int>(Operation::Anzahl_); ++i)
        if (i != static_cast<int>(Operation::FadenStarten) && plan().ziel[i] != 0) return true;
    return false;
}

}  // namespace plattform
