#include "core/transfers.h"

#include <optional>

#include "core/bibliothek.h"
#include "core/geloeschte.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/platform/quelldatei.h"
#include "core/platform/tempdatei.h"
#include "core/spiel/playbackordner.h"

namespace {

struct TZuEntfernen {
    std::string pfad;
    plattform::Dateizustand zustand;
    std::size_t datei;  // in the report
};

// Deletes the sources whose copies arrived, once the target folder's new names are on the
// disk, and each only while it is still what was copied: the game may have written a new
// game into the file meanwhile.
void QuellenEntfernen(const std::string& zielOrdner, const std::vector<TZuEntfernen>& quellen,
                      TKopierbericht& bericht) {
    if (quellen.empty()) return;
    plattform::OrdnerSichern(zielOrdner);
    for (const TZuEntfernen& q : quellen)
        bericht.Dateien[q.datei].Entfernt = plattform::LoeschenWennUnveraendert(q.pfad, q.zustand);
}

// Every replay of quellOrdner into zielOrdner, and with entfernen each one that arrived
// deleted from quellOrdner. With bibliothek (zielOrdner's), a replay whose bytes stand
// there under any name counts as there already.
TKopierbericht AlleUebertragen(const std::string& quellOrdner, const std::string& zielOrdner, bool entfernen,
                               TBibliothek* bibliothek = nullptr) {
    plattform::TempResteEinmalEntfernen(quellOrdner);
    plattform::TempResteEinmalEntfernen(zielOrdner);
    TKopierbericht bericht;
    std::vector<TZuEntfernen> entfernbar;
    TUebertragungsregeln regeln;
    if (bibliothek)
        regeln.inhaltFinden = [bibliothek](const plattform::Quelldatei& q) { return bibliothek->InhaltFinden(q); };
    for (const std::string& name : plattform::Aufzaehlen(quellOrdner + "*.rec")) {
        const TUebertragung u = Uebertragen(quellOrdner + name, zielOrdner, name, regeln);
        if (bibliothek && u.Stand == TKopierstand::Kopiert) bibliothek->Aufnehmen(u.Zielname, u.Inhalt);
        if (entfernen && Angekommen(u.Stand)) entfernbar.push_back({quellOrdner + name, u.Quelle, bericht.Dateien.size()});
        bericht.Dateien.push_back({name, u.Stand});
    }
    QuellenEntfernen(zielOrdner, entfernbar, bericht);
    return bericht;
}

}  // namespace

int TKopierbericht::Anzahl(TKopierstand stand) const {
    int n = 0;
    for (const TKopierteDatei& d : Dateien) n += d.Stand == stand;
    return n;
}

int TKopierbericht::NichtAngekommen() const {
    int n = 0;
    for (const TKopierteDatei& d : Dateien) n += !Angekommen(d.Stand);
    return n;
}

std::string PlaybackOrdner(const std::string& dowVerzeichnis) {
    const char t = plattform::Trenner();
    return dowVerzeichnis + t + "Playback" + t;
}

TKopierbericht PlaybackOrdnerImportieren(const std::vector<std::string>& playbackOrdner,
                                         const std::string& replayVerzeichnis, bool entfernen,
                                         TBibliothek* bibliothek) {
    std::optional<TBibliothek> gelistet;
    if (!bibliothek || bibliothek->Verzeichnis() != replayVerzeichnis) {
        gelistet = TBibliothek::Lesen(replayVerzeichnis);
        bibliothek = &*gelistet;
    }
    TKopierbericht bericht;
    for (const std::string& ordner : playbackOrdner) {
        TKopierbericht teil = AlleUebertragen(ordner, replayVerzeichnis, entfernen, bibliothek);
        for (TKopierteDatei& datei : teil.Dateien) {
            if (playbackOrdner.size() > 1) datei.Ordner = ordner;
            bericht.Dateien.push_back(std::move(datei));
        }
    }
    return bericht;
}

TKopierbericht PlaybackImportieren(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                                   bool entfernen, TBibliothek* bibliothek) {
    // A missing Playback folder yields nothing, as its listing did.
    return PlaybackOrdnerImportieren(PlaybackOrdnerVon(dowVerzeichnis), replayVerzeichnis, entfernen, bibliothek);
}

TKopierbericht PlaybackLeeren(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                              TBibliothek* bibliothek) {
    return PlaybackImportieren(dowVerzeichnis, replayVerzeichnis, true, bibliothek);
}

namespace {

// The names of PlaybackNeue in one folder, each behind praefix.
void NeueIn(const std::string& playback, TBibliothek& bibliothek, const TGeloeschte* geloeschte,
            const std::string& praefix, std::vector<std::string>& neue) {
    for (const std::string& name : plattform::Aufzaehlen(playback + "*.rec")) {
        const auto datei = plattform::Quelldatei::Oeffnen(playback + name);
        if (!datei || bibliothek.InhaltFinden(*datei)) continue;
        if (geloeschte && !geloeschte->Leer()) {
            const auto inhalt = InhaltBerechnen(*datei);
            if (inhalt && geloeschte->Enthaelt(*inhalt)) continue;
        }
        neue.push_back(praefix + name);
    }
}

}  // namespace

std::vector<std::string> PlaybackNeue(const std::string& dowVerzeichnis, TBibliothek& bibliothek,
                                      const TGeloeschte* geloeschte) {
    std::vector<std::string> neue;
    NeueIn(PlaybackOrdner(dowVerzeichnis), bibliothek, geloeschte, {}, neue);
    return neue;
}

std::vector<std::string> PlaybackNeue(const std::vector<std::string>& playbackOrdner, TBibliothek& bibliothek,
                                      const TGeloeschte* geloeschte) {
    std::vector<std::string> neue;
    for (const std::string& ordner : playbackOrdner) NeueIn(ordner, bibliothek, geloeschte, ordner, neue);
    return neue;
}

TKopierstand ReplayNachPlayback(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                                const std::string& dateiname) {
    return Uebertragen(replayVerzeichnis + dateiname, PlaybackZiel(dowVerzeichnis), dateiname).Stand;
}

TKopierbericht BibliothekKopieren(const std::string& alt, const std::string& neu) {
    return AlleUebertragen(alt, neu, false);
}

void BibliothekLeeren(const std::string& alt, const std::string& neu) {
    // The folders may have changed while the question was open, so every source is
    // checked against the new folder again rather than trusting the first pass.
    plattform::OrdnerSichern(neu);
    for (const std::string& name : plattform::Aufzaehlen(alt + "*.rec")) {
        const auto quelle = plattform::Quelldatei::Oeffnen(alt + name);
        if (quelle && SchonAngekommen(*quelle, neu, name))
            plattform::LoeschenWennUnveraendert(alt + name, quelle->Zustand());
    }
}
