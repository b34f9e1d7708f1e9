#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/bibliothek.h"
#include "core/geloeschte.h"
#include "core/platform/dateioperationen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/pfad.h"
#include "core/transfers.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

using plattform::Operation;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;
// A folder's entries: name -> which replay it holds ('A'..'Z'), 'D' for a sub-folder,
// '?' for bytes that are no test replay (a damaged copy would show as that).
using Ordnerinhalt = std::map<std::string, char>;
// What became of each enumerated file: 'K' copied, 'V' already there (vorhanden), 'S' the
// same file, 'X' no readable file, 'O' target folder missing, 'B' copy not confirmed,
// 'G' copy failed, 'N' no free name, 'W' being written, 'Z' too big, 'P' disk full,
// 'E' gone meanwhile (entfernt).
using Staende = std::map<std::string, char>;

Staende StaendeVon(const TKopierbericht& bericht) {
    Staende staende;
    for (const TKopierteDatei& d : bericht.Dateien) {
        const char* codes = "KVSXOBGNWZPE";
        staende[d.Name] = codes[static_cast<int>(d.Stand)];
    }
    return staende;
}

const Bytes& Replay(char kennung) {
    static std::map<char, Bytes> gebaut;
    auto& bytes = gebaut[kennung];
    if (bytes.empty()) {
        ReplayBauer bauer;
        bauer.Name = std::u16string(u"Spiel ") + char16_t(kennung);
        bytes = bauer.Bauen();
    }
    return bytes;
}

void Fuellen(const std::string& ordner, const Ordnerinhalt& inhalt) {
    fs::create_directories(ordner);
    for (const auto& [name, kennung] : inhalt) {
        if (kennung == 'D') fs::create_directory(ordner + name);
        else DateiSchreiben(ordner + name, Replay(kennung));
    }
}

Ordnerinhalt Lesen(const std::string& ordner) {
    Ordnerinhalt inhalt;
    std::error_code fehler;
    for (const auto& eintrag : fs::directory_iterator(ordner, fehler)) {
        const std::string name = eintrag.path().filename().string();
        if (eintrag.is_directory()) {
            inhalt[name] = 'D';
            continue;
        }
        const Bytes bytes = DateiLesen(eintrag.path().string());
        inhalt[name] = '?';
        for (char k = 'A'; k <= 'Z'; ++k)
            if (bytes == Replay(k)) inhalt[name] = k;
    }
    return inhalt;
}

// Every file in the folders, by content. The invariant of every transfer: each replay
// that existed before is afterwards still somewhere in these folders, byte for byte.
std::vector<Bytes> Bestand(const std::vector<std::string>& ordner) {
    std::vector<Bytes> bestand;
    for (const std::string& o : ordner) {
        std::error_code fehler;
        for (const auto& eintrag : fs::directory_iterator(o, fehler))
            if (eintrag.is_regular_file()) bestand.push_back(DateiLesen(eintrag.path().string()));
    }
    return bestand;
}

void NichtsVerloren(const std::vector<Bytes>& vorher, const std::vector<std::string>& ordner) {
    const std::vector<Bytes> nachher = Bestand(ordner);
    for (const Bytes& inhalt : vorher)
        EXPECT_NE(std::find(nachher.begin(), nachher.end(), inhalt), nachher.end())
            << "a replay of " << inhalt.size() << " bytes was lost";
}

std::string MitRueckstrichen(std::string pfad) {
    std::replace(pfad.begin(), pfad.end(), '/', '\\');
    return pfad;
}

class TransfersTest : public testing::Test {
protected:
    void TearDown() override { plattform::FehlerplanLeeren(); }

    TempVerzeichnis temp;
    const std::string t = temp.Pfad();
    const std::string spiel = t + "spiel/";
    const std::string playback = spiel + "Playback/";
    const std::string bib = t + "bib/";
};

}  // namespace

TEST_F(TransfersTest, PlaybackOrdnerHaengtSeinenTrennerImmerAn) {
    if (plattform::IstPosix()) {
        EXPECT_EQ(PlaybackOrdner("/spiele/dow/"), "/spiele/dow//Playback/");
        EXPECT_EQ(PlaybackOrdner("/spiele/dow"), "/spiele/dow/Playback/");
        // A '\' is part of a folder's name there, not a separator.
        EXPECT_EQ(PlaybackOrdner("/spiele/Dawn\\of War\\"), "/spiele/Dawn\\of War\\/Playback/");
        EXPECT_EQ(PlaybackOrdner(""), "/Playback/");
    } else {
        EXPECT_EQ(PlaybackOrdner("C:\\Spiele\\DoW\\"), "C:\\Spiele\\DoW\\\\Playback\\");
        EXPECT_EQ(PlaybackOrdner("C:\\Spiele\\DoW"), "C:\\Spiele\\DoW\\Playback\\");
        EXPECT_EQ(PlaybackOrdner(""), "\\Playback\\");
    }
}

TEST_F(TransfersTest, Import) {
    struct Fall {
        const char* titel;
        Ordnerinhalt playback{}, bibliothek{};
        bool entfernen = false;
        Staende staende{};  // of the last run
        Ordnerinhalt playbackDanach{}, bibliothekDanach{};
        bool ohnePlayback = false, ohneBibliothek = false;
        Operation fehlerBei = Operation::Anzahl_;
        int nterAufruf = 0;
        int laeufe = 1;
        // Something happening right before the first call of dazwischenBei (by default the
        // move of a finished copy to its name): a second process's step, or the game writing.
        std::function<void(const std::string& spiel, const std::string& bib)> dazwischen = nullptr;
        Operation dazwischenBei = Operation::Verschieben;
        bool nurPosix = false;
    };
    const Fall kFaelle[] = {
        {.titel = "ein zweiter Import mit Entfernen kommt vor dem Einsetzen dazwischen",
         .playback = {{"a.rec", 'A'}},
         .entfernen = true,
         .staende = {{"a.rec", 'V'}},
         .bibliothekDanach = {{"a.rec", 'A'}},
         .dazwischen = [](const std::string& s, const std::string& b) { PlaybackImportieren(s, b, true); }},
        {.titel = "ein zweiter Import mit Entfernen kommt vor dem Lesen dazwischen",
         .playback = {{"a.rec", 'A'}},
         .entfernen = true,
         .staende = {{"a.rec", 'E'}},
         .bibliothekDanach = {{"a.rec", 'A'}},
         .dazwischen = [](const std::string& s, const std::string& b) { PlaybackImportieren(s, b, true); },
         .dazwischenBei = Operation::Oeffnen},
        {.titel = "das Spiel schreibt ein neues Spiel unter den Namen",
         .playback = {{"a.rec", 'A'}},
         .entfernen = true,
         .staende = {{"a.rec", 'K'}},
         .playbackDanach = {{"a.rec", 'B'}},
         .bibliothekDanach = {{"a.rec", 'A'}},
         .dazwischen = [](const std::string& s, const std::string&) { DateiSchreiben(s + "Playback/a.rec", Replay('B')); }},
        // '\' is part of the name on POSIX: a refused copy is no missing folder.
        {.titel = "Rueckstrich im Namen, Kopie verweigert",
         .playback = {{"a\\b.rec", 'A'}},
         .entfernen = true,
         .staende = {{"a\\b.rec", 'G'}},
         .playbackDanach = {{"a\\b.rec", 'A'}},
         .fehlerBei = Operation::Erzeugen,
         .nterAufruf = 1,
         .nurPosix = true},
        {"leeres Playback", {}, {{"a.rec", 'A'}}, true, {}, {}, {{"a.rec", 'A'}}},
        {.titel = "kein Playback-Ordner",
         .bibliothek = {{"a.rec", 'A'}},
         .entfernen = true,
         .bibliothekDanach = {{"a.rec", 'A'}},
         .ohnePlayback = true},
        {"neue Replays, behalten", {{"a.rec", 'A'}, {"b.rec", 'B'}}, {}, false, {{"a.rec", 'K'}, {"b.rec", 'K'}},
         {{"a.rec", 'A'}, {"b.rec", 'B'}}, {{"a.rec", 'A'}, {"b.rec", 'B'}}},
        {"neue Replays, entfernen", {{"a.rec", 'A'}, {"b.rec", 'B'}}, {}, true, {{"a.rec", 'K'}, {"b.rec", 'K'}}, {},
         {{"a.rec", 'A'}, {"b.rec", 'B'}}},
        {"Gross- und Kleinschreibung, nur *.rec", {{"X.REC", 'A'}, {"y.Rec", 'B'}, {"z.txt", 'C'}}, {}, true,
         {{"X.REC", 'K'}, {"y.Rec", 'K'}}, {{"z.txt", 'C'}}, {{"X.REC", 'A'}, {"y.Rec", 'B'}}},
        {"gleicher Inhalt im Ziel, entfernen", {{"a.rec", 'A'}}, {{"a.rec", 'A'}}, true, {{"a.rec", 'V'}}, {},
         {{"a.rec", 'A'}}},
        // A game the automatic save named by its contents does not come back as temp.rec.
        {"gleicher Inhalt unter anderem Namen, entfernen", {{"temp.rec", 'A'}},
         {{"2026-12-09 21-14 Bahnhof – A vs B.rec", 'A'}, {"temp.rec", 'B'}}, true, {{"temp.rec", 'V'}}, {},
         {{"2026-12-09 21-14 Bahnhof – A vs B.rec", 'A'}, {"temp.rec", 'B'}}},
        {"gleicher Inhalt unter anderem Namen, behalten", {{"temp.rec", 'A'}, {"neu.rec", 'C'}},
         {{"Spiel A.rec", 'A'}}, false, {{"temp.rec", 'V'}, {"neu.rec", 'K'}}, {{"temp.rec", 'A'}, {"neu.rec", 'C'}},
         {{"Spiel A.rec", 'A'}, {"neu.rec", 'C'}}},
        {"gleicher Inhalt im Ziel, behalten", {{"a.rec", 'A'}}, {{"a.rec", 'A'}}, false, {{"a.rec", 'V'}},
         {{"a.rec", 'A'}}, {{"a.rec", 'A'}}},
        {"anderer Inhalt im Ziel, entfernen", {{"a.rec", 'B'}}, {{"a.rec", 'A'}}, true, {{"a.rec", 'K'}}, {},
         {{"a.rec", 'A'}, {"a (2).rec", 'B'}}},
        {.titel = "anderer Inhalt, dreimal ohne Entfernen",
         .playback = {{"a.rec", 'B'}},
         .bibliothek = {{"a.rec", 'A'}},
         .entfernen = false,
         .staende = {{"a.rec", 'V'}},
         .playbackDanach = {{"a.rec", 'B'}},
         .bibliothekDanach = {{"a.rec", 'A'}, {"a (2).rec", 'B'}},
         .laeufe = 3},
        {"(2) schon anders belegt", {{"a.rec", 'C'}}, {{"a.rec", 'A'}, {"a (2).rec", 'B'}}, true, {{"a.rec", 'K'}}, {},
         {{"a.rec", 'A'}, {"a (2).rec", 'B'}, {"a (3).rec", 'C'}}},
        {"(2) haelt schon diesen Inhalt", {{"a.rec", 'B'}}, {{"a.rec", 'A'}, {"a (2).rec", 'B'}}, true,
         {{"a.rec", 'V'}}, {}, {{"a.rec", 'A'}, {"a (2).rec", 'B'}}},
        {"Name ohne Punkt bleibt", {{"rec", 'A'}}, {}, true, {}, {{"rec", 'A'}}, {}},
        {"Ordner gleichen Namens im Ziel", {{"a.rec", 'A'}}, {{"a.rec", 'D'}}, true, {{"a.rec", 'K'}}, {},
         {{"a.rec", 'D'}, {"a (2).rec", 'A'}}},
        {"Ordner im Playback zaehlt, bleibt", {{"x.rec", 'D'}, {"a.rec", 'A'}}, {}, true,
         {{"x.rec", 'X'}, {"a.rec", 'K'}}, {{"x.rec", 'D'}}, {{"a.rec", 'A'}}},
        {.titel = "Bibliothek fehlt",
         .playback = {{"a.rec", 'A'}, {"b.rec", 'B'}},
         .entfernen = true,
         .staende = {{"a.rec", 'O'}, {"b.rec", 'O'}},
         .playbackDanach = {{"a.rec", 'A'}, {"b.rec", 'B'}},
         .ohneBibliothek = true},
        {.titel = "Kopie scheitert",
         .playback = {{"a.rec", 'A'}},
         .entfernen = true,
         .staende = {{"a.rec", 'G'}},
         .playbackDanach = {{"a.rec", 'A'}},
         .fehlerBei = Operation::Erzeugen,
         .nterAufruf = 1},
        {.titel = "Kopie unter neuem Namen scheitert",
         .playback = {{"a.rec", 'B'}},
         .bibliothek = {{"a.rec", 'A'}},
         .entfernen = true,
         .staende = {{"a.rec", 'G'}},
         .playbackDanach = {{"a.rec", 'B'}},
         .bibliothekDanach = {{"a.rec", 'A'}},
         .fehlerBei = Operation::Erzeugen,
         .nterAufruf = 1},
        {.titel = "Lesen der Quelle scheitert",
         .playback = {{"a.rec", 'A'}},
         .entfernen = true,
         .staende = {{"a.rec", 'X'}},
         .playbackDanach = {{"a.rec", 'A'}},
         .fehlerBei = Operation::Lesen,
         .nterAufruf = 1},
        {.titel = "Pruefung der Kopie scheitert",
         .playback = {{"a.rec", 'A'}},
         .entfernen = true,
         .staende = {{"a.rec", 'B'}},
         .playbackDanach = {{"a.rec", 'A'}},
         .fehlerBei = Operation::Lesen,
         .nterAufruf = 2},
        {.titel = "Loeschen scheitert",
         .playback = {{"a.rec", 'A'}},
         .entfernen = true,
         .staende = {{"a.rec", 'K'}},
         .playbackDanach = {{"a.rec", 'A'}},
         .bibliothekDanach = {{"a.rec", 'A'}},
         .fehlerBei = Operation::Loeschen,
         .nterAufruf = 1},
    };
    for (const Fall& fall : kFaelle) {
        SCOPED_TRACE(fall.titel);
        if (fall.nurPosix && !plattform::IstPosix()) continue;
        TempVerzeichnis fallTemp;
        const std::string s = fallTemp.Pfad() + "spiel/", p = s + "Playback/", b = fallTemp.Pfad() + "bib/";
        fs::create_directory(s);
        if (!fall.ohnePlayback) Fuellen(p, fall.playback);
        if (!fall.ohneBibliothek) Fuellen(b, fall.bibliothek);
        const auto vorher = Bestand({p, b});
        for (int lauf = 0; lauf < fall.laeufe; ++lauf) {
            if (fall.nterAufruf > 0) plattform::FehlerEinplanen(fall.fehlerBei, fall.nterAufruf);
            if (fall.dazwischen)
                plattform::AktionEinplanen(fall.dazwischenBei, 1, [&] { fall.dazwischen(s, b); });
            const Staende staende = StaendeVon(PlaybackImportieren(s, b, fall.entfernen));
            if (lauf + 1 == fall.laeufe) {
                EXPECT_EQ(staende, fall.staende);
            }
            plattform::FehlerplanLeeren();
        }
        EXPECT_EQ(Lesen(p), fall.playbackDanach);
        EXPECT_EQ(Lesen(b), fall.bibliothekDanach);
        EXPECT_EQ(fs::exists(p), !fall.ohnePlayback);
        EXPECT_EQ(fs::exists(b), !fall.ohneBibliothek);
        NichtsVerloren(vorher, {p, b});
    }
}

// The start-up question is asked only for Playback replays whose bytes the library does
// not hold under any name.
TEST_F(TransfersTest, NurWasNochNichtInDerBibliothekIstGiltAlsNeu) {
    Fuellen(playback, {{"temp.rec", 'A'}, {"neu.rec", 'C'}});
    Fuellen(bib, {{"2026-12-09 21-14 Bahnhof – A vs B.rec", 'A'}, {"neu.rec", 'B'}});
    TBibliothek bibliothek = TBibliothek::Lesen(bib);
    EXPECT_EQ(PlaybackNeue(spiel, bibliothek), std::vector<std::string>{"neu.rec"});
    // Nor is a replay the user deleted from the library.
    TGeloeschte geloeschte;
    geloeschte.Merken(*InhaltBerechnen(playback + "neu.rec"));
    EXPECT_TRUE(PlaybackNeue(spiel, bibliothek, &geloeschte).empty());
}

TEST_F(TransfersTest, ImportMitJederSchreibweiseDesSpielverzeichnisses) {
    std::vector<std::string> schreibweisen = {spiel, t + "spiel"};
    // Only Windows separates at '\'; on POSIX it belongs to a name.
    if (!plattform::IstPosix()) {
        schreibweisen.push_back(MitRueckstrichen(spiel));
        schreibweisen.push_back(MitRueckstrichen(t + "spiel"));
    }
    for (const std::string& dow : schreibweisen) {
        SCOPED_TRACE(dow);
        Fuellen(playback, {{"a.rec", 'A'}});
        Fuellen(bib, {});
        EXPECT_EQ(StaendeVon(PlaybackImportieren(dow, bib, true)), (Staende{{"a.rec", 'K'}}));
        EXPECT_EQ(Lesen(playback), Ordnerinhalt{});
        EXPECT_EQ(Lesen(bib), (Ordnerinhalt{{"a.rec", 'A'}}));
        fs::remove_all(bib);
    }
}

TEST_F(TransfersTest, KopienBehaltenZeitUndSchreibschutz) {
    Fuellen(playback, {{"a.rec", 'A'}});
    Fuellen(bib, {});
    AenderungszeitSetzen(playback + "a.rec", 2005, 3, 14, 21, 7, 44);
    SchreibschutzSetzen(playback + "a.rec", true);
    const auto zeit = plattform::LetzteAenderungFat(playback + "a.rec");
    const auto rechte = fs::status(playback + "a.rec").permissions();
    const auto vorher = Bestand({playback, bib});

    EXPECT_EQ(PlaybackImportieren(spiel, bib, true).Anzahl(TKopierstand::Kopiert), 1);

    EXPECT_EQ(plattform::LetzteAenderungFat(bib + "a.rec"), zeit);
    EXPECT_EQ(fs::status(bib + "a.rec").permissions(), rechte);
    // Windows refuses to delete a read-only file, so the source may stay; it must not be
    // the only thing that is left, though.
    EXPECT_EQ(Lesen(bib), (Ordnerinhalt{{"a.rec", 'A'}}));
    NichtsVerloren(vorher, {playback, bib});
}

TEST_F(TransfersTest, ReplaysKopieren) {
    struct Fall {
        const char* titel;
        Ordnerinhalt playback{}, bibliothek{};
        std::vector<std::string> angehakt{};
        int druecke = 1;
        Ordnerinhalt playbackDanach{}, bibliothekDanach{};
        bool ohnePlayback = false;
    };
    const Ordnerinhalt abc = {{"a.rec", 'A'}, {"b.rec", 'B'}, {"c.rec", 'C'}};
    const Ordnerinhalt abcp = {{"a.rec", 'A'}, {"b.rec", 'B'}, {"c.rec", 'C'}, {"p.rec", 'P'}};
    const Fall kFaelle[] = {
        {"nichts angehakt", {{"p.rec", 'P'}}, abc, {}, 1, {}, abcp},
        {"einmal", {{"p.rec", 'P'}}, abc, {"a.rec", "c.rec"}, 1, {{"a.rec", 'A'}, {"c.rec", 'C'}}, abcp},
        {"zweimal", {{"p.rec", 'P'}}, abc, {"a.rec", "c.rec"}, 2, {{"a.rec", 'A'}, {"c.rec", 'C'}}, abcp},
        {"dreimal", {{"p.rec", 'P'}}, abc, {"a.rec", "c.rec"}, 3, {{"a.rec", 'A'}, {"c.rec", 'C'}}, abcp},
        {"Playback haelt einen anderen Stand unter dem Namen", {{"a.rec", 'X'}}, abc, {"a.rec"}, 2,
         {{"a.rec", 'A'}}, {{"a.rec", 'A'}, {"a (2).rec", 'X'}, {"b.rec", 'B'}, {"c.rec", 'C'}}},
        {"angehakte Datei fehlt in der Bibliothek", {}, abc, {"weg.rec"}, 1, {}, abc},
        {.titel = "Playback-Ordner fehlt",
         .bibliothek = abc,
         .angehakt = {"a.rec"},
         .druecke = 2,
         .bibliothekDanach = abc,
         .ohnePlayback = true},
    };
    for (const Fall& fall : kFaelle) {
        SCOPED_TRACE(fall.titel);
        TempVerzeichnis fallTemp;
        const std::string s = fallTemp.Pfad() + "spiel/", p = s + "Playback/", b = fallTemp.Pfad() + "bib/";
        fs::create_directory(s);
        if (!fall.ohnePlayback) Fuellen(p, fall.playback);
        Fuellen(b, fall.bibliothek);
        const auto vorher = Bestand({p, b});
        for (int druck = 0; druck < fall.druecke; ++druck) {
            PlaybackLeeren(s, b);
            for (const std::string& name : fall.angehakt) ReplayNachPlayback(s, b, name);
        }
        EXPECT_EQ(Lesen(p), fall.playbackDanach);
        EXPECT_EQ(Lesen(b), fall.bibliothekDanach);
        EXPECT_EQ(fs::exists(p), !fall.ohnePlayback);
        NichtsVerloren(vorher, {p, b});
    }
}

TEST_F(TransfersTest, BibliothekUmziehen) {
    struct Fall {
        const char* titel;
        Ordnerinhalt alt{}, neu{};
        bool loeschen = false;
        Staende staende{};
        Ordnerinhalt altDanach{}, neuDanach{};
        bool ohneNeu = false;
        Operation fehlerBei = Operation::Anzahl_;
        int nterAufruf = 0;
    };
    const Fall kFaelle[] = {
        {"alter Ordner leer", {}, {{"n.rec", 'N'}}, true, {}, {}, {{"n.rec", 'N'}}},
        {"alles neu, loeschen", {{"a.rec", 'A'}, {"b.rec", 'B'}}, {}, true, {{"a.rec", 'K'}, {"b.rec", 'K'}}, {},
         {{"a.rec", 'A'}, {"b.rec", 'B'}}},
        {"alles neu, behalten", {{"a.rec", 'A'}, {"b.rec", 'B'}}, {}, false, {{"a.rec", 'K'}, {"b.rec", 'K'}},
         {{"a.rec", 'A'}, {"b.rec", 'B'}},
         {{"a.rec", 'A'}, {"b.rec", 'B'}}},
        {"gleicher Inhalt vorhanden", {{"a.rec", 'A'}}, {{"a.rec", 'A'}}, true, {{"a.rec", 'V'}}, {}, {{"a.rec", 'A'}}},
        {"anderer Inhalt vorhanden", {{"a.rec", 'B'}}, {{"a.rec", 'A'}}, true, {{"a.rec", 'K'}}, {},
         {{"a.rec", 'A'}, {"a (2).rec", 'B'}}},
        {"andere Dateien bleiben", {{"a.rec", 'A'}, {"a.txt", 'C'}, {"s.rec", 'D'}}, {}, true,
         {{"a.rec", 'K'}, {"s.rec", 'X'}},
         {{"a.txt", 'C'}, {"s.rec", 'D'}}, {{"a.rec", 'A'}}},
        {.titel = "neuer Ordner fehlt",
         .alt = {{"a.rec", 'A'}},
         .loeschen = true,
         .staende = {{"a.rec", 'O'}},
         .altDanach = {{"a.rec", 'A'}},
         .ohneNeu = true},
        {.titel = "Kopie scheitert",
         .alt = {{"a.rec", 'A'}},
         .loeschen = true,
         .staende = {{"a.rec", 'G'}},
         .altDanach = {{"a.rec", 'A'}},
         .fehlerBei = Operation::Erzeugen,
         .nterAufruf = 1},
    };
    for (const Fall& fall : kFaelle) {
        SCOPED_TRACE(fall.titel);
        TempVerzeichnis fallTemp;
        const std::string alt = fallTemp.Pfad() + "alt/", neu = fallTemp.Pfad() + "neu/";
        Fuellen(alt, fall.alt);
        if (!fall.ohneNeu) Fuellen(neu, fall.neu);
        const auto vorher = Bestand({alt, neu});
        if (fall.nterAufruf > 0) plattform::FehlerEinplanen(fall.fehlerBei, fall.nterAufruf);
        EXPECT_EQ(StaendeVon(BibliothekKopieren(alt, neu)), fall.staende);
        plattform::FehlerplanLeeren();
        if (fall.loeschen) BibliothekLeeren(alt, neu);
        EXPECT_EQ(Lesen(alt), fall.altDanach);
        EXPECT_EQ(Lesen(neu), fall.neuDanach);
        EXPECT_EQ(fs::exists(neu), !fall.ohneNeu);
        NichtsVerloren(vorher, {alt, neu});
    }
}

TEST_F(TransfersTest, ZweiSchreibweisenDesselbenOrdnersVerlierenNichts) {
    const Ordnerinhalt inhalt = {{"a.rec", 'A'}, {"b.rec", 'B'}};
    Fuellen(bib, inhalt);
    std::vector<std::string> neu = {bib, t + "bib//", t + "bib/./", t + "bib/../bib/"};
    if (!plattform::IstPosix()) neu.push_back(MitRueckstrichen(bib));
    if (plattform::IstPosix()) {
        fs::create_directory_symlink(t + "bib", t + "verweis");
        neu.push_back(t + "verweis/");
    }
    for (const std::string& n : neu) {
        SCOPED_TRACE(n);
        EXPECT_EQ(StaendeVon(BibliothekKopieren(bib, n)), (Staende{{"a.rec", 'S'}, {"b.rec", 'S'}}));
        BibliothekLeeren(bib, n);
        BibliothekLeeren(n, bib);
        EXPECT_EQ(Lesen(bib), inhalt);
    }
    // A library set to the game's Playback folder itself, reached through a link (which
    // MinGW's std::filesystem cannot make on Windows).
    if (!plattform::IstPosix()) return;
    fs::create_directory(spiel);
    fs::create_directory_symlink(t + "bib", t + "spiel/Playback");
    EXPECT_EQ(StaendeVon(PlaybackImportieren(spiel, bib, true)), (Staende{{"a.rec", 'S'}, {"b.rec", 'S'}}));
    PlaybackLeeren(spiel, bib);
    ReplayNachPlayback(spiel, bib, "a.rec");
    EXPECT_EQ(Lesen(bib), inhalt);
}

TEST_F(TransfersTest, LoeschenPrueftDieKopieErneut) {
    const std::string alt = t + "alt/", neu = t + "neu/";
    Fuellen(alt, {{"a.rec", 'A'}, {"b.rec", 'B'}});
    Fuellen(neu, {});
    const auto vorher = Bestand({alt, neu});
    EXPECT_EQ(StaendeVon(BibliothekKopieren(alt, neu)), (Staende{{"a.rec", 'K'}, {"b.rec", 'K'}}));
    // While the question is open: the game or the user changes both folders.
    DateiSchreiben(alt + "c.rec", Replay('C'));
    DateiSchreiben(neu + "b.rec", Replay('X'));
    BibliothekLeeren(alt, neu);
    EXPECT_EQ(Lesen(alt), (Ordnerinhalt{{"b.rec", 'B'}, {"c.rec", 'C'}}));
    EXPECT_EQ(Lesen(neu), (Ordnerinhalt{{"a.rec", 'A'}, {"b.rec", 'X'}}));
    NichtsVerloren(vorher, {alt, neu});
}

TEST_F(TransfersTest, LeeresSpielverzeichnisFasstNichtsAusserhalbAn) {
    // "" + "\Playback\" is a folder at the root; the test only runs where there is none.
    if (plattform::NameBelegt(PlaybackOrdner(""))) GTEST_SKIP() << "Playback-Ordner an der Wurzel vorhanden";
    Fuellen(bib, {{"a.rec", 'A'}});
    EXPECT_TRUE(PlaybackImportieren("", bib, true).Dateien.empty());
    PlaybackLeeren("", bib);
    ReplayNachPlayback("", bib, "a.rec");
    EXPECT_FALSE(plattform::NameBelegt(PlaybackOrdner("")));
    EXPECT_EQ(Lesen(bib), (Ordnerinhalt{{"a.rec", 'A'}}));
}

TEST_F(TransfersTest, LeeresBibliotheksverzeichnisIstDasArbeitsverzeichnis) {
    Fuellen(playback, {{"a.rec", 'A'}});
    const fs::path vorher = fs::current_path();
    fs::current_path(t);
    const Staende staende = StaendeVon(PlaybackImportieren(spiel, "", true));
    fs::current_path(vorher);
    EXPECT_EQ(staende, (Staende{{"a.rec", 'K'}}));
    EXPECT_EQ(Lesen(playback), Ordnerinhalt{});
    EXPECT_EQ(Lesen(t)["a.rec"], 'A');
}
