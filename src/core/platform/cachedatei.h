#pragma once
#include <optional>
#include <string>
#include <vector>

// Files of the user's cache folder, which hold nothing that cannot be made again: they
// are read whole and written whole, without the care a replay gets.
namespace plattform {

// The whole content of the file at pfad; nothing when it cannot be read or is larger
// than hoechstens bytes.
std::optional<std::vector<unsigned char>> CacheLesen(const std::string& pfad, std::size_t hoechstens);

// Writes inhalt to a temporary file beside pfad and renames it over pfad, making the
// folder first. No sync: a cut-off write leaves a file the reader refuses. False on any
// failure, with no temporary file left behind; the fault plan's Operation::CacheSchreiben
// makes it fail.
bool CacheSchreiben(const std::string& pfad, const std::vector<unsigned char>& inhalt);

}  // namespace plattform
