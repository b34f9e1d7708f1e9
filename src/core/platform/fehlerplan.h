#pragma once
#include <cstdint>
#include <functional>
#include <optional>

// Test seam: lets a test make the n-th call of a file-system operation fail, the way
// a disk that fills up or a device that fails after N bytes would, or let something else
// happen right before it: another process's step, a file changed behind our back. The
// platform files ask it before every such operation; nothing outside tests ever plans
// a failure or an action.
namespace plattform {

enum class Operation {
    Oeffnen,
    Erzeugen,
    Lesen,
    Schreiben,
    Flush,
    Schliessen,
    Loeschen,
    Ersetzen,
    FadenStarten,  // a helper thread of the library scan
    Beschreibbar,  // whether a folder takes new files (where config.ini goes)
    CacheSchreiben,  // a file of the user's cache folder (the replay index)
    Verschieben,     // a finished copy moved to its name
    Schreibtest,     // whether another process writes a file: failing means "cannot tell"
    // The system's two ways of moving a file to a name without replacing anything: failing
    // means the file system does not offer that way, as on some FUSE and network mounts.
    OhneErsetzenUmbenennen,  // POSIX renameat2 with RENAME_NOREPLACE (and RENAME_EXCHANGE)
    Verknuepfen,             // POSIX link
    Beobachten,        // a folder watch started: failing means the system refuses it
    Benachrichtigung,  // notifications fetched: failing means the system dropped them
    Anzahl_                  // keep last
};

// The n-th call (1-based, counted from now) of op fails; 0 clears the plan for op.
void FehlerEinplanen(Operation op, int nterAufruf);
// Every call of op fails from now on, until the plan is cleared: a system that never can.
void FehlerDauerhaftEinplanen(Operation op);
// The n-th call (1-based, counted from now) of op first runs aktion, once; the call then
// goes on as planned. The action may use the file system, and start other steps, freely:
// calls it makes are counted like any other.
void AktionEinplanen(Operation op, int nterAufruf, std::function<void()> aktion);
// Clears every plan and every count.
void FehlerplanLeeren();
// Called by the platform files: counts the call, runs an action planned for it, and says
// whether it must fail.
bool SollFehlschlagen(Operation op);
// True while a failure or an action of a file operation is planned. Work that could run on
// several threads stays on one then, so "the n-th call" keeps its meaning. A planned
// FadenStarten does not count: threads are started by the calling thread alone.
bool FehlerGeplant();

// The clock that tells how long ago a file last changed (StempelZeitJetzt): tests set it,
// so that "changed a few seconds ago" costs no real waiting; nothing gives the system's again.
void UhrStellen(std::optional<std::int64_t> stempelZeit);
std::optional<std::int64_t> GestellteUhr();

}  // namespace plattform
