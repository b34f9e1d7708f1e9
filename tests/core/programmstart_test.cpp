// Starting the game: the command line for each way it was installed, as a table through
// the PATH and a fake home; then one real start that checks folder, arguments and prefix,
// and that nothing waits or lingers.
#include <gtest/gtest.h>

#include <algorithm>
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
#include "core/spiel/startbefehl.h"
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

struct Weg {
    const char* name;
    std::vector<const char*> programme;  // put on the PATH
    const char* herkunft;
    const char* praefix;   // relative to the home; a prefix with system.reg
    const char* steamAppId;
};

// Each edition started each way it can be found: through Steam by its app id (Winter
// Assault, which Steam cannot pick, as its own program in the Proton prefix), in a Wine
// prefix with its WINEPREFIX, and by hand with plain wine; and what is missing on the PATH.
TEST_F(ProgrammstartTest, JedeAusgabeAufJedemWeg) {
    NUR_UNTER_POSIX();
    const Weg wege[] = {
        {"Steam", {"steam", "wine"}, "Steam", "pfx", "4570"},
        {"Steam als Flatpak", {"flatpak", "wine"}, "Steam", "pfx", "9450"},
        {"Steam fehlt", {"wine"}, "Steam", "pfx", "4580"},
        {"Lutris-Prefix", {"wine", "steam"}, "Lutris", "pfx", ""},
        {"Registry von ~/.wine", {"wine"}, "Registry", "pfx", ""},
        {"von Hand", {"wine"}, "config.ini", "", ""},
        {"wine fehlt", {"steam"}, "Bottles", "pfx", ""},
    };
    const TProgramm ausgaben[] = {{"W40k.exe", TEdition::DawnOfWar},       {"w40kwa.EXE", TEdition::WinterAssault},
                                  {"DarkCrusade.exe", TEdition::DarkCrusade}, {"Soulstorm.exe", TEdition::Soulstorm},
                                  {"W40k_gog.exe", TEdition::DefinitiveEdition}};
    for (const Weg& weg : wege) {
        for (const TProgramm& ausgabe : ausgaben) {
            SCOPED_TRACE(std::string(weg.name) + ", " + ausgabe.Name);
            const Heimordner heim;
            const std::string bin = heim.Pfad() + "bin";
            std::filesystem::create_directories(bin);
            for (const char* programm : weg.programme) Skript(bin + "/" + programm, "exit 0");
            PathSetzen(bin);
            heim.Praefix("pfx", "C:\\Spiel\\");
            heim.Spiel("pfx/drive_c/Spiel", ausgabe.Name);
            const std::string ordner = heim.Pfad() + "pfx/drive_c/Spiel/";
            const std::string praefix = *weg.praefix ? heim.Pfad() + weg.praefix : "";
            const TInstallation installation{ordner, ausgabe.Name, ausgabe.Edition, weg.herkunft, "", praefix,
                                             weg.steamAppId};

            const auto befehl = spiel::SpielStartbefehl(installation);
            const bool steam = *weg.steamAppId && ausgabe.Edition != TEdition::WinterAssault;
            const auto auf = [&](const char* p) {
                return std::find_if(weg.programme.begin(), weg.programme.end(), [&](const char* q) {
                           return std::string(p) == q;
                       }) != weg.programme.end();
            };
            std::vector<std::string> erwartet;
            const std::string url = std::string("steam://rungameid/") + weg.steamAppId;
            if (steam && auf("steam")) erwartet = {bin + "/steam", url};
            else if (steam && auf("flatpak")) erwartet = {bin + "/flatpak", "run", "com.valvesoftware.Steam", url};
            else if (!steam && auf("wine")) erwartet = {bin + "/wine", ausgabe.Name};
            EXPECT_EQ(spiel::StartetUeberSteam(installation), steam);
            if (erwartet.empty()) {
                EXPECT_FALSE(befehl.has_value());
                continue;
            }
            ASSERT_TRUE(befehl.has_value());
            EXPECT_EQ(befehl->Argumente, erwartet);
            EXPECT_EQ(befehl->Arbeitsverzeichnis, steam ? "" : ordner);
            EXPECT_EQ(befehl->WinePraefix, steam ? "" : praefix);
        }
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
    const std::string praefix = tmp.Pfad() + "prefix mit Leerzeichen";
    std::filesystem::create_directories(praefix);
    std::ofstream(praefix + "/system.reg") << "WINE REGISTRY Version 2\n";
    const auto befehl =
        spiel::SpielStartbefehl({ordner, "Soulstorm.exe", TEdition::Soulstorm, "Lutris", "", praefix, ""});
    ASSERT_TRUE(befehl.has_value());
    EXPECT_FALSE(plattform::ProgrammStarten(*befehl).has_value());
    EXPECT_EQ(Warten(spur), std::filesystem::canonical(ordner).string() + " Soulstorm.exe " + praefix + "\n");
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
