#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/spiel/spielsuche.h"

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

// Why a program did not start: the program file, and the system's reason in its own words
// (on Windows in the system's language).
struct Startfehler {
    std::string Programm;
    std::string Grund;
};

// Starts the command in a normal window and returns as soon as it runs. The started
// program lives on its own; the caller never waits for it. A program that does not
// start (missing, not a program, refused, a missing working folder) gives its Startfehler;
// the system shows no box of its own.
std::optional<Startfehler> ProgrammStarten(const Startbefehl& befehl);

// SpielStartbefehl, then ProgrammStarten when there is a command; nullopt also when there
// is none.
std::optional<Startfehler> SpielStarten(const std::string& dowVerzeichnis, const Spielfund& fund);

}  // namespace plattform
