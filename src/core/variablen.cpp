#include "core/variablen.h"

#include <filesystem>
#include <system_error>

#include "core/fehler.h"
#include "core/namensvorlage.h"
#include "core/platform/benutzerordner.h"
#include "core/platform/dateisystem.h"
#include "core/platform/ini.h"
#include "core/platform/pfad.h"
#include "core/platform/programmpfad.h"
#include "core/spiel/spielsuche.h"

std::string Programmverzeichnis;
std::string ConfigDatei;
std::string DOWVerzeichnis;
std::string ReplayVerzeichnis;
std::string IndexVerzeichnis;
std::string DOWHerkunft;
std::string DOWProgramm;
std::vector<std::string> WeiterePlaybackOrdner;
std::vector<TInstallation> Installationen;
bool AutoSpeichern = true;
std::string Namensvorlage = kStandardvorlage;
std::int32_t ReplayAnzahl = 0;
std::int32_t LadeStatus = 0;
std::vector<std::unique_ptr<TReplay>> Replays;

namespace {

constexpr const char* kAbschnitt = "Verzeichnisse";
constexpr const char* kEinstellungen = "Einstellungen";
// One key per folder, "Ordner1" on, up to the first empty one.
constexpr const char* kWeitere = "Weitere Playback-Ordner";
// More than any set-up has; it bounds the reading of a hand-edited file.
constexpr int kWeitereHoechstens = 100;

// One key of config.ini; a refused write raises "In <ConfigDatei> kann nicht geschrieben werden".
void Schreiben(const char* abschnitt, const std::string& schluessel, const std::string& wert) {
    if (!plattform::IniSchreiben(ConfigDatei, abschnitt, schluessel, wert))
        throw Fehler(TFehlerart::ConfigNichtSchreibbar, ConfigDatei);
}

}  // namespace

bool VariablenInitialisieren() {
    ReplayAnzahl = 0;
    LadeStatus = 0;
    Programmverzeichnis = plattform::VerzeichnisTeil(plattform::ProgrammPfad());
    ConfigDatei = ConfigDateiWaehlen(Programmverzeichnis);
    IndexVerzeichnis = plattform::BenutzerCacheOrdner();
    VerzeichnisseLesen();
    AutoSpeichernLesen();
    return DOWVerzeichnis.empty() || ReplayVerzeichnis.empty();
}

std::string ConfigDateiWaehlen(const std::string& programmverzeichnis) {
    // A root folder gives a doubled separator here, which every path layer accepts.
    const std::string daneben = programmverzeichnis + plattform::Trenner() + "config.ini";
    if (plattform::DateiExistiert(daneben) || plattform::OrdnerBeschreibbar(programmverzeichnis)) return daneben;
    const std::string eigen = plattform::BenutzerConfigOrdner();
    if (eigen.empty()) return daneben;
    // The profile functions make the file but not its folder. A folder that cannot be
    // made shows later, as the write error of "OK".
    std::error_code fehler;
    std::filesystem::create_directories(eigen, fehler);
    return eigen + "config.ini";
}

void VerzeichnisseLesen() {
    // Every join glues a name onto the folder, so a value typed into config.ini without
    // its final separator would name files beside the folder instead of in it.
    DOWVerzeichnis = plattform::OrdnerMitTrenner(plattform::IniLesen(ConfigDatei, kAbschnitt, "DOW", ""));
    ReplayVerzeichnis = plattform::OrdnerMitTrenner(plattform::IniLesen(ConfigDatei, kAbschnitt, "Replays", ""));
    DOWProgramm = plattform::IniLesen(ConfigDatei, kAbschnitt, "Programm", "");
    WeiterePlaybackOrdner.clear();
    for (int n = 1; n <= kWeitereHoechstens; ++n) {
        const std::string ordner = plattform::IniLesen(ConfigDatei, kWeitere, "Ordner" + std::to_string(n), "");
        if (ordner.empty()) break;
        WeiterePlaybackOrdner.push_back(plattform::OrdnerMitTrenner(ordner));
    }
    DOWHerkunft = DOWVerzeichnis.empty() ? "" : "config.ini";
    Installationen.clear();
    // Only the game directory has a fallback; what it finds is not written back. Where
    // config.ini names the folder, a broken registry value must not stop the start.
    Installationen = spiel::InstallationenSuchen(DOWVerzeichnis.empty());
    if (!DOWVerzeichnis.empty()) return;
    if (!Installationen.empty()) {
        DOWVerzeichnis = Installationen.front().Ordner;
        DOWProgramm = Installationen.front().Programm;
        DOWHerkunft = Installationen.front().Herkunft;
    } else if (std::string ordner = spiel::RegistryOrdner(); !ordner.empty()) {
        DOWVerzeichnis = ordner;
        DOWHerkunft = "Registry";
    }
}

std::string ConfigDateiFinden(const std::string& programmverzeichnis) {
    const std::string daneben = programmverzeichnis + plattform::Trenner() + "config.ini";
    if (plattform::DateiExistiert(daneben)) return daneben;
    const std::string eigen = plattform::BenutzerConfigOrdner();
    if (!eigen.empty() && plattform::DateiExistiert(eigen + "config.ini")) return eigen + "config.ini";
    return {};
}

std::string SpracheLesen(const std::string& configDatei) {
    return configDatei.empty() ? std::string() : plattform::IniLesen(configDatei, kEinstellungen, "Sprache", "");
}

void SpracheSchreiben(const std::string& sprache) { Schreiben(kEinstellungen, "Sprache", sprache); }

void AutoSpeichernLesen() {
    AutoSpeichern = true;
    Namensvorlage = kStandardvorlage;
    if (ConfigDatei.empty()) return;
    AutoSpeichern = plattform::IniLesen(ConfigDatei, kEinstellungen, "AutoSpeichern", "1") != "0";
    // A template without any text would name every game ".rec".
    const std::string vorlage = plattform::IniLesen(ConfigDatei, kEinstellungen, "Namensvorlage", "");
    if (vorlage.find_first_not_of(' ') != std::string::npos) Namensvorlage = vorlage;
}

void AutoSpeichernSchreiben() {
    Schreiben(kEinstellungen, "AutoSpeichern", AutoSpeichern ? "1" : "0");
    Schreiben(kEinstellungen, "Namensvorlage", Namensvorlage);
}

void VerzeichnisseSchreiben() {
    Schreiben(kAbschnitt, "DOW", DOWVerzeichnis);
    Schreiben(kAbschnitt, "Replays", ReplayVerzeichnis);
    // The newer keys only where they say something, so a config.ini of the two folders
    // stays as it was.
    if (!DOWProgramm.empty() || !plattform::IniLesen(ConfigDatei, kAbschnitt, "Programm", "").empty())
        Schreiben(kAbschnitt, "Programm", DOWProgramm);
    // The list ends at its first empty key, so one more is emptied: a shorter list
    // written over a longer one leaves nothing of the old behind.
    for (std::size_t n = 0; n <= WeiterePlaybackOrdner.size(); ++n) {
        const std::string schluessel = "Ordner" + std::to_string(n + 1);
        const std::string wert = n < WeiterePlaybackOrdner.size() ? WeiterePlaybackOrdner[n] : std::string();
        if (wert.empty() && plattform::IniLesen(ConfigDatei, kWeitere, schluessel, "").empty()) break;
        Schreiben(kWeitere, schluessel, wert);
    }
}
