#include "support/heimordner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/wineprefix.h"

namespace fs = std::filesystem;

Heimordner::Heimordner() {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "WINEPREFIX"}) {
        const char* alt = std::getenv(name);
        vorher_.emplace_back(name, alt ? std::optional<std::string>(alt) : std::nullopt);
        UmgebungSetzen(name, "");
    }
    std::string heim = Pfad();
    heim.pop_back();
    UmgebungSetzen("HOME", heim);
}

Heimordner::~Heimordner() {
    for (const auto& [name, wert] : vorher_) UmgebungSetzen(name, wert.value_or(""));
}

void Heimordner::Datei(const std::string& name, const std::string& inhalt) const {
    fs::create_directories(fs::path(Pfad() + name).parent_path());
    ordner_.DateiSchreiben(name, inhalt);
}

void Heimordner::Spiel(const std::string& ordner, const std::string& exe) const { Datei(ordner + "/" + exe, "MZ"); }

void Heimordner::Praefix(const std::string& ordner, const std::string& windowsPfad, bool wow64,
                         const std::string& schluessel) const {
    fs::create_directories(Pfad() + ordner + "/drive_c");
    fs::create_directories(Pfad() + ordner + "/dosdevices");
    std::error_code fehler;  // Windows may refuse links; the tests using them skip there
    fs::create_directory_symlink("../drive_c", Pfad() + ordner + "/dosdevices/c:", fehler);
    std::string wert;
    for (char c : windowsPfad) wert += c == '\\' ? std::string("\\\\") : std::string(1, c);
    const std::string reg = Pfad() + ordner + "/system.reg";
    std::string vorher = "WINE REGISTRY Version 2\n";
    if (std::ifstream alt(reg); alt) vorher.assign(std::istreambuf_iterator<char>(alt), std::istreambuf_iterator<char>());
    Datei(ordner + "/system.reg", vorher + "\n[Software\\\\" + (wow64 ? "Wow6432Node\\\\" : "") + "THQ\\\\" +
                                      schluessel + "] 1\n" + "\"InstallLocation\"=\"" + wert + "\"\n");
}
