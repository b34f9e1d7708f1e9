#include "dateifunktionen.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

#include "fehler.h"
#include "meldungen.h"
#include "platform/dateisystem.h"
#include "platform/faden.h"
#include "platform/fehlerplan.h"
#include "replay.h"
#include "variablen.h"

namespace {

// What reading one file gave: its replay, or the parse failure, and the notices it
// raised, kept until they can be passed on in scan order.
struct Ergebnis {
    std::unique_ptr<TReplay> replay;
    std::vector<std::string> meldungen;
    bool fehlgeschlagen = false;
};

class TGesammelteMeldungen : public TMeldungen {
public:
    explicit TGesammelteMeldungen(std::vector<std::string>& ziel) : ziel_(ziel) {}
    void Meldung(const std::string& text) override { ziel_.push_back(text); }

private:
    std::vector<std::string>& ziel_;
};

void Einlesen(const std::string& Verzeichnis, const std::string& name, Ergebnis& ergebnis) {
    TGesammelteMeldungen meldungen(ergebnis.meldungen);
    // The path is made inside the guard too: an error escaping a helper thread would end
    // the program.
    try {
        ergebnis.replay = std::make_unique<TReplay>(Verzeichnis + name, meldungen);
    } catch (const std::exception&) {
        ergebnis.fehlgeschlagen = true;
    }
}

// Small folders are not worth a thread; big ones are mostly waiting on the file system,
// which several threads do at once.
constexpr std::size_t kEintraegeProFaden = 256;
constexpr unsigned kHoechstensFaeden = 4;

unsigned Faeden(std::size_t eintraege) {
    if (plattform::FehlerGeplant()) return 1;
    unsigned kerne = std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(
        std::clamp<std::size_t>(eintraege / kEintraegeProFaden, 1, std::min(kerne, kHoechstensFaeden)));
}

std::vector<Ergebnis> AlleEinlesen(const std::string& Verzeichnis, const std::vector<std::string>& eintraege) {
    std::vector<Ergebnis> ergebnisse(eintraege.size());
    std::atomic<std::size_t> naechster{0};
    auto arbeiten = [&] {
        for (std::size_t i = naechster++; i < eintraege.size(); i = naechster++)
            Einlesen(Verzeichnis, eintraege[i], ergebnisse[i]);
    };
    // A thread the system refuses is no failure of the scan: the threads that did start
    // share the work, down to this one alone. Every started thread is joined when helfer
    // goes, on every path, so none is ever left joinable.
    std::vector<std::jthread> helfer;
    const unsigned faeden = Faeden(eintraege.size());
    helfer.reserve(faeden - 1);
    for (unsigned n = faeden; n > 1; --n) {
        try {
            helfer.push_back(plattform::FadenStarten(arbeiten));
        } catch (const std::system_error&) {
            break;
        }
    }
    arbeiten();
    helfer.clear();  // joined before the results are handed on
    return ergebnisse;
}

}  // namespace

std::int32_t ReplaysLaden(const std::string& Verzeichnis, TMeldungen& meldungen) {
    const std::string muster = Verzeichnis + "*.rec";

    // Counting pass: the enumeration reports nothing by raising; only memory can run out.
    // Its list also serves the loading pass, which saves listing a big folder twice; a
    // file that appears meanwhile waits for the next refresh, as it would have had it
    // come a moment later.
    std::vector<std::string> eintraege;
    try {
        eintraege = plattform::Aufzaehlen(muster);
        ReplayAnzahl = static_cast<std::int32_t>(eintraege.size());
    } catch (const std::exception&) {
        return kLadenZaehlenFehlgeschlagen;
    }

    Replays.clear();
    std::int32_t ergebnis = kLadenOk;
    try {
        // Files are read on several threads; what they gave is taken over in scan order,
        // so Replays, the result and the order of the notices are those of one thread.
        std::vector<Ergebnis> ergebnisse = AlleEinlesen(Verzeichnis, eintraege);
        Replays.reserve(ergebnisse.size());
        for (Ergebnis& e : ergebnisse) {
            for (const std::string& text : e.meldungen) meldungen.Meldung(text);
            if (e.fehlgeschlagen) ergebnis = kLadenEinlesenFehlgeschlagen;
            else Replays.push_back(std::move(e.replay));
        }
    } catch (const std::exception&) {
        ergebnis = kLadenEinlesenFehlgeschlagen;
    }
    return ergebnis;
}
