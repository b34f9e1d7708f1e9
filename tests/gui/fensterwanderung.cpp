#include "fensterwanderung.h"

#include <QApplication>
#include <QTest>
#include <exception>
#include <filesystem>
#include <fstream>

#include "core/namensvorlage.h"
#include "core/platform/benutzerordner.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/pfad.h"
#include "core/platform/tempdatei.h"
#include "core/transfers.h"
#include "core/variablen.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "gui/regionaleinstellungen.h"

namespace fs = std::filesystem;
using namespace wanderung;

namespace {
constexpr std::size_t kHoechstensDateien = 24;  // per folder, so that a step stays cheap
}  // namespace

bool TWanderdialoge::Eingabe(const std::string&, const std::string& prompt, std::string& text,
                             const TEingaberegeln& regeln) {
    eingabeTexte.push_back(prompt);
    for (const std::string& e : eingaben)
        if (!regeln.Pruefen || regeln.Pruefen(e).empty()) {
            text = e;
            return true;
        }
    return false;
}

void TWanderdialoge::Vergessen() {
    nachrichten.clear();
    fragen.clear();
    eingabeTexte.clear();
}

TFensterwanderung::TFensterwanderung()
    : spiel_(temp_.Pfad() + "spiel/"),
      playback_{PlaybackOrdner(spiel_), temp_.Pfad() + "spiel2/Playback/"},
      bib_(temp_.Pfad() + "bibliothek/"),
      draussen_(temp_.Pfad() + "draussen/"),
      // Qt's trash on the freedesktop systems, in a data folder of the walk's own; the
      // Recycle Bin is no folder the walk reads.
      papierkorb_(plattform::IstPosix() ? temp_.Pfad() + "daten/Trash/files/" : std::string()),
      vorrat_(Vorrat()),
      vollstaendig_(vorrat_.begin(), vorrat_.end()),
      uhr_(temp_.Pfad()) {
    for (const std::string& ordner : {playback_[0], playback_[1], bib_, draussen_, temp_.Pfad() + "daten/Trash/"})
        fs::create_directories(FsPfad(ordner));
    if (!papierkorb_.empty()) fs::create_directories(FsPfad(papierkorb_));
    std::ofstream(FsPfad(spiel_ + "W40k.exe")) << "MZ";
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(temp_.Pfad() + "daten"));
    // What a drop brings: replays, a folder of them, and a file that is none.
    for (std::size_t i = 0; i < vorrat_.size(); ++i)
        wanderung::DraussenSchreiben(draussen_ + "draussen " + char('A' + i) + ".rec", vorrat_[i], uhr_.Jetzt());
    std::ofstream(FsPfad(draussen_ + "notiz.txt")) << "kein Replay";
    for (int i = 0; i < 3; ++i)
        DraussenSchreiben(bib_ + std::string(1, char('a' + i)) + ".rec", vorrat_[static_cast<std::size_t>(i)]);
    AutoSpeichern = true;
    Namensvorlage = kStandardvorlage;
    Installationen.clear();
    fenster_ = std::make_unique<TfrmMain>(dlg_, Regionaleinstellungen::Deutsch(), [this] {
        DOWVerzeichnis = spiel_;
        ReplayVerzeichnis = bib_;
        WeiterePlaybackOrdner = {playback_[1]};
        IndexVerzeichnis = plattform::BenutzerCacheOrdner();
        return false;
    });
    fenster_->show();
    static_cast<void>(QTest::qWaitForWindowExposed(fenster_.get()));
    Abholen();
}

TFensterwanderung::~TFensterwanderung() {
    fenster_.reset();
    wachsend_.clear();
    plattform::FehlerplanLeeren();
    DOWVerzeichnis.clear();
    ReplayVerzeichnis.clear();
    WeiterePlaybackOrdner.clear();
    IndexVerzeichnis.clear();
    ::Replays.clear();
    Namensvorlage = kStandardvorlage;
}

std::vector<std::string> TFensterwanderung::Ordner() const {
    std::vector<std::string> ordner{playback_[0], playback_[1], bib_};
    if (!papierkorb_.empty()) ordner.push_back(papierkorb_);
    return ordner;
}

const std::string& TFensterwanderung::Ort(int wahl) const { return wahl % 3 == 1 ? bib_ : playback_[wahl % 3 / 2]; }

std::string TFensterwanderung::Waehlen(const std::string& ordner, int wahl) const {
    const auto namen = wanderung::Replays(ordner);
    return namen.empty() ? std::string() : ordner + namen[static_cast<std::size_t>(wahl) % namen.size()];
}

TFensterwanderung::Bestand TFensterwanderung::Lesen() const {
    Bestand bestand = wanderung::Lesen(Ordner());
    // The trash gives a second file of a name another ending ("a.rec-0001"): it is a
    // replay all the same.
    for (auto it = bestand.begin(); it != bestand.end();) {
        if (papierkorb_.empty() || !it->first.starts_with(papierkorb_) || IstRec(it->first)) {
            ++it;
            continue;
        }
        auto knoten = bestand.extract(it++);
        knoten.key() += ".rec";
        bestand.insert(std::move(knoten));
    }
    int i = 0;
    for (const Bytes& inhalt : imPapierkorb_) bestand["Papierkorb/" + std::to_string(i++) + ".rec"] = inhalt;
    return bestand;
}

void TFensterwanderung::DraussenSchreiben(const std::string& pfad, const Bytes& inhalt) {
    wachsend_.erase(pfad);
    if (const auto alt = wanderung::DraussenSchreiben(pfad, inhalt, uhr_.Jetzt())) ++protokoll_.draussenWeg[*alt];
    draussenGeschrieben_[pfad] = inhalt;
    gesehen_ = false;
}

void TFensterwanderung::DraussenEntfernen(const std::string& pfad) {
    wachsend_.erase(pfad);
    if (const auto alt = wanderung::DraussenEntfernen(pfad)) ++protokoll_.draussenWeg[*alt];
    gesehen_ = false;
}

void TFensterwanderung::Abholen() {
    // Natively the watch's reports are there at once; Wine's server passes them on a
    // moment later, so there the walk looks again until the list has them.
    for (int i = 0; i < 50; ++i) {
        fenster_->Live()->JetztAbholen();
        QCoreApplication::processEvents();
        fenster_->Live()->JetztAbholen();
        if (FensterPruefen().empty()) break;
        QTest::qWait(20);
    }
    gesehen_ = true;
    protokoll_.abgeholt = true;
}

void TFensterwanderung::Befehl(const std::string& name, const std::function<void()>& befehl) {
    ++statistik_[name];
    protokoll_.befehl = true;
    dlg_.Vergessen();
    for (const auto& plan : plaene_) plan();
    plaene_.clear();
    befehl();
    plattform::FehlerplanLeeren();
    uhr_.Stellen();
    direkt_ = Lesen();
}

void TFensterwanderung::Dazwischen(int aktion) {
    ++protokoll_.draussen;
    const int d = aktion / 6;
    const std::string& playback = playback_[d % 2];
    switch (aktion % 6) {
        case 0: PlaybackOrdnerImportieren({playback_[0], playback_[1]}, bib_, true); break;
        case 1: DraussenSchreiben(playback + "zweiter " + std::to_string(d % 3) + ".rec", vorrat_[d % vorrat_.size()]); break;
        case 2: DraussenEntfernen(Waehlen(playback, d)); break;
        case 3: DraussenEntfernen(Waehlen(bib_, d)); break;
        case 4:
            if (const std::string pfad = Waehlen(bib_, d); !pfad.empty())
                DraussenSchreiben(pfad, vorrat_[(d + 1) % vorrat_.size()]);
            break;
        default: DraussenSchreiben(bib_ + "zweiter " + std::to_string(d % 3) + ".rec", vorrat_[d % vorrat_.size()]); break;
    }
}

std::string TFensterwanderung::Gehen(const TSchritt& schritt) {
    // Copies pile up: a full folder loses files by outside hands first, and the user
    // empties the trash now and then.
    for (const std::string& ordner : Ordner())
        for (int i = 0; wanderung::Replays(ordner).size() > kHoechstensDateien; ++i)
            DraussenEntfernen(Waehlen(ordner, schritt.b + i));
    const Bestand vorher = Lesen();
    vorher_ = &vorher;
    protokoll_ = {};
    pruefung_ = nullptr;
    direkt_.reset();
    std::string befund;
    try {
        (this->*Schritt(schritt))(schritt);
        if (protokoll_.befehl) Abholen();
    } catch (const std::exception& e) {
        befund = std::string(" warf: ") + e.what();
    }
    const Bestand nachher = Lesen();
    befund += DateienPruefen(vorher, nachher);
    // Where a second process or outside hands acted meanwhile, the counts cannot be told
    // apart from theirs; nothing may be lost all the same.
    if (pruefung_ && direkt_ && protokoll_.draussen == 0) befund += pruefung_(vorher, *direkt_);
    pruefung_ = nullptr;
    vorher_ = nullptr;
    if (gesehen_) befund += FensterPruefen();
    return befund;
}

// The game writes a new game into a Playback folder, a third of it at a time.
void TFensterwanderung::Waechst(const TSchritt& s) {
    const std::string& ordner = playback_[s.a % 2];
    auto it = std::find_if(wachsend_.begin(), wachsend_.end(), [&](const auto& w) { return w.first.starts_with(ordner); });
    if (it == wachsend_.end()) {
        const std::string pfad = ordner + "wachsend " + std::to_string(s.b % 4) + ".rec";
        std::error_code fehler;
        if (fs::exists(FsPfad(pfad), fehler)) return;
        auto w = std::make_unique<wanderung::TWachsend>();
        w->aus.open(FsPfad(pfad), std::ios::binary);
        w->ziel = vorrat_[static_cast<std::size_t>(s.c) % vorrat_.size()];
        it = wachsend_.emplace(pfad, std::move(w)).first;
    } else {
        ++protokoll_.draussenWeg[Einlesen(it->first)];
    }
    const bool fertig = Weiterschreiben(*it->second, it->first, uhr_.Jetzt());
    draussenGeschrieben_[it->first] = it->second->Geschrieben();
    if (fertig) wachsend_.erase(it);
    gesehen_ = false;
}

void TFensterwanderung::Zeit(const TSchritt& s) {
    uhr_.Weiter(s.a % 5);
    for (auto& [pfad, w] : wachsend_) {
        std::error_code fehler;
        fs::last_write_time(FsPfad(pfad), uhr_.Jetzt(), fehler);
    }
}
