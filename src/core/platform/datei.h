#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/platform/dateistempel.h"

namespace plattform {

// An open file. The destructor closes it on every path; Schliessen() closes it
// explicitly and reports a failing close. Paths are 8-bit strings in the system's own
// form (see pfad.h).
// Failing operations raise Fehler with a German message.
class Datei {
public:
    // Opens an existing regular file for reading; others may read, write, rename and
    // delete it meanwhile. A read-only file opens like any other. Returns nullptr when the
    // path names no regular file or it cannot be opened.
    static std::unique_ptr<Datei> OeffnenLesen(const std::string& pfad);
    // Creates the file, or truncates an existing one, for writing. nullptr on failure.
    static std::unique_ptr<Datei> Erzeugen(const std::string& pfad);

    ~Datei();
    Datei(const Datei&) = delete;
    Datei& operator=(const Datei&) = delete;

    // Seeking beyond the end is no error; the read that follows fails.
    void Positionieren(std::int64_t position);
    // Reads exactly anzahl bytes at the current position; fails when fewer are left.
    void LeseGenau(void* puffer, std::size_t anzahl);
    // Reads up to anzahl bytes; returns how many came, 0 at the end of the file.
    std::size_t LeseBlock(void* puffer, std::size_t anzahl);
    void Schreibe(const void* puffer, std::size_t anzahl);
    // Forces written bytes to the disk.
    void Flush();
    std::int64_t Groesse();
    // Last modification, in local time, in the 32-bit FAT form; -1 when it cannot be had.
    std::int32_t LetzteAenderungFat();
    // The stamp as the open found it, which the replay index keeps for a file it read;
    // nothing for a created file or after a write.
    std::optional<Dateistempel> Stempel() const;
    void Schliessen();

    const std::string& Pfad() const { return pfad_; }

private:
    Datei(std::intptr_t griff, std::string pfad);
    std::intptr_t griff_;  // POSIX file descriptor or Win32 HANDLE
    std::string pfad_;
    bool offen_ = true;
    // Size, times and mode as the open found them; the library scan asks for size and
    // time once per file and the index for all of it, and a system call saved per replay
    // shows on big libraries. A write makes them stale.
    bool merkerGueltig_ = false;
    Dateistempel merker_;
};

}  // namespace plattform
