#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The system's own change notifications for one folder, naming the file that changed:
// inotify on Linux, ReadDirectoryChangesW on Windows. Nothing here reads a file or lists
// the folder; where the notifications fall short (Ueberlauf, OrdnerWeg, a share), the
// caller looks at the folder itself (TOrdnerblick).
namespace plattform {

enum class Ordnerereignis {
    Angelegt,      // a new entry under the name
    Geschrieben,   // written (Linux: written and closed; Windows: size or last write changed)
    Merkmale,      // only stamps or attributes changed (times, permissions, read-only)
    Hereinbewegt,  // renamed to the name, or moved in from elsewhere
    Hinausbewegt,  // renamed away from the name, or moved out
    Geloescht,
    Ueberlauf,     // the system dropped notifications: anything may have changed
    OrdnerWeg,     // the folder itself was deleted, moved or unmounted: the watch is over
};

struct Ordneraenderung {
    Ordnerereignis Art;
    std::string Name;  // as the folder names it; empty for Ueberlauf and OrdnerWeg
};

// Watches one folder (not its sub-folders) from Starten until it is destroyed. One
// thread at a time may call it, except Aufwecken, which any thread may call.
class Ordnerwaechter {
public:
    // Nothing when the system refuses the watch (no such folder, a limit on watches, a
    // file system without notifications).
    static std::unique_ptr<Ordnerwaechter> Starten(const std::string& ordner);
    ~Ordnerwaechter();
    Ordnerwaechter(const Ordnerwaechter&) = delete;
    Ordnerwaechter& operator=(const Ordnerwaechter&) = delete;

    // What an event loop waits on: POSIX a descriptor that turns readable, Windows an event
    // handle that turns signalled, when changes are waiting (QSocketNotifier,
    // QWinEventNotifier). It stays the same for the watch's life.
    std::intptr_t Griff() const;

    // The changes that came since the last call, in order; never blocks. After OrdnerWeg
    // nothing more comes.
    std::vector<Ordneraenderung> Abholen();

    // Blocks until changes are waiting, Aufwecken is called, or the time is up; true when
    // changes are waiting. For a thread of its own and for tests.
    bool Warten(int millisekunden);
    void Aufwecken();

    // Whether the folder's path still leads to the watched folder: false once it was
    // deleted, moved away, or deleted and made again, which not every system reports.
    bool Gueltig() const;

private:
    struct Innen;
    explicit Ordnerwaechter(std::unique_ptr<Innen> innen);
    std::unique_ptr<Innen> innen_;
};

// Whether the folder lies on a network share or a file system in user space, where the
// notifications miss what other machines change.
bool FernerOrdner(const std::string& ordner);

}  // namespace plattform
