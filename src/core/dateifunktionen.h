#pragma once
#include <cstdint>
#include <string>

class TBibliothek;
class TMeldungen;

// Result codes of ReplaysLaden.
constexpr std::int32_t kLadenOk = 0;
constexpr std::int32_t kLadenZaehlenFehlgeschlagen = 101;
constexpr std::int32_t kLadenEinlesenFehlgeschlagen = 102;

// Rebuilds Replays and ReplayAnzahl from Verzeichnis + "*.rec" (letter case ignored,
// folders named like replays included). Verzeichnis is used unchanged, so it should end
// with a separator. Returns 0, 101 when counting failed (Replays left as it was) or 102
// when a file could not be parsed; such a file is held by its name alone (Lesbar false,
// TReplay::NurDateiname) and the scan goes on, so one file of an unknown layout never
// hides the rest of the library. Replays never holds an empty slot.
// Files that cannot be opened get their message through meldungen.DateiMeldung, and
// files that could not be parsed are named through meldungen.NichtGelesen, in scan order.
// When IndexVerzeichnis is set and Verzeichnis is a full path, files that the index holds
// under an unchanged stamp are taken from it unopened, and the index is brought up to date;
// Replays, the result and the messages are what a scan without it gives.
// When bibliothek is given, it is made anew to hold what the scan saw of each listed file,
// for the changes that follow (TBibliothek::Aktualisieren).
std::int32_t ReplaysLaden(const std::string& Verzeichnis, TMeldungen& meldungen, TBibliothek* bibliothek = nullptr);

// Tells the index of Verzeichnis (as ReplaysLaden spells it) that the entry of dateiname
// must be read anew at the next scan, whatever its stamp says. A failure is silent: the
// index is only a cache.
void IndexEintragVerwerfen(const std::string& Verzeichnis, const std::string& dateiname);
