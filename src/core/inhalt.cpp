#include "core/inhalt.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/platform/quelldatei.h"

namespace {

constexpr std::uint64_t kC1 = 0x87C37B91114253D5ull, kC2 = 0x4CF5AD432745937Full;

std::uint64_t Drehen(std::uint64_t x, int r) { return x << r | x >> (64 - r); }

std::uint64_t Wort(const unsigned char* b, std::size_t anzahl = 8) {
    std::uint64_t w = 0;
    for (std::size_t i = anzahl; i-- > 0;) w = w << 8 | b[i];
    return w;
}

std::uint64_t Mischen(std::uint64_t k) {
    k ^= k >> 33;
    k *= 0xFF51AFD7ED558CCDull;
    k ^= k >> 33;
    k *= 0xC4CEB9FE1A85EC53ull;
    k ^= k >> 33;
    return k;
}

}  // namespace

void TInhaltsrechner::Block(const unsigned char* b) {
    std::uint64_t k1 = Wort(b), k2 = Wort(b + 8);
    k1 *= kC1;
    k1 = Drehen(k1, 31);
    k1 *= kC2;
    h1_ ^= k1;
    h1_ = Drehen(h1_, 27);
    h1_ += h2_;
    h1_ = h1_ * 5 + 0x52DCE729;
    k2 *= kC2;
    k2 = Drehen(k2, 33);
    k2 *= kC1;
    h2_ ^= k2;
    h2_ = Drehen(h2_, 31);
    h2_ += h1_;
    h2_ = h2_ * 5 + 0x38495AB5;
}

void TInhaltsrechner::Dazu(const void* daten, std::size_t anzahl) {
    const auto* b = static_cast<const unsigned char*>(daten);
    laenge_ += anzahl;
    if (restLaenge_ > 0) {
        const std::size_t fehlt = std::min(anzahl, 16 - restLaenge_);
        std::memcpy(rest_ + restLaenge_, b, fehlt);
        restLaenge_ += fehlt;
        b += fehlt;
        anzahl -= fehlt;
        if (restLaenge_ < 16) return;
        Block(rest_);
        restLaenge_ = 0;
    }
    for (; anzahl >= 16; b += 16, anzahl -= 16) Block(b);
    std::memcpy(rest_, b, anzahl);
    restLaenge_ = anzahl;
}

TInhalt TInhaltsrechner::Fertig() const {
    std::uint64_t h1 = h1_, h2 = h2_;
    if (restLaenge_ > 0) {
        std::uint64_t k1 = Wort(rest_, std::min<std::size_t>(restLaenge_, 8));
        std::uint64_t k2 = restLaenge_ > 8 ? Wort(rest_ + 8, restLaenge_ - 8) : 0;
        k2 *= kC2;
        k2 = Drehen(k2, 33);
        k2 *= kC1;
        h2 ^= k2;
        k1 *= kC1;
        k1 = Drehen(k1, 31);
        k1 *= kC2;
        h1 ^= k1;
    }
    h1 ^= laenge_;
    h2 ^= laenge_;
    h1 += h2;
    h2 += h1;
    h1 = Mischen(h1);
    h2 = Mischen(h2);
    h1 += h2;
    h2 += h1;
    return {h1, h2};
}

std::optional<TInhalt> InhaltBerechnen(const plattform::Lesbar& datei) {
    TInhaltsrechner rechner;
    std::vector<unsigned char> puffer(64 * 1024);
    std::int64_t stelle = 0;
    for (;;) {
        const std::int64_t n = datei.Lesen(stelle, puffer.data(), puffer.size());
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        rechner.Dazu(puffer.data(), static_cast<std::size_t>(n));
        stelle += n;
        if (stelle > datei.Groesse()) return std::nullopt;
    }
    if (stelle != datei.Groesse()) return std::nullopt;
    return rechner.Fertig();
}

std::optional<TInhalt> InhaltBerechnen(const std::string& pfad) {
    const auto datei = plattform::Quelldatei::Oeffnen(pfad);
    if (!datei) return std::nullopt;
    return InhaltBerechnen(*datei);
}
