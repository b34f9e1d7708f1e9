// quellarch-demo DIR [N [BYTES]]: writes a demo setup to try the program on:
// DIR/library/ with N (by default 30) varied replays, DIR/game/Playback/ with 3, and an empty
// DIR/game/W40k.exe. With BYTES every library replay is that long (at least its contents),
// as bench/cli_list.sh wants them; otherwise they have 8 to 68 KB.
// quellarch-demo --unicode DIR: DIR/library/ with replays, players and file names in many
// scripts (the shared test names, right-to-left text, combining marks), for the screenshot.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"
#include "support/testnamen.h"

namespace {
const char* const kKarten[] = {"2P_BATTLE_MARSHES", "2P_BLOOD_RIVER", "4P_QUATRA", "6P_MORTALIS",
                               "8P_LOST_HOPE", "6PTEAM_STREETS_OF_VOGEN", "2P_FALLEN_CITY",
                               "4P_SAINTS_SQUARE", "MY_OWN_MAP"};
const char* const kRassen[] = {"space_marine_race", "chaos_marine_race", "eldar_race", "ork_race"};
const char16_t* const kNamen[] = {u"Gorgutz", u"Indrick", u"Macha", u"Boreale", u"Toth", u"Kyras",
                                  u"Ännchen", u"Öller", u"Weiß", u"Bluescreen"};
const char16_t* const kSpiele[] = {u"Finale", u"Revanche", u"Training", u"Turnier Runde",
                                   u"Clanwar", u"Schnelles Spiel", u"Übung", u"Grüße"};
const std::uint32_t kBedingungen[] = {0xF6999082, 0x931DD8F4, 0xBAF8C0A1, 0xD18450C7,
                                      0x2BD05ECA, 0x337F20F5, 0x74C54396};

ReplayBauer DemoReplay(std::uint32_t& zustand, int nummer) {
    ReplayBauer bau;
    bau.Name = std::u16string(kSpiele[Zufall(zustand) % std::size(kSpiele)]) + u" " +
               std::u16string(1, static_cast<char16_t>(u'A' + nummer % 26));
    bau.KartenSchluessel = kKarten[Zufall(zustand) % std::size(kKarten)];
    bau.Siegbedingungen.clear();
    for (auto kennung : kBedingungen)
        if (Zufall(zustand) % 3 == 0) bau.Siegbedingungen.push_back(kennung);
    int spieler = 2 + static_cast<int>(Zufall(zustand) % 7);
    bau.Spieler.clear();
    for (int i = 0; i < spieler; ++i) {
        SpielerBau s;
        s.Name = kNamen[Zufall(zustand) % std::size(kNamen)];
        s.Rasse = kRassen[Zufall(zustand) % std::size(kRassen)];
        s.Team = static_cast<std::uint32_t>(i % 2);
        s.Kennzahl = Zufall(zustand) % 256;
        s.LueckeDavor = Zufall(zustand) % 200;
        bau.Spieler.push_back(s);
    }
    bau.ZielGroesse = 8192 + Zufall(zustand) % 60000;
    return bau;
}
struct TSchrift {
    const char* datei;
    std::u16string spiel;
    std::vector<std::u16string> spieler;
};

// Names as players of many countries type them, with the file names they might save.
const TSchrift kSchriften[] = {
    {"Финал.rec", u"Финал Кубка", {u"Дмитрий", u"Ольга", u"Łukasz", u"Šárka"}},
    {"最后一战.rec", u"最后一战", {u"王小明", u"李娜", u"김민준", u"이서연"}},
    {"مباراة.rec", u"مباراة نهائية", {u"محمد", u"فاطمة", u"יוסי כהן", u"נועה"}},
    {"gemischt.rec", u"Ωmega vs. Ärger 🏆",
     {u"Γιώργος", u"Zdeněk Šťastný", u"Zoë Ø", u"Ñoño", u"Ǻ̈ marks", u"😀 Smiley", u"Ẓ̌a̐l̓g̈o", u"מרים לוי"}},
};

int UnicodeDemo(const std::filesystem::path& wurzel) {
    namespace fs = std::filesystem;
    fs::create_directories(wurzel / "library");
    fs::create_directories(wurzel / "game" / "Playback");
    const std::string bib = Utf8Pfad(wurzel / "library") + "/";
    std::uint32_t zustand = 16;
    int nummer = 0;
    for (const TSchrift& s : kSchriften) {
        ReplayBauer bau = DemoReplay(zustand, ++nummer);
        bau.Name = s.spiel;
        bau.Spieler.resize(s.spieler.size());
        for (std::size_t i = 0; i < s.spieler.size(); ++i) {
            bau.Spieler[i].Name = s.spieler[i];
            bau.Spieler[i].Team = static_cast<std::uint32_t>(i % 2);
        }
        bau.Schreiben(bib + s.datei);
    }
    for (const TTestname& name : Testnamen()) {
        ReplayBauer bau = DemoReplay(zustand, ++nummer);
        bau.Name = name.gespeichert;
        bau.Spieler.resize(2);  // the replay of eight players above is the one shown
        bau.Schreiben(bib + "name_" + std::to_string(nummer) + ".rec");
    }
    std::printf("%s\n", bib.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--unicode") return UnicodeDemo(FsPfad(argv[2]));
    const int anzahl = argc >= 3 ? std::atoi(argv[2]) : 30;
    const long groesse = argc == 4 ? std::atol(argv[3]) : 0;
    if (argc < 2 || argc > 4 || anzahl < 0 || groesse < 0) {
        std::fprintf(stderr, "usage: quellarch-demo DIR [N [BYTES]]\n");
        return 2;
    }
    namespace fs = std::filesystem;
    fs::path wurzel(argv[1]);
    fs::create_directories(wurzel / "library");
    fs::create_directories(wurzel / "game" / "Playback");
    std::uint32_t zustand = 2005;
    for (int i = 1; i <= anzahl; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "replay_%02d.rec", i);
        auto pfad = (wurzel / "library" / name).string();
        ReplayBauer bau = DemoReplay(zustand, i);
        if (groesse > 0) bau.ZielGroesse = static_cast<std::size_t>(groesse);
        bau.Schreiben(pfad);
        // Spread the dates over a few years so the list has something to sort.
        AenderungszeitSetzen(pfad, 2004 + static_cast<int>(Zufall(zustand) % 6), 1 + static_cast<int>(Zufall(zustand) % 12),
                             1 + static_cast<int>(Zufall(zustand) % 28), static_cast<int>(Zufall(zustand) % 24),
                             static_cast<int>(Zufall(zustand) % 60), static_cast<int>(Zufall(zustand) % 60));
    }
    for (int i = 1; i <= 3; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "neu_%d.rec", i);
        DemoReplay(zustand, 100 + i).Schreiben((wurzel / "game" / "Playback" / name).string());
    }
    std::FILE* exe = std::fopen((wurzel / "game" / "W40k.exe").string().c_str(), "wb");
    if (exe) std::fclose(exe);
    std::printf("%s\n", wurzel.string().c_str());
    return 0;
}
