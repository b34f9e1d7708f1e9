#pragma once
#include <optional>
#include <string>
#include <vector>


namespace plattform {

// One program to start: the program file first, then its arguments.
struct Startbefehl {
    std::vector<std::string> Argumente;
    std::string Arbeitsverzeichnis;  // "" keeps the current one
    std::string WinePraefix;         // given to the program as WINEPREFIX when not ""
};

// The full path of an executable file called name in one of the PATH's folders, or "".
// Only POSIX looks; Windows starts programs through the shell and gives "".
std::string AufPfadSuchen(const std::string& name);

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

}  // namespace plattform
