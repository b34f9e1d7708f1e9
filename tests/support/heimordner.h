#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/tempverzeichnis.h"

// A home folder of its own for one test: HOME points at an empty temporary folder and
// XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME and WINEPREFIX are emptied, so nothing of
// the real user's settings, caches, games or prefixes is read. The destructor restores the
// old values.
class Heimordner {
public:
    Heimordner();
    ~Heimordner();
    Heimordner(const Heimordner&) = delete;
    Heimordner& operator=(const Heimordner&) = delete;

    // The home folder, with a trailing '/'.
    const std::string& Pfad() const { return ordner_.Pfad(); }
    // Writes a file below the home (name relative to it), making its folders.
    void Datei(const std::string& name, const std::string& inhalt) const;
    // A game folder below the home: the folder with an executable called exe in it.
    void Spiel(const std::string& ordner, const std::string& exe = "W40k.exe") const;
    // A Wine prefix below the home: drive_c, dosdevices/c: -> ../drive_c, and a system.reg
    // whose key "THQ\<schluessel>" names windowsPfad, in the 32-bit view when wow64 is set.
    // Called again for the same prefix, it adds the key.
    void Praefix(const std::string& ordner, const std::string& windowsPfad, bool wow64 = false,
                 const std::string& schluessel = "Dawn of War") const;

private:
    TempVerzeichnis ordner_;
    std::vector<std::pair<std::string, std::optional<std::string>>> vorher_;
};
