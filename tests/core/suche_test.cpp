// The search: which words find a replay through which of its fields, and the folding
// that makes case and accents not count.
#include <gtest/gtest.h>

#include <string>

#include "core/replay.h"
#include "core/suche.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

namespace {

struct Fall {
    const char* suche;  // UTF-8, as typed
    bool passt;
};

TEST(Suche, FindetUeberJedesFeld) {
    TempVerzeichnis ordner;
    ReplayBauer bau;
    bau.Name = u"Schlacht um Kärnten";
    bau.KartenSchluessel = "2P_BATTLE_MARSHES";  // "Sumpfgebiete"
    SpielerBau gabriel, oeller;
    gabriel.Name = u"Gabriel";
    gabriel.Rasse = "space_marine_race";
    oeller.Name = u"Öller";
    oeller.Rasse = "ork_race";
    bau.Spieler = {gabriel, oeller};
    bau.Schreiben(ordner.Pfad() + "turnier_finale.rec");
    TAufgezeichneteMeldungen meldungen;
    const std::string text = Suchtext(TReplay(ordner.Pfad() + "turnier_finale.rec", meldungen));

    const Fall faelle[] = {
        {"", true},
        {"   ", true},
        {"kärnten", true},
        {"KÄRNTEN", true},
        {"Karnten", true},
        {"schlacht", true},
        {"turnier", true},              // file name
        {"finale.rec", true},
        {"sumpf", true},                // map display name
        {"battle_marshes", true},       // map key
        {"gabriel", true},              // player
        {"oller", true},
        {"orkz", true},                 // race display name
        {"ork_race", true},             // race key
        {"space marines", true},        // two words
        {"\"space marines\"", true},    // a phrase
        {"\"um kärnten\"", true},
        {"\"kärnten um\"", false},      // a phrase keeps its order
        {"\"kärnten turnier\"", false}, // and never spans two fields
        {"\"gabriel", true},            // a quote left open
        {"kärnten  gabriel sumpf", true},
        {"kärnten gabriel zorro", false},
        {"eldar", false},
        {"xyz", false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.suche);
        EXPECT_EQ(TSuche(f.suche).Passt(text), f.passt);
    }
    EXPECT_TRUE(TSuche("  \"\" ").Leer());
    EXPECT_FALSE(TSuche("x").Leer());
}

TEST(Suche, FaltetFallUndAkzente) {
    struct Faltfall {
        const char* text;  // UTF-8
        const char* suche;
        bool passt;
    };
    const Faltfall faelle[] = {
        {"Straße", "STRASSE", true},
        {"STRASSE", "straße", true},
        {"GROẞ", "gross", true},
        {"Œuvre Æon", "oeuvre aeon", true},
        {"Łódź Čáp Ğ", "lodz cap g", true},
        {"Ka\u0308rnten", "kärnten", true},  // accent as a combining mark
        {"Battle\u00A0Marshes\tnord", "\"battle marshes nord\"", true},
        {"Ёжик в тумане", "ежик ТУМАН", true},
        {"ежик", "ЁЖИК", true},
        {"ЙОД", "йод", true},
        {"йод", "иод", false},               // й is a letter of its own
        {"Άρης Σπάρτης", "αρης ΣΠΑΡΤΗΣ", true},
        {"ΐ Ϋ", "ι υ", true},
        {"中文 ☃", "中", true},                // other scripts as they are
        {"\xFF\xC3 abc \xE2\x82", "abc", true},  // malformed bytes
        {"Karnten", "kärntner", false},
    };
    for (const Faltfall& f : faelle) {
        SCOPED_TRACE(std::string(f.text) + " / " + f.suche);
        EXPECT_EQ(TSuche(f.suche).Passt(SuchFalten(f.text)), f.passt);
    }
}

}  // namespace
