// Where the CLI's text goes: a file or pipe gets UTF-8 bytes without a byte-order mark, a
// console window the same text as UTF-16, whatever its code page.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/platform/konsole.h"
#include "support/nurposix.h"
#include "support/systemtest.h"

namespace {

const std::string kText = "Jörg, Ökonomischer Sieg, Бой €\n";

std::string AllesLesen(std::FILE* datei) {
    std::string inhalt;
    char puffer[256];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, datei)) > 0;) inhalt.append(puffer, n);
    return inhalt;
}

TEST(Ausgabe, DateiUndRohrBekommenUtf8OhneMarke) {
    std::FILE* datei = std::tmpfile();
    ASSERT_NE(datei, nullptr);
    std::FILE* rohr[2] = {nullptr, nullptr};
    if (!plattform::IstPosix()) std::tie(rohr[0], rohr[1]) = WindowsRohr();
    for (std::FILE* ziel : {datei, rohr[0]}) {
        if (!ziel) continue;
        SCOPED_TRACE(ziel == datei ? "Datei" : "Rohr");
        konsole::TAusgabe ausgabe(ziel, ziel);
        EXPECT_FALSE(ausgabe.IstKonsole(konsole::Strom::Aus));
        EXPECT_TRUE(ausgabe.Schreiben(konsole::Strom::Aus, kText));
        EXPECT_TRUE(ausgabe.Schreiben(konsole::Strom::Fehler, "x"));
        EXPECT_TRUE(ausgabe.Abschliessen());
    }
    std::rewind(datei);
    EXPECT_EQ(AllesLesen(datei), kText + "x");
    std::fclose(datei);
    if (rohr[0]) {
        std::fclose(rohr[0]);
        EXPECT_EQ(AllesLesen(rohr[1]), kText + "x");
        std::fclose(rohr[1]);
    }
}

// Code page 850, a German console's, holds neither "Б" nor "€": only UTF-16 shows
// them. Needs a console that takes text: under Wine, one with a display
// (scripts/windows-user-checks runs this case so).
TEST(Ausgabe, KonsoleBekommtDenTextInJederCodepage) {
    NUR_UNTER_WINDOWS();
    std::FILE* fenster = WindowsKonsole(850);
    if (!fenster) GTEST_SKIP() << "keine Konsole ohne Anzeige";
    konsole::TAusgabe ausgabe(fenster, stderr);
    EXPECT_TRUE(ausgabe.IstKonsole(konsole::Strom::Aus));
    std::fputs("\n", fenster);
    std::fflush(fenster);
    const int zeile = WindowsKonsolenZeile(fenster);
    EXPECT_TRUE(ausgabe.Schreiben(konsole::Strom::Aus, kText));
    EXPECT_TRUE(ausgabe.Abschliessen());
    const std::u16string erwartet = u"Jörg, Ökonomischer Sieg, Бой €";
    EXPECT_TRUE(WindowsKonsolenText(fenster, zeile, erwartet.size()) == erwartet);
    std::fclose(fenster);
}

}  // namespace
