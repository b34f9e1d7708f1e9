#pragma once
#include <QString>
#include <string>

// The core's texts are Windows-1252 and paths are native bytes; the widgets speak QString.
// These are the only crossings, so a name shows the same in every control.
QString AusAnsi(const std::string& ansi);
// Characters the code page lacks become '?'.
std::string NachAnsi(const QString& text);

// File-system paths: native bytes on both sides (QFile::encodeName / decodeName).
QString AusPfad(const std::string& pfad);
std::string NachPfad(const QString& pfad);
