// The window walk's steps: changes from outside, time, faults and hooks, and the window's
// commands as the user gives them, each with the check of what its message counts.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "core/namensvorlage.h"
#include "core/platform/fehlerplan.h"
#include "core/replay.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "fensterwanderung.h"
#include "gui/dateimime.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/mainunit.h"
#include "support/testdateien.h"

namespace fs = std::filesystem;
using plattform::Operation;
using namespace wanderung;

namespace {

// Faults of the operations that write: a scan that cannot read a file leaves it out of
// the list until the next refresh, as it tells.
const Operation kFehler[] = {Operation::Erzeugen,    Operation::Schreiben, Operation::Flush,
                             Operation::Verschieben, Operation::Loeschen,  Operation::Ersetzen,
                             Operation::OhneErsetzenUmbenennen, Operation::Verknuepfen, Operation::CacheSchreiben};
const Operation kHaken[] = {Operation::Oeffnen,     Operation::Lesen,    Operation::Erzeugen,
                            Operation::Schreiben,   Operation::Verschieben, Operation::Loeschen};
const char* const kNamen[] = {"temp.rec", "a.rec", "Spiel.REC", "Ärger 2v2.rec", "b.rec"};
const std::u16string kNeueNamen[] = {u"Neu", u"Spiel A", u"Ein Name mit 25 Zeichen!!", u"Ärger", u"Testspiel"};
const char* const kVorlagen[] = {"{Name}", kStandardvorlage, "{Karte} {Spieleranzahl}"};
const char* const kSuchtexte[] = {"", "", "Spiel A", "zweiter", "Sumpf", "ork", "Ärger", "xyz"};

std::string Status(const TfrmMain& f) { return f.statusBar()->currentMessage().toStdString(); }

std::string OhneRec(const std::string& name) { return IstRec(name) ? name.substr(0, name.size() - 4) : name; }

}  // namespace

struct TFensterwanderung::TSchrittart {
    const char* name;
    Schrittfunktion schritt;
    static const TSchrittart Tabelle[20];
};

const TFensterwanderung::TSchrittart TFensterwanderung::TSchrittart::Tabelle[] = {
    {"Dazu", &TFensterwanderung::Dazu},
    {"Weg", &TFensterwanderung::Weg},
    {"Neu", &TFensterwanderung::Neu},
    {"Waechst", &TFensterwanderung::Waechst},
    {"Zeit", &TFensterwanderung::Zeit},
    {"Fehler", &TFensterwanderung::Fehlerplan},
    {"Dazwischen", &TFensterwanderung::Haken},
    {"Liefern", &TFensterwanderung::Liefern},
    {"Aktualisieren", &TFensterwanderung::Aktualisieren},
    {"Importieren", &TFensterwanderung::Importieren},
    {"ReplaysKopieren", &TFensterwanderung::ReplaysKopieren},
    {"Loeschen", &TFensterwanderung::Loeschen},
    {"Ablegen", &TFensterwanderung::Ablegen},
    {"Umbenennen", &TFensterwanderung::Umbenennen},
    {"DateiUmbenennen", &TFensterwanderung::DateiUmbenennen},
    {"Vorlage", &TFensterwanderung::Vorlage},
    {"Ankreuzen", &TFensterwanderung::Ankreuzen},
    {"Suchen", &TFensterwanderung::Suchen},
    {"Sortieren", &TFensterwanderung::Sortieren},
    {"Zeile", &TFensterwanderung::Zeile},
};

namespace {
const auto& kArten = TFensterwanderung::TSchrittart::Tabelle;
int Art(const TSchritt& s) {
    const int n = static_cast<int>(std::size(kArten));
    return ((s.art % n) + n) % n;
}
}  // namespace

int TFensterwanderung::Schrittarten() { return static_cast<int>(std::size(kArten)); }

std::string TFensterwanderung::Name(const TSchritt& s) {
    return std::string(kArten[Art(s)].name) + '(' + std::to_string(s.a) + ',' + std::to_string(s.b) + ',' +
           std::to_string(s.c) + ')';
}

TFensterwanderung::Schrittfunktion TFensterwanderung::Schritt(const TSchritt& s) { return kArten[Art(s)].schritt; }

// ---- Changes from outside, time, faults and a second process.

void TFensterwanderung::Dazu(const TSchritt& s) {
    DraussenSchreiben(Ort(s.a) + kNamen[s.b % std::size(kNamen)], vorrat_[static_cast<std::size_t>(s.c) % vorrat_.size()]);
}

void TFensterwanderung::Weg(const TSchritt& s) { DraussenEntfernen(Waehlen(Ort(s.a), s.b)); }

void TFensterwanderung::Neu(const TSchritt& s) {
    if (const std::string pfad = Waehlen(Ort(s.a), s.b); !pfad.empty())
        DraussenSchreiben(pfad, vorrat_[static_cast<std::size_t>(s.c) % vorrat_.size()]);
}

void TFensterwanderung::Fehlerplan(const TSchritt& s) {
    const Operation op = kFehler[static_cast<std::size_t>(s.a) % std::size(kFehler)];
    const int n = 1 + s.b % 4;
    const bool dauerhaft = s.c % 5 == 0;
    plaene_.push_back([this, op, n, dauerhaft] {
        protokoll_.fehler = true;
        if (dauerhaft) plattform::FehlerDauerhaftEinplanen(op);
        else plattform::FehlerEinplanen(op, n);
    });
}

void TFensterwanderung::Haken(const TSchritt& s) {
    const Operation op = kHaken[static_cast<std::size_t>(s.a) % std::size(kHaken)];
    const int n = 1 + s.b % 4;
    const int aktion = s.c;
    plaene_.push_back([this, op, n, aktion] { plattform::AktionEinplanen(op, n, [this, aktion] { Dazwischen(aktion); }); });
}

// The event loop turns, and the watches' reports reach the list; or only the loop turns.
void TFensterwanderung::Liefern(const TSchritt& s) {
    if (s.a % 2) QCoreApplication::processEvents();
    else Abholen();
}

// ---- The window's commands.

void TFensterwanderung::Aktualisieren(const TSchritt&) {
    Befehl("Aktualisieren", [this] { fenster_->tbtRefresh->click(); });
}

void TFensterwanderung::Importieren(const TSchritt& s) {
    dlg_.ja = s.a % 2;
    Befehl("Importieren", [this] { fenster_->tbtKopieren->click(); });
    const std::string text = dlg_.nachrichten.empty() ? std::string() : dlg_.nachrichten.back();
    pruefung_ = [this, text](const Bestand& vorher, const Bestand& direkt) {
        std::string befund;
        const auto neue = Neue(vorher, direkt, bib_, befund);
        const int n = Anzahl(text, "Replay wurde kopiert.", "Replays wurden kopiert.");
        if (n != static_cast<int>(neue.size()))
            befund += " der Import meldet " + std::to_string(n) + " kopiert, " + std::to_string(neue.size()) + " neu;";
        return befund;
    };
}

void TFensterwanderung::ReplaysKopieren(const TSchritt&) {
    const std::vector<std::string> markiert = Angekreuzt(true);
    Befehl("ReplaysKopieren", [this] { fenster_->btnKopieren->click(); });
    const std::string text = Status(*fenster_);
    pruefung_ = [this, markiert, text](const Bestand& vorher, const Bestand& direkt) {
        std::string befund;
        const int kopiert = Anzahl(text, "Replay nach Playback kopiert.", "Replays nach Playback kopiert.");
        const int nicht = std::max(0, Anzahl(text, "Replay konnte nicht nach Playback kopiert werden:",
                                             "Replays konnten nicht nach Playback kopiert werden:"));
        if (kopiert + nicht != static_cast<int>(markiert.size()))
            befund += " " + std::to_string(kopiert) + " nach Playback kopiert gemeldet, " +
                      std::to_string(markiert.size()) + " markiert;";
        // A row the list shows after outside hands took its file may find it again: Playback
        // was emptied into the library first.
        if (nicht == 0)
            for (const std::string& datei : markiert) {
                auto it = vorher.find(bib_ + datei);
                if (it == vorher.end()) it = direkt.find(bib_ + datei);
                if (it == direkt.end() || !Haelt(direkt, playback_[0], it->second))
                    befund += " " + datei + " fehlt in Playback;";
            }
        const int verschoben = Anzahl(text, "Replay aus Playback in die Bibliothek verschoben.",
                                      "Replays aus Playback in die Bibliothek verschoben.");
        if (verschoben > static_cast<int>(Inhalte(vorher, playback_[0]).size()))
            befund += " " + std::to_string(verschoben) + " aus Playback verschoben gemeldet;";
        return befund;
    };
}

void TFensterwanderung::Loeschen(const TSchritt& s) {
    const std::vector<std::string> ziel = Befehlsziel();
    dlg_.ja = s.a % 4 != 0;
    Befehl("Loeschen", [this] { fenster_->Loeschen1->trigger(); });
    const std::string text = Status(*fenster_);
    for (const std::string& datei : ziel) {
        const auto it = vorher_->find(bib_ + datei);
        if (it == vorher_->end() || direkt_->count(bib_ + datei)) continue;
        const Bytes& inhalt = it->second;
        // Only where the trash took it is it remembered as deleted.
        if (text.find("in den Papierkorb verschoben") == std::string::npos) continue;
        geloescht_.insert(inhalt);
        if (papierkorb_.empty()) imPapierkorb_.insert(inhalt);
    }
    const bool ja = dlg_.ja;
    pruefung_ = [this, ziel, text, ja](const Bestand& vorher, const Bestand& direkt) {
        std::string befund;
        int weg = 0;
        for (const std::string& datei : ziel) {
            const auto it = vorher.find(bib_ + datei);
            if (it == vorher.end()) continue;
            weg += !direkt.count(bib_ + datei);
            if (!papierkorb_.empty() && !direkt.count(bib_ + datei) && !Haelt(direkt, papierkorb_, it->second))
                befund += " " + datei + " ist nicht im Papierkorb;";
        }
        const int n = Anzahl(text, "Replay in den Papierkorb verschoben.", "Replays in den Papierkorb verschoben.");
        if (ja && !ziel.empty() && n != weg)
            befund += " " + std::to_string(n) + " in den Papierkorb gemeldet, " + std::to_string(weg) + " weg;";
        if ((!ja || ziel.empty()) && weg > 0) befund += " ohne Ja geloescht;";
        return befund;
    };
}

void TFensterwanderung::Ablegen(const TSchritt& s) {
    std::vector<std::string> pfade;
    const std::string einer = draussen_ + "draussen " + char('A' + s.b % 6) + ".rec";
    switch (s.a % 4) {
        case 0: pfade = {einer}; break;
        case 1: pfade = {draussen_}; break;
        case 2: pfade = {Waehlen(playback_[s.b % 2], s.c)}; break;
        default: pfade = {einer, draussen_ + "draussen " + char('A' + s.c % 6) + ".rec", draussen_ + "notiz.txt"}; break;
    }
    if (pfade.front().empty()) return;
    Befehl("Ablegen", [&] {
        std::unique_ptr<QMimeData> daten(DateienAlsMime(pfade));
        const QPoint mitte = fenster_->rect().center();
        QDragEnterEvent hinein(mitte, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster_.get(), &hinein);
        QDropEvent ab(QPointF(mitte), Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster_.get(), &ab);
    });
    const std::string text = Status(*fenster_);
    // A game handed back on purpose is wanted again.
    std::string egal;
    for (const Bytes& inhalt : Neue(*vorher_, *direkt_, bib_, egal)) geloescht_.erase(inhalt);
    pruefung_ = [this, text](const Bestand& vorher, const Bestand& direkt) {
        std::string befund;
        const auto neue = Neue(vorher, direkt, bib_, befund);
        const int n = Anzahl(text, "Replay wurde kopiert.", "Replays wurden kopiert.");
        if (n != static_cast<int>(neue.size()))
            befund += " das Ablegen meldet " + std::to_string(n) + " kopiert, " + std::to_string(neue.size()) + " neu;";
        return befund;
    };
}

// "Umbenennen": the stored name of the current replay, which the query names.
void TFensterwanderung::Umbenennen(const TSchritt& s) {
    const std::string ziel = PanelDatei();
    const std::u16string neuerName = kNeueNamen[static_cast<std::size_t>(s.b) % std::size(kNeueNamen)];
    dlg_.eingaben = {Utf8AusUtf16(neuerName)};
    Bytes alt, neu;
    if (const auto it = vorher_->find(bib_ + ziel); !ziel.empty() && it != vorher_->end()) {
        alt = it->second;
        TAufgezeichneteMeldungen meldungen;
        try {
            const TReplay replay(bib_ + ziel, meldungen);
            if (auto u = UmbenanntenInhaltBauen(alt, replay.NamensLaenge, neuerName)) neu = *u;
        } catch (const std::exception&) {
        }
        if (!neu.empty()) {
            vollstaendig_.insert(neu);
            protokoll_.umbenannt[alt].push_back(neu);
        }
    }
    Befehl("Umbenennen", [this] { fenster_->btnUmbenennen->click(); });
    const std::string text = Status(*fenster_);
    const std::vector<std::string> gefragt = dlg_.eingabeTexte;
    pruefung_ = [this, ziel, alt, neu, text, gefragt](const Bestand&, const Bestand& direkt) {
        std::string befund;
        if (ziel.empty() != gefragt.empty() ||
            (!ziel.empty() && gefragt[0].find("Datei: " + ziel + "\r\n") == std::string::npos))
            return " die Abfrage nennt nicht die Datei des Panels (" + ziel + ");";
        if (ziel.empty() || alt.empty()) return befund;
        const auto it = direkt.find(bib_ + ziel);
        const Bytes jetzt = it == direkt.end() ? Bytes() : it->second;
        if (text.find("heißt jetzt") != std::string::npos ? jetzt != neu : jetzt != alt)
            befund += " " + ziel + " haelt nicht, was die Meldung sagt: " + text + ";";
        return befund;
    };
}

// "Datei umbenennen…" (F2): a name the query refuses first, then a free one, a taken one,
// or the own name in capitals.
void TFensterwanderung::DateiUmbenennen(const TSchritt& s) {
    const std::string ziel = PanelDatei();
    std::string stamm = "umbenannt " + std::to_string(s.c % 8);
    if (s.b % 3 == 1) stamm = OhneRec(NameVon(Waehlen(bib_, s.c)));
    if (s.b % 3 == 2) {
        stamm = OhneRec(ziel);
        std::transform(stamm.begin(), stamm.end(), stamm.begin(), [](unsigned char z) { return std::toupper(z); });
    }
    dlg_.eingaben = {"a<b", stamm};
    Befehl("DateiUmbenennen", [this] { fenster_->DateiUmbenennen1->trigger(); });
    const std::string text = Status(*fenster_);
    const std::vector<std::string> gefragt = dlg_.eingabeTexte;
    pruefung_ = [this, ziel, text, gefragt](const Bestand& vorher, const Bestand& direkt) {
        if (ziel.empty() != gefragt.empty() ||
            (!ziel.empty() && gefragt[0].find("Datei: " + ziel + "\r\n") == std::string::npos))
            return " die Abfrage nennt nicht die Datei des Panels (" + ziel + ");";
        const auto alt = vorher.find(bib_ + ziel);
        if (ziel.empty() || alt == vorher.end()) return std::string();
        std::string befund;
        Neue(vorher, direkt, bib_, befund);
        const std::string praefix = "Die Datei " + ziel + " heißt jetzt ";
        if (text.rfind(praefix, 0) == 0) {
            const std::string neu = text.substr(praefix.size(), text.size() - praefix.size() - 1);
            const auto it = direkt.find(bib_ + neu);
            if (it == direkt.end() || it->second != alt->second || direkt.count(bib_ + ziel))
                befund += " " + ziel + " heisst nicht " + neu + ";";
        } else if (const auto it = direkt.find(bib_ + ziel); it == direkt.end() || it->second != alt->second) {
            befund += " " + ziel + " nicht umbenannt gemeldet, aber nicht mehr da: " + text + ";";
        }
        return befund;
    };
}

// "Dateinamen aus Replays bilden…" by one of the templates.
void TFensterwanderung::Vorlage(const TSchritt& s) {
    Namensvorlage = kVorlagen[static_cast<std::size_t>(s.a) % std::size(kVorlagen)];
    dlg_.ja = s.b % 4 != 0;
    Befehl("Vorlage", [this] { fenster_->DateinamenBilden1->trigger(); });
    const std::string text = Status(*fenster_);
    pruefung_ = [this, text](const Bestand& vorher, const Bestand& direkt) {
        std::string befund;
        Neue(vorher, direkt, bib_, befund);
        int weg = 0;
        for (const auto& [pfad, inhalt] : vorher) weg += pfad.starts_with(bib_) && IstRec(pfad) && !direkt.count(pfad);
        const int n = std::max(0, Anzahl(text, "Datei umbenannt.", "Dateien umbenannt."));
        if (n != weg) befund += " " + std::to_string(n) + " umbenannt gemeldet, " + std::to_string(weg) + " Namen weg;";
        auto davor = Inhalte(vorher, bib_), danach = Inhalte(direkt, bib_);
        std::sort(davor.begin(), davor.end());
        std::sort(danach.begin(), danach.end());
        if (davor != danach) befund += " die Bibliothek haelt nach dem Umbenennen andere Inhalte;";
        return befund;
    };
}

// ---- What the user does to the list itself.

void TFensterwanderung::Ankreuzen(const TSchritt& s) {
    const std::vector<int> zeilen = SichtbareZeilen();
    if (zeilen.empty()) return;
    const int zeile = zeilen[static_cast<std::size_t>(s.a) % zeilen.size()];
    ++statistik_["Ankreuzen"];
    QTest::mouseClick(fenster_->grdReplays->viewport(), Qt::LeftButton, Qt::NoModifier,
                      fenster_->grdReplays->CheckBoxRect(lsBox, zeile).center());
}

void TFensterwanderung::Suchen(const TSchritt& s) {
    ++statistik_["Suchen"];
    fenster_->edtSuche->setText(QString::fromUtf8(kSuchtexte[static_cast<std::size_t>(s.a) % std::size(kSuchtexte)]));
}

void TFensterwanderung::Sortieren(const TSchritt& s) {
    ++statistik_["Sortieren"];
    TCheckSortGrid* grid = fenster_->grdReplays;
    const int spalte = grid->Spaltenposition(lsSpielname + s.a % 4);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->CellRect(spalte, 0).center());
}

void TFensterwanderung::Zeile(const TSchritt& s) {
    const std::vector<int> zeilen = SichtbareZeilen();
    if (zeilen.empty()) return;
    ++statistik_["Zeile"];
    TCheckSortGrid* grid = fenster_->grdReplays;
    const int zeile = zeilen[static_cast<std::size_t>(s.a) % zeilen.size()];
    grid->ZeileZeigen(zeile);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      grid->CellRect(grid->Spaltenposition(lsSpielname), zeile).center());
}
