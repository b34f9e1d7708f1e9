#include "core/spiel/installation.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"

namespace {

char Klein(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool GleichOhneFall(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Klein(x) == Klein(y);
           });
}

}  // namespace

bool GleicherOrdner(const std::string& a, const std::string& b) {
    if (a == b) return true;
    if (a.empty() || b.empty()) return false;
    // Paths are UTF-8 on Windows too; the system's code page would garble them.
    const auto pfad = [](const std::string& s) {
        return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(s.data()), s.size()));
    };
    std::error_code fehler;
    return std::filesystem::equivalent(pfad(a), pfad(b), fehler) && !fehler;
}

const std::vector<TProgramm>& Programme() {
    static const std::vector<TProgramm> programme{
        {"W40k.exe", TEdition::DawnOfWar},
        {"W40kWA.exe", TEdition::WinterAssault},
        {"DarkCrusade.exe", TEdition::DarkCrusade},
        {"Soulstorm.exe", TEdition::Soulstorm},
        {"W40k_gog.exe", TEdition::DefinitiveEdition},
    };
    return programme;
}

const char* EditionName(TEdition edition) {
    switch (edition) {
        case TEdition::DawnOfWar: return "Dawn of War";
        case TEdition::WinterAssault: return "Winter Assault";
        case TEdition::DarkCrusade: return "Dark Crusade";
        case TEdition::Soulstorm: return "Soulstorm";
        case TEdition::DefinitiveEdition: return "Definitive Edition";
    }
    return "Dawn of War";
}

std::vector<std::string> ProgrammeIn(const std::string& ordner) {
    std::vector<std::string> gefunden;
    if (ordner.empty()) return gefunden;
    const std::string mitTrenner = plattform::OrdnerMitTrenner(ordner);
    for (const TProgramm& p : Programme()) {
        // The listing ignores letter case, as Windows does; a folder of that name is no program.
        for (const std::string& name : plattform::Aufzaehlen(mitTrenner + p.Name)) {
            if (!plattform::DateiExistiert(mitTrenner + name)) continue;
            gefunden.push_back(name);
            break;
        }
    }
    return gefunden;
}

TEdition EditionVon(const std::string& programm) {
    for (const TProgramm& p : Programme())
        if (GleichOhneFall(programm, p.Name)) return p.Edition;
    return TEdition::DawnOfWar;
}

std::string StartProgramm(const std::string& ordner, const std::string& gewaehlt) {
    const std::vector<std::string> da = ProgrammeIn(ordner);
    if (!gewaehlt.empty())
        for (const std::string& name : da)
            if (GleichOhneFall(name, gewaehlt)) return name;
    // W40k.exe comes first wherever it is, so this is the description's program.
    return da.empty() ? std::string() : da.front();
}

std::vector<TInstallation> InstallationenIn(const std::string& ordner, const TInstallation& vorlage) {
    std::vector<TInstallation> gefunden;
    for (const std::string& programm : ProgrammeIn(ordner)) {
        TInstallation i = vorlage;
        i.Ordner = plattform::OrdnerMitTrenner(ordner);
        i.Programm = programm;
        i.Edition = EditionVon(programm);
        gefunden.push_back(std::move(i));
    }
    return gefunden;
}

std::vector<TInstallation> EinmalJeProgramm(const std::vector<TInstallation>& alle) {
    std::vector<TInstallation> einmal;
    for (const TInstallation& i : alle) {
        const auto da = std::find_if(einmal.begin(), einmal.end(), [&](const TInstallation& e) {
            return GleicherOrdner(e.Ordner, i.Ordner) && GleichOhneFall(e.Programm, i.Programm);
        });
        if (da == einmal.end()) einmal.push_back(i);
        else if (da->SteamAppId.empty() && i.Herkunft == "Steam" && !i.SteamAppId.empty()) *da = i;
    }
    return einmal;
}
