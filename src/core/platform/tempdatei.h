#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/platform/quelldatei.h"

// The one way this program puts a new file into a folder: written under a private
// temporary name, checked, forced to the disk, then moved to its name in one step, so that
// a file under a replay's name is always complete.
namespace plattform {

// Why a file could not be made or written.
enum class Dateifehler {
    Keiner,
    OrdnerFehlt,
    Voll,       // no space left on the disk
    Sonstiges,  // no rights, a read-only medium, an input/output error
};

enum class Einsetzergebnis {
    Eingesetzt,
    Belegt,  // something already carries the name; it was left as it was
    Fehler,
};

enum class Ersetzergebnis {
    Ersetzt,
    Geaendert,  // the file at the name is no longer the one that was read; nothing replaced
    Fehler,
};

// A new file in a folder under a name of its own, "quellarch-<16 hex digits>.tmp": created
// exclusively, so it is never an existing file, a link, a FIFO or a device, and owned by
// this process alone. The library scan lists only "*.rec", so it never shows. The
// destructor removes it unless it was moved into place.
class TempDatei {
public:
    // nullptr when the folder takes no new file; warum then says why.
    static std::unique_ptr<TempDatei> Anlegen(const std::string& ordner, Dateifehler* warum = nullptr);
    ~TempDatei();
    TempDatei(const TempDatei&) = delete;
    TempDatei& operator=(const TempDatei&) = delete;

    const std::string& Pfad() const { return pfad_; }

    // Appends; false when the write failed (Warum() then says why).
    bool Schreiben(const void* daten, std::size_t anzahl);
    // Gives the file the permissions (Windows: attributes) and the modification time of
    // vorbild, and forces content and stamps to the disk. False when that failed.
    bool Abschliessen(const Dateizustand& vorbild);
    Dateifehler Warum() const { return fehler_; }

    // The finished file opened anew for reading, as anyone else will read it, for checking
    // it before it goes into place: some file systems (FAT through FUSE) give the writing
    // handle other bytes than a reader gets. Nothing when it is no longer this very file.
    std::unique_ptr<Quelldatei> Zuruecklesen() const;

    // Moves the finished file to ziel in the same folder, never replacing anything there.
    Einsetzergebnis Einsetzen(const std::string& ziel);
    // Puts the finished file in the place of the file at ziel, in one step, but only while
    // that is still the file alt describes. Afterwards the file under ziel is a new one, so
    // that anything comparing stamps (the replay index) sees the change, also on Windows,
    // where the system may carry the old file's creation time over.
    Ersetzergebnis Ersetzen(const std::string& ziel, const Dateizustand& alt);

private:
    TempDatei(std::intptr_t griff, std::string pfad);
    void Schliessen();
    std::intptr_t griff_;  // POSIX file descriptor or Win32 HANDLE; -1 when closed
    std::string pfad_;
    Dateifehler fehler_ = Dateifehler::Keiner;
    bool eingesetzt_ = false;  // the name is no longer ours to remove
};

// Moves the file or folder at von to ziel, never replacing anything that carries the name
// ziel (only the same file under another letter case). Where the file system offers no
// such move in one step, the name is first reserved with an empty file of our own.
Einsetzergebnis OhneErsetzenUmbenennen(const std::string& von, const std::string& ziel);

// "quellarch-<16 hex digits>.tmp" with fresh digits; the letter case of a name the system
// lists does not matter to IstTempName.
std::string TempName();
// Whether a name is one of this program's temporary files: TempName's form, or the fixed
// "NeuerName.tmp" of older versions.
bool IstTempName(const std::string& name);

// Removes the file at pfad when it is a temporary file that no process holds open and
// that was made before the time erstelltVor (unit of StempelZeitJetzt); false otherwise.
bool TempRestEntfernen(const std::string& pfad, std::int64_t erstelltVor);

// Removes what an interrupted step of this program left in ordner: temporary files that
// no process holds and that were made more than a day ago (by the clock of the fault plan).
// Returns how many went.
int TempResteEntfernen(const std::string& ordner);
// The same at most once per folder spelling and process: the commands call it before
// working in a folder, and a big folder is not listed for it again and again.
void TempResteEinmalEntfernen(const std::string& ordner);

// Forces a folder's entries to the disk: names moved into it survive a power cut before
// a source elsewhere is deleted. Nothing on Windows, whose moves are written through.
void OrdnerSichern(const std::string& ordner);

}  // namespace plattform
