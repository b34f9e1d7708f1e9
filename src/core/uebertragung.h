#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/inhalt.h"
#include "core/platform/quelldatei.h"

// One replay file brought into a folder, whole or not at all, beside other processes and
// the game. The copy is written under a private temporary name, checked against the
// source, forced to the disk, and moved to its name without replacing anything; a file
// under a replay's name is therefore always complete. What already stands in the target
// folder is never touched.

// No replay comes near this: a long eight-player game is a few megabytes. A file of the
// name that is bigger is something else, and copying it could fill the disk.
constexpr std::int64_t kHoechsteReplayGroesse = 64LL * 1024 * 1024;

// Where the system cannot tell whether a file is still being written (a network share, a
// file system without leases, another user's file), a file that changed this recently is
// left for a later run. FAT keeps modification times in steps of two seconds, so a second
// more is needed to be sure of one quiet second.
constexpr int kRuhezeitSekunden = 3;

// What became of one replay file in a transfer.
enum class TKopierstand {
    Kopiert,          // a verified copy now stands in the target folder (maybe numbered)
    SchonDa,          // the target folder already held these bytes; nothing was copied
    DieselbeDatei,    // source and target are one file: one folder under two spellings
    KeineDatei,       // the entry is a folder, or it vanished or could not be read
    ZielordnerFehlt,
    NichtBestaetigt,  // the copy's bytes could not be confirmed, so it was removed again
    Gescheitert,      // the copy failed for want of rights, or the system refused
    KeinFreierName,   // the name and every numbered name are taken
    WirdGeschrieben,  // another process is writing it, or it changed lately or meanwhile
    ZuGross,          // bigger than any replay (kHoechsteReplayGroesse)
    KeinPlatz,        // the target's disk is full
    Verschwunden,     // listed, but gone before it could be read: another process took it
};

// Whether the target folder holds the replay afterwards, so the source may go.
inline bool Angekommen(TKopierstand stand) {
    return stand == TKopierstand::Kopiert || stand == TKopierstand::SchonDa;
}

// How a transfer treats a source that may still be in use.
struct TUebertragungsregeln {
    // Wait for kRuhezeitSekunden of quiet where the system cannot tell whether the file is
    // being written. A file the user hands over (a drop) is taken at once.
    bool ruhezeitAbwarten = true;
    // The source must still be the file as it was when its caller looked at it (to name
    // it after its content): otherwise it counts as being written.
    std::optional<plattform::Dateizustand> erwartet = std::nullopt;
    // Finds the target folder's file that holds the source's bytes under any name, another
    // file than the source, confirmed byte by byte (TBibliothek::InhaltFinden). When it
    // finds one, the replay counts as there already.
    std::function<std::optional<std::string>(const plattform::Quelldatei&)> inhaltFinden = nullptr;
};

struct TUebertragung {
    TKopierstand Stand = TKopierstand::KeineDatei;
    // The name the replay has in the target folder when it arrived (name or a numbered one).
    std::string Zielname;
    // The source as it was read; a source may be deleted only while it is still this.
    plattform::Dateizustand Quelle;
    // Kopiert: the content value of the copy, computed on the way.
    std::optional<TInhalt> Inhalt;
};

// Whether the file is still being written by the rule above: another process holds it open
// for writing, or, where the system cannot tell and regeln wait for quiet, it changed
// within the last kRuhezeitSekunden (by the clock of the fault plan).
bool WirdNochGeschrieben(const plattform::Quelldatei& datei, const TUebertragungsregeln& regeln = {});
// When a file that WirdNochGeschrieben found busy is worth a look again (unit of
// plattform::StempelZeitJetzt): once its quiet time is over, or in a second when a writer
// holds it, for systems that do not report the writer's close.
std::int64_t NochmalUm(const plattform::Quelldatei& datei);

// Brings quelle into zielOrdner under name, or, when another replay holds that name, under
// the first free "name (2).rec", "name (3).rec" ... Counts as arrived when the folder holds
// the same bytes under one of these names already. Folders are joined by concatenation.
TUebertragung Uebertragen(const std::string& quelle, const std::string& zielOrdner, const std::string& name,
                          const TUebertragungsregeln& regeln = {});

// Whether zielOrdner already holds quelle's bytes under name or a numbered name, as
// Uebertragen would have left it, in another file than quelle itself. Copies nothing.
bool SchonAngekommen(const plattform::Quelldatei& quelle, const std::string& zielOrdner, const std::string& name);

// "temp.rec" -> "temp (k).rec"; a name without a dot gets the number at its end.
std::string NummerierterName(const std::string& name, int k);
