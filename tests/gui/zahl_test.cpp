// The number column read back: what converts, and the message for what does not.
#include <gtest/gtest.h>

#include "core/fehler.h"
#include "gui/kerntexte.h"
#include "gui/qttext.h"
#include "gui/zahl.h"

namespace {

TEST(StrToInt, ZahlenUndFehler) {
    struct Fall {
        std::string text;
        bool gueltig;
        std::int32_t wert;
    };
    const Fall faelle[] = {
        {"1", true, 1},           {"5000", true, 5000},      {" 42 ", true, 42},
        {"-7", true, -7},         {"+3", true, 3},           {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"", false, 0},           {" ", false, 0},           {"-", false, 0},
        {"12a", false, 0},        {"1 2", false, 0},         {"2147483648", false, 0},
        {"99999999999999999999", false, 0},                  {"<b>1</b>", false, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("'" + f.text + "'");
        if (f.gueltig) {
            EXPECT_EQ(StrToInt(f.text), f.wert);
            continue;
        }
        try {
            StrToInt(f.text);
            ADD_FAILURE() << "no error";
        } catch (const Fehler& e) {
            EXPECT_EQ(AlsUtf8(FehlerText(e)), "'" + f.text + "' ist kein gültiger Integerwert");
        }
    }
}

}  // namespace
