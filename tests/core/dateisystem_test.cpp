#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/dateisystem.h"
#include "platform/maske.h"
#include "tempverzeichnis.h"

using namespace plattform;

namespace {

std::vector<std::string> Sortiert(std::vector<std::string> namen) {
    std::sort(namen.begin(), namen.end());
    return namen;
}

std::string MitRueckstrichen(std::string pfad) {
    std::replace(pfad.begin(), pfad.end(), '/', '\\');
    return pfad;
}

class DateisystemTest : public testing::Test {
protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        fs::create_directory(temp.Pfad() + "x.rec");
        fs::create_directory(temp.Pfad() + "lib");
        for (const char* name : {"a.rec", "B.REC", "c.Rec", "d.txt", "e.rec.bak", "ohnepunkt", "libextra.rec",
                                 "lib/innen.rec"})
            temp.DateiSchreiben(name, "x");
    }
    TempVerzeichnis temp;
};

}  // namespace

TEST_F(DateisystemTest, Aufzaehlen) {
    struct Fall {
        std::string muster;
        std::vector<std::string> erwartet;
    };
    const std::string t = temp.Pfad();
    const Fall kFaelle[] = {
        // Capitals match, and a folder whose name fits is listed too.
        {t + "*.rec", {"B.REC", "a.rec", "c.Rec", "libextra.rec", "x.rec"}},
        {t + "*.REC", {"B.REC", "a.rec", "c.Rec", "libextra.rec", "x.rec"}},
        {t + "?.rec", {"B.REC", "a.rec", "c.Rec", "x.rec"}},
        {t + "*.*", {"B.REC", "a.rec", "c.Rec", "d.txt", "e.rec.bak", "lib", "libextra.rec", "ohnepunkt", "x.rec"}},
        {t + "*", {"B.REC", "a.rec", "c.Rec", "d.txt", "e.rec.bak", "lib", "libextra.rec", "ohnepunkt", "x.rec"}},
        // Without a trailing separator the folder name becomes part of the mask.
        {t + "lib*.rec", {"libextra.rec"}},
        {t + "lib/*.rec", {"innen.rec"}},
        {MitRueckstrichen(t) + "lib\\*.rec", {"innen.rec"}},
        {t + "fehlt/*.rec", {}},
        {t + "a.rec/*.rec", {}},
        {t, {}},
        {t + "*.rex", {}},
    };
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(f.muster);
        EXPECT_EQ(Sortiert(Aufzaehlen(f.muster)), f.erwartet);
    }
}

TEST_F(DateisystemTest, ExistenzUndZeit) {
    const std::string t = temp.Pfad();
    EXPECT_TRUE(DateiExistiert(t + "a.rec"));
    EXPECT_FALSE(DateiExistiert(t + "x.rec"));
    EXPECT_FALSE(DateiExistiert(t + "fehlt.rec"));
    EXPECT_TRUE(VerzeichnisExistiert(t + "x.rec"));
    EXPECT_TRUE(VerzeichnisExistiert(t));
    EXPECT_TRUE(VerzeichnisExistiert(MitRueckstrichen(t) + "lib\\"));
    EXPECT_FALSE(VerzeichnisExistiert(t + "a.rec"));
    EXPECT_FALSE(VerzeichnisExistiert(t + "fehlt"));
    EXPECT_EQ(LetzteAenderungFat(t + "x.rec"), -1);
    EXPECT_EQ(LetzteAenderungFat(t + "fehlt.rec"), -1);
    EXPECT_GT(LetzteAenderungFat(t + "a.rec"), 0);
}

TEST(Maske, Vergleiche) {
    struct Fall {
        const char* name;
        const char* maske;
        bool passt;
    };
    const Fall kFaelle[] = {
        {"a.rec", "*.rec", true},       {"A.REC", "*.rec", true},     {"a.rec", "*.REC", true},
        {"a.recx", "*.rec", false},     {".rec", "*.rec", true},      {"rec", "*.rec", false},
        {"a.rec.rec", "*.rec", true},   {"ab", "?", false},           {"", "*", true},
        {"abc", "a*b*c", true},         {"aXbYc", "a*b*c", true},     {"acb", "a*b*c", false},
        {"ohnepunkt", "*.*", true},     {"\xC4.rec", "*.rec", true},  {"\xC4", "\xE4", false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*a*a*c", false},
    };
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(testing::Message() << f.name << " ~ " << f.maske);
        EXPECT_EQ(PasstZuMaske(f.name, f.maske), f.passt);
    }
}
