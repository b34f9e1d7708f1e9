// The grid's cell comparison as a plain function, and the merge sort that has to survive
// its inconsistent answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "gui/gridmodell.h"
#include "gui/sortmischen.h"
#include "gui/sortraenge.h"
#include "gui/sortvergleich.h"

namespace {

TZelle Text(std::string text) { return TZelle{std::move(text), false, false}; }
TZelle Box(bool checked) { return TZelle{"", true, checked}; }

int Vorzeichen(int wert) { return (wert > 0) - (wert < 0); }

struct Vergleichsfall {
    const char* name;
    TZelle a, b;
    int erwartet;  // -1: a first, 0: equal, 1: b first
};

class SortvergleichTest : public ::testing::TestWithParam<Vergleichsfall> {};

TEST_P(SortvergleichTest, OrdnetWieErwartet) {
    const Vergleichsfall& fall = GetParam();
    EXPECT_EQ(Vorzeichen(sortvergleich(fall.a, fall.b, Regionaleinstellungen::Deutsch())), fall.erwartet);
}

const Vergleichsfall vergleichsfaelle[] = {
    {"ZahlenNachWert", Text("2"), Text("10"), -1},
    {"ZahlenGleich", Text("10"), Text("10"), 0},
    {"NegativeZahl", Text("-5"), Text("3"), -1},
    {"DezimalkommaDeutsch", Text("1,5"), Text("1,25"), 1},
    {"LeererTextIstNullBeiZahl", Text("3"), Text(""), 1},
    {"NichtWandelbarZaehltNull", Text("3"), Text("abc"), 1},
    {"ZweiMinusNichtWandelbarGleich", Text("-"), Text("x"), 0},
    {"TextNachBytes", Text("Alpha"), Text("alpha"), -1},
    {"KleinVorGross", Text("alpha"), Text("beta"), -1},
    {"PraefixZuerst", Text("Alp"), Text("Alpha"), -1},
    {"UmlautNachAllenBuchstaben", Text("äpfel"), Text("zebra"), 1},
    // By code point: the letters Windows-1252 keeps at 80..9F now follow the Latin-1 ones.
    {"SchNachUmlaut", Text("Škoda"), Text("Ärger"), 1},
    {"EuroNachUmlaut", Text("€ 5"), Text("ä"), 1},
    {"OeLigaturVorS", Text("Œuvre"), Text("Šach"), -1},
    {"GrossYPunkteNachKleinem", Text("Ÿ"), Text("ÿ"), 1},
    {"KyrillischNachLatein", Text("Финал"), Text("Ÿ"), 1},
    {"EmojiNachChinesisch", Text("\U0001F3C6"), Text("最"), 1},
    {"LeererTextIstText", Text(""), Text("a"), -1},
    {"BeideLeer", Text(""), Text(""), 0},
    {"DatumNachWert", Text("30.12.2005 09:00:00"), Text("05.01.2006 10:00:00"), -1},
    {"DatumOhneZeit", Text("05.01.2006"), Text("05.01.2006 00:00:01"), -1},
    {"DatumGegenUngueltigZaehltNull", Text("01.01.1900"), Text("kein Datum"), 1},
    {"BoxUncheckedVorChecked", Box(false), Box(true), -1},
    {"BoxGleich", Box(true), Box(true), 0},
    {"OhneBoxZaehltUnchecked", Box(true), Text("x"), 1},
    // The kind comes from a alone: "10" is a number, "abc" is text.
    {"ArtVonAZahl", Text("10"), Text("abc"), 1},
    {"ArtVonAText", Text("abc"), Text("10"), 1},
};

INSTANTIATE_TEST_SUITE_P(Tabelle, SortvergleichTest, ::testing::ValuesIn(vergleichsfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Vergleichsart, KlassifiziertNachRegionalenTrennern) {
    struct Fall {
        const char* text;
        TVergleichsart art;
    } faelle[] = {
        {"123", TVergleichsart::Zahl},          {"-1,5", TVergleichsart::Zahl},
        {"1.234", TVergleichsart::Zahl},        {"1.234,5", TVergleichsart::Zahl},
        {"1.2.3", TVergleichsart::Datum},        {".5", TVergleichsart::Text},
        {"1-2", TVergleichsart::Text},          {"--1", TVergleichsart::Text},
        {"1.2.3", TVergleichsart::Datum},        {"12.03.2005", TVergleichsart::Datum},
        {"1.3.2005 10:00", TVergleichsart::Datum}, {"123.4.5", TVergleichsart::Text},
        {"12.a", TVergleichsart::Text},          {"a.1.2005", TVergleichsart::Text},
        {"", TVergleichsart::Text},             {"Karte", TVergleichsart::Text},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.text);
        EXPECT_EQ(Vergleichsart(Text(fall.text), Regionaleinstellungen::Deutsch()), fall.art);
    }
}

TEST(Vergleichsart, EnglischeTrennerMachenPunktZumDezimaltrenner) {
    Regionaleinstellungen englisch;
    englisch.KurzesDatumsformat = "M/d/yyyy";
    englisch.Datumstrenner = '/';
    englisch.Dezimaltrenner = '.';
    englisch.Tausendertrenner = ',';
    EXPECT_EQ(Vergleichsart(Text("1.5"), englisch), TVergleichsart::Zahl);
    EXPECT_EQ(Vergleichsart(Text("12.03.2005"), englisch), TVergleichsart::Text);
    EXPECT_EQ(Vergleichsart(Text("3/12/2005"), englisch), TVergleichsart::Datum);
    EXPECT_LT(sortvergleich(Text("1.25"), Text("1.5"), englisch), 0);
    EXPECT_LT(sortvergleich(Text("3/12/2005"), Text("12/3/2005"), englisch), 0);
}

TEST(SpaltenSchluessel, GebenDieselbenAntwortenWieDieEinzelneVergleichung) {
    std::vector<TZelle> zellen = {Text("10"), Text("2"), Text("abc"), Text("05.01.2006"),
                                  Text(""), Box(true), Text("30.12.2005 09:00:00"), Text("-3,5")};
    std::vector<const TZelle*> zeiger;
    for (const TZelle& z : zellen) zeiger.push_back(&z);
    auto schluessel = SpaltenSchluessel(zeiger, Regionaleinstellungen::Deutsch(), true);
    for (size_t i = 0; i < zellen.size(); ++i) {
        for (size_t j = 0; j < zellen.size(); ++j) {
            SCOPED_TRACE(zellen[i].Text + " / " + zellen[j].Text);
            EXPECT_EQ(Vorzeichen(SchluesselVergleichen(schluessel[i], schluessel[j])),
                      Vorzeichen(sortvergleich(zellen[i], zellen[j], Regionaleinstellungen::Deutsch())));
        }
    }
}

// The ranks answer every pair as the keys do: mixed kinds (so each row compares by its
// own kind), ties, -0 and 0, invalid numbers, texts alike in their first eight bytes.
TEST(SpaltenRaenge, GebenDieselbenAntwortenWieDieSchluessel) {
    const std::vector<std::vector<TZelle>> spalten = {
        {Text("10"), Text("2"), Text("abc"), Text("05.01.2006"), Text(""), Box(true), Text("30.12.2005 09:00:00"),
         Text("-3,5"), Text("-"), Text("2"), Text("abc"), Box(false), Text("-0"), Text("0")},
        {Text("Benchmark A"), Text("Benchmark B"), Text("Benchmark"), Text("Benchmar"), Text("\xC3\xA4"),
         Text("Benchmark A"), Text("")},
        {Text("3"), Text("10"), Text("-0"), Text("0"), Text("1,5"), Text("3")},
        {Box(false), Box(true), Box(false)},
    };
    for (const auto& zellen : spalten) {
        std::vector<const TZelle*> zeiger;
        for (const TZelle& z : zellen) zeiger.push_back(&z);
        const auto schluessel = SpaltenSchluessel(zeiger, Regionaleinstellungen::Deutsch(), true);
        const TSpaltenRaenge raenge(schluessel);
        for (size_t i = 0; i < zellen.size(); ++i) {
            for (size_t j = 0; j < zellen.size(); ++j) {
                SCOPED_TRACE(zellen[i].Text + " / " + zellen[j].Text);
                const int erwartet = Vorzeichen(SchluesselVergleichen(schluessel[i], schluessel[j]));
                EXPECT_EQ(Vorzeichen(raenge.Vergleichen(i, j)), erwartet);
            }
        }
        EXPECT_FALSE(raenge.Eindeutig()) << "every column holds a tie or mixes kinds";
    }
    std::vector<TZelle> verschieden = {Text("b"), Text("a"), Text("c")};
    std::vector<const TZelle*> zeiger = {&verschieden[0], &verschieden[1], &verschieden[2]};
    EXPECT_TRUE(TSpaltenRaenge(SpaltenSchluessel(zeiger, Regionaleinstellungen::Deutsch(), true)).Eindeutig());
}

TEST(Mischsortieren, BleibtBeiWillkuerlichemVergleichInnerhalbUndVerliertNichts) {
    std::mt19937 zufall(7);
    for (size_t n : {0u, 1u, 2u, 3u, 17u, 100u, 1000u}) {
        SCOPED_TRACE(n);
        std::vector<int> folge(n);
        for (size_t i = 0; i < n; ++i) folge[i] = static_cast<int>(i);
        Mischsortieren(folge, [&](int, int) { return zufall() % 2 == 0; });
        std::sort(folge.begin(), folge.end());
        for (size_t i = 0; i < n; ++i) ASSERT_EQ(folge[i], static_cast<int>(i));
    }
}

TEST(Mischsortieren, SortiertStabil) {
    std::vector<std::pair<int, int>> folge = {{3, 0}, {1, 1}, {3, 2}, {2, 3}, {1, 4}};
    Mischsortieren(folge, [](auto a, auto b) { return a.first < b.first; });
    std::vector<std::pair<int, int>> erwartet = {{1, 1}, {1, 4}, {2, 3}, {3, 0}, {3, 2}};
    EXPECT_EQ(folge, erwartet);
}

// A column mixing numbers, dates and text makes the comparison inconsistent; the sort
// must still keep every row exactly once.
TEST(ModellSortieren, GemischteSpalteBehaeltJedeZeile) {
    TGridModell modell;
    modell.SpaltenzahlSetzen(3);
    const char* texte[] = {"10", "abc", "05.01.2006", "2", "", "Zebra", "1,5", "30.12.2005", "-", "x.1"};
    const int anzahl = 400;
    modell.ZeilenzahlSetzen(anzahl + 1, 21);
    for (int r = 1; r <= anzahl; ++r) {
        modell.TextSetzen(0, r, std::to_string(r));
        modell.TextSetzen(1, r, texte[(r * 7) % 10]);
        modell.TextSetzen(2, r, texte[(r * 3) % 10]);
    }
    for (auto richtung : {sdAscending, sdDescending}) {
        TSortOptions optionen;
        modell.Sortieren(1, richtung, optionen, Regionaleinstellungen::Deutsch(), 1);
        std::vector<int> nummern;
        for (int r = 1; r <= anzahl; ++r) nummern.push_back(std::stoi(modell.Zelle(0, r).Text));
        std::sort(nummern.begin(), nummern.end());
        for (int i = 0; i < anzahl; ++i) ASSERT_EQ(nummern[static_cast<size_t>(i)], i + 1);
    }
}

TEST(ModellSortieren, NormalCellsOnlyUndSingleColumnLassenZellenStehen) {
    TGridModell modell;
    modell.SpaltenzahlSetzen(3);
    modell.ZeilenzahlSetzen(4, 21);
    const char* zeilen[3][3] = {{"1", "c", "x"}, {"2", "a", "y"}, {"3", "b", "z"}};
    auto fuellen = [&] {
        for (int r = 0; r < 3; ++r)
            for (int s = 0; s < 3; ++s) modell.TextSetzen(s, r + 1, zeilen[r][s]);
    };
    auto spalte = [&](int s) {
        return modell.Zelle(s, 1).Text + modell.Zelle(s, 2).Text + modell.Zelle(s, 3).Text;
    };
    TSortOptions optionen;
    optionen.NormalCellsOnly = true;
    fuellen();
    modell.Sortieren(1, sdAscending, optionen, Regionaleinstellungen::Deutsch(), 1);
    EXPECT_EQ(spalte(0), "123");
    EXPECT_EQ(spalte(1), "abc");
    EXPECT_EQ(spalte(2), "yzx");

    optionen = TSortOptions{};
    optionen.SingleColumn = true;
    fuellen();
    modell.Sortieren(1, sdAscending, optionen, Regionaleinstellungen::Deutsch(), 1);
    EXPECT_EQ(spalte(0), "123");
    EXPECT_EQ(spalte(1), "abc");
    EXPECT_EQ(spalte(2), "xyz");
}

}  // namespace
