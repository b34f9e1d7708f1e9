#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/platform/spielsuche.h"

namespace plattform {

// One program to start: the program file first, then its arguments.
struct Startbefehl {
    std::vector<std::string> Argumente;
    std::string Arbeitsverzeichnis;  // "" keeps the current one
    std::string WinePraefix;         // given to the program as WINEPREFIX when not ""
};

// How "DOW starten" starts the game in dowVerzeichnis. fund is the game search's record
// for this session and counts only while dowVerzeichnis is still the folder it found.
// Windows opens dowVerzeichnis + "W40k.exe". POSIX starts a Steam install through Steam
// ("steam steam://rungameid/<id>"), a folder of a Wine prefix as "wine W40k.exe" with
// that WINEPREFIX in the game folder, and any other folder with plain wine, or through
// Steam when it lies in a Steam library. nullopt when the program needed is not on the
// PATH: then nothing is started.
std::optional<Startbefehl> SpielStartbefehl(const std::string& dowVerzeichnis, const Spielfund& fund);

// Starts the command in a normal window and returns at once. Nothing is reported: a
// missing or unstartable file, or a missing folder, simply starts nothing. The started
// program lives on its own; the caller never waits for it.
void ProgrammStarten(const Startbefehl& befehl);

// SpielStartbefehl, then ProgrammStarten when there is a command.
void SpielStarten(const std::string& dowVerzeichnis, const Spielfund& fund);

}  // namespace plattform
