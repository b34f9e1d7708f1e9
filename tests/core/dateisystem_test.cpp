#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/dateisystem.h"
#include "core/platform/maske.h"
#include "core/platform/pfad.h"
#include "support/tempverzeichnis.h"

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
    std::vector<Fall> faelle = {
        // Capitals match, and a folder whose name fits is listed too.
        {t + "*.rec", {"B.REC", "a.rec", "c.Rec", "libextra.rec", "x.rec"}},
        {t + "*.REC", {"B.REC", "a.rec", "c.Rec", "libextra.rec", "x.rec"}},
        {t + "?.rec", {"B.REC", "a.rec", "c.Rec", "x.rec"}},
        {t + "*.*", {"B.REC", "a.rec", "c.Rec", "d.txt", "e.rec.bak", "lib", "libextra.rec", "ohnepunkt", "x.rec"}},
        {t + "*", {"B.REC", "a.rec", "c.Rec", "d.txt", "e.rec.bak", "lib", "libextra.rec", "ohnepunkt", "x.rec"}},
        // Without a trailing separator the folder name becomes part of the mask.
        {t + "lib*.rec", {"libextra.rec"}},
        {t + "lib/*.rec", {"innen.rec"}},
        {t + "fehlt/*.rec", {}},
        {t + "a.rec/*.rec", {}},
        {t, {}},
        {t + "*.rex", {}},
    };
    // Only Windows separates at '\'.
    faelle.push_back({MitRueckstrichen(t) + "lib\\*.rec", IstPosix() ? std::vector<std::string>{}
                                                                     : std::vector<std::string>{"innen.rec"}});
    for (const Fall& f : faelle) {
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
    EXPECT_EQ(VerzeichnisExistiert(MitRueckstrichen(t) + "lib\\"), !IstPosix());
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

namespace {

// On POSIX '\' and ':' are characters of a name like any other: each name is listed as it
// is, and each path reaches exactly the file of that name.
TEST(Dateisystem, NamenMitRueckstrichUndDoppelpunkt) {
    if (!IstPosix()) GTEST_SKIP() << "nur unter POSIX";
    TempVerzeichnis temp;
    const std::string t = temp.Pfad();
    std::filesystem::create_directory(t + "x");
    temp.DateiSchreiben("a:b.rec", "1");
    temp.DateiSchreiben("b.rec", "22");
    temp.DateiSchreiben("x\\y.rec", "333");
    temp.DateiSchreiben("x/y.rec", "4444");
    EXPECT_EQ(Sortiert(Aufzaehlen(t + "*.rec")), (std::vector<std::string>{"a:b.rec", "b.rec", "x\\y.rec"}));
    EXPECT_EQ(Aufzaehlen(t + "x\\*.rec"), std::vector<std::string>{"x\\y.rec"});
    EXPECT_EQ(Aufzaehlen(t + "x/*.rec"), std::vector<std::string>{"y.rec"});
    EXPECT_EQ(Aufzaehlen(t + "a:*.rec"), std::vector<std::string>{"a:b.rec"});
    EXPECT_TRUE(DateiExistiert(t + "x\\y.rec"));
    EXPECT_FALSE(VerzeichnisExistiert(t + "x\\"));
    EXPECT_TRUE(DateiExistiert(t + "a:b.rec"));
    EXPECT_FALSE(DateiExistiert(t + "b:b.rec"));
}

}  // namespace
