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
