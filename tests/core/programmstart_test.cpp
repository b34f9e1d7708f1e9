// Starting the game: the command line for each way it was installed, as a table through
// the PATH and a fake home; then one real start that checks folder, arguments and prefix,
// and that nothing waits or lingers.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <list>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/platform/dateioperationen.h"
#include "core/platform/programmstart.h"
#include "support/heimordner.h"
#include "support/nurposix.h"
#include "support/tempverzeichnis.h"

namespace {

std::string Lesen(const std::string& pfad) {
    std::ifstream f(pfad);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Waits for the started process to leave its trace (it runs detached).
std::string Warten(const std::string& pfad) {
    for (int i = 0; i < 500; ++i) {
        std::string text = Lesen(pfad);
        if (!text.empty() && text.back() == '\n') return text;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

// putenv keeps the pointer, so every string handed over stays alive to the end.
void PathSetzen(const std::string& wert) {
    static std::list<std::string> eintraege;
    eintraege.push_back("PATH=" + wert);
    putenv(eintraege.back().data());
}

void Skript(const std::string& pfad, const std::string& rumpf) {
    std::ofstream(pfad) << "#!/bin/sh\n" << rumpf << "\n";
    std::filesystem::permissions(pfad, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                           std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                                           std::filesystem::perms::others_exec);
}

class ProgrammstartTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* p = std::getenv("PATH");
        altPath_ = p ? p : "";
        std::filesystem::create_directories(tmp.Pfad() + "bin");
        std::filesystem::create_directories(tmp.Pfad() + "spiel");
    }
    void TearDown() override { PathSetzen(altPath_); }

    TempVerzeichnis tmp;
    std::string altPath_;
};

struct StartFall {
    const char* name;
    std::vector<const char*> programme;  // put on the PATH
    bool vonDerSuche;                    // the search's record names the folder in use
    plattform::Spielfund fund;
    const char* ordner;                  // the game folder, relative to the home
    std::vector<std::string> erwartet;   // "$B/" stands for the PATH folder; empty: nothing starts
    const char* praefix;
};

TEST_F(ProgrammstartTest, SpielStartbefehl) {
    NUR_UNTER_POSIX();
    const StartFall faelle[] = {
        {"Steam-Installation", {"steam", "wine"}, true, {"", "Steam", "", "/pfx", "4570"}, "spiel/",
         {"$B/steam", "steam://rungameid/4570"}, ""},
        {"Steam als Flatpak", {"flatpak", "wine"}, true, {"", "Steam", "", "", "4570"}, "spiel/",
         {"$B/flatpak", "run", "com.valvesoftware.Steam", "steam://rungameid/4570"}, ""},
        {"Steam fehlt: nicht mit wine", {"wine"}, true, {"", "Steam", "", "", "4570"}, "spiel/", {}, ""},
        {"Lutris-Prefix", {"wine", "steam"}, true, {"", "Lutris", "", "/lutris/pfx", ""}, "spiel/",
         {"$B/wine", "W40k.exe"}, "/lutris/pfx"},
        {"wine fehlt", {"steam"}, true, {"", "Bottles", "", "/b", ""}, "spiel/", {}, ""},
        {"von Hand, ausserhalb von Steam", {"wine", "steam"}, false, {}, "spiel/", {"$B/wine", "W40k.exe"}, ""},
        {"von Hand geaendert: der Fund zaehlt nicht mehr", {"wine", "steam"}, false,
         {"/anders/", "Heroic", "", "/h", ""}, "spiel/", {"$B/wine", "W40k.exe"}, ""},
        {"von Hand, in einer Steam-Bibliothek", {"wine", "steam"}, false, {},
         ".steam/steam/steamapps/common/DoW/", {"$B/steam", "steam://rungameid/9450"}, ""},
        {"Name in anderer Schreibweise", {"wine"}, false, {}, "klein/", {"$B/wine", "w40k.EXE"}, ""},
    };
    for (const StartFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Heimordner heim;
        const std::string bin = heim.Pfad() + "bin";
        std::filesystem::create_directories(bin);
        for (const char* programm : fall.programme) Skript(bin + "/" + programm, "exit 0");
        PathSetzen(bin);
        heim.Spiel("spiel");
        heim.Spiel("klein", "w40k.EXE");
        heim.Datei(".steam/steam/steamapps/appmanifest_9450.acf", "\"AppState\" { \"appid\" \"9450\" \"installdir\" \"DoW\" }");
        heim.Spiel(".steam/steam/steamapps/common/DoW");
        const std::string ordner = heim.Pfad() + fall.ordner;
        plattform::Spielfund fund = fall.fund;
        if (fall.vonDerSuche) fund.Ordner = ordner;

        const auto befehl = plattform::SpielStartbefehl(ordner, fund);
        if (fall.erwartet.empty()) {
            EXPECT_FALSE(befehl.has_value());
            continue;
        }
        ASSERT_TRUE(befehl.has_value());
        std::vector<std::string> erwartet = fall.erwartet;
        erwartet[0].replace(0, 2, bin);
        EXPECT_EQ(befehl->Argumente, erwartet);
        const bool steam = erwartet.back().rfind("steam://", 0) == 0;
        EXPECT_EQ(befehl->Arbeitsverzeichnis, steam ? "" : ordner);
        EXPECT_EQ(befehl->WinePraefix, fall.praefix);
    }
}

TEST_F(ProgrammstartTest, WineStartetImSpielordnerMitDemPrefix) {
    NUR_UNTER_POSIX();
    PathSetzen(tmp.Pfad() + "bin");
    const std::string spur = tmp.Pfad() + "spur.txt";
    Skript(tmp.Pfad() + "bin/wine", "echo \"$(pwd) $1 $WINEPREFIX\" > '" + spur + "'");
    // A '\\' is part of a folder's name on POSIX, as the chooser would give it.
    const std::string ordner = tmp.Pfad() + "spiel/Dawn\\of War/";
    std::filesystem::create_directories(ordner);
    plattform::SpielStarten(ordner, {ordner, "Lutris", "", "/prefix mit Leerzeichen", ""});
    EXPECT_EQ(Warten(spur), std::filesystem::canonical(ordner).string() + " W40k.exe /prefix mit Leerzeichen\n");
}

// What does not start says so, naming the program, and leaves no child behind.
TEST_F(ProgrammstartTest, WasNichtStartetMeldetSichUndHinterlaesstKeinKind) {
    NUR_UNTER_POSIX();
    const std::string text = tmp.Pfad() + "spiel/W40k.exe";
    std::ofstream(text) << "kein Programm";
    const struct {
        const char* name;
        plattform::Startbefehl befehl;
    } faelle[] = {
        {"fehlt, im eigenen Ordner", {{"W40k.exe"}, "", ""}},
        {"Ordner fehlt", {{tmp.Pfad() + "fehlt/W40k.exe"}, tmp.Pfad() + "fehlt/", ""}},
        {"Datei ohne Ausfuehrungsrecht", {{text}, tmp.Pfad() + "spiel/", ""}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const auto fehler = plattform::ProgrammStarten(fall.befehl);
        ASSERT_TRUE(fehler.has_value());
        EXPECT_EQ(fehler->Programm, fall.befehl.Argumente[0]);
        EXPECT_FALSE(fehler->Grund.empty());
    }
    // The middle process was reaped inside and the grandchild belongs to init: this thread
    // has no child left, not even a zombie.
    EXPECT_EQ(Lesen("/proc/thread-self/children"), "");
}

}  // namespace

namespace {

// Windows: the shell opens a batch file, which writes its working directory. A missing
// file, or one that is no Windows program, starts nothing, comes back at once and says
// why, with no box of the shell's own.
TEST_F(ProgrammstartTest, WindowsStartetImSpielordnerOderSagtWarumNicht) {
    NUR_UNTER_WINDOWS();
    std::string spiel = tmp.Pfad() + "spiel\\";
    for (char& c : spiel)
        if (c == '/') c = '\\';
    std::ofstream(spiel + "W40k.bat") << "@cd>ort.txt\r\n";
    EXPECT_FALSE(plattform::ProgrammStarten({{spiel + "W40k.bat"}, spiel, ""}).has_value());
    const std::string ort = Warten(spiel + "ort.txt");
    ASSERT_FALSE(ort.empty()) << "nicht gestartet";
    EXPECT_TRUE(plattform::GleicheDatei(ort.substr(0, ort.find_last_not_of(" \r\n") + 1), spiel)) << ort;

    std::ofstream(spiel + "W40k.exe", std::ios::binary) << "kein Programm";
    for (const std::string& programm : {spiel + "fehlt.exe", spiel + "W40k.exe"}) {
        SCOPED_TRACE(programm);
        const auto fehler = plattform::ProgrammStarten({{programm}, spiel, ""});
        ASSERT_TRUE(fehler.has_value());
        EXPECT_EQ(fehler->Programm, programm);
        EXPECT_FALSE(fehler->Grund.empty());
    }
}

}  // namespace
