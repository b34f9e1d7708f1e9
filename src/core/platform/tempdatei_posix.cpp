#include "core/platform/tempdatei.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/platform/fehlerplan.h"
#include "core/platform/pfad.h"

namespace plattform {
namespace {

int Fd(std::intptr_t griff) { return static_cast<int>(griff); }

Dateifehler FehlerAus(int nummer) {
    if (nummer == ENOSPC || nummer == EDQUOT) return Dateifehler::Voll;
    if (nummer == ENOENT || nummer == ENOTDIR) return Dateifehler::OrdnerFehlt;
    return Dateifehler::Sonstiges;
}

timespec Zeitpunkt(std::int64_t nanosekunden) {
    timespec t{};
    t.tv_sec = static_cast<time_t>(nanosekunden / 1000000000);
    t.tv_nsec = static_cast<long>(nanosekunden % 1000000000);
    if (t.tv_nsec < 0) {
        t.tv_nsec += 1000000000;
        --t.tv_sec;
    }
    return t;
}

// What lstat says of a name, as a Dateizustand's identity, size and modification time.
bool Eintrag(const std::string& pfad, struct stat& st) { return ::lstat(pfad.c_str(), &st) == 0; }

bool Dasselbe(const struct stat& st, const Dateizustand& z) {
    return S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_dev) == z.geraet &&
           static_cast<std::uint64_t>(st.st_ino) == z.knoten && static_cast<std::int64_t>(st.st_size) == z.groesse;
}

std::int64_t Nanosekunden(const timespec& zeit) {
    return static_cast<std::int64_t>(zeit.tv_sec) * 1000000000 + static_cast<std::int64_t>(zeit.tv_nsec);
}

// renameat2 where the file system offers the flag; -1 with EINVAL where it does not.
int Umbenennen2(const std::string& von, const std::string& nach, unsigned flagge) {
    if (SollFehlschlagen(Operation::OhneErsetzenUmbenennen)) {
        errno = EINVAL;
        return -1;
    }
    return ::renameat2(AT_FDCWD, von.c_str(), AT_FDCWD, nach.c_str(), flagge);
}

bool NichtAngeboten(int nummer) { return nummer == EINVAL || nummer == ENOSYS || nummer == EOPNOTSUPP; }

}  // namespace

TempDatei::TempDatei(std::intptr_t griff, std::string pfad) : griff_(griff), pfad_(std::move(pfad)) {}

TempDatei::~TempDatei() {
    // Ours alone until it went into place: the name is unique and we made the file.
    if (!eingesetzt_) ::unlink(pfad_.c_str());
    Schliessen();
}

void TempDatei::Schliessen() {
    if (griff_ >= 0) ::close(Fd(griff_));
    griff_ = -1;
}

std::unique_ptr<TempDatei> TempDatei::Anlegen(const std::string& ordner, Dateifehler* warum) {
    auto melden = [warum](Dateifehler f) {
        if (warum) *warum = f;
        return nullptr;
    };
    if (SollFehlschlagen(Operation::Erzeugen)) return melden(Dateifehler::Sonstiges);
    for (int versuch = 0; versuch < 100; ++versuch) {
        const std::string pfad = ordner + TempName();
        // O_EXCL also refuses a link, even a dangling one, so nothing that is there is
        // ever opened; owner-only until Abschliessen gives the final permissions.
        const int fd = ::open(pfad.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST || errno == EINTR) continue;
            return melden(FehlerAus(errno));
        }
        // Held until we close it, so no clean-up elsewhere takes a file that is in use.
        ::flock(fd, LOCK_EX | LOCK_NB);
        return std::unique_ptr<TempDatei>(new TempDatei(fd, pfad));
    }
    return melden(Dateifehler::Sonstiges);
}

bool TempDatei::Schreiben(const void* daten, std::size_t anzahl) {
    if (SollFehlschlagen(Operation::Schreiben)) {
        fehler_ = Dateifehler::Voll;
        return false;
    }
    const auto* quelle = static_cast<const char*>(daten);
    while (anzahl > 0) {
        const ssize_t n = ::write(Fd(griff_), quelle, anzahl);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            fehler_ = n == 0 ? Dateifehler::Voll : FehlerAus(errno);
            return false;
        }
        quelle += n;
        anzahl -= static_cast<std::size_t>(n);
    }
    return true;
}

bool TempDatei::Abschliessen(const Dateizustand& vorbild) {
    // The times last but for the sync: every write moves them.
    const timespec zeiten[2] = {{0, UTIME_OMIT}, Zeitpunkt(vorbild.aenderung)};
    // The file is ours, so a refused chmod means a file system without permission bits
    // (FAT through FUSE answers ENOSYS): there is nothing to keep there.
    ::fchmod(Fd(griff_), vorbild.art & 07777);
    if (::futimens(Fd(griff_), zeiten) != 0) {
        fehler_ = FehlerAus(errno);
        return false;
    }
    if (SollFehlschlagen(Operation::Flush) || ::fsync(Fd(griff_)) != 0) {
        fehler_ = Dateifehler::Sonstiges;
        return false;
    }
    return true;
}

std::unique_ptr<Quelldatei> TempDatei::Zuruecklesen() const {
    struct stat eigen {};
    if (::fstat(Fd(griff_), &eigen) != 0) return nullptr;
    auto datei = Quelldatei::Oeffnen(pfad_);
    if (!datei || datei->Zustand().geraet != static_cast<std::uint64_t>(eigen.st_dev) ||
        datei->Zustand().knoten != static_cast<std::uint64_t>(eigen.st_ino))
        return nullptr;
    return datei;
}

Einsetzergebnis OhneErsetzenUmbenennen(const std::string& von, const std::string& ziel) {
    if (Umbenennen2(von, ziel, RENAME_NOREPLACE) == 0) return Einsetzergebnis::Eingesetzt;
    if (errno == EEXIST) {
        // One file under two spellings (a new letter case on a case-blind file system):
        // nothing else is replaced when it moves.
        struct stat a {}, b {};
        if (Eintrag(von, a) && Eintrag(ziel, b) && a.st_dev == b.st_dev && a.st_ino == b.st_ino &&
            !S_ISDIR(a.st_mode) && a.st_nlink == 1 && std::rename(von.c_str(), ziel.c_str()) == 0)
            return Einsetzergebnis::Eingesetzt;
        return Einsetzergebnis::Belegt;
    }
    if (!NichtAngeboten(errno)) return Einsetzergebnis::Fehler;

    // NFS and some FUSE mounts know no RENAME_NOREPLACE, but link() also refuses an
    // existing name, in one step.
    int rc = -1;
    if (!SollFehlschlagen(Operation::Verknuepfen)) rc = ::link(von.c_str(), ziel.c_str());
    else errno = EPERM;
    if (rc == 0) {
        if (::unlink(von.c_str()) != 0) {
            ::unlink(ziel.c_str());
            return Einsetzergebnis::Fehler;
        }
        return Einsetzergebnis::Eingesetzt;
    }
    if (errno == EEXIST) return Einsetzergebnis::Belegt;
    if (!(NichtAngeboten(errno) || errno == EPERM || errno == EMLINK)) return Einsetzergebnis::Fehler;

    // Neither (vfat through FUSE, say): the name is first taken with an empty file of our
    // own, made exclusively, and only that file is then replaced by rename(). Whatever
    // anyone else put under the name stays untouched; at worst an empty reservation
    // shows for an instant, and is left behind if the program dies just then.
    const int fd = ::open(ziel.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return errno == EEXIST ? Einsetzergebnis::Belegt : Einsetzergebnis::Fehler;
    struct stat reserviert {};
    const bool ok = ::fstat(fd, &reserviert) == 0;
    ::close(fd);
    struct stat jetzt {};
    if (!ok || !Eintrag(ziel, jetzt) || jetzt.st_dev != reserviert.st_dev || jetzt.st_ino != reserviert.st_ino ||
        jetzt.st_size != 0)
        return Einsetzergebnis::Belegt;
    if (std::rename(von.c_str(), ziel.c_str()) != 0) {
        ::unlink(ziel.c_str());
        return Einsetzergebnis::Fehler;
    }
    return Einsetzergebnis::Eingesetzt;
}

Einsetzergebnis TempDatei::Einsetzen(const std::string& ziel) {
    if (SollFehlschlagen(Operation::Verschieben)) return Einsetzergebnis::Fehler;
    const Einsetzergebnis ergebnis = OhneErsetzenUmbenennen(pfad_, ziel);
    eingesetzt_ = ergebnis == Einsetzergebnis::Eingesetzt;
    return ergebnis;
}

Ersetzergebnis TempDatei::Ersetzen(const std::string& ziel, const Dateizustand& alt) {
    if (SollFehlschlagen(Operation::Ersetzen)) return Ersetzergebnis::Fehler;
    Dateizustand vorher;
    if (!ZustandLesen(ziel, vorher) || !(vorher == alt)) return Ersetzergebnis::Geaendert;

    // The two names swap in one step; then the old file, now under our name, must be the
    // one that was read, or everything swaps back. A rename renews the status-change time,
    // so identity, size and modification time are compared.
    if (Umbenennen2(pfad_, ziel, RENAME_EXCHANGE) == 0) {
        struct stat weg {};
        if (Eintrag(pfad_, weg) && Dasselbe(weg, alt) && Nanosekunden(weg.st_mtim) == alt.aenderung) {
            eingesetzt_ = true;
            ::unlink(pfad_.c_str());
            OrdnerSichern(OrdnerTeil(ziel));
            return Ersetzergebnis::Ersetzt;
        }
        if (Umbenennen2(pfad_, ziel, RENAME_EXCHANGE) == 0) return Ersetzergebnis::Geaendert;
        // Someone else's file now carries our name: it must never be removed as ours.
        eingesetzt_ = true;
        return Ersetzergebnis::Fehler;
    }
    if (!NichtAngeboten(errno)) return Ersetzergebnis::Fehler;
    // Without the swap, the look above is the last one before rename() replaces.
    if (std::rename(pfad_.c_str(), ziel.c_str()) != 0) return Ersetzergebnis::Fehler;
    eingesetzt_ = true;
    OrdnerSichern(OrdnerTeil(ziel));
    return Ersetzergebnis::Ersetzt;
}

bool TempRestEntfernen(const std::string& pfad, std::int64_t erstelltVor) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    struct stat jetzt {};
    // The status-change time: a copy carries its source's modification time, which may be
    // years old, but the status change of a file made by us is the time it was made.
    const bool weg = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && Nanosekunden(st.st_ctim) < erstelltVor &&
                     ::flock(fd, LOCK_EX | LOCK_NB) == 0 && Eintrag(pfad, jetzt) && jetzt.st_dev == st.st_dev &&
                     jetzt.st_ino == st.st_ino && ::unlink(pfad.c_str()) == 0;
    ::close(fd);
    return weg;
}

void OrdnerSichern(const std::string& ordner) {
    // rename() is atomic, but only a synced folder makes the new entry survive a power cut.
    // A file system that cannot sync a folder (EINVAL) leaves nothing to be done about it.
    const int fd = ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    while (::fsync(fd) != 0 && errno == EINTR) {
    }
    ::close(fd);
}

}  // namespace plattform
