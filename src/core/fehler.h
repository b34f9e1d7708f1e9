#pragma once
#include <stdexcept>
#include <string>

// The program's one error type. Its message is the text the user sees (UTF-8),
// so every raise site words it for the user. Caught only by the library scan (result
// codes), the start-up sequence (swallowed) and the window's default error box.
class Fehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
