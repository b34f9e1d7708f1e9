#pragma once
#include <string>

namespace plattform {

// Whether a file name matches a FindFirstFile mask: '*' stands for any run of
// characters, '?' for exactly one, letters match regardless of case (ASCII letters only:
// names on POSIX are UTF-8 bytes, where folding Windows-1252 letters would mix up
// unrelated characters), and "*.*" matches every name, also one without a dot.
bool PasstZuMaske(const std::string& name, const std::string& maske);

}  // namespace plattform
