#pragma once
// What the walks through the core and through the window check after every step, and the
// few file helpers both take their folders' state with.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct TKopierbericht;

namespace wanderung {

using Bytes = std::vector<unsigned char>;
using Bestand = std::map<std::string, Bytes>;  // every file of the folders, by path

// The whole file in one read; empty when it cannot be read.
Bytes Einlesen(const std::string& pfad);
// Whether a name ends in ".rec" in any letter case.
bool IstRec(const std::string& name);
std::string NameVon(const std::string& pfad);
// The .rec files of a folder, in name order.
std::vector<std::string> Replays(const std::string& ordner);
// Every file of the folders, read whole.
Bestand Lesen(const std::vector<std::string>& ordner);

// Outside hands write a whole file with the stamp zeit, or remove one. Each gives what the
// file held before, or nothing where there was none.
std::optional<Bytes> DraussenSchreiben(const std::string& pfad, const Bytes& inhalt, std::filesystem::file_time_type zeit);
std::optional<Bytes> DraussenEntfernen(const std::string& pfad);

// A file the game is still writing: held open for writing, as the game holds it, so that
// the program sees a writer.
struct TWachsend {
    std::ofstream aus;
    Bytes ziel;
    std::size_t geschrieben = 0;
    Bytes Geschrieben() const { return Bytes(ziel.begin(), ziel.begin() + static_cast<std::ptrdiff_t>(geschrieben)); }
};
// The game writes the next third of w's replay to pfad, stamped zeit; true when it is whole.
bool Weiterschreiben(TWachsend& w, const std::string& pfad, std::filesystem::file_time_type zeit);

// The walks' clock, which is the fault plan's: it starts a day ahead, so that what the
// system stamps on its own (a status change) is long quiet, and the files outside hands
// write carry the walk's time. Nothing waits for real time.
class TWanderuhr {
public:
    // Learns the stamps' unit from a probe file in ordner, and sets the fault plan's clock.
    explicit TWanderuhr(const std::string& ordner);
    std::filesystem::file_time_type Jetzt() const;
    // Time passes.
    void Weiter(int sekunden);
    // The fault plan's clock, set again after a plan was cleared.
    void Stellen() const;

private:
    std::int64_t basis_ = 0;  // the start in the stamps' unit
    int sekunden_ = 0;        // since then
};

// Six complete replays, "Spiel A" to "Spiel F", on two maps, with one and two players.
std::vector<Bytes> Vorrat();

// "Spiel A" for the first of vorrat, "ein umbenanntes Spiel" for another of vollstaendig,
// else what part of a replay.
std::string Beschreiben(const Bytes& inhalt, const std::vector<Bytes>& vorrat, const std::set<Bytes>& vollstaendig);
// Every file of nachher: a .rec file holds a complete replay or what outside hands last
// wrote at its path; any other file is a temporary file of the program, which only a step
// with a fault (fehler) may leave, and which may stay from then on (erlaubteReste).
std::string DateienPruefen(const Bestand& nachher, const std::set<Bytes>& vollstaendig,
                           const std::map<std::string, Bytes>& draussenGeschrieben, bool fehler,
                           std::set<std::string>& erlaubteReste,
                           const std::function<std::string(const Bytes&)>& beschreiben);

// The contents of the .rec files directly in ordner.
std::vector<Bytes> Inhalte(const Bestand& bestand, const std::string& ordner);
bool Haelt(const Bestand& bestand, const std::string& ordner, const Bytes& inhalt);
// The .rec files of ordner in nachher that vorher did not have; befund names each file of
// vorher there that changed: the program never replaces a file it copies into a folder.
std::vector<Bytes> Neue(const Bestand& vorher, const Bestand& nachher, const std::string& ordner,
                        std::string& befund);
// A report of a transfer from the folders quellen into ziel against the folders before
// and after it: each file of quellen named once, Kopiert counting the new files in ziel,
// nothing removed that did not arrive.
std::string BerichtPruefen(const TKopierbericht& bericht, const std::vector<std::string>& quellen,
                           const std::string& ziel, bool entfernen, const Bestand& vorher, const Bestand& nachher);

// What outside hands and renames did in one step, for the check that nothing was lost.
struct TVerbleib {
    std::map<Bytes, int> draussenWeg;  // contents a file of which went by outside hands
    std::map<Bytes, std::vector<Bytes>> umbenannt;  // a content and what renames made of it
};
// Every .rec content of vorher that is neither in nachher nor went by outside hands, also
// after what renames made of it; each described by beschreiben.
std::string Verlorene(const Bestand& vorher, const Bestand& nachher, const TVerbleib& verbleib,
                      const std::function<std::string(const Bytes&)>& beschreiben);

}  // namespace wanderung
