#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/inhalt.h"
#include "core/ordnerblick.h"
#include "core/platform/dateistempel.h"

class TReplay;
namespace plattform {
class Quelldatei;
}

// The library folder between two scans: what the list holds of each file (its stamp), and
// the one rule for "already in the library": a replay whose bytes stand in the folder
// under any name. ReplaysLaden fills it; the changes a folder watch reports keep it up to
// date one file at a time, and the replay index is written from it without a rescan.
//
// Content values are computed only when needed: a new file is compared with the library
// files of its very size, and only those are hashed, once, and the value kept in the index
// from then on. Replays differ in size by a few bytes in a few megabytes, so a new game
// mostly meets no file of its size at all and the check reads nothing; hashing the whole
// library up front would read every byte of a hundred thousand files at the first scan.
//
// One thread at a time.

enum class TBibliotheksstand {
    Neu,              // a file the list does not hold yet: Replay is set
    Geaendert,        // the file under the name is another now: Replay replaces the old one
    Umbenannt,        // Neu, and it is the file that was Vorher, gone in the same batch
    Entfernt,         // nothing stands under the name any more
    Unveraendert,     // as the list holds it
    WirdGeschrieben,  // someone is still writing it: not read, not damaged; look again at NochmalUm
    NichtGelesen,     // the reader does not know its layout (another edition's, or cut off):
                      // Replay holds only the name and the stamp's date, as the scan shows it
    Unlesbar,         // it cannot be opened (a folder, no rights): Replay holds only the name,
                      // as the scan shows it
};

struct TBibliotheksaenderung {
    std::string Name;
    TBibliotheksstand Stand;
    std::unique_ptr<TReplay> Replay;
    std::string Vorher;          // Umbenannt: the old name
    std::int64_t NochmalUm = 0;  // WirdGeschrieben: plattform::StempelZeitJetzt's unit
};

class TBibliothek {
public:
    // Knows no file yet. verzeichnis is joined to names by concatenation.
    explicit TBibliothek(std::string verzeichnis = {});
    ~TBibliothek();
    TBibliothek(TBibliothek&&) noexcept;
    TBibliothek& operator=(TBibliothek&&) noexcept;

    // The folder as it stands now, listed; the list holds none of it. What the import and
    // the CLI use when no scan filled one. Reads no file.
    static TBibliothek Lesen(const std::string& verzeichnis);

    const std::string& Verzeichnis() const { return verzeichnis_; }

    // ReplaysLaden: one listed file as the scan left it. stempel is the stamp the replay was
    // read at, when known; imIndex says the replay may go into the index under it; inhalt
    // is the content value the index held for that stamp. The list shows every listed file,
    // one the reader could not read by its name alone.
    void Eintragen(const std::string& name, const std::optional<plattform::Dateistempel>& stempel,
                   const std::optional<TInhalt>& inhalt, bool imIndex);

    // Looks at each name a watch reported and reads each file that is new or changed, and
    // only those. Files still being written are left for later (the rule of Uebertragen).
    std::vector<TBibliotheksaenderung> Aktualisieren(const std::vector<std::string>& namen);

    // The name of a library file holding the bytes of datei, another file than datei
    // itself, confirmed byte by byte; nothing when there is none. Reads datei only when the
    // library holds a file of its size, and those files only when their value is not known.
    std::optional<std::string> InhaltFinden(const plattform::Quelldatei& datei);

    // A file this program just put under name, whole, with the content value of its bytes:
    // the next InhaltFinden knows it without reading it, before the watch reports it, and
    // Aktualisieren reads it at once, without waiting for quiet where the system cannot
    // tell whether someone is still writing it.
    void Aufnehmen(const std::string& name, const std::optional<TInhalt>& inhalt);

    // The stamp the file under name was read at, when the list shows it as read then;
    // a command compares it before it acts, so it acts on the replay the user sees.
    std::optional<plattform::Dateistempel> ListenStempel(const std::string& name) const;

    // Each file as the caller was last told of it, for a folder watch's reference
    // (TOrdnerverfolgung), so it need not take every stamp again.
    TOrdnerblick::TStaende Staende() const;

    // Whether the index file differs from what it would be written as now.
    bool IndexVeraltet() const { return indexVeraltet_; }
    // Writes the replay index of the folder (IndexVerzeichnis) with the replays the list
    // holds, in their order: each with its stamp and, where known, its content value. A
    // failure is silent, as the scan's is: the index is only a cache. False when nothing
    // was written.
    bool IndexSchreiben(const std::vector<std::unique_ptr<TReplay>>& replays);

private:
    struct TEintrag {
        std::optional<plattform::Dateistempel> stempel;  // the file as the caller was last told of it
        std::optional<std::int64_t> groesse;             // the size last seen, for the content rule
        std::optional<TInhalt> inhalt;                   // the value of the file at inhaltStempel
        std::optional<plattform::Dateistempel> inhaltStempel;
        std::optional<plattform::Dateistempel> eigen;  // the stamp of a file this program put there whole
        bool gemeldet = false;  // the caller was told of the file at stempel, whatever it was
        bool inListe = false;   // and the list shows it
        bool imIndex = false;   // and it was read without a notice, so the index may keep it
        std::uint32_t geschrieben = 0;  // the last IndexSchreiben that wrote it
    };
    TEintrag& Eintrag(const std::string& name);
    void GroesseSetzen(const std::string& name, TEintrag& eintrag, std::optional<std::int64_t> groesse);
    void Austragen(const std::string& name);
    void FehlendeGroessenLesen();
    std::optional<TInhalt> InhaltVon(const std::string& name, TEintrag& eintrag);
    TBibliotheksaenderung Ansehen(const std::string& name, std::int64_t jetzt);

    std::string verzeichnis_;
    std::unordered_map<std::string, TEintrag> eintraege_;
    std::unordered_map<std::int64_t, std::vector<std::string>> nachGroesse_;
    std::vector<std::string> ohneGroesse_;
    bool indexVeraltet_ = false;
    std::uint32_t schreibung_ = 0;
};
