// Feeds arbitrary bytes to the replay reader as a file: it must raise Fehler or return a
// replay, never crash, hang, read outside the file or allocate much.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "core/fehler.h"
#include "core/meldungen.h"
#include "core/replay.h"

namespace {
class TStilleMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart) override {}
};

const std::string& FuzzPfad() {
    static const std::string pfad = "/tmp/quellarch_fuzz_" + std::to_string(getpid()) + ".rec";
    return pfad;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    std::FILE* f = std::fopen(FuzzPfad().c_str(), "wb");
    if (!f) return 0;
    std::fwrite(daten, 1, groesse, f);
    std::fclose(f);
    TStilleMeldungen meldungen;
    try {
        TReplay replay(FuzzPfad(), meldungen);
        // Touch what the window would show.
        volatile std::size_t summe = replay.Spielname.size() + replay.Karte.size();
        for (int slot = 1; slot <= 8; ++slot)
            if (const TSpieler* s = replay.SpielerInSlot(slot)) summe = summe + s->Name.size() + s->Rasse.size();
        (void)summe;
    } catch (const Fehler&) {
    }
    return 0;
}
