#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "core/datum.h"
#include "core/fehler.h"
#include "core/platform/datei.h"
#include "core/platform/dateisystem.h"
#include "core/platform/fatzeit.h"
#include "core/platform/fehlerplan.h"
#include "support/nurposix.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

using namespace plattform;

namespace {

class DateiTest : public testing::Test {
protected:
    void TearDown() override { FehlerplanLeeren(); }
    TempVerzeichnis temp;
};


}  // namespace

TEST_F(DateiTest, OeffnenVerweigert) {
    const std::string lesbar = temp.DateiSchreiben("lesbar.rec", "abc");
    const std::string geschuetzt = temp.DateiSchreiben("geschuetzt.rec", "abc");
    SchreibschutzSetzen(geschuetzt, true);
    std::filesystem::create_directory(temp.Pfad() + "ordner.rec");

    struct Fall {
        std::string pfad;
        bool geht;
    };
    const Fall kFaelle[] = {
        {lesbar, true},
        // A replay from a CD or a download, marked read-only, is read like any other.
        {geschuetzt, true},
        {temp.Pfad() + "ordner.rec", false},
        {temp.Pfad() + "fehlt.rec", false},
        {temp.Pfad() + "fehlt/x.rec", false},
        {"", false},
    };
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(f.pfad);
        EXPECT_EQ(Datei::OeffnenLesen(f.pfad) != nullptr, f.geht);
    }
}

// A '\' is part of a POSIX file name: "Playback\a.rec" is a file of its own beside the
// folder Playback, and each path opens exactly its file.
TEST_F(DateiTest, RueckstrichGehoertZumNamen) {
    NUR_UNTER_POSIX();
    std::filesystem::create_directory(temp.Pfad() + "Playback");
    temp.DateiSchreiben("Playback/a.rec", "abc");
    temp.DateiSchreiben("Playback\\a.rec", "abcdef");
    for (const auto& [name, groesse] : {std::pair{"Playback\\a.rec", 6}, std::pair{"Playback/a.rec", 3}}) {
        SCOPED_TRACE(name);
        const std::string pfad = temp.Pfad() + name;
        auto datei = Datei::OeffnenLesen(pfad);
        ASSERT_NE(datei, nullptr);
        EXPECT_EQ(datei->Pfad(), pfad);
        EXPECT_EQ(datei->Groesse(), groesse);
    }
    EXPECT_NE(Datei::Erzeugen(temp.Pfad() + "Playback\\neu.tmp"), nullptr);
    EXPECT_TRUE(std::filesystem::exists(temp.Pfad() + "Playback\\neu.tmp"));
    EXPECT_FALSE(std::filesystem::exists(temp.Pfad() + "Playback/neu.tmp"));
}

TEST_F(DateiTest, GenauLesenUndBlockLesen) {
    auto datei = Datei::OeffnenLesen(temp.DateiSchreiben("a.rec", "0123456789"));
    ASSERT_NE(datei, nullptr);
    EXPECT_EQ(datei->Groesse(), 10);

    std::array<char, 16> puffer{};
    datei->Positionieren(6);
    datei->LeseGenau(puffer.data(), 4);
    EXPECT_EQ(std::string(puffer.data(), 4), "6789");
    datei->LeseGenau(puffer.data(), 0);  // nothing asked, nothing missing

    datei->Positionieren(8);
    try {
        datei->LeseGenau(puffer.data(), 3);
        ADD_FAILURE() << "read past the end did not fail";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.Art(), TFehlerart::Dateiende);
    }

    datei->Positionieren(7);
    EXPECT_EQ(datei->LeseBlock(puffer.data(), puffer.size()), 3u);
    EXPECT_EQ(std::string(puffer.data(), 3), "789");
    EXPECT_EQ(datei->LeseBlock(puffer.data(), puffer.size()), 0u);

    // Beyond the end seeking is allowed; the read after it fails or gives nothing.
    datei->Positionieren(1000);
    EXPECT_THROW(datei->LeseGenau(puffer.data(), 1), Fehler);
    EXPECT_EQ(datei->LeseBlock(puffer.data(), 1), 0u);
    EXPECT_THROW(datei->Positionieren(-1), Fehler);
    EXPECT_NO_THROW(datei->Schliessen());
    EXPECT_NO_THROW(datei->Schliessen());
}

TEST_F(DateiTest, ErzeugenSchreibenUndKuerzen) {
    const std::string pfad = temp.DateiSchreiben("neu.tmp", "alter langer Inhalt");
    {
        auto datei = Datei::Erzeugen(pfad);
        ASSERT_NE(datei, nullptr);
        datei->Schreibe("neu", 3);
        datei->Schreibe("", 0);
        datei->Flush();
        datei->Schliessen();
    }
    auto datei = Datei::OeffnenLesen(pfad);
    ASSERT_NE(datei, nullptr);
    EXPECT_EQ(datei->Groesse(), 3);
    EXPECT_EQ(Datei::Erzeugen(temp.Pfad() + "fehlt/neu.tmp"), nullptr);
    EXPECT_EQ(Datei::Erzeugen(temp.Pfad()), nullptr);
}

TEST_F(DateiTest, FehlerplanTrifftDenNtenAufruf) {
    const std::string pfad = temp.Pfad() + "ziel.tmp";
    auto datei = Datei::Erzeugen(pfad);
    ASSERT_NE(datei, nullptr);
    FehlerEinplanen(Operation::Schreiben, 3);
    datei->Schreibe("aa", 2);
    datei->Schreibe("bb", 2);
    EXPECT_THROW(datei->Schreibe("cc", 2), Fehler);
    datei->Schreibe("dd", 2);  // only the third call fails
    datei->Schliessen();
    auto gelesen = Datei::OeffnenLesen(pfad);
    ASSERT_NE(gelesen, nullptr);
    std::array<char, 8> puffer{};
    ASSERT_EQ(gelesen->LeseBlock(puffer.data(), puffer.size()), 6u);
    EXPECT_EQ(std::string(puffer.data(), 6), "aabbdd");

    FehlerEinplanen(Operation::Lesen, 1);
    gelesen->Positionieren(0);
    EXPECT_THROW(gelesen->LeseBlock(puffer.data(), 1), Fehler);
    FehlerEinplanen(Operation::Flush, 1);
    EXPECT_THROW(gelesen->Flush(), Fehler);
    FehlerEinplanen(Operation::Schliessen, 1);
    EXPECT_THROW(gelesen->Schliessen(), Fehler);
    EXPECT_NO_THROW(gelesen->Schliessen());  // already closed; the destructor leaves it too

    FehlerEinplanen(Operation::Oeffnen, 1);
    EXPECT_EQ(Datei::OeffnenLesen(pfad), nullptr);
    EXPECT_NE(Datei::OeffnenLesen(pfad), nullptr);
    FehlerEinplanen(Operation::Erzeugen, 2);
    EXPECT_NE(Datei::Erzeugen(temp.Pfad() + "b.tmp"), nullptr);
    EXPECT_EQ(Datei::Erzeugen(temp.Pfad() + "c.tmp"), nullptr);
    EXPECT_FALSE(DateiExistiert(temp.Pfad() + "c.tmp"));
}

TEST_F(DateiTest, AenderungszeitInFatForm) {
    struct Fall {
        int jahr, monat, tag, stunde, minute, sekunde;
        bool negativ;
    };
    // Mid-day times in winter and summer keep clear of daylight-saving switches.
    const Fall kFaelle[] = {
        {1979, 12, 31, 12, 0, 0, true},
        {1980, 1, 2, 12, 0, 0, false},
        {2003, 7, 14, 12, 0, 1, false},  // odd second: stored as 12:00:00
        {2021, 1, 31, 23, 59, 59, false},
        {2043, 12, 30, 12, 0, 0, false},
        {2044, 1, 2, 12, 0, 0, true},
        {2099, 6, 1, 12, 30, 0, true},
    };
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(testing::Message() << f.jahr << "-" << f.monat << "-" << f.tag);
        const std::string pfad = temp.DateiSchreiben("zeit.rec", "x");
        AenderungszeitSetzen(pfad, f.jahr, f.monat, f.tag, f.stunde, f.minute, f.sekunde);
        const std::int32_t erwartet =
            f.jahr < 1980 ? -1 : FatAusTeilen(f.jahr, f.monat, f.tag, f.stunde, f.minute, f.sekunde);
        auto datei = Datei::OeffnenLesen(pfad);
        ASSERT_NE(datei, nullptr);
        EXPECT_EQ(datei->LetzteAenderungFat(), erwartet);
        EXPECT_EQ(LetzteAenderungFat(pfad), erwartet);
        EXPECT_EQ(erwartet < 0, f.negativ);
        if (!f.negativ) {
            TDatumTeile t = DatumZerlegen(FatZuDatum(erwartet));
            EXPECT_EQ(t.Sekunde, f.sekunde / 2 * 2);
            EXPECT_EQ(t.Tag, f.tag);
        }
    }
}
