// The library scan against a baseline that lists the same folder and opens, reads 4 KiB
// of and closes every file in it; and the scan with the replay index, writing a fresh one
// each time and reading every replay from a valid one, against the plain scan; and what
// writing the index adds, against the plain scan in the same loop.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/dateifunktionen.h"
#include "core/meldungen.h"
#include "core/platform/datei.h"
#include "core/platform/dateisystem.h"
#include "core/replayindex.h"
#include "core/variablen.h"
#include "support/benchbibliothek.h"
#include "support/testdateien.h"

namespace {
class TStilleMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart) override {}
};

void BM_Basislinie(benchmark::State& state) {
    std::string ordner = BenchBibliothek(static_cast<int>(state.range(0)));
    std::vector<unsigned char> puffer(4096);
    for (auto _ : state) {
        for (const auto& name : plattform::Aufzaehlen(ordner + "*.rec")) {
            auto datei = plattform::Datei::OeffnenLesen(ordner + name);
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

// The bench library with dates old enough for the index to keep its files, and an index
// folder of its own.
std::string IndexBibliothek(int anzahl, std::string& indexdatei) {
    std::vector<std::string> dateien;
    std::string ordner = BenchBibliothek(anzahl, &dateien);
    for (const auto& pfad : dateien)
        if (plattform::LetzteAenderungFat(pfad) >= 0 && (plattform::LetzteAenderungFat(pfad) >> 25) + 1980 > 2020)
            AenderungszeitSetzen(pfad, 2020, 1, 1, 12, 0, 0);
    IndexVerzeichnis = (std::filesystem::temp_directory_path() / "quellarch_bench_index").string() + "/";
    indexdatei = IndexDatei(IndexVerzeichnis, ordner);
    return ordner;
}

void BM_ReplaysLadenIndexSchreiben(benchmark::State& state) {
    std::string indexdatei;
    std::string ordner = IndexBibliothek(static_cast<int>(state.range(0)), indexdatei);
    TStilleMeldungen meldungen;
    for (auto _ : state) {
        Replays.clear();
        std::filesystem::remove(indexdatei);
        benchmark::DoNotOptimize(ReplaysLaden(ordner, meldungen));
    }
    IndexVerzeichnis.clear();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReplaysLadenAusIndex(benchmark::State& state) {
    std::string indexdatei;
    std::string ordner = IndexBibliothek(static_cast<int>(state.range(0)), indexdatei);
    TStilleMeldungen meldungen;
    ReplaysLaden(ordner, meldungen);  // the valid index every iteration reads
    for (auto _ : state) {
        Replays.clear();
        benchmark::DoNotOptimize(ReplaysLaden(ordner, meldungen));
    }
    IndexVerzeichnis.clear();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What writing the index adds to a warm scan, with the plain scan as the baseline run
// alternately in the same loop, so that a change in the machine's load meets both alike.
void BM_IndexAufschlag(benchmark::State& state) {
    std::string indexdatei;
    std::string ordner = IndexBibliothek(static_cast<int>(state.range(0)), indexdatei);
    const std::string indexVerzeichnis = IndexVerzeichnis;
    TStilleMeldungen meldungen;
    using Uhr = std::chrono::steady_clock;
    Uhr::duration ohne{}, mit{};
    for (auto _ : state) {
        IndexVerzeichnis.clear();
        Replays.clear();
        auto start = Uhr::now();
        benchmark::DoNotOptimize(ReplaysLaden(ordner, meldungen));
        ohne += Uhr::now() - start;

        IndexVerzeichnis = indexVerzeichnis;
        Replays.clear();
        std::filesystem::remove(indexdatei);
        start = Uhr::now();
        benchmark::DoNotOptimize(ReplaysLaden(ordner, meldungen));
        mit += Uhr::now() - start;
    }
    IndexVerzeichnis.clear();
    state.counters["Aufschlag_Prozent"] = 100.0 * (static_cast<double>(mit.count()) / static_cast<double>(ohne.count()) - 1.0);
}

BENCHMARK(BM_Basislinie)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaysLaden)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaysLadenIndexSchreiben)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaysLadenAusIndex)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexAufschlag)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
