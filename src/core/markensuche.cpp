#include "core/markensuche.h"

#include <cstring>
#include <limits>

#include "core/platform/datei.h"

namespace {
// How many bytes of marke are matched once byte follows the passend bytes matched so far.
// On a mismatch the match falls back to the longest border of the part matched (a prefix
// of marke that is also its suffix), so "FOLDFOLDINFO" finds "FOLDINFO" at 4.
std::size_t Rueckfall(const std::string& marke, std::size_t passend, unsigned char byte) {
    while (passend > 0 && static_cast<unsigned char>(marke[passend]) != byte) {
        // Recompute the border of marke[0..passend) directly; markers are a few bytes long.
        std::size_t rand = passend - 1;
        while (rand > 0 && std::memcmp(marke.data(), marke.data() + passend - rand, rand) != 0) --rand;
        passend = rand;
    }
    return static_cast<unsigned char>(marke[passend]) == byte ? passend + 1 : 0;
}
// The first occurrence of a marker in bytes handed over block by block, so an occurrence
// may straddle two blocks.
class TMarkenSucher {
public:
    explicit TMarkenSucher(const std::string& marke);
    // Feeds the next bytes; returns true once a whole occurrence has been seen.
    bool Fuettern(const unsigned char* daten, std::size_t laenge);
    // Bytes before the occurrence's first byte, counted from the first fed byte.
    std::int64_t Fundstelle() const { return fundstelle_; }

private:
    std::string marke_;
    std::size_t passend_ = 0;  // bytes of marke matched so far
    std::int64_t gesehen_ = 0;
    std::int64_t fundstelle_ = -1;
};

TMarkenSucher::TMarkenSucher(const std::string& marke) : marke_(marke) {}

bool TMarkenSucher::Fuettern(const unsigned char* daten, std::size_t laenge) {
    if (fundstelle_ >= 0) return true;
    if (marke_.empty()) {
        fundstelle_ = 0;
        return true;
    }
    const auto erstes = static_cast<unsigned char>(marke_[0]);
    for (std::size_t i = 0; i < laenge; ++i) {
        // Outside a partial match only the marker's first byte can start one: skip to it.
        if (passend_ == 0) {
            const void* treffer = std::memchr(daten + i, erstes, laenge - i);
            if (!treffer) {
                gesehen_ += static_cast<std::int64_t>(laenge - i);
                return false;
            }
            auto sprung = static_cast<std::size_t>(static_cast<const unsigned char*>(treffer) - (daten + i));
            gesehen_ += static_cast<std::int64_t>(sprung);
            i += sprung;
        }
        passend_ = Rueckfall(marke_, passend_, daten[i]);
        ++gesehen_;
        if (passend_ == marke_.size()) {
            fundstelle_ = gesehen_ - static_cast<std::int64_t>(marke_.size());
            return true;
        }
    }
    return false;
}

}  // namespace

std::int32_t MarkeInDateiSuchen(const std::string& marke, plattform::Datei& datei) {
    // One block of the file at a time, owned by this one search.
    unsigned char puffer[1024];
    TMarkenSucher sucher(marke);
    for (;;) {
        std::size_t gelesen = datei.LeseBlock(puffer, sizeof puffer);
        if (gelesen == 0) return -1;
        if (sucher.Fuettern(puffer, gelesen)) {
            auto stelle = sucher.Fundstelle();
            return stelle > std::numeric_limits<std::int32_t>::max() ? -1
                                                                     : static_cast<std::int32_t>(stelle);
        }
    }
}

std::int32_t MarkeInPufferSuchen(const std::string& marke, const unsigned char* puffer,
                                 std::size_t laenge) {
    TMarkenSucher sucher(marke);
    if (!sucher.Fuettern(puffer, laenge) || laenge == 0) return -1;
    auto stelle = sucher.Fundstelle();
    return stelle > std::numeric_limits<std::int32_t>::max() ? -1 : static_cast<std::int32_t>(stelle);
}
