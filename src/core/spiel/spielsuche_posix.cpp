#include "core/spiel/spielsuche.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "core/fehler.h"
#include "core/spiel/launcherdateien.h"
#include "core/platform/wine.h"
#include "core/platform/xdg_posix.h"

namespace spiel {
namespace {

using plattform::HeimOrdner;
using plattform::NameOhneFall;
using plattform::WindowsPfadAbbilden;
using plattform::WineRegistryLesen;
using plattform::XdgOrdner;

namespace fs = std::filesystem;

// A launcher's settings file is a few kilobytes; anything far bigger is not one.
constexpr std::uintmax_t kHoechstGroesse = 16u << 20;

std::string Echt(const std::string& pfad) {
    std::error_code fehler;
    // A launcher's file may hold a null inside a path, which the system would cut off.
    if (pfad.empty() || pfad.find('\0') != std::string::npos) return {};
    const fs::path echt = fs::canonical(pfad, fehler);
    return fehler ? std::string() : echt.string();
}

std::string DateiLesen(const fs::path& pfad) {
    std::error_code fehler;
    if (!fs::is_regular_file(pfad, fehler) || fs::file_size(pfad, fehler) > kHoechstGroesse || fehler) return {};
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

// The entries of ordner whose names start with anfang and end with ende, sorted by name
// so that a search finds the same game on every run.
std::vector<fs::path> Eintraege(const std::string& ordner, std::string_view anfang, std::string_view ende) {
    std::vector<fs::path> gefunden;
    std::error_code fehler;
    fs::directory_iterator it(ordner, fehler);
    for (; !fehler && it != fs::directory_iterator(); it.increment(fehler)) {
        const std::string name = it->path().filename().string();
        if (name.size() >= anfang.size() + ende.size() && name.compare(0, anfang.size(), anfang) == 0 &&
            name.compare(name.size() - ende.size(), ende.size(), ende) == 0)
            gefunden.push_back(it->path());
    }
    std::sort(gefunden.begin(), gefunden.end());
    return gefunden;
}

// basis + rest, or "" when there is no basis (no home folder): nothing is looked up then.
std::string Unter(const std::string& basis, const char* rest) { return basis.empty() ? std::string() : basis + rest; }

// "~/Games/x" as the launchers may write it.
std::string HeimErsetzen(const std::string& pfad, const std::string& heim) {
    if (pfad == "~" || pfad.rfind("~/", 0) == 0) return heim + pfad.substr(1);
    return pfad;
}

// Collects every place the game may be, in the order they count.
class Suche {
public:
    explicit Suche(std::string heim) : heim_(std::move(heim)) {}

    const std::vector<TInstallation>& Kandidaten() const { return kandidaten_; }

    // streng: a wrong value type in these prefixes raises, as for the registry fallback.
    void WinePrefixe(bool streng) {
        if (const char* praefix = std::getenv("WINEPREFIX"); praefix != nullptr && praefix[0] != '\0')
            Praefix(praefix, "Registry", "", streng);
        Praefix(Unter(heim_, "/.wine"), "Registry", "", streng);
    }

    void Steam() {
        std::set<std::string> wurzeln, bibliotheken;
        for (const char* wurzel : {"/.local/share/Steam", "/.steam/steam", "/.steam/root",
                                   "/.var/app/com.valvesoftware.Steam/.local/share/Steam"}) {
            const std::string echt = Echt(Unter(heim_, wurzel));
            if (echt.empty() || !wurzeln.insert(echt).second) continue;
            // The root itself is always a library, and the first.
            std::vector<std::string> liste{echt};
            for (const char* vdf : {"/config/libraryfolders.vdf", "/steamapps/libraryfolders.vdf"})
                for (std::string& b : SteamBibliothekenLesen(DateiLesen(echt + vdf))) liste.push_back(std::move(b));
            for (const std::string& bibliothek : liste) {
                const std::string echteBibliothek = Echt(bibliothek);
                if (!echteBibliothek.empty() && bibliotheken.insert(echteBibliothek).second)
                    SteamBibliothek(echteBibliothek);
            }
        }
    }

    void Lutris() {
        std::set<std::string> gesehen;
        for (const std::string& ordner : {Unter(XdgOrdner("XDG_CONFIG_HOME", heim_, ".config"), "/lutris"),
                                          Unter(XdgOrdner("XDG_DATA_HOME", heim_, ".local/share"), "/lutris")}) {
            const std::string echt = Echt(ordner);
            if (echt.empty() || !gesehen.insert(echt).second) continue;
            for (const fs::path& yml : Eintraege(echt + "/games", "", ".yml")) {
                const LutrisSpiel spiel = LutrisSpielLesen(DateiLesen(yml));
                const std::string praefix = HeimErsetzen(spiel.Prefix, heim_);
                const std::string exe = HeimErsetzen(spiel.Exe, heim_);
                if (!exe.empty() && exe.front() == '/')
                    Kandidat(fs::path(exe).parent_path().string(), "Lutris", yml.string(), praefix, "");
                if (!praefix.empty()) Praefix(praefix, "Lutris", "", false);
            }
        }
    }

    void Heroic() {
        for (const std::string& ordner : {Unter(XdgOrdner("XDG_CONFIG_HOME", heim_, ".config"), "/heroic"),
                                          Unter(heim_, "/.var/app/com.heroicgameslauncher.hgl/config/heroic")})
            for (const fs::path& json : Eintraege(Unter(ordner, "/GamesConfig"), "", ".json"))
                for (const std::string& praefix : HeroicPrefixeLesen(DateiLesen(json)))
                    Praefix(HeimErsetzen(praefix, heim_), "Heroic", "", false);
    }

    void Bottles() {
        for (const std::string& ordner : {Unter(XdgOrdner("XDG_DATA_HOME", heim_, ".local/share"), "/bottles/bottles"),
                                          Unter(heim_, "/.var/app/com.usebottles.bottles/data/bottles/bottles")})
            for (const fs::path& flasche : Eintraege(ordner, "", "")) Praefix(flasche.string(), "Bottles", "", false);
    }

private:
    void SteamBibliothek(const std::string& bibliothek) {
        const std::string steamapps = bibliothek + "/steamapps";
        for (const fs::path& acf : Eintraege(steamapps, "appmanifest_", ".acf")) {
            SteamManifest manifest = SteamManifestLesen(DateiLesen(acf));
            if (manifest.AppId.empty()) {
                // The file name carries the id too: appmanifest_<id>.acf.
                const std::string name = acf.filename().string();
                const std::string id = name.substr(12, name.size() - 16);
                if (!id.empty() && id.size() <= 10 && id.find_first_not_of("0123456789") == std::string::npos)
                    manifest.AppId = id;
            }
            if (manifest.AppId.empty()) continue;
            const std::string praefix = steamapps + "/compatdata/" + manifest.AppId + "/pfx";
            if (!manifest.InstallDir.empty()) {
                const std::string common = steamapps + "/common";
                std::string name = NameOhneFall(common, manifest.InstallDir);
                if (name.empty()) name = manifest.InstallDir;
                Kandidat(common + "/" + name, "Steam", acf.string(), praefix, manifest.AppId,
                         manifest.Name.find("Definitive Edition") != std::string::npos);
            }
            Praefix(praefix, "Steam", manifest.AppId, false);
        }
    }

    // Each of the editions' keys in the prefix's registry names a folder. streng: a wrong
    // value type raises, as for the registry fallback; a launcher's prefix with such a
    // value is passed over instead.
    void Praefix(const std::string& praefix, const char* herkunft, const std::string& steamAppId, bool streng) {
        const std::string echt = Echt(praefix);
        if (echt.empty() || !praefixe_.insert(echt).second) return;
        for (const char* schluessel : RegistrySchluessel()) {
            std::string windowsPfad;
            try {
                windowsPfad = WineRegistryLesen(praefix, schluessel, "InstallLocation");
            } catch (const Fehler&) {
                if (streng) throw;
            }
            if (!windowsPfad.empty())
                Kandidat(WindowsPfadAbbilden(praefix, windowsPfad), herkunft, praefix + "/system.reg", praefix,
                         steamAppId);
        }
    }

    // Every program in ordner is an installation; ordner is taken by its real path, so a
    // folder reached twice is one. definitiv: Steam calls this app the Definitive Edition,
    // which runs W40k.exe as the base game does.
    void Kandidat(const std::string& ordner, const char* herkunft, const std::string& quelle,
                  const std::string& praefix, const std::string& steamAppId, bool definitiv = false) {
        const std::string echt = Echt(ordner);
        if (echt.empty()) return;
        for (TInstallation& i : InstallationenIn(echt, {"", "", TEdition::DawnOfWar, herkunft, quelle, praefix, steamAppId})) {
            if (definitiv && i.Edition == TEdition::DawnOfWar) i.Edition = TEdition::DefinitiveEdition;
            kandidaten_.push_back(std::move(i));
        }
    }

    std::string heim_;
    std::vector<TInstallation> kandidaten_;
    std::set<std::string> praefixe_;  // real paths, so a prefix reached twice counts once
};

}  // namespace

std::vector<TInstallation> InstallationenSuchen(bool streng) {
    Suche suche(HeimOrdner());
    suche.WinePrefixe(streng);
    suche.Steam();
    suche.Lutris();
    suche.Heroic();
    suche.Bottles();
    return EinmalJeProgramm(suche.Kandidaten());
}

std::string RegistryOrdner() { return {}; }

std::string SteamAppIdFuer(const std::string& ordner) {
    const std::string echt = Echt(ordner);
    if (echt.empty()) return {};
    Suche suche(HeimOrdner());
    suche.Steam();
    for (const TInstallation& k : suche.Kandidaten()) {
        if (k.Herkunft != "Steam" || k.SteamAppId.empty()) continue;
        const std::string installiert = Echt(k.Ordner);
        if (!installiert.empty() && (echt == installiert || echt.rfind(installiert + "/", 0) == 0))
            return k.SteamAppId;
    }
    return {};
}

}  // namespace spiel
