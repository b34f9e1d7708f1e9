#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "support/tempverzeichnis.h"
#include "wanderung_pruefung.h"

class TAutoSpeicher;
class TBibliothek;
class TGeloeschte;
struct TKopierbericht;

// A long random walk through the core's commands, changes from outside and faults, with a
// model that says after every step what must still be there: no replay's content lost from
// the library folders and the Playback folders together, no file with a ".rec" name incomplete, and
// every report counting what really happened. Steps are plain data, so a generator (ours,
// or RapidCheck's, which also shrinks) makes them and a failing walk prints as a list.
//
// Changes from outside and a second process's commands run between the program's own file
// operations through the fault plan's hooks; time is the fault plan's clock. Nothing waits
// for real time, so a walk repeats step by step.

// One step: art indexes kSchrittarten; a, b and c choose among the step's variants, each
// taken modulo what it chooses from, so that any value is a valid step and 0 is the
// simplest one.
struct TSchritt {
    int art = 0;
    int a = 0, b = 0, c = 0;
};
std::ostream& operator<<(std::ostream& aus, const TSchritt& schritt);
// For RapidCheck's listing of a failing walk.
void showValue(const TSchritt& schritt, std::ostream& aus);

// How many kinds of step there are (the size of the table in wanderung_schritte.cpp).
int Schrittarten();

// Steps from a seed, for walks without RapidCheck (under Wine, and long walks): the same
// seed gives the same steps on every system. arten is the size of the walk's table.
std::vector<TSchritt> Schritte(std::uint64_t saat, std::size_t anzahl, int arten = Schrittarten());

class TWanderung {
public:
    using Bytes = wanderung::Bytes;
    using Bestand = wanderung::Bestand;

    // Fresh folders: the Playback folders of two installations and two library folders,
    // the first in use.
    TWanderung();
    ~TWanderung();
    TWanderung(const TWanderung&) = delete;
    TWanderung& operator=(const TWanderung&) = delete;

    // Takes one step and checks the model; empty when all holds, else what did not.
    std::string Gehen(const TSchritt& schritt);
    // How often each command ended how ("Import 0": a report entry Kopiert), to see that a
    // walk reaches the outcomes that matter.
    const std::map<std::string, int>& Statistik() const { return statistik_; }

    // What one step did outside the program's own work and what the checks must allow for.
    struct TProtokoll : wanderung::TVerbleib {
        int draussen = 0;  // changes from outside and second-process commands run meanwhile
        bool fehler = false;  // a fault was planned
    };

private:
    friend struct TSchrittart;
    struct TUmbenennung {
        bool gelesen = false;  // the replay was read, and its rename is known
        Bytes alt, neu;
        int meldungen = 0;
        bool geworfen = false;
    };

    // The steps, one per row of the table of step kinds (wanderung_schritte.cpp). Each may
    // leave a check of its command's report in pruefung_.
    std::string Schritt(const TSchritt& s, const Bestand& vorher);
    std::string Dazu(const TSchritt& s, const Bestand& vorher);
    std::string Weg(const TSchritt& s, const Bestand& vorher);
    std::string Neu(const TSchritt& s, const Bestand& vorher);
    std::string Waechst(const TSchritt& s, const Bestand& vorher);
    std::string Zeit(const TSchritt& s, const Bestand& vorher);
    std::string Fehlerplan(const TSchritt& s, const Bestand& vorher);
    std::string Haken(const TSchritt& s, const Bestand& vorher);
    std::string Import(const TSchritt& s, const Bestand& vorher);
    std::string UmbenennenSchritt(const TSchritt& s, const Bestand& vorher);
    std::string AutoSpeichern(const TSchritt& s, const Bestand& vorher);
    std::string NachPlayback(const TSchritt& s, const Bestand& vorher);
    std::string Umzug(const TSchritt& s, const Bestand& vorher);
    std::string Melden(const TSchritt& s, const Bestand& vorher);
    std::string DateiUmbenennenSchritt(const TSchritt& s, const Bestand& vorher);
    std::string Vorlage(const TSchritt& s, const Bestand& vorher);

    // Changes from outside: std::filesystem only, never the platform layer, so that they do
    // not count as the program's operations in the fault plan.
    void DraussenSchreiben(const std::string& pfad, const Bytes& inhalt);
    void DraussenEntfernen(const std::string& pfad);
    void Wachsen(const std::string& ordner, int wahl, int inhalt);
    void Beendet(const std::string& pfad);  // the game stops writing at pfad
    // Renames the replay at pfad to one of the walk's names; vorher runs after the replay
    // was read, before the rename.
    TUmbenennung Umbenennen(const std::string& pfad, int name, const std::function<void()>& vorher);
    void NeuerBibliotheksstand();

    // One of the names outside hands give files.
    static std::string Name(int wahl);
    std::vector<std::string> Ordner() const;  // every folder of the walk
    std::string Waehlen(const std::string& ordner, int wahl) const;
    Bestand Lesen() const;
    std::string Beschreiben(const Bytes& inhalt) const;
    std::string Pruefen(const Bestand& vorher, const Bestand& nachher);

    // The pending faults and hooks go into the fault plan, the command runs, and the plan
    // is cleared.
    void Zaehlen(const std::string& befehl, const TKopierbericht& bericht);
    void PlaeneAnwenden();
    void PlaeneLeeren();
    void Geplant(const std::function<void()>& befehl);
    // What a second process, or the game, does meanwhile (c of a Dazwischen step).
    void Dazwischen(int aktion);

    TempVerzeichnis temp_;
    std::string spiel_, playback_[2], bib_[2];  // spiel_ holds playback_[0]
    int aktuell_ = 0;
    std::unique_ptr<TGeloeschte> geloeschte_;
    std::unique_ptr<TBibliothek> bibliothek_;
    std::unique_ptr<TAutoSpeicher> autoSpeicher_[2];  // one for each Playback folder
    std::vector<Bytes> vorrat_;   // the complete replays outside hands put into the folders
    std::set<Bytes> vollstaendig_;  // and every rename of them
    std::map<std::string, Bytes> draussenGeschrieben_;  // what outside hands last wrote at a path
    std::map<std::string, std::unique_ptr<wanderung::TWachsend>> wachsend_;  // files the game still writes
    std::set<std::string> erlaubteReste_;  // temporary files an interrupted step may leave
    wanderung::TWanderuhr uhr_;
    std::optional<Bestand> bestand_;  // the folders after the last step
    TProtokoll protokoll_;
    std::map<std::string, int> statistik_;
    std::vector<std::function<void()>> plaene_;  // pending faults and hooks
    std::function<std::string(const Bestand& nachher)> pruefung_;
    std::set<std::string> gemeldet_;  // every name the watch reported in the library
};
