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

// Appends bytes to the file at pfad in one write, making it (and its folder) when it is
// missing, so that several processes appending at once never mix their records. False on
// any failure.
bool CacheAnhaengen(const std::string& pfad, const std::vector<unsigned char>& bytes);

// Takes the file at pfad away in one step (renamed to a private name first, so that what
// others append afterwards goes into a new file) and gives its content; nothing when there
// was none, or it could not be read or is larger than hoechstens bytes. The file is gone
// afterwards either way.
std::optional<std::vector<unsigned char>> CacheNehmen(const std::string& pfad, std::size_t hoechstens);

}  // namespace plattform
