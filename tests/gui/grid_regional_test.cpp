// Regional settings: the date text the window shows and the parser the sort uses.
#include <gtest/gtest.h>

#include <QDate>
#include <QString>
#include <QTime>
#include <cmath>
#include <string>

#include "core/datum.h"
#include "gui/regionaleinstellungen.h"

namespace {

// 12.03.2005 is day 38423 after 30.12.1899.
constexpr double tag12032005 = 38423.0;

TEST(Regionaleinstellungen, DeutscheDatumstexte) {
    const Regionaleinstellungen r = Regionaleinstellungen::Deutsch();
    struct Fall {
        double datum;
        const char* text;
    } faelle[] = {
        {tag12032005 + (14 * 3600 + 22 * 60 + 10) / 86400.0, "12.03.2005 14:22:10"},
        {tag12032005, "12.03.2005"},  // exactly midnight: no time part
        {0.0, "30.12.1899"},          // the zero date of a replay that could not be read
        {tag12032005 + 1 / 86400.0, "12.03.2005 00:00:01"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.text);
        EXPECT_EQ(r.DatumZeitText(fall.datum), fall.text);
    }
}

// The date text is written without Qt for patterns of numbers only; every pattern must
// still come out as Qt writes it.
TEST(Regionaleinstellungen, DatumstexteWieQtSieSchreibt) {
    const char* datumsformate[] = {"dd.MM.yyyy", "d.M.yy", "yyyy-MM-dd", "M/d/yyyy", "dd MMM yyyy",
                                   "dddd, d. MMMM yyyy", "yyyy'年'M'月'd'日'", "d.M.y", "yyy"};
    const char* zeitformate[] = {"HH:mm:ss", "h:mm:ss", "hh.mm", "h:mm:ss AP", "H 'Uhr' m", "HHH:m"};
    const double daten[] = {tag12032005 + (9 * 3600 + 5 * 60 + 7) / 86400.0, 2958465.5, -657434.25, 1.0 + 1 / 86400.0};
    for (const char* df : datumsformate) {
        for (const char* zf : zeitformate) {
            Regionaleinstellungen r = Regionaleinstellungen::Deutsch();
            r.KurzesDatumsformat = df;
            r.LangesZeitformat = zf;
            for (double datum : daten) {
                const double tage = std::trunc(datum);
                const QDate tag = QDate(1899, 12, 30).addDays(static_cast<qint64>(tage));
                const QTime zeit = QTime::fromMSecsSinceStartOfDay(
                    static_cast<int>(std::round(std::fabs(datum - tage) * 86400000.0)));
                const QString qt = tag.toString(QString::fromUtf8(df)) + ' ' + zeit.toString(QString::fromUtf8(zf));
                SCOPED_TRACE(std::string(df) + " / " + zf);
                EXPECT_EQ(r.DatumZeitText(datum), qt.toStdString());
            }
        }
    }
}

TEST(Regionaleinstellungen, UnsinnigeWerteGebenLeerenText) {
    const Regionaleinstellungen r = Regionaleinstellungen::Deutsch();
    EXPECT_EQ(r.DatumZeitText(1e300), "");
    EXPECT_EQ(r.DatumZeitText(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(Regionaleinstellungen, ParserLiestWasDerTextZeigt) {
    const Regionaleinstellungen r = Regionaleinstellungen::Deutsch();
    for (double datum : {tag12032005 + 0.5, tag12032005, 1.25, 40000.999988425926}) {
        std::string text = r.DatumZeitText(datum);
        SCOPED_TRACE(text);
        TDateTime gelesen = -1;
        ASSERT_TRUE(r.TextZuDatum(text, gelesen));
        EXPECT_NEAR(gelesen, datum, 0.5 / 86400.0);
    }
}

TEST(Regionaleinstellungen, ParserTabelle) {
    const Regionaleinstellungen r = Regionaleinstellungen::Deutsch();
    struct Fall {
        const char* text;
        bool gueltig;
        double erwartet;
    } faelle[] = {
        {"12.03.2005 14:22:10", true, tag12032005 + (14 * 3600 + 22 * 60 + 10) / 86400.0},
        {"  12.03.2005  ", true, tag12032005},
        {"12.3.05", true, tag12032005},
        {"12.03.2005 14:22", true, tag12032005 + (14 * 60 + 22) / 1440.0},
        {"12.03.2005 2:00 PM", true, tag12032005 + 14 / 24.0},
        {"14:22:10", true, (14 * 3600 + 22 * 60 + 10) / 86400.0},
        {"31.02.2005", false, 0},
        {"12.03.2005 24:00:00", false, 0},
        {"12.03.2005 14:60", false, 0},
        {"12.03.2005x", false, 0},
        {"12..2005", false, 0},
        {"", false, 0},
        {"12", false, 0},
        {"99999999999.1.1", false, 0},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.text);
        TDateTime datum = -7;
        EXPECT_EQ(r.TextZuDatum(fall.text, datum), fall.gueltig);
        if (fall.gueltig) EXPECT_NEAR(datum, fall.erwartet, 1e-9);
        else EXPECT_EQ(datum, -7);
    }
}

TEST(Regionaleinstellungen, AusSystemZeigtVierstelligesJahrOhneZeitzone) {
    const Regionaleinstellungen r = Regionaleinstellungen::AusSystem();
    EXPECT_NE(r.KurzesDatumsformat.find("yyyy"), std::string::npos) << r.KurzesDatumsformat;
    EXPECT_EQ(r.LangesZeitformat.find('t'), std::string::npos) << r.LangesZeitformat;
    EXPECT_NE(r.DatumZeitText(tag12032005).find("2005"), std::string::npos);
    TDateTime gelesen = 0;
    std::string text = r.DatumZeitText(tag12032005 + 0.5);
    ASSERT_TRUE(r.TextZuDatum(text, gelesen)) << text;
    EXPECT_NEAR(gelesen, tag12032005 + 0.5, 1e-6);
}

}  // namespace
