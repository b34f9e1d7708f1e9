#include <gtest/gtest.h>

#include "core/anzeigenamen.h"

namespace {

struct Zeile {
    const char* schluessel;
    const char* nameUtf8;
};

constexpr Zeile kRassen[] = {
    {"space_marine_race", "Space Marines"},
    {"chaos_marine_race", "Chaos Marines"},
    {"eldar_race", "Eldar"},
    {"ork_race", "Orkz"},
};

constexpr Zeile kKarten[] = {
    {"2P_BATTLE_MARSHES", "Sumpfgebiete"},
    {"2P_BLOOD_RIVER", "Blutfluss"},
    {"2P_DEADMANS_CROSSING", "Das Flusstal"},
    {"2P_FALLEN_CITY", "Gefallene Stade"},
    {"2P_MEETING_OF_MINDS", "Zusammenkunft"},
    {"2P_OUTER_REACHES", "Randgebiete"},
    {"2P_RAILWAY", "Bahnhof"},
    {"2P_TAINTED_PAIR", "Verfluchtes Land"},
    {"2P_VALLEY_OF_KHORNE", "Tal des Khorne"},
    {"4P_BIFFYS_PERIL", "Biffys Wagnis"},
    {"4P_MOUNTAIN_TRAIL", "Der Bergpass"},
    {"4P_QUATRA", "Quatra"},
    {"4P_SAINTS_SQUARE", "Heiliges Quadrat"},
    {"4P_TAINTED_PLACE", "Verfluchter Ort"},
    {"4P_TAINTED_SOUL", "Verdorbene Seele"},
    {"4P_TARTARUS_CENTER", "Zentrum von Tartarus"},
    {"4P_VOLCANIC_REACTION", "Der Vulkan"},
    {"6P_BLOODSHED_ALLEY", "Die Allee des Blutvergießens"},
    {"6P_CROSSROADS", "Kreuzweg"},
    {"6P_KASYR_LUTIEN", "Kasyr Lutien"},
    {"6P_MORTALIS", "Mortalis"},
    {"6P_TESTING_GROUNDS", "Testgelände"},
    {"6PTEAM_STREETS_OF_VOGEN", "Straßen von Vogen"},
    {"8P_BURIAL_GROUNDS", "Die Gräber"},
    {"8P_DATURIAS_PITS", "Daturias"},
    {"8P_DOOM_CHAMBER", "Vorhof zur Hölle"},
    {"8P_LOST_HOPE", "Letzte Hoffnung"},
    {"8P_PENAL_COLONY", "Penal-Kolonie"},
};

using Nachschlagen = TAnzeigename (*)(const std::string&);

void JedeZeilePasst(Nachschlagen nachschlagen, const Zeile* zeilen, std::size_t anzahl) {
    for (std::size_t i = 0; i < anzahl; ++i) {
        SCOPED_TRACE(zeilen[i].schluessel);
        const TAnzeigename anzeige = nachschlagen(zeilen[i].schluessel);
        ASSERT_TRUE(anzeige.Name);
        EXPECT_EQ(*anzeige.Name, std::string(zeilen[i].nameUtf8));
    }
}

}  // namespace

TEST(Anzeigenamen, JedeRasse) { JedeZeilePasst(RassenAnzeige, kRassen, std::size(kRassen)); }

TEST(Anzeigenamen, JedeKarte) { JedeZeilePasst(KartenAnzeige, kKarten, std::size(kKarten)); }

// What the list shows: the display name, else the key's single bytes as Windows-1252.
TEST(Anzeigenamen, TextMitSchluesselAlsErsatz) {
    EXPECT_EQ(KartenAnzeige("6PTEAM_STREETS_OF_VOGEN").Text(), "Straßen von Vogen");
    EXPECT_EQ(KartenAnzeige("MEINE_KARTE_\xC4").Text(), "MEINE_KARTE_Ä");
    EXPECT_EQ(RassenAnzeige("ork_race").Text(), "Orkz");
    EXPECT_EQ(RassenAnzeige("tau_race\x80").Text(), "tau_race€");
}

TEST(Anzeigenamen, OhneTrefferKeinName) {
    struct Fall {
        Nachschlagen nachschlagen;
        const char* schluessel;
    };
    const Fall kFaelle[] = {
        {KartenAnzeige, "6P_TEAM_STREETS_OF_VOGEN"},
        {KartenAnzeige, "2p_battle_marshes"},
        {KartenAnzeige, "2P_BATTLE_MARSHES "},
        {KartenAnzeige, "2P_BATTLE"},
        {KartenAnzeige, ""},
        {KartenAnzeige, "ork_race"},  // the tables do not mix
        {RassenAnzeige, "Ork_race"},
        {RassenAnzeige, ""},
        {RassenAnzeige, "2P_RAILWAY"},
    };
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(f.schluessel);
        EXPECT_FALSE(f.nachschlagen(f.schluessel).Name);
    }
    // An embedded NUL is part of the key, so a longer key never matches by its prefix.
    EXPECT_FALSE(RassenAnzeige(std::string("ork_race\0", 9)).Name);
}
