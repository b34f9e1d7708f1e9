// Reading replays for the list must cost about what opening a file and reading its
// first 4 KiB costs: the baseline below does exactly that for the same files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "meldungen.h"
#include "platform/datei.h"
#include "replay.h"
#include "replaybauer.h"

namespace {
class TStilleMeldungen : public TMeldungen {
public:
    void Meldung(const std::string&) override {}
};

struct Bibliothek {
    std::filesystem::path ordner;
    std::vector<std::string> dateien;

    explicit Bibliothek(int anzahl) {
        ordner = std::filesystem::temp_directory_path() / ("quellarch_bench_replay_" + std::to_string(anzahl));
        std::filesystem::create_directories(ordner);
        std::uint32_t zustand = 7;
        for (int i = 0; i < anzahl; ++i) {
            ReplayBauer bau;
            bau.Name = u"Benchmark " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
            bau.Spieler.clear();
            for (int s = 0; s < 2 + i % 7; ++s) {
                SpielerBau spieler;
                spieler.Name = u"Spieler";
                spieler.LueckeDavor = Zufall(zustand) % 300;
                bau.Spieler.push_back(spieler);
            }
            bau.ZielGroesse = 64 * 1024;
            auto pfad = (ordner / ("r" + std::to_string(i) + ".rec")).string();
            if (!std::filesystem::exists(pfad)) bau.Schreiben(pfad);
            dateien.push_back(pfad);
        }
    }
};

Bibliothek& Tausend() {
    static Bibliothek b(1000);
    return b;
}

void BM_Basislinie_Oeffnen4KiBLesen(benchmark::State& state) {
    auto& b = Tausend();
    std::vector<unsigned char> puffer(4096);
    for (auto _ : state) {
        for (const auto& pfad : b.dateien) {
            auto datei = plattform::Datei::OeffnenLesenSchreiben(pfad);
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
