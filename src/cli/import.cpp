#include "cli/befehle.h"
#include "cli/clitext.h"
#include "gui/uebersetzung.h"
#include "cli/optionen.h"
#include "cli/ordner.h"
#include "core/platform/ordnerzustand.h"
#include "core/platform/pfad.h"
#include "core/transfers.h"
#include "gui/kerntexte.h"
#include "gui/kopiermeldung.h"

// The import the tool button runs, with --remove as the answer Yes to "Replays
// anschließend entfernen?". Each folder may be given with or without its final separator.
// Folders that cannot be listed stop it before anything is copied; each replay that was
// not copied gets a line on stderr and the status 1.
int BefehlImport(const std::vector<std::string>& argumente) {
    TAufruf aufruf;
    if (auto ende = Auswerten(argumente, kBenutzungImport, {"--remove"}, {}, aufruf)) return *ende;
    if (aufruf.operanden.size() != 2) return Benutzungsfehler(kBenutzungImport);
    const std::string spiel = plattform::OrdnerMitTrenner(aufruf.operanden[0]);
    const std::string bibliothek = plattform::OrdnerMitTrenner(aufruf.operanden[1]);
    if (!OrdnerLesbar(spiel)) return 1;
    const std::string playback = PlaybackOrdner(spiel);
    const plattform::Ordnerzustand zustand = plattform::OrdnerZustand(playback);
    if (zustand == plattform::Ordnerzustand::Fehlt || zustand == plattform::Ordnerzustand::KeinOrdner) {
        StderrSchreiben(Tr("quellarch-cli", "Im Spielordner %1 gibt es keinen Ordner Playback.").arg(SichtbarQ(spiel)) + "\n");
        return 1;
    }
    if (!OrdnerLesbar(playback) || !OrdnerLesbar(bibliothek)) return 1;
    const TKopierbericht bericht = PlaybackImportieren(spiel, bibliothek, aufruf.schalter.count("--remove") > 0);
    // The window's message, its lines as lines; what was not copied, once more on stderr.
    StdoutSchreiben(AlsQString(KopierMeldung(bericht, TKopierart::Import)).replace("\r\n", "\n") + "\n");
    for (const TKopierteDatei& datei : bericht.Dateien)
        if (!Angekommen(datei.Stand))
            StderrSchreiben(SichtbarQ(datei.Name) + ": " + KopierGrund(datei.Stand) + "\n");
    return bericht.NichtAngekommen() > 0 ? 1 : 0;
}
