#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of an INI file read by the profile functions' rules, for the places where the
// program reads the file itself: POSIX always, Windows for a file in UTF-8, which the
// profile functions would read in the ANSI code page. Text is UTF-8, or bytes.
namespace plattform {

// One line of the file, line end included, so a rewrite keeps every other line as it was.
struct IniZeile {
    std::string_view text;
    std::optional<std::string_view> abschnitt;  // name, when the line opens a section
    std::optional<std::string_view> schluessel;
    std::string_view wert;
};

std::vector<IniZeile> IniZeilen(std::string_view inhalt);

// The value of schluessel in the first section named abschnitt, one pair of enclosing
// quotes dropped; nullopt when the section or the key is missing. Names match without
// regard to ASCII letter case.
std::optional<std::string> IniWertSuchen(std::string_view inhalt, std::string_view abschnitt,
                                         std::string_view schluessel);

// The value as GetPrivateProfileStringW hands it back through its buffer of
// IniPuffergroesse code units: cut after IniPuffergroesse - 1 of them. Bytes that are no
// UTF-8 count one each.
std::string IniKuerzen(std::string wert);

std::string_view IniGetrimmt(std::string_view s);
bool IniNameGleich(std::string_view a, std::string_view b);

}  // namespace plattform
