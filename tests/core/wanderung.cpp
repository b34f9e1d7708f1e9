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
using Bytes = TWanderung::Bytes;
using Bestand = TWanderung::Bestand;

// A file the game is still writing: held open for writing, as the game holds it, so that
// the program sees a writer; it grows by a third of its replay at a time.
struct TWanderung::TWachsend {
    std::ofstream aus;
    Bytes ziel;
    std::size_t geschrieben = 0;
};

namespace {

// Names outside hands give files; the game's own "temp.rec" among them.
const char* const kNamen[] = {"temp.rec", "a.rec", "Spiel.REC", "Ärger 2v2.rec", "b.rec"};
constexpr int kAnzahlNamen = std::size(kNamen);
// New stored names: the name of another replay of the walk ("Spiel A") makes two files of
// one content.
const std::u16string kNeueNamen[] = {u"Neu", u"Spiel A", u"Ein Name mit 25 Zeichen!!", u"Ärger", u"Testspiel"};
const Operation kFehler[] = {Operation::Oeffnen,   Operation::Erzeugen,  Operation::Lesen,
                             Operation::Schreiben, Operation::Flush,     Operation::Schliessen,
                             Operation::Loeschen,  Operation::Ersetzen,  Operation::Verschieben,
                             Operation::Schreibtest, Operation::OhneErsetzenUmbenennen, Operation::Verknuepfen};
const Operation kHaken[] = {Operation::Oeffnen,   Operation::Lesen,       Operation::Erzeugen, Operation::Schreiben,
                            Operation::Flush,     Operation::Verschieben, Operation::Loeschen, Operation::Ersetzen};
constexpr std::size_t kHoechstensDateien = 24;  // per folder, so that a walk's steps stay cheap

// Whole files in one read: the walk reads every file twice a step.
Bytes Einlesen(const std::string& pfad) {
    std::ifstream ein(FsPfad(pfad), std::ios::binary | std::ios::ate);
    if (!ein) return {};
    Bytes inhalt(static_cast<std::size_t>(ein.tellg()));
    ein.seekg(0);
    ein.read(reinterpret_cast<char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
    inhalt.resize(static_cast<std::size_t>(ein.gcount()));
    return inhalt;
}

bool IstRec(const std::string& name) {
    if (name.size() < 4) return false;
    std::string endung = name.substr(name.size() - 4);
    std::transform(endung.begin(), endung.end(), endung.begin(), [](unsigned char z) { return std::tolower(z); });
    return endung == ".rec";
}

std::string NameVon(const std::string& pfad) { return Utf8Pfad(FsPfad(pfad).filename()); }

std::vector<Bytes> Vorrat() {
    std::vector<Bytes> vorrat;
    for (int i = 0; i < 6; ++i) {
        ReplayBauer bau;
        bau.Name = std::u16string(u"Spiel ") + char16_t(u'A' + i);
        bau.KartenSchluessel = i % 2 ? "4P_QUATRA" : "2P_BATTLE_MARSHES";
        if (i >= 4) {
            SpielerBau zweiter;
            zweiter.Name = u"Zweiter";
            zweiter.Rasse = "ork_race";
            zweiter.Team = 1;
            bau.Spieler.push_back(zweiter);
        }
        vorrat.push_back(bau.Bauen());
    }
    return vorrat;
}

std::vector<Bytes> Inhalte(const Bestand& bestand, const std::string& ordner) {
    std::vector<Bytes> inhalte;
    for (const auto& [pfad, inhalt] : bestand)
        if (pfad.starts_with(ordner) && IstRec(pfad)) inhalte.push_back(inhalt);
    return inhalte;
}

bool Haelt(const Bestand& bestand, const std::string& ordner, const Bytes& inhalt) {
    const auto inhalte = Inhalte(bestand, ordner);
    return std::find(inhalte.begin(), inhalte.end(), inhalt) != inhalte.end();
}

// The .rec files of ordner in nachher that vorher did not have, and whether any file of
// vorher there changed: the program never replaces a file it copies into a folder.
std::vector<Bytes> Neue(const Bestand& vorher, const Bestand& nachher, const std::string& ordner,
                        std::string& befund) {
    std::vector<Bytes> neue;
    for (const auto& [pfad, inhalt] : nachher)
        if (pfad.starts_with(ordner) && IstRec(pfad) && !vorher.count(pfad)) neue.push_back(inhalt);
    for (const auto& [pfad, inhalt] : vorher) {
        const auto it = nachher.find(pfad);
        if (pfad.starts_with(ordner) && IstRec(pfad) && it != nachher.end() && it->second != inhalt)
            befund += " " + NameVon(pfad) + " wurde ersetzt;";
    }
    return neue;
}

// A report of a transfer from quelle to ziel against the folders before and after it.
std::string BerichtPruefen(const TKopierbericht& bericht, const std::string& quelle, const std::string& ziel,
                           bool entfernen, const Bestand& vorher, const Bestand& nachher) {
    std::string befund;
    std::vector<Bytes> kopiert;
    std::vector<std::string> genannt;
    for (const TKopierteDatei& d : bericht.Dateien) {
        genannt.push_back(quelle + d.Name);
        const auto it = vorher.find(quelle + d.Name);
        if (it == vorher.end()) {
            befund += " " + d.Name + " war nicht da;";
            continue;
        }
        if (d.Stand == TKopierstand::Kopiert) kopiert.push_back(it->second);
        if (Angekommen(d.Stand) && !Haelt(nachher, ziel, it->second)) befund += " " + d.Name + " nicht angekommen;";
        if (d.Entfernt != !nachher.count(quelle + d.Name)) befund += " " + d.Name + ": Entfernt stimmt nicht;";
        if (d.Entfernt && (!entfernen || !Angekommen(d.Stand))) befund += " " + d.Name + " entfernt ohne Kopie;";
    }
    std::vector<std::string> da;
    for (const auto& [pfad, inhalt] : vorher)
        if (pfad.starts_with(quelle) && IstRec(pfad) && pfad.find('/', quelle.size()) == std::string::npos)
            da.push_back(pfad);
    std::sort(genannt.begin(), genannt.end());
    if (genannt != da) befund += " der Bericht nennt nicht die Dateien des Ordners;";
    std::vector<Bytes> neue = Neue(vorher, nachher, ziel, befund);
    std::sort(neue.begin(), neue.end());
    std::sort(kopiert.begin(), kopiert.end());
    if (neue != kopiert)
        befund += " " + std::to_string(kopiert.size()) + " Kopiert gezaehlt, " + std::to_string(neue.size()) +
                  " neue Dateien;";
    return befund;
}

}  // namespace

// The table of step kinds. A new command is one more row: a name and the member that
// takes the step (planned faults and hooks go through Geplant) and, where its result can
// be checked, leaves the check in pruefung_.
struct TSchrittart {
    const char* name;
    std::string (TWanderung::*schritt)(const TSchritt&, const Bestand& vorher);
    static const TSchrittart Tabelle[13];
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
};
static const auto& kArten = TSchrittart::Tabelle;

int Schrittarten() { return static_cast<int>(std::size(kArten)); }

std::ostream& operator<<(std::ostream& aus, const TSchritt& s) {
    const int art = ((s.art % Schrittarten()) + Schrittarten()) % Schrittarten();
    return aus << kArten[art].name << '(' << s.a << ',' << s.b << ',' << s.c << ')';
}

void showValue(const TSchritt& schritt, std::ostream& aus) { aus << schritt; }

std::vector<TSchritt> Schritte(std::uint64_t saat, std::size_t anzahl) {
    // The engine's raw numbers are fixed by the standard; a distribution's are not.
    std::mt19937_64 zufall(saat);
    std::vector<TSchritt> schritte(anzahl);
    for (TSchritt& s : schritte)
        s = {static_cast<int>(zufall() % Schrittarten()), static_cast<int>(zufall() % 256),
             static_cast<int>(zufall() % 256), static_cast<int>(zufall() % 256)};
    return schritte;
}

TWanderung::TWanderung()
    : spiel_(temp_.Pfad() + "spiel"),
      playback_(PlaybackOrdner(spiel_)),
      bib_{temp_.Pfad() + "bib1/", temp_.Pfad() + "bib2/"},
      vorrat_(Vorrat()),
      vollstaendig_(vorrat_.begin(), vorrat_.end()) {
    for (const std::string& ordner : {playback_, bib_[0], bib_[1]}) fs::create_directories(FsPfad(ordner));
    // The clock starts a day ahead, so that what the system stamps on its own (a status
    // change) is long quiet, and the files outside hands write carry the walk's time.
    const std::string probe = temp_.Pfad() + "uhr";
    std::ofstream(FsPfad(probe)).close();
    fs::last_write_time(FsPfad(probe), ZeitJetzt());
    plattform::Dateizustand zustand;
    plattform::ZustandLesen(probe, zustand);
    uhrBasis_ = zustand.aenderung;
    fs::remove(FsPfad(probe));
    UhrStellen();
    NeuerBibliotheksstand();
}

TWanderung::~TWanderung() {
    wachsend_.clear();
    plattform::FehlerplanLeeren();
}

fs::file_time_type TWanderung::ZeitJetzt() const {
    static const auto basis =
        std::chrono::time_point_cast<std::chrono::seconds>(fs::file_time_type::clock::now() + std::chrono::hours(24));
    return basis + std::chrono::seconds(sekunden_);
}

void TWanderung::UhrStellen() { plattform::UhrStellen(uhrBasis_ + sekunden_ * plattform::StempelProSekunde()); }

void TWanderung::NeuerBibliotheksstand() {
    autoSpeicher_.reset();
    geloeschte_ = std::make_unique<TGeloeschte>();
    bibliothek_ = std::make_unique<TBibliothek>(TBibliothek::Lesen(bib_[aktuell_]));
    autoSpeicher_ =
        std::make_unique<TAutoSpeicher>(playback_, *bibliothek_, *geloeschte_, StandardDateiname);
}

std::vector<std::string> TWanderung::Replays(const std::string& ordner) const {
    std::vector<std::string> namen;
    std::error_code fehler;
    for (const auto& eintrag : fs::directory_iterator(FsPfad(ordner), fehler)) {
        const std::string name = Utf8Pfad(eintrag.path().filename());
        if (eintrag.is_regular_file() && IstRec(name)) namen.push_back(name);
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

std::string TWanderung::Waehlen(const std::string& ordner, int wahl) const {
    const auto namen = Replays(ordner);
    return namen.empty() ? std::string() : ordner + namen[wahl % namen.size()];
}

Bestand TWanderung::Lesen() const {
    Bestand bestand;
    for (const std::string& ordner : {playback_, bib_[0], bib_[1]}) {
        std::error_code fehler;
        for (const auto& eintrag : fs::directory_iterator(FsPfad(ordner), fehler))
            if (eintrag.is_regular_file()) {
                const std::string pfad = ordner + Utf8Pfad(eintrag.path().filename());
                bestand[pfad] = Einlesen(pfad);
            }
    }
    return bestand;
}

void TWanderung::Beendet(const std::string& pfad) {
    if (const auto it = wachsend_.find(pfad); it != wachsend_.end()) wachsend_.erase(it);
}

void TWanderung::DraussenSchreiben(const std::string& pfad, const Bytes& inhalt) {
    Beendet(pfad);
    const Bytes alt = Einlesen(pfad);
    std::error_code fehler;
    if (fs::exists(FsPfad(pfad), fehler)) ++protokoll_.draussenWeg[alt];
    std::ofstream aus(FsPfad(pfad), std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
    aus.close();
    fs::last_write_time(FsPfad(pfad), ZeitJetzt(), fehler);
    draussenGeschrieben_[pfad] = inhalt;
}

void TWanderung::DraussenEntfernen(const std::string& pfad) {
    if (pfad.empty()) return;
    Beendet(pfad);
    const Bytes alt = Einlesen(pfad);
    std::error_code fehler;
    if (fs::remove(FsPfad(pfad), fehler)) ++protokoll_.draussenWeg[alt];
}

void TWanderung::Wachsen(const std::string& ordner, int wahl, int inhalt) {
    auto it = std::find_if(wachsend_.begin(), wachsend_.end(),
                           [&](const auto& w) { return w.first.starts_with(ordner); });
    if (it == wachsend_.end() || wahl % 3 == 0) {
        const std::string pfad = ordner + "wachsend " + kNamen[wahl % kAnzahlNamen];
        std::error_code fehler;
        if (wachsend_.count(pfad) || fs::exists(FsPfad(pfad), fehler)) return;
        auto w = std::make_unique<TWachsend>();
        w->aus.open(FsPfad(pfad), std::ios::binary);
        w->ziel = vorrat_[inhalt % vorrat_.size()];
        it = wachsend_.emplace(pfad, std::move(w)).first;
    } else {
        ++protokoll_.draussenWeg[Einlesen(it->first)];
    }
    TWachsend& w = *it->second;
    const std::size_t stueck = std::min(w.ziel.size() - w.geschrieben, w.ziel.size() / 3 + 1);
    w.aus.write(reinterpret_cast<const char*>(w.ziel.data() + w.geschrieben), static_cast<std::streamsize>(stueck));
    w.aus.flush();
    w.geschrieben += stueck;
    const std::string pfad = it->first;
    std::error_code fehler;
    fs::last_write_time(FsPfad(pfad), ZeitJetzt(), fehler);
    draussenGeschrieben_[pfad] = Bytes(w.ziel.begin(), w.ziel.begin() + static_cast<std::ptrdiff_t>(w.geschrieben));
    if (w.geschrieben == w.ziel.size()) wachsend_.erase(it);
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
    UhrStellen();
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
    switch (aktion % 8) {
        case 0: PlaybackImportieren(spiel_, bib, true); break;
        case 1: DraussenSchreiben(playback_ + kNamen[d % kAnzahlNamen], vorrat_[d % vorrat_.size()]); break;
        case 2: DraussenEntfernen(Waehlen(playback_, d)); break;
        case 3: DraussenEntfernen(Waehlen(bib, d)); break;
        case 4:
            if (const std::string pfad = Waehlen(playback_, d); !pfad.empty())
                DraussenSchreiben(pfad, vorrat_[(d + 1) % vorrat_.size()]);
            break;
        case 5: Umbenennen(Waehlen(bib, d), d, nullptr); break;
        case 6: {
            TBibliothek zweite = TBibliothek::Lesen(bib);
            TGeloeschte keine;
            if (const std::string pfad = Waehlen(playback_, d); !pfad.empty())
                TAutoSpeicher(playback_, zweite, keine, StandardDateiname).Speichern(NameVon(pfad));
            break;
        }
        default: Wachsen(playback_, d, d); break;
    }
}

// The steps. Changes from outside first.

std::string TWanderung::Dazu(const TSchritt& s, const Bestand&) {
    const std::string& ordner = s.a % 2 ? bib_[aktuell_] : playback_;
    DraussenSchreiben(ordner + kNamen[s.b % kAnzahlNamen], vorrat_[s.c % vorrat_.size()]);
    return {};
}

std::string TWanderung::Weg(const TSchritt& s, const Bestand&) {
    DraussenEntfernen(Waehlen(s.a % 2 ? bib_[aktuell_] : playback_, s.b));
    return {};
}

std::string TWanderung::Neu(const TSchritt& s, const Bestand&) {
    if (const std::string pfad = Waehlen(s.a % 2 ? bib_[aktuell_] : playback_, s.b); !pfad.empty())
        DraussenSchreiben(pfad, vorrat_[s.c % vorrat_.size()]);
    return {};
}

std::string TWanderung::Waechst(const TSchritt& s, const Bestand&) {
    Wachsen(s.a % 2 ? bib_[aktuell_] : playback_, s.b, s.c);
    return {};
}

// Time passes; the game writes on at its files meanwhile, as it does every second.
std::string TWanderung::Zeit(const TSchritt& s, const Bestand&) {
    sekunden_ += s.a % 5;
    for (auto& [pfad, w] : wachsend_) {
        std::error_code fehler;
        fs::last_write_time(FsPfad(pfad), ZeitJetzt(), fehler);
    }
    UhrStellen();
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

std::string TWanderung::Import(const TSchritt& s, const Bestand& vorher) {
    const bool entfernen = s.a % 2;
    TBibliothek* bibliothek = s.b % 2 ? bibliothek_.get() : nullptr;
    TKopierbericht bericht;
    Geplant([&] { bericht = PlaybackImportieren(spiel_, bib_[aktuell_], entfernen, bibliothek); });
    Zaehlen("Import", bericht);
    pruefung_ = [this, bericht, entfernen, &vorher](const Bestand& nachher) {
        return BerichtPruefen(bericht, playback_, bib_[aktuell_], entfernen, vorher, nachher);
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
    const std::string pfad = Waehlen(playback_, s.a);
    const std::string name = pfad.empty() ? std::string(kNamen[0]) : NameVon(pfad);
    TSpeicherung sp;
    Geplant([&] { sp = autoSpeicher_->Speichern(name); });
    ++statistik_["AutoSpeichern " + std::to_string(static_cast<int>(sp.Stand))];
    pruefung_ = [this, sp, name, &vorher](const Bestand& nachher) {
        std::string befund;
        const std::string& bib = bib_[aktuell_];
        const auto neue = Neue(vorher, nachher, bib, befund);
        const auto quelle = vorher.find(playback_ + name);
        if (Inhalte(vorher, playback_) != Inhalte(nachher, playback_)) befund += " Playback wurde veraendert;";
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
        const auto neue = Neue(vorher, nachher, playback_, befund);
        const Bytes& inhalt = vorher.at(pfad);
        if (stand == TKopierstand::Kopiert && (neue.size() != 1 || neue[0] != inhalt))
            befund += " Kopiert, aber nicht genau eine neue Datei mit dem Replay in Playback;";
        if (stand != TKopierstand::Kopiert && !neue.empty()) befund += " nicht Kopiert, aber eine neue Datei;";
        if (stand == TKopierstand::SchonDa && !Haelt(vorher, playback_, inhalt)) befund += " SchonDa, war aber nicht da;";
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
    if (protokoll_.draussen == 0) befund = BerichtPruefen(bericht, alt, neu, false, vorher, Lesen());
    if (s.a % 2) Geplant([&] { BibliothekLeeren(alt, neu); });
    aktuell_ = 1 - aktuell_;
    NeuerBibliotheksstand();
    return befund;
}

// The folder watch reports every name of the library: the view catches up.
std::string TWanderung::Melden(const TSchritt&, const Bestand&) {
    for (const std::string& name : Replays(bib_[aktuell_])) gemeldet_.insert(name);
    Geplant([&] { bibliothek_->Aktualisieren({gemeldet_.begin(), gemeldet_.end()}); });
    return {};
}

std::string TWanderung::Beschreiben(const Bytes& inhalt) const {
    for (std::size_t i = 0; i < vorrat_.size(); ++i)
        if (vorrat_[i] == inhalt) return std::string("Spiel ") + char('A' + i);
    if (vollstaendig_.count(inhalt)) return "ein umbenanntes Spiel";
    return "ein Teil eines Spiels (" + std::to_string(inhalt.size()) + " Bytes)";
}

std::string TWanderung::Pruefen(const Bestand& vorher, const Bestand& nachher) {
    std::string befund;
    std::set<Bytes> davor, danach;
    for (const auto& [pfad, inhalt] : vorher)
        if (IstRec(pfad)) davor.insert(inhalt);
    for (const auto& [pfad, inhalt] : nachher)
        if (IstRec(pfad)) danach.insert(inhalt);
    // A replay is there when its content is, or what a rename made of it. Outside hands
    // that delete one file of a content delete the replay: an import that checked its copy
    // and then removes its source cannot see a delete that comes between the two.
    for (const Bytes& inhalt : davor) {
        std::vector<const Bytes*> offen{&inhalt};
        std::set<const Bytes*> gesehen;
        bool da = false;
        while (!da && !offen.empty()) {
            const Bytes* c = offen.back();
            offen.pop_back();
            if (!gesehen.insert(c).second) continue;
            da = danach.count(*c) || protokoll_.draussenWeg.count(*c);
            if (const auto it = protokoll_.umbenannt.find(*c); it != protokoll_.umbenannt.end())
                for (const Bytes& u : it->second) offen.push_back(&u);
        }
        if (!da) befund += " verloren: " + Beschreiben(inhalt) + ";";
    }
    for (const auto& [pfad, inhalt] : nachher) {
        const std::string name = NameVon(pfad);
        if (IstRec(name)) {
            const auto draussen = draussenGeschrieben_.find(pfad);
            if (!vollstaendig_.count(inhalt) && (draussen == draussenGeschrieben_.end() || draussen->second != inhalt))
                befund += " unvollstaendig: " + name + " haelt " + Beschreiben(inhalt) + ";";
        } else if (!plattform::IstTempName(name)) {
            befund += " fremde Datei " + name + ";";
        } else if (protokoll_.fehler) {
            erlaubteReste_.insert(pfad);
        } else if (!erlaubteReste_.count(pfad)) {
            befund += " temporaere Datei " + name + " liegengeblieben;";
        }
    }
    return befund;
}

std::string TWanderung::Gehen(const TSchritt& schritt) {
    // Copies of copies pile up in library moves: a full folder loses a file by outside
    // hands first, so that a step stays cheap however long the walk.
    for (const std::string& ordner : {playback_, bib_[0], bib_[1]})
        if (Replays(ordner).size() > kHoechstensDateien) {
            DraussenEntfernen(Waehlen(ordner, schritt.b));
            bestand_.reset();
        }
    if (!bestand_) bestand_ = Lesen();
    const Bestand vorher = std::move(*bestand_);
    protokoll_ = {};
    pruefung_ = nullptr;
    const int art = ((schritt.art % Schrittarten()) + Schrittarten()) % Schrittarten();
    std::string befund;
    try {
        befund = (this->*kArten[art].schritt)(schritt, vorher);
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
