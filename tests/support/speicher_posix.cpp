#include "support/speicher.h"

#include <fstream>
#include <unistd.h>

double ResidentMB() {
    // The second field of statm is the resident set, in pages.
    std::ifstream statm("/proc/self/statm");
    long gesamt = 0, resident = 0;
    if (!(statm >> gesamt >> resident)) return 0;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}
