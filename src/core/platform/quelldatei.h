#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A file that a step reads in order to copy, rename or remove it, while other processes,
// the game among them, may use the same file. Paths as in pfad.h. Nothing here raises.
namespace plattform {

// Which file a path named and how it was when a step looked: its identity and its stamps.
// Times in the unit of Dateistempel (StempelZeitJetzt). When all of it is the same later,
// the file is the same file with the same content, as far as the system can tell.
struct Dateizustand {
    std::uint64_t geraet = 0;     // POSIX st_dev; Windows volume serial number
    std::uint64_t knoten = 0;     // POSIX inode; Windows file index
    std::int64_t groesse = 0;
    std::int64_t aenderung = 0;   // last modification
    std::int64_t wechsel = 0;     // last status change (POSIX ctime; Windows ChangeTime)
    std::uint32_t art = 0;        // POSIX st_mode; Windows attributes
    bool operator==(const Dateizustand&) const = default;
};

// Whether the file may not be written: no write permission bit on POSIX (also for root),
// the read-only attribute on Windows.
bool Schreibgeschuetzt(const Dateizustand& zustand);

// Whether another process holds a file open for writing.
enum class Schreiber {
    Keiner,
    Da,
    Unbekannt,  // the system cannot tell here (a file system without leases, another owner)
};

// Something a step can read at any offset: a file being copied, a copy being checked.
class Lesbar {
public:
    virtual ~Lesbar() = default;
    // Reads up to anzahl bytes from stelle; how many came (0 at the end), -1 on an error.
    virtual std::int64_t Lesen(std::int64_t stelle, void* puffer, std::size_t anzahl) const = 0;
    // The size the content should have; a content that reads longer or shorter differs.
    virtual std::int64_t Groesse() const = 0;
};

// Whether both hold the same bytes, read to their ends. False when either cannot be read.
// Every pass from the start of a file counts as one read for the fault plan.
bool GleicherInhalt(const Lesbar& a, const Lesbar& b);

// An existing regular file, open for reading only. Everyone else may go on reading,
// writing and deleting it meanwhile: holding it never keeps the game from its file.
class Quelldatei : public Lesbar {
public:
    // Follows links as any open does. nullptr when the path names no regular file or it
    // cannot be opened for reading; a device or FIFO is refused without blocking. When
    // given, inBenutzung tells whether another process holding the file refused the open
    // (Windows: a writer that shares no reading).
    static std::unique_ptr<Quelldatei> Oeffnen(const std::string& pfad, bool* inBenutzung = nullptr);
    ~Quelldatei();
    Quelldatei(const Quelldatei&) = delete;
    Quelldatei& operator=(const Quelldatei&) = delete;

    const std::string& Pfad() const { return pfad_; }
    // As the open found it.
    const Dateizustand& Zustand() const { return zustand_; }

    // Whether another process holds the file open for writing at this moment. Linux asks
    // for a read lease, which is refused while anyone has the file open for writing (the
    // game under Wine too); Windows asks for an open that shares no writing.
    Schreiber Schreibend() const;

    std::int64_t Lesen(std::int64_t stelle, void* puffer, std::size_t anzahl) const override;
    // As the open found it.
    std::int64_t Groesse() const override { return zustand_.groesse; }

    // Whether the open file is as it was opened: same size, times and identity. On POSIX a
    // file deleted or renamed meanwhile has a new status-change time and no longer counts.
    bool Unveraendert() const;

private:
    Quelldatei(std::intptr_t griff, std::string pfad, const Dateizustand& zustand);
    std::intptr_t griff_;  // POSIX file descriptor or Win32 HANDLE
    std::string pfad_;
    Dateizustand zustand_;
};

// The state of the file at pfad, following links; nothing when it names no regular file.
bool ZustandLesen(const std::string& pfad, Dateizustand& zustand);

// Deletes the file at pfad, but only while it is still exactly the file that zustand
// describes: same identity, size and times. False when it was not deleted (changed,
// replaced, gone, or refused).
bool LoeschenWennUnveraendert(const std::string& pfad, const Dateizustand& zustand);

}  // namespace plattform
