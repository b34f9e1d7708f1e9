#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "core/platform/quelldatei.h"
#include "core/uebertragung.h"

class TBibliothek;
class TGeloeschte;
class TReplay;

// The automatic save of new games: a replay the game writes into its Playback folder is
// copied into the library under a name made from its contents, once it is whole, unless
// its bytes are in the library already. Playback is never changed, and nothing in the
// library is ever replaced: a file that grows again after it was saved is saved anew,
// beside the first copy.

enum class TSpeicherstand {
    Gespeichert,      // a copy now stands in the library under Zielname
    SchonDa,          // the library holds these bytes already, under Zielname
    Geloescht,        // the user deleted these bytes from the library; not brought back
    WirdGeschrieben,  // still being written: look again at NochmalUm
    Unfertig,         // the reader cannot read it (yet); looked at again when it changes
    Unveraendert,     // handled before, and unchanged since
    Weg,              // no file stands under the name (any more)
    Fehlgeschlagen,   // the copy failed; Kopie says why (disk full, library missing, ...)
};

struct TSpeicherung {
    std::string Name;  // in Playback
    TSpeicherstand Stand = TSpeicherstand::Weg;
    std::string Zielname;                              // Gespeichert, SchonDa: in the library
    TKopierstand Kopie = TKopierstand::KeineDatei;     // Fehlgeschlagen: why
    std::int64_t NochmalUm = 0;                        // WirdGeschrieben: plattform::StempelZeitJetzt's unit
};

class TAutoSpeicher {
public:
    // The file name (with ".rec") under which a replay is saved: the naming template with the
    // map's display name in the program's language (NameAusVorlage).
    using TNamensgeber = std::function<std::string(const TReplay&)>;

    // Neither bibliothek nor geloeschte is owned; both must outlive this. playbackOrdner ends
    // with a separator (PlaybackOrdner).
    TAutoSpeicher(std::string playbackOrdner, TBibliothek& bibliothek, const TGeloeschte& geloeschte,
                  TNamensgeber namensgeber);

    // Looks at one name of the Playback folder after a watch reported it, and saves it when
    // it is a whole new game. Costs a look at its stamp when it is unchanged since last time.
    TSpeicherung Speichern(const std::string& name);

private:
    std::string playback_;
    TBibliothek& bibliothek_;
    const TGeloeschte& geloeschte_;
    TNamensgeber namensgeber_;
    // Each Playback file as it was when it was last dealt with for good.
    std::unordered_map<std::string, plattform::Dateizustand> erledigt_;
};

// The default name of a replay: the default template with the map's display name from the
// built-in table (KartenAnzeige), for callers without a language of their own.
std::string StandardDateiname(const TReplay& replay);
