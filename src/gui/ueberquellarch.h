#pragma once
#include <string>

// The text of "Hilfe" > "Über Quellarch…": the version, the licence notice, Qt's licence
// and where the source is. UTF-8, with "\r\n" line breaks like every core text.
std::string UeberQuellarchText();
