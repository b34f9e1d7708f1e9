// Names made from a replay's contents: what the template gives, and that every name it
// gives is one each system takes as it stands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/namensvorlage.h"
#include "core/platform/dateisystem.h"
#include "core/replay.h"
#include "core/zeichensatz.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"
#include "support/testnamen.h"

namespace {

TNamensfelder Felder(std::vector<std::vector<std::string>> teams, std::string karte = "Bahnhof") {
    TNamensfelder f;
    f.Datum = {2026, 12, 9, 21, 14, 37, 0};
    f.Karte = std::move(karte);
    f.Teams = std::move(teams);
    f.Spielname = "Revanche";
    f.Spieleranzahl = 2;
    return f;
}

// Every name must be valid UTF-8, short enough, and free of what Windows refuses.
void PortabelPruefen(const std::string& name) {
    EXPECT_EQ(AnzeigeText(name), name);
    EXPECT_LE(name.size(), kHoechsteNamenslaenge);
    EXPECT_EQ(name.find_first_of("<>:\"/\\|?*"), std::string::npos);
    for (unsigned char c : name) EXPECT_TRUE(c >= 0x20 && c != 0x7F) << static_cast<int>(c);
    const std::string stamm = name.substr(0, name.size() - 4);
    ASSERT_FALSE(stamm.empty());
    EXPECT_NE(stamm.back(), '.');
    EXPECT_NE(stamm.back(), ' ');
    EXPECT_NE(stamm.front(), ' ');
    EXPECT_NE(stamm.front(), '.');
}

}  // namespace

TEST(Namensvorlage, Felder) {
    const struct {
        const char* titel;
        std::string vorlage;
        TNamensfelder felder;
        std::string name;
    } faelle[] = {
        {"Standard", kStandardvorlage, Felder({{"Gorgutz"}, {"Eldrad"}}), "2026-12-09 21-14 Bahnhof – Gorgutz vs Eldrad.rec"},
        {"zwei Teams", kStandardvorlage, Felder({{"A", "B"}, {"C", "D"}}), "2026-12-09 21-14 Bahnhof – A, B vs C, D.rec"},
        {"jeder gegen jeden", "{Spieler}", Felder({{"A"}, {"B"}, {"C"}}), "A vs B vs C.rec"},
        {"drei Teams zu zweit", "{Spieler}", Felder({{"A", "B"}, {"C", "D"}, {"E", "F"}}), "A, B vs C, D vs E, F.rec"},
        {"ein Team", "{Spieler}", Felder({{"A", "B"}}), "A, B.rec"},
        {"ohne Spieler", "{Karte} – {Spieler}", Felder({}), "Bahnhof –.rec"},
        {"Name und Anzahl", "{Name} ({Spieleranzahl})", Felder({}), "Revanche (2).rec"},
        {"Feldnamen ohne Fall", "{KARTE} {datum}", Felder({}), "Bahnhof 2026-12-09.rec"},
        {"englische Feldnamen", "{Date} {Time} {Map} – {Players} {Name} {PlayerCount}", Felder({{"A"}, {"B"}}),
         "2026-12-09 21-14 Bahnhof – A vs B Revanche 2.rec"},
        {"unbekanntes Feld bleibt stehen", "{Sieger} {Karte}", Felder({}), "{Sieger} Bahnhof.rec"},
        {"offene Klammer bleibt stehen", "{Karte {Name}", Felder({}), "{Karte Revanche.rec"},
        // The field's value, not only the template, is made portable.
        {"Karte mit Doppelpunkt", "{Karte}", Felder({}, "Sieg: 2v2/3v3"), "Sieg_ 2v2_3v3.rec"},
        {"leer", "", Felder({}), "Replay.rec"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        EXPECT_EQ(NameAusVorlage(fall.vorlage, fall.felder), fall.name);
    }
}

TEST(Namensvorlage, FelderAusDemReplay) {
    TempVerzeichnis temp;
    ReplayBauer bau;
    bau.Spieler.clear();
    for (const auto& [name, team] : {std::pair{u"Gorgutz", 1}, {u"Eldrad", 0}, {u"", 1}, {u"Boss", 1}}) {
        SpielerBau s;
        s.Name = name;
        s.Team = static_cast<std::uint32_t>(team);
        bau.Spieler.push_back(s);
    }
    bau.Schreiben(temp.Pfad() + "x.rec");
    AenderungszeitSetzen(temp.Pfad() + "x.rec", 2026, 12, 9, 21, 14, 40);
    TAufgezeichneteMeldungen m;
    const TReplay replay(temp.Pfad() + "x.rec", m);
    // Teams in their order, players in slot order, the nameless one left out.
    EXPECT_EQ(NameAusVorlage(kStandardvorlage, NamensfelderAus(replay, "Bahnhof")),
              "2026-12-09 21-14 Bahnhof – Eldrad vs Gorgutz, Boss.rec");
}

TEST(PortablerName, JedesSystemNimmtIhn) {
    const std::string lang(300, 'a');
    const struct {
        const char* titel;
        std::string stamm;
        std::string name;  // empty: only the rules are checked
        TNamensfehler fehler;  // what a user typing stamm as a file name is told
    } faelle[] = {
        {"nur Leerzeichen", "  ", "Replay.rec", TNamensfehler::Leer},
        {"gerade kurz genug", std::string(kHoechsteNamenslaenge - 5, 'a'), "", TNamensfehler::Keiner},
        {"verbotene Zeichen", "a<b>c:d\"e/f\\g|h?i*j", "a_b_c_d_e_f_g_h_i_j.rec", TNamensfehler::Zeichen},
        {"Steuerzeichen", "a\tb\nc\x01" "d\x7F" "e\xC2\x85" "f", "a_b_c_d_e_f.rec", TNamensfehler::Zeichen},
        {"Punkte und Leerzeichen am Ende", "Sieg. . ", "Sieg.rec", TNamensfehler::Rand},
        {"Leerzeichen am Anfang", "  Sieg", "Sieg.rec", TNamensfehler::Rand},
        {"Punkt am Anfang", ".versteckt", "_versteckt.rec", TNamensfehler::Rand},
        {"nur Punkte", "...", "Replay.rec", TNamensfehler::Rand},
        {"kaputtes UTF-8", "a\xFF" "b", "a\uFFFD" "b.rec", TNamensfehler::Zeichen},
        {"CON", "CON", "CON_.rec", TNamensfehler::Geraetename},
        {"con klein", "con", "con_.rec", TNamensfehler::Geraetename},
        {"NUL mit Endung", "NUL.txt", "NUL_.txt.rec", TNamensfehler::Geraetename},
        {"AUX mit Leerzeichen", "AUX .x", "AUX _.x.rec", TNamensfehler::Geraetename},
        {"PRN", "Prn", "Prn_.rec", TNamensfehler::Geraetename},
        {"COM1", "COM1", "COM1_.rec", TNamensfehler::Geraetename},
        {"LPT9", "lpt9", "lpt9_.rec", TNamensfehler::Geraetename},
        {"COM hochgestellt", "COM\u00B9", "COM\u00B9_.rec", TNamensfehler::Geraetename},
        {"COM0 ist frei", "COM0", "COM0.rec", TNamensfehler::Keiner},
        {"COM10 ist frei", "COM10", "COM10.rec", TNamensfehler::Keiner},
        {"CONSOLE ist frei", "CONSOLE", "CONSOLE.rec", TNamensfehler::Keiner},
        {"CON im Namen ist frei", "CON vs AUX", "CON vs AUX.rec", TNamensfehler::Keiner},
        {"lang", lang, std::string(kHoechsteNamenslaenge - 5, 'a') + ".rec", TNamensfehler::ZuLang},
        // Three bytes a character: the cut falls inside one and moves before it.
        {"lang, Chinesisch", [] { std::string s; for (int i = 0; i < 60; ++i) s += "战"; return s; }(), "", TNamensfehler::ZuLang},
        {"lang, Emoji", [] { std::string s; for (int i = 0; i < 40; ++i) s += "\U0001F3C6"; return s; }(), "", TNamensfehler::ZuLang},
        {"lang, Punkt an der Schnittstelle", std::string(kHoechsteNamenslaenge - 6, 'a') + ". b", "", TNamensfehler::ZuLang},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        const std::string name = PortablerName(fall.stamm);
        if (!fall.name.empty()) {
            EXPECT_EQ(name, fall.name);
        }
        PortabelPruefen(name);
        // A typed name is taken exactly when the template would make it as it stands.
        EXPECT_EQ(DateinamensFehler(fall.stamm), fall.fehler);
        EXPECT_EQ(fall.fehler == TNamensfehler::Keiner, name == fall.stamm + ".rec");
        // The system takes it as it stands and lists it under that very name.
        TempVerzeichnis temp;
        temp.DateiSchreiben(name, "x");
        EXPECT_EQ(plattform::Aufzaehlen(temp.Pfad() + name), std::vector<std::string>{name});
    }
}

// The names of the shared table, in every script, stay as they are where they are clean.
TEST(PortablerName, NamenInJederSchrift) {
    for (const TTestname& t : Testnamen()) {
        SCOPED_TRACE(t.titel);
        const std::string name = PortablerName(t.angezeigt);
        PortabelPruefen(name);
        if (!t.angezeigt.empty()) {
            EXPECT_EQ(name, t.angezeigt + ".rec");
        }
        // Twice the name, cut: still whole characters.
        std::string lang;
        while (lang.size() < 2 * kHoechsteNamenslaenge) lang += t.angezeigt + "x";
        PortabelPruefen(PortablerName(lang));
    }
}
