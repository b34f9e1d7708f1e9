#include "core/spiel/spielsuche.h"

#include <algorithm>

#include "core/fehler.h"
#include "core/platform/datei.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/platform/registry.h"
#include "core/platform/registry_win32.h"
#include "core/spiel/launcherdateien.h"

namespace spiel {
namespace {

using plattform::RegistryAnsicht;
using plattform::RegistryWurzel;

// A launcher's settings file is a few kilobytes; anything far bigger is not one.
constexpr std::size_t kHoechstGroesse = 16u << 20;

std::string DateiLesen(const std::string& pfad) {
    std::string inhalt;
    try {
        const auto datei = plattform::Datei::OeffnenLesen(pfad);
        if (!datei || datei->Groesse() > static_cast<std::int64_t>(kHoechstGroesse)) return {};
        char puffer[64 * 1024];
        while (const std::size_t n = datei->LeseBlock(puffer, sizeof puffer)) inhalt.append(puffer, n);
    } catch (const Fehler&) {
        return {};
    }
    return inhalt;
}

// Steam writes its own path with '/' ("c:/program files (x86)/steam").
std::string Ordner(std::string pfad) {
    std::replace(pfad.begin(), pfad.end(), '/', '\\');
    return plattform::OrdnerMitTrenner(pfad);
}

std::string Klein(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return text;
}

class Suche {
public:
    const std::vector<TInstallation>& Kandidaten() const { return kandidaten_; }

    // The 32-bit view first: the game's installers are 32-bit programs.
    void Registry(bool streng) {
        for (const RegistryAnsicht ansicht : {RegistryAnsicht::Bit32, RegistryAnsicht::Bit64}) {
            for (const std::string schluessel : RegistrySchluessel()) {
                std::string ordner;
                try {
                    ordner = plattform::RegistryWertLesen(RegistryWurzel::Maschine, ansicht, schluessel, "InstallLocation");
                } catch (const Fehler&) {
                    if (streng) throw;
                }
                // The view as regedit shows it: the 32-bit one below WOW6432Node.
                const std::string quelle = "HKEY_LOCAL_MACHINE\\" +
                                           (ansicht == RegistryAnsicht::Bit32 ? "SOFTWARE\\WOW6432Node" + schluessel.substr(8)
                                                                               : schluessel) +
                                           "InstallLocation";
                if (!ordner.empty()) Kandidat(ordner, "Registry", quelle, "", false);
            }
        }
    }

    void Steam() {
        std::string steam;
        try {
            steam = plattform::RegistryWertLesen(RegistryWurzel::Benutzer, RegistryAnsicht::Bit64,
                                                 "Software\\Valve\\Steam", "SteamPath");
        } catch (const Fehler&) {
        }
        if (steam.empty()) return;
        steam = Ordner(steam);
        // The root itself is always a library, and the first.
        std::vector<std::string> bibliotheken{steam};
        for (const char* vdf : {"config\\libraryfolders.vdf", "steamapps\\libraryfolders.vdf"})
            for (const std::string& b : SteamBibliothekenLesen(DateiLesen(steam + vdf))) bibliotheken.push_back(Ordner(b));
        std::vector<std::string> gesehen;
        for (const std::string& bibliothek : bibliotheken) {
            if (std::find(gesehen.begin(), gesehen.end(), Klein(bibliothek)) != gesehen.end()) continue;
            gesehen.push_back(Klein(bibliothek));
            SteamBibliothek(bibliothek);
        }
    }

private:
    void SteamBibliothek(const std::string& bibliothek) {
        const std::string steamapps = bibliothek + "steamapps\\";
        std::vector<std::string> manifeste = plattform::Aufzaehlen(steamapps + "appmanifest_*.acf");
        // Sorted, so that a search finds the same order on every run.
        std::sort(manifeste.begin(), manifeste.end());
        for (const std::string& acf : manifeste) {
            SteamManifest manifest = SteamManifestLesen(DateiLesen(steamapps + acf));
            if (manifest.AppId.empty() && acf.size() > 16) {
                // The file name carries the id too: appmanifest_<id>.acf.
                const std::string id = acf.substr(12, acf.size() - 16);
                if (id.size() <= 10 && id.find_first_not_of("0123456789") == std::string::npos) manifest.AppId = id;
            }
            // A Windows name may hold neither '\' nor ':'; anything else could leave common.
            if (manifest.AppId.empty() || manifest.InstallDir.empty() ||
                manifest.InstallDir.find_first_of("\\:") != std::string::npos)
                continue;
            Kandidat(steamapps + "common\\" + manifest.InstallDir, "Steam", steamapps + acf, manifest.AppId,
                     manifest.Name.find("Definitive Edition") != std::string::npos);
        }
    }

    // Every program in ordner is an installation. definitiv: Steam calls this app the
    // Definitive Edition, which runs W40k.exe as the base game does.
    void Kandidat(const std::string& ordner, const char* herkunft, const std::string& quelle,
                  const std::string& steamAppId, bool definitiv) {
        for (TInstallation& i : InstallationenIn(ordner, {"", "", TEdition::DawnOfWar, herkunft, quelle, "", steamAppId})) {
            if (definitiv && i.Edition == TEdition::DawnOfWar) i.Edition = TEdition::DefinitiveEdition;
            kandidaten_.push_back(std::move(i));
        }
    }

    std::vector<TInstallation> kandidaten_;
};

}  // namespace

std::vector<TInstallation> InstallationenSuchen(bool streng) {
    Suche suche;
    suche.Registry(streng);
    suche.Steam();
    return EinmalJeProgramm(suche.Kandidaten());
}

std::string RegistryOrdner() {
    // Installers store the folder with or without its final backslash; names are joined
    // on, so it must have one.
    return plattform::OrdnerMitTrenner(plattform::RegistryPfadLesen(kRegistrySchluessel[0], "InstallLocation"));
}

std::string SteamAppIdFuer(const std::string& ordner) {
    if (ordner.empty()) return {};
    const std::string gesucht = Klein(plattform::OrdnerMitTrenner(ordner));
    Suche suche;
    suche.Steam();
    for (const TInstallation& i : suche.Kandidaten())
        if (gesucht.rfind(Klein(i.Ordner), 0) == 0) return i.SteamAppId;
    return {};
}

}  // namespace spiel
