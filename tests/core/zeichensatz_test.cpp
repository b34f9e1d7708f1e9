#include <gtest/gtest.h>

#include <string>

#include "core/zeichensatz.h"
#include "support/nurposix.h"
#include "support/systemtest.h"

namespace {

// Stored names as UTF-16 and what the program holds and shows of them.
struct Utf16Fall {
    std::u16string utf16;
    std::string utf8;
};

const Utf16Fall kUtf16Faelle[] = {
    {u"", ""},
    {u"Gr\u00FC\u00DFe \u20AC5", "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC" "5"},
    {u"\u0418\u0433\u0440\u0430", "\xD0\x98\xD0\xB3\xD1\x80\xD0\xB0"},
    {u"\u4E2D\u6587", "\xE4\xB8\xAD\xE6\x96\x87"},
    {u"a\U0001F600b", "a\xF0\x9F\x98\x80" "b"},                 // a pair is one character
    {u"a\xD83D" "b", "a\xEF\xBF\xBD" "b"},                       // lone high half
    {u"\xDE00", "\xEF\xBF\xBD"},                                  // lone low half
    {u"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},               // halves the wrong way round
    {u"x\xD83D", "x\xEF\xBF\xBD"},                                // high half at the end
    {std::u16string(u"x\0y", 3), std::string("x\0y", 3)},
    {u"\uFFFF\u0080", "\xEF\xBF\xBF\xC2\x80"},
};

}  // namespace

TEST(Zeichensatz, Utf16NachUtf8) {
    for (const Utf16Fall& f : kUtf16Faelle) {
        SCOPED_TRACE(testing::PrintToString(f.utf8));
        EXPECT_EQ(Utf8AusUtf16(f.utf16), f.utf8);
        // Without lone surrogates the way back gives the stored units again.
        const bool wohlgeformt = f.utf8.find("\xEF\xBF\xBD") == std::string::npos;
        if (wohlgeformt) {
            EXPECT_EQ(Utf16AusUtf8(f.utf8), f.utf16);
        }
        EXPECT_EQ(Utf16Einheiten(f.utf8), Utf16AusUtf8(f.utf8).size());
        // Paths keep a lone surrogate so that the file can be named again.
        EXPECT_EQ(Utf16AusPfad(PfadAusUtf16(f.utf16)), f.utf16);
        EXPECT_EQ(AnzeigeText(PfadAusUtf16(f.utf16)), f.utf8);
    }
}

// Malformed UTF-8: one U+FFFD per longest valid beginning, the breaking byte read again.
TEST(Zeichensatz, KaputtesUtf8) {
    const struct {
        const char* bytes;
        std::u16string utf16;
    } kFaelle[] = {
        {"a\x80" "b", u"a\uFFFD" "b"},              // lone continuation byte
        {"\xC3", u"\uFFFD"},                        // cut off at the end
        {"\xC3" "A", u"\uFFFD" "A"},
        {"\xE2\x82" "A", u"\uFFFD" "A"},
        {"\xC0\xAF", u"\uFFFD\uFFFD"},              // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},    // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xFF\xFE", u"\uFFFD\uFFFD"},
        {"\xF0\x9F\x98", u"\uFFFD"},
    };
    for (const auto& f : kFaelle) {
        SCOPED_TRACE(testing::PrintToString(std::string(f.bytes)));
        EXPECT_EQ(Utf16AusUtf8(f.bytes), f.utf16);
        EXPECT_EQ(Utf16Einheiten(f.bytes), f.utf16.size());
        // An encoded surrogate shows as one U+FFFD: it is a file name's lone half.
        const bool surrogat = std::string_view(f.bytes).substr(0, 2) == "\xED\xA0";
        EXPECT_EQ(AnzeigeText(f.bytes), surrogat ? "\xEF\xBF\xBD" : Utf8AusUtf16(f.utf16));
    }
}

TEST(Zeichensatz, Cp1252) {
    EXPECT_EQ(Utf8AusCp1252("ab\x80\xE4\x81\x9F"), "ab\xE2\x82\xAC\xC3\xA4\xC2\x81\xC5\xB8");
}

// Against the system's own conversions: UTF-8 as Windows makes it (a lone surrogate
// becomes U+FFFD there too) and every Windows-1252 byte.
TEST(Zeichensatz, WieWindows) {
    NUR_UNTER_WINDOWS();
    for (const Utf16Fall& f : kUtf16Faelle) {
        SCOPED_TRACE(testing::PrintToString(f.utf8));
        EXPECT_EQ(Utf8AusUtf16(f.utf16), WindowsUtf8AusUtf16(f.utf16));
    }
    for (int b = 1; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8AusCp1252(byte), Utf8AusUtf16(WindowsUtf16AusAnsi(byte)));
    }
}
