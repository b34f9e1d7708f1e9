#include "core/platform/ordnerwaechter.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/platform/fehlerplan.h"

namespace plattform {
namespace {

// IN_MODIFY is left out on purpose: it comes with every block the game writes, and a file
// is only worth a look once it was closed (IN_CLOSE_WRITE) or moved in whole.
constexpr std::uint32_t kMaske = IN_CREATE | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE |
                                 IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

// What one read of the queue holds at most; the queue keeps the rest for the next read.
constexpr std::size_t kPuffer = 64 * 1024;

}  // namespace

struct Ordnerwaechter::Innen {
    std::string ordner;
    int fd = -1;
    int wecker = -1;
    int watch = -1;
    dev_t geraet = 0;
    ino_t knoten = 0;
    bool verloren = false;

    ~Innen() {
        if (fd >= 0) ::close(fd);  // ends the watch with it
        if (wecker >= 0) ::close(wecker);
    }
};

Ordnerwaechter::Ordnerwaechter(std::unique_ptr<Innen> innen) : innen_(std::move(innen)) {}
Ordnerwaechter::~Ordnerwaechter() = default;

std::unique_ptr<Ordnerwaechter> Ordnerwaechter::Starten(const std::string& ordner) {
    if (SollFehlschlagen(Operation::Beobachten)) return nullptr;
    auto innen = std::make_unique<Innen>();
    innen->ordner = ordner;
    innen->fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    innen->wecker = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (innen->fd < 0 || innen->wecker < 0) return nullptr;
    // ENOSPC: the user's limit on watches is reached; the caller looks at the folder instead.
    innen->watch = ::inotify_add_watch(innen->fd, ordner.c_str(), kMaske);
    if (innen->watch < 0) return nullptr;
    struct stat st {};
    if (::stat(ordner.c_str(), &st) != 0) return nullptr;
    innen->geraet = st.st_dev;
    innen->knoten = st.st_ino;
    return std::unique_ptr<Ordnerwaechter>(new Ordnerwaechter(std::move(innen)));
}

std::intptr_t Ordnerwaechter::Griff() const { return innen_->fd; }

std::vector<Ordneraenderung> Ordnerwaechter::Abholen() {
    std::vector<Ordneraenderung> aenderungen;
    Innen& w = *innen_;
    if (w.verloren) return aenderungen;
    // A planned failure stands for a queue the system let overflow: what was waiting is gone.
    const bool verworfen = SollFehlschlagen(Operation::Benachrichtigung);
    alignas(inotify_event) char puffer[kPuffer];
    for (;;) {
        const ssize_t n = ::read(w.fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // EAGAIN: nothing more waiting
        if (verworfen) continue;
        for (ssize_t i = 0; i + static_cast<ssize_t>(sizeof(inotify_event)) <= n;) {
            inotify_event e;
            std::memcpy(&e, puffer + i, sizeof e);
            const char* name = puffer + i + sizeof(inotify_event);
            i += static_cast<ssize_t>(sizeof(inotify_event) + e.len);
            if (e.mask & IN_Q_OVERFLOW) {
                aenderungen.push_back({Ordnerereignis::Ueberlauf, {}});
                continue;
            }
            if (e.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT)) {
                if (!w.verloren) aenderungen.push_back({Ordnerereignis::OrdnerWeg, {}});
                w.verloren = true;
                continue;
            }
            if (e.len == 0) continue;  // the folder's own stamps
            Ordnerereignis art;
            if (e.mask & IN_CREATE) art = Ordnerereignis::Angelegt;
            else if (e.mask & IN_CLOSE_WRITE) art = Ordnerereignis::Geschrieben;
            else if (e.mask & IN_ATTRIB) art = Ordnerereignis::Merkmale;
            else if (e.mask & IN_MOVED_FROM) art = Ordnerereignis::Hinausbewegt;
            else if (e.mask & IN_MOVED_TO) art = Ordnerereignis::Hereinbewegt;
            else if (e.mask & IN_DELETE) art = Ordnerereignis::Geloescht;
            else continue;
            // The name is padded with zero bytes up to len.
            aenderungen.push_back({art, std::string(name, ::strnlen(name, e.len))});
        }
    }
    if (verworfen && !w.verloren) aenderungen.push_back({Ordnerereignis::Ueberlauf, {}});
    // A watch that moved with its folder would go on reporting another place.
    if (w.verloren && w.watch >= 0) {
        ::inotify_rm_watch(w.fd, w.watch);
        w.watch = -1;
    }
    return aenderungen;
}

bool Ordnerwaechter::Warten(int millisekunden) {
    pollfd fds[2] = {{innen_->fd, POLLIN, 0}, {innen_->wecker, POLLIN, 0}};
    int n;
    do {
        n = ::poll(fds, 2, millisekunden);
    } while (n < 0 && errno == EINTR);
    if (n > 0 && (fds[1].revents & POLLIN)) {
        std::uint64_t zaehler;
        [[maybe_unused]] const ssize_t gelesen = ::read(innen_->wecker, &zaehler, sizeof zaehler);
    }
    return n > 0 && (fds[0].revents & POLLIN) != 0;
}

void Ordnerwaechter::Aufwecken() {
    const std::uint64_t eins = 1;
    [[maybe_unused]] const ssize_t geschrieben = ::write(innen_->wecker, &eins, sizeof eins);
}

bool Ordnerwaechter::Gueltig() const {
    struct stat st {};
    return !innen_->verloren && ::stat(innen_->ordner.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_dev == innen_->geraet && st.st_ino == innen_->knoten;
}

bool FernerOrdner(const std::string& ordner) {
    struct statfs fs {};
    if (::statfs(ordner.c_str(), &fs) != 0) return false;
    // Network file systems, whose other clients' changes never reach inotify. FUSE is not
    // among them: ntfs-3g and the like are local, and their changes are all seen.
    switch (static_cast<unsigned long>(fs.f_type)) {
        case 0x6969:      // NFS
        case 0x517B:      // SMB
        case 0xFF534D42:  // CIFS
        case 0xFE534D42:  // SMB2
        case 0x01021997:  // 9P (WSL's Windows drives, virtual machines' shared folders)
        case 0x5346414F:  // AFS
        case 0x00C36400:  // Ceph
        case 0x73757245:  // Coda
        case 0x564C:      // NCP
        case 0x0BD00BD0:  // Lustre
        case 0x786F4256:  // VirtualBox shared folders
            return true;
        default: return false;
    }
}

}  // namespace plattform
