#pragma once
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// One command's arguments, read against the options it knows.
struct TAufruf {
    std::vector<std::string> operanden;        // in the order given
    std::set<std::string> schalter;            // the switches given, "--json" and the like
    std::map<std::string, std::string> werte;  // the options with a value, "--filter" and the like
};

// Reads the arguments of the command whose usage line is benutzung. "--help" (or "-h")
// prints that line to stdout, and the result is 0. An unknown option, one given twice,
// or one without its value prints it to stderr, and the result is 2. Otherwise nullopt,
// with aufruf filled. "--" ends the options, so a file named "--x" can be given too; a
// lone "-" and words beginning with one dash are operands.
std::optional<int> Auswerten(const std::vector<std::string>& argumente, std::string_view benutzung,
                             std::initializer_list<std::string_view> schalter,
                             std::initializer_list<std::string_view> mitWert, TAufruf& aufruf);

// Prints "usage: " + benutzung to stderr; returns 2, the status of a usage error.
int Benutzungsfehler(std::string_view benutzung);
