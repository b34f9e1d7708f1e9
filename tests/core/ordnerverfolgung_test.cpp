// Following a folder: the system's notifications name what changed, and where they fall
// short (an overflow, a refused watch, the folder deleted and made again) the slow look
// still finds every change.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/ordnerverfolgung.h"
#include "core/platform/dateistempel.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/ordnerwaechter.h"
#include "core/platform/pfad.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"

using plattform::Ordnerereignis;
using plattform::Operation;
namespace fs = std::filesystem;

namespace {

using Namen = std::set<std::string>;

void Schreiben(const std::string& pfad, std::size_t groesse) { DateiSchreiben(pfad, std::vector<unsigned char>(groesse, 'x')); }

// Fetches from the watch until every expected (name, one of the kinds) came, or 5 s passed.
std::vector<plattform::Ordneraenderung> Erwarten(plattform::Ordnerwaechter& w,
                                                 const std::vector<std::pair<std::string, std::vector<Ordnerereignis>>>& erwartet) {
    std::vector<plattform::Ordneraenderung> alle;
    auto da = [&] {
        return std::all_of(erwartet.begin(), erwartet.end(), [&](const auto& e) {
            return std::any_of(alle.begin(), alle.end(), [&](const plattform::Ordneraenderung& a) {
                return a.Name == e.first && std::count(e.second.begin(), e.second.end(), a.Art) > 0;
            });
        });
    };
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!da() && std::chrono::steady_clock::now() < ende) {
        w.Warten(100);
        for (auto& a : w.Abholen()) alle.push_back(std::move(a));
    }
    return alle;
}

// The follower's clock, set by hand: the looks and checks fall due only when a test says so.
class Uhr {
public:
    Uhr() { plattform::UhrStellen(jetzt_); }
    ~Uhr() { plattform::FehlerplanLeeren(); }
    void Weiter(int sekunden) { plattform::UhrStellen(jetzt_ += sekunden * plattform::StempelProSekunde()); }

private:
    std::int64_t jetzt_ = plattform::StempelZeitJetzt();
};

// Fetches reports until every name in erwartet was reported (or 5 s passed); returns all
// names reported.
Namen Sammeln(TOrdnerverfolgung& v, const Namen& erwartet, bool* abgeglichen = nullptr) {
    Namen gemeldet;
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!std::includes(gemeldet.begin(), gemeldet.end(), erwartet.begin(), erwartet.end()) &&
           std::chrono::steady_clock::now() < ende) {
        v.Warten(100);
        const TOrdnerbericht b = v.Abholen();
        gemeldet.insert(b.Namen.begin(), b.Namen.end());
        if (abgeglichen) *abgeglichen = *abgeglichen || b.Abgeglichen;
    }
    return gemeldet;
}

}  // namespace

TEST(Ordnerwaechter, NenntDieGeaenderteDatei) {
    const struct {
        const char* titel;
        std::function<void(const std::string& ordner, const std::string& anderswo)> tun;
        std::vector<std::pair<std::string, std::vector<Ordnerereignis>>> erwartet;
    } faelle[] = {
        {"angelegt", [](const std::string& o, const std::string&) { Schreiben(o + "neu.rec", 10); },
         {{"neu.rec", {Ordnerereignis::Angelegt}}, {"neu.rec", {Ordnerereignis::Geschrieben}}}},
        {"an Ort und Stelle neu geschrieben", [](const std::string& o, const std::string&) { Schreiben(o + "a.rec", 20); },
         {{"a.rec", {Ordnerereignis::Geschrieben}}}},
        {"umbenannt",
         [](const std::string& o, const std::string&) { fs::rename(FsPfad(o + "a.rec"), FsPfad(o + "b.rec")); },
         {{"a.rec", {Ordnerereignis::Hinausbewegt}}, {"b.rec", {Ordnerereignis::Hereinbewegt}}}},
        // Windows reports a move between folders as made and deleted.
        {"hereinbewegt",
         [](const std::string& o, const std::string& x) { fs::rename(FsPfad(x + "c.rec"), FsPfad(o + "c.rec")); },
         {{"c.rec", {Ordnerereignis::Hereinbewegt, Ordnerereignis::Angelegt}}}},
        {"hinausbewegt",
         [](const std::string& o, const std::string& x) { fs::rename(FsPfad(o + "a.rec"), FsPfad(x + "a.rec")); },
         {{"a.rec", {Ordnerereignis::Hinausbewegt, Ordnerereignis::Geloescht}}}},
        {"geloescht", [](const std::string& o, const std::string&) { fs::remove(FsPfad(o + "a.rec")); },
         {{"a.rec", {Ordnerereignis::Geloescht}}}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        TempVerzeichnis temp;
        const std::string ordner = temp.Pfad() + "o/", anderswo = temp.Pfad() + "x/";
        fs::create_directory(FsPfad(ordner));
        fs::create_directory(FsPfad(anderswo));
        Schreiben(ordner + "a.rec", 10);
        Schreiben(anderswo + "c.rec", 10);
        auto w = plattform::Ordnerwaechter::Starten(ordner);
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->Gueltig());
        fall.tun(ordner, anderswo);
        const auto alle = Erwarten(*w, fall.erwartet);
        for (const auto& [name, arten] : fall.erwartet)
            EXPECT_TRUE(std::any_of(alle.begin(), alle.end(), [&](const auto& a) {
                return a.Name == name && std::count(arten.begin(), arten.end(), a.Art) > 0;
            })) << name;
    }
}

// A thread waiting on a watch is woken from another one, to stop it.
TEST(Ordnerwaechter, AufweckenBeendetDasWarten) {
    TempVerzeichnis temp;
    auto w = plattform::Ordnerwaechter::Starten(temp.Pfad());
    ASSERT_TRUE(w);
    const auto anfang = std::chrono::steady_clock::now();
    std::thread wecker([&] { w->Aufwecken(); });
    EXPECT_FALSE(w->Warten(10000));
    wecker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(5));
}

// The follower reports each changed replay's name once a batch, and nothing else.
TEST(Ordnerverfolgung, MeldetGeaenderteReplays) {
    TempVerzeichnis temp;
    Schreiben(temp.Pfad() + "alt.rec", 10);
    Schreiben(temp.Pfad() + "weg.rec", 10);
    TOrdnerverfolgung v(temp.Pfad());
    ASSERT_TRUE(v.Benachrichtigt());
    ASSERT_NE(v.Griff(), -1);
    EXPECT_TRUE(v.Abholen().Namen.empty());  // what stood there before is not news
    Schreiben(temp.Pfad() + "NEU.REC", 10);
    Schreiben(temp.Pfad() + "alt.rec", 30);
    Schreiben(temp.Pfad() + "notiz.txt", 10);
    fs::remove(FsPfad(temp.Pfad() + "weg.rec"));
    bool abgeglichen = false;
    const Namen gemeldet = Sammeln(v, {"NEU.REC", "alt.rec", "weg.rec"}, &abgeglichen);
    EXPECT_EQ(gemeldet, (Namen{"NEU.REC", "alt.rec", "weg.rec"}));
    EXPECT_FALSE(abgeglichen);  // the notifications sufficed: nothing was listed
}

// A caller that could not finish with a file hears of it again when it asked to.
TEST(Ordnerverfolgung, SpaeterNochmal) {
    Uhr uhr;
    TempVerzeichnis temp;
    TOrdnerverfolgung v(temp.Pfad());
    v.SpaeterNochmal("a.rec", plattform::StempelZeitJetzt() + 3 * plattform::StempelProSekunde());
    EXPECT_LE(v.NaechsterTermin(), plattform::StempelZeitJetzt() + 3 * plattform::StempelProSekunde());
    uhr.Weiter(1);
    EXPECT_TRUE(v.Abholen().Namen.empty());
    uhr.Weiter(2);
    EXPECT_EQ(v.Abholen().Namen, std::vector<std::string>{"a.rec"});
    EXPECT_TRUE(v.Abholen().Namen.empty());
}

// Where notifications fall short, the look finds every change all the same: the added,
// the rewritten and the deleted replay.
TEST(Ordnerverfolgung, WoBenachrichtigungenFehlenSiehtDerBlick) {
    const struct {
        const char* titel;
        std::function<void()> vorher;  // before the follower starts
        std::function<void(const std::string& ordner)> dazwischen;  // between the changes and the fetch
    } faelle[] = {
        {"die Benachrichtigungen laufen über", [] {},
         [](const std::string&) { plattform::FehlerEinplanen(Operation::Benachrichtigung, 1); }},
        {"das System verweigert die Überwachung", [] { plattform::FehlerEinplanen(Operation::Beobachten, 1); },
         [](const std::string&) {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        Uhr uhr;
        TempVerzeichnis temp;
        Schreiben(temp.Pfad() + "b.rec", 10);
        Schreiben(temp.Pfad() + "c.rec", 10);
        fall.vorher();
        TOrdnerverfolgung v(temp.Pfad());
        Schreiben(temp.Pfad() + "a.rec", 10);
        Schreiben(temp.Pfad() + "b.rec", 20);
        fs::remove(FsPfad(temp.Pfad() + "c.rec"));
        fall.dazwischen(temp.Pfad());
        // A refused watch is retried, and a look falls due, only as time goes by.
        uhr.Weiter(TOrdnerverfolgung::kBlickAbstandSekunden);
        bool abgeglichen = false;
        EXPECT_EQ(Sammeln(v, {"a.rec", "b.rec", "c.rec"}, &abgeglichen), (Namen{"a.rec", "b.rec", "c.rec"}));
        EXPECT_TRUE(abgeglichen);
        EXPECT_TRUE(v.Benachrichtigt());
    }
}

// A real overflow of the system's queue: more changes at once than it keeps.
TEST(Ordnerverfolgung, EinEchterUeberlauf) {
    TempVerzeichnis temp;
    TOrdnerverfolgung v(temp.Pfad());
    // inotify keeps 16384 events by default, two a file here; Windows' buffer of 64 KiB
    // holds about three hundred reports of names this long, two a file.
    const int anzahl = plattform::IstPosix() ? 8300 : 400;
    const std::string lang = plattform::IstPosix() ? "" : std::string(90, 'x');
    Namen erwartet;
    for (int i = 0; i < anzahl; ++i) {
        const std::string name = lang + std::to_string(i) + ".rec";
        Schreiben(temp.Pfad() + name, 1);
        erwartet.insert(name);
    }
    bool abgeglichen = false;
    EXPECT_EQ(Sammeln(v, erwartet, &abgeglichen), erwartet);
    EXPECT_TRUE(abgeglichen);
}

// A folder deleted and made again is watched again, and what it held before and after is
// reported: the replay that went with it and the one in the new folder.
TEST(Ordnerverfolgung, OrdnerGeloeschtUndNeuAngelegt) {
    Uhr uhr;
    TempVerzeichnis temp;
    const std::string ordner = temp.Pfad() + "Playback/";
    fs::create_directory(FsPfad(ordner));
    Schreiben(ordner + "alt.rec", 10);
    TOrdnerverfolgung v(ordner);
    ASSERT_TRUE(v.Benachrichtigt());
    fs::remove_all(FsPfad(ordner));
    // Windows keeps a deleted folder while anyone holds it, so it can be made again only
    // once the follower noticed and let go.
    Namen gemeldet;
    std::error_code fehler;
    for (int i = 0; i < 50 && !fs::create_directory(FsPfad(ordner), fehler); ++i) {
        uhr.Weiter(TOrdnerverfolgung::kPruefAbstandSekunden);
        for (auto& name : v.Abholen().Namen) gemeldet.insert(name);
        v.Warten(50);
    }
    ASSERT_TRUE(fs::is_directory(FsPfad(ordner)));
    Schreiben(ordner + "neu.rec", 10);
    uhr.Weiter(TOrdnerverfolgung::kPruefAbstandSekunden);
    for (auto& name : Sammeln(v, {"neu.rec"})) gemeldet.insert(name);
    EXPECT_EQ(gemeldet, (Namen{"alt.rec", "neu.rec"}));
    // And the new folder is followed through its notifications again.
    uhr.Weiter(TOrdnerverfolgung::kPruefAbstandSekunden);
    v.Abholen();
    EXPECT_TRUE(v.Benachrichtigt());
    Schreiben(ordner + "danach.rec", 10);
    EXPECT_EQ(Sammeln(v, {"danach.rec"}), Namen{"danach.rec"});
}
