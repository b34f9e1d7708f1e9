#include "wanderung.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/autospeichern.h"
#include "core/bibliothek.h"
#include "core/fehler.h"
#include "core/geloeschte.h"
#include "core/platform/dateistempel.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/quelldatei.h"
#include "core/platform/tempdatei.h"
#include "core/replay.h"
#include "core/transfers.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "support/replaybauer.h"
#include "support/testdateien.h"

namespace fs = std::filesystem;
using plattform::Operation;
using namespace wanderung;

namespace {

// Names outside hands give files; the game's own "temp.rec" among them.
const char* const kNamen[] = {"temp.rec", "a.rec", "Spiel.REC", "Ärger 2v2.rec", "b.rec"};
constexpr int kAnzahlNamen = std::size(kNamen);
// New stored names: the name of another replay of the walk ("Spiel A") makes two files of
// one content.
const std::u16string kNeueNamen[] = {u"Neu", u"Spiel A", u"Ein Name mit 25 Zeichen!!", u"Ärger", u"Testspiel"};
constexpr std::size_t kHoechstensDateien = 24;  // per folder, so that a walk's steps stay cheap

}  // namespace

std::string TWanderung::Name(int wahl) { return kNamen[wahl % kAnzahlNamen]; }

TWanderung::TWanderung()
    : spiel_(temp_.Pfad() + "spiel"),
      playback_{PlaybackOrdner(spiel_), PlaybackOrdner(temp_.Pfad() + "spiel2")},
      bib_{temp_.Pfad() + "bib1/", temp_.Pfad() + "bib2/"},
      vorrat_(Vorrat()),
      vollstaendig_(vorrat_.begin(), vorrat_.end()),
      uhr_(temp_.Pfad()) {
    for (const std::string& ordner : Ordner()) fs::create_directories(FsPfad(ordner));
    NeuerBibliotheksstand();
}

TWanderung::~TWanderung() {
    wachsend_.clear();
    plattform::FehlerplanLeeren();
}


void TWanderung::NeuerBibliotheksstand() {
    for (auto& speicher : autoSpeicher_) speicher.reset();
    geloeschte_ = std::make_unique<TGeloeschte>();
    bibliothek_ = std::make_unique<TBibliothek>(TBibliothek::Lesen(bib_[aktuell_]));
    for (int i = 0; i < 2; ++i)
        autoSpeicher_[i] = std::make_unique<TAutoSpeicher>(playback_[i], *bibliothek_, *geloeschte_, StandardDateiname);
}

std::vector<std::string> TWanderung::Ordner() const { return {playback_[0], playback_[1], bib_[0], bib_[1]}; }

std::string TWanderung::Waehlen(const std::string& ordner, int wahl) const {
    const auto namen = wanderung::Replays(ordner);
    return namen.empty() ? std::string() : ordner + namen[wahl % namen.size()];
}

Bestand TWanderung::Lesen() const { return wanderung::Lesen(Ordner()); }

void TWanderung::Beendet(const std::string& pfad) {
    if (const auto it = wachsend_.find(pfad); it != wachsend_.end()) wachsend_.erase(it);
}

void TWanderung::DraussenSchreiben(const std::string& pfad, const Bytes& inhalt) {
    Beendet(pfad);
    if (const auto alt = wanderung::DraussenSchreiben(pfad, inhalt, uhr_.Jetzt())) ++protokoll_.draussenWeg[*alt];
    draussenGeschrieben_[pfad] = inhalt;
}

void TWanderung::DraussenEntfernen(const std::string& pfad) {
    Beendet(pfad);
    if (const auto alt = wanderung::DraussenEntfernen(pfad)) ++protokoll_.draussenWeg[*alt];
}

void TWanderung::Wachsen(const std::string& ordner, int wahl, int inhalt) {
    auto it = std::find_if(wachsend_.begin(), wachsend_.end(),
                           [&](const auto& w) { return w.first.starts_with(ordner); });
    if (it == wachsend_.end() || wahl % 3 == 0) {
        const std::string pfad = ordner + "wachsend " + kNamen[wahl % kAnzahlNamen];
        std::error_code fehler;
        if (wachsend_.count(pfad) || fs::exists(FsPfad(pfad), fehler)) return;
        auto w = std::make_unique<wanderung::TWachsend>();
        w->aus.open(FsPfad(pfad), std::ios::binary);
        w->ziel = vorrat_[inhalt % vorrat_.size()];
        it = wachsend_.emplace(pfad, std::move(w)).first;
    } else {
        ++protokoll_.draussenWeg[Einlesen(it->first)];
    }
    const bool fertig = Weiterschreiben(*it->second, it->first, uhr_.Jetzt());
    draussenGeschrieben_[it->first] = it->second->Geschrieben();
    if (fertig) wachsend_.erase(it);
}

TWanderung::TUmbenennung TWanderung::Umbenennen(const std::string& pfad, int name,
                                                  const std::function<void()>& vorher) {
    TUmbenennung u;
    if (pfad.empty()) return u;
    TAufgezeichneteMeldungen gelesen;
    std::unique_ptr<TReplay> replay;
    try {
        replay = std::make_unique<TReplay>(pfad, gelesen);
    } catch (const std::exception&) {
        return u;
    }
    if (!gelesen.Arten.empty()) return u;
    u.alt = Einlesen(pfad);
    const std::u16string& neuerName = kNeueNamen[name % std::size(kNeueNamen)];
    const auto neu = UmbenanntenInhaltBauen(u.alt, replay->NamensLaenge, neuerName);
    if (!neu) return u;
    u.neu = *neu;
    u.gelesen = true;
    vollstaendig_.insert(u.neu);
    protokoll_.umbenannt[u.alt].push_back(u.neu);
    const std::string verzeichnis = ReplayVerzeichnis;
    ReplayVerzeichnis = pfad.substr(0, pfad.size() - replay->Dateiname.size());
    TAufgezeichneteMeldungen meldungen;
    try {
        if (vorher) vorher();
        ReplayUmbenennen(*replay, neuerName, meldungen);
    } catch (const Fehler&) {
        u.geworfen = true;
    }
    ReplayVerzeichnis = verzeichnis;
    u.meldungen = static_cast<int>(meldungen.Arten.size());
    return u;
}

void TWanderung::Zaehlen(const std::string& befehl, const TKopierbericht& bericht) {
    for (const TKopierteDatei& d : bericht.Dateien)
        ++statistik_[befehl + " " + std::to_string(static_cast<int>(d.Stand)) + (d.Entfernt ? " entfernt" : "")];
}

void TWanderung::PlaeneAnwenden() {
    for (const auto& plan : plaene_) plan();
    plaene_.clear();
}

void TWanderung::PlaeneLeeren() {
    plaene_.clear();
    plattform::FehlerplanLeeren();
    uhr_.Stellen();
}

void TWanderung::Geplant(const std::function<void()>& befehl) {
    PlaeneAnwenden();
    befehl();
    PlaeneLeeren();
}

void TWanderung::Dazwischen(int aktion) {
    ++protokoll_.draussen;
    const int d = aktion / 8;
    const std::string& bib = bib_[aktuell_];
    const std::string& playback = playback_[d % 2];
    switch (aktion % 8) {
        case 0: PlaybackOrdnerImportieren({playback_[0], playback_[1]}, bib, true); break;
        case 1: DraussenSchreiben(playback + kNamen[d % kAnzahlNamen], vorrat_[d % vorrat_.size()]); break;
        case 2: DraussenEntfernen(Waehlen(playback, d)); break;
        case 3: DraussenEntfernen(Waehlen(bib, d)); break;
        case 4:
            if (const std::string pfad = Waehlen(playback, d); !pfad.empty())
                DraussenSchreiben(pfad, vorrat_[(d + 1) % vorrat_.size()]);
            break;
        case 5: Umbenennen(Waehlen(bib, d), d, nullptr); break;
        case 6: {
            TBibliothek zweite = TBibliothek::Lesen(bib);
            TGeloeschte keine;
            if (const std::string pfad = Waehlen(playback, d); !pfad.empty())
                TAutoSpeicher(playback, zweite, keine, StandardDateiname).Speichern(NameVon(pfad));
            break;
        }
        default: Wachsen(playback, d, d); break;
    }
}


std::string TWanderung::Beschreiben(const Bytes& inhalt) const { return wanderung::Beschreiben(inhalt, vorrat_, vollstaendig_); }

std::string TWanderung::Pruefen(const Bestand& vorher, const Bestand& nachher) {
    const auto beschreiben = [this](const Bytes& b) { return Beschreiben(b); };
    return Verlorene(vorher, nachher, protokoll_, beschreiben) +
           DateienPruefen(nachher, vollstaendig_, draussenGeschrieben_, protokoll_.fehler, erlaubteReste_, beschreiben);
}

std::string TWanderung::Gehen(const TSchritt& schritt) {
    // Copies of copies pile up in library moves, twice as many at each move where renames
    // gave them other names: a full folder loses files by outside hands first, so that a
    // step stays cheap however long the walk.
    for (const std::string& ordner : Ordner())
        for (int i = 0; wanderung::Replays(ordner).size() > kHoechstensDateien; ++i) {
            DraussenEntfernen(Waehlen(ordner, schritt.b + i));
            bestand_.reset();
        }
    if (!bestand_) bestand_ = Lesen();
    const Bestand vorher = std::move(*bestand_);
    protokoll_ = {};
    pruefung_ = nullptr;
    std::string befund;
    try {
        befund = Schritt(schritt, vorher);
    } catch (const std::exception& e) {
        befund = std::string(" warf: ") + e.what();
    }
    bestand_ = Lesen();
    const Bestand& nachher = *bestand_;
    befund += Pruefen(vorher, nachher);
    // Where a second process or outside hands acted meanwhile, the counts cannot be told
    // apart from theirs; nothing may be lost all the same.
    if (pruefung_ && protokoll_.draussen == 0) befund += pruefung_(nachher);
    pruefung_ = nullptr;
    return befund;
}
