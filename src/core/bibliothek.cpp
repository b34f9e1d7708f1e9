#include "core/bibliothek.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include "core/meldungen.h"
#include "core/platform/cachedatei.h"
#include "core/platform/dateioperationen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/quelldatei.h"
#include "core/replay.h"
#include "core/replayindex.h"
#include "core/uebertragung.h"
#include "core/variablen.h"

namespace {

class TStilleMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart) override { gemeldet = true; }
    bool gemeldet = false;
};

// A file changed this late may change again within its stamp's resolution without
// showing, so the index does not keep it yet (the scan's rule).
std::int64_t Indexgrenze() { return plattform::StempelZeitJetzt() - 2 * plattform::StempelProSekunde(); }

// Whether two stamps describe one file under two names: a rename changes POSIX's status
// time, but not the node; Windows lists no node, and keeps the creation time.
bool DieselbeDatei(const plattform::Dateistempel& a, const plattform::Dateistempel& b) {
    return a.groesse == b.groesse && a.aenderung == b.aenderung && a.knoten == b.knoten && a.art == b.art &&
           (a.knoten != 0 || a.status == b.status);
}

}  // namespace

TBibliothek::TBibliothek(std::string verzeichnis) : verzeichnis_(std::move(verzeichnis)) {}
TBibliothek::~TBibliothek() = default;
TBibliothek::TBibliothek(TBibliothek&&) noexcept = default;

std::optional<plattform::Dateistempel> TBibliothek::ListenStempel(const std::string& name) const {
    const auto it = eintraege_.find(name);
    if (it == eintraege_.end() || !it->second.gemeldet || !it->second.inListe) return std::nullopt;
    return it->second.stempel;
}
TBibliothek& TBibliothek::operator=(TBibliothek&&) noexcept = default;

TBibliothek TBibliothek::Lesen(const std::string& verzeichnis) {
    TBibliothek b(verzeichnis);
    plattform::Aufzaehlung liste = plattform::AufzaehlenMitStempel(verzeichnis + "*.rec");
    for (std::size_t i = 0; i < liste.namen.size(); ++i) {
        TEintrag& e = b.Eintrag(liste.namen[i]);
        b.GroesseSetzen(liste.namen[i], e,
                        i < liste.stempel.size() ? std::optional(liste.stempel[i].groesse) : std::nullopt);
    }
    return b;
}

// Every caller gives a new entry its size next, or none (GroesseSetzen).
TBibliothek::TEintrag& TBibliothek::Eintrag(const std::string& name) { return eintraege_[name]; }

void TBibliothek::GroesseSetzen(const std::string& name, TEintrag& e, std::optional<std::int64_t> groesse) {
    if (groesse && e.groesse == groesse) return;
    if (e.groesse) {
        auto& namen = nachGroesse_[*e.groesse];
        namen.erase(std::find(namen.begin(), namen.end(), name));
        if (namen.empty()) nachGroesse_.erase(*e.groesse);
    }
    e.groesse = groesse;
    if (groesse) nachGroesse_[*groesse].push_back(name);
    else ohneGroesse_.push_back(name);  // looked up when the content rule first needs it
}

void TBibliothek::Austragen(const std::string& name) {
    auto it = eintraege_.find(name);
    if (it == eintraege_.end()) return;
    if (const auto groesse = it->second.groesse) {
        auto& namen = nachGroesse_[*groesse];
        namen.erase(std::find(namen.begin(), namen.end(), name));
        if (namen.empty()) nachGroesse_.erase(*groesse);
    }
    if (it->second.imIndex) indexVeraltet_ = true;
    eintraege_.erase(it);
}

void TBibliothek::Eintragen(const std::string& name, const std::optional<plattform::Dateistempel>& stempel,
                            const std::optional<TInhalt>& inhalt, bool imIndex) {
    TEintrag& e = Eintrag(name);
    e.stempel = stempel;
    e.gemeldet = stempel.has_value();
    e.inListe = true;
    e.imIndex = imIndex && stempel;
    GroesseSetzen(name, e, stempel ? std::optional(stempel->groesse) : std::nullopt);
    if (inhalt && stempel) {
        e.inhalt = inhalt;
        e.inhaltStempel = stempel;
    }
}

void TBibliothek::FehlendeGroessenLesen() {
    for (const std::string& name : ohneGroesse_) {
        auto it = eintraege_.find(name);
        if (it == eintraege_.end() || it->second.groesse) continue;
        // Only the size is taken: the stamp the caller knows stays, so that a change
        // still waiting in the watch's queue is not taken for one already seen.
        if (const auto stempel = plattform::StempelLesen(verzeichnis_ + name)) {
            it->second.groesse = stempel->groesse;
            nachGroesse_[stempel->groesse].push_back(name);
        }
    }
    ohneGroesse_.clear();
}

std::optional<TInhalt> TBibliothek::InhaltVon(const std::string& name, TEintrag& e) {
    const std::string pfad = verzeichnis_ + name;
    const auto vorher = plattform::StempelLesen(pfad);
    if (!vorher) return std::nullopt;
    if (e.inhalt && e.inhaltStempel == vorher) return e.inhalt;
    const auto datei = plattform::Quelldatei::Oeffnen(pfad);
    if (!datei) return std::nullopt;
    const auto wert = InhaltBerechnen(*datei);
    // A value is kept only for the stamp the file had all along, and only once that is old
    // enough that a rewrite could not give the same stamp again (the scan's rule).
    if (!wert || !datei->Unveraendert() || plattform::StempelLesen(pfad) != vorher ||
        vorher->aenderung > Indexgrenze())
        return wert;
    e.inhalt = wert;
    e.inhaltStempel = vorher;
    if (e.imIndex && e.stempel == vorher) indexVeraltet_ = true;
    return wert;
}

std::optional<std::string> TBibliothek::InhaltFinden(const plattform::Quelldatei& datei) {
    FehlendeGroessenLesen();
    const auto gleichGross = nachGroesse_.find(datei.Groesse());
    if (gleichGross == nachGroesse_.end()) return std::nullopt;
    const std::vector<std::string> kandidaten = gleichGross->second;  // InhaltVon may move names
    std::optional<TInhalt> wert;
    for (const std::string& name : kandidaten) {
        const std::string pfad = verzeichnis_ + name;
        auto it = eintraege_.find(name);
        // The file itself, seen through the library (one folder under two names), is no copy.
        if (it == eintraege_.end() || plattform::GleicheDatei(datei.Pfad(), pfad)) continue;
        const auto seiner = InhaltVon(name, it->second);
        if (!seiner) continue;
        if (!wert && !(wert = InhaltBerechnen(datei))) return std::nullopt;
        if (!(*seiner == *wert)) continue;
        const auto kopie = plattform::Quelldatei::Oeffnen(pfad);
        if (kopie && plattform::GleicherInhalt(datei, *kopie)) return name;
    }
    return std::nullopt;
}

void TBibliothek::Aufnehmen(const std::string& name, const std::optional<TInhalt>& inhalt) {
    const auto stempel = plattform::StempelLesen(verzeichnis_ + name);
    if (!stempel) return;
    TEintrag& e = Eintrag(name);
    GroesseSetzen(name, e, stempel->groesse);
    e.eigen = stempel;
    if (inhalt && stempel->aenderung <= Indexgrenze()) {
        e.inhalt = inhalt;
        e.inhaltStempel = stempel;
    }
}

TBibliotheksaenderung TBibliothek::Ansehen(const std::string& name, std::int64_t jetzt) {
    TBibliotheksaenderung a{name, TBibliotheksstand::Unveraendert, nullptr, {}, 0};
    const std::string pfad = verzeichnis_ + name;
    auto it = eintraege_.find(name);
    const auto stempel = plattform::StempelLesen(pfad);
    // A name that only opens because Windows ignores the letter case is gone: the file was
    // renamed to another case and is reported under its new name.
    if (stempel ? !plattform::GenauSoGeschrieben(pfad) : !plattform::NameBelegt(pfad)) {
        if (it != eintraege_.end() && it->second.inListe) a.Stand = TBibliotheksstand::Entfernt;
        Austragen(name);
        return a;
    }
    if (it != eintraege_.end() && it->second.gemeldet && it->second.stempel == stempel) return a;
    const bool warInListe = it != eintraege_.end() && it->second.inListe;
    const bool eigen = it != eintraege_.end() && it->second.eigen == stempel;
    // From here on the caller hears of the file as it is now.
    TEintrag* eintrag = nullptr;
    auto melden = [&](TBibliotheksstand stand, bool inListe) {
        TEintrag& e = *(eintrag = &Eintrag(name));
        a.Stand = stand;
        if (e.imIndex || inListe) indexVeraltet_ = true;
        e.stempel = stempel;
        e.gemeldet = true;
        e.inListe = inListe;
        e.imIndex = false;
        GroesseSetzen(name, e, stempel ? std::optional(stempel->groesse) : std::nullopt);
        return std::move(a);
    };
    bool inBenutzung = false;
    const auto datei = plattform::Quelldatei::Oeffnen(pfad, &inBenutzung);
    if (!datei && inBenutzung) {
        a.Stand = TBibliotheksstand::WirdGeschrieben;
        a.NochmalUm = jetzt + plattform::StempelProSekunde();
        return a;
    }
    if (datei && !eigen && WirdNochGeschrieben(*datei)) {
        a.Stand = TBibliotheksstand::WirdGeschrieben;
        a.NochmalUm = NochmalUm(*datei);
        return a;
    }
    TStilleMeldungen meldungen;
    std::optional<plattform::Dateistempel> gelesen;
    try {
        a.Replay = std::make_unique<TReplay>(pfad, meldungen, &gelesen);
    } catch (const std::exception&) {
        a.Replay = TReplay::NurDateiname(name, gelesen);
        return melden(TBibliotheksstand::NichtGelesen, true);
    }
    if (!datei || meldungen.gemeldet) return melden(TBibliotheksstand::Unlesbar, true);
    TBibliotheksaenderung fertig = melden(warInListe ? TBibliotheksstand::Geaendert : TBibliotheksstand::Neu, true);
    // The stamp the reader's open found belongs to the bytes it read.
    if (gelesen) {
        eintrag->stempel = gelesen;
        GroesseSetzen(name, *eintrag, gelesen->groesse);
    }
    eintrag->imIndex = true;
    return fertig;
}

std::vector<TBibliotheksaenderung> TBibliothek::Aktualisieren(const std::vector<std::string>& namen) {
    const std::int64_t jetzt = plattform::StempelZeitJetzt();
    std::vector<std::pair<std::string, plattform::Dateistempel>> weg;
    for (const std::string& name : namen) {
        auto it = eintraege_.find(name);
        if (it != eintraege_.end() && it->second.inListe && it->second.stempel) weg.emplace_back(name, *it->second.stempel);
    }
    std::vector<TBibliotheksaenderung> aenderungen;
    aenderungen.reserve(namen.size());
    for (const std::string& name : namen) aenderungen.push_back(Ansehen(name, jetzt));
    // A file renamed within the folder is one replay: the list keeps its place.
    for (TBibliotheksaenderung& a : aenderungen) {
        if (a.Stand != TBibliotheksstand::Neu) continue;
        const auto& e = eintraege_.at(a.Name);
        for (const auto& [altName, stempel] : weg) {
            // A named copy: clang does not capture structured bindings in lambdas.
            const std::string& alt = altName;
            const bool entfernt = std::any_of(aenderungen.begin(), aenderungen.end(), [&](const auto& b) {
                return b.Name == alt && b.Stand == TBibliotheksstand::Entfernt;
            });
            if (entfernt && e.stempel && DieselbeDatei(*e.stempel, stempel)) {
                a.Stand = TBibliotheksstand::Umbenannt;
                a.Vorher = alt;
                break;
            }
        }
    }
    return aenderungen;
}

TOrdnerblick::TStaende TBibliothek::Staende() const {
    TOrdnerblick::TStaende staende;
    staende.reserve(eintraege_.size());
    for (const auto& [name, e] : eintraege_) staende.emplace_back(name, e.gemeldet ? e.stempel : std::nullopt);
    return staende;
}

bool TBibliothek::IndexSchreiben(const std::vector<std::unique_ptr<TReplay>>& replays) {
    try {
        if (IndexVerzeichnis.empty() || !std::filesystem::path(verzeichnis_).is_absolute()) return false;
        const std::int64_t grenze = Indexgrenze();
        ++schreibung_;
        TIndexSchreiber schreiber(verzeichnis_, replays.size());
        for (const auto& r : replays) {
            if (!r) continue;
            auto it = eintraege_.find(r->Dateiname);
            if (it == eintraege_.end()) continue;
            TEintrag& e = it->second;
            if (!e.inListe || !e.imIndex || !e.stempel || e.stempel->aenderung > grenze || e.geschrieben == schreibung_)
                continue;
            e.geschrieben = schreibung_;
            schreiber.Eintrag(*e.stempel, *r, e.inhaltStempel == e.stempel ? e.inhalt : std::nullopt);
        }
        if (!plattform::CacheSchreiben(IndexDatei(IndexVerzeichnis, verzeichnis_), std::move(schreiber).Fertig()))
            return false;
        indexVeraltet_ = false;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
