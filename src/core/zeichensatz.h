#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The one place where text changes its encoding. Inside the program every text is a
// std::string of UTF-8; replay names arrive as UTF-16 code units, paths are the file
// system's own bytes, and the Windows layer speaks UTF-16. Each conversion lives here once.

// UTF-16 code units as a replay file stores them, as UTF-8: a surrogate pair is one
// character, a lone surrogate becomes U+FFFD.
std::string Utf8AusUtf16(std::u16string_view text);

// Appends one code point as UTF-8; the caller gives a valid one.
void Utf8Anhaengen(std::string& ziel, char32_t z);

// UTF-8 as UTF-16 code units. A malformed sequence (its longest valid beginning, or one
// stray byte) becomes one U+FFFD, as QString::fromUtf8 counts them.
std::u16string Utf16AusUtf8(std::string_view text);

// How many UTF-16 code units Utf16AusUtf8 gives for text, without building them: the
// count that a replay's name-length field holds.
std::size_t Utf16Einheiten(std::string_view text);

// A path or file name as bytes, made fit to show: valid UTF-8 stays as it is, each
// malformed sequence becomes U+FFFD, and so does an encoded surrogate (one, not three). Only for showing; the file is always addressed by
// the bytes themselves.
std::string AnzeigeText(std::string_view bytes);

// Windows-1252 bytes as UTF-8, for map and race keys, which the file holds as single
// bytes and which are shown as they are when no display name is known. The five bytes
// the code page leaves undefined stand for the C1 controls of the same value, as Windows
// reads them.
std::string Utf8AusCp1252(std::string_view text);

// Windows file names are UTF-16 that need not be well formed. These two keep a lone
// surrogate as its own three-byte form (WTF-8) instead of U+FFFD, so a name read from
// the file system addresses the same file again; AnzeigeText shows it as U+FFFD.
// For well-formed text they equal Utf8AusUtf16 and Utf16AusUtf8.
std::string PfadAusUtf16(std::u16string_view text);
std::u16string Utf16AusPfad(std::string_view pfad);
