#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/markensuche.h"
#include "core/spiel/installation.h"
#include "core/replay.h"

// The program's shared state. Every part reads and writes these directly; they start
// empty and live until the program ends. Paths are joined by plain concatenation, so the
// two directories end with a separator: VerzeichnisseLesen adds one where config.ini or
// the game search gives a folder without it.

// Folder of the running executable, without a trailing separator except at a root.
extern std::string Programmverzeichnis;
// The settings file ConfigDateiWaehlen picks: beside the program or in the user's folder.
extern std::string ConfigDatei;
// The game's installation directory; empty means not configured.
extern std::string DOWVerzeichnis;
// The replay library folder; empty means not configured.
extern std::string ReplayVerzeichnis;
// Where the library scan keeps its index of parsed replays, ending with a separator;
// empty means no index, and every file is read on every scan.
extern std::string IndexVerzeichnis;
// Files counted by the last library scan.
extern std::int32_t ReplayAnzahl;
// Result code of the last library scan: 0, 101 or 102.
extern std::int32_t LadeStatus;
// One replay per file of the library folder, in the order the last scan met them; the
// next scan releases and replaces them.
extern std::vector<std::unique_ptr<TReplay>> Replays;

// Fixes Programmverzeichnis, ConfigDatei and IndexVerzeichnis (the user's cache folder)
// and reads both directories. True when one of
// them is still empty afterwards. Raises Fehler when the registry value has a wrong type.
bool VariablenInitialisieren();

// Where config.ini lives: beside the program (programmverzeichnis + separator +
// "config.ini") when one is there or the folder takes new files, which is the portable
// case and the Windows zip's. Otherwise, as for a package in /usr/bin or a copy under
// Program Files, in the user's own folder, which is created for it.
std::string ConfigDateiWaehlen(const std::string& programmverzeichnis);

// DOWVerzeichnis, DOWProgramm, ReplayVerzeichnis and WeiterePlaybackOrdner from
// config.ini, and Installationen from the game search. When "DOW" is empty, the game
// directory is the first installation found (on Windows, where none is found, the
// registry value "InstallLocation" as stored); a wrong value type in the registry then
// raises Fehler. Each non-empty folder ends with its separator (OrdnerMitTrenner).
// Nothing is written back.
void VerzeichnisseLesen();

// The program "DOW starten" starts in DOWVerzeichnis ("Programm" in config.ini, as
// Optionen writes it when the user picks an installation); "" or a program the folder
// lacks means W40k.exe, else the first program the folder holds.
extern std::string DOWProgramm;
// Replay folders the user named beside the installations' Playback folders ("Weitere
// Playback-Ordner"), each ending with its separator.
extern std::vector<std::string> WeiterePlaybackOrdner;
// Every installation the game search found at the last VerzeichnisseLesen.
extern std::vector<TInstallation> Installationen;
// Where VerzeichnisseLesen found DOWVerzeichnis: "config.ini", one of the game search's
// origins ("Registry", "Steam", "Lutris", "Heroic", "Bottles"), or "" when it found none.
extern std::string DOWHerkunft;

// The config.ini a program in programmverzeichnis reads, where one exists already (beside
// the program, else in the user's folder); empty when there is none. Makes nothing.
std::string ConfigDateiFinden(const std::string& programmverzeichnis);

// "Sprache" of config.ini's section "Einstellungen": "Automatisch", "Deutsch" or
// "English" as the options dialog writes it; empty when the file or the key is missing.
std::string SpracheLesen(const std::string& configDatei);
// Writes it to ConfigDatei; raises Fehler as VerzeichnisseSchreiben does.
void SpracheSchreiben(const std::string& sprache);

// "AutoSpeichern" (1 or 0) and "Namensvorlage" of config.ini's section "Einstellungen":
// whether the open window saves each new game into the library by itself, and the
// template its file name is made from. On, with kStandardvorlage, where nothing is set.
extern bool AutoSpeichern;
extern std::string Namensvorlage;
// Reads both from ConfigDatei.
void AutoSpeichernLesen();
// Writes both to ConfigDatei; raises Fehler as VerzeichnisseSchreiben does.
void AutoSpeichernSchreiben();

// Writes "DOW", "Replays", "Programm" and the further Playback folders to config.ini, in
// that order. A failed write raises "In <ConfigDatei> kann nicht geschrieben werden" and
// leaves the later keys unwritten.
void VerzeichnisseSchreiben();
