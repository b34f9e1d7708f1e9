#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace plattform {
class Lesbar;
}

// A replay's content in 128 bits, to find its bytes in the library under any name without
// reading the library: equal bytes give equal values, and two different replays share a
// value only by a chance of about 2^-128 per pair. A match is still confirmed byte by byte
// before anything acts on it, so even that chance never mixes up two replays.
struct TInhalt {
    std::uint64_t a = 0, b = 0;
    bool operator==(const TInhalt&) const = default;
};

// Computes the value over bytes handed in any pieces: the same bytes give the same value
// however they are cut. (MurmurHash3's 128-bit x64 variant with seeds of our own, read as
// little-endian on every system, so the index travels between them.)
class TInhaltsrechner {
public:
    void Dazu(const void* daten, std::size_t anzahl);
    TInhalt Fertig() const;

private:
    void Block(const unsigned char* b);
    std::uint64_t h1_ = 0x51ED270B27D4EB4Full, h2_ = 0x9E3779B97F4A7C15ull;
    std::uint64_t laenge_ = 0;
    unsigned char rest_[16];
    std::size_t restLaenge_ = 0;
};

// The value of everything a file reads to its end; nothing when it cannot be read, or
// reads longer or shorter than its size says (it is being written).
std::optional<TInhalt> InhaltBerechnen(const plattform::Lesbar& datei);
// The same for the file at pfad.
std::optional<TInhalt> InhaltBerechnen(const std::string& pfad);
