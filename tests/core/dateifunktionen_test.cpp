// The library scan over builder-made folders: what lands in Replays, in which order,
// with which result code and which messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <thread>
#include <utility>

#include "core/dateifunktionen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/fehlerplan.h"
#include "core/replayindex.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "support/heimordner.h"
#include "support/nurposix.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

namespace {

std::vector<std::string> Dateinamen() {
    std::vector<std::string> namen;
    for (const auto& r : Replays) namen.push_back(r->Dateiname);
    std::sort(namen.begin(), namen.end());
    return namen;
}

void Replay(const std::string& pfad, const std::u16string& name = u"Spiel") {
    ReplayBauer bau;
    bau.Name = name;
    bau.Schreiben(pfad);
}

void Kaputt(const std::string& pfad) {
    ReplayBauer bau;
    bau.AbschneidenAuf = 150;
    bau.Schreiben(pfad);
}

constexpr TMeldungsart kOeffnen = TMeldungsart::OeffnenFehlgeschlagen;

struct Scanfall {
    const char* name;
    std::function<void(const std::string& ordner)> anlegen;
    std::string unterordner;  // appended to the temp folder to form Verzeichnis
    std::int32_t ergebnis;
    std::vector<std::string> dateinamen;  // sorted
    int meldungen;
    bool nurPosix = false;
};

std::vector<Scanfall> Scanfaelle() {
    return {
        {"an empty folder", [](const std::string&) {}, "", 0, {}, 0},
        {"a missing folder", [](const std::string&) {}, "fehlt/", 0, {}, 0},
        {"names in capitals and mixed case are found",
         [](const std::string& o) {
             Replay(o + "GROSS.REC");
             Replay(o + "klein.rec");
             Replay(o + "Mix.Rec");
             Replay(o + "keins.txt");
             Replay(o + "fast.rec.bak");
         },
         "", 0, {"GROSS.REC", "Mix.Rec", "klein.rec"}, 0},
        {"a folder named like a replay is listed and cannot be opened",
         [](const std::string& o) {
             std::filesystem::create_directory(o + "ordner.rec");
             Replay(o + "a.rec");
         },
         "", 0, {"a.rec", "ordner.rec"}, 1},
        {"a read-only replay is listed like any other",
         [](const std::string& o) {
             Replay(o + "a.rec");
             Replay(o + "schreibgeschuetzt.rec");
             SchreibschutzSetzen(o + "schreibgeschuetzt.rec", true);
         },
         "", 0, {"a.rec", "schreibgeschuetzt.rec"}, 0},
        {"a file the reader cannot read is held by its name, the rest is read",
         [](const std::string& o) {
             Replay(o + "a.rec");
             Kaputt(o + "b.rec");
             Replay(o + "c.rec");
         },
         "", 102, {"a.rec", "b.rec", "c.rec"}, 0},
        {"ten unreadable files give ten messages",
         [](const std::string& o) {
             for (int i = 0; i < 10; ++i) std::filesystem::create_directory(o + "d" + std::to_string(i) + ".rec");
         },
         "", 0, {"d0.rec", "d1.rec", "d2.rec", "d3.rec", "d4.rec", "d5.rec", "d6.rec", "d7.rec", "d8.rec", "d9.rec"},
         10},
        // The entries are found beside the folder, but joined onto "lib" again they name
        // files that do not exist: each gives the message and an empty entry.
        {"without a trailing separator the pattern is glued onto the last name",
         [](const std::string& o) {
             std::filesystem::create_directory(o + "lib");
             Replay(o + "lib/innen.rec");
             Replay(o + "libA.rec");
             Replay(o + "libB.rec");
             Replay(o + "andere.rec");
         },
         "lib", 0, {"liblibA.rec", "liblibB.rec"}, 2},
        // The folder "a\b" is not "a/b" on POSIX, and its replay is listed under its own name.
        {"a folder whose name holds a backslash",
         [](const std::string& o) {
             std::filesystem::create_directories(o + "a\\b");
             std::filesystem::create_directories(o + "a/b");
             Replay(o + "a\\b/x.rec");
             Replay(o + "a/b/y.rec");
         },
         "a\\b/", 0, {"x.rec"}, 0, true},
    };
}

TEST(ReplaysLaden, Table) {
    for (const auto& fall : Scanfaelle()) {
        SCOPED_TRACE(fall.name);
        if (fall.nurPosix && !plattform::IstPosix()) continue;
        TempVerzeichnis ordner;
        fall.anlegen(ordner.Pfad());
        TAufgezeichneteMeldungen meldungen;
        EXPECT_EQ(ReplaysLaden(ordner.Pfad() + fall.unterordner, meldungen), fall.ergebnis);
        EXPECT_EQ(Dateinamen(), fall.dateinamen);
        EXPECT_EQ(meldungen.Arten, std::vector<TMeldungsart>(static_cast<std::size_t>(fall.meldungen), kOeffnen));
        EXPECT_EQ(ReplayAnzahl, static_cast<std::int32_t>(fall.dateinamen.size()));
        for (const auto& r : Replays) EXPECT_NE(r, nullptr);
        // Each file that could not be opened or parsed is held by its name alone.
        const auto ungelesen = std::count_if(Replays.begin(), Replays.end(), [](const auto& r) { return !r->Lesbar; });
        EXPECT_EQ(ungelesen, fall.meldungen + (fall.ergebnis == 102 ? 1 : 0));
        for (const auto& pfad : std::filesystem::recursive_directory_iterator(ordner.Pfad()))
            if (pfad.is_regular_file()) SchreibschutzSetzen(pfad.path().string(), false);
    }
}

TEST(ReplaysLaden, OrderFollowsTheEnumerationAndAnEmptiedLibraryEmptiesReplays) {
    TempVerzeichnis ordner;
    Replay(ordner.Pfad() + "eins.rec", u"Eins");
    Replay(ordner.Pfad() + "zwei.rec", u"Zwei");
    TAufgezeichneteMeldungen meldungen;
    ASSERT_EQ(ReplaysLaden(ordner.Pfad(), meldungen), 0);
    ASSERT_EQ(Replays.size(), 2u);
    for (const auto& r : Replays) EXPECT_EQ(r->Spielname, r->Dateiname == "eins.rec" ? "Eins" : "Zwei");

    std::filesystem::remove(ordner.Pfad() + "eins.rec");
    std::filesystem::remove(ordner.Pfad() + "zwei.rec");
    EXPECT_EQ(ReplaysLaden(ordner.Pfad(), meldungen), 0);
    EXPECT_EQ(ReplayAnzahl, 0);
    EXPECT_TRUE(Replays.empty());
}

}  // namespace

namespace {

// A folder big enough to be read on several threads gives what one thread would:
// Replays in enumeration order, unparsed files by their names, one notice per entry that
// cannot be opened.
TEST(ReplaysLaden, ABigFolderReadInParallelKeepsTheEnumerationOrder) {
    TempVerzeichnis ordner;
    for (int i = 0; i < 1200; ++i) {
        std::string name = "r" + std::to_string(i) + ".rec";
        if (i % 97 == 5) std::filesystem::create_directory(ordner.Pfad() + name);
        else if (i % 89 == 7) Kaputt(ordner.Pfad() + name);
        else Replay(ordner.Pfad() + name, u"Nr " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)));
    }
    std::vector<std::string> erwartet;
    int verzeichnisse = 0;
    for (const auto& name : plattform::Aufzaehlen(ordner.Pfad() + "*.rec")) {
        int i = std::stoi(name.substr(1));
        if (i % 97 == 5) ++verzeichnisse;
        erwartet.push_back(name);
    }
    TAufgezeichneteMeldungen meldungen;
    EXPECT_EQ(ReplaysLaden(ordner.Pfad(), meldungen), 102);
    EXPECT_EQ(ReplayAnzahl, 1200);
    std::vector<std::string> gelesen;
    for (const auto& r : Replays) gelesen.push_back(r->Dateiname);
    EXPECT_EQ(gelesen, erwartet);
    EXPECT_EQ(meldungen.Arten.size(), static_cast<std::size_t>(verzeichnisse));
    for (const auto& r : Replays) {
        int i = std::stoi(r->Dateiname.substr(1));
        EXPECT_EQ(r->Lesbar, i % 97 != 5 && i % 89 != 7);
        if (r->Lesbar) {
            EXPECT_EQ(r->Spielname, "Nr " + std::string(1, static_cast<char>('A' + i % 26)));
        }
    }
}

}  // namespace

namespace {

// A helper thread that the system refuses (a limit on processes or memory) is no failure
// of the scan: it goes on with the threads that did start, down to the calling thread
// alone, and gives what one thread gives.
TEST(ReplaysLaden, AThreadThatCannotStartLeavesTheScanAsOneThreadGivesIt) {
    if (std::thread::hardware_concurrency() < 2) GTEST_SKIP() << "the scan uses one thread on one core";
    TempVerzeichnis ordner;
    for (int i = 0; i < 1100; ++i) {
        std::string name = "r" + std::to_string(i) + ".rec";
        if (i % 101 == 3) std::filesystem::create_directory(ordner.Pfad() + name);
        else if (i % 89 == 7) Kaputt(ordner.Pfad() + name);
        else Replay(ordner.Pfad() + name, u"Nr " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)));
    }
    struct Stand {
        std::int32_t ergebnis;
        std::vector<std::pair<std::string, std::string>> replays;
        std::vector<TMeldungsart> meldungen;
        bool operator==(const Stand&) const = default;
    };
    auto scannen = [&] {
        TAufgezeichneteMeldungen meldungen;
        Stand s{ReplaysLaden(ordner.Pfad(), meldungen), {}, meldungen.Arten};
        for (const auto& r : Replays) s.replays.emplace_back(r->Dateiname, r->Spielname);
        return s;
    };
    // The one-thread scan: while a file operation's failure is planned, the scan stays on
    // one thread. This one is never reached.
    plattform::FehlerEinplanen(plattform::Operation::Ersetzen, 1000000);
    const Stand einFaden = scannen();
    plattform::FehlerplanLeeren();
    ASSERT_EQ(einFaden.ergebnis, kLadenEinlesenFehlgeschlagen);
    ASSERT_EQ(einFaden.replays.size(), 1100u);  // the unreadable ones by their names alone
    ASSERT_EQ(einFaden.meldungen.size(), 11u);        // one per folder

    // The first, second and third helper refused; with fewer cores, fewer are asked for.
    for (int nter : {1, 2, 3}) {
        SCOPED_TRACE(nter);
        plattform::FehlerEinplanen(plattform::Operation::FadenStarten, nter);
        const Stand gestoert = scannen();
        plattform::FehlerplanLeeren();
        EXPECT_TRUE(gestoert == einFaden);
        EXPECT_EQ(ReplayAnzahl, 1100);
    }
    EXPECT_TRUE(scannen() == einFaden);
}

}  // namespace

namespace {

// Everything a scan shows of a replay.
std::string Beschreibung(const TReplay& r) {
    std::ostringstream text;
    text.precision(17);
    text << r.Dateiname << '|' << r.Spielname << '|' << r.Karte << '|' << r.Spieleranzahl << '|' << r.Datum << '|'
         << r.NamensLaenge << '|' << r.Position << '|';
    for (int o : {r.Option1, r.Option2, r.Option3, r.Option4, r.Option5, r.Option6, r.Option7, r.Option8})
        text << o << ',';
    if (const auto& s = r.Siegbedingungen)
        text << '|' << s->Vernichtung << s->SuddenDeath << s->Attentat << s->Oeko << s->Kontrollgebiet << s->HQ
             << s->Erobern;
    for (const TSpieler& s : r.Spieler) text << '|' << s.Name << '/' << s.Rasse << '/' << s.Team << '/' << s.Kennzahl;
    return text.str();
}

struct Scanstand {
    std::int32_t ergebnis, anzahl;
    std::vector<std::string> replays;
    std::vector<TMeldungsart> meldungen;
    bool operator==(const Scanstand&) const = default;
};

// One scan of ordner; with the index in cache, or without when cache is empty.
Scanstand Scannen(const std::string& ordner, const std::string& cache) {
    IndexVerzeichnis = cache;
    TAufgezeichneteMeldungen meldungen;
    Scanstand s{ReplaysLaden(ordner, meldungen), 0, {}, meldungen.Arten};
    IndexVerzeichnis.clear();
    s.anzahl = ReplayAnzahl;
    for (const auto& r : Replays) s.replays.push_back(Beschreibung(*r));
    return s;
}

// A replay as the index keeps it: written long enough ago to trust its stamp.
void AlterReplay(const std::string& pfad, const std::u16string& name) {
    Replay(pfad, name);
    AenderungszeitSetzen(pfad, 2020, 5, 6, 7, 8, 10);
}

std::vector<unsigned char> Bytes(const std::string& pfad) {
    std::ifstream f(FsPfad(pfad), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void BytesSchreiben(const std::string& pfad, const std::vector<unsigned char>& inhalt) {
    std::ofstream(FsPfad(pfad), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
}

// Changes the stored name "Spiel a" to "Spiel z" in the index bytes; false when it is not there.
bool NamenImIndexAendern(std::vector<unsigned char>& inhalt) {
    const std::string name = "Spiel a";
    auto stelle = std::search(inhalt.begin(), inhalt.end(), name.begin(), name.end());
    if (stelle == inhalt.end()) return false;
    stelle[6] = 'z';
    return true;
}

class ReplayIndexScan : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a", "b", "c"})
            AlterReplay(ordner.Pfad() + name + ".rec", u"Spiel " + std::u16string(1, static_cast<char16_t>(name[0])));
        index = IndexDatei(cache, ordner.Pfad());
    }
    void TearDown() override {
        plattform::FehlerplanLeeren();
        IndexVerzeichnis.clear();
        ReplayVerzeichnis.clear();
    }

    Heimordner heim;
    TempVerzeichnis ordner;
    const std::string cache = heim.Pfad() + "cache/";
    std::string index;
};

// Every change between two scans shows in the second one, which gives what a scan without
// the index gives; an index that is damaged, cut short or another folder's is not trusted.
TEST_F(ReplayIndexScan, EveryChangeShowsInTheNextScan) {
    struct Fall {
        const char* name;
        std::function<void(const std::string& ordner, const std::string& index)> aendern;
        bool sichtbar;  // the second scan differs from the first
        bool nurPosix = false;
    };
    const Fall faelle[] = {
        // Same size and time: only the status change and the node tell, which Windows does
        // not list.
        {"replaced with the same size and time",
         [](const std::string& o, const std::string&) { AlterReplay(o + "a.rec", u"Spiel x"); }, true, true},
        // The rename keeps the size (a name as long) and the date: on Windows the system
        // may also carry the creation time over, so only the rename's own mark tells.
        {"the stored name changed by the rename, as long and with its date",
         [](const std::string& o, const std::string& i) {
             // As in the program, whose index folder is set for the whole session.
             ReplayVerzeichnis = o;
             IndexVerzeichnis = i.substr(0, i.find_last_of("/\\") + 1);
             TAufgezeichneteMeldungen m;
             for (const auto& r : Replays)
                 if (r->Dateiname == "b.rec") ReplayUmbenennen(*r, u"Spiel q", m);
             IndexVerzeichnis.clear();
             ASSERT_TRUE(m.Arten.empty());
         },
         true},
        {"touched", [](const std::string& o, const std::string&) { AenderungszeitSetzen(o + "c.rec", 2021, 1, 2, 3, 4, 6); },
         true},
        {"deleted", [](const std::string& o, const std::string&) { std::filesystem::remove(FsPfad(o + "b.rec")); }, true},
        {"added", [](const std::string& o, const std::string&) { AlterReplay(o + "d.rec", u"Neu"); }, true},
        // Read as before: the scan shows no difference, and the index must agree with it.
        {"made read-only", [](const std::string& o, const std::string&) { SchreibschutzSetzen(o + "a.rec", true); },
         false},
        // Trusted, the changed byte would show as another name.
        {"the index damaged",
         [](const std::string&, const std::string& i) {
             auto inhalt = Bytes(i);
             ASSERT_TRUE(NamenImIndexAendern(inhalt));
             BytesSchreiben(i, inhalt);
         },
         false},
        // Its checksum made whole again: only the version keeps the changed name out.
        {"a newer version's index",
         [](const std::string&, const std::string& i) {
             auto inhalt = Bytes(i);
             ASSERT_TRUE(NamenImIndexAendern(inhalt));
             inhalt[4] += 1;
             const std::uint64_t summe = IndexPruefsumme(inhalt.data(), inhalt.size() - 8);
             for (int k = 0; k < 8; ++k) inhalt[inhalt.size() - 8 + k] = static_cast<unsigned char>(summe >> (8 * k));
             BytesSchreiben(i, inhalt);
         },
         false},
        {"the index cut short",
         [](const std::string&, const std::string& i) {
             auto inhalt = Bytes(i);
             inhalt.resize(inhalt.size() / 2);
             BytesSchreiben(i, inhalt);
         },
         false},
        {"another folder's index under this folder's name",
         [](const std::string& o, const std::string& i) {
             const std::string anderer = o + "anders/";
             std::filesystem::create_directory(FsPfad(anderer));
             AlterReplay(anderer + "a.rec", u"Spiel z");
             const std::string cache = i.substr(0, i.rfind('/') + 1);
             Scannen(anderer, cache);
             // Removed first: MinGW's copy_file does not overwrite.
             std::filesystem::remove(FsPfad(i));
             std::filesystem::copy_file(FsPfad(IndexDatei(cache, anderer)), FsPfad(i));
         },
         false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        if (fall.nurPosix && !plattform::IstPosix()) continue;
        TempVerzeichnis bibliothek;
        for (const char* name : {"a", "b", "c"})
            AlterReplay(bibliothek.Pfad() + name + ".rec", u"Spiel " + std::u16string(1, static_cast<char16_t>(name[0])));
        const std::string datei = IndexDatei(cache, bibliothek.Pfad());
        const Scanstand erster = Scannen(bibliothek.Pfad(), cache);
        ASSERT_TRUE(std::filesystem::exists(FsPfad(datei)));
        fall.aendern(bibliothek.Pfad(), datei);
        const Scanstand zweiter = Scannen(bibliothek.Pfad(), cache);
        EXPECT_EQ(zweiter, Scannen(bibliothek.Pfad(), ""));
        EXPECT_EQ(zweiter != erster, fall.sichtbar);
        // The third scan reads the index the second one left.
        EXPECT_EQ(Scannen(bibliothek.Pfad(), cache), zweiter);
        for (const auto& pfad : std::filesystem::recursive_directory_iterator(FsPfad(bibliothek.Pfad())))
            if (pfad.is_regular_file()) SchreibschutzSetzen(Utf8Pfad(pfad.path()), false);
    }
}

// The second scan opens no file the index holds: a failure planned for the first open
// strikes only the file changed too late to be kept.
TEST_F(ReplayIndexScan, AValidIndexSparesTheOpenOfEveryFileButAFreshOne) {
    Replay(ordner.Pfad() + "frisch.rec", u"Frisch");
    const Scanstand ohne = Scannen(ordner.Pfad(), "");
    ASSERT_EQ(Scannen(ordner.Pfad(), cache), ohne);
    plattform::FehlerEinplanen(plattform::Operation::Oeffnen, 1);
    const Scanstand zweiter = Scannen(ordner.Pfad(), cache);
    EXPECT_EQ(zweiter.meldungen, std::vector<TMeldungsart>{kOeffnen});
    ASSERT_EQ(zweiter.replays.size(), 4u);
    std::size_t gleich = 0;
    for (const auto& r : zweiter.replays) gleich += std::count(ohne.replays.begin(), ohne.replays.end(), r);
    EXPECT_EQ(gleich, 3u);  // all but the fresh file, which now shows only its name
}

// An index that cannot be written leaves the scan as it is, without a word.
TEST_F(ReplayIndexScan, AnIndexThatCannotBeWrittenChangesNothing) {
    const Scanstand ohne = Scannen(ordner.Pfad(), "");
    plattform::FehlerEinplanen(plattform::Operation::CacheSchreiben, 1);
    EXPECT_EQ(Scannen(ordner.Pfad(), cache), ohne);
    EXPECT_FALSE(std::filesystem::exists(FsPfad(index)));
    EXPECT_EQ(Scannen(ordner.Pfad(), cache), ohne);
    EXPECT_TRUE(std::filesystem::exists(FsPfad(index)));
}

}  // namespace
