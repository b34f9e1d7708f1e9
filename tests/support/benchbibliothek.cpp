#include "support/benchbibliothek.h"

#include <filesystem>

#include "support/replaybauer.h"

std::string BenchBibliothek(int anzahl, std::vector<std::string>* dateien, std::size_t groesse) {
    namespace fs = std::filesystem;
    std::string name = "quellarch_bench_" + std::to_string(anzahl);
    if (groesse != 64 * 1024) name += "_" + std::to_string(groesse);
    fs::path ordner = fs::temp_directory_path() / name;
    fs::create_directories(ordner);
    std::uint32_t zustand = 7;
    for (int i = 0; i < anzahl; ++i) {
        auto pfad = (ordner / ("r" + std::to_string(i) + ".rec")).string();
        if (dateien) dateien->push_back(pfad);
        if (fs::exists(pfad)) continue;
        ReplayBauer bau;
        bau.Name = u"Benchmark " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
        bau.Spieler.clear();
        for (int s = 0; s < 2 + i % 7; ++s) {
            SpielerBau spieler;
            spieler.Name = u"Spieler";
            spieler.LueckeDavor = Zufall(zustand) % 300;
            bau.Spieler.push_back(spieler);
        }
        bau.ZielGroesse = groesse;
        bau.Schreiben(pfad);
    }
    return ordner.string() + "/";
}
