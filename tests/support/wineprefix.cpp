#include "support/wineprefix.h"

#include <cstdlib>
#include <filesystem>
#include <list>

namespace fs = std::filesystem;

void UmgebungSetzen(const std::string& name, const std::string& wert) {
    // putenv keeps the pointer, so every string handed over stays alive until the end.
    static std::list<std::string> eintraege;
    eintraege.push_back(name + "=" + wert);
    putenv(eintraege.back().data());
}

WinePrefix::WinePrefix() {
    if (const char* alt = std::getenv("WINEPREFIX")) vorher_ = alt;
    fs::create_directory(Pfad() + "drive_c");
    fs::create_directory(Pfad() + "dosdevices");
    std::error_code fehler;  // Windows may refuse links; the tests using them skip there
    fs::create_directory_symlink("../drive_c", Pfad() + "dosdevices/c:", fehler);
    UmgebungSetzen("WINEPREFIX", Pfad());
}

WinePrefix::~WinePrefix() { UmgebungSetzen("WINEPREFIX", vorher_.value_or("")); }

void WinePrefix::SystemRegSchreiben(const std::string& eintraege) const {
    ordner_.DateiSchreiben("system.reg",
                           "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n" +
                               eintraege);
}

std::string WinePrefix::LaufwerkC() const { return fs::canonical(Pfad() + "drive_c").string(); }
