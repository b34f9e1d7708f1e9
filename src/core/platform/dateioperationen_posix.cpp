#include "core/platform/dateioperationen.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "core/platform/fehlerplan.h"

namespace plattform {
namespace {

// Closes on every path; a descriptor of -1 holds nothing.
class Griff {
public:
    explicit Griff(int fd) : fd_(fd) {}
    ~Griff() {
        if (fd_ >= 0) ::close(fd_);
    }
    Griff(const Griff&) = delete;
    Griff& operator=(const Griff&) = delete;
    int fd() const { return fd_; }
    bool Schliessen() {
        // The descriptor is gone after close() even when it reports an error.
        int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }

private:
    int fd_;
};

// Opens a regular file for reading. O_NONBLOCK only for the open itself, so a FIFO
// that happens to carry a replay's name cannot hang us before it is refused.
int RegulaerOeffnen(const std::string& pfad, struct stat& st) {
    int fd;
    do {
        fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    int schalter = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || schalter < 0 ||
        ::fcntl(fd, F_SETFL, schalter & ~O_NONBLOCK) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads up to anzahl bytes; -1 on a read error. Only 0 means the end of the file.
long Lesen(int fd, char* puffer, std::size_t anzahl) {
    std::size_t gelesen = 0;
    while (gelesen < anzahl) {
        ssize_t n = ::read(fd, puffer + gelesen, anzahl - gelesen);
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (n == 0) break;
        gelesen += static_cast<std::size_t>(n);
    }
    return static_cast<long>(gelesen);
}

bool AllesSchreiben(int fd, const char* puffer, std::size_t anzahl) {
    std::size_t geschrieben = 0;
    while (geschrieben < anzahl) {
        ssize_t n = ::write(fd, puffer + geschrieben, anzahl - geschrieben);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

constexpr std::size_t kBlock = 64 * 1024;

// The bytes, then mode and time stamps last, since every write moves the time stamps.
bool InhaltUndAttributeUebertragen(int von, int nach, const struct stat& st) {
    std::vector<char> puffer(kBlock);
    for (;;) {
        long n = Lesen(von, puffer.data(), puffer.size());
        if (n < 0) return false;
        if (n == 0) break;
        if (!AllesSchreiben(nach, puffer.data(), static_cast<std::size_t>(n))) return false;
    }
    const struct timespec zeiten[2] = {st.st_atim, st.st_mtim};
    return ::fchmod(nach, st.st_mode & 07777) == 0 && ::futimens(nach, zeiten) == 0 && ::fsync(nach) == 0;
}

}  // namespace

bool Kopieren(const std::string& quelle, const std::string& ziel) {
    if (SollFehlschlagen(Operation::Kopieren)) return false;
    struct stat st {};
    Griff von(RegulaerOeffnen(quelle, st));
    if (von.fd() < 0) return false;
    // O_EXCL is what makes the copy fail on an existing target, links included, with
    // no window between a test and the creation. Owner-only until the mode is copied.
    int fd;
    do {
        fd = ::open(ziel.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return false;
    Griff nach(fd);
    // The target is ours from here on, so a half-written one may be removed.
    if (!InhaltUndAttributeUebertragen(von.fd(), nach.fd(), st) || !nach.Schliessen()) {
        ::unlink(ziel.c_str());
        return false;
    }
    return true;
}

bool Loeschen(const std::string& pfad) {
    if (SollFehlschlagen(Operation::Loeschen)) return false;
    return ::unlink(pfad.c_str()) == 0;
}

bool GleicherInhalt(const std::string& a, const std::string& b) {
    if (SollFehlschlagen(Operation::Lesen)) return false;
    struct stat sa {}, sb {};
    Griff fa(RegulaerOeffnen(a, sa));
    if (fa.fd() < 0) return false;
    Griff fb(RegulaerOeffnen(b, sb));
    if (fb.fd() < 0 || sa.st_size != sb.st_size) return false;
    std::vector<char> pa(kBlock), pb(kBlock);
    for (;;) {
        long na = Lesen(fa.fd(), pa.data(), pa.size());
        long nb = Lesen(fb.fd(), pb.data(), pb.size());
        // A file that grew or shrank while being read differs too.
        if (na < 0 || nb < 0 || na != nb) return false;
        if (na == 0) return true;
        if (!std::equal(pa.begin(), pa.begin() + na, pb.begin())) return false;
    }
}

bool GleicheDatei(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool NameBelegt(const std::string& pfad) {
    struct stat st {};
    return ::lstat(pfad.c_str(), &st) == 0;
}

}  // namespace plattform
