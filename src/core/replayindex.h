#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/inhalt.h"
#include "core/platform/dateistempel.h"

class TReplay;

// The replay index: what the library scan parsed, one file per library folder in the
// user's cache folder, so that a file whose stamp is unchanged is not opened again. It is
// only a cache: content that is not a whole index of this version for this very folder
// is ignored and made anew, never trusted.
//
// Layout, integers little-endian: "QLRI", version (u32), the folder (u32 length and its
// bytes), the entry count (u32), the entries, and a checksum (u64) over everything before
// it. An entry is the file name and the stamp (size, modification, status change, node:
// i64, i64, i64, u64; mode: u32), the content value when it is known (u8 1 and two u64;
// else u8 0), then the replay: Spielname, Karte, Spieleranzahl (i32),
// the eight options, the win conditions (bit 7: present, bits 0..6 the seven flags),
// NamensLaenge and Position (i32 each), the player count (u8, at most 8) and per player
// Name, Rasse, Team (i32) and Kennzahl. A text is a u32 length and its bytes. Datum is not
// stored: it follows from the stamp in the local time of the scan that reads it.

struct TIndexEintrag {
    plattform::Dateistempel Stempel;
    std::unique_ptr<TReplay> Replay;  // Dateiname is the listed name; Datum is left at 0
    // The file's content value at this stamp, where one was computed: the library computes
    // it only when it needs it (TBibliothek), and the index keeps it from then on.
    std::optional<TInhalt> Inhalt;
};

// The index file of the library folder verzeichnis in indexVerzeichnis, named after a
// hash of the folder string.
std::string IndexDatei(const std::string& indexVerzeichnis, const std::string& verzeichnis);
// Beside it, the content values of the replays the user deleted from that folder (TGeloeschte).
std::string GeloeschtDatei(const std::string& indexVerzeichnis, const std::string& verzeichnis);

// Beside each index file, the names whose entries must not be trusted any more: a rename
// rewrites a replay under the same size and date, and on Windows even the creation time
// may be carried over, so no stamp shows it. Each record is a u32 length and the name.
std::string VerworfenDatei(const std::string& indexDatei);
std::vector<unsigned char> VerworfenEintrag(const std::string& dateiname);
// The names of such records; a cut-off record at the end is left out.
std::vector<std::string> VerworfenLesen(const unsigned char* daten, std::size_t groesse);

// The entries of an index file's content when it is a whole index of this version for
// verzeichnis, else none. Every length is checked against the content.
std::vector<TIndexEintrag> IndexLesen(const unsigned char* daten, std::size_t groesse, const std::string& verzeichnis);

// The checksum that ends an index, over the groesse bytes before it.
std::uint64_t IndexPruefsumme(const unsigned char* daten, std::size_t groesse);

// Builds the content of an index file in one buffer.
class TIndexSchreiber {
public:
    TIndexSchreiber(const std::string& verzeichnis, std::size_t erwarteteEintraege);
    // A writer of bare entries without the index's head. The scan gives one to each of its
    // threads, which writes each file's entry right after reading it, while the replay is
    // still in the processor's cache; Uebernehmen then takes the entries over in order.
    static TIndexSchreiber NurEintraege();
    // Adds the replay read from the file with this stamp; its Dateiname is the listed name.
    void Eintrag(const plattform::Dateistempel& stempel, const TReplay& replay,
                 const std::optional<TInhalt>& inhalt = std::nullopt);
    // Adds the entry that another writer holds in its bytes von to bis (two Laenge()
    // values taken around its Eintrag).
    void Uebernehmen(const TIndexSchreiber& andere, std::size_t von, std::size_t bis);
    std::size_t Laenge() const { return laenge_; }
    std::size_t Anzahl() const { return anzahl_; }
    // The finished content, count and checksum filled in.
    std::vector<unsigned char> Fertig() &&;

private:
    TIndexSchreiber() = default;
    void Wachsen(std::size_t anzahl);
    void Bytes(const void* daten, std::size_t anzahl);
    void Zahl(std::uint64_t wert, int bytes);
    void Text(const std::string& text);

    // Written up to laenge_; the rest is room already made, so that an entry's dozens of
    // small fields cost one copy each and no growth check of the vector's own.
    std::vector<unsigned char> puffer_;
    std::size_t laenge_ = 0;
    std::size_t anzahlStelle_ = 0;
    std::uint32_t anzahl_ = 0;
};
