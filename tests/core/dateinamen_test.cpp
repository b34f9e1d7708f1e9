// File names that hold ':' or '\', which POSIX allows and players can have ("Sieg: 2v2.rec"),
// beside the names they would become if they were taken for paths. Every command must act
// on exactly the file it names: the list, the import with and without removal, the copy
// into the Playback folder, the library move and the rename.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dateifunktionen.h"
#include "nurposix.h"
#include "replaybauer.h"
#include "tempverzeichnis.h"
#include "testdateien.h"
#include "transfers.h"
#include "umbenennen.h"
#include "variablen.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;
// A folder's entries, sub-folders included: name -> the replay it holds ('A', 'B' ...), 'N'
// for the one named "Umbenannt", '?' for bytes that are no test replay. A sub-folder is
// listed as "x/" with '/', the files in it as "x/y.rec".
using Ordnerinhalt = std::map<std::string, char>;

const char kUmbenannt = 'N';

const Bytes& Replay(char kennung) {
    static std::map<char, Bytes> gebaut;
    auto& bytes = gebaut[kennung];
    if (bytes.empty()) {
        ReplayBauer bauer;
        bauer.Name = kennung == kUmbenannt ? u"Umbenannt" : std::u16string(u"Spiel ") + char16_t(kennung);
        bytes = bauer.Bauen();
    }
    return bytes;
}

void Fuellen(const std::string& ordner, const Ordnerinhalt& inhalt) {
    fs::create_directories(ordner);
    for (const auto& [name, kennung] : inhalt) {
        if (kennung == '/') fs::create_directories(ordner + name);
        else DateiSchreiben(ordner + name, Replay(kennung));
    }
}

Ordnerinhalt Lesen(const std::string& ordner) {
    Ordnerinhalt inhalt;
    std::error_code fehler;
    for (const auto& eintrag : fs::recursive_directory_iterator(ordner, fehler)) {
        const std::string name = fs::relative(eintrag.path(), ordner).generic_string();
        if (eintrag.is_directory()) {
            inhalt[name + "/"] = '/';
            continue;
        }
        const Bytes bytes = DateiLesen(eintrag.path().string());
        inhalt[name] = '?';
        for (char k : {'A', 'B', 'C', 'E', 'F', kUmbenannt})
            if (bytes == Replay(k)) inhalt[name] = k;
    }
    return inhalt;
}

// "a:b.rec" must not become "b.rec", nor "x\y.rec" the file "y.rec" in the folder "x".
const Ordnerinhalt kDrei = {{"a:b.rec", 'A'}, {"b.rec", 'B'}, {"x\\y.rec", 'C'}, {"x/", '/'}, {"x/y.rec", 'F'}};

class Dateinamen : public testing::Test {
protected:
    void SetUp() override {
        if (!plattform::IstPosix()) GTEST_SKIP() << "nur unter POSIX: Windows verbietet ':' und '\\' in Namen";
        altDow = DOWVerzeichnis;
        altBib = ReplayVerzeichnis;
        DOWVerzeichnis = spiel;
        ReplayVerzeichnis = bib;
    }
    void TearDown() override {
        DOWVerzeichnis = altDow;
        ReplayVerzeichnis = altBib;
        Replays.clear();
    }

    TempVerzeichnis temp;
    const std::string t = temp.Pfad();
    const std::string spiel = t + "spiel/";
    const std::string playback = spiel + "Playback/";
    const std::string bib = t + "bib/";
    std::string altDow, altBib;
};

}  // namespace

TEST_F(Dateinamen, DieListeZeigtJedeDateiUnterIhremNamen) {
    Fuellen(bib, kDrei);
    TAufgezeichneteMeldungen meldungen;
    EXPECT_EQ(ReplaysLaden(bib, meldungen), kLadenOk);
    EXPECT_TRUE(meldungen.Texte.empty());
    std::map<std::string, std::string> gelesen;
    for (const auto& r : Replays) gelesen[r->Dateiname] = r->Spielname;
    EXPECT_EQ(gelesen, (std::map<std::string, std::string>{
                           {"a:b.rec", "Spiel A"}, {"b.rec", "Spiel B"}, {"x\\y.rec", "Spiel C"}}));
}

TEST_F(Dateinamen, TransfersBewegenGenauDieGenannteDatei) {
    struct Fall {
        const char* titel;
        Ordnerinhalt playback, bibliothek;
        std::function<void(const std::string& spiel, const std::string& bib)> tun;
        Ordnerinhalt playbackDanach, bibliothekDanach;
    };
    const Ordnerinhalt nurOrdner = {{"x/", '/'}, {"x/y.rec", 'F'}};
    const Ordnerinhalt dreiOhneOrdner = {{"a:b.rec", 'A'}, {"b.rec", 'B'}, {"x\\y.rec", 'C'}};
    const Fall kFaelle[] = {
        {"import, behalten", kDrei, {},
         [](const std::string& s, const std::string& b) { EXPECT_EQ(PlaybackImportieren(s, b, false).Anzahl(TKopierstand::Kopiert), 3); },
         kDrei, dreiOhneOrdner},
        {"import, entfernen", kDrei, {},
         [](const std::string& s, const std::string& b) { EXPECT_EQ(PlaybackImportieren(s, b, true).Anzahl(TKopierstand::Kopiert), 3); },
         nurOrdner, dreiOhneOrdner},
        // "b.rec" is taken by another replay: only that one comes in under a numbered name.
        {"import neben einem anderen b.rec", kDrei, {{"b.rec", 'E'}},
         [](const std::string& s, const std::string& b) { EXPECT_EQ(PlaybackImportieren(s, b, true).Anzahl(TKopierstand::Kopiert), 3); },
         nurOrdner, {{"a:b.rec", 'A'}, {"b.rec", 'E'}, {"b (2).rec", 'B'}, {"x\\y.rec", 'C'}}},
        {"Replays kopieren, Schritt 1", kDrei, {},
         [](const std::string& s, const std::string& b) { PlaybackLeeren(s, b); }, nurOrdner, dreiOhneOrdner},
        {"a:b.rec nach Playback", {}, kDrei,
         [](const std::string& s, const std::string& b) { ReplayNachPlayback(s, b, "a:b.rec"); },
         {{"a:b.rec", 'A'}}, kDrei},
        {"b.rec nach Playback", {}, kDrei,
         [](const std::string& s, const std::string& b) { ReplayNachPlayback(s, b, "b.rec"); }, {{"b.rec", 'B'}},
         kDrei},
        {"x\\y.rec nach Playback", {}, kDrei,
         [](const std::string& s, const std::string& b) { ReplayNachPlayback(s, b, "x\\y.rec"); },
         {{"x\\y.rec", 'C'}}, kDrei},
        // The library moves from the Playback folder's place to bib/.
        {"Bibliothek umziehen und leeren", kDrei, {},
         [](const std::string& s, const std::string& b) {
             EXPECT_EQ(BibliothekKopieren(PlaybackOrdner(s), b).Anzahl(TKopierstand::Kopiert), 3);
             BibliothekLeeren(PlaybackOrdner(s), b);
         },
         nurOrdner, dreiOhneOrdner},
    };
    for (const Fall& fall : kFaelle) {
        SCOPED_TRACE(fall.titel);
        fs::remove_all(spiel);
        fs::remove_all(bib);
        Fuellen(playback, fall.playback);
        Fuellen(bib, fall.bibliothek);
        fall.tun(spiel, bib);
        EXPECT_EQ(Lesen(playback), fall.playbackDanach);
        EXPECT_EQ(Lesen(bib), fall.bibliothekDanach);
    }
}

TEST_F(Dateinamen, UmbenennenSchreibtGenauDieGenannteDatei) {
    for (const char* name : {"a:b.rec", "b.rec", "x\\y.rec"}) {
        SCOPED_TRACE(name);
        fs::remove_all(bib);
        Fuellen(bib, kDrei);
        TAufgezeichneteMeldungen meldungen;
        ASSERT_EQ(ReplaysLaden(bib, meldungen), kLadenOk);
        const TReplay* gewaehlt = nullptr;
        for (const auto& r : Replays)
            if (r->Dateiname == name) gewaehlt = r.get();
        ASSERT_NE(gewaehlt, nullptr);

        ReplayUmbenennen(*gewaehlt, u"Umbenannt", meldungen);

        EXPECT_TRUE(meldungen.Texte.empty());
        Ordnerinhalt erwartet = kDrei;
        erwartet[name] = kUmbenannt;
        EXPECT_EQ(Lesen(bib), erwartet);
    }
}
