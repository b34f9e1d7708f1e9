#include "cli/befehle.h"
#include "cli/clitext.h"
#include "gui/uebersetzung.h"
#include "cli/optionen.h"
#include "cli/ordner.h"
#include "core/platform/ordnerzustand.h"
#include "core/platform/pfad.h"
#include "core/fehler.h"
#include "core/spiel/playbackordner.h"
#include "core/transfers.h"
#include "core/variablen.h"
#include "gui/kerntexte.h"
#include "gui/kopiermeldung.h"

namespace {

// The report as the window words it, and each replay that was not copied once more on
// stderr, named with its folder.
int Melden(const TKopierbericht& bericht) {
    StdoutSchreiben(AlsQString(KopierMeldung(bericht, TKopierart::Import)).replace("\r\n", "\n") + "\n");
    for (const TKopierteDatei& datei : bericht.Dateien)
        if (!Angekommen(datei.Stand))
            StderrSchreiben(SichtbarQ(datei.Ordner + datei.Name) + ": " + KopierGrund(datei.Stand) + "\n");
    return bericht.NichtAngekommen() > 0 ? 1 : 0;
}

// --all: the Playback folders of every installation the settings and the search know,
// and the further ones named under Optionen, as the window's import takes them.
int AlleImportieren(const TAufruf& aufruf) {
    if (aufruf.operanden.size() != 1) return Benutzungsfehler(kBenutzungImportAlle);
    const std::string bibliothek = plattform::OrdnerMitTrenner(aufruf.operanden[0]);
    try {
        VariablenInitialisieren();
    } catch (const Fehler& f) {
        StderrSchreiben(FehlerText(f) + "\n");
        return 1;
    }
    const std::vector<std::string> ordner = AllePlaybackOrdner(DOWVerzeichnis, Installationen, WeiterePlaybackOrdner);
    if (ordner.empty()) {
        StderrSchreiben(Tr("quellarch-cli", "Kein Playback-Ordner gefunden: keine Installation von Dawn of War und kein weiterer Playback-Ordner.") + "\n");
        return 1;
    }
    for (const std::string& o : ordner)
        if (!OrdnerLesbar(o)) return 1;
    if (!OrdnerLesbar(bibliothek)) return 1;
    return Melden(PlaybackOrdnerImportieren(ordner, bibliothek, aufruf.schalter.count("--remove") > 0));
}

}  // namespace

// The import the tool button runs, with --remove as the answer Yes to "Replays
// anschließend entfernen?". Each folder may be given with or without its final separator.
// Folders that cannot be listed stop it before anything is copied; each replay that was
// not copied gets a line on stderr and the status 1.
int BefehlImport(const std::vector<std::string>& argumente) {
    TAufruf aufruf;
    if (auto ende = Auswerten(argumente, kBenutzungImport, {"--remove", "--all"}, {}, aufruf)) return *ende;
    if (aufruf.schalter.count("--all") > 0) return AlleImportieren(aufruf);
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
    return Melden(PlaybackImportieren(spiel, bibliothek, aufruf.schalter.count("--remove") > 0));
}
