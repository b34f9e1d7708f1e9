#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "nurposix.h"
#include "platform/fehlerplan.h"
#include "platform/ini.h"
#include "tempverzeichnis.h"

namespace {

std::string Inhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

struct LeseFall {
    const char* name;
    const char* datei;  // nullptr: no file
    std::string erwartet;
};

TEST(IniLesen, WieGetPrivateProfileString) {
    const std::string lang2047(2047, 'a');
    const LeseFall faelle[] = {
        {"keine Datei", nullptr, "vorgabe"},
        {"kein Abschnitt", "[Andere]\nDOW=x\n", "vorgabe"},
        {"kein Schluessel", "[Verzeichnisse]\nReplays=r\n", "vorgabe"},
        {"leerer Wert", "[Verzeichnisse]\nDOW=\n", ""},
        {"Gross- und Kleinschreibung", "[verzeichnisse]\ndow=C:\\x\\\n", "C:\\x\\"},
        {"Leerzeichen", "[ Verzeichnisse ]\n  DOW  =  C:\\x\\  \n", "C:\\x\\"},
        {"Anfuehrungszeichen", "[Verzeichnisse]\nDOW=\"C:\\x \\\"\n", "C:\\x \\"},
        {"CRLF", "[Verzeichnisse]\r\nDOW=C:\\x\\\r\nReplays=r\r\n", "C:\\x\\"},
        {"Kommentar", "[Verzeichnisse]\n;DOW=x\n", "vorgabe"},
        {"erster von zweien", "[Verzeichnisse]\nDOW=eins\nDOW=zwei\n", "eins"},
        {"anderer Abschnitt danach", "[Verzeichnisse]\n[Andere]\nDOW=x\n", "vorgabe"},
        {"ohne Zeilenende", "[Verzeichnisse]\nDOW=x", "x"},
    };
    for (const LeseFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TempVerzeichnis ordner;
        const std::string pfad = ordner.Pfad() + "config.ini";
        if (fall.datei) ordner.DateiSchreiben("config.ini", fall.datei);
        EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", "vorgabe"), fall.erwartet);
    }
}

TEST(IniLesen, HoechstensPuffergroesseMinusEins) {
    const struct {
        std::size_t laenge;
        std::size_t erwartet;
    } faelle[] = {{2046, 2046}, {2047, 2047}, {2048, 2047}, {10000, 2047}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.laenge);
        TempVerzeichnis ordner;
        std::string wert(fall.laenge, 'a');
        for (std::size_t i = 0; i < wert.size(); i += 7) wert[i] = static_cast<char>('0' + i % 10);
        ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nDOW=" + wert + "\nReplays=r\n");
        EXPECT_EQ(plattform::IniLesen(ordner.Pfad() + "config.ini", "Verzeichnisse", "DOW", ""),
                  wert.substr(0, fall.erwartet));
        // The long line must not spill into the keys after it.
        EXPECT_EQ(plattform::IniLesen(ordner.Pfad() + "config.ini", "Verzeichnisse", "Replays", ""), "r");
    }
}

TEST(IniLesen, OrdnerStattDateiGibtVorgabe) {
    TempVerzeichnis ordner;
    EXPECT_EQ(plattform::IniLesen(ordner.Pfad(), "Verzeichnisse", "DOW", "vorgabe"), "vorgabe");
}

TEST(IniSchreiben, LangerWertKommtGanzZurueck) {
    TempVerzeichnis ordner;
    const std::string pfad = ordner.Pfad() + "config.ini";
    const std::string wert(3000, 'w');
    ASSERT_TRUE(plattform::IniSchreiben(pfad, "Verzeichnisse", "DOW", wert));
    ASSERT_TRUE(plattform::IniSchreiben(pfad, "Verzeichnisse", "Replays", "r"));
    EXPECT_NE(Inhalt(pfad).find("DOW=" + wert), std::string::npos);
    EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", ""), wert.substr(0, 2047));
    EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "Replays", ""), "r");
}

struct SchreibFall {
    const char* name;
    const char* vorher;  // nullptr: no file
    const char* nachher;
};

// The exact layout is what this program writes on POSIX; Windows formats its own way.
TEST(IniSchreiben, AendertNurDenEinenSchluessel) {
    NUR_UNTER_POSIX();
    const SchreibFall faelle[] = {
        {"neue Datei", nullptr, "[Verzeichnisse]\nDOW=C:\\neu\\\n"},
        {"Wert ersetzt", "; Kopf\n[Verzeichnisse]\nDOW=alt\nReplays=r\n",
         "; Kopf\n[Verzeichnisse]\nDOW=C:\\neu\\\nReplays=r\n"},
        {"Schluessel ohne Fall ersetzt", "[VERZEICHNISSE]\ndow = alt\n", "[VERZEICHNISSE]\nDOW=C:\\neu\\\n"},
        {"Schluessel ans Ende des Abschnitts", "[Verzeichnisse]\nReplays=r\n\n[Andere]\nx=1\n",
         "[Verzeichnisse]\nReplays=r\nDOW=C:\\neu\\\n\n[Andere]\nx=1\n"},
        {"Abschnitt angehaengt", "[Andere]\nx=1", "[Andere]\nx=1\n\n[Verzeichnisse]\nDOW=C:\\neu\\\n"},
        {"CRLF bleibt", "[Verzeichnisse]\r\nReplays=r\r\n", "[Verzeichnisse]\r\nReplays=r\r\nDOW=C:\\neu\\\r\n"},
    };
    for (const SchreibFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TempVerzeichnis ordner;
        const std::string pfad = ordner.Pfad() + "config.ini";
        if (fall.vorher) ordner.DateiSchreiben("config.ini", fall.vorher);
        ASSERT_TRUE(plattform::IniSchreiben(pfad, "Verzeichnisse", "DOW", "C:\\neu\\"));
        EXPECT_EQ(Inhalt(pfad), fall.nachher);
        EXPECT_EQ(std::filesystem::directory_iterator(ordner.Pfad())->path().filename(), "config.ini")
            << "temporary file left behind";
    }
}

TEST(IniSchreiben, FehlschlagIstFalse) {
    TempVerzeichnis ordner;
    const struct {
        const char* name;
        std::string pfad;
    } faelle[] = {
        {"Ordner fehlt", ordner.Pfad() + "fehlt/config.ini"},
        {"Pfad ist ein Ordner", ordner.Pfad()},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        EXPECT_FALSE(plattform::IniSchreiben(fall.pfad, "Verzeichnisse", "DOW", "x"));
    }
    EXPECT_TRUE(std::filesystem::is_empty(ordner.Pfad()));
}

TEST(IniSchreiben, GeplanterFehlschlagLaesstDieDateiUnveraendert) {
    TempVerzeichnis ordner;
    const std::string pfad = ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nDOW=alt\n");
    plattform::FehlerEinplanen(plattform::Operation::Schreiben, 1);
    EXPECT_FALSE(plattform::IniSchreiben(pfad, "Verzeichnisse", "DOW", "neu"));
    plattform::FehlerplanLeeren();
    EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", ""), "alt");
}

}  // namespace
