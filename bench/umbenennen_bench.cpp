// The rename of a 64 KiB replay against baselines measured on the same file in the same
// run: the plain read of the replay, and the read with the write, flush and replace that
// any safe rewrite costs. The rename adds to the latter the rewrite in memory and the read
// back through the reader, measured on its own as BM_ReplayLesen. It must stay well under
// 5 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/meldungen.h"
#include "core/platform/datei.h"
#include "core/replay.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"

namespace {
class TStilleMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart) override { ++anzahl; }
    int anzahl = 0;
};

constexpr std::size_t kGroesse = 64 * 1024;

// One 64 KiB replay in a folder of its own, which is the library while it lives.
struct Bibliothek {
    TempVerzeichnis ordner;
    std::string pfad = ordner.Pfad() + "spiel.rec";
    Bibliothek() {
        ReplayBauer bau;
        bau.Name = u"Anfangsname";  // 11 characters, like both new names below
        SpielerBau a, b;
        a.Name = u"Gorgutz";
        a.Rasse = "ork_race";
        b.Name = u"Indrick";
        b.Rasse = "eldar_race";
        b.Team = 1;
        bau.Spieler = {a, b};
        bau.ZielGroesse = kGroesse;
        bau.Schreiben(pfad);
        ReplayVerzeichnis = ordner.Pfad();
    }
};

Bibliothek& Eine() {
    static Bibliothek b;
    return b;
}

std::vector<unsigned char> Lesen(const std::string& pfad) {
    auto datei = plattform::Datei::OeffnenLesen(pfad);
    std::vector<unsigned char> inhalt(static_cast<std::size_t>(datei->Groesse()));
    datei->LeseGenau(inhalt.data(), inhalt.size());
    datei->Schliessen();
    return inhalt;
}

void BM_Basislinie_Lesen64KiB(benchmark::State& state) {
    auto& b = Eine();
    for (auto _ : state) benchmark::DoNotOptimize(Lesen(b.pfad));
    state.SetBytesProcessed(state.iterations() * static_cast<long>(kGroesse));
}
BENCHMARK(BM_Basislinie_Lesen64KiB)->Unit(benchmark::kMicrosecond);

void BM_Basislinie_LesenSchreibenErsetzen64KiB(benchmark::State& state) {
    auto& b = Eine();
    const std::string temp = b.ordner.Pfad() + "NeuerName.tmp";
    for (auto _ : state) {
        const std::vector<unsigned char> inhalt = Lesen(b.pfad);
        auto datei = plattform::Datei::Erzeugen(temp);
        datei->Schreibe(inhalt.data(), inhalt.size());
        datei->Flush();
        datei->Schliessen();
        if (std::rename(temp.c_str(), b.pfad.c_str()) != 0) state.SkipWithError("replace failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(kGroesse));
}
BENCHMARK(BM_Basislinie_LesenSchreibenErsetzen64KiB)->Unit(benchmark::kMicrosecond);

void BM_ReplayLesen(benchmark::State& state) {
    auto& b = Eine();
    TStilleMeldungen meldungen;
    for (auto _ : state) {
        TReplay replay(b.pfad, meldungen);
        benchmark::DoNotOptimize(replay.Spieleranzahl);
    }
}
BENCHMARK(BM_ReplayLesen)->Unit(benchmark::kMicrosecond);

void BM_Umbenennen(benchmark::State& state) {
    auto& b = Eine();
    TStilleMeldungen meldungen;
    // Both names are as long as the first one, so the replay as read once stays the list's
    // view of the file through every rename.
    const TReplay replay(b.pfad, meldungen);
    const std::u16string namen[] = {u"Erster Name", u"Zweiter Nam"};
    std::size_t i = 0;
    for (auto _ : state) ReplayUmbenennen(replay, namen[i++ % 2], meldungen);
    if (meldungen.anzahl > 0) state.SkipWithError("a rename was refused");
    state.SetBytesProcessed(state.iterations() * static_cast<long>(kGroesse));
}
BENCHMARK(BM_Umbenennen)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
