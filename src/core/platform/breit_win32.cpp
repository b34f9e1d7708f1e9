#include "core/platform/breit_win32.h"

#include <cwchar>

#include "core/zeichensatz.h"

// MinGW's wchar_t is the UTF-16 code unit Windows uses.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace plattform {

std::wstring Breit(std::string_view utf8) {
    const std::u16string text = Utf16AusPfad(utf8);
    return std::wstring(text.begin(), text.end());
}

std::string Schmal(std::wstring_view utf16) {
    const std::u16string text(utf16.begin(), utf16.end());
    return PfadAusUtf16(text);
}

std::string Schmal(const wchar_t* utf16) { return Schmal(std::wstring_view(utf16, std::wcslen(utf16))); }

}  // namespace plattform
