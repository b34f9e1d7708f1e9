#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "core/datum.h"
#include "core/platform/fatzeit.h"

using plattform::FatAusTeilen;

namespace {

struct Fall {
    TDatumTeile teile;
    TDateTime wert;
};

// Values as the Windows date-time form has them: days since 30 Dec 1899, and before
// that date the time of day still counts forward from the day's start.
const Fall kFaelle[] = {
    {{1899, 12, 30, 0, 0, 0, 0}, 0.0},
    {{1899, 12, 31, 0, 0, 0, 0}, 1.0},
    {{1900, 1, 1, 0, 0, 0, 0}, 2.0},
    {{1900, 3, 1, 0, 0, 0, 0}, 61.0},  // 1900 is no leap year
    {{1899, 12, 30, 12, 0, 0, 0}, 0.5},
    {{1899, 12, 29, 6, 0, 0, 0}, -1.25},
    {{2000, 1, 1, 0, 0, 0, 0}, 36526.0},
    {{2024, 2, 29, 18, 0, 0, 0}, 45351.75},
    {{1, 1, 1, 0, 0, 0, 0}, -693593.0},
    {{9999, 12, 31, 0, 0, 0, 0}, 2958465.0},
};

bool Gleich(const TDatumTeile& a, const TDatumTeile& b) {
    return a.Jahr == b.Jahr && a.Monat == b.Monat && a.Tag == b.Tag && a.Stunde == b.Stunde &&
           a.Minute == b.Minute && a.Sekunde == b.Sekunde && a.Millisekunde == b.Millisekunde;
}

std::string Text(const TDatumTeile& t) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.Jahr, t.Monat, t.Tag, t.Stunde,
                  t.Minute, t.Sekunde, t.Millisekunde);
    return puffer;
}

}  // namespace

TEST(Datum, BekannteWerte) {
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(Text(f.teile));
        EXPECT_DOUBLE_EQ(DatumKodieren(f.teile), f.wert);
        EXPECT_PRED2(Gleich, DatumZerlegen(f.wert), f.teile) << Text(DatumZerlegen(f.wert));
    }
}

TEST(Datum, HinUndZurueckAufDieMillisekunde) {
    std::mt19937 zufall(1234);
    std::uniform_int_distribution<int> jahr(1, 9999), monat(1, 12), tag(1, 28), stunde(0, 23), minute(0, 59),
        ms(0, 999);
    for (int i = 0; i < 20000; ++i) {
        TDatumTeile t{jahr(zufall), monat(zufall), tag(zufall), stunde(zufall), minute(zufall), minute(zufall),
                      ms(zufall)};
        if (i % 4 == 0) t.Millisekunde = 999, t.Sekunde = 59, t.Minute = 59, t.Stunde = 23;
        SCOPED_TRACE(Text(t));
        ASSERT_PRED2(Gleich, DatumZerlegen(DatumKodieren(t)), t) << Text(DatumZerlegen(DatumKodieren(t)));
    }
}

TEST(Datum, MonatsendenUndSchaltjahre) {
    struct Tag {
        int jahr, monat, tag;
        int tageBisMorgen;  // 1, unless the next day is checked to start a new month
    };
    // Consecutive days across month ends must differ by exactly one.
    const Tag kTage[] = {{2000, 2, 29, 1}, {1900, 2, 28, 1}, {2100, 2, 28, 1}, {2024, 12, 31, 1}, {1600, 2, 29, 1}};
    for (const Tag& t : kTage) {
        SCOPED_TRACE(testing::Message() << t.jahr << "-" << t.monat << "-" << t.tag);
        TDatumTeile heute{t.jahr, t.monat, t.tag, 0, 0, 0, 0};
        TDatumTeile morgen = DatumZerlegen(DatumKodieren(heute) + t.tageBisMorgen);
        EXPECT_EQ(morgen.Tag, 1);
        EXPECT_EQ(morgen.Monat, t.monat % 12 + 1);
    }
}

TEST(Datum, FatForm) {
    struct FatFall {
        int jahr, monat, tag, stunde, minute, sekunde;
        std::int64_t erwartet;  // as an unsigned 32-bit pattern, or -1
    };
    const FatFall kFat[] = {
        {1979, 12, 31, 23, 59, 59, -1},
        {1980, 1, 1, 0, 0, 0, 0x00210000},
        {1980, 1, 1, 0, 0, 1, 0x00210000},  // odd seconds are dropped
        {2020, 6, 15, 12, 0, 1, (40u << 25) | (6u << 21) | (15u << 16) | (12u << 11)},
        {2043, 12, 31, 23, 59, 58, (63u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u},
        {2044, 1, 1, 0, 0, 0, (64u << 25) | (1u << 21) | (1u << 16)},
        {2107, 12, 31, 23, 59, 59, (127u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u},
        {2108, 1, 1, 0, 0, 0, -1},
    };
    for (const FatFall& f : kFat) {
        SCOPED_TRACE(testing::Message() << f.jahr << "-" << f.monat << "-" << f.tag << " " << f.sekunde);
        std::int32_t fat = FatAusTeilen(f.jahr, f.monat, f.tag, f.stunde, f.minute, f.sekunde);
        EXPECT_EQ(fat, static_cast<std::int32_t>(static_cast<std::uint32_t>(f.erwartet)));
        // From 2044 on the year sets the top bit: the value is negative by itself.
        EXPECT_EQ(fat < 0, f.jahr >= 2044 || f.erwartet == -1);
        if (fat >= 0) {
            TDatumTeile zurueck = DatumZerlegen(FatZuDatum(fat));
            TDatumTeile erwartet{f.jahr, f.monat, f.tag, f.stunde, f.minute, f.sekunde / 2 * 2, 0};
            EXPECT_PRED2(Gleich, zurueck, erwartet) << Text(zurueck);
        }
    }
}

TEST(Datum, UnsinnigeWerteZerlegenOhneAbsturz) {
    const double kWerte[] = {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(), -0.9999999999};
    for (double w : kWerte) {
        SCOPED_TRACE(w);
        TDatumTeile t = DatumZerlegen(w);
        EXPECT_GE(t.Monat, 1);
        EXPECT_LE(t.Monat, 12);
    }
}
