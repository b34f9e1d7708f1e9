#pragma once
#include <cstddef>
#include <string>

// One string of an INI file at a time, as GetPrivateProfileStringA and
// WritePrivateProfileStringA handle it. Section and key names match without regard to
// letter case; blanks around a value and one pair of quotes enclosing it are dropped.
namespace plattform {

// Values are read through a buffer of this size, so at most 2047 characters come back.
inline constexpr std::size_t IniPuffergroesse = 2048;

// The value of schluessel in section abschnitt, or vorgabe when the file, the section
// or the key is missing or the file cannot be read. Cut to IniPuffergroesse - 1 bytes.
std::string IniLesen(const std::string& datei, const std::string& abschnitt,
                     const std::string& schluessel, const std::string& vorgabe);

// Sets schluessel := wert in section abschnitt, creating the file, the section and the
// key as needed; other lines stay as they are. False when the file cannot be written.
bool IniSchreiben(const std::string& datei, const std::string& abschnitt,
                  const std::string& schluessel, const std::string& wert);

}  // namespace plattform
