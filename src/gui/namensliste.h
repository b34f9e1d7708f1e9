#pragma once
#include <string>
#include <vector>

// File names for a message (UTF-8): each on a line of its own after a line break, at most
// ten, then "und <k> weitere" when there were more. A name is the file system's bytes and
// shows as text. Empty for no names.
std::string NamensListe(const std::vector<std::string>& namen);
