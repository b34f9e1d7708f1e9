// The words for what the core reports, in German and English, and which language a
// player's system asks for.
#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "gui/kerntexte.h"
#include "gui/kopiermeldung.h"
#include "gui/uebersetzung.h"

namespace {

// Runs a test in one language and goes back to German, the widget tests' own.
struct InSprache {
    explicit InSprache(TSprache sprache) { SpracheLaden(sprache); }
    ~InSprache() { SpracheLaden(TSprache::Deutsch); }
};

TKopierbericht Bericht(const std::vector<TKopierstand>& staende) {
    TKopierbericht bericht;
    for (TKopierstand s : staende) bericht.Dateien.push_back({"x.rec", s});
    return bericht;
}

}  // namespace

// The counts say what really happened, with singular and plural right in both languages.
TEST(Kopiermeldung, ZaehltWasWirklichKopiertWurde) {
    using S = TKopierstand;
    const struct {
        std::vector<S> staende;
        const char* deutsch;
        const char* englisch;
    } faelle[] = {
        {{}, "0 Replays wurden kopiert.", "0 replays were copied."},
        {{S::Kopiert}, "1 Replay wurde kopiert.", "1 replay was copied."},
        {{S::Kopiert, S::SchonDa, S::SchonDa}, "1 Replay wurde kopiert.\r\n2 Replays waren schon vorhanden.",
         "1 replay was copied.\r\n2 replays were already there."},
        {{S::WirdGeschrieben, S::ZuGross},
         "0 Replays wurden kopiert.\r\n1 Replay wird noch geschrieben und kommt beim nächsten Import mit.\r\n"
         "1 Replay wurde nicht kopiert:\r\nx.rec: zu groß",
         "0 replays were copied.\r\n1 replay is still being written and will come along with the next import.\r\n"
         "1 replay was not copied:\r\nx.rec: too large"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.deutsch);
        EXPECT_EQ(KopierMeldung(Bericht(fall.staende), TKopierart::Import), fall.deutsch);
        InSprache englisch(TSprache::Englisch);
        EXPECT_EQ(KopierMeldung(Bericht(fall.staende), TKopierart::Import), fall.englisch);
    }
}

// Every key of the tables in both languages: German as the table holds it, English as the
// game's English edition names it.
TEST(Anzeigenamen, JederSchluesselInBeidenSprachen) {
    const struct {
        QString (*text)(const std::string&);
        TAnzeigename (*anzeige)(const std::string&);
        const char* schluessel;
        const char* englisch;
    } faelle[] = {
        {RassenText, RassenAnzeige, "space_marine_race", "Space Marines"},
        {RassenText, RassenAnzeige, "chaos_marine_race", "Chaos Space Marines"},
        {RassenText, RassenAnzeige, "eldar_race", "Eldar"},
        {RassenText, RassenAnzeige, "ork_race", "Orks"},
        {RassenText, RassenAnzeige, "guard_race", "Imperial Guard"},
        {RassenText, RassenAnzeige, "necron_race", "Necrons"},
        {RassenText, RassenAnzeige, "tau_race", "Tau Empire"},
        {RassenText, RassenAnzeige, "dark_eldar_race", "Dark Eldar"},
        {RassenText, RassenAnzeige, "sisters_race", "Sisters of Battle"},
        {KartenText, KartenAnzeige, "2P_BATTLE_MARSHES", "Battle Marshes"},
        {KartenText, KartenAnzeige, "2P_BLOOD_RIVER", "Blood River"},
        {KartenText, KartenAnzeige, "2P_DEADMANS_CROSSING", "Deadman's Crossing"},
        {KartenText, KartenAnzeige, "2P_FALLEN_CITY", "Fallen City"},
        {KartenText, KartenAnzeige, "2P_MEETING_OF_MINDS", "Meeting of Minds"},
        {KartenText, KartenAnzeige, "2P_OUTER_REACHES", "Outer Reaches"},
        {KartenText, KartenAnzeige, "2P_RAILWAY", "Railway"},
        {KartenText, KartenAnzeige, "2P_TAINTED_PAIR", "Tainted Pair"},
        {KartenText, KartenAnzeige, "2P_VALLEY_OF_KHORNE", "Valley of Khorne"},
        {KartenText, KartenAnzeige, "4P_BIFFYS_PERIL", "Biffy's Peril"},
        {KartenText, KartenAnzeige, "4P_MOUNTAIN_TRAIL", "Mountain Trail"},
        {KartenText, KartenAnzeige, "4P_QUATRA", "Quatra"},
        {KartenText, KartenAnzeige, "4P_SAINTS_SQUARE", "Saint's Square"},
        {KartenText, KartenAnzeige, "4P_TAINTED_PLACE", "Tainted Place"},
        {KartenText, KartenAnzeige, "4P_TAINTED_SOUL", "Tainted Soul"},
        {KartenText, KartenAnzeige, "4P_TARTARUS_CENTER", "Tartarus Center"},
        {KartenText, KartenAnzeige, "4P_VOLCANIC_REACTION", "Volcanic Reaction"},
        {KartenText, KartenAnzeige, "6P_BLOODSHED_ALLEY", "Bloodshed Alley"},
        {KartenText, KartenAnzeige, "6P_CROSSROADS", "Crossroads"},
        {KartenText, KartenAnzeige, "6P_KASYR_LUTIEN", "Kasyr Lutien"},
        {KartenText, KartenAnzeige, "6P_MORTALIS", "Mortalis"},
        {KartenText, KartenAnzeige, "6P_TESTING_GROUNDS", "Testing Grounds"},
        {KartenText, KartenAnzeige, "6PTEAM_STREETS_OF_VOGEN", "Streets of Vogen"},
        {KartenText, KartenAnzeige, "8P_BURIAL_GROUNDS", "Burial Grounds"},
        {KartenText, KartenAnzeige, "8P_DATURIAS_PITS", "Daturias Pits"},
        {KartenText, KartenAnzeige, "8P_DOOM_CHAMBER", "Doom Chamber"},
        {KartenText, KartenAnzeige, "8P_LOST_HOPE", "Lost Hope"},
        {KartenText, KartenAnzeige, "8P_PENAL_COLONY", "Penal Colony"},
        // A key the table does not know reads as itself in both.
        {KartenText, KartenAnzeige, "2P_NEUE_KARTE", "2P_NEUE_KARTE"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.schluessel);
        EXPECT_EQ(fall.text(fall.schluessel).toStdString(), fall.anzeige(fall.schluessel).Text());
        InSprache englisch(TSprache::Englisch);
        EXPECT_EQ(fall.text(fall.schluessel), QString::fromUtf8(fall.englisch));
    }
}

TEST(Sprache, FolgtDemSystemUndDerEinstellung) {
    const struct {
        const char* einstellung;
        QStringList system;
        TSprache sprache;
    } faelle[] = {
        {"", {"de-DE", "en-US"}, TSprache::Deutsch},
        {"", {"de-AT"}, TSprache::Deutsch},
        {"", {"en-GB"}, TSprache::Englisch},
        {"", {"fr-FR"}, TSprache::Englisch},
        {"", {"fr-FR", "de-DE"}, TSprache::Deutsch},  // German is listed before English
        {"", {"C"}, TSprache::Deutsch},
        {"", {}, TSprache::Deutsch},
        {"Automatisch", {"ru-RU"}, TSprache::Englisch},
        {"Deutsch", {"en-US"}, TSprache::Deutsch},
        {"English", {"de-DE"}, TSprache::Englisch},
        {"Klingonisch", {"de-DE"}, TSprache::Deutsch},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.einstellung + (" / " + fall.system.join(',').toStdString()));
        EXPECT_EQ(SpracheAusEinstellung(fall.einstellung, fall.system), fall.sprache);
    }
}
