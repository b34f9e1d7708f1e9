#pragma once
#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The one crossing between the core's texts and Qt, for the window and the CLI alike.
// The core holds UTF-8: names, messages, and paths as the file system's bytes.

// Shows a text or a path: bytes that are no UTF-8 (a Linux file name in another encoding)
// become U+FFFD, by the core's rule (AnzeigeText).
QString AlsQString(std::string_view utf8);
// What the user typed or chose, as the core's UTF-8.
std::string AlsUtf8(const QString& text);
// A path for Qt's file functions, or nothing where its bytes are no UTF-8: Qt would name
// another file by it.
std::optional<QString> AlsQPfad(const std::string& pfad);
