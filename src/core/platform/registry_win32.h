#pragma once
#include <string>

// The registry as Windows has it, beside RegistryPfadLesen: any root, one view at a time.
namespace plattform {

enum class RegistryWurzel { Maschine, Benutzer };  // HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER
enum class RegistryAnsicht { Bit32, Bit64 };

// The string value wert of schluessel in that root and view, as RegistryPfadLesen reads
// it: "" when the key or value is missing, Fehler for a value of another type.
std::string RegistryWertLesen(RegistryWurzel wurzel, RegistryAnsicht ansicht, const std::string& schluessel,
                              const std::string& wert);

}  // namespace plattform
