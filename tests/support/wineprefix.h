#pragma once
#include <optional>
#include <string>

#include "support/tempverzeichnis.h"

// A Wine prefix of its own for one test: a temporary folder with drive_c, the link
// dosdevices/c: -> ../drive_c and WINEPREFIX pointing at it until the destructor restores
// the previous value. Only meaningful on POSIX, where the registry is read from the prefix.
class WinePrefix {
public:
    WinePrefix();
    ~WinePrefix();
    WinePrefix(const WinePrefix&) = delete;
    WinePrefix& operator=(const WinePrefix&) = delete;

    // The prefix folder, with a trailing '/'.
    const std::string& Pfad() const { return ordner_.Pfad(); }
    // Writes system.reg: Wine's header followed by the given lines.
    void SystemRegSchreiben(const std::string& eintraege) const;
    // The real path behind dosdevices/c:, without a trailing '/'.
    std::string LaufwerkC() const;

private:
    TempVerzeichnis ordner_;
    std::optional<std::string> vorher_;
};

// Sets an environment variable for the rest of the process (portable: putenv).
void UmgebungSetzen(const std::string& name, const std::string& wert);
