#pragma once
#include <cstdio>
#include <string_view>

// The streams the CLI writes to, and the console it may run in.
namespace konsole {

enum class Strom { Aus, Fehler };

// Writes UTF-8 text to two C streams. A stream that is a console window gets the text as
// UTF-16 (WriteConsoleW), so it reads right whatever the console's code page; a file or a
// pipe gets the UTF-8 bytes, without a byte-order mark. POSIX has no such difference: a
// terminal takes the bytes. Tests hand in streams of their own.
class TAusgabe {
public:
    TAusgabe(std::FILE* aus, std::FILE* fehler) : aus_(aus), fehler_(fehler) {}
    // Whether strom is a console window, and so gets UTF-16.
    bool IstKonsole(Strom strom) const;
    // False when the text could not be written.
    bool Schreiben(Strom strom, std::string_view utf8);
    // Flushes what is buffered; false when a write to stdout failed since the start.
    bool Abschliessen();

private:
    std::FILE* Datei(Strom strom) const { return strom == Strom::Aus ? aus_ : fehler_; }
    std::FILE* aus_;
    std::FILE* fehler_;
    bool konsolenfehler_ = false;
};

// The process's own stdout and stderr.
TAusgabe& Systemausgabe();

// True when the program runs in a console window that was opened for it alone, as when
// quellarch-cli.exe is started by a double click: the window closes as the program ends.
// Always false on POSIX.
bool EigeneKonsole();

// Waits until a key is pressed in the console.
void AufTasteWarten();

}  // namespace konsole
