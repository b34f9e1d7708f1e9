#pragma once
#include <string>

namespace plattform {

// Starts the program file datei with no arguments in a normal window, with
// arbeitsverzeichnis as its working directory, and returns at once. Nothing is reported:
// a missing or unstartable file, or a missing folder, simply starts nothing. The started
// program lives on its own; the caller never waits for it.
void ProgrammStarten(const std::string& datei, const std::string& arbeitsverzeichnis);

}  // namespace plattform
