// Reading replays for the list must cost about what opening a file and reading its
// first 4 KiB costs: the baseline below does exactly that for the same files.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/meldungen.h"
#include "core/platform/datei.h"
#include "core/replay.h"
#include "support/benchbibliothek.h"

namespace {
class TStilleMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart) override {}
};

struct Bibliothek {
    std::vector<std::string> dateien;
    Bibliothek() { BenchBibliothek(1000, &dateien); }
};

Bibliothek& Tausend() {
    static Bibliothek b;
    return b;
}

void BM_Basislinie_Oeffnen4KiBLesen(benchmark::State& state) {
    auto& b = Tausend();
    std::vector<unsigned char> puffer(4096);
    for (auto _ : state) {
        for (const auto& pfad : b.dateien) {
            auto datei = plattform::Datei::OeffnenLesen(pfad);
            datei->LeseBlock(puffer.data(), puffer.size());
            datei->Schliessen();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(b.dateien.size()));
}
BENCHMARK(BM_Basislinie_Oeffnen4KiBLesen)->Unit(benchmark::kMillisecond);

void BM_ReplaysLesen(benchmark::State& state) {
    auto& b = Tausend();
    TStilleMeldungen meldungen;
    for (auto _ : state) {
        for (const auto& pfad : b.dateien) {
            TReplay replay(pfad, meldungen);
            benchmark::DoNotOptimize(replay.Spieleranzahl);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(b.dateien.size()));
}
BENCHMARK(BM_ReplaysLesen)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
