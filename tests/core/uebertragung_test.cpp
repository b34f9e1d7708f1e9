// One replay file brought into a folder beside others: what the target folder holds
// afterwards, and what the source must be for it to come at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/platform/dateistempel.h"
#include "core/platform/dateisystem.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/pfad.h"
#include "core/platform/tempdatei.h"
#include "core/uebertragung.h"
#include "support/nurposix.h"
#include "support/replaybauer.h"
#include "support/systemtest.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

using plattform::Operation;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;
using Ordner = std::map<std::string, Bytes>;  // what a folder holds: name -> bytes; {} for a sub-folder

const Bytes kA = {'A', 'A', 'A'}, kB = {'B', 'B', 'B', 'B'};

Ordner Inhalt(const std::string& ordner) {
    Ordner o;
    for (const auto& e : fs::directory_iterator(FsPfad(ordner)))
        o[Utf8Pfad(e.path().filename())] = e.is_regular_file() ? DateiLesen(Utf8Pfad(e.path())) : Bytes{};
    return o;
}

struct Fall {
    const char* titel;
    Ordner ziel;  // before
    TKopierstand stand;
    std::string zielname;
    Ordner danach;  // besides the one that arrived under zielname
    std::function<void(const std::string& quelle, const std::string& ziel)> vorher = nullptr;
    bool nurPosix = false;
    TUebertragungsregeln regeln = {};
};

}  // namespace

TEST(Uebertragen, WasDerZielordnerDanachHaelt) {
    const Fall faelle[] = {
        {"freier Name", {}, TKopierstand::Kopiert, "x.rec", {}},
        {"gleicher Inhalt unter dem Namen", {{"x.rec", kA}}, TKopierstand::SchonDa, "x.rec", {}},
        {"anderer Inhalt unter dem Namen", {{"x.rec", kB}}, TKopierstand::Kopiert, "x (2).rec", {{"x.rec", kB}}},
        {"gleicher Inhalt unter der Nummer", {{"x.rec", kB}, {"x (2).rec", kA}}, TKopierstand::SchonDa, "x (2).rec",
         {{"x.rec", kB}}},
        {"ein Ordner traegt den Namen", {{"x.rec", {}}}, TKopierstand::Kopiert, "x (2).rec", {{"x.rec", {}}}},
        {"Quelle inzwischen verschwunden", {}, TKopierstand::Verschwunden, "", {},
         [](const std::string& q, const std::string&) { fs::remove(FsPfad(q)); }},
        {"Quelle ist ein Ordner", {}, TKopierstand::KeineDatei, "", {},
         [](const std::string& q, const std::string&) {
             fs::remove(FsPfad(q));
             fs::create_directory(FsPfad(q));
         }},
        {"Zielordner fehlt", {}, TKopierstand::ZielordnerFehlt, "", {},
         [](const std::string&, const std::string& z) { fs::remove_all(FsPfad(z)); }},
        // A sparse file of a gigabyte is not copied until the disk is full.
        {"zu gross", {}, TKopierstand::ZuGross, "", {},
         [](const std::string& q, const std::string&) { fs::resize_file(FsPfad(q), 1LL << 30); }},
        {"Datentraeger voll", {}, TKopierstand::KeinPlatz, "", {},
         [](const std::string&, const std::string&) { plattform::FehlerEinplanen(Operation::Schreiben, 1); }},
        {"Kopie nicht bestaetigt", {}, TKopierstand::NichtBestaetigt, "", {},
         [](const std::string&, const std::string&) { plattform::FehlerEinplanen(Operation::Lesen, 2); }},
        // The game rewrites its file while we copy it: the half-copied bytes never get a name.
        {"Quelle aendert sich beim Kopieren", {}, TKopierstand::WirdGeschrieben, "", {},
         [](const std::string& q, const std::string&) {
             plattform::AktionEinplanen(Operation::Schreiben, 1, [q] { DateiSchreiben(q, kB); });
         }},
        // A second process puts the same replay under the name while ours is being copied.
        {"Name waehrend der Kopie mit demselben Inhalt belegt", {}, TKopierstand::SchonDa, "x.rec", {},
         [](const std::string&, const std::string& z) {
             plattform::AktionEinplanen(Operation::Verschieben, 1, [z] { DateiSchreiben(z + "x.rec", kA); });
         }},
        {"Name waehrend der Kopie mit anderem Inhalt belegt", {}, TKopierstand::Kopiert, "x (2).rec",
         {{"x.rec", kB}},
         [](const std::string&, const std::string& z) {
             plattform::AktionEinplanen(Operation::Verschieben, 1, [z] { DateiSchreiben(z + "x.rec", kB); });
         }},
        // Its own source is gone by then; the copy it made is still good and stays.
        {"Quelle verschwindet vor dem Einsetzen", {}, TKopierstand::Kopiert, "x.rec", {},
         [](const std::string& q, const std::string&) {
             plattform::AktionEinplanen(Operation::Verschieben, 1, [q] { fs::remove(FsPfad(q)); });
         }},
        {"ein toter Verweis traegt den Namen", {}, TKopierstand::Kopiert, "x (2).rec", {{"x.rec", {}}},
         [](const std::string&, const std::string& z) { fs::create_symlink(z + "nirgends.rec", z + "x.rec"); }, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        if (fall.nurPosix && !plattform::IstPosix()) continue;
        TempVerzeichnis temp;
        const std::string quelle = temp.Pfad() + "quelle/x.rec", ziel = temp.Pfad() + "ziel/";
        fs::create_directories(FsPfad(temp.Pfad() + "quelle"));
        fs::create_directories(FsPfad(ziel));
        DateiSchreiben(quelle, kA);
        AenderungszeitSetzen(quelle, 2005, 3, 14, 21, 7, 44);
        for (const auto& [name, bytes] : fall.ziel) {
            if (bytes.empty()) fs::create_directory(FsPfad(ziel + name));
            else DateiSchreiben(ziel + name, bytes);
        }
        if (fall.vorher) fall.vorher(quelle, ziel);
        const bool ohneZiel = !fs::exists(FsPfad(ziel));

        const TUebertragung u = Uebertragen(quelle, ziel, "x.rec", fall.regeln);
        plattform::FehlerplanLeeren();

        EXPECT_EQ(u.Stand, fall.stand);
        EXPECT_EQ(u.Zielname, fall.zielname);
        if (ohneZiel) continue;
        Ordner erwartet = fall.danach;
        if (!fall.zielname.empty()) erwartet[fall.zielname] = kA;
        EXPECT_EQ(Inhalt(ziel), erwartet);
        if (fall.stand == TKopierstand::Kopiert && fs::exists(FsPfad(quelle))) {
            EXPECT_EQ(plattform::LetzteAenderungFat(ziel + fall.zielname), plattform::LetzteAenderungFat(quelle));
        }
    }
}

// Whether the source is still being written: the game holds it open, or, where the system
// cannot tell, it changed moments ago. A file the user drops is taken at once.
TEST(Uebertragen, EinReplayDasNochGeschriebenWirdBleibtLiegen) {
    TempVerzeichnis temp;
    const std::string quelle = temp.Pfad() + "x.rec", ziel = temp.Pfad() + "ziel/";
    fs::create_directory(FsPfad(ziel));
    DateiSchreiben(quelle, kA);
    {
        std::ofstream spiel(FsPfad(quelle), std::ios::binary | std::ios::app);
        EXPECT_EQ(Uebertragen(quelle, ziel, "x.rec").Stand, TKopierstand::WirdGeschrieben);
    }
    // A writer on Windows that shares not even the reading.
    if (!plattform::IstPosix()) {
        const auto spiel = OhneTeilenOeffnen(quelle);
        EXPECT_EQ(Uebertragen(quelle, ziel, "x.rec").Stand, TKopierstand::WirdGeschrieben);
    }
    const std::int64_t sekunde = plattform::StempelProSekunde();
    const struct {
        const char* titel;
        int sekundenSpaeter;
        bool fallenGelassen;
        TKopierstand stand;
    } faelle[] = {
        {"gerade geaendert", 0, false, TKopierstand::WirdGeschrieben},
        {"vor zwei Sekunden", 2, false, TKopierstand::WirdGeschrieben},
        {"gerade geaendert, aber fallen gelassen", 0, true, TKopierstand::Kopiert},
        {"vor vier Sekunden", 4, false, TKopierstand::Kopiert},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        DateiSchreiben(quelle, kA);
        fs::remove(FsPfad(ziel + "x.rec"));
        plattform::Dateizustand z;
        ASSERT_TRUE(plattform::ZustandLesen(quelle, z));
        plattform::UhrStellen(std::max(z.aenderung, z.wechsel) + fall.sekundenSpaeter * sekunde);
        plattform::FehlerEinplanen(Operation::Schreibtest, 1);
        EXPECT_EQ(Uebertragen(quelle, ziel, "x.rec", {.ruhezeitAbwarten = !fall.fallenGelassen}).Stand, fall.stand);
        plattform::FehlerplanLeeren();
    }
}
