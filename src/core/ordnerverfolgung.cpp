#include "core/ordnerverfolgung.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "core/platform/dateistempel.h"
#include "core/platform/maske.h"
#include "core/platform/ordnerwaechter.h"

namespace {

std::int64_t Sekunden(int n) { return n * plattform::StempelProSekunde(); }

// The look's own duration is measured by the real clock, whatever the fault plan's says.
std::int64_t StempelSeit(std::chrono::steady_clock::time_point anfang) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - anfang);
    return ns.count() / (1000000000 / plattform::StempelProSekunde());
}

}  // namespace

TOrdnerverfolgung::TOrdnerverfolgung(std::string ordner, std::string maske,
                                     std::optional<TOrdnerblick::TStaende> ausgangslage)
    : ordner_(std::move(ordner)), maske_(maske), blick_(ordner_, std::move(maske)) {
    const std::int64_t jetzt = plattform::StempelZeitJetzt();
    // The watch first: a change between it and the reference is reported, not lost.
    WaechterStarten(jetzt);
    fern_ = plattform::FernerOrdner(ordner_);
    if (ausgangslage) blick_.Aufnehmen(std::move(*ausgangslage));
    else blick_.Aufnehmen();
    blickAbstand_ = Sekunden(kBlickAbstandSekunden);
    naechsterBlick_ = jetzt + blickAbstand_;
    neuerGriff_ = false;
}

TOrdnerverfolgung::~TOrdnerverfolgung() = default;

void TOrdnerverfolgung::WaechterStarten(std::int64_t jetzt) {
    waechter_ = plattform::Ordnerwaechter::Starten(ordner_);
    naechstePruefung_ = jetzt + Sekunden(kPruefAbstandSekunden);
    if (waechter_) neuerGriff_ = true;
}

std::intptr_t TOrdnerverfolgung::Griff() const { return waechter_ ? waechter_->Griff() : -1; }

bool TOrdnerverfolgung::Benachrichtigt() const { return waechter_ != nullptr; }

std::int64_t TOrdnerverfolgung::NaechsterTermin() const {
    std::int64_t termin = naechstePruefung_;
    if (!waechter_ || fern_) termin = std::min(termin, naechsterBlick_);
    for (const auto& [name, wann] : spaeter_) termin = std::min(termin, wann);
    return termin;
}

TOrdnerbericht TOrdnerverfolgung::Abholen() {
    TOrdnerbericht bericht;
    const std::int64_t jetzt = plattform::StempelZeitJetzt();
    std::set<std::string> namen;
    bool abgleichen = false;
    if (waechter_) {
        bool verloren = false;
        for (const plattform::Ordneraenderung& a : waechter_->Abholen()) {
            if (a.Art == plattform::Ordnerereignis::Ueberlauf) abgleichen = true;
            else if (a.Art == plattform::Ordnerereignis::OrdnerWeg) verloren = true;
            else if (plattform::PasstZuMaske(a.Name, maske_)) namen.insert(a.Name);
        }
        if (!verloren && jetzt >= naechstePruefung_) {
            naechstePruefung_ = jetzt + Sekunden(kPruefAbstandSekunden);
            // Deleted and made again, or moved away: not every system says so.
            verloren = !waechter_->Gueltig();
        }
        if (verloren) {
            waechter_.reset();
            neuerGriff_ = true;
            abgleichen = true;
            // A folder made again at once is watched again at once.
            WaechterStarten(jetzt);
        }
    } else if (jetzt >= naechstePruefung_) {
        WaechterStarten(jetzt);
        abgleichen = waechter_ != nullptr;  // what changed while nothing watched
    }
    if ((!waechter_ || fern_) && jetzt >= naechsterBlick_) abgleichen = true;

    if (abgleichen) {
        const auto anfang = std::chrono::steady_clock::now();
        for (std::string& name : blick_.Vergleichen()) namen.insert(std::move(name));
        blickAbstand_ = std::max(Sekunden(kBlickAbstandSekunden), 50 * StempelSeit(anfang));
        naechsterBlick_ = jetzt + blickAbstand_;
        bericht.Abgeglichen = true;
    } else {
        for (const std::string& name : namen) blick_.Nachtragen(name);
    }
    for (auto it = spaeter_.begin(); it != spaeter_.end();) {
        if (it->second > jetzt) {
            ++it;
            continue;
        }
        namen.insert(it->first);
        it = spaeter_.erase(it);
    }
    bericht.Namen.assign(namen.begin(), namen.end());
    bericht.NeuerGriff = neuerGriff_;
    neuerGriff_ = false;
    return bericht;
}

void TOrdnerverfolgung::SpaeterNochmal(const std::string& name, std::int64_t wann) {
    auto [it, neu] = spaeter_.try_emplace(name, wann);
    if (!neu) it->second = std::min(it->second, wann);
}

void TOrdnerverfolgung::Warten(int millisekunden) {
    // In slices, so that Aufwecken from another thread is heard soon without a second
    // handle to wait on.
    constexpr int kScheibe = 50;
    for (int rest = millisekunden; rest > 0 && !geweckt_; rest -= kScheibe) {
        const int scheibe = std::min(rest, kScheibe);
        if (waechter_) {
            if (waechter_->Warten(scheibe)) break;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(scheibe));
        }
    }
    geweckt_ = false;
}
