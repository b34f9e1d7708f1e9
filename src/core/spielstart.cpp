#include "core/spielstart.h"

#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/spiel/spielsuche.h"
#include "core/spiel/startbefehl.h"

namespace {

// The Wine prefix a POSIX folder lies in: the folder holding the "drive_c" above it, when
// that folder is a prefix (it holds system.reg); else "".
std::string PraefixVon(const std::string& ordner) {
    if (!plattform::IstPosix()) return {};
    const std::string laufwerk = "/drive_c/";
    const std::size_t stelle = ordner.rfind(laufwerk);
    if (stelle == std::string::npos || stelle == 0) return {};
    const std::string praefix = ordner.substr(0, stelle);
    return plattform::DateiExistiert(praefix + "/system.reg") ? praefix : std::string();
}

}  // namespace

TInstallation GewaehlteInstallation(const std::string& dowVerzeichnis, const std::string& programm,
                                    const std::vector<TInstallation>& gefunden) {
    TInstallation gewaehlt;
    gewaehlt.Ordner = plattform::OrdnerMitTrenner(dowVerzeichnis);
    gewaehlt.Programm = StartProgramm(gewaehlt.Ordner, programm);
    gewaehlt.Edition = EditionVon(gewaehlt.Programm);
    if (gewaehlt.Programm.empty()) return gewaehlt;
    for (const TInstallation& i : gefunden)
        if (GleicherOrdner(i.Ordner, gewaehlt.Ordner) && EditionVon(i.Programm) == gewaehlt.Edition) {
            TInstallation fund = i;
            // Started from the folder as the settings spell it.
            fund.Ordner = gewaehlt.Ordner;
            fund.Programm = gewaehlt.Programm;
            return fund;
        }
    gewaehlt.Herkunft = "config.ini";
    gewaehlt.SteamAppId = spiel::SteamAppIdFuer(gewaehlt.Ordner);
    gewaehlt.WinePraefix = PraefixVon(gewaehlt.Ordner);
    return gewaehlt;
}

TSpielstart SpielstartPruefen(const std::string& dowVerzeichnis, const std::string& programm,
                              const std::vector<TInstallation>& gefunden) {
    TSpielstart start;
    start.Ordner = plattform::OrdnerMitTrenner(dowVerzeichnis);
    if (start.Ordner.empty()) start.Hindernis = TStarthindernis::KeinOrdner;
    else if (!plattform::VerzeichnisExistiert(start.Ordner)) start.Hindernis = TStarthindernis::OrdnerFehlt;
    if (start.Hindernis != TStarthindernis::Keines) return start;
    start.Installation = GewaehlteInstallation(start.Ordner, programm, gefunden);
    if (start.Installation.Programm.empty()) {
        start.Hindernis = TStarthindernis::KeinProgramm;
        return start;
    }
    start.Befehl = spiel::SpielStartbefehl(start.Installation);
    if (!start.Befehl)
        start.Hindernis = spiel::StartetUeberSteam(start.Installation) ? TStarthindernis::KeinSteam : TStarthindernis::KeinWine;
    return start;
}
