#include "core/zeichensatz.h"

#include <array>
#include <cstdint>

namespace {

constexpr char32_t kErsatz = 0xFFFD;
constexpr char32_t kUngueltig = 0xFFFFFFFF;

bool IstHoch(char32_t z) { return z >= 0xD800 && z < 0xDC00; }
bool IstTief(char32_t z) { return z >= 0xDC00 && z < 0xE000; }

void Utf16Anhaengen(std::u16string& ziel, char32_t z) {
    if (z < 0x10000) {
        ziel += static_cast<char16_t>(z);
    } else {
        z -= 0x10000;
        ziel += static_cast<char16_t>(0xD800 + (z >> 10));
        ziel += static_cast<char16_t>(0xDC00 + (z & 0x3FF));
    }
}

// One character of UTF-8 at text[pos], pos moved past it. A malformed sequence gives
// kUngueltig and leaves pos behind its longest valid beginning, so the byte that broke it
// starts the next character. With surrogatenErlaubt an encoded surrogate (ED A0..BF ..)
// is taken as the code unit it encodes.
char32_t Utf8Zeichen(std::string_view text, std::size_t& pos, bool surrogatenErlaubt) {
    const auto b = static_cast<unsigned char>(text[pos++]);
    if (b < 0x80) return b;
    // Sequence length and the range the second byte must lie in, which rules out overlong
    // forms, encoded surrogates and values above U+10FFFF.
    int laenge = 0;
    unsigned char unten = 0x80, oben = 0xBF;
    char32_t wert = 0;
    if (b >= 0xC2 && b <= 0xDF) { laenge = 2; wert = b & 0x1F; }
    else if (b == 0xE0) { laenge = 3; wert = b & 0x0F; unten = 0xA0; }
    else if (b == 0xED) { laenge = 3; wert = b & 0x0F; oben = surrogatenErlaubt ? 0xBF : 0x9F; }
    else if (b >= 0xE1 && b <= 0xEF) { laenge = 3; wert = b & 0x0F; }
    else if (b == 0xF0) { laenge = 4; wert = b & 0x07; unten = 0x90; }
    else if (b == 0xF4) { laenge = 4; wert = b & 0x07; oben = 0x8F; }
    else if (b >= 0xF1 && b <= 0xF3) { laenge = 4; wert = b & 0x07; }
    else return kUngueltig;
    for (int gelesen = 1; gelesen < laenge; ++gelesen) {
        if (pos >= text.size()) return kUngueltig;
        const auto f = static_cast<unsigned char>(text[pos]);
        if (f < unten || f > oben) return kUngueltig;
        unten = 0x80;
        oben = 0xBF;
        wert = (wert << 6) | (f & 0x3F);
        ++pos;
    }
    return wert;
}

// One character of UTF-16 at text[pos]: a pair joined, a lone surrogate as itself.
char32_t Utf16Zeichen(std::u16string_view text, std::size_t& pos) {
    const char32_t z = text[pos++];
    if (IstHoch(z) && pos < text.size() && IstTief(text[pos]))
        return 0x10000 + ((z - 0xD800) << 10) + (text[pos++] - 0xDC00);
    return z;
}

std::string Utf8AusUtf16(std::u16string_view text, bool surrogatenBehalten) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Plain ASCII, nearly every name, needs no decoding.
        if (text[pos] < 0x80) {
            ergebnis += static_cast<char>(text[pos++]);
            continue;
        }
        char32_t z = Utf16Zeichen(text, pos);
        if (!surrogatenBehalten && (IstHoch(z) || IstTief(z))) z = kErsatz;
        Utf8Anhaengen(ergebnis, z);
    }
    return ergebnis;
}

std::u16string Utf16AusUtf8(std::string_view text, bool surrogatenErlaubt) {
    std::u16string ergebnis;
    ergebnis.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t z = Utf8Zeichen(text, pos, surrogatenErlaubt);
        Utf16Anhaengen(ergebnis, z == kUngueltig ? kErsatz : z);
    }
    return ergebnis;
}

// Bytes 80..9F are where Windows-1252 departs from Latin-1.
constexpr std::array<char16_t, 32> kCp1252Oben = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

}  // namespace

void Utf8Anhaengen(std::string& ziel, char32_t z) {
    if (z < 0x80) {
        ziel += static_cast<char>(z);
    } else if (z < 0x800) {
        ziel += static_cast<char>(0xC0 | (z >> 6));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        ziel += static_cast<char>(0xE0 | (z >> 12));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (z >> 18));
        ziel += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    }
}

std::string Utf8AusUtf16(std::u16string_view text) { return Utf8AusUtf16(text, false); }

std::u16string Utf16AusUtf8(std::string_view text) { return Utf16AusUtf8(text, false); }

std::size_t Utf16Einheiten(std::string_view text) {
    std::size_t anzahl = 0, pos = 0;
    while (pos < text.size()) {
        const char32_t z = Utf8Zeichen(text, pos, false);
        anzahl += z != kUngueltig && z >= 0x10000 ? 2 : 1;
    }
    return anzahl;
}

std::string AnzeigeText(std::string_view bytes) {
    std::string ergebnis;
    ergebnis.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t anfang = pos;
        // A lone surrogate kept in a Windows file name (PfadAusUtf16) is one character.
        const char32_t z = Utf8Zeichen(bytes, pos, true);
        if (z == kUngueltig || IstHoch(z) || IstTief(z)) Utf8Anhaengen(ergebnis, kErsatz);
        else ergebnis.append(bytes.substr(anfang, pos - anfang));
    }
    return ergebnis;
}

std::string Utf8AusCp1252(std::string_view text) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        Utf8Anhaengen(ergebnis, b >= 0x80 && b < 0xA0 ? kCp1252Oben[b - 0x80] : b);
    }
    return ergebnis;
}

std::string PfadAusUtf16(std::u16string_view text) { return Utf8AusUtf16(text, true); }

std::u16string Utf16AusPfad(std::string_view pfad) { return Utf16AusUtf8(pfad, true); }
