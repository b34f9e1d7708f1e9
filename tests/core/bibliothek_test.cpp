// The library between two scans: the one rule for "already in the library" (these bytes
// under any name), what it reads to tell, and the list's files kept up to date one by one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/bibliothek.h"
#include "core/dateifunktionen.h"
#include "core/ordnerverfolgung.h"
#include "core/platform/dateistempel.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/quelldatei.h"
#include "core/replay.h"
#include "core/variablen.h"
#include "support/heimordner.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

using plattform::Operation;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

// Replays 'A'..'Z' are of one size and differ in their bytes; 'a'..'z' are longer.
const Bytes& Replay(char kennung) {
    static std::map<char, Bytes> gebaut;
    Bytes& bytes = gebaut[kennung];
    if (bytes.empty()) {
        ReplayBauer bau;
        bau.Name = std::u16string(u"Spiel ") + char16_t(kennung);
        if (kennung >= 'a') bau.Name += u" und mehr";
        bytes = bau.Bauen();
    }
    return bytes;
}

// Written long enough ago for the index to keep it.
void Alt(const std::string& pfad, char kennung) {
    DateiSchreiben(pfad, Replay(kennung));
    AenderungszeitSetzen(pfad, 2024, 3, 4, 5, 6, 8);
}

class TStumm : public TMeldungen {
public:
    void Meldung(TMeldungsart) override {}
};

// Whether the step reads no more than `erlaubt` files from their start.
bool LiestHoechstens(int erlaubt, const std::function<void()>& schritt) {
    bool mehr = false;
    plattform::AktionEinplanen(Operation::Lesen, erlaubt + 1, [&] { mehr = true; });
    schritt();
    plattform::FehlerplanLeeren();
    return !mehr;
}

class BibliothekTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(FsPfad(bib));
        fs::create_directory(FsPfad(anderswo));
    }
    void TearDown() override {
        plattform::FehlerplanLeeren();
        IndexVerzeichnis.clear();
        Replays.clear();
    }
    // The library as the window has it after its scan.
    TBibliothek Gescannt() {
        TStumm m;
        TBibliothek bibliothek;
        EXPECT_EQ(ReplaysLaden(bib, m, &bibliothek), kLadenOk);
        return bibliothek;
    }
    std::unique_ptr<plattform::Quelldatei> Neu(char kennung, const std::string& name = "temp.rec") {
        DateiSchreiben(anderswo + name, Replay(kennung));
        return plattform::Quelldatei::Oeffnen(anderswo + name);
    }

    TempVerzeichnis temp;
    const std::string bib = temp.Pfad() + "bib/", anderswo = temp.Pfad() + "Playback/";
};

}  // namespace

TEST_F(BibliothekTest, DieselbenBytesUnterIrgendeinemNamen) {
    const struct {
        const char* titel;
        std::map<std::string, char> bibliothek;
        std::optional<std::string> gefunden;
        std::function<void(const std::string& bib, TBibliothek&)> dazwischen = nullptr;
        bool selbstInDerBibliothek = false;
    } faelle[] = {
        {"leer", {}, std::nullopt},
        {"unter einem Vorlagennamen", {{"x.rec", 'B'}, {"2026-12-09 21-14 Bahnhof - A vs B.rec", 'A'}},
         "2026-12-09 21-14 Bahnhof - A vs B.rec"},
        {"gleich gross, andere Bytes", {{"x.rec", 'B'}}, std::nullopt},
        {"andere Groesse", {{"x.rec", 'b'}}, std::nullopt},
        // Playback and library one folder: the file is no copy of itself.
        {"die Datei selbst", {}, std::nullopt, nullptr, true},
        // A value is kept for the stamp it was computed at, never beyond.
        {"seit dem letzten Blick mit diesen Bytes ueberschrieben", {{"x.rec", 'B'}}, "x.rec",
         [](const std::string& b, TBibliothek& bibliothek) {
             DateiSchreiben(b + "../c.rec", Replay('C'));
             bibliothek.InhaltFinden(*plattform::Quelldatei::Oeffnen(b + "../c.rec"));
             DateiSchreiben(b + "x.rec", Replay('A'));
         }},
        {"seit dem letzten Blick mit anderen Bytes ueberschrieben", {{"x.rec", 'A'}}, std::nullopt,
         [](const std::string& b, TBibliothek& bibliothek) {
             DateiSchreiben(b + "../c.rec", Replay('C'));
             bibliothek.InhaltFinden(*plattform::Quelldatei::Oeffnen(b + "../c.rec"));
             DateiSchreiben(b + "x.rec", Replay('B'));
         }},
        {"inzwischen geloescht", {{"x.rec", 'A'}}, std::nullopt,
         [](const std::string& b, TBibliothek&) { fs::remove(FsPfad(b + "x.rec")); }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        TempVerzeichnis t;
        const std::string b = t.Pfad() + "bib/";
        fs::create_directory(FsPfad(b));
        for (const auto& [name, kennung] : fall.bibliothek) Alt(b + name, kennung);
        const std::string neu = fall.selbstInDerBibliothek ? b + "temp.rec" : t.Pfad() + "temp.rec";
        DateiSchreiben(neu, Replay('A'));
        TBibliothek bibliothek = TBibliothek::Lesen(b);
        if (fall.dazwischen) fall.dazwischen(b, bibliothek);
        EXPECT_EQ(bibliothek.InhaltFinden(*plattform::Quelldatei::Oeffnen(neu)), fall.gefunden);
    }
}

// Sizes first, values only of the files of the very size, each computed once: a new game
// of a size the library does not hold reads nothing, and one whose size it holds reads
// only itself once the library's values are known.
TEST_F(BibliothekTest, LiestNurDieNeueDatei) {
    Alt(bib + "x.rec", 'B');
    TBibliothek bibliothek = TBibliothek::Lesen(bib);
    EXPECT_TRUE(LiestHoechstens(0, [&] { EXPECT_FALSE(bibliothek.InhaltFinden(*Neu('a'))); }));
    EXPECT_FALSE(bibliothek.InhaltFinden(*Neu('A')));  // x.rec's value is computed here
    EXPECT_TRUE(LiestHoechstens(1, [&] { EXPECT_FALSE(bibliothek.InhaltFinden(*Neu('C'))); }));
}

// The values go into the replay index and come back with the next scan, also through a
// scan that writes the index anew for another file.
TEST_F(BibliothekTest, DerIndexBehaeltDieWerte) {
    Heimordner heim;
    IndexVerzeichnis = heim.Pfad() + "cache/";
    Alt(bib + "x.rec", 'B');
    TBibliothek erste = Gescannt();
    EXPECT_FALSE(erste.InhaltFinden(*Neu('A')));
    EXPECT_TRUE(erste.IndexVeraltet());
    ASSERT_TRUE(erste.IndexSchreiben(Replays));
    Alt(bib + "y.rec", 'c');  // the next scan writes the index anew
    Gescannt();
    TBibliothek dritte = Gescannt();
    EXPECT_TRUE(LiestHoechstens(1, [&] { EXPECT_FALSE(dritte.InhaltFinden(*Neu('C'))); }));
}

TEST_F(BibliothekTest, AktualisierenLiestNurWasSichGeaendertHat) {
    using S = TBibliotheksstand;
    struct Erwartet {
        std::string name;
        S stand;
        std::string vorher = {};
    };
    const struct {
        const char* titel;
        std::function<void(const std::string& bib)> tun;
        std::vector<std::string> namen;
        std::vector<Erwartet> erwartet;
    } faelle[] = {
        {"neu", [](const std::string& b) { Alt(b + "c.rec", 'C'); }, {"c.rec"}, {{"c.rec", S::Neu}}},
        {"ersetzt", [](const std::string& b) { Alt(b + "a.rec", 'c'); }, {"a.rec"}, {{"a.rec", S::Geaendert}}},
        {"geloescht", [](const std::string& b) { fs::remove(FsPfad(b + "a.rec")); }, {"a.rec"}, {{"a.rec", S::Entfernt}}},
        {"umbenannt", [](const std::string& b) { fs::rename(FsPfad(b + "a.rec"), FsPfad(b + "z.rec")); },
         {"a.rec", "z.rec"}, {{"a.rec", S::Entfernt}, {"z.rec", S::Umbenannt, "a.rec"}}},
        // Through a name of its own, as the window renames: Wine takes the direct move as done.
        // Windows still opens "a.rec", but the folder holds "A.rec" alone.
        {"nur die Schreibweise umbenannt",
         [](const std::string& b) {
             fs::rename(FsPfad(b + "a.rec"), FsPfad(b + "zwischen"));
             fs::rename(FsPfad(b + "zwischen"), FsPfad(b + "A.rec"));
         },
         {"a.rec", "A.rec"}, {{"a.rec", S::Entfernt}, {"A.rec", S::Umbenannt, "a.rec"}}},
        {"unveraendert", [](const std::string&) {}, {"a.rec", "b.rec"}, {{"a.rec", S::Unveraendert}, {"b.rec", S::Unveraendert}}},
        {"nie dagewesen", [](const std::string&) {}, {"nichts.rec"}, {{"nichts.rec", S::Unveraendert}}},
        {"beschaedigt",
         [](const std::string& b) {
             Bytes kurz = Replay('C');
             kurz.resize(200);
             DateiSchreiben(b + "c.rec", kurz);
             AenderungszeitSetzen(b + "c.rec", 2024, 3, 4, 5, 6, 8);
         },
         {"c.rec"}, {{"c.rec", S::NichtGelesen}}},
        {"ein Ordner mit dem Namen eines Replays", [](const std::string& b) { fs::create_directory(FsPfad(b + "d.rec")); },
         {"d.rec"}, {{"d.rec", S::Unlesbar}}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        TempVerzeichnis t;
        const std::string b = t.Pfad();
        Alt(b + "a.rec", 'A');
        Alt(b + "b.rec", 'B');
        TStumm m;
        TBibliothek bibliothek;
        ASSERT_EQ(ReplaysLaden(b, m, &bibliothek), kLadenOk);
        fall.tun(b);
        const auto aenderungen = bibliothek.Aktualisieren(fall.namen);
        ASSERT_EQ(aenderungen.size(), fall.erwartet.size());
        for (std::size_t i = 0; i < aenderungen.size(); ++i) {
            const Erwartet& e = fall.erwartet[i];
            SCOPED_TRACE(e.name);
            EXPECT_EQ(aenderungen[i].Name, e.name);
            EXPECT_EQ(aenderungen[i].Stand, e.stand);
            EXPECT_EQ(aenderungen[i].Vorher, e.vorher);
            const bool gelesen = e.stand == S::Neu || e.stand == S::Geaendert || e.stand == S::Umbenannt ||
                                 e.stand == S::Unlesbar || e.stand == S::NichtGelesen;
            ASSERT_EQ(aenderungen[i].Replay != nullptr, gelesen);
            if (gelesen) {
                EXPECT_EQ(aenderungen[i].Replay->Dateiname, e.name);
                EXPECT_EQ(aenderungen[i].Replay->Lesbar, e.stand != S::NichtGelesen && e.stand != S::Unlesbar);
            }
        }
        // Told once, the same file is news no more.
        for (const auto& a : bibliothek.Aktualisieren(fall.namen)) EXPECT_EQ(a.Stand, S::Unveraendert) << a.Name;
    }
}

// A file someone is still copying into the library is not read, and not damaged: it is
// read once it is whole and quiet.
TEST_F(BibliothekTest, EineDieNochGeschriebenWirdWartet) {
    TBibliothek bibliothek = Gescannt();
    const Bytes& ganz = Replay('A');
    {
        std::ofstream kopie(FsPfad(bib + "a.rec"), std::ios::binary);
        kopie.write(reinterpret_cast<const char*>(ganz.data()), 300).flush();
        const auto a = bibliothek.Aktualisieren({"a.rec"});
        EXPECT_EQ(a[0].Stand, TBibliotheksstand::WirdGeschrieben);
        kopie.write(reinterpret_cast<const char*>(ganz.data()) + 300, static_cast<std::streamsize>(ganz.size() - 300));
    }
    // Where the system cannot tell, the quiet time decides, by the clock of the fault plan.
    plattform::Dateizustand z;
    ASSERT_TRUE(plattform::ZustandLesen(bib + "a.rec", z));
    const std::int64_t zuletzt = std::max(z.aenderung, z.wechsel), sekunde = plattform::StempelProSekunde();
    plattform::UhrStellen(zuletzt + sekunde);
    plattform::FehlerEinplanen(Operation::Schreibtest, 1);
    const auto a = bibliothek.Aktualisieren({"a.rec"});
    EXPECT_EQ(a[0].Stand, TBibliotheksstand::WirdGeschrieben);
    EXPECT_EQ(a[0].NochmalUm, zuletzt + 3 * sekunde);
    plattform::UhrStellen(a[0].NochmalUm);
    plattform::FehlerEinplanen(Operation::Schreibtest, 1);
    EXPECT_EQ(bibliothek.Aktualisieren({"a.rec"})[0].Stand, TBibliotheksstand::Neu);
    // A copy this program made is whole when it gets its name: no quiet time for it.
    Alt(bib + "b.rec", 'B');
    bibliothek.Aufnehmen("b.rec", std::nullopt);
    ASSERT_TRUE(plattform::ZustandLesen(bib + "b.rec", z));
    plattform::UhrStellen(std::max(z.aenderung, z.wechsel));
    plattform::FehlerEinplanen(Operation::Schreibtest, 1);
    EXPECT_EQ(bibliothek.Aktualisieren({"b.rec"})[0].Stand, TBibliotheksstand::Neu);
}

// The index written from the live view is one the next scan trusts: it opens no file.
TEST_F(BibliothekTest, IndexAusDerLaufendenAnsicht) {
    Heimordner heim;
    IndexVerzeichnis = heim.Pfad() + "cache/";
    Alt(bib + "a.rec", 'A');
    TBibliothek bibliothek = Gescannt();
    Alt(bib + "b.rec", 'B');
    fs::remove(FsPfad(bib + "a.rec"));
    for (auto& a : bibliothek.Aktualisieren({"a.rec", "b.rec"})) {
        if (a.Stand == TBibliotheksstand::Entfernt) Replays.clear();
        if (a.Replay) Replays.push_back(std::move(a.Replay));
    }
    ASSERT_TRUE(bibliothek.IndexSchreiben(Replays));
    EXPECT_FALSE(bibliothek.IndexVeraltet());
    plattform::FehlerEinplanen(Operation::Oeffnen, 1);
    TAufgezeichneteMeldungen meldungen;
    ASSERT_EQ(ReplaysLaden(bib, meldungen), kLadenOk);
    EXPECT_TRUE(meldungen.Arten.empty());
    ASSERT_EQ(Replays.size(), 1u);
    EXPECT_EQ(Replays[0]->Dateiname, "b.rec");
    EXPECT_EQ(Replays[0]->Spielname, "Spiel B");
}

// The scan's stamps serve a folder watch as its reference: after an overflow its look
// reports the one file that changed, not every file the scan saw.
TEST_F(BibliothekTest, DieStaendeDesScansSindDieDesOrdners) {
    for (const char* name : {"a.rec", "b.rec", "c.rec"}) Alt(bib + name, 'A');
    TBibliothek bibliothek = Gescannt();
    TOrdnerverfolgung verfolgung(bib, "*.rec", bibliothek.Staende());
    Alt(bib + "b.rec", 'B');
    plattform::FehlerEinplanen(Operation::Benachrichtigung, 1);
    TOrdnerbericht bericht;
    for (int i = 0; i < 50 && !bericht.Abgeglichen; ++i) {
        verfolgung.Warten(100);
        bericht = verfolgung.Abholen();
    }
    EXPECT_TRUE(bericht.Abgeglichen);
    EXPECT_EQ(bericht.Namen, std::vector<std::string>{"b.rec"});
}
