// The live library in the window at 100,000 replays, sorted by date, against baselines in
// the same run:
// - one replay added to the folder, from the watch's report to the row in its sorted place
//   and the index marked, all on the window's thread; against reading that one file;
// - 1,000 replays copied in at once, until the last shows, and the longest the window's
//   thread is held at a time meanwhile (Schritt_ms);
// - a minute of an idle window with both folders watched, in CPU seconds (CPU_Prozent).
// Run offscreen. The library is the 8 KiB bench library of the window's benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "benchfenster.h"
#include "core/meldungen.h"
#include "core/replay.h"
#include "core/variablen.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "support/benchbibliothek.h"
#include "support/replaybauer.h"
#include "support/stilledialoge.h"

namespace {

namespace fs = std::filesystem;
constexpr int kReplays = 100000;

class TStumm : public TMeldungen {
public:
    void Meldung(TMeldungsart) override {}
};

std::unique_ptr<TfrmMain> SortiertesFenster(StilleDialoge& dialoge, const std::string& ordner) {
    auto fenster = BenchFenster(dialoge, ordner);
    fenster->grdReplays->SortByHeaderClick(fenster->grdReplays->Spaltenposition(lsDatum));
    return fenster;
}

ReplayBauer Neu(int i) {
    ReplayBauer bau;
    bau.Name = u"Neu " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
    return bau;
}

double CpuSekunden() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void BM_EinReplayLesen(benchmark::State& state) {
    const std::string ordner = BenchBibliothek(kReplays, nullptr, 8 * 1024);
    Neu(0).Schreiben(ordner + "../live-eins.rec");
    TStumm stumm;
    for (auto _ : state) benchmark::DoNotOptimize(TReplay(ordner + "../live-eins.rec", stumm));
}

void BM_EinReplayHinzu(benchmark::State& state) {
    const std::string ordner = BenchBibliothek(kReplays, nullptr, 8 * 1024);
    StilleDialoge dialoge;
    auto fenster = SortiertesFenster(dialoge, ordner);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string pfad = ordner + "live-" + std::to_string(i) + ".rec";
        Neu(i++).Schreiben(pfad);
        state.ResumeTiming();
        fenster->Live()->JetztAbholen();
        state.PauseTiming();
        fs::remove(pfad);
        fenster->Live()->JetztAbholen();
        state.ResumeTiming();
    }
    state.counters["Zeilen"] = fenster->grdReplays->RowCount() - 1;
}

void BM_TausendHinzu(benchmark::State& state) {
    const std::string ordner = BenchBibliothek(kReplays, nullptr, 8 * 1024);
    StilleDialoge dialoge;
    auto fenster = SortiertesFenster(dialoge, ordner);
    double laengsterSchritt = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 1000; ++i) Neu(i).Schreiben(ordner + "tausend-" + std::to_string(i) + ".rec");
        const std::size_t ziel = Replays.size() + 1000;
        state.ResumeTiming();
        // As the event loop runs it: the watch's report, then one step per turn.
        QElapsedTimer uhr;
        while (Replays.size() < ziel) {
            uhr.start();
            QApplication::processEvents();
            laengsterSchritt = std::max(laengsterSchritt, static_cast<double>(uhr.nsecsElapsed()) / 1e6);
        }
        state.PauseTiming();
        for (int i = 0; i < 1000; ++i) fs::remove(ordner + "tausend-" + std::to_string(i) + ".rec");
        fenster->Live()->JetztAbholen();
        state.ResumeTiming();
    }
    state.counters["Schritt_ms"] = laengsterSchritt;
}

void BM_LeerlaufMinute(benchmark::State& state) {
    const std::string ordner = BenchBibliothek(kReplays, nullptr, 8 * 1024);
    fs::create_directories(ordner + "spiel/Playback");
    StilleDialoge dialoge;
    auto fenster = std::make_unique<TfrmMain>(dialoge, Regionaleinstellungen::Deutsch(), [ordner] {
        DOWVerzeichnis = ordner + "spiel/";
        ReplayVerzeichnis = ordner;
        return false;
    });
    fenster->show();
    double cpu = 0;
    for (auto _ : state) {
        // The window's own event loop, as the program runs it, for a minute.
        const double vorher = CpuSekunden();
        QEventLoop schleife;
        QTimer::singleShot(60000, &schleife, &QEventLoop::quit);
        schleife.exec();
        cpu = CpuSekunden() - vorher;
    }
    state.counters["CPU_Prozent"] = cpu / 60 * 100;
}

BENCHMARK(BM_EinReplayLesen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EinReplayHinzu)->Unit(benchmark::kMicrosecond)->Iterations(200);
BENCHMARK(BM_TausendHinzu)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LeerlaufMinute)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
