// Several quellarch-cli processes at once, and a writer beside them, as players run them:
// the window and a script side by side, the program started twice, an import while the
// game writes. Nothing may be lost, no file under a replay's name may be incomplete, and
// every replay keeps its own content. Real processes race for real, so these run natively
// only (Wine now and then fails to start one); the same steps are interleaved
// deterministically through the fault plan's actions in the core tests.
#include <gtest/gtest.h>

#include <QProcess>
#include <iostream>
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fcntl.h>
#include <map>
#include <memory>
#include <set>
#include <thread>
#include <unistd.h>
#include <vector>

#include "core/meldungen.h"
#include "core/platform/pfad.h"
#include "core/platform/programmpfad.h"
#include "core/platform/tempdatei.h"
#include "core/replay.h"
#include "support/nurposix.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

QString CliPfad() {
    return QString::fromStdString(plattform::VerzeichnisTeil(plattform::ProgrammPfad())) + "/" + QUELLARCH_CLI;
}

// Starts every command at once and waits for all of them.
std::vector<int> Gleichzeitig(const std::vector<QStringList>& befehle) {
    std::vector<std::unique_ptr<QProcess>> laeufe;
    for (const QStringList& argumente : befehle) {
        laeufe.push_back(std::make_unique<QProcess>());
        laeufe.back()->start(CliPfad(), argumente);
    }
    std::vector<int> status;
    for (auto& p : laeufe) {
        p->waitForFinished(60000);
        status.push_back(p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1);
    }
    return status;
}

QString Q(const std::string& pfad) { return QString::fromStdString(pfad); }

Bytes Replay(const std::string& name, const std::string& karte = "2P_BATTLE_MARSHES") {
    ReplayBauer bau;
    bau.Name = std::u16string(name.begin(), name.end());
    bau.KartenSchluessel = karte;
    bau.Schwanz = 4096;  // big enough that a copy takes a moment
    return bau.Bauen();
}

std::vector<Bytes> Dateien(const std::string& ordner, bool nurRec = true) {
    std::vector<Bytes> inhalt;
    for (const auto& e : fs::directory_iterator(ordner))
        if (e.is_regular_file() && (!nurRec || e.path().extension() == ".rec"))
            inhalt.push_back(DateiLesen(e.path().string()));
    return inhalt;
}

int Temporaere(const std::string& ordner) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(ordner)) n += plattform::IstTempName(e.path().filename().string());
    return n;
}

// How many of these replays are in neither folder, and how many files under a replay's
// name hold none of them whole.
struct Verlust {
    int verloren = 0, unvollstaendig = 0;
};
Verlust Pruefen(const std::vector<Bytes>& vorher, const std::vector<std::string>& ordner) {
    std::vector<Bytes> nachher;
    for (const std::string& o : ordner)
        for (Bytes& b : Dateien(o)) nachher.push_back(std::move(b));
    Verlust v;
    for (const Bytes& b : vorher) v.verloren += std::find(nachher.begin(), nachher.end(), b) == nachher.end();
    for (const Bytes& b : nachher) v.unvollstaendig += std::find(vorher.begin(), vorher.end(), b) == vorher.end();
    return v;
}

class Nebenlaeufig : public testing::Test {
protected:
    void SetUp() override {
        NUR_UNTER_POSIX();
        fs::create_directories(playback);
        fs::create_directories(bib);
    }
    TempVerzeichnis temp;
    const std::string spiel = temp.Pfad() + "spiel/", playback = spiel + "Playback/", bib = temp.Pfad() + "bib/";
};

}  // namespace

// Two imports with removal over the same Playback folder, started together: each replay
// ends up in the library once, whole, and in neither folder is one missing.
TEST_F(Nebenlaeufig, ZweiImporteMitEntfernen) {
    Verlust summe;
    for (int runde = 0; runde < 10; ++runde) {
        SCOPED_TRACE(runde);
        std::vector<Bytes> vorher;
        for (int i = 0; i < 32; ++i) {
            vorher.push_back(Replay("R" + std::to_string(runde) + "-" + std::to_string(i)));
            DateiSchreiben(playback + "r" + std::to_string(i) + ".rec", vorher.back());
        }
        const QStringList import = {"import", Q(spiel), Q(bib), "--remove"};
        Gleichzeitig({import, import});
        const Verlust v = Pruefen(vorher, {playback, bib});
        summe.verloren += v.verloren;
        summe.unvollstaendig += v.unvollstaendig;
        EXPECT_EQ(Temporaere(bib), 0);
        fs::remove_all(bib);
        fs::create_directories(bib);
        for (const auto& e : fs::directory_iterator(playback)) fs::remove(e.path());
    }
    std::cout << "lost: " << summe.verloren << " of 320, incomplete: " << summe.unvollstaendig << "\n";
    EXPECT_EQ(summe.verloren, 0);
    EXPECT_EQ(summe.unvollstaendig, 0);
}

// Four renames at once in one folder, each of its own replay: every file keeps its own
// game under the name it was given.
TEST_F(Nebenlaeufig, VierUmbenennungenImSelbenOrdner) {
    const std::vector<std::string> karten = {"2P_BATTLE_MARSHES", "2P_FATA_MORGANA", "4P_QUATRA", "6P_MORTIS_VALE"};
    for (std::size_t i = 0; i < karten.size(); ++i)
        DateiSchreiben(bib + "r" + std::to_string(i) + ".rec", Replay("Anfang", karten[i]));
    int vertauscht = 0;
    for (int runde = 0; runde < 25; ++runde) {
        std::vector<QStringList> befehle;
        for (std::size_t i = 0; i < karten.size(); ++i)
            befehle.push_back({"rename", Q(bib + "r" + std::to_string(i) + ".rec"),
                               QString("R%1-%2").arg(runde).arg(i)});
        const std::vector<int> status = Gleichzeitig(befehle);
        TAufgezeichneteMeldungen m;
        for (std::size_t i = 0; i < karten.size(); ++i) {
            TReplay r(bib + "r" + std::to_string(i) + ".rec", m);
            const bool richtig = r.Karte == karten[i] &&
                                 (status[i] != 0 || r.Spielname == QString("R%1-%2").arg(runde).arg(i).toStdString());
            vertauscht += !richtig;
        }
        EXPECT_EQ(status, std::vector<int>(karten.size(), 0)) << runde;
    }
    EXPECT_EQ(vertauscht, 0);
    EXPECT_EQ(Temporaere(bib), 0);
}

// The game has written half a replay and still holds the file: the import leaves it, says
// so, and takes it whole once the game has closed it.
TEST_F(Nebenlaeufig, ImportWaehrendDasSpielSchreibt) {
    const Bytes ganz = Replay("Ganz");
    const int fd = ::open((playback + "temp.rec").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, ganz.data(), ganz.size() / 2), static_cast<ssize_t>(ganz.size() / 2));

    QProcess p;
    p.start(CliPfad(), {"import", Q(spiel), Q(bib), "--remove"});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardOutput().contains("1 Replay wird noch geschrieben"));
    EXPECT_TRUE(Dateien(bib).empty());

    ASSERT_EQ(::write(fd, ganz.data() + ganz.size() / 2, ganz.size() - ganz.size() / 2),
              static_cast<ssize_t>(ganz.size() - ganz.size() / 2));
    ::close(fd);
    p.start(CliPfad(), {"import", Q(spiel), Q(bib), "--remove"});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(Dateien(bib), std::vector<Bytes>{ganz});
    EXPECT_TRUE(Dateien(playback).empty());
}

// The game rewrites its files in place, in two writes, again and again, while imports with
// removal run: whatever reaches the library is a whole game, and the newest game of each
// file is never lost.
TEST_F(Nebenlaeufig, SpielSchreibtWaehrendDesImports) {
    constexpr int kDateien = 8;
    std::vector<Bytes> alle;
    std::atomic<bool> weiter{true};
    std::vector<std::vector<Bytes>> fassungen(kDateien);
    for (int i = 0; i < kDateien; ++i)
        for (int f = 0; f < 2; ++f) {
            fassungen[i].push_back(Replay("D" + std::to_string(i) + "-F" + std::to_string(f)));
            alle.push_back(fassungen[i].back());
        }
    std::vector<int> letzte(kDateien, -1);
    std::thread schreiber([&] {
        for (int n = 0; weiter; ++n) {
            const int i = n % kDateien, f = (n / kDateien) % 2;
            const Bytes& b = fassungen[i][f];
            const std::string pfad = playback + "d" + std::to_string(i) + ".rec";
            const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0) continue;
            ::write(fd, b.data(), b.size() / 3);
            ::usleep(500);
            ::write(fd, b.data() + b.size() / 3, b.size() - b.size() / 3);
            ::close(fd);
            letzte[i] = f;
            ::usleep(1000);
        }
    });
    const QStringList import = {"import", Q(spiel), Q(bib), "--remove"};
    for (int runde = 0; runde < 15; ++runde) Gleichzeitig({import, import});
    weiter = false;
    schreiber.join();
    // Every file under a replay's name is one of the games whole.
    int unvollstaendig = 0;
    for (const std::string& o : {playback, bib})
        for (const Bytes& b : Dateien(o)) unvollstaendig += std::find(alle.begin(), alle.end(), b) == alle.end();
    EXPECT_EQ(unvollstaendig, 0);
    // The game's newest version of each file is still somewhere.
    std::vector<Bytes> da = Dateien(playback);
    for (Bytes& b : Dateien(bib)) da.push_back(std::move(b));
    for (int i = 0; i < kDateien; ++i) {
        if (letzte[i] < 0) continue;
        EXPECT_NE(std::find(da.begin(), da.end(), fassungen[i][letzte[i]]), da.end()) << "file " << i;
    }
    EXPECT_EQ(Temporaere(bib), 0);
}
