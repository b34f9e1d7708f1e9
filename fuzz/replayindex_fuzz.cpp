// Feeds arbitrary bytes to the replay index reader: it must give entries or none, never
// crash, read outside the bytes or allocate much. The bytes are tried as they come and
// once more with a correct checksum, so the fuzzer gets past it to the entries.
#include <cstdint>
#include <string>
#include <vector>

#include "core/replay.h"
#include "core/replayindex.h"

namespace {
// A short folder the fuzzer finds quickly in its comparisons.
const std::string kOrdner = "/b/";

void Lesen(const unsigned char* daten, std::size_t groesse) {
    for (const TIndexEintrag& e : IndexLesen(daten, groesse, kOrdner)) {
        // Touch what the scan hands on.
        volatile std::size_t summe = e.Replay->Dateiname.size() + e.Replay->Spielname.size();
        for (int slot = 1; slot <= 8; ++slot)
            if (const TSpieler* s = e.Replay->SpielerInSlot(slot)) summe = summe + s->Name.size() + s->Rasse.size();
        (void)summe;
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Lesen(daten, groesse);
    std::vector<unsigned char> versiegelt(daten, daten + groesse);
    const std::uint64_t summe = IndexPruefsumme(versiegelt.data(), versiegelt.size());
    for (int i = 0; i < 8; ++i) versiegelt.push_back(static_cast<unsigned char>(summe >> (8 * i)));
    Lesen(versiegelt.data(), versiegelt.size());
    return 0;
}
