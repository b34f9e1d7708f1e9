#pragma once
#include <string>
#include <string_view>

// The one crossing of the Win32 layer: the program holds paths and texts as UTF-8, the
// wide (…W) functions take UTF-16. A lone surrogate in a file name survives both ways
// (see PfadAusUtf16), so a name the system gave names the same file again.
namespace plattform {

std::wstring Breit(std::string_view utf8);
std::string Schmal(std::wstring_view utf16);
// A null-terminated wide string, as the system fills its buffers.
std::string Schmal(const wchar_t* utf16);

}  // namespace plattform
