#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/datei.h"
#include "core/platform/dateioperationen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/fehlerplan.h"
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

// The bytes of a file; empty for a folder or a missing name.
std::vector<unsigned char> Inhalt(const std::string& pfad) {
    return DateiExistiert(pfad) ? DateiLesen(pfad) : std::vector<unsigned char>{};
}

fs::perms Rechte(const std::string& pfad) { return fs::status(pfad).permissions(); }

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

TEST_F(DateioperationenTest, KopierenLegtNurNeueDateienAn) {
    struct Fall {
        const char* titel;
        std::string quelle;
        std::string ziel;
        bool gelingt;
    };
    fs::create_directory(t + "ordner.rec");
    temp.DateiSchreiben("vorhanden.rec", "anderer Inhalt");
    temp.DateiSchreiben("ordner/leer.rec", "");
    std::vector<Fall> faelle = {
        {"neues Ziel", quelle, t + "ordner/kopie.rec", true},
        {"leere Datei", t + "ordner/leer.rec", t + "leer.rec", true},
        {"Ziel vorhanden", quelle, t + "vorhanden.rec", false},
        {"Ziel ist ein Ordner", quelle, t + "ordner.rec", false},
        {"Ziel ist die Quelle", quelle, quelle, false},
        {"Zielordner fehlt", quelle, t + "fehlt/kopie.rec", false},
        {"Quelle fehlt", t + "fehlt.rec", t + "ordner/fehlt.rec", false},
        {"Quelle ist ein Ordner", t + "ordner.rec", t + "ordner/ordner.rec", false},
    };
    // Windows separates at '\'; on POSIX it is part of the name, and so is ':'.
    if (IstPosix()) {
        faelle.push_back({"Rueckstrich im Namen", quelle, t + "ordner\\kopie2.rec", true});
        faelle.push_back({"Doppelpunkt im Namen", quelle, t + "Sieg: 2v2.rec", true});
        faelle.push_back({"Rueckstriche sind kein Pfad", MitRueckstrichen(quelle), t + "ordner/kopie3.rec", false});
    } else {
        faelle.push_back(
            {"mit Rueckstrichen", MitRueckstrichen(quelle), MitRueckstrichen(t) + "ordner\\kopie2.rec", true});
    }
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        const bool zielVorher = NameBelegt(fall.ziel);
        const auto zielInhaltVorher = Inhalt(fall.ziel);
        EXPECT_EQ(Kopieren(fall.quelle, fall.ziel), fall.gelingt);
        if (fall.gelingt) {
            EXPECT_EQ(DateiLesen(fall.ziel), DateiLesen(fall.quelle));
            EXPECT_EQ(LetzteAenderungFat(fall.ziel), LetzteAenderungFat(fall.quelle));
        } else {
            // Neither overwritten nor left half-made.
            EXPECT_EQ(NameBelegt(fall.ziel), zielVorher);
            EXPECT_EQ(Inhalt(fall.ziel), zielInhaltVorher);
        }
        EXPECT_EQ(DateiLesen(quelle), inhalt);
    }
    EXPECT_FALSE(VerzeichnisExistiert(t + "fehlt/"));
}

TEST_F(DateioperationenTest, KopieBehaeltZeitUndSchreibschutz) {
    SchreibschutzSetzen(quelle, true);
    const std::string ziel = t + "ordner/kopie.rec";
    ASSERT_TRUE(Kopieren(quelle, ziel));
    EXPECT_EQ(LetzteAenderungFat(ziel), LetzteAenderungFat(quelle));
    EXPECT_EQ(Rechte(ziel), Rechte(quelle));
    EXPECT_EQ(DateiLesen(ziel), inhalt);
}

TEST_F(DateioperationenTest, KopieBehaeltDieRechteBits) {
    NUR_UNTER_POSIX();
    for (fs::perms rechte : {fs::perms(0640), fs::perms(0755), fs::perms(0400), fs::perms(0)}) {
        SCOPED_TRACE(static_cast<int>(rechte));
        fs::permissions(quelle, rechte);
        const std::string ziel = t + "ordner/kopie.rec";
        ASSERT_TRUE(Kopieren(quelle, ziel));
        EXPECT_EQ(Rechte(ziel), rechte);
        fs::permissions(ziel, fs::perms::owner_all);
        fs::remove(ziel);
    }
}

TEST_F(DateioperationenTest, FehlerplanTrifftKopierenUndLoeschen) {
    FehlerEinplanen(Operation::Kopieren, 2);
    EXPECT_TRUE(Kopieren(quelle, t + "eins.rec"));
    EXPECT_FALSE(Kopieren(quelle, t + "zwei.rec"));
    EXPECT_FALSE(NameBelegt(t + "zwei.rec"));
    EXPECT_TRUE(Kopieren(quelle, t + "drei.rec"));

    FehlerEinplanen(Operation::Loeschen, 1);
    EXPECT_FALSE(Loeschen(t + "eins.rec"));
    EXPECT_TRUE(DateiExistiert(t + "eins.rec"));
    EXPECT_TRUE(Loeschen(t + "eins.rec"));
    EXPECT_FALSE(NameBelegt(t + "eins.rec"));

    FehlerEinplanen(Operation::Lesen, 1);
    EXPECT_FALSE(GleicherInhalt(quelle, t + "drei.rec"));
    EXPECT_TRUE(GleicherInhalt(quelle, t + "drei.rec"));
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
        const auto offen = Datei::OeffnenLesenSchreiben(quelle);
        ASSERT_NE(offen, nullptr);
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
        EXPECT_EQ(GleicherInhalt(fall.a, fall.b), fall.gleich);
    }
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
        EXPECT_FALSE(Kopieren(quelle, t + "verweis.rec"));
        EXPECT_FALSE(NameBelegt(t + "fehlt.rec"));
    }
}
