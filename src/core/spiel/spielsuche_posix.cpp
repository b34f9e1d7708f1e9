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

namespace plattform {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSchluessel = "SOFTWARE\\THQ\\Dawn of War\\";
constexpr const char* kWert = "InstallLocation";
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

std::string MitTrenner(std::string pfad) {
    if (pfad.empty() || pfad.back() != '/') pfad += '/';
    return pfad;
}

// "~/Games/x" as the launchers may write it.
std::string HeimErsetzen(const std::string& pfad, const std::string& heim) {
    if (pfad == "~" || pfad.rfind("~/", 0) == 0) return heim + pfad.substr(1);
    return pfad;
}

bool HatSpiel(const std::string& ordner) {
    if (Echt(ordner).empty()) return false;
    const std::string name = NameOhneFall(ordner, "W40k.exe");
    std::error_code fehler;
    // A broken link or a folder of that name is no game.
    return !name.empty() && fs::is_regular_file(MitTrenner(ordner) + name, fehler);
}

// Collects every place the game may be, in the order they count.
class Suche {
public:
    explicit Suche(std::string heim) : heim_(std::move(heim)) {}

    const std::vector<Spielfund>& Kandidaten() const { return kandidaten_; }

    void WinePrefixe() {
        if (const char* praefix = std::getenv("WINEPREFIX"); praefix != nullptr && praefix[0] != '\0')
            Praefix(praefix, "Registry", "", true);
        Praefix(Unter(heim_, "/.wine"), "Registry", "", true);
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
                    kandidaten_.push_back({fs::path(exe).parent_path().string(), "Lutris", yml.string(), praefix, ""});
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
                kandidaten_.push_back({common + "/" + name, "Steam", acf.string(), praefix, manifest.AppId});
            }
            Praefix(praefix, "Steam", manifest.AppId, false);
        }
    }

    // The prefix's registry names a folder. streng: a wrong value type raises, as for the
    // registry fallback; a launcher's prefix with such a value is passed over instead.
    void Praefix(const std::string& praefix, const char* herkunft, const std::string& steamAppId, bool streng) {
        const std::string echt = Echt(praefix);
        if (echt.empty() || !praefixe_.insert(echt).second) return;
        std::string windowsPfad;
        try {
            windowsPfad = WineRegistryLesen(praefix, kSchluessel, kWert);
        } catch (const Fehler&) {
            if (streng) throw;
        }
        if (windowsPfad.empty()) return;
        kandidaten_.push_back(
            {WindowsPfadAbbilden(praefix, windowsPfad), herkunft, praefix + "/system.reg", praefix, steamAppId});
    }

    std::string heim_;
    std::vector<Spielfund> kandidaten_;
    std::set<std::string> praefixe_;  // real paths, so a prefix reached twice counts once
};

}  // namespace

std::optional<Spielfund> SpielSuchen() {
    Suche suche(HeimOrdner());
    suche.WinePrefixe();
    suche.Steam();
    suche.Lutris();
    suche.Heroic();
    suche.Bottles();
    const std::vector<Spielfund>& kandidaten = suche.Kandidaten();

    const auto treffer = std::find_if(kandidaten.begin(), kandidaten.end(),
                                      [](const Spielfund& k) { return HatSpiel(k.Ordner); });
    if (treffer == kandidaten.end()) return std::nullopt;
    const std::string echt = Echt(treffer->Ordner);
    // The same folder reached through a Wine registry as well: Steam installed it, so
    // Steam (and its Proton prefix) must start it.
    auto gewinner = std::find_if(kandidaten.begin(), kandidaten.end(), [&](const Spielfund& k) {
        return k.Herkunft == "Steam" && !k.SteamAppId.empty() && Echt(k.Ordner) == echt;
    });
    Spielfund fund = gewinner != kandidaten.end() ? *gewinner : *treffer;
    fund.Ordner = MitTrenner(echt);
    return fund;
}

std::string SteamAppIdFuer(const std::string& ordner) {
    const std::string echt = Echt(ordner);
    if (echt.empty()) return {};
    Suche suche(HeimOrdner());
    suche.Steam();
    for (const Spielfund& k : suche.Kandidaten()) {
        if (k.Herkunft != "Steam" || k.SteamAppId.empty()) continue;
        const std::string installiert = Echt(k.Ordner);
        if (!installiert.empty() && (echt == installiert || echt.rfind(installiert + "/", 0) == 0))
            return k.SteamAppId;
    }
    return {};
}

}  // namespace plattform
