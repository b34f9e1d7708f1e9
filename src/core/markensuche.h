#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace plattform { class Datei; }

// Bytes from the file's current position to the first byte of the first occurrence of
// marke, or -1 when the file ends first. Reads the file in 1024-byte blocks; afterwards
// the file's position is wherever the last block left it, so callers seek before reading.
std::int32_t MarkeInDateiSuchen(const std::string& marke, plattform::Datei& datei);

// Offset of the first occurrence of marke in the buffer, or -1 (also for an empty buffer).
std::int32_t MarkeInPufferSuchen(const std::string& marke, const unsigned char* puffer,
                                 std::size_t laenge);

// The first occurrence of marke in a byte stream handed over block by block; the reader
// uses it to continue a search from bytes it already holds into the rest of the file.
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
