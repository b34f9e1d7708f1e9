#pragma once
#include <string>

namespace plattform {

// The string value wert of the key schluessel under HKEY_LOCAL_MACHINE (for example
// "SOFTWARE\THQ\Dawn of War\" and "InstallLocation"), opened for querying only and never
// created. Plain and expandable strings come as stored, nothing expanded. A key that does
// not open or a missing value gives "", with no message; a value of any other type raises
// Fehler "Ungültiger Datentyp für '<wert>'".
// On POSIX the game runs under Wine, so the value comes from the Wine prefix's registry
// ($WINEPREFIX, else ~/.wine) and a path "X:\..." is turned into the POSIX path behind the
// prefix's drive link dosdevices/x:, each part as the folder names it (letter case aside),
// a trailing separator kept as stored.
std::string RegistryPfadLesen(const std::string& schluessel, const std::string& wert);

}  // namespace plattform
