// File names that hold ':' or '\', which POSIX allows and players can have ("Sieg: 2v2.rec"),
// beside the names they would become if they were taken for paths, and names in Cyrillic
// and Chinese on both systems. Every command must act on exactly the file it names: the
// list, the import with and without removal, the copy into the Playback folder, the
// library move and the rename.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/dateifunktionen.h"
#include "core/transfers.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "support/nurposix.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

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
    fs::create_directories(FsPfad(ordner));
    for (const auto& [name, kennung] : inhalt) {
        if (kennung == '/') fs::create_directories(FsPfad(ordner + name));
        else DateiSchreiben(ordner + name, Replay(kennung));
    }
}

Ordnerinhalt Lesen(const std::string& ordner) {
    Ordnerinhalt inhalt;
    std::error_code fehler;
    for (const auto& eintrag : fs::recursive_directory_iterator(FsPfad(ordner), fehler)) {
        std::string name = Utf8Pfad(fs::relative(eintrag.path(), FsPfad(ordner)));
        for (char& c : name)
            if (c == '\\' && !plattform::IstPosix()) c = '/';
        if (eintrag.is_directory()) {
            inhalt[name + "/"] = '/';
            continue;
        }
        const Bytes bytes = DateiLesen(Utf8Pfad(eintrag.path()));
        inhalt[name] = '?';
        for (char k : {'A', 'B', 'C', 'E', 'F', kUmbenannt})
            if (bytes == Replay(k)) inhalt[name] = k;
    }
    return inhalt;
}

// "a:b.rec" must not become "b.rec", nor "x\y.rec" the file "y.rec" in the folder "x".
const Ordnerinhalt kDrei = {{"a:b.rec", 'A'}, {"b.rec", 'B'}, {"x\\y.rec", 'C'}, {"x/", '/'}, {"x/y.rec", 'F'}};

// The game and library folders of one test, set as the program's two directories.
class Ordnerpaar : public testing::Test {
protected:
    void SetUp() override {
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

class Dateinamen : public Ordnerpaar {
protected:
    void SetUp() override {
        if (!plattform::IstPosix()) GTEST_SKIP() << "nur unter POSIX: Windows verbietet ':' und '\\' in Namen";
        Ordnerpaar::SetUp();
    }
};

using FremdeSchriften = Ordnerpaar;

const Ordnerinhalt kSchriften = {{"Финал.rec", 'A'}, {"最后一战.rec", 'B'}, {"b.rec", 'C'}};

}  // namespace

// Cyrillic and Chinese file names, listed, imported, copied to Playback, moved and
// renamed; the list shows the names as they are.
TEST_F(FremdeSchriften, JedeDateiUnterIhremNamen) {
    Fuellen(bib, kSchriften);
    Fuellen(playback, {});
    TAufgezeichneteMeldungen meldungen;
    ASSERT_EQ(ReplaysLaden(bib, meldungen), kLadenOk);
    EXPECT_TRUE(meldungen.Arten.empty());
    std::map<std::string, std::string> gelesen;
    for (const auto& r : Replays) gelesen[r->Dateiname] = r->Spielname;
    EXPECT_EQ(gelesen, (std::map<std::string, std::string>{
                           {"Финал.rec", "Spiel A"}, {"最后一战.rec", "Spiel B"}, {"b.rec", "Spiel C"}}));

    for (const auto& r : Replays) {
        if (r->Dateiname != "最后一战.rec") continue;
        ReplayUmbenennen(*r, u"Umbenannt", meldungen);
    }
    EXPECT_TRUE(meldungen.Arten.empty());
    Ordnerinhalt umbenannt = kSchriften;
    umbenannt["最后一战.rec"] = kUmbenannt;
    EXPECT_EQ(Lesen(bib), umbenannt);

    ReplayNachPlayback(spiel, bib, "Финал.rec");
    EXPECT_EQ(Lesen(playback), (Ordnerinhalt{{"Финал.rec", 'A'}}));

    fs::remove_all(FsPfad(bib));
    fs::remove_all(FsPfad(playback));
    Fuellen(playback, kSchriften);
    Fuellen(bib, {});
    EXPECT_EQ(PlaybackImportieren(spiel, bib, true).Anzahl(TKopierstand::Kopiert), 3);
    EXPECT_EQ(Lesen(playback), Ordnerinhalt{});
    EXPECT_EQ(Lesen(bib), kSchriften);

    const std::string neu = t + "Библиотека 新/";
    fs::create_directories(FsPfad(neu));
    EXPECT_EQ(BibliothekKopieren(bib, neu).Anzahl(TKopierstand::Kopiert), 3);
    EXPECT_EQ(Lesen(neu), kSchriften);
}

TEST_F(Dateinamen, DieListeZeigtJedeDateiUnterIhremNamen) {
    Fuellen(bib, kDrei);
    TAufgezeichneteMeldungen meldungen;
    EXPECT_EQ(ReplaysLaden(bib, meldungen), kLadenOk);
    EXPECT_TRUE(meldungen.Arten.empty());
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

        EXPECT_TRUE(meldungen.Arten.empty());
        Ordnerinhalt erwartet = kDrei;
        erwartet[name] = kUmbenannt;
        EXPECT_EQ(Lesen(bib), erwartet);
    }
}
