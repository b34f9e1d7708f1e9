#pragma once
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ordnerblick.h"

namespace plattform {
class Ordnerwaechter;
}

// Follows the replay files of one folder while the window is open: through the system's
// notifications where it gives them, and through the slow look (TOrdnerblick) where they
// fall short: when they are refused or overflow, on a network share, and while the folder
// is missing or was deleted and made again. It reads no file; it tells its caller which
// names to look at, and when.
//
// Driving it: wait for Griff() (QSocketNotifier on POSIX, QWinEventNotifier on Windows)
// and for the time NaechsterTermin() names (a timer), then call Abholen(). Times are
// plattform::StempelZeitJetzt()'s, so tests set them through the clock of the fault plan.
// One thread at a time, except Aufwecken.

struct TOrdnerbericht {
    std::vector<std::string> Namen;  // names to look at, each once, sorted
    bool Abgeglichen = false;        // the whole folder was listed and compared this time
    bool NeuerGriff = false;         // Griff() changed: wait on the new one
};

class TOrdnerverfolgung {
public:
    // ordner ends with a separator. Starts the watch and takes the folder as it stands as
    // the reference (one listing with stamps), so that what was there before is not
    // reported; or takes ausgangslage as that reference where the caller has it (the
    // library's view after its scan, TBibliothek::Staende), which is then not listed.
    explicit TOrdnerverfolgung(std::string ordner, std::string maske = "*.rec",
                               std::optional<TOrdnerblick::TStaende> ausgangslage = std::nullopt);
    ~TOrdnerverfolgung();
    TOrdnerverfolgung(const TOrdnerverfolgung&) = delete;
    TOrdnerverfolgung& operator=(const TOrdnerverfolgung&) = delete;

    // What to wait on, as plattform::Ordnerwaechter::Griff; -1 while only the look runs.
    std::intptr_t Griff() const;
    // Whether the system's notifications are running (else only the slow look).
    bool Benachrichtigt() const;
    // When Abholen is due at the latest even if Griff() stays quiet.
    std::int64_t NaechsterTermin() const;

    // Never blocks, except for the listing of a look that is due.
    TOrdnerbericht Abholen();

    // The caller could not finish with name yet (it is being written): Abholen reports it
    // again once wann has come, whether or not it changes meanwhile.
    void SpaeterNochmal(const std::string& name, std::int64_t wann);

    // Blocks until Griff() fires, Aufwecken is called (from any thread), or at most
    // millisekunden pass; for a thread of its own and for tests. Abholen afterwards.
    void Warten(int millisekunden);
    void Aufwecken() { geweckt_ = true; }

    const std::string& Ordner() const { return ordner_; }

    // Between two looks while the look stands in for the notifications: at least this, and
    // fifty times what the last look took, so that a big folder costs at most 2 % of a core.
    static constexpr int kBlickAbstandSekunden = 5;
    // How often, with notifications running, it checks that the folder is still the one
    // watched (not deleted and made again), and retries a watch the system refused.
    static constexpr int kPruefAbstandSekunden = 2;

private:
    void WaechterStarten(std::int64_t jetzt);

    std::string ordner_, maske_;
    std::unique_ptr<plattform::Ordnerwaechter> waechter_;
    TOrdnerblick blick_;
    bool fern_ = false;
    bool neuerGriff_ = false;
    std::int64_t naechsterBlick_ = 0;
    std::int64_t blickAbstand_ = 0;
    std::int64_t naechstePruefung_ = 0;
    std::map<std::string, std::int64_t> spaeter_;
    std::atomic<bool> geweckt_{false};
};
