// The two marker searches: first occurrence, partial matches of the marker itself, and
// (in a file) occurrences that straddle the 1024-byte blocks.
#include <gtest/gtest.h>

#include <string>

#include "core/markensuche.h"
#include "core/platform/datei.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"

namespace {

struct Suchfall {
    const char* marke;
    std::string inhalt;
    std::int32_t erwartet;
};

std::vector<Suchfall> Suchfaelle() {
    std::string lang(3000, 'x');
    return {
        {"TRSR", "TRSRabc", 0},
        {"TRSR", "abcTRSR", 3},
        {"TRSR", "TTRSR", 1},
        {"TRSR", "TRSTRSR", 3},
        {"FOLDINFO", "FOLDFOLDINFO", 4},
        {"FOLDINFO", "FOLDINFFOLDINFO", 7},
        {"FOLDGPLY", "FOLDGPL", -1},
        {"TRSR", "", -1},
        {"TRSR", "trsr", -1},  // exact bytes: letter case counts
        {"TRSR", "TRSR..TRSR", 0},
        {"FOLDGPLY", lang.substr(0, 1020) + "FOLDGPLY" + lang, 1020},  // straddles 1024
        {"FOLDGPLY", lang.substr(0, 1016) + "FOLDGPLY", 1016},         // ends on the block's last byte
        {"FOLDGPLY", lang + "FOLDGPLY", 3000},
        {"FOLDGPLY", lang.substr(0, 1023) + "FOLD" + "FOLDGPLY", 1027},
    };
}

TEST(MarkeInPufferSuchen, FindsTheFirstOccurrence) {
    for (const auto& fall : Suchfaelle()) {
        SCOPED_TRACE(fall.inhalt.substr(0, 40));
        EXPECT_EQ(MarkeInPufferSuchen(fall.marke, reinterpret_cast<const unsigned char*>(fall.inhalt.data()),
                                      fall.inhalt.size()),
                  fall.erwartet);
    }
}

TEST(MarkeInDateiSuchen, FindsTheFirstOccurrenceFromTheCurrentPosition) {
    TempVerzeichnis ordner;
    const std::string pfad = ordner.Pfad() + "suche.bin";
    for (const auto& fall : Suchfaelle()) {
        for (std::size_t vorlauf : {std::size_t{0}, std::size_t{5}, std::size_t{1021}}) {
            SCOPED_TRACE(testing::Message() << fall.inhalt.substr(0, 40) << " after " << vorlauf);
            std::string inhalt = std::string(vorlauf, '#') + fall.inhalt;
            DateiSchreiben(pfad, {inhalt.begin(), inhalt.end()});
            auto datei = plattform::Datei::OeffnenLesen(pfad);
            ASSERT_TRUE(datei);
            datei->Positionieren(static_cast<std::int64_t>(vorlauf));
            EXPECT_EQ(MarkeInDateiSuchen(fall.marke, *datei), fall.erwartet);
        }
    }
}

}  // namespace
