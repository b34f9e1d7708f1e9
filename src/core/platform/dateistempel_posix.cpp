#include "core/platform/dateistempel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/platform/dateistempel_posix.h"

#include <ctime>
#include <utility>

#include "core/platform/fatzeit.h"
#include "core/platform/fehlerplan.h"

namespace plattform {
namespace {

constexpr std::int64_t kNano = 1000000000;

std::int64_t Nanosekunden(const timespec& zeit) {
    return static_cast<std::int64_t>(zeit.tv_sec) * kNano + static_cast<std::int64_t>(zeit.tv_nsec);
}

}  // namespace

Dateistempel StempelAusStat(const struct stat& st) {
    Dateistempel s;
    s.groesse = static_cast<std::int64_t>(st.st_size);
    s.aenderung = Nanosekunden(st.st_mtim);
    s.status = Nanosekunden(st.st_ctim);
    s.knoten = static_cast<std::uint64_t>(st.st_ino);
    s.art = static_cast<std::uint32_t>(st.st_mode);
    return s;
}

std::optional<Dateistempel> StempelLesen(const std::string& pfad) {
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) return std::nullopt;
    return StempelAusStat(st);
}

Ordnerstempel::Ordnerstempel(std::string ordner) : ordner_(std::move(ordner)) {
    if (!ordner_.empty() && ordner_.back() == '/')
        griff_ = ::open(ordner_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

Ordnerstempel::~Ordnerstempel() {
    if (griff_ >= 0) ::close(griff_);
}

std::optional<Dateistempel> Ordnerstempel::Lesen(const std::string& name) const {
    if (griff_ < 0) return StempelLesen(ordner_ + name);
    struct stat st {};
    // Links are followed, as stat and the open of the scan follow them.
    if (::fstatat(griff_, name.c_str(), &st, 0) != 0) return std::nullopt;
    return StempelAusStat(st);
}

std::int32_t FatAusStempel(const Dateistempel& stempel) {
    // Whole seconds rounded down, as st_mtime gives them, also before 1970.
    std::int64_t sekunden = stempel.aenderung / kNano;
    if (stempel.aenderung % kNano < 0) --sekunden;
    return FatAusZeit(static_cast<std::time_t>(sekunden));
}

std::int64_t StempelZeitJetzt() {
    if (auto gestellt = GestellteUhr()) return *gestellt;
    timespec jetzt{};
    clock_gettime(CLOCK_REALTIME, &jetzt);
    return Nanosekunden(jetzt);
}

std::int64_t StempelProSekunde() { return kNano; }

}  // namespace plattform
