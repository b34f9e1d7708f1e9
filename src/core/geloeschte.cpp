#include "core/geloeschte.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/platform/cachedatei.h"
#include "core/replayindex.h"
#include "core/variablen.h"

namespace {

// "QLRG", version (u32), the folder (u32 length and its bytes), the count (u32), the
// values (two u64 each), and IndexPruefsumme over everything before it (u64); integers
// little-endian.
constexpr unsigned char kMagie[4] = {'Q', 'L', 'R', 'G'};
constexpr std::uint32_t kVersion = 1;

void Zahl(std::vector<unsigned char>& ziel, std::uint64_t wert, int bytes) {
    for (int i = 0; i < bytes; ++i) ziel.push_back(static_cast<unsigned char>(wert >> (8 * i)));
}

std::uint64_t Wort(const unsigned char* b, int bytes) {
    std::uint64_t wert = 0;
    for (int i = bytes - 1; i >= 0; --i) wert = wert << 8 | b[i];
    return wert;
}

std::string Datei(const std::string& verzeichnis) { return GeloeschtDatei(IndexVerzeichnis, verzeichnis); }

}  // namespace

TGeloeschte::TGeloeschte(std::string verzeichnis) : verzeichnis_(std::move(verzeichnis)) {}

TGeloeschte TGeloeschte::Laden(const std::string& verzeichnis) {
    TGeloeschte g(verzeichnis);
    if (IndexVerzeichnis.empty()) return g;
    const auto inhalt = plattform::CacheLesen(Datei(verzeichnis), 64 + verzeichnis.size() + kHoechstens * 16);
    if (!inhalt) return g;
    const unsigned char* d = inhalt->data();
    const std::size_t n = inhalt->size();
    const std::size_t kopf = 4 + 4 + 4 + verzeichnis.size() + 4;
    if (n < kopf + 8 || std::memcmp(d, kMagie, 4) != 0 || Wort(d + 4, 4) != kVersion ||
        Wort(d + 8, 4) != verzeichnis.size() || std::memcmp(d + 12, verzeichnis.data(), verzeichnis.size()) != 0 ||
        IndexPruefsumme(d, n - 8) != Wort(d + n - 8, 8))
        return g;
    const std::uint64_t anzahl = Wort(d + kopf - 4, 4);
    if (anzahl > kHoechstens || n != kopf + anzahl * 16 + 8) return g;
    for (std::size_t i = 0; i < anzahl; ++i) g.Merken({Wort(d + kopf + 16 * i, 8), Wort(d + kopf + 16 * i + 8, 8)});
    g.geaendert_ = false;
    return g;
}

void TGeloeschte::Merken(const TInhalt& inhalt) {
    if (!menge_.insert(inhalt).second) return;
    reihe_.push_back(inhalt);
    if (reihe_.size() > kHoechstens) {
        menge_.erase(reihe_.front());
        reihe_.erase(reihe_.begin());
    }
    geaendert_ = true;
}

void TGeloeschte::Vergessen(const TInhalt& inhalt) {
    if (menge_.erase(inhalt) == 0) return;
    reihe_.erase(std::find(reihe_.begin(), reihe_.end(), inhalt));
    geaendert_ = true;
}

bool TGeloeschte::Enthaelt(const TInhalt& inhalt) const { return menge_.count(inhalt) > 0; }

bool TGeloeschte::Speichern() {
    if (!geaendert_) return true;
    if (IndexVerzeichnis.empty()) return false;
    std::vector<unsigned char> inhalt(kMagie, kMagie + 4);
    inhalt.reserve(64 + verzeichnis_.size() + reihe_.size() * 16);
    Zahl(inhalt, kVersion, 4);
    Zahl(inhalt, verzeichnis_.size(), 4);
    inhalt.insert(inhalt.end(), verzeichnis_.begin(), verzeichnis_.end());
    Zahl(inhalt, reihe_.size(), 4);
    for (const TInhalt& i : reihe_) {
        Zahl(inhalt, i.a, 8);
        Zahl(inhalt, i.b, 8);
    }
    Zahl(inhalt, IndexPruefsumme(inhalt.data(), inhalt.size()), 8);
    if (!plattform::CacheSchreiben(Datei(verzeichnis_), inhalt)) return false;
    geaendert_ = false;
    return true;
}
