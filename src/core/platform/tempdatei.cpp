#include "core/platform/tempdatei.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <random>
#include <set>

#include "core/platform/dateistempel.h"
#include "core/platform/dateisystem.h"

namespace plattform {
namespace {

constexpr const char* kVorsilbe = "quellarch-";
constexpr std::size_t kZiffern = 16;

char Klein(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool GleichOhneGrossKlein(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Klein(a[i]) != Klein(b[i])) return false;
    return true;
}

// 64 random bits per name. Exclusive creation is what keeps names apart; the randomness
// only makes a clash, and the retry it costs, rare between processes.
std::uint64_t Zufallszahl() {
    static std::mutex sperre;
    static std::mt19937_64 erzeuger = [] {
        std::random_device quelle;
        std::seed_seq saat{quelle(), quelle(), quelle(),
                           static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
        return std::mt19937_64(saat);
    }();
    std::lock_guard<std::mutex> halten(sperre);
    return erzeuger();
}

}  // namespace

std::string TempName() {
    char ziffern[kZiffern + 1];
    std::snprintf(ziffern, sizeof ziffern, "%016llx", static_cast<unsigned long long>(Zufallszahl()));
    return std::string(kVorsilbe) + ziffern + ".tmp";
}

bool IstTempName(const std::string& name) {
    const std::string vorsilbe = kVorsilbe;
    if (GleichOhneGrossKlein(name, "NeuerName.tmp")) return true;
    if (name.size() != vorsilbe.size() + kZiffern + 4) return false;
    if (!GleichOhneGrossKlein(name.substr(0, vorsilbe.size()), vorsilbe)) return false;
    if (!GleichOhneGrossKlein(name.substr(name.size() - 4), ".tmp")) return false;
    for (std::size_t i = vorsilbe.size(); i < vorsilbe.size() + kZiffern; ++i) {
        const char c = Klein(name[i]);
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

int TempResteEntfernen(const std::string& ordner) {
    // A step takes milliseconds; a day leaves room for clocks that disagree and for a
    // program that hangs for a while, and one that holds its file is skipped anyway.
    const std::int64_t grenze = StempelZeitJetzt() - 24 * 3600 * StempelProSekunde();
    int entfernt = 0;
    for (const std::string& name : Aufzaehlen(ordner + "*.tmp"))
        if (IstTempName(name) && TempRestEntfernen(ordner + name, grenze)) ++entfernt;
    return entfernt;
}

void TempResteEinmalEntfernen(const std::string& ordner) {
    static std::mutex sperre;
    static std::set<std::string> erledigt;
    {
        std::lock_guard<std::mutex> halten(sperre);
        if (!erledigt.insert(ordner).second) return;
    }
    TempResteEntfernen(ordner);
}

}  // namespace plattform
