#include "variablen.h"

#include "fehler.h"
#include "platform/ini.h"
#include "platform/pfad.h"
#include "platform/programmpfad.h"
#include "platform/registry.h"

std::string Programmverzeichnis;
std::string ConfigDatei;
std::string DOWVerzeichnis;
std::string ReplayVerzeichnis;
std::int32_t ReplayAnzahl = 0;
std::int32_t LadeStatus = 0;
std::vector<std::unique_ptr<TReplay>> Replays;

namespace {

constexpr const char* kAbschnitt = "Verzeichnisse";
constexpr const char* kRegistrySchluessel = "SOFTWARE\\THQ\\Dawn of War\\";

void Schreiben(const char* schluessel, const std::string& wert) {
    if (!plattform::IniSchreiben(ConfigDatei, kAbschnitt, schluessel, wert))
        throw Fehler("In " + ConfigDatei + " kann nicht geschrieben werden");
}

}  // namespace

bool VariablenInitialisieren() {
    ReplayAnzahl = 0;
    LadeStatus = 0;
    Programmverzeichnis = plattform::VerzeichnisTeil(plattform::ProgrammPfad());
    // A root folder gives a doubled separator here, which every path layer accepts.
    ConfigDatei = Programmverzeichnis + plattform::Trenner() + "config.ini";
    VerzeichnisseLesen();
    return DOWVerzeichnis.empty() || ReplayVerzeichnis.empty();
}

void VerzeichnisseLesen() {
    DOWVerzeichnis = plattform::IniLesen(ConfigDatei, kAbschnitt, "DOW", "");
    ReplayVerzeichnis = plattform::IniLesen(ConfigDatei, kAbschnitt, "Replays", "");
    // Only the game directory has a fallback; the registry value is not written back.
    if (DOWVerzeichnis.empty()) DOWVerzeichnis = plattform::RegistryPfadLesen(kRegistrySchluessel, "InstallLocation");
}

void VerzeichnisseSchreiben() {
    Schreiben("DOW", DOWVerzeichnis);
    Schreiben("Replays", ReplayVerzeichnis);
}
