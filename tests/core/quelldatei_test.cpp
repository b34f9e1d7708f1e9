// A file a step reads before it copies, renames or removes it: whether someone writes it,
// whether it is still what was read, and the delete that holds to that.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "core/platform/dateisystem.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/quelldatei.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

using namespace plattform;
namespace fs = std::filesystem;

namespace {

class QuelldateiTest : public testing::Test {
protected:
    void SetUp() override { DateiSchreiben(pfad, {'a', 'b', 'c', 'd'}); }
    void TearDown() override { FehlerplanLeeren(); }
    TempVerzeichnis temp;
    const std::string pfad = temp.Pfad() + "a.rec";
};

}  // namespace

TEST_F(QuelldateiTest, SchreibendWennJemandDieDateiZumSchreibenHaelt) {
    auto datei = Quelldatei::Oeffnen(pfad);
    ASSERT_NE(datei, nullptr);
    EXPECT_EQ(datei->Schreibend(), Schreiber::Keiner);
    {
        // As the game holds its replay while it records: open for writing, midway.
        std::ofstream schreiber(FsPfad(pfad), std::ios::binary | std::ios::app);
        ASSERT_TRUE(schreiber.is_open());
        EXPECT_EQ(datei->Schreibend(), Schreiber::Da);
        // Only a look: the writer goes on writing meanwhile.
        schreiber << "ef";
        schreiber.flush();
        EXPECT_TRUE(schreiber.good());
    }
    EXPECT_EQ(datei->Schreibend(), Schreiber::Keiner);
    EXPECT_FALSE(datei->Unveraendert());
    FehlerEinplanen(Operation::Schreibtest, 1);
    EXPECT_EQ(datei->Schreibend(), Schreiber::Unbekannt);
}

TEST_F(QuelldateiTest, NurRegulaereDateienUndSchreibschutzWirdErkannt) {
    fs::create_directory(temp.Pfad() + "ordner.rec");
    EXPECT_EQ(Quelldatei::Oeffnen(temp.Pfad() + "ordner.rec"), nullptr);
    EXPECT_EQ(Quelldatei::Oeffnen(temp.Pfad() + "fehlt.rec"), nullptr);
    SchreibschutzSetzen(pfad, true);
    const auto datei = Quelldatei::Oeffnen(pfad);
    ASSERT_NE(datei, nullptr);
    EXPECT_TRUE(Schreibgeschuetzt(datei->Zustand()));
    SchreibschutzSetzen(pfad, false);
}

// Deleted only while it is the very file that was read, unchanged.
TEST_F(QuelldateiTest, LoeschenNurWennUnveraendert) {
    const struct {
        const char* titel;
        std::function<void(const std::string&)> aendern;
        bool geloescht;
    } faelle[] = {
        {"unveraendert", [](const std::string&) {}, true},
        {"gleich gross neu geschrieben", [](const std::string& p) { DateiSchreiben(p, {'w', 'x', 'y', 'z'}); }, false},
        {"verlaengert", [](const std::string& p) { DateiSchreiben(p, {'a', 'b', 'c', 'd', 'e'}); }, false},
        {"durch eine andere Datei ersetzt",
         [](const std::string& p) {
             DateiSchreiben(p + ".neu", {'a', 'b', 'c', 'd'});
             fs::remove(FsPfad(p));
             fs::rename(FsPfad(p + ".neu"), FsPfad(p));
         },
         false},
        {"verschwunden", [](const std::string& p) { fs::remove(FsPfad(p)); }, false},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        DateiSchreiben(pfad, {'a', 'b', 'c', 'd'});
        AenderungszeitSetzen(pfad, 2006, 1, 2, 3, 4, 6);
        Dateizustand gelesen;
        ASSERT_TRUE(ZustandLesen(pfad, gelesen));
        fall.aendern(pfad);
        // The same modification time again: a change must show all the same.
        if (!fall.geloescht && fs::exists(FsPfad(pfad))) AenderungszeitSetzen(pfad, 2006, 1, 2, 3, 4, 6);
        EXPECT_EQ(LoeschenWennUnveraendert(pfad, gelesen), fall.geloescht);
        EXPECT_EQ(DateiExistiert(pfad), !fall.geloescht && std::string(fall.titel) != "verschwunden");
    }
    DateiSchreiben(pfad, {'a'});
    Dateizustand gelesen;
    ASSERT_TRUE(ZustandLesen(pfad, gelesen));
    FehlerEinplanen(Operation::Loeschen, 1);
    EXPECT_FALSE(LoeschenWennUnveraendert(pfad, gelesen));
    EXPECT_TRUE(LoeschenWennUnveraendert(pfad, gelesen));
}
