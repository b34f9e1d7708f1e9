#include "core/platform/fatzeit.h"

namespace plattform {

std::int32_t FatAusTeilen(int jahr, int monat, int tag, int stunde, int minute, int sekunde) {
    if (jahr < 1980 || jahr > 2107) return -1;
    // A leap second (60) still fits the 5-bit field as 30.
    std::uint32_t wert = (static_cast<std::uint32_t>(jahr - 1980) << 25) |
                         (static_cast<std::uint32_t>(monat) << 21) |
                         (static_cast<std::uint32_t>(tag) << 16) |
                         (static_cast<std::uint32_t>(stunde) << 11) |
                         (static_cast<std::uint32_t>(minute) << 5) |
                         static_cast<std::uint32_t>(sekunde / 2);
    return static_cast<std::int32_t>(wert);
}

}  // namespace plattform
