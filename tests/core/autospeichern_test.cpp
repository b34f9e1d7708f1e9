// The automatic save of new games: what the library holds after the game wrote into its
// Playback folder, and, end to end, a game written in pieces and then overwritten by the
// next one, followed through the folder watches.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/autospeichern.h"
#include "core/bibliothek.h"
#include "core/dateifunktionen.h"
#include "core/geloeschte.h"
#include "core/inhalt.h"
#include "core/namensvorlage.h"
#include "core/ordnerverfolgung.h"
#include "core/platform/dateistempel.h"
#include "core/platform/fehlerplan.h"
#include "core/replay.h"
#include "core/replayindex.h"
#include "core/transfers.h"
#include "core/variablen.h"
#include "support/heimordner.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

using plattform::Operation;
namespace fs = std::filesystem;
using S = TSpeicherstand;

namespace {

using Bytes = std::vector<unsigned char>;
using Ordnerinhalt = std::map<std::string, char>;  // name -> which game ('?' for other bytes)

// Games 'A'..'Z', each with players of its own; 'a'..'z' are the same games grown longer.
const Bytes& Spiel(char kennung) {
    static std::map<char, Bytes> gebaut;
    Bytes& bytes = gebaut[kennung];
    if (bytes.empty()) {
        ReplayBauer bau;
        const char16_t k = static_cast<char16_t>(kennung >= 'a' ? kennung - 'a' + 'A' : kennung);
        bau.Name = std::u16string(u"Spiel ") + k;
        bau.Spieler = {SpielerBau{}, SpielerBau{}};
        bau.Spieler[0].Name = std::u16string(u"Gorgutz ") + k;
        bau.Spieler[1].Name = u"Eldrad";
        bau.Spieler[1].Team = 1;
        bau.ZielGroesse = kennung >= 'a' ? 24 * 1024 : 16 * 1024;
        bytes = bau.Bauen();
    }
    return bytes;
}

Ordnerinhalt Inhalt(const std::string& ordner) {
    Ordnerinhalt inhalt;
    for (const auto& e : fs::directory_iterator(FsPfad(ordner))) {
        const Bytes bytes = DateiLesen(Utf8Pfad(e.path()));
        char& k = inhalt[Utf8Pfad(e.path().filename())] = '?';
        for (char c : std::string("ABCDEFabcdef"))
            if (bytes == Spiel(c)) k = c;
    }
    return inhalt;
}

// The name the default template gives the game as it stands in pfad.
std::string Vorlagenname(const std::string& pfad) {
    TAufgezeichneteMeldungen m;
    return StandardDateiname(TReplay(pfad, m));
}

std::string NachSpielname(const TReplay& r) { return PortablerName(r.Spielname); }

}  // namespace

TEST(AutoSpeichern, WasDieBibliothekDanachHaelt) {
    struct Fall {
        const char* titel;
        Ordnerinhalt bibliothek;
        char playback;  // temp.rec; 0 for none
        S stand;
        std::string zielname;
        Ordnerinhalt danach;  // besides what was there
        std::function<void(const std::string& playback, const std::string& bib, TGeloeschte&)> vorher = nullptr;
        // When set: after the first save this happens, and a second save gives stand.
        std::function<void(const std::string& playback)> dann = nullptr;
        TKopierstand kopie = TKopierstand::KeineDatei;
    };
    const Fall faelle[] = {
        {"neues Spiel", {}, 'A', S::Gespeichert, "Spiel A.rec", {{"Spiel A.rec", 'A'}}},
        // The copy in the library is the replay under any name.
        {"schon unter anderem Namen da", {{"2026-12-09 21-14 Bahnhof.rec", 'A'}}, 'A', S::SchonDa,
         "2026-12-09 21-14 Bahnhof.rec", {}},
        {"der Name ist von einem anderen Spiel belegt", {{"Spiel A.rec", 'B'}}, 'A', S::Gespeichert, "Spiel A (2).rec",
         {{"Spiel A (2).rec", 'A'}}},
        {"vom Benutzer geloescht", {}, 'A', S::Geloescht, "", {},
         [](const std::string& p, const std::string&, TGeloeschte& g) { g.Merken(*InhaltBerechnen(p + "temp.rec")); }},
        {"noch nicht lesbar", {}, 'A', S::Unfertig, "", {},
         [](const std::string& p, const std::string&, TGeloeschte&) {
             Bytes halb = Spiel('A');
             halb.resize(300);
             DateiSchreiben(p + "temp.rec", halb);
             AenderungszeitSetzen(p + "temp.rec", 2026, 12, 9, 21, 14, 40);
         }},
        {"kein Replay da", {}, 0, S::Weg, "", {}},
        {"Bibliothek fehlt", {}, 'A', S::Fehlgeschlagen, "", {},
         [](const std::string&, const std::string& b, TGeloeschte&) { fs::remove_all(FsPfad(b)); }, nullptr,
         TKopierstand::ZielordnerFehlt},
        {"Datentraeger voll", {}, 'A', S::Fehlgeschlagen, "", {},
         [](const std::string&, const std::string&, TGeloeschte&) { plattform::FehlerEinplanen(Operation::Schreiben, 1); },
         nullptr, TKopierstand::KeinPlatz},
        {"unveraendert seit dem letzten Mal", {}, 'A', S::Unveraendert, "", {{"Spiel A.rec", 'A'}}, nullptr,
         [](const std::string&) {}},
        // The game went on writing into the file after it was saved: the whole game is
        // saved again, beside the first copy, which stays as it was.
        {"waechst nach dem Speichern", {}, 'A', S::Gespeichert, "Spiel A (2).rec",
         {{"Spiel A.rec", 'A'}, {"Spiel A (2).rec", 'a'}}, nullptr,
         [](const std::string& p) {
             DateiSchreiben(p + "temp.rec", Spiel('a'));
             AenderungszeitSetzen(p + "temp.rec", 2026, 12, 9, 21, 58, 2);
         }},
        {"ein neues Spiel im selben Namen", {}, 'A', S::Gespeichert, "Spiel B.rec",
         {{"Spiel A.rec", 'A'}, {"Spiel B.rec", 'B'}}, nullptr,
         [](const std::string& p) { DateiSchreiben(p + "temp.rec", Spiel('B')); }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        TempVerzeichnis temp;
        const std::string playback = temp.Pfad() + "Playback/", bib = temp.Pfad() + "bib/";
        fs::create_directory(FsPfad(playback));
        fs::create_directory(FsPfad(bib));
        for (const auto& [name, k] : fall.bibliothek) DateiSchreiben(bib + name, Spiel(k));
        if (fall.playback) {
            DateiSchreiben(playback + "temp.rec", Spiel(fall.playback));
            AenderungszeitSetzen(playback + "temp.rec", 2026, 12, 9, 21, 14, 40);
        }
        TGeloeschte geloeschte;
        if (fall.vorher) fall.vorher(playback, bib, geloeschte);
        TBibliothek bibliothek = TBibliothek::Lesen(bib);
        TAutoSpeicher speicher(playback, bibliothek, geloeschte, NachSpielname);
        TSpeicherung s = speicher.Speichern("temp.rec");
        if (fall.dann) {
            ASSERT_EQ(s.Stand, S::Gespeichert);
            fall.dann(playback);
            s = speicher.Speichern("temp.rec");
        }
        plattform::FehlerplanLeeren();
        EXPECT_EQ(s.Stand, fall.stand);
        if (s.Stand == S::Gespeichert || s.Stand == S::SchonDa) {
            EXPECT_EQ(s.Zielname, fall.zielname);
        }
        if (fall.stand == S::Fehlgeschlagen) {
            EXPECT_EQ(s.Kopie, fall.kopie);
        }
        if (!fs::exists(FsPfad(bib))) continue;
        Ordnerinhalt erwartet = fall.bibliothek;
        erwartet.insert(fall.danach.begin(), fall.danach.end());
        EXPECT_EQ(Inhalt(bib), erwartet);
        // Playback is left as the game left it.
        if (fall.playback) {
            EXPECT_EQ(Inhalt(playback).size(), 1u);
        }
    }
}

// A game is saved only once the game let go of it, or, where the system cannot tell, once
// it stood still for the quiet time, by the clock of the fault plan.
TEST(AutoSpeichern, ErstWennDasSpielFertigIst) {
    TempVerzeichnis temp;
    const std::string playback = temp.Pfad() + "Playback/", bib = temp.Pfad() + "bib/";
    fs::create_directory(FsPfad(playback));
    fs::create_directory(FsPfad(bib));
    TGeloeschte geloeschte;
    TBibliothek bibliothek = TBibliothek::Lesen(bib);
    TAutoSpeicher speicher(playback, bibliothek, geloeschte, NachSpielname);
    {
        std::ofstream spiel(FsPfad(playback + "temp.rec"), std::ios::binary);
        spiel.write(reinterpret_cast<const char*>(Spiel('A').data()), static_cast<std::streamsize>(Spiel('A').size()));
        spiel.flush();
        EXPECT_EQ(speicher.Speichern("temp.rec").Stand, S::WirdGeschrieben);
    }
    plattform::Dateizustand z;
    ASSERT_TRUE(plattform::ZustandLesen(playback + "temp.rec", z));
    const std::int64_t zuletzt = std::max(z.aenderung, z.wechsel), sekunde = plattform::StempelProSekunde();
    plattform::FehlerDauerhaftEinplanen(Operation::Schreibtest);
    plattform::UhrStellen(zuletzt + 2 * sekunde);
    const TSpeicherung s = speicher.Speichern("temp.rec");
    EXPECT_EQ(s.Stand, S::WirdGeschrieben);
    EXPECT_EQ(s.NochmalUm, zuletzt + 3 * sekunde);
    EXPECT_TRUE(Inhalt(bib).empty());
    plattform::UhrStellen(s.NochmalUm);
    EXPECT_EQ(speicher.Speichern("temp.rec").Stand, S::Gespeichert);
    plattform::FehlerplanLeeren();
    EXPECT_EQ(Inhalt(bib), (Ordnerinhalt{{"Spiel A.rec", 'A'}}));
}

// End to end: the game writes a replay into Playback in pieces, holding the file open, and
// then writes the next game into the same file. The watches and the quiet-time rule drive
// the automatic save: both games end up in the library, whole and once each, under the
// template's names, and no piece of a game ever shows there under a replay's name.
TEST(AutoSpeichern, ZweiSpieleNacheinanderInDieselbeDatei) {
    for (const bool schreiberErkennbar : {true, false}) {
        SCOPED_TRACE(schreiberErkennbar ? "das System kennt den Schreiber" : "nur die Ruhezeit zaehlt");
        TempVerzeichnis temp;
        const std::string playback = temp.Pfad() + "Playback/", bib = temp.Pfad() + "bib/";
        fs::create_directory(FsPfad(playback));
        fs::create_directory(FsPfad(bib));
        // The fault plan's clock runs with the real one while the game writes, so the file's
        // times are its own; waiting for quiet moves it on by a second a round instead.
        std::int64_t versatz = 0;
        auto uhrStellen = [&](bool warten) {
            if (warten) versatz += plattform::StempelProSekunde();
            plattform::UhrStellen(std::nullopt);
            plattform::UhrStellen(plattform::StempelZeitJetzt() + versatz);
        };
        if (!schreiberErkennbar) plattform::FehlerDauerhaftEinplanen(Operation::Schreibtest);

        TAufgezeichneteMeldungen m;
        TBibliothek bibliothek;
        ASSERT_EQ(ReplaysLaden(bib, m, &bibliothek), kLadenOk);
        TGeloeschte geloeschte;
        TAutoSpeicher speicher(playback, bibliothek, geloeschte, StandardDateiname);
        TOrdnerverfolgung imPlayback(playback), inDerBibliothek(bib);
        std::vector<std::string> gelistet;  // what the list got from the library's watch
        int nachzuegler = 0;  // rounds after which the library held a game the list did not

        // One round of the window's event loop.
        auto runde = [&](bool warten) {
            uhrStellen(warten);
            imPlayback.Warten(50);
            for (const std::string& name : imPlayback.Abholen().Namen) {
                const TSpeicherung s = speicher.Speichern(name);
                ASSERT_NE(s.Stand, S::Fehlgeschlagen) << static_cast<int>(s.Kopie);
                if (s.Stand == S::WirdGeschrieben) imPlayback.SpaeterNochmal(name, s.NochmalUm);
            }
            inDerBibliothek.Warten(20);
            for (auto& a : bibliothek.Aktualisieren(inDerBibliothek.Abholen().Namen)) {
                if (a.Stand == TBibliotheksstand::WirdGeschrieben) inDerBibliothek.SpaeterNochmal(a.Name, a.NochmalUm);
                ASSERT_NE(a.Stand, TBibliotheksstand::NichtGelesen) << a.Name;
                if (a.Replay) gelistet.push_back(a.Name);
            }
            // A saved game is in the list within the round (a second) it was saved in.
            if (Inhalt(bib).size() > gelistet.size()) ++nachzuegler;
            // Only whole games carry a replay's name in the library.
            for (const auto& [name, k] : Inhalt(bib)) {
                if (name.size() > 4 && name.substr(name.size() - 4) == ".rec") {
                    EXPECT_NE(k, '?') << name;
                }
            }
        };
        auto schreiben = [&](char spiel) {
            const Bytes& bytes = Spiel(spiel);
            versatz = 0;
            std::ofstream datei(FsPfad(playback + "temp.rec"), std::ios::binary | std::ios::trunc);
            for (std::size_t stelle = 0; stelle < bytes.size(); stelle += 4096) {
                datei.write(reinterpret_cast<const char*>(bytes.data() + stelle),
                            static_cast<std::streamsize>(std::min<std::size_t>(4096, bytes.size() - stelle)));
                datei.flush();
                runde(false);
                EXPECT_EQ(Inhalt(bib).size(), spiel == 'A' ? 0u : 1u) << "saved while the game wrote it";
            }
        };
        auto bisGespeichert = [&](std::size_t anzahl) {
            for (int i = 0; i < 30 && (Inhalt(bib).size() < anzahl || gelistet.size() < anzahl); ++i) runde(true);
        };

        schreiben('A');
        bisGespeichert(1);
        const std::string erster = Vorlagenname(playback + "temp.rec");
        schreiben('B');
        bisGespeichert(2);
        const std::string zweiter = Vorlagenname(playback + "temp.rec");
        for (int i = 0; i < 3; ++i) runde(true);  // nothing more comes of it
        plattform::FehlerplanLeeren();

        EXPECT_EQ(Inhalt(bib), (Ordnerinhalt{{erster, 'A'}, {zweiter, 'B'}}));
        EXPECT_EQ(gelistet, (std::vector<std::string>{erster, zweiter}));
        EXPECT_LE(nachzuegler, 2);
        EXPECT_EQ(Inhalt(playback), (Ordnerinhalt{{"temp.rec", 'B'}}));
        EXPECT_NE(erster.find(" – Gorgutz A vs Eldrad.rec"), std::string::npos) << erster;
    }
}

// What the user deleted is remembered for the next start, for its folder alone; a damaged
// file forgets it rather than being trusted.
TEST(AutoSpeichern, DasGeloeschteBleibtGemerkt) {
    Heimordner heim;
    IndexVerzeichnis = heim.Pfad() + "cache/";
    const std::string bib = heim.Pfad() + "bib/";
    const TInhalt a{1, 2}, b{3, 4};
    TGeloeschte g = TGeloeschte::Laden(bib);
    EXPECT_TRUE(g.Leer());
    g.Merken(a);
    g.Merken(b);
    g.Vergessen(b);
    ASSERT_TRUE(g.Speichern());
    const TGeloeschte wieder = TGeloeschte::Laden(bib);
    EXPECT_TRUE(wieder.Enthaelt(a));
    EXPECT_FALSE(wieder.Enthaelt(b));
    EXPECT_TRUE(TGeloeschte::Laden(heim.Pfad() + "andere/").Leer());
    Bytes datei = DateiLesen(GeloeschtDatei(IndexVerzeichnis, bib));
    datei[datei.size() - 12] ^= 1;
    DateiSchreiben(GeloeschtDatei(IndexVerzeichnis, bib), datei);
    EXPECT_TRUE(TGeloeschte::Laden(bib).Leer());
    IndexVerzeichnis.clear();
}
