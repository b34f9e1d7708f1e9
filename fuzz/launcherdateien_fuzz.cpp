// The launchers' files are read from wherever the user's home points; any bytes must give
// some result, never a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/spiel/launcherdateien.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    (void)spiel::SteamBibliothekenLesen(text);
    (void)spiel::SteamManifestLesen(text);
    (void)spiel::LutrisSpielLesen(text);
    (void)spiel::HeroicPrefixeLesen(text);
    return 0;
}
