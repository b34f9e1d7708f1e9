#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/platform/fehlerplan.h"
#include "core/platform/ini.h"
#include "core/zeichensatz.h"
#include "support/nurposix.h"
#include "support/tempverzeichnis.h"

namespace {

std::string Inhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

// A file as the profile functions keep a Unicode one: a UTF-16LE mark and UTF-16LE text.
std::string Utf16Datei(const std::string& utf8) {
    std::string bytes = "\xFF\xFE";
    for (char16_t e : Utf16AusUtf8(utf8)) {
        bytes += static_cast<char>(e & 0xFF);
        bytes += static_cast<char>(e >> 8);
    }
    return bytes;
}

bool MitUtf16Marke(const std::string& pfad) { return Inhalt(pfad).rfind("\xFF\xFE", 0) == 0; }

struct LeseFall {
    const char* name;
    const char* datei;  // nullptr: no file
    std::string erwartet;
};

TEST(IniLesen, WieGetPrivateProfileString) {
    const std::string lang2047(2047, 'a');
    const std::string datei3000 = "[Verzeichnisse]\nDOW=" + std::string(3000, 'a') + "\nReplays=r\n";
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
        // Hand-written files: the same expectations hold natively and against the real
        // GetPrivateProfileStringA under Wine.
        {"Semikolon im Wert", "[Verzeichnisse]\nDOW=C:\\a;b\\ ; kein Kommentar\n", "C:\\a;b\\ ; kein Kommentar"},
        {"Gleichheitszeichen im Wert", "[Verzeichnisse]\nDOW=a=b\n", "a=b"},
        {"einfache Anfuehrungszeichen", "[Verzeichnisse]\nDOW='C:\\x\\'\n", "C:\\x\\"},
        {"Anfuehrungszeichen mit Leerzeichen", "[Verzeichnisse]\nDOW=  \" C:\\x \"  \n", " C:\\x "},
        {"leere Anfuehrungszeichen", "[Verzeichnisse]\nDOW=\"\"\n", ""},
        {"nur ein Anfuehrungszeichen", "[Verzeichnisse]\nDOW=\"\n", "\""},
        {"Anfuehrungszeichen nur vorn", "[Verzeichnisse]\nDOW=\"C:\\x\n", "\"C:\\x"},
        {"verschiedene Anfuehrungszeichen", "[Verzeichnisse]\nDOW=\"C:\\x'\n", "\"C:\\x'"},
        {"Anfuehrungszeichen innen", "[Verzeichnisse]\nDOW=a \"b\" c\n", "a \"b\" c"},
        {"Tabulatoren", "[Verzeichnisse]\n\tDOW\t=\tC:\\x\\\t\n", "C:\\x\\"},
        {"Leerzeichen im Wert", "[Verzeichnisse]\nDOW=C:\\Program Files\\DoW\\\n", "C:\\Program Files\\DoW\\"},
        {"GROSS geschrieben", "[VERZEICHNISSE]\nDOW=gross\n", "gross"},
        {"Schluessel mit Leerzeichen davor", "[Verzeichnisse]\nReplays=r\n   dow=x\n", "x"},
        {"Leerzeilen", "\n\n[Verzeichnisse]\n\n\nDOW=x\n\n", "x"},
        {"Zeilen ohne Gleichheitszeichen", "[Verzeichnisse]\nirgendwas\nDOW=x\n", "x"},
        {"Abschnitt fehlt, Schluessel vorhanden", "DOW=x\n[Andere]\nDOW=y\n", "vorgabe"},
        {"Schluessel vor jedem Abschnitt", "DOW=x\n[Verzeichnisse]\nReplays=r\n", "vorgabe"},
        {"anderer Schluessel mit gleichem Anfang", "[Verzeichnisse]\nDOWX=x\nDO=y\n", "vorgabe"},
        {"3000 Zeichen", datei3000.c_str(), lang2047},
        {"Abschnitt doppelt", "[Verzeichnisse]\nReplays=r\n[Andere]\n[Verzeichnisse]\nDOW=x\n", "vorgabe"},
        {"Abschnitt doppelt, Schluessel im ersten", "[Verzeichnisse]\nDOW=x\n[Verzeichnisse]\nDOW=y\n", "x"},
        {"Text nach der Klammer", "[Verzeichnisse] ; Pfade\nDOW=x\n", "x"},
        {"Klammer fehlt", "[Verzeichnisse\nDOW=x\n", "vorgabe"},
        {"Kommentar eingerueckt", "[Verzeichnisse]\n  ;DOW=x\n", "vorgabe"},
        {"nur Leerzeichen", "[Verzeichnisse]\nDOW=   \n", ""},
        // Notepad saves UTF-8 without a mark; Windows would read it in its ANSI code page.
        {"UTF-8 ohne Marke, wie Notepad", "[Verzeichnisse]\r\nDOW=C:\\Users\\Jörg\\Бой\\\r\n",
         "C:\\Users\\Jörg\\Бой\\"},
        {"UTF-8 mit Marke", "\xEF\xBB\xBF[Verzeichnisse]\r\nDOW=C:\\Jörg\\\r\n", "C:\\Jörg\\"},
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

// GetPrivateProfileStringA drops blanks at the end of the default, not at its start.
TEST(IniLesen, VorgabeOhneLeerzeichenAmEnde) {
    TempVerzeichnis ordner;
    const std::string pfad = ordner.Pfad() + "config.ini";
    EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", " C:\\x\\  "), " C:\\x\\");
    ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nReplays=r\n");
    EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", "vorgabe "), "vorgabe");
    EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", ""), "");
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

// What a write leaves is read back alike on both platforms, whatever the file looked like.
TEST(IniSchreiben, WieDerWertZurueckkommt) {
    const struct {
        const char* name;
        const char* vorher;  // nullptr: no file
        std::string wert;
        std::string erwartet;
    } faelle[] = {
        {"Leerzeichen aussen", nullptr, "  C:\\x\\  ", "C:\\x\\"},
        {"Anfuehrungszeichen", nullptr, "\"C:\\x \\\"", "C:\\x \\"},
        {"Semikolon", nullptr, "a;b ;c", "a;b ;c"},
        {"leer", "[Verzeichnisse]\nDOW=alt\n", "", ""},
        {"Abschnitt doppelt", "[Verzeichnisse]\nReplays=r\n[Verzeichnisse]\nDOW=alt\n", "neu", "neu"},
        {"Klammer fehlt", "[Verzeichnisse\nDOW=alt\n", "neu", "neu"},
        {"anders geschrieben", "[VERZEICHNISSE]\ndow = alt\n", "neu", "neu"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        TempVerzeichnis ordner;
        const std::string pfad = ordner.Pfad() + "config.ini";
        if (fall.vorher) ordner.DateiSchreiben("config.ini", fall.vorher);
        ASSERT_TRUE(plattform::IniSchreiben(pfad, "Verzeichnisse", "DOW", fall.wert));
        EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", "vorgabe"), fall.erwartet);
        if (fall.vorher && std::string(fall.vorher).find("Replays=r") != std::string::npos) {
            EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "Replays", ""), "r");
        }
    }
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

// Folders the ANSI code page cannot name come back as written, on both systems, whatever
// file was there; a Unicode file stays one, and on Windows a UTF-8 file becomes one, as
// an ANSI line among its UTF-8 ones would read wrong.
TEST(IniSchreiben, UnicodeWerteKommenGleichZurueck) {
    const std::string text = "[Verzeichnisse]\r\nReplays=D:\\Библиотека\\\r\n";
    const std::string utf16Datei = Utf16Datei(text), utf8Marke = "\xEF\xBB\xBF" + text;
    const struct {
        const char* name;
        const std::string* vorher;  // nullptr: no file
        bool unicodeDanach;
    } dateien[] = {{"keine Datei", nullptr, false},
                   {"UTF-16-Datei", &utf16Datei, true},
                   {"UTF-8 ohne Marke", &text, !plattform::IstPosix()},
                   {"UTF-8 mit Marke", &utf8Marke, !plattform::IstPosix()}};
    const std::string werte[] = {"C:\\Игры\\DoW\\", "C:\\最后一战\\", "C:\\GG \U0001F3C6\\", "C:\\Grüße\\"};
    for (const auto& datei : dateien) {
        for (const std::string& wert : werte) {
            SCOPED_TRACE(std::string(datei.name) + " " + wert);
            TempVerzeichnis ordner;
            const std::string pfad = ordner.Pfad() + "config.ini";
            if (datei.vorher) ordner.DateiSchreiben("config.ini", *datei.vorher);
            ASSERT_TRUE(plattform::IniSchreiben(pfad, "Verzeichnisse", "DOW", wert));
            EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", ""), wert);
            if (datei.vorher)
                EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "Replays", ""), "D:\\Библиотека\\");
            if (datei.vorher) EXPECT_EQ(MitUtf16Marke(pfad), datei.unicodeDanach);
        }
    }
}

// An ANSI file that gets an ANSI value stays a plain file.
TEST(IniSchreiben, AnsiDateiBleibtAnsi) {
    TempVerzeichnis ordner;
    const std::string pfad = ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\r\nDOW=alt\r\nReplays=r\r\n");
    ASSERT_TRUE(plattform::IniSchreiben(pfad, "Verzeichnisse", "DOW", "C:\\neu\\"));
    EXPECT_FALSE(MitUtf16Marke(pfad));
    EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", ""), "C:\\neu\\");
    EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "Replays", ""), "r");
}

// Windows makes a Unicode file for a value its code page lacks, and a plain ANSI file
// becomes one with its other lines kept; POSIX writes the bytes as they are.
TEST(IniSchreiben, NichtAnsiMachtUnterWindowsEineUnicodeDatei) {
    NUR_UNTER_WINDOWS();
    for (const char* vorher : {static_cast<const char*>(nullptr), "[Verzeichnisse]\r\nReplays=C:\\B\xFC" "cher\\\r\n"}) {
        SCOPED_TRACE(vorher ? "ANSI-Datei" : "keine Datei");
        TempVerzeichnis ordner;
        const std::string pfad = ordner.Pfad() + "config.ini";
        if (vorher) ordner.DateiSchreiben("config.ini", vorher);
        ASSERT_TRUE(plattform::IniSchreiben(pfad, "Verzeichnisse", "DOW", "C:\\Игры\\"));
        EXPECT_TRUE(MitUtf16Marke(pfad));
        EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "DOW", ""), "C:\\Игры\\");
        if (vorher) EXPECT_EQ(plattform::IniLesen(pfad, "Verzeichnisse", "Replays", ""), "C:\\Bücher\\");
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
