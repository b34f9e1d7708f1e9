#pragma once
#include <string>

// Wine prefixes, for the POSIX game search. Only the POSIX build has them.
namespace plattform {

// "C:\Games\DoW\" in the Wine prefix praefix as a POSIX path: the drive through the
// prefix's link dosdevices/c:, then each part as the folder really names it, matched
// without regard to letter case as Windows does. Parts that do not exist are kept as
// given, and so is a path without a drive or with a drive the prefix has no link for.
// A trailing separator stays.
std::string WindowsPfadAbbilden(const std::string& praefix, const std::string& windowsPfad);

// The string value wert of the key schluessel (below HKEY_LOCAL_MACHINE) in the prefix's
// system.reg, in UTF-8 and as stored, or "" when there is none. Raises Fehler
// "Ungültiger Datentyp für '<wert>'" for a value of another type.
std::string WineRegistryLesen(const std::string& praefix, const std::string& schluessel, const std::string& wert);

// The file called name in ordner, matched without regard to letter case: its real name,
// or "" when ordner holds none.
std::string NameOhneFall(const std::string& ordner, const std::string& name);

}  // namespace plattform
