// Renaming a library file: never replacing another, only the file the list read, and a
// rename of many by the template planned before it acts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/dateiumbenennen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/fehlerplan.h"
#include "support/tempverzeichnis.h"

using namespace plattform;

namespace {

// Each file of the folder by its name, with its content.
std::map<std::string, std::string> Ordnerinhalt(const std::string& ordner) {
    std::map<std::string, std::string> inhalt;
    for (const auto& e : std::filesystem::directory_iterator(FsPfad(ordner))) {
        std::ifstream f(e.path(), std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        inhalt[Utf8Pfad(e.path().filename())] = e.is_directory() ? "<Ordner>" : s.str();
    }
    return inhalt;
}

}  // namespace

TEST(DateiUmbenennen, ErsetztNieEtwas) {
    const struct {
        const char* titel;
        std::string neu;
        bool geaendert;  // the file was rewritten after the list read it
        TUmbenennstand stand;
    } faelle[] = {
        {"freier Name", "Sieg.rec", false, TUmbenennstand::Umbenannt},
        {"nur die Großschreibung", "A.rec", false, TUmbenennstand::Umbenannt},
        {"Name einer anderen Datei", "b.rec", false, TUmbenennstand::Belegt},
        {"Name eines Ordners", "ordner.rec", false, TUmbenennstand::Belegt},
        {"derselbe Name", "a.rec", false, TUmbenennstand::Gleich},
        {"seit dem Lesen geändert", "Sieg.rec", true, TUmbenennstand::Geaendert},
    };
    // The system's move without replacing, then link(), then a reserved name: each way
    // must refuse a taken name (POSIX falls back where a file system lacks the first two).
    const std::vector<std::vector<Operation>> wege = {
        {}, {Operation::OhneErsetzenUmbenennen}, {Operation::OhneErsetzenUmbenennen, Operation::Verknuepfen}};
    for (const auto& weg : wege) {
        for (const auto& fall : faelle) {
            SCOPED_TRACE(std::string(fall.titel) + ", Wege ausgelassen: " + std::to_string(weg.size()));
            TempVerzeichnis temp;
            const std::string t = temp.Pfad();
            temp.DateiSchreiben("a.rec", "Replay A");
            temp.DateiSchreiben("b.rec", "Replay B");
            std::filesystem::create_directory(FsPfad(t + "ordner.rec"));
            const auto gelesen = StempelLesen(t + "a.rec");
            if (fall.geaendert) temp.DateiSchreiben("a.rec", "Replay A, länger geschrieben");
            auto vorher = Ordnerinhalt(t);
            for (Operation op : weg) FehlerDauerhaftEinplanen(op);
            EXPECT_EQ(DateiUmbenennen(t, "a.rec", fall.neu, gelesen), fall.stand);
            FehlerplanLeeren();
            if (fall.stand == TUmbenennstand::Umbenannt) {
                vorher[fall.neu] = vorher["a.rec"];
                vorher.erase("a.rec");
            }
            EXPECT_EQ(Ordnerinhalt(t), vorher);
        }
    }
    TempVerzeichnis temp;
    EXPECT_EQ(DateiUmbenennen(temp.Pfad(), "weg.rec", "da.rec"), TUmbenennstand::Fehlt);
}

TEST(DateiUmbenennen, OhneRecEndung) {
    for (const auto& [name, stamm] : std::vector<std::pair<std::string, std::string>>{
             {"Sieg.rec", "Sieg"}, {"Sieg.REC", "Sieg"}, {"Sieg", "Sieg"}, {"rec", "rec"}, {".rec", ""}, {"a.rec.rec", "a.rec"}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(OhneRecEndung(name), stamm);
    }
}

TEST(UmbenennungenPlanen, FreieNamenUndNummern) {
    const struct {
        const char* titel;
        std::vector<std::string> fremde;  // files of the folder outside the plan
        std::vector<std::pair<std::string, std::string>> plan;  // Alt, Wunsch
        std::vector<std::string> neu;
    } faelle[] = {
        {"frei", {}, {{"temp.rec", "Sieg.rec"}}, {"Sieg.rec"}},
        {"fremde Datei hat den Namen", {"Sieg.rec"}, {{"temp.rec", "Sieg.rec"}}, {"Sieg (2).rec"}},
        {"zwei wollen denselben", {}, {{"a.rec", "Sieg.rec"}, {"b.rec", "Sieg.rec"}}, {"Sieg.rec", "Sieg (2).rec"}},
        {"andere Großschreibung im Plan", {}, {{"a.rec", "Sieg.rec"}, {"b.rec", "SIEG.rec"}},
         {"Sieg.rec", "SIEG (2).rec"}},
        {"heißt schon so", {}, {{"Sieg.rec", "Sieg.rec"}}, {"Sieg.rec"}},
        {"trägt schon die Nummer", {"Sieg.rec"}, {{"Sieg (2).rec", "Sieg.rec"}}, {"Sieg (2).rec"}},
        {"Name einer Datei des Plans", {}, {{"a.rec", "b.rec"}, {"b.rec", "c.rec"}}, {"b (2).rec", "c.rec"}},
        {"nur die Großschreibung", {}, {{"sieg.rec", "Sieg.rec"}}, {"Sieg.rec"}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        TempVerzeichnis temp;
        const std::string t = temp.Pfad();
        std::vector<TUmbenennung> plan;
        for (const auto& name : fall.fremde) temp.DateiSchreiben(name, "fremd " + name);
        for (const auto& [alt, wunsch] : fall.plan) {
            temp.DateiSchreiben(alt, "Replay " + alt);
            TUmbenennung u;
            u.Alt = alt;
            u.Wunsch = wunsch;
            u.Erwartet = StempelLesen(t + alt);
            plan.push_back(u);
        }
        UmbenennungenPlanen(t, plan);
        std::vector<std::string> neu;
        for (const auto& u : plan) neu.push_back(u.Neu);
        EXPECT_EQ(neu, fall.neu);

        // Done, each replay stands under its planned name, and no other file changed.
        UmbenennungenAusfuehren(t, plan);
        std::map<std::string, std::string> erwartet;
        for (const auto& name : fall.fremde) erwartet[name] = "fremd " + name;
        for (const auto& u : plan) {
            erwartet[u.Neu] = "Replay " + u.Alt;
            EXPECT_EQ(u.Stand, u.Neu == u.Alt ? TUmbenennstand::Gleich : TUmbenennstand::Umbenannt);
        }
        EXPECT_EQ(Ordnerinhalt(t), erwartet);
    }
}
