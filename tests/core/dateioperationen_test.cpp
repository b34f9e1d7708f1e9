#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/platform/dateioperationen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/quelldatei.h"
#include "support/nurposix.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

using namespace plattform;
namespace fs = std::filesystem;

namespace {

std::string MitRueckstrichen(std::string pfad) {
    std::replace(pfad.begin(), pfad.end(), '/', '\\');
    return pfad;
}

class DateioperationenTest : public testing::Test {
protected:
    void SetUp() override {
        ReplayBauer bauer;
        bauer.Name = u"Quelle";
        inhalt = bauer.Bauen();
        quelle = t + "quelle.rec";
        DateiSchreiben(quelle, inhalt);
        AenderungszeitSetzen(quelle, 2004, 9, 21, 18, 30, 12);
        fs::create_directory(t + "ordner");
    }
    void TearDown() override { FehlerplanLeeren(); }

    TempVerzeichnis temp;
    const std::string t = temp.Pfad();
    std::vector<unsigned char> inhalt;
    std::string quelle;
};

}  // namespace

TEST_F(DateioperationenTest, FehlerplanTrifftLoeschen) {
    DateiSchreiben(t + "eins.rec", inhalt);
    FehlerEinplanen(Operation::Loeschen, 1);
    EXPECT_FALSE(Loeschen(t + "eins.rec"));
    EXPECT_TRUE(DateiExistiert(t + "eins.rec"));
    EXPECT_TRUE(Loeschen(t + "eins.rec"));
    EXPECT_FALSE(NameBelegt(t + "eins.rec"));
}

TEST_F(DateioperationenTest, LoeschenNurVonDateien) {
    EXPECT_FALSE(Loeschen(t + "fehlt.rec"));
    EXPECT_FALSE(Loeschen(t + "ordner"));
    EXPECT_TRUE(VerzeichnisExistiert(t + "ordner"));
    // On POSIX the backslashed spelling names another file, which does not exist.
    EXPECT_EQ(Loeschen(MitRueckstrichen(quelle)), !IstPosix());
    if (IstPosix()) {
        EXPECT_TRUE(Loeschen(quelle));
    }
    EXPECT_FALSE(NameBelegt(quelle));
}

// What Windows refuses to delete, and the import then meets again next time.
TEST_F(DateioperationenTest, WindowsLoeschtKeineSchreibgeschuetztenOderOffenenDateien) {
    NUR_UNTER_WINDOWS();
    SchreibschutzSetzen(quelle, true);
    EXPECT_FALSE(Loeschen(quelle));
    EXPECT_TRUE(DateiExistiert(quelle));
    SchreibschutzSetzen(quelle, false);
    {
        // As most programs open a file: sharing reads and writes, not its deletion.
        std::ifstream offen(FsPfad(quelle), std::ios::binary);
        ASSERT_TRUE(offen.is_open());
        EXPECT_FALSE(Loeschen(quelle));
        EXPECT_TRUE(DateiExistiert(quelle));
    }
    EXPECT_TRUE(Loeschen(quelle));
}

TEST_F(DateioperationenTest, GleicherInhalt) {
    // Just past one read block, so the comparison has to go on after the first block.
    std::vector<unsigned char> gross(64 * 1024 + 1, 0x5A);
    auto grossAnders = gross;
    grossAnders.back() = 0x5B;
    auto kuerzer = inhalt;
    kuerzer.pop_back();
    auto gekippt = inhalt;
    gekippt[gekippt.size() / 2] ^= 1;
    DateiSchreiben(t + "gleich.rec", inhalt);
    DateiSchreiben(t + "kuerzer.rec", kuerzer);
    DateiSchreiben(t + "gekippt.rec", gekippt);
    DateiSchreiben(t + "gross1.rec", gross);
    DateiSchreiben(t + "gross2.rec", gross);
    DateiSchreiben(t + "gross3.rec", grossAnders);
    DateiSchreiben(t + "leer1.rec", {});
    DateiSchreiben(t + "leer2.rec", {});
    SchreibschutzSetzen(t + "gleich.rec", true);
    struct Fall {
        std::string a, b;
        bool gleich;
    };
    const Fall kFaelle[] = {
        {quelle, t + "gleich.rec", true},  // read-only is no obstacle to reading
        {quelle, quelle, true},
        {quelle, t + "kuerzer.rec", false},
        {t + "kuerzer.rec", quelle, false},
        {quelle, t + "gekippt.rec", false},
        {t + "gross1.rec", t + "gross2.rec", true},
        {t + "gross1.rec", t + "gross3.rec", false},
        {t + "leer1.rec", t + "leer2.rec", true},
        {quelle, t + "fehlt.rec", false},
        {t + "fehlt.rec", t + "fehlt.rec", false},
        {t + "ordner", t + "ordner", false},
    };
    for (const Fall& fall : kFaelle) {
        SCOPED_TRACE(fall.a + " / " + fall.b);
        const auto a = Quelldatei::Oeffnen(fall.a), b = Quelldatei::Oeffnen(fall.b);
        EXPECT_EQ(a && b && GleicherInhalt(*a, *b), fall.gleich);
    }
    FehlerEinplanen(Operation::Lesen, 1);
    const auto a = Quelldatei::Oeffnen(quelle);
    EXPECT_FALSE(GleicherInhalt(*a, *a));
    EXPECT_TRUE(GleicherInhalt(*a, *a));
}

TEST_F(DateioperationenTest, GleicheDateiErkenntJedeSchreibweise) {
    DateiSchreiben(t + "ordner/zwilling.rec", inhalt);
    struct Fall {
        std::string a, b;
        bool gleich;
    };
    std::vector<Fall> faelle = {
        {quelle, quelle, true},
        {t + "ordner", t + "ordner/", true},
        {t + "ordner/zwilling.rec", t + "ordner//zwilling.rec", true},
        {t + "ordner/zwilling.rec", MitRueckstrichen(t) + "ordner\\zwilling.rec", !IstPosix()},
        {t + "ordner/zwilling.rec", t + "ordner/../ordner/zwilling.rec", true},
        {quelle, t + "ordner/zwilling.rec", false},  // same bytes, another file
        {quelle, t + "fehlt.rec", false},
        {t + "fehlt.rec", t + "fehlt.rec", false},
    };
    if (IstPosix()) {
        fs::create_directory_symlink(t + "ordner", t + "verweis");
        faelle.push_back({t + "ordner/zwilling.rec", t + "verweis/zwilling.rec", true});
        faelle.push_back({t + "ordner", t + "verweis", true});
    }
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.a + " / " + fall.b);
        EXPECT_EQ(GleicheDatei(fall.a, fall.b), fall.gleich);
    }
}

TEST_F(DateioperationenTest, NameBelegt) {
    EXPECT_TRUE(NameBelegt(quelle));
    EXPECT_TRUE(NameBelegt(t + "ordner"));
    EXPECT_FALSE(NameBelegt(t + "fehlt.rec"));
    if (IstPosix()) {
        // A dangling link still blocks the name for a new file.
        fs::create_symlink(t + "fehlt.rec", t + "verweis.rec");
        EXPECT_TRUE(NameBelegt(t + "verweis.rec"));
    }
}
