// The library scan against a baseline that lists the same folder and opens, reads 4 KiB
// of and closes every file in it.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <string>
#include <vector>

#include "benchbibliothek.h"
#include "dateifunktionen.h"
#include "meldungen.h"
#include "platform/datei.h"
#include "platform/dateisystem.h"
#include "variablen.h"

namespace {
class TStilleMeldungen : public TMeldungen {
public:
    void Meldung(const std::string&) override {}
};

void BM_Basislinie(benchmark::State& state) {
    std::string ordner = BenchBibliothek(static_cast<int>(state.range(0)));
    std::vector<unsigned char> puffer(4096);
    for (auto _ : state) {
        for (const auto& name : plattform::Aufzaehlen(ordner + "*.rec")) {
            auto datei = plattform::Datei::OeffnenLesenSchreiben(ordner + name);
            datei->LeseBlock(puffer.data(), puffer.size());
            datei->Schliessen();
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReplaysLaden(benchmark::State& state) {
    std::string ordner = BenchBibliothek(static_cast<int>(state.range(0)));
    TStilleMeldungen meldungen;
    for (auto _ : state) {
        Replays.clear();
        std::size_t vorher = mallinfo2().uordblks;
        benchmark::DoNotOptimize(ReplaysLaden(ordner, meldungen));
        state.counters["Bytes_pro_Replay"] =
            static_cast<double>(mallinfo2().uordblks - vorher) / static_cast<double>(Replays.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_Basislinie)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaysLaden)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
