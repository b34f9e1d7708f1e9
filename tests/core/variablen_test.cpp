#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "core/fehler.h"
#include "core/platform/benutzerordner.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/ini.h"
#include "core/platform/pfad.h"
#include "core/platform/programmpfad.h"
#include "core/platform/programmstart.h"
#include "core/spiel/spielsuche.h"
#include "core/variablen.h"
#include "support/heimordner.h"
#include "support/nurposix.h"
#include "support/systemtest.h"
#include "support/tempverzeichnis.h"
#include "support/wineprefix.h"

namespace {

const std::string kTaste = "[Software\\\\THQ\\\\Dawn of War] 1690000000\n";

class VariablenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigDatei = ordner.Pfad() + "config.ini";
        DOWVerzeichnis = "vorher";
        ReplayVerzeichnis = "vorher";
    }
    void TearDown() override {
        plattform::FehlerplanLeeren();
        IndexVerzeichnis.clear();
    }

    std::string Lesen(const char* schluessel) const {
        return plattform::IniLesen(ConfigDatei, "Verzeichnisse", schluessel, "<fehlt>");
    }

    TempVerzeichnis ordner;
    Heimordner heim;    // no game search in the real home
    WinePrefix prefix;  // so the registry is this test's own
};

struct LeseFall {
    const char* name;
    std::optional<std::string> config;  // contents of config.ini; nullopt: no file
    std::string registry;               // lines of the Dawn of War key; empty: no key
    std::string dow;                    // "$C" stands for the real path behind C:; each is
    std::string replays;                // expected with its final separator (OrdnerMitTrenner)
    bool nurMitWine;  // the registry is consulted, which only a Wine prefix lets a test arrange
};

TEST_F(VariablenTest, VerzeichnisseLesen) {
    const std::string imRegister = "\"InstallLocation\"=\"C:\\\\Games\\\\DoW\"\n";
    const std::string lang(3000, 'l');
    const LeseFall faelle[] = {
        {"keine config.ini, kein Registry-Wert", std::nullopt, "", "", "", true},
        // On Linux the registry is one place of the game search: the folder must hold the
        // game, and it is given with a separator, as a browse button gives it.
        {"keine config.ini, Spiel aus der Registry", std::nullopt, imRegister, "$C/Games/DoW/", "", true},
        {"DOW leer fragt die Registry", "[Verzeichnisse]\nDOW=\nReplays=R\\\n", imRegister, "$C/Games/DoW/", "R\\",
         true},
        {"Registry-Ordner ohne das Spiel", std::nullopt, "\"InstallLocation\"=\"C:\\\\Leer\"\n", "", "", true},
        {"Schluessel ohne Wert bleibt leer", "[Verzeichnisse]\nReplays=R\\\n", "\"Version\"=\"1\"\n", "", "R\\", true},
        {"DOW gesetzt, Registry nicht gefragt", "[Verzeichnisse]\nDOW=X:\\gibt\\es\\nicht\\\n", imRegister,
         "X:\\gibt\\es\\nicht\\", "", false},
        {"Werte ohne Trenner bekommen ihn", "[Verzeichnisse]\nDOW=C:\\DoW\nReplays=/r\n", "", "C:\\DoW", "/r",
         false},
        {"langer Wert auf 2047 Zeichen", "[Verzeichnisse]\nDOW=" + lang + "\nReplays=" + lang.substr(0, 2047) + "\n",
         "", lang.substr(0, 2047), lang.substr(0, 2047), false},
    };
    std::filesystem::create_directories(prefix.Pfad() + "drive_c/Games/DoW");
    std::ofstream(prefix.Pfad() + "drive_c/Games/DoW/W40k.exe") << "MZ";
    for (const LeseFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        if (fall.nurMitWine && !plattform::IstPosix()) continue;
        std::filesystem::remove(ConfigDatei);
        if (fall.config) ordner.DateiSchreiben("config.ini", *fall.config);
        prefix.SystemRegSchreiben(fall.registry.empty() ? "" : kTaste + fall.registry);
        VerzeichnisseLesen();
        std::string dow = fall.dow;
        if (dow.rfind("$C", 0) == 0) dow.replace(0, 2, prefix.LaufwerkC());
        EXPECT_EQ(DOWVerzeichnis, plattform::OrdnerMitTrenner(dow));
        EXPECT_EQ(ReplayVerzeichnis, plattform::OrdnerMitTrenner(fall.replays));
    }
}

// Windows: the fallback asks the real registry (under Wine: the prefix the tests run in).
// The case writes the game's key and removes it again; a machine where the game is
// installed is left alone.
TEST_F(VariablenTest, RegistryUnterWindows) {
    NUR_UNTER_WINDOWS();
    const std::string firma = "SOFTWARE\\THQ", taste = firma + "\\Dawn of War";
    for (const RegistrySicht sicht : {RegistrySicht::Bit32, RegistrySicht::Bit64})
        if (RegistrySchluesselVorhanden(firma, sicht)) GTEST_SKIP() << "THQ-Schluessel vorhanden";
    struct Aufraeumen {
        std::string firma;
        ~Aufraeumen() {
            try {
                for (const RegistrySicht sicht : {RegistrySicht::Bit32, RegistrySicht::Bit64})
                    RegistrySchluesselLoeschen(firma, sicht);
            } catch (const std::exception& e) {
                ADD_FAILURE() << e.what();
            }
        }
    } aufraeumen{firma};

    ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nDOW=\nReplays=R\\\n");
    // Stored without its final backslash, as some installers write it: the game is still
    // started from inside the folder.
    if (!RegistryWertSetzen(taste, "InstallLocation", 1, std::string("C:\\Games\\Dawn of War") + '\0',
                            RegistrySicht::Bit32))
        GTEST_SKIP() << "keine Administratorrechte";
    VerzeichnisseLesen();
    EXPECT_EQ(DOWVerzeichnis, "C:\\Games\\Dawn of War\\");
    EXPECT_EQ(ReplayVerzeichnis, "R\\");
    // No installation there: the value is still the game folder, as the registry has it.
    EXPECT_EQ(DOWHerkunft, "Registry");

    ASSERT_TRUE(RegistryWertSetzen(taste, "InstallLocation", 4, std::string("\x01\0\0\0", 4), RegistrySicht::Bit32));
    try {
        VerzeichnisseLesen();
        ADD_FAILURE() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.Art(), TFehlerart::RegistryDatentyp);
    }
    EXPECT_EQ(ReplayVerzeichnis, "R\\");
}

// Windows: a Soulstorm-only player with the game in Steam's second library, then a Dark
// Crusade beside it. Steam's folder
// comes from HKEY_CURRENT_USER (written with '/', as Steam writes it), the library from its
// libraryfolders.vdf, the game from the library's manifest: found with nothing typed.
TEST_F(VariablenTest, ErweiterungenUnterWindows) {
    NUR_UNTER_WINDOWS();
    const std::string steamSchluessel = "Software\\Valve\\Steam";
    if (RegistrySchluesselVorhanden(steamSchluessel, RegistrySicht::Bit64, RegistryBereich::Benutzer))
        GTEST_SKIP() << "Steam ist eingerichtet";
    for (const char* thq : spiel::RegistrySchluessel())
        for (const RegistrySicht sicht : {RegistrySicht::Bit32, RegistrySicht::Bit64})
            if (RegistrySchluesselVorhanden(thq, sicht)) GTEST_SKIP() << "ein Spiel ist eingetragen";
    struct Aufraeumen {
        std::string schluessel;
        ~Aufraeumen() { RegistrySchluesselLoeschen(schluessel, RegistrySicht::Bit64, RegistryBereich::Benutzer); }
    } aufraeumen{steamSchluessel};

    const std::string steam = ordner.Pfad() + "Steam", bibliothek = ordner.Pfad() + "Platte\\SteamLibrary";
    std::string vdfPfad = bibliothek, steamPfad = steam;
    for (std::size_t i = 0; (i = vdfPfad.find('\\', i)) != std::string::npos; i += 2) vdfPfad.insert(i, 1, '\\');
    std::replace(steamPfad.begin(), steamPfad.end(), '\\', '/');
    for (const char* unter : {"Steam/config", "Platte/SteamLibrary/steamapps/common/Dawn of War Soulstorm"})
        std::filesystem::create_directories(FsPfad(ordner.Pfad() + unter));
    ordner.DateiSchreiben("Steam/config/libraryfolders.vdf",
                          "\"libraryfolders\"\n{\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + vdfPfad + "\"\n\t}\n}\n");
    ordner.DateiSchreiben("Platte/SteamLibrary/steamapps/appmanifest_9450.acf",
                          "\"AppState\"\n{\n\t\"appid\"\t\t\"9450\"\n\t\"name\"\t\t\"Warhammer 40,000: Dawn of "
                          "War - Soulstorm\"\n\t\"installdir\"\t\t\"Dawn of War Soulstorm\"\n}\n");
    ordner.DateiSchreiben("Platte/SteamLibrary/steamapps/common/Dawn of War Soulstorm/SOULSTORM.EXE", "MZ");
    ASSERT_TRUE(RegistryWertSetzen(steamSchluessel, "SteamPath", 1, steamPfad + '\0', RegistrySicht::Bit64,
                                   RegistryBereich::Benutzer));
    ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nDOW=\nReplays=R\\\n");
    VerzeichnisseLesen();
    std::string spiel = bibliothek + "\\steamapps\\common\\Dawn of War Soulstorm\\";
    std::replace(spiel.begin(), spiel.end(), '/', '\\');  // as Steam names its library
    EXPECT_EQ(DOWVerzeichnis, spiel);
    ASSERT_EQ(Installationen.size(), 1u);
    EXPECT_EQ(Installationen[0].Edition, TEdition::Soulstorm);
    EXPECT_EQ(Installationen[0].Programm, "SOULSTORM.EXE");
    EXPECT_EQ(Installationen[0].Herkunft, "Steam");
    EXPECT_EQ(Installationen[0].SteamAppId, "9450");

    // Dark Crusade from its own key, in the 32-bit view its installer writes: the registry
    // counts before Steam, so it is the one chosen.
    const std::string dc = std::string(spiel::RegistrySchluessel()[1]);
    struct Weg {
        std::string schluessel;
        ~Weg() { RegistrySchluesselLoeschen(schluessel, RegistrySicht::Bit32); }
    } weg{dc};
    std::filesystem::create_directories(FsPfad(ordner.Pfad() + "DC"));
    ordner.DateiSchreiben("DC/DarkCrusade.exe", "MZ");
    std::string dcOrdner = ordner.Pfad() + "DC";
    std::replace(dcOrdner.begin(), dcOrdner.end(), '/', '\\');
    if (!RegistryWertSetzen(dc, "InstallLocation", 1, dcOrdner + '\0', RegistrySicht::Bit32))
        GTEST_SKIP() << "keine Administratorrechte";
    ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nDOW=\nReplays=R\\\n");
    VerzeichnisseLesen();
    EXPECT_EQ(DOWVerzeichnis, dcOrdner + "\\");
    ASSERT_EQ(Installationen.size(), 2u);
    EXPECT_EQ(Installationen[0].Edition, TEdition::DarkCrusade);
    EXPECT_EQ(Installationen[0].Herkunft, "Registry");
    EXPECT_EQ(Installationen[1].Edition, TEdition::Soulstorm);
}

TEST_F(VariablenTest, FalscherRegistryTypNachDenReplays) {
    NUR_UNTER_POSIX();
    ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nReplays=R/\n");
    prefix.SystemRegSchreiben(kTaste + "\"InstallLocation\"=dword:00000001\n");
    try {
        VerzeichnisseLesen();
        ADD_FAILURE() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.Art(), TFehlerart::RegistryDatentyp);
    }
    EXPECT_EQ(ReplayVerzeichnis, "R/");
}

TEST_F(VariablenTest, FalscherRegistryTypStoertNichtWennDOWGesetzt) {
    ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nDOW=D/\n");
    prefix.SystemRegSchreiben(kTaste + "\"InstallLocation\"=dword:00000001\n");
    EXPECT_NO_THROW(VerzeichnisseLesen());
    EXPECT_EQ(DOWVerzeichnis, "D/");
}

TEST_F(VariablenTest, SchreibenUndWiederLesen) {
    ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nDOW=alt\nReplays=alt\n");
    DOWVerzeichnis = "C:\\Spiele\\DoW";
    ReplayVerzeichnis = "";  // written as an empty value, not left out
    VerzeichnisseSchreiben();
    EXPECT_EQ(Lesen("DOW"), "C:\\Spiele\\DoW");
    EXPECT_EQ(Lesen("Replays"), "");
}

TEST_F(VariablenTest, SchreibfehlerBrichtNachDemFehlschlagAb) {
    // The n-th write fails: DOW is written first, so a failing first write leaves
    // "Replays" untouched as well.
    const struct {
        int fehlschlag;
        const char* dow;
        const char* replays;
    } faelle[] = {{1, "alt", "alt"}, {2, "neu-dow", "alt"}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.fehlschlag);
        ordner.DateiSchreiben("config.ini", "[Verzeichnisse]\nDOW=alt\nReplays=alt\n");
        DOWVerzeichnis = "neu-dow";
        ReplayVerzeichnis = "neu-replays";
        plattform::FehlerEinplanen(plattform::Operation::Schreiben, fall.fehlschlag);
        try {
            VerzeichnisseSchreiben();
            ADD_FAILURE() << "kein Fehler";
        } catch (const Fehler& f) {
            EXPECT_EQ(f.Art(), TFehlerart::ConfigNichtSchreibbar);
            EXPECT_EQ(f.Argument(), ConfigDatei);
        }
        plattform::FehlerplanLeeren();
        EXPECT_EQ(Lesen("DOW"), fall.dow);
        EXPECT_EQ(Lesen("Replays"), fall.replays);
        EXPECT_EQ(DOWVerzeichnis, "neu-dow");
        EXPECT_EQ(ReplayVerzeichnis, "neu-replays");
    }
}

TEST_F(VariablenTest, ConfigDateiInFehlendemOrdner) {
    ConfigDatei = ordner.Pfad() + "fehlt/config.ini";
    try {
        VerzeichnisseSchreiben();
        ADD_FAILURE() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.Argument(), ordner.Pfad() + "fehlt/config.ini");
    }
}

// VariablenInitialisieren looks beside the running program, here the test executable.
TEST_F(VariablenTest, VariablenInitialisierenLiestNebenDemProgramm) {
    const std::string programmordner = plattform::VerzeichnisTeil(plattform::ProgrammPfad());
    ASSERT_FALSE(programmordner.empty());
    const std::string config = programmordner + "/config.ini";
    if (std::filesystem::exists(config)) GTEST_SKIP() << "config.ini liegt schon neben dem Testprogramm";
    struct Aufraeumen {
        std::string pfad;
        ~Aufraeumen() { std::filesystem::remove(pfad); }
    } aufraeumen{config};

    const struct {
        const char* inhalt;
        bool fehlt;
    } faelle[] = {
        {"[Verzeichnisse]\nDOW=D\\\nReplays=R\\\n", false},
        {"[Verzeichnisse]\nDOW=D\\\n", true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.inhalt);
        std::ofstream(config, std::ios::binary | std::ios::trunc) << fall.inhalt;
        ReplayAnzahl = 7;
        LadeStatus = 102;
        EXPECT_EQ(VariablenInitialisieren(), fall.fehlt);
        EXPECT_EQ(Programmverzeichnis, programmordner);
        EXPECT_EQ(ConfigDatei, programmordner + (plattform::IstPosix() ? "/config.ini" : "\\config.ini"));
        // The index lies in the user's cache folder, here below the test's own home.
        EXPECT_EQ(IndexVerzeichnis,
                  plattform::IstPosix() ? heim.Pfad() + ".cache/quellarch/" : plattform::BenutzerCacheOrdner());
        EXPECT_FALSE(IndexVerzeichnis.empty());
        EXPECT_EQ(ReplayAnzahl, 0);
        EXPECT_EQ(LadeStatus, 0);
    }
}

// config.ini beside the program when one is there or the folder takes new files; else in
// the user's own folder, which is made for it.
TEST_F(VariablenTest, ConfigDateiWaehlen) {
    const char* variable = plattform::IstPosix() ? "XDG_CONFIG_HOME" : "APPDATA";
    const char* vorher = std::getenv(variable);
    struct Zurueck {
        std::string name, wert;
        ~Zurueck() { UmgebungSetzen(name, wert); }
    } zurueck{variable, vorher ? vorher : ""};
    const std::string benutzer = ordner.Pfad() + "benutzer";
    UmgebungSetzen(variable, benutzer);
    const std::string eigen = benutzer + (plattform::IstPosix() ? "/quellarch/" : "\\Quellarch\\");
    const std::string programm = ordner.Pfad() + "bin";
    const std::string daneben = programm + (plattform::IstPosix() ? "/" : "\\") + "config.ini";

    const struct {
        const char* name;
        bool configDa, beschreibbar;
        std::string erwartet;
    } faelle[] = {
        {"Ordner nimmt neue Dateien", false, true, daneben},
        {"config.ini schon da, Ordner schreibgeschuetzt", true, false, daneben},
        {"schreibgeschuetzt ohne config.ini", false, false, eigen + "config.ini"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        std::filesystem::remove_all(programm);
        std::filesystem::remove_all(benutzer);
        std::filesystem::create_directory(programm);
        if (fall.configDa) std::ofstream(daneben) << "[Verzeichnisse]\n";
        if (!fall.beschreibbar) plattform::FehlerEinplanen(plattform::Operation::Beschreibbar, 1);
        EXPECT_EQ(ConfigDateiWaehlen(programm), fall.erwartet);
        EXPECT_EQ(std::filesystem::is_directory(eigen), fall.erwartet != daneben);
        plattform::FehlerplanLeeren();
    }
}

TEST(VerzeichnisTeil, KeinTrennerAmEndeAusserAnDerWurzel) {
    const struct {
        const char* pfad;
        const char* trenner;
        const char* erwartet;
    } faelle[] = {
        {"C:\\Programme\\Quellarch\\quellarch.exe", "\\:", "C:\\Programme\\Quellarch"},
        {"C:\\quellarch.exe", "\\:", "C:\\"},
        {"C:quellarch.exe", "\\:", "C:"},
        {"\\\\server\\share\\q.exe", "\\:", "\\\\server\\share"},
        {"quellarch.exe", "\\:", ""},
        {"/opt/quellarch/quellarch", "/", "/opt/quellarch"},
        {"/quellarch", "/", "/"},
        {"quellarch", "/", ""},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.pfad);
        EXPECT_EQ(plattform::VerzeichnisTeil(fall.pfad, fall.trenner), fall.erwartet);
    }
}

// Every folder the program joins to names, wherever it came from, ends with a separator;
// and a path's folder keeps its own.
TEST(OrdnerMitTrenner, EinTrennerAmEndeUndKeinerDoppelt) {
    const struct {
        const char* ordner;
        const char* posix;
        const char* windows;
    } faelle[] = {
        {"", "", ""},
        {"/bib/", "/bib/", "/bib/"},
        {"/bib", "/bib/", "/bib\\"},
        {"C:\\Spiele\\DoW", "C:\\Spiele\\DoW/", "C:\\Spiele\\DoW\\"},
        {"C:\\Spiele\\DoW\\", "C:\\Spiele\\DoW\\/", "C:\\Spiele\\DoW\\"},
        {"C:", "C:/", "C:\\"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.ordner);
        EXPECT_EQ(plattform::OrdnerMitTrenner(fall.ordner), plattform::IstPosix() ? fall.posix : fall.windows);
    }
    EXPECT_EQ(plattform::OrdnerTeil("x.rec"), "");
    EXPECT_EQ(plattform::OrdnerTeil(plattform::IstPosix() ? "/a\\b/c\\d.rec" : "C:\\a/b\\d.rec"),
              plattform::IstPosix() ? "/a\\b/" : "C:\\a/b\\");
}

}  // namespace
