#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/platform/dateistempel.h"

// Renaming a replay's file in the library folder, not the name stored inside it. Nothing
// is ever replaced: a name that is taken stays with its file. Folders are joined to names
// by concatenation; names are as the folder lists them.

enum class TUmbenennstand {
    Umbenannt,
    Gleich,          // the new name is the old one: nothing to do
    Belegt,          // another file or folder carries the new name
    Fehlt,           // the file is gone
    Geaendert,       // the file is no longer the one the list read
    KeinFreierName,  // the wanted name and every numbered one are taken
    Gescheitert,     // the system refused (no rights, a read-only medium)
};

// Moves ordner + alt to ordner + neu. With erwartet, only while the file is still as that
// stamp describes it (the list's view of it), so the rename acts on the replay the user sees.
TUmbenennstand DateiUmbenennen(const std::string& ordner, const std::string& alt, const std::string& neu,
                               const std::optional<plattform::Dateistempel>& erwartet = std::nullopt);

// "Name.rec" -> "Name": the ending, in any letter case, is what every library file keeps.
std::string OhneRecEndung(const std::string& name);

// One file of a rename by the naming template: planned, then done.
struct TUmbenennung {
    std::string Alt;
    std::string Wunsch;  // the name the template gives
    std::optional<plattform::Dateistempel> Erwartet;
    std::string Neu;  // the planned name: Wunsch, or "Wunsch (k).rec" where that is taken
    TUmbenennstand Stand = TUmbenennstand::Gleich;
};

// Fills Neu for each file: Wunsch where that name is free (or is the file's own), else the
// first free numbered name, counting the names earlier files of the plan take and every
// name already in the folder, the plan's own files too, as taken. Names are compared
// without regard to ASCII letter case, so the plan holds on Windows and FAT too. A file
// for which no name is free keeps its own, with Stand KeinFreierName.
void UmbenennungenPlanen(const std::string& ordner, std::vector<TUmbenennung>& plan);

// Renames the files of the plan in its order, each by DateiUmbenennen, and sets each Stand.
void UmbenennungenAusfuehren(const std::string& ordner, std::vector<TUmbenennung>& plan);
