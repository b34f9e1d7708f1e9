#include "core/spiel/spielsuche.h"

#include "core/platform/pfad.h"
#include "core/platform/registry.h"

namespace plattform {

std::optional<Spielfund> SpielSuchen() {
    std::string ordner = RegistryPfadLesen("SOFTWARE\\THQ\\Dawn of War\\", "InstallLocation");
    if (ordner.empty()) return std::nullopt;
    // Installers store the folder with or without its final backslash; "W40k.exe" is
    // joined on, so it must have one.
    return Spielfund{OrdnerMitTrenner(ordner), "Registry",
                     "HKEY_LOCAL_MACHINE\\SOFTWARE\\THQ\\Dawn of War\\InstallLocation", "", ""};
}

std::string SteamAppIdFuer(const std::string&) { return {}; }

}  // namespace plattform
