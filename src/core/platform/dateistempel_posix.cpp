#include "platform/dateistempel.h"

#include <sys/stat.h>

#include "platform/dateistempel_posix.h"

#include <ctime>

#include "platform/fatzeit.h"

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

std::int32_t FatAusStempel(const Dateistempel& stempel) {
    // Whole seconds rounded down, as st_mtime gives them, also before 1970.
    std::int64_t sekunden = stempel.aenderung / kNano;
    if (stempel.aenderung % kNano < 0) --sekunden;
    return FatAusZeit(static_cast<std::time_t>(sekunden));
}

std::int64_t StempelZeitJetzt() {
    timespec jetzt{};
    clock_gettime(CLOCK_REALTIME, &jetzt);
    return Nanosekunden(jetzt);
}

std::int64_t StempelProSekunde() { return kNano; }

}  // namespace plattform
