#include "transfers.h"

#include "platform/dateioperationen.h"
#include "platform/dateisystem.h"
#include "platform/pfad.h"

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

// Copies into an unused name and checks the bytes. A copy that came out wrong is ours
// (the copy creates its target exclusively), so it goes again.
enum class Versuch { Sicher, Belegt, Gescheitert };
Versuch KopierenUndPruefen(const std::string& quelle, const std::string& ziel) {
    if (plattform::Kopieren(quelle, ziel)) {
        if (SichereKopie(quelle, ziel)) return Versuch::Sicher;
        plattform::Loeschen(ziel);
        return Versuch::Gescheitert;
    }
    if (SichereKopie(quelle, ziel)) return Versuch::Sicher;
    // Anything under the name, also a folder, blocks it; otherwise the copy failed for
    // want of the folder, of rights or of space, and another name would not help.
    return plattform::NameBelegt(ziel) ? Versuch::Belegt : Versuch::Gescheitert;
}

// Brings ordner + name into zielOrdner, under name or the first free numbered name.
// True when zielOrdner then holds a verified copy, so the source may go.
bool Uebertragen(const std::string& quelle, const std::string& zielOrdner, const std::string& name) {
    if (plattform::GleicheDatei(quelle, zielOrdner + name)) return false;
    for (int k = 1; k <= kHoechsteNummer; ++k) {
        const std::string ziel = zielOrdner + (k == 1 ? name : NummerierterName(name, k));
        switch (KopierenUndPruefen(quelle, ziel)) {
            case Versuch::Sicher: return true;
            case Versuch::Gescheitert: return false;
            case Versuch::Belegt: break;
        }
    }
    return false;
}

// Whether zielOrdner already holds a verified copy, under name or a numbered name, as
// Uebertragen would have left it. Copies nothing.
bool Angekommen(const std::string& quelle, const std::string& zielOrdner, const std::string& name) {
    if (plattform::GleicheDatei(quelle, zielOrdner + name)) return false;
    for (int k = 1; k <= kHoechsteNummer; ++k) {
        const std::string ziel = zielOrdner + (k == 1 ? name : NummerierterName(name, k));
        if (SichereKopie(quelle, ziel)) return true;
        if (!plattform::NameBelegt(ziel)) return false;
    }
    return false;
}

}  // namespace

std::string PlaybackOrdner(const std::string& dowVerzeichnis) {
    const char t = plattform::Trenner();
    return dowVerzeichnis + t + "Playback" + t;
}

int PlaybackImportieren(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis, bool entfernen) {
    const std::string playback = PlaybackOrdner(dowVerzeichnis);
    int anzahl = 0;
    for (const std::string& name : plattform::Aufzaehlen(playback + "*.rec")) {
        const bool sicher = Uebertragen(playback + name, replayVerzeichnis, name);
        ++anzahl;
        if (entfernen && sicher) plattform::Loeschen(playback + name);
    }
    return anzahl;
}

void PlaybackLeeren(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis) {
    PlaybackImportieren(dowVerzeichnis, replayVerzeichnis, true);
}

void ReplayNachPlayback(const std::string& dowVerzeichnis, const std::string& replayVerzeichnis,
                        const std::string& dateiname) {
    Uebertragen(replayVerzeichnis + dateiname, PlaybackOrdner(dowVerzeichnis), dateiname);
}

int BibliothekKopieren(const std::string& alt, const std::string& neu) {
    int anzahl = 0;
    for (const std::string& name : plattform::Aufzaehlen(alt + "*.rec")) {
        Uebertragen(alt + name, neu, name);
        ++anzahl;
    }
    return anzahl;
}

void BibliothekLeeren(const std::string& alt, const std::string& neu) {
    // The folders may have changed while the question was open, so every source is
    // checked against the new folder again rather than trusting the first pass.
    for (const std::string& name : plattform::Aufzaehlen(alt + "*.rec"))
        if (Angekommen(alt + name, neu, name)) plattform::Loeschen(alt + name);
}

std::string KopiertText(int anzahl) { return std::to_string(anzahl) + " Replays wurden kopiert."; }
