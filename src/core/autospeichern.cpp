#include "core/autospeichern.h"

#include <exception>
#include <memory>

#include "core/anzeigenamen.h"
#include "core/bibliothek.h"
#include "core/geloeschte.h"
#include "core/meldungen.h"
#include "core/namensvorlage.h"
#include "core/platform/dateistempel.h"
#include "core/replay.h"

namespace {

class TStilleMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart) override { gemeldet = true; }
    bool gemeldet = false;
};

}  // namespace

std::string StandardDateiname(const TReplay& replay) {
    return NameAusVorlage(kStandardvorlage, NamensfelderAus(replay, KartenAnzeige(replay.Karte).Text()));
}

TAutoSpeicher::TAutoSpeicher(std::string playbackOrdner, TBibliothek& bibliothek, const TGeloeschte& geloeschte,
                             TNamensgeber namensgeber)
    : playback_(std::move(playbackOrdner)),
      bibliothek_(bibliothek),
      geloeschte_(geloeschte),
      namensgeber_(std::move(namensgeber)) {}

TSpeicherung TAutoSpeicher::Speichern(const std::string& name) {
    TSpeicherung s;
    s.Name = name;
    const std::string pfad = playback_ + name;
    plattform::Dateizustand zustand;
    if (!plattform::ZustandLesen(pfad, zustand)) {
        erledigt_.erase(name);
        return s;
    }
    if (auto it = erledigt_.find(name); it != erledigt_.end() && it->second == zustand) {
        s.Stand = TSpeicherstand::Unveraendert;
        return s;
    }
    auto spaeter = [&s](std::int64_t um) {
        s.Stand = TSpeicherstand::WirdGeschrieben;
        s.NochmalUm = um;
        return s;
    };
    bool inBenutzung = false;
    const auto datei = plattform::Quelldatei::Oeffnen(pfad, &inBenutzung);
    if (!datei) {
        if (inBenutzung) return spaeter(plattform::StempelZeitJetzt() + plattform::StempelProSekunde());
        return s;
    }
    if (WirdNochGeschrieben(*datei)) return spaeter(NochmalUm(*datei));
    // From here on the file is dealt with for good, as it stands, unless a step says otherwise.
    auto erledigt = [&](TSpeicherstand stand) {
        erledigt_[name] = datei->Zustand();
        s.Stand = stand;
        return s;
    };
    if (datei->Groesse() > kHoechsteReplayGroesse) {
        s.Kopie = TKopierstand::ZuGross;
        return erledigt(TSpeicherstand::Fehlgeschlagen);
    }
    if (auto da = bibliothek_.InhaltFinden(*datei)) {
        s.Zielname = *da;
        return erledigt(TSpeicherstand::SchonDa);
    }
    if (!geloeschte_.Leer()) {
        const auto inhalt = InhaltBerechnen(*datei);
        if (inhalt && geloeschte_.Enthaelt(*inhalt)) return erledigt(TSpeicherstand::Geloescht);
    }
    // The name comes from the file's contents, so the copy must be of the very bytes read.
    std::unique_ptr<TReplay> replay;
    TStilleMeldungen meldungen;
    try {
        replay = std::make_unique<TReplay>(pfad, meldungen);
    } catch (const std::exception&) {
        replay.reset();
    }
    if (!datei->Unveraendert()) return spaeter(NochmalUm(*datei));
    if (!replay || meldungen.gemeldet) return erledigt(TSpeicherstand::Unfertig);

    TUebertragungsregeln regeln;
    regeln.erwartet = datei->Zustand();
    const TUebertragung u = Uebertragen(pfad, bibliothek_.Verzeichnis(), namensgeber_(*replay), regeln);
    s.Kopie = u.Stand;
    s.Zielname = u.Zielname;
    switch (u.Stand) {
        case TKopierstand::Kopiert:
            bibliothek_.Aufnehmen(u.Zielname, u.Inhalt);
            return erledigt(TSpeicherstand::Gespeichert);
        case TKopierstand::SchonDa: return erledigt(TSpeicherstand::SchonDa);
        case TKopierstand::WirdGeschrieben: return spaeter(NochmalUm(*datei));
        case TKopierstand::Verschwunden: s.Stand = TSpeicherstand::Weg; return s;
        default: s.Stand = TSpeicherstand::Fehlgeschlagen; return s;
    }
}
