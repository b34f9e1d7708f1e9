#pragma once
#include <string>

namespace plattform {

// Whether a folder can be listed, and if not, why: a listing of a folder that is missing,
// is a file or may not be read yields nothing at all, the same as an empty folder.
enum class Ordnerzustand { Lesbar, Fehlt, KeinOrdner, NichtLesbar };

// Looks at the folder only; nothing is created or changed. ordner may end with a separator.
Ordnerzustand OrdnerZustand(const std::string& ordner);

}  // namespace plattform
