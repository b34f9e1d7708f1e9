#include "core/platform/fatzeit.h"

namespace plattform {

std::int32_t FatAusZeit(std::time_t zeit) {
    std::tm lokal{};
    if (localtime_r(&zeit, &lokal) == nullptr) return -1;
    return FatAusTeilen(lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday, lokal.tm_hour,
                        lokal.tm_min, lokal.tm_sec);
}

}  // namespace plattform
