#include "core/transfers.h"

#include "core/bibliothek.h"
#include "core/geloeschte.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/platform/quelldatei.h"
#include "core/platform/tempdatei.h"

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

TKopierbericht PlaybackImportieren(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                                   bool entfernen, TBibliothek* bibliothek) {
    if (bibliothek && bibliothek->Verzeichnis() == replayVerzeichnis)
        return AlleUebertragen(PlaybackOrdner(dowVerzeichnis), replayVerzeichnis, entfernen, bibliothek);
    TBibliothek gelistet = TBibliothek::Lesen(replayVerzeichnis);
    return AlleUebertragen(PlaybackOrdner(dowVerzeichnis), replayVerzeichnis, entfernen, &gelistet);
}

TKopierbericht PlaybackLeeren(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                              TBibliothek* bibliothek) {
    return PlaybackImportieren(dowVerzeichnis, replayVerzeichnis, true, bibliothek);
}

std::vector<std::string> PlaybackNeue(const std::string& dowVerzeichnis, TBibliothek& bibliothek,
                                      const TGeloeschte* geloeschte) {
    const std::string playback = PlaybackOrdner(dowVerzeichnis);
    std::vector<std::string> neue;
    for (const std::string& name : plattform::Aufzaehlen(playback + "*.rec")) {
        const auto datei = plattform::Quelldatei::Oeffnen(playback + name);
        if (!datei || bibliothek.InhaltFinden(*datei)) continue;
        if (geloeschte && !geloeschte->Leer()) {
            const auto inhalt = InhaltBerechnen(*datei);
            if (inhalt && geloeschte->Enthaelt(*inhalt)) continue;
        }
        neue.push_back(name);
    }
    return neue;
}

TKopierstand ReplayNachPlayback(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                                const std::string& dateiname) {
    return Uebertragen(replayVerzeichnis + dateiname, PlaybackOrdner(dowVerzeichnis), dateiname).Stand;
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
