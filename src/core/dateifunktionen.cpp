#include "core/dateifunktionen.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <filesystem>
#include <new>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/bibliothek.h"
#include "core/fehler.h"
#include "core/meldungen.h"
#include "core/platform/cachedatei.h"
#include "core/platform/dateistempel.h"
#include "core/platform/dateisystem.h"
#include "core/platform/faden.h"
#include "core/platform/fehlerplan.h"
#include "core/replay.h"
#include "core/replayindex.h"
#include "core/variablen.h"

namespace {

// What reading one file gave: its replay, or the parse failure, and the notices it
// raised, kept until they can be passed on in scan order.
struct Ergebnis {
    std::unique_ptr<TReplay> replay;
    std::vector<TMeldungsart> meldungen;
    bool fehlgeschlagen = false;
    // The stamp under which the replay goes into the next index: a hit, or a file read
    // without any notice and old enough to trust its stamp. Nothing for every other file.
    std::optional<plattform::Dateistempel> behalten;
    bool ausIndex = false;
    std::optional<TInhalt> inhalt;  // what the index held for a hit
    // The stamp the reader's open found, kept or not: what the library's live view starts from.
    std::optional<plattform::Dateistempel> gesehen;
    // For a file read and kept: its entry in the bytes von to bis of its thread's writer.
    unsigned faden = 0;
    std::size_t von = 0, bis = 0;
};

// An index is bigger than this only when it is not one: 20,000 replays take about 4 MiB.
constexpr std::size_t kHoechstensIndex = std::size_t{256} << 20;

constexpr std::size_t kKeinEintrag = static_cast<std::size_t>(-1);

// The index as one scan uses it. Each entry is given to the one listed name it was stored
// under, so the helper threads never take the same entry.
struct TIndexLauf {
    std::vector<TIndexEintrag> geladen;
    std::vector<std::size_t> zuordnung;  // for listed name i, its entry of geladen or kKeinEintrag
    std::vector<plattform::Dateistempel> gelistet;  // the listing's stamps, where it gives them
    std::unique_ptr<plattform::Ordnerstempel> ordner;  // for the stamps it does not give
    std::vector<TIndexSchreiber> eintraege;  // one per thread: the entries of the files it read
    // A file changed this late may change again within its time stamp's resolution
    // without showing, so it is read again next time rather than kept.
    std::int64_t spaetesteAenderung = 0;
};

class TGesammelteMeldungen : public TMeldungen {
public:
    explicit TGesammelteMeldungen(std::vector<TMeldungsart>& ziel) : ziel_(ziel) {}
    void Meldung(TMeldungsart art) override { ziel_.push_back(art); }

private:
    std::vector<TMeldungsart>& ziel_;
};

void Einlesen(const std::string& Verzeichnis, const std::string& name, Ergebnis& ergebnis,
              std::optional<plattform::Dateistempel>* stempel = nullptr) {
    TGesammelteMeldungen meldungen(ergebnis.meldungen);
    // The path is made inside the guard too: an error escaping a helper thread would end
    // the program.
    try {
        ergebnis.replay = std::make_unique<TReplay>(Verzeichnis + name, meldungen, stempel);
    } catch (const std::exception&) {
        ergebnis.fehlgeschlagen = true;
    }
}

// The stamp of listed entry i: the listing's own, else one stat of the file the scan
// would open.
std::optional<plattform::Dateistempel> Stempel(const TIndexLauf& index, const std::string& name, std::size_t i) {
    if (i < index.gelistet.size()) return index.gelistet[i];
    try {
        return index.ordner->Lesen(name);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// A file the index holds under an unchanged stamp is taken from it unopened, with Datum
// made from the stamp as the reader makes it from the open file. Every other file is
// read as without an index.
void EinlesenMitIndex(const std::string& Verzeichnis, const std::string& name, std::size_t i, TIndexLauf& index,
                      Ergebnis& ergebnis, unsigned faden) {
    if (const std::size_t j = index.zuordnung[i]; j != kKeinEintrag) {
        TIndexEintrag& eintrag = index.geladen[j];
        auto stempel = Stempel(index, name, i);
        if (stempel && *stempel == eintrag.Stempel) {
            eintrag.Replay->Datum = DatumAusFat(plattform::FatAusStempel(*stempel));
            ergebnis.replay = std::move(eintrag.Replay);
            ergebnis.behalten = stempel;
            ergebnis.ausIndex = true;
            ergebnis.inhalt = eintrag.Inhalt;
            return;
        }
    }
    std::optional<plattform::Dateistempel>& stempel = ergebnis.gesehen;
    Einlesen(Verzeichnis, name, ergebnis, &stempel);
    // Only a file that was named as listed: a folder without its separator glues the
    // pattern onto its last name, and the file opened is not the one listed.
    if (!ergebnis.fehlgeschlagen && ergebnis.meldungen.empty() && stempel && ergebnis.replay->Dateiname == name &&
        stempel->aenderung <= index.spaetesteAenderung) {
        // Memory running out here only leaves the file out of the next index.
        try {
            TIndexSchreiber& eintraege = index.eintraege[faden];
            ergebnis.von = eintraege.Laenge();
            eintraege.Eintrag(*stempel, *ergebnis.replay);
            ergebnis.bis = eintraege.Laenge();
            ergebnis.faden = faden;
            ergebnis.behalten = stempel;
        } catch (const std::bad_alloc&) {
        }
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

std::vector<Ergebnis> AlleEinlesen(const std::string& Verzeichnis, const std::vector<std::string>& eintraege,
                                   TIndexLauf* index) {
    std::vector<Ergebnis> ergebnisse(eintraege.size());
    std::atomic<std::size_t> naechster{0};
    const unsigned faeden = Faeden(eintraege.size());
    if (index) {
        index->eintraege.reserve(faeden);
        for (unsigned n = 0; n < faeden; ++n) index->eintraege.push_back(TIndexSchreiber::NurEintraege());
    }
    auto arbeiten = [&](unsigned faden) {
        for (std::size_t i = naechster++; i < eintraege.size(); i = naechster++) {
            if (index) EinlesenMitIndex(Verzeichnis, eintraege[i], i, *index, ergebnisse[i], faden);
            else Einlesen(Verzeichnis, eintraege[i], ergebnisse[i], &ergebnisse[i].gesehen);
        }
    };
    // A thread the system refuses is no failure of the scan: the threads that did start
    // share the work, down to this one alone. Every started thread is joined when helfer
    // goes, on every path, so none is ever left joinable.
    std::vector<std::jthread> helfer;
    helfer.reserve(faeden - 1);
    for (unsigned n = 1; n < faeden; ++n) {
        try {
            helfer.push_back(plattform::FadenStarten([&arbeiten, n] { arbeiten(n); }));
        } catch (const std::system_error&) {
            break;
        }
    }
    arbeiten(0);
    helfer.clear();  // joined before the results are handed on
    return ergebnisse;
}

// The index of Verzeichnis as the cache holds it; none when it is missing or unusable.
// Only for a folder given in full: a relative one names another folder from elsewhere.
std::optional<TIndexLauf> IndexLaden(const std::string& Verzeichnis) {
    if (IndexVerzeichnis.empty()) return std::nullopt;
    TIndexLauf index;
    try {
        if (!std::filesystem::path(Verzeichnis).is_absolute()) return std::nullopt;
        const std::string datei = IndexDatei(IndexVerzeichnis, Verzeichnis);
        if (auto inhalt = plattform::CacheLesen(datei, kHoechstensIndex))
            index.geladen = IndexLesen(inhalt->data(), inhalt->size(), Verzeichnis);
        // Taken before the files are read: a rename that marks its replay later is met by
        // the next scan.
        if (auto verworfen = plattform::CacheNehmen(VerworfenDatei(datei), kHoechstensIndex)) {
            const auto namen = VerworfenLesen(verworfen->data(), verworfen->size());
            const std::unordered_set<std::string_view> weg(namen.begin(), namen.end());
            std::erase_if(index.geladen, [&](const TIndexEintrag& e) { return weg.count(e.Replay->Dateiname) > 0; });
        }
    } catch (const std::exception&) {
        index.geladen.clear();
    }
    return index;
}

// Gives each listed name its entry of the index. The index was written in the order of
// the listing before, which a folder mostly keeps, so the entry after the last one found
// is tried first; only a name out of that order is looked up by name, in a table made at
// the first such name. Names are unique in a listing, so no entry is given twice.
void Zuordnen(TIndexLauf& index, const std::vector<std::string>& eintraege) {
    index.zuordnung.assign(eintraege.size(), kKeinEintrag);
    std::unordered_map<std::string_view, std::size_t> nachName;
    std::size_t naechster = 0;
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        if (naechster < index.geladen.size() && index.geladen[naechster].Replay->Dateiname == eintraege[i]) {
            index.zuordnung[i] = naechster++;
            continue;
        }
        if (nachName.empty()) {
            nachName.reserve(index.geladen.size());
            for (std::size_t j = 0; j < index.geladen.size(); ++j) nachName.emplace(index.geladen[j].Replay->Dateiname, j);
        }
        if (auto fund = nachName.find(eintraege[i]); fund != nachName.end()) {
            index.zuordnung[i] = fund->second;
            naechster = fund->second + 1;
        }
    }
}

// Writes the index anew when it would hold something else than the one loaded: a file
// was kept that did not come from it, or one of its entries went unused. Replays holds
// the replays of ergebnisse in order, the failed ones left out. A failure is silent: the
// index is only a cache, and the scan's result stays as it is.
void IndexSchreiben(const std::string& Verzeichnis, const TIndexLauf& index, const std::vector<Ergebnis>& ergebnisse) {
    std::size_t treffer = 0, neu = 0;
    for (const Ergebnis& e : ergebnisse) {
        if (e.ausIndex) ++treffer;
        else if (e.behalten) ++neu;
    }
    if (neu == 0 && treffer == index.geladen.size()) return;
    try {
        TIndexSchreiber schreiber(Verzeichnis, treffer + neu);
        std::size_t k = 0;
        for (const Ergebnis& e : ergebnisse) {
            if (e.fehlgeschlagen) continue;
            const TReplay& replay = *Replays[k++];
            if (e.ausIndex) schreiber.Eintrag(*e.behalten, replay, e.inhalt);
            else if (e.behalten) schreiber.Uebernehmen(index.eintraege[e.faden], e.von, e.bis);
        }
        plattform::CacheSchreiben(IndexDatei(IndexVerzeichnis, Verzeichnis), std::move(schreiber).Fertig());
    } catch (const std::exception&) {
    }
}

// Hands the scan's view of each listed file on to the library's live view.
void BibliothekFuellen(const std::string& Verzeichnis, const std::vector<std::string>& eintraege,
                      const std::vector<Ergebnis>& ergebnisse, TBibliothek& bibliothek) {
    bibliothek = TBibliothek(Verzeichnis);
    for (std::size_t i = 0; i < ergebnisse.size(); ++i) {
        const Ergebnis& e = ergebnisse[i];
        bibliothek.Eintragen(eintraege[i], e.behalten ? e.behalten : e.gesehen, e.inhalt, e.behalten.has_value());
    }
}

}  // namespace

std::int32_t ReplaysLaden(const std::string& Verzeichnis, TMeldungen& meldungen, TBibliothek* bibliothek) {
    const std::string muster = Verzeichnis + "*.rec";

    // Counting pass: the enumeration reports nothing by raising; only memory can run out.
    // Its list also serves the loading pass, which saves listing a big folder twice; a
    // file that appears meanwhile waits for the next refresh, as it would have had it
    // come a moment later.
    std::optional<TIndexLauf> index = IndexLaden(Verzeichnis);
    std::vector<std::string> eintraege;
    try {
        if (index) {
            // The reference for "changed too late" is taken before the listing: a file
            // changed while the scan runs counts as changed late.
            index->spaetesteAenderung = plattform::StempelZeitJetzt() - 2 * plattform::StempelProSekunde();
            plattform::Aufzaehlung liste = plattform::AufzaehlenMitStempel(muster);
            eintraege = std::move(liste.namen);
            index->gelistet = std::move(liste.stempel);
            Zuordnen(*index, eintraege);
            index->ordner = std::make_unique<plattform::Ordnerstempel>(Verzeichnis);
        } else {
            eintraege = plattform::Aufzaehlen(muster);
        }
        ReplayAnzahl = static_cast<std::int32_t>(eintraege.size());
    } catch (const std::exception&) {
        return kLadenZaehlenFehlgeschlagen;
    }

    Replays.clear();
    std::int32_t ergebnis = kLadenOk;
    try {
        // Files are read on several threads; what they gave is taken over in scan order,
        // so Replays, the result and the order of the notices are those of one thread.
        std::vector<Ergebnis> ergebnisse = AlleEinlesen(Verzeichnis, eintraege, index ? &*index : nullptr);
        Replays.reserve(ergebnisse.size());
        for (std::size_t i = 0; i < ergebnisse.size(); ++i) {
            Ergebnis& e = ergebnisse[i];
            for (const TMeldungsart art : e.meldungen) meldungen.DateiMeldung(eintraege[i], art);
            if (e.fehlgeschlagen) {
                ergebnis = kLadenEinlesenFehlgeschlagen;
                meldungen.NichtGelesen(eintraege[i]);
                Replays.push_back(TReplay::NurDateiname(eintraege[i], e.gesehen));
            } else {
                Replays.push_back(std::move(e.replay));
            }
        }
        if (index) IndexSchreiben(Verzeichnis, *index, ergebnisse);
        if (bibliothek) BibliothekFuellen(Verzeichnis, eintraege, ergebnisse, *bibliothek);
    } catch (const std::exception&) {
        ergebnis = kLadenEinlesenFehlgeschlagen;
    }
    return ergebnis;
}

void IndexEintragVerwerfen(const std::string& Verzeichnis, const std::string& dateiname) {
    if (IndexVerzeichnis.empty()) return;
    try {
        if (!std::filesystem::path(Verzeichnis).is_absolute()) return;
        plattform::CacheAnhaengen(VerworfenDatei(IndexDatei(IndexVerzeichnis, Verzeichnis)), VerworfenEintrag(dateiname));
    } catch (const std::exception&) {
    }
}
