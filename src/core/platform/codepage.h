#pragma once
#include <string>

// Windows-1252 is the program's 8-bit code page on every platform, whatever the locale:
// every std::string of text in the core holds Windows-1252 bytes.
namespace plattform {

// One UTF-16 code unit to Windows-1252; a unit the code page lacks (and every
// surrogate half) becomes '?', as WideCharToMultiByte's default character does.
char Cp1252AusUtf16(char16_t einheit);
// One Windows-1252 byte to its UTF-16 code unit. The five undefined bytes
// (81 8D 8F 90 9D) map to the C1 control of the same value, as Windows does.
char16_t Utf16AusCp1252(unsigned char zeichen);

std::string AnsiAusUtf16(const std::u16string& text);
std::u16string Utf16AusAnsi(const std::string& text);

// For output and for literals written in UTF-8 source: Windows-1252 <-> UTF-8.
std::string Utf8AusAnsi(const std::string& text);
// Malformed UTF-8 and characters the code page lacks become '?'.
std::string AnsiAusUtf8(const std::string& text);

}  // namespace plattform
