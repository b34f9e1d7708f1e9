#include "core/platform/quelldatei.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>

#include "core/platform/fehlerplan.h"

namespace plattform {
namespace {

constexpr std::int64_t kNano = 1000000000;

std::int64_t Nanosekunden(const timespec& zeit) {
    return static_cast<std::int64_t>(zeit.tv_sec) * kNano + static_cast<std::int64_t>(zeit.tv_nsec);
}

Dateizustand ZustandAusStat(const struct stat& st) {
    Dateizustand z;
    z.geraet = static_cast<std::uint64_t>(st.st_dev);
    z.knoten = static_cast<std::uint64_t>(st.st_ino);
    z.groesse = static_cast<std::int64_t>(st.st_size);
    z.aenderung = Nanosekunden(st.st_mtim);
    z.wechsel = Nanosekunden(st.st_ctim);
    z.art = static_cast<std::uint32_t>(st.st_mode);
    return z;
}

bool GleicheIdentitaet(const Dateizustand& a, const Dateizustand& b) {
    return a.geraet == b.geraet && a.knoten == b.knoten;
}

int Fd(std::intptr_t griff) { return static_cast<int>(griff); }

// A lease that a writer breaks is announced with SIGIO, whose default ends the process.
// Our leases last a few microseconds, but a writer may come in just then.
void SigioNichtTodlich() {
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        struct sigaction alt {};
        if (::sigaction(SIGIO, nullptr, &alt) == 0 && alt.sa_handler == SIG_DFL) {
            struct sigaction neu {};
            neu.sa_handler = SIG_IGN;
            ::sigemptyset(&neu.sa_mask);
            ::sigaction(SIGIO, &neu, nullptr);
        }
    });
}

}  // namespace

bool Schreibgeschuetzt(const Dateizustand& zustand) { return (zustand.art & 0222) == 0; }

Quelldatei::Quelldatei(std::intptr_t griff, std::string pfad, const Dateizustand& zustand)
    : griff_(griff), pfad_(std::move(pfad)), zustand_(zustand) {}

Quelldatei::~Quelldatei() { ::close(Fd(griff_)); }

std::unique_ptr<Quelldatei> Quelldatei::Oeffnen(const std::string& pfad, bool* inBenutzung) {
    // Reading is never refused for another's use here.
    if (inBenutzung) *inBenutzung = false;
    if (SollFehlschlagen(Operation::Oeffnen)) return nullptr;
    int fd;
    // O_NONBLOCK only matters for the open itself: a FIFO carrying a replay's name is
    // refused below instead of waiting for a writer. On a regular file it does nothing.
    do {
        fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<Quelldatei>(new Quelldatei(fd, pfad, ZustandAusStat(st)));
}

Schreiber Quelldatei::Schreibend() const {
    if (SollFehlschlagen(Operation::Schreibtest)) return Schreiber::Unbekannt;
    SigioNichtTodlich();
    // A read lease is granted only while no one has the file open for writing. It is
    // given back at once: holding it would make a writer wait for us.
    if (::fcntl(Fd(griff_), F_SETLEASE, F_RDLCK) == 0) {
        ::fcntl(Fd(griff_), F_SETLEASE, F_UNLCK);
        return Schreiber::Keiner;
    }
    // EINVAL: no leases on this file system (NFS, some FUSE); EACCES: another user's file.
    return errno == EAGAIN || errno == EBUSY ? Schreiber::Da : Schreiber::Unbekannt;
}

std::int64_t Quelldatei::Lesen(std::int64_t stelle, void* puffer, std::size_t anzahl) const {
    // One pass through the file counts as one read for the fault plan.
    if (stelle == 0 && SollFehlschlagen(Operation::Lesen)) return -1;
    auto* ziel = static_cast<char*>(puffer);
    std::size_t gelesen = 0;
    while (gelesen < anzahl) {
        const ssize_t n = ::pread(Fd(griff_), ziel + gelesen, anzahl - gelesen, static_cast<off_t>(stelle) +
                                                                                     static_cast<off_t>(gelesen));
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (n == 0) break;
        gelesen += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(gelesen);
}

bool Quelldatei::Unveraendert() const {
    struct stat st {};
    return ::fstat(Fd(griff_), &st) == 0 && ZustandAusStat(st) == zustand_;
}

bool ZustandLesen(const std::string& pfad, Dateizustand& zustand) {
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    zustand = ZustandAusStat(st);
    return true;
}

bool LoeschenWennUnveraendert(const std::string& pfad, const Dateizustand& zustand) {
    if (SollFehlschlagen(Operation::Loeschen)) return false;
    // lstat: a link that now stands at the name is not the file that was read, even when
    // it leads there. Between this look and the unlink there is no other system call; a
    // file moved over the name in that instant is the one risk POSIX leaves open.
    struct stat st {};
    if (::lstat(pfad.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const Dateizustand jetzt = ZustandAusStat(st);
    if (!(jetzt == zustand) || !GleicheIdentitaet(jetzt, zustand)) return false;
    return ::unlink(pfad.c_str()) == 0;
}

}  // namespace plattform
