#pragma once
#include <string>
#include <vector>

// A folder of 64 KiB builder replays under the system's temp directory, made once and
// reused by later benchmark runs. Returns the folder (with a trailing '/') and fills
// dateien with the full paths.
std::string BenchBibliothek(int anzahl, std::vector<std::string>* dateien = nullptr);
