#pragma once
#include <stdexcept>
#include <string>

// What went wrong, as a value; the window and the CLI put it into words in the user's
// language. Argument is the one thing the words need, where they need one (UTF-8).
enum class TFehlerart {
    Lesefehler,               // a file could not be read
    Dateiende,                // a read went past the end of the file; Argument: the path
    PositionAusserhalb,       // a position outside the file
    DatentraegerVoll,         // a write found the disk full
    Schreibfehler,            // a write failed
    Sichern,                  // written data could not be forced to the disk
    Schliessen,               // a file could not be closed
    NamensLaenge,             // a replay name outside 1 to 25 UTF-16 units
    Ersetzen,                 // the renamed file could not replace the replay
    ConfigNichtSchreibbar,    // Argument: the settings file
    RegistryDatentyp,         // Argument: the registry value
    KeineZahl,                // Argument: the text that should have been an integer
};

// The program's one error type. Caught only by the library scan (result codes), the
// start-up sequence (swallowed) and the window's default error box; what() is for logs.
class Fehler : public std::runtime_error {
public:
    explicit Fehler(TFehlerart art, std::string argument = {});
    TFehlerart Art() const { return art_; }
    const std::string& Argument() const { return argument_; }

private:
    TFehlerart art_;
    std::string argument_;
};
