// The game search over fake home folders: each case builds what a launcher leaves behind
// and expects every installation found, where it came from and how it would be started.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/spiel/launcherdateien.h"
#include "core/spiel/spielsuche.h"
#include "core/spiel/startbefehl.h"
#include "support/heimordner.h"
#include "support/nurposix.h"
#include "support/wineprefix.h"

namespace {

namespace fs = std::filesystem;

const char* const kDoW = "C:\\Program Files (x86)\\THQ\\Dawn of War\\";
const char* const kDoWOrdner = "drive_c/Program Files (x86)/THQ/Dawn of War";

std::string Manifest(const std::string& id, const std::string& ordner) {
    return "\"AppState\"\n{\n\t\"AppID\"\t\t\"" + id + "\"\n\t\"Universe\"\t\t\"1\"\n\t\"InstallDir\"\t\t\"" + ordner +
           "\"\n}\n";
}

struct Fund {
    std::string ordner;  // relative to the home
    std::string herkunft;
    std::string praefix;  // relative to the home
    std::string steamAppId;
    std::string programm = "W40k.exe";  // as the folder spells it
    TEdition edition = TEdition::DawnOfWar;
};

struct Fall {
    const char* name;
    std::function<void(const Heimordner&)> aufbau;
    std::vector<Fund> funde;  // in the search's order
};

const std::string kDC = "C:\\Program Files (x86)\\THQ\\Dawn of War - Dark Crusade\\";
const std::string kSS = "C:\\Program Files (x86)\\THQ\\Dawn of War - Soulstorm\\";

TEST(InstallationenSuchen, FindetJedeAusgabeWoLauncherSieHinlegen) {
    NUR_UNTER_POSIX();
    const Fall faelle[] = {
        {"nichts installiert", [](const Heimordner&) {}, {}},
        {"~/.wine, 32-Bit-Sicht", [](const Heimordner& h) {
             h.Praefix(".wine", kDoW, true);
             h.Spiel(std::string(".wine/") + kDoWOrdner);
         },
         {{std::string(".wine/") + kDoWOrdner, "Registry", ".wine", ""}}},
        {"WINEPREFIX vor ~/.wine", [](const Heimordner& h) {
             h.Praefix(".wine", "C:\\A\\");
             h.Spiel(".wine/drive_c/A");
             h.Praefix("eigen", "C:\\B\\");
             h.Spiel("eigen/drive_c/B");
             UmgebungSetzen("WINEPREFIX", h.Pfad() + "eigen");
         },
         {{"eigen/drive_c/B", "Registry", "eigen", ""}, {".wine/drive_c/A", "Registry", ".wine", ""}}},
        {"Prefix ohne das Spiel, dann Lutris", [](const Heimordner& h) {
             h.Praefix(".wine", kDoW);
             h.Datei(".config/lutris/games/dow-1.yml", "game:\n  exe: '" + h.Pfad() +
                                                        "lutris/DoW/W40k.exe' # Spiel\n  prefix: \"~/lutris\"\n"
                                                        "name: Dawn of War\nrunner: wine\n");
             h.Spiel("lutris/DoW");
         },
         {{"lutris/DoW", "Lutris", "lutris", ""}}},
        {"Steam, neues Format, zweite Bibliothek", [](const Heimordner& h) {
             h.Datei(".local/share/Steam/config/libraryfolders.vdf",
                     "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + h.Pfad() +
                         ".local/share/Steam\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + h.Pfad() +
                         "platte/SteamLibrary\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"4570\"\t\t\"1\"\n\t\t}\n\t}\n}\n");
             h.Datei("platte/SteamLibrary/steamapps/appmanifest_4570.acf", Manifest("4570", "Dawn of War Gold"));
             h.Spiel("platte/SteamLibrary/steamapps/common/Dawn of War Gold");
         },
         {{"platte/SteamLibrary/steamapps/common/Dawn of War Gold", "Steam",
           "platte/SteamLibrary/steamapps/compatdata/4570/pfx", "4570"}}},
        {"Steam, altes Format, Gross- und Kleinschreibung", [](const Heimordner& h) {
             h.Datei(".steam/steam/steamapps/libraryfolders.vdf",
                     "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1\"\n\t\"1\"\t\t\"" + h.Pfad() +
                         "alt\"\n}\n");
             h.Datei("alt/steamapps/appmanifest_9450.acf", Manifest("9450", "dawn of war"));
             h.Spiel("alt/steamapps/common/Dawn Of War", "w40K.EXE");
         },
         {{"alt/steamapps/common/Dawn Of War", "Steam", "alt/steamapps/compatdata/9450/pfx", "9450", "w40K.EXE"}}},
        {"Flatpak-Steam, Proton-Prefix", [](const Heimordner& h) {
             const std::string steam = ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/";
             // The manifest's folder holds only a launcher; the game went into the prefix.
             h.Datei(steam + "appmanifest_4580.acf", Manifest("4580", "Launcher"));
             h.Spiel(steam + "common/Launcher", "Launcher.exe");
             h.Praefix(steam + "compatdata/4580/pfx", "c:\\games\\dow\\");
             h.Spiel(steam + "compatdata/4580/pfx/drive_c/Games/DoW");
         },
         {{".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/4580/pfx/drive_c/Games/DoW",
           "Steam", ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/4580/pfx", "4580"}}},
        {"Steam gewinnt vor der Registry", [](const Heimordner& h) {
             h.Praefix(".wine", "C:\\steam\\steamapps\\common\\DoW\\");
             fs::create_directory_symlink(h.Pfad() + ".local/share/Steam", h.Pfad() + ".wine/drive_c/steam");
             h.Datei(".local/share/Steam/steamapps/appmanifest_4570.acf", Manifest("4570", "DoW"));
             h.Spiel(".local/share/Steam/steamapps/common/DoW");
         },
         {{".local/share/Steam/steamapps/common/DoW", "Steam", ".local/share/Steam/steamapps/compatdata/4570/pfx",
           "4570"}}},
        {"Heroic als Flatpak", [](const Heimordner& h) {
             h.Datei(".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig/dow.json",
                     "{\n  \"dow\": {\n    \"winePrefix\": \"" + h.Pfad() +
                         "Games/Heroic/Prefixes/D\\u00e4mon\",\n    \"wineVersion\": {}\n  }\n}\n");
             h.Praefix("Games/Heroic/Prefixes/D\xC3\xA4mon", kDoW);
             h.Spiel(std::string("Games/Heroic/Prefixes/D\xC3\xA4mon/") + kDoWOrdner);
         },
         {{std::string("Games/Heroic/Prefixes/D\xC3\xA4mon/") + kDoWOrdner, "Heroic",
           "Games/Heroic/Prefixes/D\xC3\xA4mon", ""}}},
        {"Bottles unter XDG_DATA_HOME, Laufwerk und Ordner in anderer Schreibung", [](const Heimordner& h) {
             UmgebungSetzen("XDG_DATA_HOME", h.Pfad() + "daten");
             h.Praefix("daten/bottles/bottles/DoW", "c:\\PROGRAM FILES (X86)\\thq\\DAWN OF WAR\\");
             h.Spiel(std::string("daten/bottles/bottles/DoW/") + kDoWOrdner);
         },
         {{std::string("daten/bottles/bottles/DoW/") + kDoWOrdner, "Bottles", "daten/bottles/bottles/DoW", ""}}},
        {"zerbrochene Verweise und kaputte Dateien", [](const Heimordner& h) {
             fs::create_directories(h.Pfad() + ".steam");
             fs::create_directory_symlink(h.Pfad() + "weg", h.Pfad() + ".steam/steam");
             h.Datei(".local/share/Steam/config/libraryfolders.vdf", "\"libraryfolders\" { \"0\" { \"path\" \"");
             h.Datei(".local/share/Steam/steamapps/appmanifest_1.acf", "\"AppState\" { \"installdir\" \"../..\" }");
             h.Datei(".local/share/Steam/steamapps/appmanifest_2.acf", "}}}{{\"");
             h.Praefix(".wine", kDoW);
             h.Datei(std::string(".wine/") + kDoWOrdner + "/placeholder", "");
             fs::create_symlink(h.Pfad() + "weg.exe", h.Pfad() + ".wine/" + kDoWOrdner + "/W40k.exe");
             h.Datei(".config/lutris/games/x.yml", "game:\n  exe: \"/unvollstaendig\n  prefix: '");
             h.Datei(".config/heroic/GamesConfig/x.json", "{\"winePrefix\": \"\\u");
         },
         {}},
        {"Soulstorm allein mit Steam, zweite Bibliothek", [](const Heimordner& h) {
             h.Datei(".local/share/Steam/config/libraryfolders.vdf",
                     "\"libraryfolders\" { \"0\" { \"path\" \"" + h.Pfad() + ".local/share/Steam\" }\n"
                     "\"1\" { \"path\" \"" + h.Pfad() + "zwei\" } }\n");
             h.Datei("zwei/steamapps/appmanifest_9450.acf", Manifest("9450", "Dawn of War Soulstorm"));
             h.Spiel("zwei/steamapps/common/Dawn of War Soulstorm", "Soulstorm.exe");
         },
         {{"zwei/steamapps/common/Dawn of War Soulstorm", "Steam", "zwei/steamapps/compatdata/9450/pfx", "9450",
           "Soulstorm.exe", TEdition::Soulstorm}}},
        {"Dark Crusade in einem Lutris-Prefix", [](const Heimordner& h) {
             h.Datei(".config/lutris/games/dc.yml", "game:\n  prefix: ~/Games/dc\n");
             h.Praefix("Games/dc", kDC, true, "Dawn of War - Dark Crusade");
             h.Spiel("Games/dc/drive_c/Program Files (x86)/THQ/Dawn of War - Dark Crusade", "DarkCrusade.exe");
         },
         {{"Games/dc/drive_c/Program Files (x86)/THQ/Dawn of War - Dark Crusade", "Lutris", "Games/dc", "",
           "DarkCrusade.exe", TEdition::DarkCrusade}}},
        {"Grundspiel, Winter Assault, Dark Crusade und Soulstorm nebeneinander", [](const Heimordner& h) {
             h.Praefix(".wine", kDoW, true);
             h.Praefix(".wine", kDC, true, "Dawn of War - Dark Crusade");
             h.Praefix(".wine", kSS, false, "Dawn of War - Soulstorm");
             h.Spiel(std::string(".wine/") + kDoWOrdner);
             h.Spiel(std::string(".wine/") + kDoWOrdner, "W40kWA.exe");
             h.Spiel(".wine/drive_c/Program Files (x86)/THQ/Dawn of War - Dark Crusade", "DarkCrusade.exe");
             h.Spiel(".wine/drive_c/Program Files (x86)/THQ/Dawn of War - Soulstorm", "Soulstorm.exe");
         },
         {{std::string(".wine/") + kDoWOrdner, "Registry", ".wine", ""},
          {std::string(".wine/") + kDoWOrdner, "Registry", ".wine", "", "W40kWA.exe", TEdition::WinterAssault},
          {".wine/drive_c/Program Files (x86)/THQ/Dawn of War - Dark Crusade", "Registry", ".wine", "",
           "DarkCrusade.exe", TEdition::DarkCrusade},
          {".wine/drive_c/Program Files (x86)/THQ/Dawn of War - Soulstorm", "Registry", ".wine", "", "Soulstorm.exe",
           TEdition::Soulstorm}}},
        {"Definitive Edition: GOG mit Lutris, Steam nach dem Namen im Manifest", [](const Heimordner& h) {
             h.Datei(".config/lutris/games/de.yml", "game:\n  exe: ~/Games/de/W40k_gog.exe\n");
             h.Spiel("Games/de", "W40k_gog.exe");
             h.Datei(".local/share/Steam/steamapps/appmanifest_1.acf",
                     "\"AppState\" { \"appid\" \"1\" \"name\" \"Warhammer 40,000: Dawn of War - Definitive "
                     "Edition\" \"installdir\" \"DE\" }");
             h.Spiel(".local/share/Steam/steamapps/common/DE");
         },
         {{".local/share/Steam/steamapps/common/DE", "Steam", ".local/share/Steam/steamapps/compatdata/1/pfx", "1",
           "W40k.exe", TEdition::DefinitiveEdition},
          {"Games/de", "Lutris", "", "", "W40k_gog.exe", TEdition::DefinitiveEdition}}},
        {"Programmnamen in ungewohnter Schreibung", [](const Heimordner& h) {
             h.Praefix("daten/bottles/bottles/x", kSS, false, "Dawn of War - Soulstorm");
             UmgebungSetzen("XDG_DATA_HOME", h.Pfad() + "daten");
             h.Spiel("daten/bottles/bottles/x/drive_c/Program Files (x86)/THQ/Dawn of War - Soulstorm", "SOULSTORM.EXE");
             h.Spiel("daten/bottles/bottles/x/drive_c/Program Files (x86)/THQ/Dawn of War - Soulstorm", "darkcrusade.Exe");
         },
         {{"daten/bottles/bottles/x/drive_c/Program Files (x86)/THQ/Dawn of War - Soulstorm", "Bottles",
           "daten/bottles/bottles/x", "", "darkcrusade.Exe", TEdition::DarkCrusade},
          {"daten/bottles/bottles/x/drive_c/Program Files (x86)/THQ/Dawn of War - Soulstorm", "Bottles",
           "daten/bottles/bottles/x", "", "SOULSTORM.EXE", TEdition::Soulstorm}}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        const Heimordner heim;
        fall.aufbau(heim);
        const std::vector<TInstallation> gefunden = spiel::InstallationenSuchen(true);
        ASSERT_EQ(gefunden.size(), fall.funde.size());
        for (std::size_t n = 0; n < gefunden.size(); ++n) {
            const TInstallation& i = gefunden[n];
            const Fund& f = fall.funde[n];
            SCOPED_TRACE(i.Ordner + i.Programm);
            EXPECT_EQ(i.Ordner, fs::canonical(heim.Pfad() + f.ordner).string() + "/");
            EXPECT_EQ(i.Programm, f.programm);
            EXPECT_EQ(i.Edition, f.edition);
            EXPECT_EQ(i.Herkunft, f.herkunft);
            EXPECT_EQ(i.WinePraefix, f.praefix.empty() ? "" : heim.Pfad() + f.praefix);
            EXPECT_EQ(i.SteamAppId, f.steamAppId);
            // A folder found through Steam is known as Steam's when typed by hand, too.
            EXPECT_EQ(spiel::SteamAppIdFuer(i.Ordner), f.herkunft == "Steam" ? f.steamAppId : "");
        }
    }
}

// The readers' own edges, which the search above cannot tell apart.
TEST(LauncherDateien, Grenzfaelle) {
    using spiel::SteamBibliothekenLesen;
    EXPECT_EQ(SteamBibliothekenLesen("\"LibraryFolders\" { \"1\" \"/a\" \"2\" { \"PATH\" \"/b\" } // \"3\" \"/c\"\n"
                                     "\"ContentStatsID\" \"9\" \"4\" \"/d\" [$WIN32] \"5\" \"/e\\\\f\" }"),
              (std::vector<std::string>{"/a", "/b", "/d", "/e\\f"}));
    EXPECT_EQ(SteamBibliothekenLesen(std::string(100000, '{') + "\"1\" \"/tief\"" + std::string(100000, '}')),
              std::vector<std::string>{});

    const auto manifest = spiel::SteamManifestLesen("\"appstate\" { \"appid\" \"12a\" \"installdir\" \"a/b\" }");
    EXPECT_EQ(manifest.AppId, "");
    EXPECT_EQ(manifest.InstallDir, "");

    const auto lutris = spiel::LutrisSpielLesen(
        "name: x\ngame:\n  args: ''\n  exe: /g/it''s/W40k.exe # no quote\n  options:\n    prefix: /nein\n"
        "  prefix: 'it''s'\r\nsystem:\n  prefix: /auch-nicht\n");
    EXPECT_EQ(lutris.Exe, "/g/it''s/W40k.exe");
    EXPECT_EQ(lutris.Prefix, "it's");

    EXPECT_EQ(spiel::HeroicPrefixeLesen("{\"a\":{\"winePrefix\" : \"/p/\\ud83d\\ude00\\\"\"},"
                                            "\"b\":{\"winePrefix\":1,\"x\":\"winePrefix\"}}"),
              std::vector<std::string>{"/p/\xF0\x9F\x98\x80\""});
}

}  // namespace
