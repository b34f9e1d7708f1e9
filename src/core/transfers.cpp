#include "core/transfers.h"

#include <optional>

#include "core/platform/dateioperationen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"

namespace {

// More clashes than this under one name means something else is wrong; keep the source.
constexpr int kHoechsteNummer = 9999;

// "temp.rec" -> "temp (k).rec"; a name without a dot gets the number at its end.
std::string NummerierterName(const std::string& name, int k) {
    const auto punkt = name.rfind('.');
    const std::string stamm = punkt == std::string::npos ? name : name.substr(0, punkt);
    const std::string endung = punkt == std::string::npos ? std::string() : name.substr(punkt);
    return stamm + " (" + std::to_string(k) + ")" + endung;
}

// A copy only counts when it is another file than the source: deleting a source that
// is its own "copy" (same folder under two spellings) would lose it.
bool SichereKopie(const std::string& quelle, const std::string& ziel) {
    return !plattform::GleicheDatei(quelle, ziel) && plattform::GleicherInhalt(quelle, ziel);
}

// The folder a path lies in, with its separator; "." for a bare name.
std::string OrdnerVon(const std::string& pfad) {
    const auto trenner = pfad.find_last_of("/\\");
    return trenner == std::string::npos ? std::string(".") : pfad.substr(0, trenner + 1);
}

// Why a copy to a free name failed, as far as the folders show it.
TKopierstand Fehlschlag(const std::string& quelle, const std::string& ziel) {
    if (!plattform::DateiExistiert(quelle)) return TKopierstand::KeineDatei;
    if (!plattform::VerzeichnisExistiert(OrdnerVon(ziel))) return TKopierstand::ZielordnerFehlt;
    return TKopierstand::Gescheitert;
}

// Copies into an unused name and checks the bytes. A copy that came out wrong is ours
// (the copy creates its target exclusively), so it goes again. Nothing when another file
// holds the name, so that the next name is tried.
std::optional<TKopierstand> KopierenUndPruefen(const std::string& quelle, const std::string& ziel) {
    if (plattform::Kopieren(quelle, ziel)) {
        if (SichereKopie(quelle, ziel)) return TKopierstand::Kopiert;
        plattform::Loeschen(ziel);
        return TKopierstand::NichtBestaetigt;
    }
    if (SichereKopie(quelle, ziel)) return TKopierstand::SchonDa;
    // Anything under the name, also a folder, blocks it; otherwise the copy failed for
    // want of the folder, of rights or of space, and another name would not help.
    if (plattform::NameBelegt(ziel)) return std::nullopt;
    return Fehlschlag(quelle, ziel);
}

// Brings ordner + name into zielOrdner, under name or the first free numbered name.
// The source may go when the result has arrived (Angekommen).
TKopierstand Uebertragen(const std::string& quelle, const std::string& zielOrdner, const std::string& name) {
    if (plattform::GleicheDatei(quelle, zielOrdner + name)) return TKopierstand::DieselbeDatei;
    for (int k = 1; k <= kHoechsteNummer; ++k) {
        const std::string ziel = zielOrdner + (k == 1 ? name : NummerierterName(name, k));
        if (const auto stand = KopierenUndPruefen(quelle, ziel)) return *stand;
    }
    return TKopierstand::KeinFreierName;
}

// Whether zielOrdner already holds a verified copy, under name or a numbered name, as
// Uebertragen would have left it. Copies nothing.
bool SchonAngekommen(const std::string& quelle, const std::string& zielOrdner, const std::string& name) {
    if (plattform::GleicheDatei(quelle, zielOrdner + name)) return false;
    for (int k = 1; k <= kHoechsteNummer; ++k) {
        const std::string ziel = zielOrdner + (k == 1 ? name : NummerierterName(name, k));
        if (SichereKopie(quelle, ziel)) return true;
        if (!plattform::NameBelegt(ziel)) return false;
    }
    return false;
}

}  // namespace

std::string KopierGrund(TKopierstand stand) {
    switch (stand) {
        case TKopierstand::Kopiert:
        case TKopierstand::SchonDa: return {};
        case TKopierstand::DieselbeDatei: return "Quelle und Ziel sind dieselbe Datei";
        case TKopierstand::KeineDatei: return "keine lesbare Datei";
        case TKopierstand::ZielordnerFehlt: return "Zielordner existiert nicht";
        case TKopierstand::NichtBestaetigt: return "Kopie nicht bestätigt und wieder entfernt";
        case TKopierstand::Gescheitert: return "Kopieren fehlgeschlagen";
        case TKopierstand::KeinFreierName: return "kein freier Name im Zielordner";
    }
    return "Kopieren fehlgeschlagen";
}

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
                                   bool entfernen) {
    const std::string playback = PlaybackOrdner(dowVerzeichnis);
    TKopierbericht bericht;
    for (const std::string& name : plattform::Aufzaehlen(playback + "*.rec")) {
        const TKopierstand stand = Uebertragen(playback + name, replayVerzeichnis, name);
        bericht.Dateien.push_back({name, stand});
        if (entfernen && Angekommen(stand)) plattform::Loeschen(playback + name);
    }
    return bericht;
}

void PlaybackLeeren(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis) {
    PlaybackImportieren(dowVerzeichnis, replayVerzeichnis, true);
}

void ReplayNachPlayback(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                        const std::string& dateiname) {
    Uebertragen(replayVerzeichnis + dateiname, PlaybackOrdner(dowVerzeichnis), dateiname);
}

TKopierbericht BibliothekKopieren(const std::string& alt, const std::string& neu) {
    TKopierbericht bericht;
    for (const std::string& name : plattform::Aufzaehlen(alt + "*.rec"))
        bericht.Dateien.push_back({name, Uebertragen(alt + name, neu, name)});
    return bericht;
}

void BibliothekLeeren(const std::string& alt, const std::string& neu) {
    // The folders may have changed while the question was open, so every source is
    // checked against the new folder again rather than trusting the first pass.
    for (const std::string& name : plattform::Aufzaehlen(alt + "*.rec"))
        if (SchonAngekommen(alt + name, neu, name)) plattform::Loeschen(alt + name);
}

namespace {
std::string Zusatz(int anzahl, const char* einer, const char* mehrere) {
    return anzahl == 0 ? std::string() : ", " + std::to_string(anzahl) + " " + (anzahl == 1 ? einer : mehrere);
}
}  // namespace

std::string KopiertText(const TKopierbericht& bericht) {
    return std::to_string(bericht.Anzahl(TKopierstand::Kopiert)) + " Replays wurden kopiert" +
           Zusatz(bericht.Anzahl(TKopierstand::SchonDa), "war schon vorhanden", "waren schon vorhanden") +
           Zusatz(bericht.NichtAngekommen(), "wurde nicht kopiert", "wurden nicht kopiert") + ".";
}

std::string UmzugText(const TKopierbericht& bericht) {
    return std::to_string(bericht.Anzahl(TKopierstand::Kopiert)) + " Replays kopiert" +
           Zusatz(bericht.Anzahl(TKopierstand::SchonDa), "schon vorhanden", "schon vorhanden") +
           Zusatz(bericht.NichtAngekommen(), "nicht kopiert", "nicht kopiert");
}
