#pragma once
#include <string>

// False, after a message naming it on stderr, when ordner cannot be listed: it is
// missing, is a file, or may not be read. A listing of such a folder would give nothing,
// and an empty list is no answer for a folder that is not there.
bool OrdnerLesbar(const std::string& ordner);
