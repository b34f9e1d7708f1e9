#pragma once
#include <cstddef>
#include <string>
#include <vector>

// A folder of builder replays of groesse bytes (64 KiB unless told) under the system's
// temp directory, made once and reused by later benchmark runs. Returns the folder (with a
// trailing '/') and fills dateien with the full paths.
std::string BenchBibliothek(int anzahl, std::vector<std::string>* dateien = nullptr,
                            std::size_t groesse = 64 * 1024);
