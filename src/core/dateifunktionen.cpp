#include "dateifunktionen.h"

#include <exception>
#include <vector>

#include "fehler.h"
#include "meldungen.h"
#include "platform/dateisystem.h"
#include "replay.h"
#include "variablen.h"

std::int32_t ReplaysLaden(const std::string& Verzeichnis, TMeldungen& meldungen) {
    const std::string muster = Verzeichnis + "*.rec";

    // Counting pass: the enumeration reports nothing by raising; only memory can run out.
    try {
        ReplayAnzahl = static_cast<std::int32_t>(plattform::Aufzaehlen(muster).size());
    } catch (const std::exception&) {
        return kLadenZaehlenFehlgeschlagen;
    }

    Replays.clear();
    std::int32_t ergebnis = kLadenOk;
    try {
        Replays.reserve(static_cast<std::size_t>(ReplayAnzahl));
        // The folder may have changed since counting: nothing is stored beyond the
        // counted slots, and with fewer entries the array simply stays shorter.
        for (const std::string& name : plattform::Aufzaehlen(muster)) {
            if (Replays.size() == static_cast<std::size_t>(ReplayAnzahl)) break;
            try {
                Replays.push_back(std::make_unique<TReplay>(Verzeichnis + name, meldungen));
            } catch (const Fehler&) {
                ergebnis = kLadenEinlesenFehlgeschlagen;
            }
        }
    } catch (const std::exception&) {
        ergebnis = kLadenEinlesenFehlgeschlagen;
    }
    return ergebnis;
}
