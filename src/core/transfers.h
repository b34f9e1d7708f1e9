#pragma once
#include <string>
#include <vector>

#include "core/uebertragung.h"

class TBibliothek;
class TGeloeschte;
// The file work of the three replay transfers: the import from the game's Playback
// folder, the copy of chosen replays into it, and the move of the whole library. No
// questions and no messages here; the window and the CLI ask, call these and word the
// report.
//
// Folder strings are joined to file names by plain concatenation, unchanged. A replay
// file is every entry matching folder + "*.rec" as the library scan enumerates them.
// Nothing raises in ordinary use: each enumerated file's copy is reported in a
// TKopierbericht; failed deletes only show in the folders.
//
// No replay is ever lost, also beside a second process or the game still writing. Each
// file goes by Uebertragen's rules (whole or not at all, never replacing, never taking a
// file that is being written), and a source is deleted only when the target folder holds
// a byte-identical copy in another file, and only while the source is still exactly what
// was read. Two folder strings reaching the same folder copy nothing and delete nothing.
// Each transfer first clears the folders it works in of temporary files that an
// interrupted step left there more than a day ago.

// One enumerated replay file and what became of it, in enumeration order.
struct TKopierteDatei {
    std::string Name;  // as the folder names it
    TKopierstand Stand;
    bool Entfernt = false;  // the source was deleted after it arrived
    std::string Ordner = {};  // the folder it came from, where a report spans several; else ""
};

struct TKopierbericht {
    std::vector<TKopierteDatei> Dateien;
    int Anzahl(TKopierstand stand) const;
    int NichtAngekommen() const;
};

// The game's Playback folder: dowVerzeichnis + "\Playback\" (on POSIX "/Playback/"),
// whatever dowVerzeichnis ends with. It is never created.
std::string PlaybackOrdner(const std::string& dowVerzeichnis);

// The import (`NeueReplaysKopieren`, after its question): every Playback replay into the
// library, and with entfernen each one whose copy is safe there is deleted from Playback.
// A replay whose bytes the library holds under any name is there already (SchonDa, with
// that name): a game the automatic save named by its contents does not come back as
// "temp.rec". bibliothek is the window's view of replayVerzeichnis, kept up to date with
// the copies; without it (or for another folder) the folder is listed for the import alone.
TKopierbericht PlaybackImportieren(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                                   bool entfernen, TBibliothek* bibliothek = nullptr);

// The import from several Playback folders (AllePlaybackOrdner) into one report, one
// folder after the other, each file with its Ordner.
TKopierbericht PlaybackOrdnerImportieren(const std::vector<std::string>& playbackOrdner,
                                         const std::string& replayVerzeichnis, bool entfernen,
                                         TBibliothek* bibliothek = nullptr);

// Step 1 of "Replays kopieren" (`AuswahlNachPlaybackKopieren`): moves every replay of the
// game folder's own Playback folders (PlaybackOrdnerVon: with its VirtualStore twin) into
// the library, by the same rule; no other installation's.
TKopierbericht PlaybackLeeren(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                              TBibliothek* bibliothek = nullptr);

// The Playback replays whose bytes the library does not hold under any name, and, with
// geloeschte, that the user did not delete from it: the start-up question is asked only
// when there are such. Reads a Playback file only when the library holds one of its size,
// or when geloeschte holds anything.
std::vector<std::string> PlaybackNeue(const std::string& dowVerzeichnis, TBibliothek& bibliothek,
                                      const TGeloeschte* geloeschte = nullptr);
// The same over several Playback folders (AllePlaybackOrdner), as full paths.
std::vector<std::string> PlaybackNeue(const std::vector<std::string>& playbackOrdner, TBibliothek& bibliothek,
                                      const TGeloeschte* geloeschte = nullptr);

// Step 2 of "Replays kopieren", once per checked row: copies the library file dateiname
// (`Dateiname` of the row's replay) into the game folder's PlaybackZiel.
TKopierstand ReplayNachPlayback(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                                const std::string& dateiname);

// The first pass of `AlleReplaysKopieren(Alt, Neu)`: every replay of alt into neu.
TKopierbericht BibliothekKopieren(const std::string& alt, const std::string& neu);

// The deletion pass after "Alte Replays löschen?" was answered Yes: deletes each replay
// of alt that neu holds a safe copy of. Copies nothing itself.
void BibliothekLeeren(const std::string& alt, const std::string& neu);
