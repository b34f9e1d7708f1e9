#include "core/platform/datei.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fehler.h"
#include "core/platform/dateistempel_posix.h"
#include "core/platform/fatzeit.h"
#include "core/platform/fehlerplan.h"

namespace plattform {
namespace {

[[noreturn]] void Melden(TFehlerart art) { throw Fehler(art); }

[[noreturn]] void LesefehlerMelden() { Melden(TFehlerart::Lesefehler); }

[[noreturn]] void SchreibfehlerMelden(int fehler) {
    Melden(fehler == ENOSPC ? TFehlerart::DatentraegerVoll : TFehlerart::Schreibfehler);
}

int Fd(std::intptr_t griff) { return static_cast<int>(griff); }

}  // namespace

Datei::Datei(std::intptr_t griff, std::string pfad) : griff_(griff), pfad_(std::move(pfad)) {}

Datei::~Datei() {
    if (offen_) ::close(Fd(griff_));
}

std::unique_ptr<Datei> Datei::OeffnenLesen(const std::string& pfad) {
    if (SollFehlschlagen(Operation::Oeffnen)) return nullptr;
    // O_NONBLOCK only for the open itself, so a FIFO that happens to match cannot hang us
    // before it is refused below. Only regular files: reading a device could block for ever.
    int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    // O_NONBLOCK stays: it has no effect on a regular file, and clearing it would cost two
    // more system calls per replay of the library scan.
    std::unique_ptr<Datei> datei(new Datei(fd, pfad));
    datei->merkerGueltig_ = true;
    datei->merker_ = StempelAusStat(st);
    return datei;
}

std::unique_ptr<Datei> Datei::Erzeugen(const std::string& pfad) {
    if (SollFehlschlagen(Operation::Erzeugen)) return nullptr;
    int fd;
    do {
        fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return nullptr;
    return std::unique_ptr<Datei>(new Datei(fd, pfad));
}

void Datei::Positionieren(std::int64_t position) {
    if (position < 0 || ::lseek(Fd(griff_), static_cast<off_t>(position), SEEK_SET) < 0)
        Melden(TFehlerart::PositionAusserhalb);
}

std::size_t Datei::LeseBlock(void* puffer, std::size_t anzahl) {
    if (SollFehlschlagen(Operation::Lesen)) LesefehlerMelden();
    auto* ziel = static_cast<char*>(puffer);
    std::size_t gelesen = 0;
    // A regular file may still deliver less than asked (signals, network file systems),
    // so only a read of 0 counts as the end.
    while (gelesen < anzahl) {
        ssize_t n = ::read(Fd(griff_), ziel + gelesen, anzahl - gelesen);
        if (n < 0) {
            if (errno == EINTR) continue;
            LesefehlerMelden();
        }
        if (n == 0) break;
        gelesen += static_cast<std::size_t>(n);
    }
    return gelesen;
}

void Datei::Schreibe(const void* puffer, std::size_t anzahl) {
    if (SollFehlschlagen(Operation::Schreiben)) SchreibfehlerMelden(ENOSPC);
    merkerGueltig_ = false;
    const auto* quelle = static_cast<const char*>(puffer);
    std::size_t geschrieben = 0;
    while (geschrieben < anzahl) {
        ssize_t n = ::write(Fd(griff_), quelle + geschrieben, anzahl - geschrieben);
        if (n < 0) {
            if (errno == EINTR) continue;
            SchreibfehlerMelden(errno);
        }
        if (n == 0) SchreibfehlerMelden(ENOSPC);
        geschrieben += static_cast<std::size_t>(n);
    }
}

void Datei::Flush() {
    if (SollFehlschlagen(Operation::Flush) || ::fsync(Fd(griff_)) != 0)
        Melden(TFehlerart::Sichern);
}

std::int64_t Datei::Groesse() {
    if (merkerGueltig_) return merker_.groesse;
    struct stat st {};
    if (::fstat(Fd(griff_), &st) != 0) LesefehlerMelden();
    return static_cast<std::int64_t>(st.st_size);
}

std::int32_t Datei::LetzteAenderungFat() {
    if (merkerGueltig_) return FatAusStempel(merker_);
    struct stat st {};
    if (::fstat(Fd(griff_), &st) != 0) return -1;
    return FatAusZeit(st.st_mtime);
}

void Datei::Schliessen() {
    if (!offen_) return;
    offen_ = false;
    bool geplant = SollFehlschlagen(Operation::Schliessen);
    // The descriptor is gone after close() even when it reports an error (also EINTR),
    // so it is never closed twice.
    int rc = ::close(Fd(griff_));
    if (geplant || rc != 0) Melden(TFehlerart::Schliessen);
}

}  // namespace plattform
