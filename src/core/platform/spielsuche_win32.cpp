#include "core/platform/spielsuche.h"

#include "core/platform/registry.h"

namespace plattform {

std::optional<Spielfund> SpielSuchen() {
    std::string ordner = RegistryPfadLesen("SOFTWARE\\THQ\\Dawn of War\\", "InstallLocation");
    if (ordner.empty()) return std::nullopt;
    // As stored: the registry value is used unchanged, without a separator added.
    return Spielfund{std::move(ordner), "Registry",
                     "HKEY_LOCAL_MACHINE\\SOFTWARE\\THQ\\Dawn of War\\InstallLocation", "", ""};
}

std::string SteamAppIdFuer(const std::string&) { return {}; }

}  // namespace plattform
