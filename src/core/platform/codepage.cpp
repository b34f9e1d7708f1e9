#include "platform/codepage.h"

#include <array>
#include <cstdint>

namespace plattform {
namespace {

// Bytes 80..9F are where Windows-1252 departs from Latin-1. The five bytes the code
// page leaves undefined (81 8D 8F 90 9D) stand for the C1 control of the same value,
// which is what MultiByteToWideChar gives and WideCharToMultiByte takes back.
constexpr std::array<char16_t, 32> kObereSteuerzone = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

// Every UTF-16 unit below 0x100 mapped to its byte, or 0 when the code page lacks it
// (U+0080 and the other C1 controls that 80..9F use for printable characters).
// Only the round trip counts, as with WC_NO_BEST_FIT_CHARS: no best-fit guesses.
constexpr std::array<unsigned char, 256> BaueLatin1Tabelle() {
    std::array<unsigned char, 256> t{};
    for (std::size_t i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    for (std::size_t i = 0x80; i < 0xA0; ++i) t[i] = 0;
    for (std::size_t i = 0; i < 32; ++i)
        if (kObereSteuerzone[i] < 0x100) t[kObereSteuerzone[i]] = static_cast<unsigned char>(0x80 + i);
    return t;
}
constexpr std::array<unsigned char, 256> kLatin1 = BaueLatin1Tabelle();

char AusserhalbLatin1(char16_t einheit) {
    switch (einheit) {
    case 0x20AC: return '\x80';
    case 0x201A: return '\x82';
    case 0x0192: return '\x83';
    case 0x201E: return '\x84';
    case 0x2026: return '\x85';
    case 0x2020: return '\x86';
    case 0x2021: return '\x87';
    case 0x02C6: return '\x88';
    case 0x2030: return '\x89';
    case 0x0160: return '\x8A';
    case 0x2039: return '\x8B';
    case 0x0152: return '\x8C';
    case 0x017D: return '\x8E';
    case 0x2018: return '\x91';
    case 0x2019: return '\x92';
    case 0x201C: return '\x93';
    case 0x201D: return '\x94';
    case 0x2022: return '\x95';
    case 0x2013: return '\x96';
    case 0x2014: return '\x97';
    case 0x02DC: return '\x98';
    case 0x2122: return '\x99';
    case 0x0161: return '\x9A';
    case 0x203A: return '\x9B';
    case 0x0153: return '\x9C';
    case 0x017E: return '\x9E';
    case 0x0178: return '\x9F';
    default: return '?';
    }
}

void Utf8Anhaengen(std::string& ziel, char32_t zeichen) {
    if (zeichen < 0x80) {
        ziel += static_cast<char>(zeichen);
    } else if (zeichen < 0x800) {
        ziel += static_cast<char>(0xC0 | (zeichen >> 6));
        ziel += static_cast<char>(0x80 | (zeichen & 0x3F));
    } else {
        // Windows-1252 reaches only the BMP.
        ziel += static_cast<char>(0xE0 | (zeichen >> 12));
        ziel += static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (zeichen & 0x3F));
    }
}

}  // namespace

char Cp1252AusUtf16(char16_t einheit) {
    if (einheit < 0x100) {
        unsigned char b = kLatin1[einheit];
        // Byte 0 is only the answer for U+0000 itself; elsewhere it marks a gap.
        return (b != 0 || einheit == 0) ? static_cast<char>(b) : '?';
    }
    return AusserhalbLatin1(einheit);
}

char16_t Utf16AusCp1252(unsigned char zeichen) {
    if (zeichen >= 0x80 && zeichen < 0xA0) return kObereSteuerzone[zeichen - 0x80];
    return zeichen;
}

std::string AnsiAusUtf16(const std::u16string& text) {
    std::string ergebnis(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) ergebnis[i] = Cp1252AusUtf16(text[i]);
    return ergebnis;
}

std::u16string Utf16AusAnsi(const std::string& text) {
    std::u16string ergebnis(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        ergebnis[i] = Utf16AusCp1252(static_cast<unsigned char>(text[i]));
    return ergebnis;
}

std::string Utf8AusAnsi(const std::string& text) {
    std::string ergebnis;
    ergebnis.reserve(text.size() + text.size() / 4);
    for (char c : text) Utf8Anhaengen(ergebnis, Utf16AusCp1252(static_cast<unsigned char>(c)));
    return ergebnis;
}

std::string AnsiAusUtf8(const std::string& text) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        unsigned char b = p[i];
        if (b < 0x80) {
            ergebnis += static_cast<char>(b);
            ++i;
            continue;
        }
        // Lead byte: sequence length and the range its second byte must lie in, which
        // rules out overlong forms, encoded surrogates and values above U+10FFFF.
        int laenge = 0;
        unsigned char unten = 0x80, oben = 0xBF;
        char32_t wert = 0;
        if (b >= 0xC2 && b <= 0xDF) { laenge = 2; wert = b & 0x1F; }
        else if (b == 0xE0) { laenge = 3; wert = b & 0x0F; unten = 0xA0; }
        else if (b == 0xED) { laenge = 3; wert = b & 0x0F; oben = 0x9F; }
        else if (b >= 0xE1 && b <= 0xEF) { laenge = 3; wert = b & 0x0F; }
        else if (b == 0xF0) { laenge = 4; wert = b & 0x07; unten = 0x90; }
        else if (b == 0xF4) { laenge = 4; wert = b & 0x07; oben = 0x8F; }
        else if (b >= 0xF1 && b <= 0xF3) { laenge = 4; wert = b & 0x07; }
        ++i;
        if (laenge == 0) {
            ergebnis += '?';
            continue;
        }
        // One '?' for the longest valid beginning of a broken sequence, so the byte that
        // breaks it is read again as the start of the next character.
        int gelesen = 1;
        while (gelesen < laenge && i < n) {
            unsigned char f = p[i];
            if (f < unten || f > oben) break;
            unten = 0x80;
            oben = 0xBF;
            wert = (wert << 6) | (f & 0x3F);
            ++i;
            ++gelesen;
        }
        if (gelesen < laenge || wert > 0xFFFF) ergebnis += '?';
        else ergebnis += Cp1252AusUtf16(static_cast<char16_t>(wert));
    }
    return ergebnis;
}

}  // namespace plattform
