// The reader against builder-made replays: every field, the odd length fields, damaged
// files and files it cannot open.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/fehler.h"
#include "core/platform/pfad.h"
#include "core/platform/uhr.h"
#include "core/replay.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

namespace {

class ReplayLesen : public ::testing::Test {
protected:
    TempVerzeichnis ordner;
    TAufgezeichneteMeldungen meldungen;

    std::unique_ptr<TReplay> Lesen(const ReplayBauer& bau, const std::string& name = "test.rec") {
        bau.Schreiben(ordner.Pfad() + name);
        return std::make_unique<TReplay>(ordner.Pfad() + name, meldungen);
    }
};

SpielerBau Spieler(std::u16string name, std::string rasse, std::uint32_t team, std::uint32_t kennzahl = 0) {
    SpielerBau s;
    s.Name = std::move(name);
    s.Rasse = std::move(rasse);
    s.Team = team;
    s.Kennzahl = kennzahl;
    return s;
}

TEST_F(ReplayLesen, EveryFieldOfAnOrdinaryReplay) {
    ReplayBauer bau;
    bau.Name = u"Finale";
    bau.KartenSchluessel = "4P_QUATRA";
    bau.Optionen = {11, 12, 13, 14, 15, 16, 17, 18};
    bau.Siegbedingungen = {0xF6999082, 0x74C54396, 0x12345678};
    bau.Spieler = {Spieler(u"Gorgutz", "ork_race", 0, 7), Spieler(u"Indrick", "space_marine_race", 1, 255),
                   Spieler(u"Macha", "eldar_race", 1, 0)};
    bau.Spieler[1].LueckeDavor = 33;
    auto r = Lesen(bau, "finale.rec");

    EXPECT_EQ(r->Dateiname, "finale.rec");
    EXPECT_EQ(r->Spielname, "Finale");
    EXPECT_EQ(r->NamensLaenge, 12);
    EXPECT_EQ(r->Karte, "4P_QUATRA");
    EXPECT_EQ(r->Spieleranzahl, 3);
    EXPECT_EQ((std::array<int, 8>{r->Option1, r->Option2, r->Option3, r->Option4, r->Option5, r->Option6,
                                  r->Option7, r->Option8}),
              (std::array<int, 8>{11, 12, 13, 14, 15, 16, 17, 18}));
    ASSERT_TRUE(r->Siegbedingungen);
    EXPECT_TRUE(r->Siegbedingungen->Vernichtung);
    EXPECT_TRUE(r->Siegbedingungen->Erobern);
    EXPECT_FALSE(r->Siegbedingungen->SuddenDeath || r->Siegbedingungen->Attentat || r->Siegbedingungen->Oeko ||
                 r->Siegbedingungen->Kontrollgebiet || r->Siegbedingungen->HQ);
    const char* namen[] = {"Gorgutz", "Indrick", "Macha"};
    const char* rassen[] = {"ork_race", "space_marine_race", "eldar_race"};
    const int teams[] = {0, 1, 1};
    const char* kennzahlen[] = {"7", "255", "0"};
    for (int slot = 1; slot <= 8; ++slot) {
        SCOPED_TRACE(slot);
        const TSpieler* s = r->SpielerInSlot(slot);
        if (slot > 3) {
            EXPECT_EQ(s, nullptr);
            continue;
        }
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Name, namen[slot - 1]);
        EXPECT_EQ(s->Rasse, rassen[slot - 1]);
        EXPECT_EQ(s->Team, teams[slot - 1]);
        EXPECT_EQ(s->Kennzahl, kennzahlen[slot - 1]);
    }
    EXPECT_TRUE(meldungen.Arten.empty());
}

// Odd but readable files: what each gives.
struct Lesefall {
    const char* name;
    std::function<void(ReplayBauer&)> bauen;
    std::function<void(const TReplay&)> pruefen;
};

const Lesefall kLesefaelle[] = {
    {"no win conditions: all flags false, first player right after the count",
     [](ReplayBauer& b) { b.Siegbedingungen.clear(); },
     [](const TReplay& r) {
         ASSERT_TRUE(r.Siegbedingungen);
         const auto& s = *r.Siegbedingungen;
         EXPECT_FALSE(s.Vernichtung || s.SuddenDeath || s.Attentat || s.Oeko || s.Kontrollgebiet || s.HQ ||
                      s.Erobern);
         ASSERT_TRUE(r.SpielerInSlot(1));
         EXPECT_EQ(r.SpielerInSlot(1)->Name, "Spieler");
     }},
    {"an identifier named twice sets its flag once; unknown ones set nothing",
     [](ReplayBauer& b) { b.Siegbedingungen = {0x337F20F5, 0x337F20F5, 1, 0xFFFFFFFF}; },
     [](const TReplay& r) {
         EXPECT_TRUE(r.Siegbedingungen->HQ);
         EXPECT_FALSE(r.Siegbedingungen->Vernichtung);
     }},
    {"all seven identifiers",
     [](ReplayBauer& b) {
         b.Siegbedingungen = {0xF6999082, 0x931DD8F4, 0xBAF8C0A1, 0xD18450C7, 0x2BD05ECA, 0x337F20F5, 0x74C54396};
     },
     [](const TReplay& r) {
         const auto& s = *r.Siegbedingungen;
         EXPECT_TRUE(s.Vernichtung && s.SuddenDeath && s.Attentat && s.Oeko && s.Kontrollgebiet && s.HQ &&
                     s.Erobern);
     }},
    {"an empty replay name",
     [](ReplayBauer& b) { b.Name.clear(); },
     [](const TReplay& r) {
         EXPECT_EQ(r.Spielname, "");
         EXPECT_EQ(r.NamensLaenge, 0);
         EXPECT_EQ(r.SpielerInSlot(1)->Name, "Spieler");
     }},
    {"a map path of exactly 18 bytes gives an empty map key",
     [](ReplayBauer& b) { b.KartenSchluessel.clear(); },
     [](const TReplay& r) {
         EXPECT_EQ(r.Karte, "");
         EXPECT_EQ(r.Spielname, "Testspiel");
     }},
    {"a map path shorter than 18 bytes wraps: m = L + 238",
     [](ReplayBauer& b) { b.KartenPfad = "DATA:short"; },
     [](const TReplay& r) {
         EXPECT_EQ(r.Karte.size(), 10u + 238u);
         EXPECT_EQ(r.Spielname, "Testspiel");
     }},
    {"a name of 300 code units reads as 44, and the count after it comes from inside the name",
     [](ReplayBauer& b) {
         b.Name = std::u16string(300, u'A');
         b.Spieler.clear();
     },
     [](const TReplay& r) {
         EXPECT_EQ(r.Spielname, std::string(44, 'A'));
         EXPECT_EQ(r.NamensLaenge, 88);
         EXPECT_FALSE(r.Siegbedingungen->Vernichtung);  // 65 identifiers 0x00410041
         EXPECT_EQ(r.Spieleranzahl, 0);
     }},
    {"a map path length field of 256 + 20 reads as 20",
     [](ReplayBauer& b) {
         b.KartenSchluessel = "AB";
         b.KartenPfadLaengeFeld = 256 + 20;
     },
     [](const TReplay& r) { EXPECT_EQ(r.Karte, "AB"); }},
    {"an empty player name and an empty race key",
     [](ReplayBauer& b) { b.Spieler = {Spieler(u"", "", 0), Spieler(u"Zwei", "ork_race", 2)}; },
     [](const TReplay& r) {
         EXPECT_EQ(r.SpielerInSlot(1)->Name, "");
         EXPECT_EQ(r.SpielerInSlot(1)->Rasse, "");
         EXPECT_EQ(r.SpielerInSlot(2)->Name, "Zwei");
         EXPECT_EQ(r.SpielerInSlot(2)->Team, 2);
     }},
    {"a player name of 300 code units reads as 44",
     [](ReplayBauer& b) { b.Spieler = {Spieler(std::u16string(300, u'x'), "ork_race", 0)}; },
     [](const TReplay& r) { EXPECT_EQ(r.SpielerInSlot(1)->Name, std::string(44, 'x')); }},
    {"no players: nothing after the win conditions is read",
     [](ReplayBauer& b) {
         b.Spieler.clear();
         b.Schwanz = 0;
     },
     [](const TReplay& r) {
         EXPECT_EQ(r.Spieleranzahl, 0);
         for (int slot = 1; slot <= 8; ++slot) EXPECT_EQ(r.SpielerInSlot(slot), nullptr);
     }},
    {"one player with no FOLDGPLY after it ends normally",
     [](ReplayBauer& b) { b.Schwanz = 0; },
     [](const TReplay& r) { EXPECT_EQ(r.SpielerInSlot(1)->Name, "Spieler"); }},
    {"a second player without its marker: the first is kept and the parse ends",
     [](ReplayBauer& b) {
         b.Spieler = {Spieler(u"Eins", "ork_race", 0), Spieler(u"Zwei", "eldar_race", 1)};
         b.Spieler[1].OhneFoldgply = true;
     },
     [](const TReplay& r) {
         EXPECT_EQ(r.Spieleranzahl, 2);
         EXPECT_EQ(r.SpielerInSlot(1)->Name, "Eins");
         EXPECT_EQ(r.SpielerInSlot(2), nullptr);
     }},
    {"ten players fill the eight slots; the count stays 10",
     [](ReplayBauer& b) {
         b.Spieler.clear();
         for (int i = 0; i < 10; ++i)
             b.Spieler.push_back(Spieler(u"P" + std::u16string(1, char16_t(u'0' + i)), "ork_race", 0));
     },
     [](const TReplay& r) {
         EXPECT_EQ(r.Spieleranzahl, 10);
         EXPECT_EQ(r.SpielerInSlot(8)->Name, "P7");
     }},
};

TEST_F(ReplayLesen, OddButReadableFiles) {
    for (const auto& fall : kLesefaelle) {
        SCOPED_TRACE(fall.name);
        ReplayBauer bau;
        fall.bauen(bau);
        std::unique_ptr<TReplay> r;
        ASSERT_NO_THROW(r = Lesen(bau));
        fall.pruefen(*r);
    }
}

// The gap between a race key and the next player's FOLDGPLY: the distance is counted
// across the search's 1024-byte blocks and across the reader's 4 KiB head.
TEST_F(ReplayLesen, NextPlayerFoundAcrossBlockBoundaries) {
    for (std::size_t luecke : {0, 1, 1016, 1017, 1020, 1023, 1024, 2047, 4000, 4090, 5000, 12000}) {
        SCOPED_TRACE(luecke);
        ReplayBauer bau;
        bau.Spieler = {Spieler(u"Eins", "ork_race", 0), Spieler(u"Zwei", "eldar_race", 1),
                       Spieler(u"Drei", "chaos_marine_race", 0)};
        bau.Spieler[1].LueckeDavor = luecke;
        bau.Spieler[2].LueckeDavor = luecke / 2;
        auto r = Lesen(bau);
        ASSERT_TRUE(r->SpielerInSlot(3));
        EXPECT_EQ(r->SpielerInSlot(2)->Name, "Zwei");
        EXPECT_EQ(r->SpielerInSlot(2)->Rasse, "eldar_race");
        EXPECT_EQ(r->SpielerInSlot(3)->Name, "Drei");
    }
}

TEST_F(ReplayLesen, TruncatedFilesRaiseAnIoError) {
    ReplayBauer bau;
    bau.Spieler = {Spieler(u"Eins", "ork_race", 0), Spieler(u"Zwei", "eldar_race", 1)};
    bau.Schwanz = 0;
    ReplayLage lage;
    auto voll = bau.Bauen(&lage);
    const std::size_t schnitte[] = {0, 100, 194, 195, 230, 252, lage.O + 10, lage.T + 5, lage.NamePos + 3,
                                    lage.E - 2, lage.Anker[1] + 45, voll.size() - 1};
    for (std::size_t schnitt : schnitte) {
        SCOPED_TRACE(schnitt);
        DateiSchreiben(ordner.Pfad() + "kurz.rec", {voll.begin(), voll.begin() + static_cast<long>(schnitt)});
        EXPECT_THROW(TReplay(ordner.Pfad() + "kurz.rec", meldungen), Fehler);
    }
    EXPECT_TRUE(meldungen.Arten.empty());
}

TEST_F(ReplayLesen, UnopenableFilesGiveTheMessageAndANearlyEmptyReplay) {
    std::filesystem::create_directory(ordner.Pfad() + "ordner.rec");
    for (const char* name : {"fehlt.rec", "ordner.rec"}) {
        SCOPED_TRACE(name);
        meldungen.Arten.clear();
        TReplay r(ordner.Pfad() + name, meldungen);
        ASSERT_EQ(meldungen.Arten, std::vector<TMeldungsart>{TMeldungsart::OeffnenFehlgeschlagen});
        EXPECT_EQ(r.Dateiname, name);
        EXPECT_EQ(r.Spielname, "");
        EXPECT_EQ(r.Karte, "");
        EXPECT_EQ(r.Spieleranzahl, 0);
        EXPECT_EQ(r.Datum, 0.0);
        EXPECT_EQ(r.NamensLaenge, 0);
        EXPECT_EQ(r.Option8, 0);
        EXPECT_FALSE(r.Siegbedingungen);
        EXPECT_EQ(r.SpielerInSlot(1), nullptr);
    }
}

TEST_F(ReplayLesen, DateIsTheFatTimeOrNowOutsideItsRange) {
    struct Fall {
        int jahr, monat, tag, stunde, minute, sekunde;
        bool jetzt;  // expect the current time instead
        int erwarteteSekunde;
    };
    const Fall faelle[] = {
        {2005, 3, 12, 14, 22, 10, false, 10},
        {2005, 3, 12, 12, 0, 1, false, 0},  // odd seconds drop to even
        {2043, 12, 31, 23, 59, 59, false, 58},
        {1979, 6, 1, 12, 0, 0, true, 0},
        {2044, 1, 1, 0, 0, 0, true, 0},
        {2060, 7, 7, 7, 7, 7, true, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.jahr << "-" << f.monat << "-" << f.tag);
        ReplayBauer().Schreiben(ordner.Pfad() + "datum.rec");
        AenderungszeitSetzen(ordner.Pfad() + "datum.rec", f.jahr, f.monat, f.tag, f.stunde, f.minute, f.sekunde);
        TDateTime vorher = plattform::JetztLokal();
        TReplay r(ordner.Pfad() + "datum.rec", meldungen);
        TDateTime nachher = plattform::JetztLokal();
        if (f.jetzt) {
            EXPECT_GE(r.Datum, vorher);
            EXPECT_LE(r.Datum, nachher);
        } else {
            TDatumTeile t = DatumZerlegen(r.Datum);
            EXPECT_EQ(t.Jahr, f.jahr);
            EXPECT_EQ(t.Monat, f.monat);
            EXPECT_EQ(t.Tag, f.tag);
            EXPECT_EQ(t.Stunde, f.stunde);
            EXPECT_EQ(t.Minute, f.minute);
            EXPECT_EQ(t.Sekunde, f.erwarteteSekunde);
            EXPECT_EQ(t.Millisekunde, 0);
        }
    }
}

// Windows separates at '\', '/' and the drive colon; POSIX at '/' alone, where "Sieg: 2v2.rec"
// and "x\y.rec" are names of their own.
TEST(Dateiname, IsThePartAfterTheLastSeparator) {
    const struct {
        const char* pfad;
        const char* windows;
        const char* posix;
    } faelle[] = {
        {"C:\\Spiele\\DoW\\a.rec", "a.rec", "C:\\Spiele\\DoW\\a.rec"},
        {"C:a.rec", "a.rec", "C:a.rec"},
        {"/home/x/b.rec", "b.rec", "b.rec"},
        {"/home/x/Sieg: 2v2.rec", " 2v2.rec", "Sieg: 2v2.rec"},
        {"/home/x/x\\y.rec", "y.rec", "x\\y.rec"},
        {"C:\\lib/a:b.rec", "b.rec", "a:b.rec"},
        {"nur.rec", "nur.rec", "nur.rec"},
        {"ordner\\", "", "ordner\\"},
        {"ordner/", "", ""},
        {"", "", ""},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(DateinameAusPfad(fall.pfad), plattform::IstPosix() ? fall.posix : fall.windows) << fall.pfad;
}

}  // namespace
