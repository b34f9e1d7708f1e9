#include <QString>

#include "cli/befehle.h"
#include "cli/clitext.h"
#include "cli/optionen.h"
#include "core/fehler.h"
#include "core/platform/benutzerordner.h"
#include "core/platform/dateisystem.h"
#include "core/replay.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "gui/kerntexte.h"

int BefehlRename(const std::vector<std::string>& argumente) {
    TAufruf aufruf;
    if (auto ende = Auswerten(argumente, kBenutzungRename, {}, {}, aufruf)) return *ende;
    if (aufruf.operanden.size() != 2) return Benutzungsfehler(kBenutzungRename);
    const std::string& pfad = aufruf.operanden[0];
    // Arguments are UTF-8 (see main); the count is in UTF-16 code units, as the window's.
    const std::string& name = aufruf.operanden[1];
    if (!NeuerNameGueltig(name)) {
        StderrSchreiben(FehlerText(Fehler(TFehlerart::NamensLaenge)) + "\n");
        return 2;
    }

    TDateiMeldungen meldungen(pfad);
    try {
        if (!plattform::DateiExistiert(pfad)) {
            meldungen.Meldung(TMeldungsart::DateiFehlt);
            return 1;
        }
        // Read as the scan reads it, so the rewrite gets the name length the list would hold.
        TReplay replay(pfad, meldungen);
        if (meldungen.anzahl > 0) return 1;
        ReplayVerzeichnis = pfad.substr(0, pfad.size() - replay.Dateiname.size());
        // The window's index of this folder learns of the rename, which no stamp may show.
        IndexVerzeichnis = plattform::BenutzerCacheOrdner();
        ReplayUmbenennen(replay, Utf16AusUtf8(name), meldungen);
    } catch (const std::exception& f) {
        StderrSchreiben(SichtbarQ(pfad) + ": " + FehlerText(f) + "\n");
        return 1;
    }
    return meldungen.anzahl > 0 ? 1 : 0;
}
