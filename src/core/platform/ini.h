#pragma once
#include <cstddef>
#include <string>

// One string of an INI file at a time, as GetPrivateProfileStringW and
// WritePrivateProfileStringW handle it; values are UTF-8 (paths: the file system's bytes).
// A value the ANSI code page cannot hold makes a Unicode file (UTF-16LE with its mark), an
// ANSI one with ANSI values stays as it is. On Windows a file in UTF-8 (with its mark, or
// without one as Notepad saves it, when it is valid UTF-8 and not plain ASCII) is read as
// UTF-8, and the first write makes it a Unicode file. Section and key names match without regard to
// letter case; blanks around a value and one pair of quotes enclosing it are dropped.
namespace plattform {

// Values are read through a buffer of this size, so at most 2047 UTF-16 code units come back.
inline constexpr std::size_t IniPuffergroesse = 2048;

// The value of schluessel in section abschnitt, or vorgabe when the file, the section
// or the key is missing or the file cannot be read. Cut to IniPuffergroesse - 1 code units.
std::string IniLesen(const std::string& datei, const std::string& abschnitt,
                     const std::string& schluessel, const std::string& vorgabe);

// Sets schluessel := wert in section abschnitt, creating the file, the section and the
// key as needed; other lines stay as they are. False when the file cannot be written.
bool IniSchreiben(const std::string& datei, const std::string& abschnitt,
                  const std::string& schluessel, const std::string& wert);

}  // namespace plattform
