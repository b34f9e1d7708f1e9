#include "core/spielstart.h"

#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"

namespace {

// The Wine prefix a POSIX folder lies in: the folder holding the "drive_c" above it, when
// that folder is a prefix (it holds system.reg); else "".
std::string PraefixVon(const std::string& ordner) {
    const std::string laufwerk = "/drive_c/";
    const std::size_t stelle = ordner.rfind(laufwerk);
    if (stelle == std::string::npos || stelle == 0) return {};
    const std::string praefix = ordner.substr(0, stelle);
    return plattform::DateiExistiert(praefix + "/system.reg") ? praefix : std::string();
}

}  // namespace

TSpielstart SpielstartPruefen(const std::string& dowVerzeichnis, const plattform::Spielfund& fund) {
    TSpielstart start;
    start.Ordner = plattform::OrdnerMitTrenner(dowVerzeichnis);
    if (start.Ordner.empty()) start.Hindernis = TStarthindernis::KeinOrdner;
    else if (!plattform::VerzeichnisExistiert(start.Ordner)) start.Hindernis = TStarthindernis::OrdnerFehlt;
    else if (plattform::Aufzaehlen(start.Ordner + "W40k.exe").empty()) start.Hindernis = TStarthindernis::KeinProgramm;
    if (start.Hindernis != TStarthindernis::Keines) return start;

    start.Befehl = plattform::SpielStartbefehl(start.Ordner, fund);
    if (!start.Befehl) {
        // The start goes through Steam exactly when Steam installed the folder.
        const bool gefunden = !fund.Ordner.empty() && fund.Ordner == start.Ordner;
        const bool steam = !(gefunden ? fund.SteamAppId : plattform::SteamAppIdFuer(start.Ordner)).empty();
        start.Hindernis = steam ? TStarthindernis::KeinSteam : TStarthindernis::KeinWine;
        return start;
    }
    if (plattform::IstPosix() && start.Befehl->WinePraefix.empty() && !start.Befehl->Arbeitsverzeichnis.empty())
        start.Befehl->WinePraefix = PraefixVon(start.Ordner);
    return start;
}
