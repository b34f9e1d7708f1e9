#include "gui/livebibliothek.h"

#include <QTimer>
#include <algorithm>

#include "core/ordnerverfolgung.h"
#include "core/platform/dateistempel.h"
#include "core/variablen.h"
#include "gui/platform/griffmelder.h"

TLiveBibliothek::TLiveBibliothek(QObject* parent)
    : QObject(parent), schritt_(new QTimer(this)), index_(new QTimer(this)) {
    schritt_->setSingleShot(true);
    connect(schritt_, &QTimer::timeout, this, &TLiveBibliothek::Abarbeiten);
    index_->setSingleShot(true);
    index_->setInterval(kIndexNachMillisekunden);
    connect(index_, &QTimer::timeout, this, &TLiveBibliothek::IndexSichern);
}

TLiveBibliothek::~TLiveBibliothek() { Anhalten(); }

void TLiveBibliothek::Starten(const TOrdner& ordner) {
    // The Playback watches stay over a refresh of the same folders: a game waiting for its
    // quiet time is still saved when that comes.
    const bool gleicheBibliothek = ordner.Bibliothek == bibliotheksOrdner_;
    const bool gleich = gleicheBibliothek && ordner.AutoSpeichern == autoSpeichern_ && ordner.Playback == playbackOrdner_;
    std::vector<std::unique_ptr<TWache>> behalten;
    if (gleich) behalten.swap(playbackwachen_);
    // So does the library's: it watched while the scan listed the folder, so a file another
    // process adds meanwhile is reported, where a new watch would take the scan's view, which
    // lacks it, as the folder's and never show it.
    if (gleicheBibliothek && bibliothekswache_.verfolgung) {
        for (auto& wache : playbackwachen_) WacheBeenden(*wache);
        playbackwachen_.clear();
        autoSpeichern_ = ordner.AutoSpeichern;
        playbackOrdner_ = ordner.Playback;
        if (!behalten.empty()) playbackwachen_ = std::move(behalten);
        else PlaybackWachenStarten(ordner);
        return;
    }
    Anhalten();
    autoSpeichern_ = ordner.AutoSpeichern;
    playbackOrdner_ = ordner.Playback;
    bibliotheksOrdner_ = ordner.Bibliothek;
    if (ordner.Bibliothek.empty()) return;
    // What the user deleted is read once per library folder: where the cache could not
    // take the last deletions, reading it again at a refresh would forget them, and the
    // automatic save would bring those games back from Playback.
    if (!gleicheBibliothek) geloeschte_ = TGeloeschte::Laden(ordner.Bibliothek);
    // The scan's view of the library is the reference: nothing is listed twice.
    bibliothekswache_.verfolgung =
        std::make_unique<TOrdnerverfolgung>(ordner.Bibliothek, "*.rec", bibliothek_.Staende());
    WacheEinrichten(bibliothekswache_);
    if (!behalten.empty()) playbackwachen_ = std::move(behalten);
    else PlaybackWachenStarten(ordner);
}

void TLiveBibliothek::PlaybackWachenStarten(const TOrdner& ordner) {
    if (!ordner.AutoSpeichern) return;
    for (const std::string& playback : ordner.Playback) {
        auto& wache = *playbackwachen_.emplace_back(std::make_unique<TWache>());
        wache.speicher = std::make_unique<TAutoSpeicher>(playback, bibliothek_, geloeschte_, ordner.Namensgeber);
        wache.verfolgung = std::make_unique<TOrdnerverfolgung>(playback, "*.rec");
        WacheEinrichten(wache);
    }
}

void TLiveBibliothek::Anhalten() {
    for (auto& wache : playbackwachen_) WacheBeenden(*wache);
    playbackwachen_.clear();
    WacheBeenden(bibliothekswache_);
    offen_.clear();
    offenMenge_.clear();
    schritt_->stop();
}

void TLiveBibliothek::WacheEinrichten(TWache& wache) {
    wache.termin = new QTimer(this);
    wache.termin->setSingleShot(true);
    connect(wache.termin, &QTimer::timeout, this, [this, &wache] { Abholen(wache); });
    if (const std::intptr_t griff = wache.verfolgung->Griff(); griff != -1)
        wache.melder = GriffmelderErstellen(griff, [this, &wache] { Abholen(wache); }, this);
    TerminSetzen(wache);
}

void TLiveBibliothek::WacheBeenden(TWache& wache) {
    delete wache.melder;
    delete wache.termin;
    wache.melder = nullptr;
    wache.termin = nullptr;
    wache.verfolgung.reset();
    wache.speicher.reset();
}

void TLiveBibliothek::TerminSetzen(TWache& wache) {
    if (!wache.verfolgung) return;
    const std::int64_t warten = wache.verfolgung->NaechsterTermin() - plattform::StempelZeitJetzt();
    const std::int64_t proSekunde = plattform::StempelProSekunde();
    // A millisecond late rather than early, so the watch finds its time has come.
    const std::int64_t ms = std::clamp<std::int64_t>(warten * 1000 / proSekunde + 1, 0, 60000);
    wache.termin->start(static_cast<int>(ms));
}

void TLiveBibliothek::Abholen(TWache& wache) {
    if (!wache.verfolgung) return;
    const TOrdnerbericht bericht = wache.verfolgung->Abholen();
    if (bericht.NeuerGriff) {
        delete wache.melder;
        wache.melder = nullptr;
        if (const std::intptr_t griff = wache.verfolgung->Griff(); griff != -1)
            wache.melder = GriffmelderErstellen(griff, [this, &wache] { Abholen(wache); }, this);
    }
    if (wache.speicher) PlaybackAnsehen(wache, bericht.Namen);
    else Vormerken(bericht.Namen);
    TerminSetzen(wache);
}

void TLiveBibliothek::Ansehen(const std::vector<std::string>& namen) { Vormerken(namen); }

void TLiveBibliothek::Vormerken(const std::vector<std::string>& namen) {
    for (const std::string& name : namen)
        if (offenMenge_.insert(name).second) offen_.push_back(name);
    if (!offen_.empty() && !schritt_->isActive()) schritt_->start(0);
}

void TLiveBibliothek::Abarbeiten() {
    if (!bibliothekswache_.verfolgung) return;
    std::vector<std::string> namen;
    while (!offen_.empty() && namen.size() < kProSchritt) {
        offenMenge_.erase(offen_.front());
        namen.push_back(std::move(offen_.front()));
        offen_.pop_front();
    }
    std::vector<TBibliotheksaenderung> aenderungen = bibliothek_.Aktualisieren(namen);
    std::erase_if(aenderungen, [this](const TBibliotheksaenderung& a) {
        if (a.Stand == TBibliotheksstand::WirdGeschrieben) bibliothekswache_.verfolgung->SpaeterNochmal(a.Name, a.NochmalUm);
        return a.Stand == TBibliotheksstand::WirdGeschrieben || a.Stand == TBibliotheksstand::Unveraendert;
    });
    TerminSetzen(bibliothekswache_);
    if (!aenderungen.empty() && OnAenderungen) OnAenderungen(aenderungen);
    if (bibliothek_.IndexVeraltet() && !index_->isActive()) index_->start();
    if (!offen_.empty()) schritt_->start(0);
}

void TLiveBibliothek::PlaybackAnsehen(TWache& wache, const std::vector<std::string>& namen) {
    for (const std::string& name : namen) {
        const TSpeicherung s = wache.speicher->Speichern(name);
        switch (s.Stand) {
            case TSpeicherstand::WirdGeschrieben: wache.verfolgung->SpaeterNochmal(name, s.NochmalUm); break;
            case TSpeicherstand::Gespeichert:
                // The list shows it at once, not only when the library's watch tells of it.
                Vormerken({s.Zielname});
                [[fallthrough]];
            case TSpeicherstand::Fehlgeschlagen:
                if (OnGespeichert) OnGespeichert(s);
                break;
            default: break;
        }
    }
}

void TLiveBibliothek::JetztAbholen() {
    for (auto& wache : playbackwachen_) Abholen(*wache);
    Abholen(bibliothekswache_);
    while (!offen_.empty() && bibliothekswache_.verfolgung) Abarbeiten();
}

void TLiveBibliothek::IndexSichern() {
    index_->stop();
    if (bibliothekswache_.verfolgung && bibliothek_.IndexVeraltet()) bibliothek_.IndexSchreiben(Replays);
}
