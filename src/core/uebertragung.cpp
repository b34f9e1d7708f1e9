#include "core/uebertragung.h"

#include <memory>
#include <vector>

#include "core/platform/dateioperationen.h"
#include "core/platform/dateistempel.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/platform/tempdatei.h"

using plattform::Dateifehler;
using plattform::Quelldatei;

namespace {

// More clashes than this under one name means something else is wrong; keep the source.
constexpr int kHoechsteNummer = 9999;

std::string Kandidat(const std::string& name, int k) { return k == 1 ? name : NummerierterName(name, k); }

// Whether the file at pfad holds the bytes of inhalt.
bool HaeltInhalt(const plattform::Lesbar& inhalt, const std::string& pfad) {
    const auto datei = Quelldatei::Oeffnen(pfad);
    return datei && plattform::GleicherInhalt(inhalt, *datei);
}

std::int64_t Ruhezeit() { return kRuhezeitSekunden * plattform::StempelProSekunde(); }

std::int64_t ZuletztGeaendert(const plattform::Dateizustand& zustand) {
    return zustand.aenderung > zustand.wechsel ? zustand.aenderung : zustand.wechsel;
}

bool KuerzlichGeaendert(const plattform::Dateizustand& zustand) {
    const std::int64_t jetzt = plattform::StempelZeitJetzt();
    const std::int64_t zuletzt = ZuletztGeaendert(zustand);
    // A stamp ahead of the clock (a share whose clock runs fast) counts as recent too, but
    // only within the same span, or such a file would never be taken.
    return jetzt - zuletzt < Ruhezeit() && zuletzt - jetzt < Ruhezeit();
}

TKopierstand StandAus(Dateifehler fehler, const std::string& zielOrdner) {
    if (fehler == Dateifehler::Voll) return TKopierstand::KeinPlatz;
    if (fehler == Dateifehler::OrdnerFehlt || !plattform::VerzeichnisExistiert(zielOrdner.empty() ? "." : zielOrdner))
        return TKopierstand::ZielordnerFehlt;
    return TKopierstand::Gescheitert;
}

struct TKopie {
    std::unique_ptr<plattform::TempDatei> datei;
    std::unique_ptr<Quelldatei> gelesen;  // the same file, as a reader sees it
};

// The source's bytes into a new temporary file of zielOrdner, checked. Nothing and the
// reason in stand when it cannot be vouched for.
TKopie KopieAnlegen(const Quelldatei& quelle, const std::string& zielOrdner, TKopierstand& stand,
                    TInhaltsrechner& inhalt) {
    Dateifehler fehler = Dateifehler::Keiner;
    TKopie kopie{plattform::TempDatei::Anlegen(zielOrdner, &fehler), nullptr};
    auto& temp = kopie.datei;
    if (!temp) {
        stand = StandAus(fehler, zielOrdner);
        return {};
    }
    constexpr std::size_t kBlock = 64 * 1024;
    std::vector<char> puffer(kBlock);
    for (std::int64_t stelle = 0;;) {
        const std::int64_t n = quelle.Lesen(stelle, puffer.data(), puffer.size());
        if (n < 0) {
            stand = TKopierstand::KeineDatei;
            return {};
        }
        if (n == 0) break;
        stelle += n;
        // A file growing past any replay's size while we copy it (a sparse file, a stream).
        if (stelle > kHoechsteReplayGroesse) {
            stand = TKopierstand::ZuGross;
            return {};
        }
        inhalt.Dazu(puffer.data(), static_cast<std::size_t>(n));
        if (!temp->Schreiben(puffer.data(), static_cast<std::size_t>(n))) {
            stand = StandAus(temp->Warum(), zielOrdner);
            return {};
        }
    }
    if (!temp->Abschliessen(quelle.Zustand())) {
        stand = StandAus(temp->Warum(), zielOrdner);
        return {};
    }
    // A writer that came in while we copied, or a change that went by, means the bytes may
    // be half of a game: the source waits for a later run, and so does the copy's name.
    if (!quelle.Unveraendert() || quelle.Schreibend() == plattform::Schreiber::Da) {
        stand = TKopierstand::WirdGeschrieben;
        return {};
    }
    kopie.gelesen = temp->Zuruecklesen();
    if (!kopie.gelesen || !plattform::GleicherInhalt(quelle, *kopie.gelesen) || !quelle.Unveraendert()) {
        stand = TKopierstand::NichtBestaetigt;
        return {};
    }
    return kopie;
}

}  // namespace

bool WirdNochGeschrieben(const Quelldatei& datei, const TUebertragungsregeln& regeln) {
    switch (datei.Schreibend()) {
        case plattform::Schreiber::Da: return true;
        case plattform::Schreiber::Keiner: return false;
        case plattform::Schreiber::Unbekannt: break;
    }
    return regeln.ruhezeitAbwarten && KuerzlichGeaendert(datei.Zustand());
}

std::int64_t NochmalUm(const Quelldatei& datei) {
    const std::int64_t jetzt = plattform::StempelZeitJetzt();
    const std::int64_t ruhig = ZuletztGeaendert(datei.Zustand()) + Ruhezeit();
    // A stamp far ahead of the clock is quiet by KuerzlichGeaendert's rule already.
    return ruhig > jetzt && ruhig - jetzt <= Ruhezeit() ? ruhig : jetzt + plattform::StempelProSekunde();
}

std::string NummerierterName(const std::string& name, int k) {
    const auto punkt = name.rfind('.');
    const std::string stamm = punkt == std::string::npos ? name : name.substr(0, punkt);
    const std::string endung = punkt == std::string::npos ? std::string() : name.substr(punkt);
    return stamm + " (" + std::to_string(k) + ")" + endung;
}

bool SchonAngekommen(const Quelldatei& quelle, const std::string& zielOrdner, const std::string& name) {
    // A source that is its own "copy" (one folder under two spellings) has not arrived:
    // deleting it would lose it.
    if (plattform::GleicheDatei(quelle.Pfad(), zielOrdner + name)) return false;
    for (int k = 1; k <= kHoechsteNummer; ++k) {
        const std::string ziel = zielOrdner + Kandidat(name, k);
        if (!plattform::NameBelegt(ziel)) return false;
        if (HaeltInhalt(quelle, ziel) && !plattform::GleicheDatei(quelle.Pfad(), ziel)) return true;
    }
    return false;
}

TUebertragung Uebertragen(const std::string& quelle, const std::string& zielOrdner, const std::string& name,
                          const TUebertragungsregeln& regeln) {
    TUebertragung ergebnis;
    bool inBenutzung = false;
    const auto q = Quelldatei::Oeffnen(quelle, &inBenutzung);
    if (!q) {
        if (inBenutzung) ergebnis.Stand = TKopierstand::WirdGeschrieben;
        else if (!plattform::NameBelegt(quelle)) ergebnis.Stand = TKopierstand::Verschwunden;
        return ergebnis;
    }
    ergebnis.Quelle = q->Zustand();
    auto fertig = [&ergebnis](TKopierstand stand, const std::string& zielname = {}) {
        ergebnis.Stand = stand;
        ergebnis.Zielname = zielname;
        return ergebnis;
    };
    if (q->Zustand().groesse > kHoechsteReplayGroesse) return fertig(TKopierstand::ZuGross);
    if ((regeln.erwartet && !(*regeln.erwartet == q->Zustand())) || WirdNochGeschrieben(*q, regeln))
        return fertig(TKopierstand::WirdGeschrieben);
    if (plattform::GleicheDatei(quelle, zielOrdner + name)) return fertig(TKopierstand::DieselbeDatei);
    if (regeln.inhaltFinden)
        if (auto da = regeln.inhaltFinden(*q)) return fertig(TKopierstand::SchonDa, *da);

    // The bytes may stand under the name or a numbered one already; the first free name
    // is where a copy goes.
    int frei = 0;
    for (int k = 1; k <= kHoechsteNummer && frei == 0; ++k) {
        const std::string kandidat = Kandidat(name, k);
        if (!plattform::NameBelegt(zielOrdner + kandidat)) frei = k;
        else if (HaeltInhalt(*q, zielOrdner + kandidat)) return fertig(TKopierstand::SchonDa, kandidat);
    }
    if (frei == 0) return fertig(TKopierstand::KeinFreierName);

    TKopierstand stand = TKopierstand::Gescheitert;
    TInhaltsrechner inhalt;
    const TKopie kopie = KopieAnlegen(*q, zielOrdner, stand, inhalt);
    if (!kopie.datei) return fertig(stand);
    const TInhalt wert = inhalt.Fertig();
    // Someone may take the free name meanwhile (a second Quellarch importing the same
    // file): the move never replaces, and the next name is tried.
    for (int k = frei; k <= kHoechsteNummer; ++k) {
        const std::string kandidat = Kandidat(name, k);
        switch (kopie.datei->Einsetzen(zielOrdner + kandidat)) {
            case plattform::Einsetzergebnis::Eingesetzt:
                ergebnis.Inhalt = wert;
                return fertig(TKopierstand::Kopiert, kandidat);
            case plattform::Einsetzergebnis::Belegt:
                // Compared with our copy, not with the source, which may be gone by now.
                if (HaeltInhalt(*kopie.gelesen, zielOrdner + kandidat)) return fertig(TKopierstand::SchonDa, kandidat);
                break;
            case plattform::Einsetzergebnis::Fehler: return fertig(StandAus(Dateifehler::Sonstiges, zielOrdner));
        }
    }
    return fertig(TKopierstand::KeinFreierName);
}
