#include "core/platform/fehlerplan.h"

#include <array>
#include <utility>

namespace plattform {
namespace {

constexpr int kJederAufruf = -1;

struct Plan {
    int fehlerBei = 0, fehlerGezaehlt = 0;
    int aktionBei = 0, aktionGezaehlt = 0;
    std::function<void()> aktion;
};

// Single-threaded by design: the program runs every command on one thread, and the scan
// stays on one while anything is planned.
std::array<Plan, static_cast<int>(Operation::Anzahl_)>& Plaene() {
    static std::array<Plan, static_cast<int>(Operation::Anzahl_)> plaene;
    return plaene;
}

std::optional<std::int64_t>& Uhr() {
    static std::optional<std::int64_t> uhr;
    return uhr;
}

}  // namespace

void FehlerEinplanen(Operation op, int nterAufruf) {
    Plan& p = Plaene()[static_cast<int>(op)];
    p.fehlerBei = nterAufruf;
    p.fehlerGezaehlt = 0;
}

void FehlerDauerhaftEinplanen(Operation op) { FehlerEinplanen(op, kJederAufruf); }

void AktionEinplanen(Operation op, int nterAufruf, std::function<void()> aktion) {
    Plan& p = Plaene()[static_cast<int>(op)];
    p.aktionBei = nterAufruf;
    p.aktionGezaehlt = 0;
    p.aktion = std::move(aktion);
}

void FehlerplanLeeren() {
    Plaene() = {};
    Uhr().reset();
}

bool SollFehlschlagen(Operation op) {
    Plan& p = Plaene()[static_cast<int>(op)];
    if (p.aktionBei != 0 && ++p.aktionGezaehlt == p.aktionBei) {
        // Taken out first: the action may reach this very operation again.
        auto aktion = std::move(p.aktion);
        p.aktionBei = 0;
        p.aktion = nullptr;
        aktion();
    }
    return p.fehlerBei == kJederAufruf || (p.fehlerBei != 0 && ++p.fehlerGezaehlt == p.fehlerBei);
}

bool FehlerGeplant() {
    for (int i = 0; i < static_cast<int>(Operation::Anzahl_); ++i) {
        const Plan& p = Plaene()[i];
        if (i != static_cast<int>(Operation::FadenStarten) && (p.fehlerBei != 0 || p.aktionBei != 0)) return true;
    }
    return false;
}

void UhrStellen(std::optional<std::int64_t> stempelZeit) { Uhr() = stempelZeit; }

std::optional<std::int64_t> GestellteUhr() { return Uhr(); }

}  // namespace plattform
