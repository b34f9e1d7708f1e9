#include "core/spiel/startbefehl.h"

#include "core/platform/dateisystem.h"

namespace spiel {

std::optional<plattform::Startbefehl> SpielStartbefehl(const TInstallation& installation) {
    using plattform::AufPfadSuchen;
    if (StartetUeberSteam(installation)) {
        // A Proton game run by plain wine outside its prefix fails; only Steam starts it.
        const std::string url = "steam://rungameid/" + installation.SteamAppId;
        if (const std::string steam = AufPfadSuchen("steam"); !steam.empty()) return plattform::Startbefehl{{steam, url}, "", ""};
        if (const std::string flatpak = AufPfadSuchen("flatpak"); !flatpak.empty())
            return plattform::Startbefehl{{flatpak, "run", "com.valvesoftware.Steam", url}, "", ""};
        return std::nullopt;
    }
    const std::string wine = AufPfadSuchen("wine");
    if (wine.empty()) return std::nullopt;
    // A prefix that is not there (a Proton prefix before the game's first run) would be
    // made anew by wine; the default prefix is the better guess then.
    std::string praefix = installation.WinePraefix;
    if (!praefix.empty() && !plattform::DateiExistiert(praefix + "/system.reg")) praefix.clear();
    // wine finds the file in the working directory, by the name the folder spells it.
    return plattform::Startbefehl{{wine, installation.Programm}, installation.Ordner, praefix};
}

}  // namespace spiel
