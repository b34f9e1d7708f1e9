// The table of the walk's step kinds and the steps themselves: changes from outside,
// faults, and the core's commands, each with the check of its report.
#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>
#include <random>

#include "core/anzeigenamen.h"
#include "core/autospeichern.h"
#include "core/bibliothek.h"
#include "core/dateiumbenennen.h"
#include "core/namensvorlage.h"
#include "core/platform/dateistempel.h"
#include "core/platform/fehlerplan.h"
#include "core/meldungen.h"
#include "core/replay.h"
#include "core/transfers.h"
#include "support/testdateien.h"
#include "wanderung.h"
#include "wanderung_pruefung.h"

using plattform::Operation;
using namespace wanderung;
namespace fs = std::filesystem;

namespace {

const Operation kFehler[] = {Operation::Oeffnen,   Operation::Erzeugen,  Operation::Lesen,
                             Operation::Schreiben, Operation::Flush,     Operation::Schliessen,
                             Operation::Loeschen,  Operation::Ersetzen,  Operation::Verschieben,
                             Operation::Schreibtest, Operation::OhneErsetzenUmbenennen, Operation::Verknuepfen};
const Operation kHaken[] = {Operation::Oeffnen,   Operation::Lesen,       Operation::Erzeugen, Operation::Schreiben,
                            Operation::Flush,     Operation::Verschieben, Operation::Loeschen, Operation::Ersetzen};

// Where outside hands act: the library, or one of the two Playback folders.
const std::string& Draussen(int wahl, const std::string& bibliothek, const std::string (&playback)[2]) {
    return wahl % 3 == 1 ? bibliothek : playback[wahl % 3 / 2];
}

// Templates a rename by the template takes: the stored name alone makes clashes, which
// are numbered.
const char* const kVorlagen[] = {"{Name}", kStandardvorlage, "{Karte} {Spieleranzahl}"};

}  // namespace

// The table of step kinds. A new command is one more row: a name and the member that
// takes the step (planned faults and hooks go through Geplant) and, where its result can
// be checked, leaves the check in pruefung_.
struct TSchrittart {
    const char* name;
    std::string (TWanderung::*schritt)(const TSchritt&, const Bestand& vorher);
    static const TSchrittart Tabelle[15];
};

const TSchrittart TSchrittart::Tabelle[] = {
    {"Dazu", &TWanderung::Dazu},
    {"Weg", &TWanderung::Weg},
    {"Neu", &TWanderung::Neu},
    {"Waechst", &TWanderung::Waechst},
    {"Zeit", &TWanderung::Zeit},
    {"Fehler", &TWanderung::Fehlerplan},
    {"Dazwischen", &TWanderung::Haken},
    {"Import", &TWanderung::Import},
    {"Umbenennen", &TWanderung::UmbenennenSchritt},
    {"AutoSpeichern", &TWanderung::AutoSpeichern},
    {"NachPlayback", &TWanderung::NachPlayback},
    {"Umzug", &TWanderung::Umzug},
    {"Melden", &TWanderung::Melden},
    {"DateiUmbenennen", &TWanderung::DateiUmbenennenSchritt},
    {"Vorlage", &TWanderung::Vorlage},
};

namespace {
const auto& kArten = TSchrittart::Tabelle;

int Art(const TSchritt& s) { return ((s.art % Schrittarten()) + Schrittarten()) % Schrittarten(); }
}  // namespace

int Schrittarten() { return static_cast<int>(std::size(kArten)); }

std::ostream& operator<<(std::ostream& aus, const TSchritt& s) {
    return aus << kArten[Art(s)].name << '(' << s.a << ',' << s.b << ',' << s.c << ')';
}

void showValue(const TSchritt& schritt, std::ostream& aus) { aus << schritt; }

std::vector<TSchritt> Schritte(std::uint64_t saat, std::size_t anzahl, int arten) {
    // The engine's raw numbers are fixed by the standard; a distribution's are not.
    std::mt19937_64 zufall(saat);
    std::vector<TSchritt> schritte(anzahl);
    for (TSchritt& s : schritte)
        s = {static_cast<int>(zufall() % static_cast<unsigned>(arten)), static_cast<int>(zufall() % 256),
             static_cast<int>(zufall() % 256), static_cast<int>(zufall() % 256)};
    return schritte;
}

std::string TWanderung::Schritt(const TSchritt& s, const Bestand& vorher) { return (this->*kArten[Art(s)].schritt)(s, vorher); }

// The steps. Changes from outside first.

std::string TWanderung::Dazu(const TSchritt& s, const Bestand&) {
    DraussenSchreiben(Draussen(s.a, bib_[aktuell_], playback_) + Name(s.b), vorrat_[s.c % vorrat_.size()]);
    return {};
}

std::string TWanderung::Weg(const TSchritt& s, const Bestand&) {
    DraussenEntfernen(Waehlen(Draussen(s.a, bib_[aktuell_], playback_), s.b));
    return {};
}

std::string TWanderung::Neu(const TSchritt& s, const Bestand&) {
    if (const std::string pfad = Waehlen(Draussen(s.a, bib_[aktuell_], playback_), s.b); !pfad.empty())
        DraussenSchreiben(pfad, vorrat_[s.c % vorrat_.size()]);
    return {};
}

std::string TWanderung::Waechst(const TSchritt& s, const Bestand&) {
    Wachsen(Draussen(s.a, bib_[aktuell_], playback_), s.b, s.c);
    return {};
}

// Time passes; the game writes on at its files meanwhile, as it does every second.
std::string TWanderung::Zeit(const TSchritt& s, const Bestand&) {
    uhr_.Weiter(s.a % 5);
    for (auto& [pfad, w] : wachsend_) {
        std::error_code fehler;
        fs::last_write_time(FsPfad(pfad), uhr_.Jetzt(), fehler);
    }
    return {};
}

// The n-th call of an operation fails in the next command, or, now and then, every call:
// a system that never can.
std::string TWanderung::Fehlerplan(const TSchritt& s, const Bestand&) {
    const Operation op = kFehler[s.a % std::size(kFehler)];
    const int n = 1 + s.b % 4;
    const bool dauerhaft = s.c % 5 == 0;
    plaene_.push_back([this, op, n, dauerhaft] {
        protokoll_.fehler = true;
        if (dauerhaft) plattform::FehlerDauerhaftEinplanen(op);
        else plattform::FehlerEinplanen(op, n);
    });
    return {};
}

// A second process, or the game, acts right before the n-th call of an operation in the
// next command.
std::string TWanderung::Haken(const TSchritt& s, const Bestand&) {
    const Operation op = kHaken[s.a % std::size(kHaken)];
    const int n = 1 + s.b % 4;
    const int aktion = s.c;
    plaene_.push_back([this, op, n, aktion] { plattform::AktionEinplanen(op, n, [this, aktion] { Dazwischen(aktion); }); });
    return {};
}

// The import from the game's Playback folder, or, as "import --all" and the window do, from
// every installation's.
std::string TWanderung::Import(const TSchritt& s, const Bestand& vorher) {
    const bool entfernen = s.a % 2;
    TBibliothek* bibliothek = s.b % 2 ? bibliothek_.get() : nullptr;
    const bool alle = s.c % 2;
    TKopierbericht bericht;
    Geplant([&] {
        bericht = alle ? PlaybackOrdnerImportieren({playback_[0], playback_[1]}, bib_[aktuell_], entfernen, bibliothek)
                       : PlaybackImportieren(spiel_, bib_[aktuell_], entfernen, bibliothek);
    });
    Zaehlen(alle ? "Import aller" : "Import", bericht);
    pruefung_ = [this, bericht, entfernen, alle, &vorher](const Bestand& nachher) {
        const std::vector<std::string> quellen =
            alle ? std::vector<std::string>{playback_[0], playback_[1]} : std::vector<std::string>{playback_[0]};
        return BerichtPruefen(bericht, quellen, bib_[aktuell_], entfernen, vorher, nachher);
    };
    return {};
}

std::string TWanderung::UmbenennenSchritt(const TSchritt& s, const Bestand&) {
    const std::string pfad = Waehlen(bib_[aktuell_], s.a);
    // The window read the replay at its last scan, before anything was planned.
    const TUmbenennung u = Umbenennen(pfad, s.b, [this] { PlaeneAnwenden(); });
    PlaeneLeeren();
    if (!u.gelesen) return {};
    ++statistik_[u.geworfen ? "Umbenennen Fehler" : "Umbenennen " + std::to_string(u.meldungen) + " Meldungen"];
    pruefung_ = [pfad, u](const Bestand& nachher) -> std::string {
        const auto it = nachher.find(pfad);
        const Bytes jetzt = it == nachher.end() ? Bytes() : it->second;
        const bool ok = u.meldungen == 0 && !u.geworfen;
        if (ok && jetzt != u.neu) return " umbenannt gemeldet, aber die Datei traegt nicht den neuen Namen;";
        if (!ok && jetzt != u.alt && !(u.geworfen && jetzt == u.neu))
            return " Umbenennen gescheitert, aber die Datei ist nicht mehr die alte;";
        return {};
    };
    return {};
}

std::string TWanderung::AutoSpeichern(const TSchritt& s, const Bestand& vorher) {
    const std::string& playback = playback_[s.b % 2];
    const std::string pfad = Waehlen(playback, s.a);
    const std::string name = pfad.empty() ? Name(0) : NameVon(pfad);
    TSpeicherung sp;
    Geplant([&] { sp = autoSpeicher_[s.b % 2]->Speichern(name); });
    ++statistik_["AutoSpeichern " + std::to_string(static_cast<int>(sp.Stand))];
    pruefung_ = [this, sp, name, playback, &vorher](const Bestand& nachher) {
        std::string befund;
        const std::string& bib = bib_[aktuell_];
        const auto neue = Neue(vorher, nachher, bib, befund);
        const auto quelle = vorher.find(playback + name);
        if (Inhalte(vorher, playback) != Inhalte(nachher, playback)) befund += " Playback wurde veraendert;";
        if (sp.Stand == TSpeicherstand::Gespeichert || sp.Stand == TSpeicherstand::SchonDa) {
            const auto ziel = nachher.find(bib + sp.Zielname);
            if (quelle == vorher.end() || ziel == nachher.end() || ziel->second != quelle->second)
                befund += " die Bibliothek haelt das gesicherte Spiel nicht unter " + sp.Zielname + ";";
        }
        if (neue.size() != (sp.Stand == TSpeicherstand::Gespeichert ? 1u : 0u))
            befund += " " + std::to_string(neue.size()) + " neue Dateien in der Bibliothek;";
        return befund;
    };
    return {};
}

std::string TWanderung::NachPlayback(const TSchritt& s, const Bestand& vorher) {
    const std::string pfad = Waehlen(bib_[aktuell_], s.a);
    if (pfad.empty()) return {};
    TKopierstand stand{};
    Geplant([&] { stand = ReplayNachPlayback(spiel_, bib_[aktuell_], NameVon(pfad)); });
    ++statistik_["NachPlayback " + std::to_string(static_cast<int>(stand))];
    pruefung_ = [this, stand, pfad, &vorher](const Bestand& nachher) {
        std::string befund;
        const auto neue = Neue(vorher, nachher, playback_[0], befund);
        const Bytes& inhalt = vorher.at(pfad);
        if (stand == TKopierstand::Kopiert && (neue.size() != 1 || neue[0] != inhalt))
            befund += " Kopiert, aber nicht genau eine neue Datei mit dem Replay in Playback;";
        if (stand != TKopierstand::Kopiert && !neue.empty()) befund += " nicht Kopiert, aber eine neue Datei;";
        if (stand == TKopierstand::SchonDa && !Haelt(vorher, playback_[0], inhalt)) befund += " SchonDa, war aber nicht da;";
        return befund;
    };
    return {};
}

// The library moves to the other folder, and on "Alte Replays löschen?" Yes its old files
// go; the window uses the new folder from then on either way.
std::string TWanderung::Umzug(const TSchritt& s, const Bestand& vorher) {
    const std::string alt = bib_[aktuell_], neu = bib_[1 - aktuell_];
    TKopierbericht bericht;
    Geplant([&] { bericht = BibliothekKopieren(alt, neu); });
    Zaehlen("Umzug", bericht);
    std::string befund;
    if (protokoll_.draussen == 0) befund = BerichtPruefen(bericht, {alt}, neu, false, vorher, Lesen());
    if (s.a % 2) Geplant([&] { BibliothekLeeren(alt, neu); });
    aktuell_ = 1 - aktuell_;
    NeuerBibliotheksstand();
    return befund;
}

// The folder watch reports every name of the library: the view catches up.
std::string TWanderung::Melden(const TSchritt&, const Bestand&) {
    for (const std::string& name : wanderung::Replays(bib_[aktuell_])) gemeldet_.insert(name);
    Geplant([&] { bibliothek_->Aktualisieren({gemeldet_.begin(), gemeldet_.end()}); });
    return {};
}
// A library file gets a new file name, as "Datei umbenennen…" gives it: only while the file
// is still as the list read it, before anything was planned. The name may be taken, the
// file's own, or its own in another letter case.
std::string TWanderung::DateiUmbenennenSchritt(const TSchritt& s, const Bestand& vorher) {
    const std::string bib = bib_[aktuell_];
    const std::string pfad = Waehlen(bib, s.a);
    // The list shows no file that is still being written.
    if (pfad.empty() || wachsend_.count(pfad)) return {};
    const std::string alt = NameVon(pfad);
    std::string neu;
    switch (s.b % 4) {
        case 0: neu = NameVon(Waehlen(bib, s.c)); break;
        case 1: neu = Name(s.c); break;
        case 2:
            neu = alt;
            std::transform(neu.begin(), neu.end(), neu.begin(), [](unsigned char z) { return std::toupper(z); });
            break;
        default: neu = "umbenannt " + std::to_string(s.c % 8) + ".rec"; break;
    }
    const auto stempel = plattform::StempelLesen(pfad);
    TUmbenennstand stand{};
    Geplant([&] { stand = DateiUmbenennen(bib, alt, neu, stempel); });
    ++statistik_["DateiUmbenennen " + std::to_string(static_cast<int>(stand))];
    pruefung_ = [bib, alt, neu, stand, &vorher](const Bestand& nachher) {
        std::string befund;
        Neue(vorher, nachher, bib, befund);
        const Bytes& inhalt = vorher.at(bib + alt);
        const auto haelt = [&](const std::string& name) {
            const auto it = nachher.find(bib + name);
            return it != nachher.end() && it->second == inhalt;
        };
        if (stand == TUmbenennstand::Umbenannt && (!haelt(neu) || nachher.count(bib + alt)))
            befund += " Umbenannt gemeldet, aber " + alt + " heisst nicht " + neu + ";";
        if (stand != TUmbenennstand::Umbenannt && !haelt(alt))
            befund += " nicht umbenannt, aber " + alt + " ist nicht mehr da;";
        if (Inhalte(vorher, bib).size() != Inhalte(nachher, bib).size()) befund += " die Bibliothek zaehlt anders;";
        return befund;
    };
    return {};
}

// Library files renamed by a template, as "Dateinamen aus Replays bilden…" plans and does
// it: every file, or every other one, each only while it is as the list read it.
std::string TWanderung::Vorlage(const TSchritt& s, const Bestand& vorher) {
    const std::string bib = bib_[aktuell_];
    const std::string vorlage = kVorlagen[s.a % std::size(kVorlagen)];
    std::vector<::TUmbenennung> plan;
    const auto namen = wanderung::Replays(bib);
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (s.b % 2 && i % 2) continue;
        TAufgezeichneteMeldungen meldungen;
        try {
            const TReplay replay(bib + namen[i], meldungen);
            if (!meldungen.Arten.empty()) continue;
            ::TUmbenennung u;
            u.Alt = namen[i];
            u.Wunsch = NameAusVorlage(vorlage, NamensfelderAus(replay, KartenAnzeige(replay.Karte).Text()));
            u.Erwartet = plattform::StempelLesen(bib + namen[i]);
            plan.push_back(std::move(u));
        } catch (const std::exception&) {
        }
    }
    UmbenennungenPlanen(bib, plan);
    Geplant([&] { UmbenennungenAusfuehren(bib, plan); });
    int umbenannt = 0;
    for (const ::TUmbenennung& u : plan) {
        umbenannt += u.Stand == TUmbenennstand::Umbenannt;
        ++statistik_["Vorlage " + std::to_string(static_cast<int>(u.Stand))];
    }
    pruefung_ = [bib, plan, umbenannt, &vorher](const Bestand& nachher) {
        std::string befund;
        Neue(vorher, nachher, bib, befund);
        for (const ::TUmbenennung& u : plan) {
            const Bytes& inhalt = vorher.at(bib + u.Alt);
            const auto it = nachher.find(bib + (u.Stand == TUmbenennstand::Umbenannt ? u.Neu : u.Alt));
            if (it == nachher.end() || it->second != inhalt) befund += " " + u.Alt + " ist nicht, wo der Plan sagt;";
        }
        int weg = 0;
        for (const auto& [pfad, inhalt] : vorher)
            weg += pfad.starts_with(bib) && IstRec(pfad) && !nachher.count(pfad);
        if (weg != umbenannt)
            befund += " " + std::to_string(umbenannt) + " umbenannt gezaehlt, " + std::to_string(weg) + " Namen weg;";
        auto davor = Inhalte(vorher, bib), danach = Inhalte(nachher, bib);
        std::sort(davor.begin(), davor.end());
        std::sort(danach.begin(), danach.end());
        if (davor != danach) befund += " die Bibliothek haelt andere Inhalte;";
        return befund;
    };
    return {};
}
