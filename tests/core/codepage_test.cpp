#include <gtest/gtest.h>

#include <string>

#include "nurposix.h"
#include "platform/codepage.h"
#include "systemtest.h"

using namespace plattform;

namespace {

struct Paar {
    unsigned char byte;
    char16_t einheit;
};

// Bytes whose code point differs from Latin-1, the undefined five, and a few plain ones.
constexpr Paar kPaare[] = {
    {0x00, 0x0000}, {0x41, u'A'},   {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A},
    {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020}, {0x87, 0x2021}, {0x88, 0x02C6},
    {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039}, {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D},
    {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D},
    {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161},
    {0x9B, 0x203A}, {0x9C, 0x0153}, {0x9D, 0x009D}, {0x9E, 0x017E}, {0x9F, 0x0178}, {0xA0, 0x00A0},
    {0xC4, u'Ä'},   {0xD6, u'Ö'},   {0xDC, u'Ü'},   {0xDF, u'ß'},   {0xE4, u'ä'},   {0xF6, u'ö'},
    {0xFC, u'ü'},   {0xFF, u'ÿ'},
};

}  // namespace

TEST(Codepage, TabelleInBeideRichtungen) {
    for (const Paar& p : kPaare) {
        SCOPED_TRACE(testing::Message() << "Byte 0x" << std::hex << int(p.byte));
        EXPECT_EQ(Utf16AusCp1252(p.byte), p.einheit);
        EXPECT_EQ(static_cast<unsigned char>(Cp1252AusUtf16(p.einheit)), p.byte);
    }
}

TEST(Codepage, JedesByteKommtUnveraendertZurueck) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        char16_t einheit = Utf16AusCp1252(static_cast<unsigned char>(b));
        EXPECT_EQ(static_cast<unsigned char>(Cp1252AusUtf16(einheit)), b);
    }
}

TEST(Codepage, FehlendeZeichenWerdenFragezeichen) {
    // U+0080 and U+0098 are C1 controls whose bytes the code page gives to the euro and
    // the small tilde; no best-fit guesses (U+0100 is not 'A').
    constexpr char16_t kFehlend[] = {0x0080, 0x0098, 0x009F, 0x0100, 0x0394, 0x4E2D,
                                     0xD83D, 0xDE00, 0xDBFF, 0xDC00, 0xFFFD, 0xFFFF};
    for (char16_t einheit : kFehlend) {
        SCOPED_TRACE(testing::Message() << "U+" << std::hex << int(einheit));
        EXPECT_EQ(Cp1252AusUtf16(einheit), '?');
    }
}

TEST(Codepage, TexteUtf16) {
    EXPECT_EQ(AnsiAusUtf16(u"Gr\u00FC\u00DFe \u20AC5"), "Gr\xFC\xDF" "e \x80" "5");
    // A character beyond the BMP is two code units and becomes two default characters.
    EXPECT_EQ(AnsiAusUtf16(u"a\U0001F600b"), "a??b");
    EXPECT_EQ(AnsiAusUtf16(std::u16string(u"x\0y", 3)), std::string("x\0y", 3));
    EXPECT_EQ(Utf16AusAnsi("\x80\xE4\x81"), u"\u20AC\u00E4\u0081");
    EXPECT_EQ(AnsiAusUtf16(u""), "");
}

TEST(Codepage, Utf8NachAnsi) {
    struct Fall {
        const char* utf8;
        const char* ansi;
    };
    constexpr Fall kFaelle[] = {
        {"Fehler beim \xC3\xB6" "ffnen", "Fehler beim \xF6" "ffnen"},
        {"\xE2\x82\xAC \xC3\x84 \xC3\x9F", "\x80 \xC4 \xDF"},
        {"\xF0\x9F\x98\x80!", "?!"},              // non-BMP: one '?'
        {"\xE4\xB8\xAD", "?"},                    // in the BMP but not in the code page
        {"a\x80" "b", "a?b"},                     // lone continuation byte
        {"\xC3", "?"},                            // cut off at the end
        {"\xC3" "A", "?A"},                       // cut off by an ASCII byte, which stays
        {"\xE2\x82" "A", "?A"},
        {"\xC0\xAF", "??"},                       // overlong
        {"\xED\xA0\x80", "???"},                  // encoded surrogate half
        {"\xF4\x90\x80\x80", "????"},             // above U+10FFFF
        {"\xFF\xFE", "??"},
        {"\xC2\x81", "\x81"},                     // C1 control of an undefined byte
    };
    for (const Fall& f : kFaelle) {
        SCOPED_TRACE(f.utf8);
        EXPECT_EQ(AnsiAusUtf8(f.utf8), f.ansi);
    }
}

TEST(Codepage, AnsiUeberUtf8UndZurueck) {
    std::string alle;
    for (int b = 1; b < 256; ++b) alle += static_cast<char>(b);
    EXPECT_EQ(AnsiAusUtf8(Utf8AusAnsi(alle)), alle);
    EXPECT_EQ(Utf8AusAnsi("\x80\xE4"), "\xE2\x82\xAC\xC3\xA4");
}

// The table against the system's own conversion, every code unit and every byte.
TEST(Codepage, WieWindows) {
    NUR_UNTER_WINDOWS();
    std::u16string alle(0x10000, u'\0');
    for (std::size_t i = 0; i < alle.size(); ++i) alle[i] = static_cast<char16_t>(i);
    // One call per unit: a surrogate pair must not merge into one character.
    int abweichungen = 0;
    for (std::size_t i = 0; i < alle.size() && abweichungen < 20; ++i) {
        const std::string windows = WindowsAnsiAusUtf16(alle.substr(i, 1));
        const std::string unsere(1, Cp1252AusUtf16(alle[i]));
        if (windows != unsere) {
            ++abweichungen;
            ADD_FAILURE() << "U+" << std::hex << i << ": Windows " << testing::PrintToString(windows)
                          << ", wir " << testing::PrintToString(unsere);
        }
    }
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::u16string windows = WindowsUtf16AusAnsi(std::string(1, static_cast<char>(b)));
        ASSERT_EQ(windows.size(), 1u);
        EXPECT_EQ(static_cast<unsigned>(windows[0]), static_cast<unsigned>(Utf16AusCp1252(static_cast<unsigned char>(b))));
    }
    // Whole texts as the reader narrows names: unit by unit, same as one system call.
    const std::u16string text = u"Sp\u00E4ler \u20AC \u4E2D \u0160";
    EXPECT_EQ(AnsiAusUtf16(text), WindowsAnsiAusUtf16(text));
}
