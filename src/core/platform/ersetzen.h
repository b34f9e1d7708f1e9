#pragma once
#include <string>

namespace plattform {

// Puts the file neu in the place of ziel in one step, so that at every moment ziel exists
// with either its old or its new content; ziel keeps its name and its permissions, neu is
// gone afterwards. Both must lie in the same folder. False when the system refused; ziel
// then normally still holds its old content, but the caller must not take neu's removal
// for granted while ziel is missing.
bool Ersetzen(const std::string& neu, const std::string& ziel);

}  // namespace plattform
