#include "support/speicher.h"

#include <windows.h>
#include <psapi.h>

double ResidentMB() {
    PROCESS_MEMORY_COUNTERS zaehler{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &zaehler, sizeof(zaehler))) return 0;
    return static_cast<double>(zaehler.WorkingSetSize) / (1024.0 * 1024.0);
}
