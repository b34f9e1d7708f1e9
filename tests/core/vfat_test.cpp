// The library on a FAT file system, as players keep it on a USB stick or a Steam library
// on vfat: mounted through FUSE, which offers neither RENAME_NOREPLACE, nor link(), nor
// RENAME_EXCHANGE, so the copies and the rename take their last way. Skipped where
// fusefat or /dev/fuse is missing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/platform/pfad.h"
#include "core/platform/tempdatei.h"
#include "core/replay.h"
#include "core/transfers.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

namespace fs = std::filesystem;

namespace {

class Vfat : public testing::Test {
protected:
    void SetUp() override {
        if (!plattform::IstPosix()) GTEST_SKIP() << "nur unter POSIX";
        if (std::system("command -v fusefat >/dev/null && command -v mkfs.vfat >/dev/null && test -c /dev/fuse") != 0)
            GTEST_SKIP() << "fusefat, mkfs.vfat oder /dev/fuse fehlt";
        fs::create_directories(bib);
        fs::create_directories(playback);
        const std::string befehl = "mkfs.vfat -C '" + abbild + "' 4096 >/dev/null && fusefat -o rw+ '" + abbild +
                                   "' '" + bib + "' 2>/dev/null";
        if (std::system(befehl.c_str()) != 0) GTEST_SKIP() << "vfat-Abbild nicht eingehaengt";
        eingehaengt = true;
    }
    void TearDown() override {
        if (eingehaengt) std::system(("fusermount -u '" + bib + "'").c_str());
    }

    TempVerzeichnis temp;
    const std::string abbild = temp.Pfad() + "fat.img", bib = temp.Pfad() + "bib/",
                      spiel = temp.Pfad() + "spiel/", playback = spiel + "Playback/";
    bool eingehaengt = false;
};

}  // namespace

TEST_F(Vfat, ImportUndUmbenennenOhneDieAtomarenWege) {
    ReplayBauer a, b;
    a.Name = u"Erstes";
    b.Name = u"Zweites";
    DateiSchreiben(playback + "temp.rec", a.Bauen());
    DateiSchreiben(bib + "temp.rec", b.Bauen());

    const TKopierbericht bericht = PlaybackImportieren(spiel, bib, true);
    ASSERT_EQ(bericht.Dateien.size(), 1u);
    EXPECT_EQ(bericht.Dateien[0].Stand, TKopierstand::Kopiert);
    EXPECT_TRUE(bericht.Dateien[0].Entfernt);
    // The taken name kept its replay; the new one came under the next name.
    EXPECT_EQ(DateiLesen(bib + "temp.rec"), b.Bauen());
    EXPECT_EQ(DateiLesen(bib + "temp (2).rec"), a.Bauen());

    ReplayVerzeichnis = bib;
    TAufgezeichneteMeldungen meldungen;
    ReplayUmbenennen(TReplay(bib + "temp (2).rec", meldungen), u"Umbenannt", meldungen);
    EXPECT_TRUE(meldungen.Arten.empty());
    EXPECT_EQ(TReplay(bib + "temp (2).rec", meldungen).Spielname, "Umbenannt");

    for (const auto& e : fs::directory_iterator(bib)) EXPECT_FALSE(plattform::IstTempName(e.path().filename().string()));
    ReplayVerzeichnis.clear();
}
