#include "core/platform/programmpfad.h"

namespace plattform {

std::string VerzeichnisTeil(const std::string& pfad, std::string_view trenner) {
    const auto letzter = pfad.find_last_of(trenner);
    if (letzter == std::string::npos) return {};
    auto ende = letzter + 1;
    // A separator that follows another separator or a drive colon ends a root and stays.
    if (letzter > 0 && pfad[letzter] != ':' &&
        trenner.find(pfad[letzter - 1]) == std::string_view::npos)
        ende = letzter;
    return pfad.substr(0, ende);
}

}  // namespace plattform
