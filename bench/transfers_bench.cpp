// The import of 1,000 replays with removal, against a baseline measured in the same run:
// what the import did before it had to be safe beside other processes, a plain exclusive
// copy with a sync, a comparison and a delete per file. The safe import adds a private
// temporary name, a look for writers, a second look at the source and a move that never
// replaces; it must stay within 1.2 times the baseline.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/dateisystem.h"
#include "core/transfers.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"

namespace {

constexpr int kReplays = 1000;
namespace fs = std::filesystem;

struct Ordner {
    TempVerzeichnis temp;
    std::string spiel = temp.Pfad() + "spiel/", playback = spiel + "Playback/", bib = temp.Pfad() + "bib/";
    std::vector<std::vector<unsigned char>> replays;
    Ordner() {
        for (int i = 0; i < kReplays; ++i) {
            ReplayBauer bau;
            bau.Name = u"Spiel " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
            bau.ZielGroesse = 48 * 1024 + static_cast<std::size_t>(i);
            replays.push_back(bau.Bauen());
        }
    }
    // A Playback folder full of replays written an hour ago, and an empty library.
    void Fuellen() {
        fs::remove_all(spiel);
        fs::remove_all(bib);
        fs::create_directories(playback);
        fs::create_directories(bib);
        for (int i = 0; i < kReplays; ++i) {
            const std::string pfad = playback + "r" + std::to_string(i) + ".rec";
            DateiSchreiben(pfad, replays[static_cast<std::size_t>(i)]);
            const timespec zeiten[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 3600, 0}};
            ::utimensat(AT_FDCWD, pfad.c_str(), zeiten, 0);
        }
    }
};

Ordner& Die() {
    static Ordner o;
    return o;
}

// The byte comparison as the import made it: both files read in blocks of 64 KiB.
bool Gleich(const std::string& a, const std::string& b) {
    const int fa = ::open(a.c_str(), O_RDONLY | O_CLOEXEC), fb = ::open(b.c_str(), O_RDONLY | O_CLOEXEC);
    std::vector<char> pa(64 * 1024), pb(64 * 1024);
    bool gleich = fa >= 0 && fb >= 0;
    while (gleich) {
        const ssize_t na = ::read(fa, pa.data(), pa.size()), nb = ::read(fb, pb.data(), pb.size());
        gleich = na == nb && na >= 0 && std::equal(pa.begin(), pa.begin() + std::max<ssize_t>(na, 0), pb.begin());
        if (na <= 0) break;
    }
    ::close(fa);
    ::close(fb);
    return gleich;
}

// The import as it was: CopyFile's way (exclusive create, copy, mode and time, sync), the
// byte comparison, the delete.
void AlterImport(const std::string& playback, const std::string& bib) {
    std::vector<char> puffer(64 * 1024);
    for (const std::string& name : plattform::Aufzaehlen(playback + "*.rec")) {
        const std::string von = playback + name, nach = bib + name;
        const int q = ::open(von.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat st {};
        ::fstat(q, &st);
        const int z = ::open(nach.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        for (ssize_t n; (n = ::read(q, puffer.data(), puffer.size())) > 0;)
            if (::write(z, puffer.data(), static_cast<std::size_t>(n)) != n) break;
        const timespec zeiten[2] = {st.st_atim, st.st_mtim};
        ::fchmod(z, st.st_mode & 07777);
        ::futimens(z, zeiten);
        ::fsync(z);
        ::close(z);
        ::close(q);
        if (Gleich(von, nach)) ::unlink(von.c_str());
    }
}

void BM_Basislinie_ImportWieBisher(benchmark::State& state) {
    Ordner& o = Die();
    for (auto _ : state) {
        state.PauseTiming();
        o.Fuellen();
        state.ResumeTiming();
        AlterImport(o.playback, o.bib);
    }
}
BENCHMARK(BM_Basislinie_ImportWieBisher)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PlaybackImportieren(benchmark::State& state) {
    Ordner& o = Die();
    for (auto _ : state) {
        state.PauseTiming();
        o.Fuellen();
        state.ResumeTiming();
        const TKopierbericht bericht = PlaybackImportieren(o.spiel, o.bib, true);
        if (bericht.Anzahl(TKopierstand::Kopiert) != kReplays) state.SkipWithError("not every replay was copied");
    }
}
BENCHMARK(BM_PlaybackImportieren)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
