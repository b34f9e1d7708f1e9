#pragma once
#include <string>

// The XDG base folders, where the settings, the cache and the launchers' files live.
namespace plattform {

// The home folder: $HOME when it is an absolute path, else the user's entry in the
// password database; "" when there is neither.
std::string HeimOrdner();

// An XDG base folder: the variable when it holds an absolute path (XDG takes no relative
// ones), else heim + "/" + vorgabe; "" when there is no home folder either.
std::string XdgOrdner(const char* variable, const std::string& heim, const char* vorgabe);

}  // namespace plattform
