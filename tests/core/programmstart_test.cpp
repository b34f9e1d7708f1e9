// Starting the game: through wine when it is on the PATH, otherwise the file itself; the
// working directory is the game folder written the Windows way; nothing waits or lingers.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <list>
#include <sstream>
#include <string>
#include <thread>

#include "nurposix.h"
#include "platform/dateioperationen.h"
#include "platform/programmstart.h"
#include "tempverzeichnis.h"

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

TEST_F(ProgrammstartTest, OhneWineLaeuftDieDateiSelbstImSpielordner) {
    NUR_UNTER_POSIX();
    PathSetzen(tmp.Pfad() + "bin");  // no wine there
    const std::string spur = tmp.Pfad() + "spur.txt";
    // A '\' is part of a folder's name on POSIX, as the chooser would give it.
    const std::string ordner = tmp.Pfad() + "spiel/Dawn\\of War/";
    std::filesystem::create_directories(ordner);
    Skript(ordner + "W40k.exe", "pwd > '" + spur + "'");
    plattform::ProgrammStarten(ordner + "W40k.exe", ordner);
    EXPECT_EQ(Warten(spur), std::filesystem::canonical(ordner).string() + "\n");
}

TEST_F(ProgrammstartTest, MitWineBekommtWineDenPfad) {
    NUR_UNTER_POSIX();
    PathSetzen(tmp.Pfad() + "bin");
    const std::string spur = tmp.Pfad() + "spur.txt";
    Skript(tmp.Pfad() + "bin/wine", "echo \"$(pwd) $1\" > '" + spur + "'");
    const std::string ordner = tmp.Pfad() + "spiel/";
    plattform::ProgrammStarten(ordner + "W40k.exe", ordner);
    EXPECT_EQ(Warten(spur),
              std::filesystem::canonical(tmp.Pfad() + "spiel").string() + " " + ordner + "W40k.exe\n");
}

TEST_F(ProgrammstartTest, FehlendeDateiMeldetNichtsUndHinterlaesstKeinKind) {
    NUR_UNTER_POSIX();
    PathSetzen(tmp.Pfad() + "bin");
    for (const std::string& ordner : {std::string(), tmp.Pfad() + "fehlt/"})
        plattform::ProgrammStarten(ordner + "W40k.exe", ordner);
    // The middle process was reaped inside and the grandchild belongs to init: this thread
    // has no child left, not even a zombie.
    EXPECT_EQ(Lesen("/proc/thread-self/children"), "");
}

}  // namespace

namespace {

// Windows: the shell opens a batch file, which writes its working directory; a missing
// file starts nothing and comes back at once.
TEST_F(ProgrammstartTest, WindowsStartetImSpielordner) {
    NUR_UNTER_WINDOWS();
    std::string spiel = tmp.Pfad() + "spiel\\";
    for (char& c : spiel)
        if (c == '/') c = '\\';
    std::ofstream(spiel + "W40k.bat") << "@cd>ort.txt\r\n";
    plattform::ProgrammStarten(spiel + "W40k.bat", spiel);
    const std::string ort = Warten(spiel + "ort.txt");
    ASSERT_FALSE(ort.empty()) << "nicht gestartet";
    EXPECT_TRUE(plattform::GleicheDatei(ort.substr(0, ort.find_last_not_of(" \r\n") + 1), spiel)) << ort;
    plattform::ProgrammStarten(spiel + "fehlt.exe", spiel);
}

}  // namespace
