#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace plattform {

// What the file system says about a file without opening it, as the replay index
// compares it: when every field is unchanged, the file counts as unchanged. The units are
// the system's own: on POSIX nanoseconds since 1970 for both times, the inode and
// st_mode; on Windows 100-ns ticks since 1601 (FILETIME), the creation time as status,
// no node (0) and the attributes, read-only included.
struct Dateistempel {
    std::int64_t groesse = 0;
    std::int64_t aenderung = 0;  // last modification
    std::int64_t status = 0;     // POSIX: last status change (ctime); Windows: creation
    std::uint64_t knoten = 0;
    std::uint32_t art = 0;
    bool operator==(const Dateistempel&) const = default;
};

// The stamp of the file at pfad (on POSIX following links as an open does, on Windows of
// the entry as a listing describes it); nothing when the path names nothing the system
// can describe.
std::optional<Dateistempel> StempelLesen(const std::string& pfad);

// The stamps of many names in one folder, as StempelLesen(ordner + name) gives them. On
// POSIX the folder is opened once and each name looked up in it, which spares walking down
// the whole path for each of a hundred thousand names; a folder that does not end with a
// separator, or does not open, is read through the full paths.
class Ordnerstempel {
public:
    explicit Ordnerstempel(std::string ordner);
    ~Ordnerstempel();
    Ordnerstempel(const Ordnerstempel&) = delete;
    Ordnerstempel& operator=(const Ordnerstempel&) = delete;
    // name is a name as the folder's listing gives it, without any separator.
    std::optional<Dateistempel> Lesen(const std::string& name) const;

private:
    std::string ordner_;
    int griff_ = -1;  // POSIX: the folder's descriptor
};

// The stamp's modification time in local time, in the 32-bit FAT form; -1 when it does
// not fit (what Datei::LetzteAenderungFat gives for the same file).
std::int32_t FatAusStempel(const Dateistempel& stempel);

// The current time in the unit of Dateistempel::aenderung, and one second in that unit.
std::int64_t StempelZeitJetzt();
std::int64_t StempelProSekunde();

}  // namespace plattform
