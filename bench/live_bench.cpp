// The live library at 100,000 replays, against baselines measured in the same run:
// - one added replay, the core's part of it: the library's view updated for that file
//   alone and its content checked against the library, against reading that one file,
//   which is the least any handling of it must do;
// - the slow look at an idle folder (listing and stamps), against the bare listing, and
//   the start of a folder watch with a look of its own or with the scan's stamps;
// - what an idle window pays for a watched folder, and the index written from the live
//   view, the work a window defers to an idle moment.
// Replay sizes are spread as real games spread them, from 48 KiB to 3 MiB (sparse files,
// so the folder takes little disk).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/bibliothek.h"
#include "core/dateifunktionen.h"
#include "core/meldungen.h"
#include "core/ordnerblick.h"
#include "core/ordnerverfolgung.h"
#include "core/platform/dateisystem.h"
#include "core/platform/dateistempel.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/quelldatei.h"
#include "core/replay.h"
#include "core/variablen.h"
#include "support/replaybauer.h"

namespace {

constexpr int kReplays = 100000;
namespace fs = std::filesystem;

class TStumm : public TMeldungen {
public:
    void Meldung(TMeldungsart) override {}
};

std::int64_t Groesse(std::uint32_t& zustand) { return 48 * 1024 + Zufall(zustand) % (3 * 1024 * 1024 - 48 * 1024); }

// A replay of the given size, written long ago, as the index keeps it.
void Schreiben(const std::string& pfad, const std::vector<unsigned char>& kopf, std::int64_t groesse) {
    DateiSchreiben(pfad, kopf);
    fs::resize_file(pfad, static_cast<std::uintmax_t>(groesse));
    const timespec zeiten[2] = {{0, UTIME_OMIT}, {1600000000, 0}};
    ::utimensat(AT_FDCWD, pfad.c_str(), zeiten, 0);
}

const std::vector<unsigned char>& Kopf(int i) {
    static std::vector<std::vector<unsigned char>> koepfe;
    if (koepfe.empty())
        for (int k = 0; k < 26; ++k) {
            ReplayBauer bau;
            bau.Name = u"Spiel " + std::u16string(1, static_cast<char16_t>(u'A' + k));
            bau.Spieler.resize(2 + k % 7);
            koepfe.push_back(bau.Bauen());
        }
    return koepfe[static_cast<std::size_t>(i % 26)];
}

struct Bibliothek {
    std::string ordner = (fs::temp_directory_path() / "quellarch_bench_live_100000").string() + "/";
    std::string playback = (fs::temp_directory_path() / "quellarch_bench_live_playback").string() + "/";
    TBibliothek bibliothek;
    Bibliothek() {
        fs::create_directories(ordner);
        fs::create_directories(playback);
        std::uint32_t zustand = 11;
        for (int i = 0; i < kReplays; ++i) {
            const std::string pfad = ordner + "r" + std::to_string(i) + ".rec";
            const std::int64_t groesse = Groesse(zustand);
            if (!fs::exists(pfad)) Schreiben(pfad, Kopf(i), groesse);
        }
        IndexVerzeichnis = (fs::temp_directory_path() / "quellarch_bench_live_index").string() + "/";
        TStumm m;
        ReplaysLaden(ordner, m);  // the index, so the next scan is a warm start's
        ReplaysLaden(ordner, m, &bibliothek);
    }
};

Bibliothek& Die() {
    static Bibliothek b;
    return b;
}

// The least any handling of a new file must do: look at it and read its replay.
void BM_Basislinie_EineDateiLesen(benchmark::State& state) {
    Bibliothek& b = Die();
    std::uint32_t zustand = 99;
    TStumm m;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string name = "neu.rec";
        Schreiben(b.ordner + name, Kopf(3), Groesse(zustand));
        state.ResumeTiming();
        benchmark::DoNotOptimize(plattform::StempelLesen(b.ordner + name));
        TReplay replay(b.ordner + name, m);
        benchmark::DoNotOptimize(replay.Spielname);
        state.PauseTiming();
        fs::remove(b.ordner + name);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Basislinie_EineDateiLesen)->Unit(benchmark::kMicrosecond)->Iterations(200);

// One game saved into the library: its content checked before the copy, and the library's
// view updated when the watch reports the copy.
void BM_EinNeuesReplay(benchmark::State& state) {
    Bibliothek& b = Die();
    std::uint32_t zustand = 99;
    using Uhr = std::chrono::steady_clock;
    Uhr::duration pruefen{}, aktualisieren{};
    for (auto _ : state) {
        state.PauseTiming();
        const std::int64_t groesse = Groesse(zustand);
        Schreiben(b.playback + "temp.rec", Kopf(3), groesse);
        Schreiben(b.ordner + "neu.rec", Kopf(3), groesse);
        state.ResumeTiming();
        const auto anfang = Uhr::now();
        const auto datei = plattform::Quelldatei::Oeffnen(b.playback + "temp.rec");
        benchmark::DoNotOptimize(b.bibliothek.InhaltFinden(*datei));
        const auto mitte = Uhr::now();
        auto aenderungen = b.bibliothek.Aktualisieren({"neu.rec"});
        aktualisieren += Uhr::now() - mitte;
        pruefen += mitte - anfang;
        if (aenderungen[0].Stand != TBibliotheksstand::Neu) state.SkipWithError("not read as new");
        state.PauseTiming();
        fs::remove(b.ordner + "neu.rec");
        b.bibliothek.Aktualisieren({"neu.rec"});
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["Inhalt_us"] = std::chrono::duration<double, std::micro>(pruefen).count() / n;
    state.counters["Aktualisieren_us"] = std::chrono::duration<double, std::micro>(aktualisieren).count() / n;
}
BENCHMARK(BM_EinNeuesReplay)->Unit(benchmark::kMicrosecond)->Iterations(200);

// The rare case: the library holds a file of the very size whose value is not known yet,
// so it is read once (here from the page cache). A view of its own, so no value is known.
void BM_EinNeuesReplay_GleichGross(benchmark::State& state) {
    Bibliothek& b = Die();
    TBibliothek frisch = TBibliothek::Lesen(b.ordner);
    Schreiben(b.playback + "temp.rec", Kopf(5), 1);
    frisch.InhaltFinden(*plattform::Quelldatei::Oeffnen(b.playback + "temp.rec"));  // sizes taken
    std::uint32_t zustand = 11;
    for (auto _ : state) {
        state.PauseTiming();
        Schreiben(b.playback + "temp.rec", Kopf(5), Groesse(zustand));  // the size of r<i>.rec
        state.ResumeTiming();
        const auto datei = plattform::Quelldatei::Oeffnen(b.playback + "temp.rec");
        benchmark::DoNotOptimize(frisch.InhaltFinden(*datei));
    }
}
BENCHMARK(BM_EinNeuesReplay_GleichGross)->Unit(benchmark::kMicrosecond)->Iterations(50);

void BM_Basislinie_Auflisten(benchmark::State& state) {
    Bibliothek& b = Die();
    for (auto _ : state) benchmark::DoNotOptimize(plattform::Aufzaehlen(b.ordner + "*.rec"));
}
BENCHMARK(BM_Basislinie_Auflisten)->Unit(benchmark::kMillisecond)->Iterations(10);

// The slow look over the idle folder: listing, a stamp per name, compared with the last.
void BM_BlickAufRuhigenOrdner(benchmark::State& state) {
    Bibliothek& b = Die();
    TOrdnerblick blick(b.ordner, "*.rec");
    blick.Aufnehmen();
    for (auto _ : state)
        if (!blick.Vergleichen().empty()) state.SkipWithError("an idle folder changed");
}
BENCHMARK(BM_BlickAufRuhigenOrdner)->Unit(benchmark::kMillisecond)->Iterations(10);

// Starting to follow the library after the scan: with a look of its own, or taking the
// scan's stamps as the reference.
void BM_VerfolgungStarten(benchmark::State& state) {
    Bibliothek& b = Die();
    for (auto _ : state) {
        if (state.range(0)) TOrdnerverfolgung v(b.ordner, "*.rec", b.bibliothek.Staende());
        else TOrdnerverfolgung v(b.ordner);
    }
}
BENCHMARK(BM_VerfolgungStarten)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// What an idle window pays for a watched folder of 100,000 replays whose notifications
// work: a call every kPruefAbstandSekunden that checks the folder is still the one watched.
void BM_RuhigeVerfolgung(benchmark::State& state) {
    Bibliothek& b = Die();
    TOrdnerverfolgung v(b.ordner, "*.rec", b.bibliothek.Staende());
    std::int64_t jetzt = plattform::StempelZeitJetzt();
    for (auto _ : state) {
        plattform::UhrStellen(jetzt += TOrdnerverfolgung::kPruefAbstandSekunden * plattform::StempelProSekunde());
        if (!v.Abholen().Namen.empty()) state.SkipWithError("an idle folder changed");
    }
    plattform::UhrStellen(std::nullopt);
    // Time a call over the time between two calls, in millionths of a core.
    state.counters["CPU_ppm"] = benchmark::Counter(
        TOrdnerverfolgung::kPruefAbstandSekunden / 1e6,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RuhigeVerfolgung)->Unit(benchmark::kMicrosecond)->Iterations(1000);

void BM_IndexSchreiben(benchmark::State& state) {
    Bibliothek& b = Die();
    for (auto _ : state)
        if (!b.bibliothek.IndexSchreiben(Replays)) state.SkipWithError("index not written");
}
BENCHMARK(BM_IndexSchreiben)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
