// The Playback folders the import and the watch read: every installation's, each once,
// only those that exist, and on Windows the VirtualStore twin of a game under Program Files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/spiel/playbackordner.h"
#include "core/transfers.h"
#include "support/nurposix.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

namespace {

// Two installations sharing a folder (the base game and Winter Assault), one without
// Playback, and a further folder typed without its separator.
TEST(PlaybackOrdner, JedesEinmalUndNurWasEsGibt) {
    TempVerzeichnis t;
    const std::string basis = t.Pfad() + "dow/", dc = t.Pfad() + "dc/", ohne = t.Pfad() + "ohne/";
    for (const std::string& o : {basis + "Playback", dc + "Playback", ohne, t.Pfad() + "weiter"})
        std::filesystem::create_directories(FsPfad(o));
    const auto installation = [](const std::string& ordner, const char* programm, TEdition edition) {
        TInstallation i;
        i.Ordner = ordner;
        i.Programm = programm;
        i.Edition = edition;
        return i;
    };
    const std::vector<TInstallation> installationen = {installation(basis, "W40k.exe", TEdition::DawnOfWar),
                                                       installation(basis, "W40kWA.exe", TEdition::WinterAssault),
                                                       installation(dc, "DarkCrusade.exe", TEdition::DarkCrusade),
                                                       installation(ohne, "Soulstorm.exe", TEdition::Soulstorm)};
    EXPECT_EQ(AllePlaybackOrdner(dc, installationen, {t.Pfad() + "weiter", t.Pfad() + "fehlt"}),
              (std::vector<std::string>{PlaybackOrdner(dc), PlaybackOrdner(basis),
                                        plattform::OrdnerMitTrenner(t.Pfad() + "weiter")}));
}

// Windows: an old game under Program Files writes its replays, redirected, into the
// VirtualStore twin of its Playback folder; the import finds them there.
TEST(PlaybackOrdner, VirtualStoreZwillingWirdImportiert) {
    NUR_UNTER_WINDOWS();
    const char* lokal = std::getenv("LOCALAPPDATA");
    ASSERT_NE(lokal, nullptr);
    const std::string name = "Quellarch-Test-" + std::to_string(std::random_device{}());
    const std::string spiel = "C:\\Program Files (x86)\\" + name + "\\";
    const std::string zwilling = std::string(lokal) + "\\VirtualStore\\Program Files (x86)\\" + name + "\\";
    std::filesystem::create_directories(FsPfad(spiel + "Playback"));
    std::filesystem::create_directories(FsPfad(zwilling + "Playback"));
    ReplayBauer().Schreiben(zwilling + "Playback\\spiel.rec");
    TempVerzeichnis bibliothek;

    const std::vector<std::string> ordner = AllePlaybackOrdner(spiel, {}, {});
    ASSERT_EQ(ordner.size(), 2u);
    EXPECT_EQ(ordner[1], PlaybackOrdner(zwilling));
    const TKopierbericht bericht = PlaybackOrdnerImportieren(ordner, bibliothek.Pfad(), false);
    ASSERT_EQ(bericht.Dateien.size(), 1u);
    EXPECT_TRUE(plattform::DateiExistiert(bibliothek.Pfad() + "spiel.rec"));
    std::filesystem::remove_all(FsPfad(spiel));
    std::filesystem::remove_all(FsPfad(zwilling));
}

}  // namespace
