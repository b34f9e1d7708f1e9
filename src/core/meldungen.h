#pragma once
#include <string>

// Where the core shows a plain notice such as "Fehler beim öffnen der Datei.".
// The window answers it with a message box, the CLI writes to stderr, tests record it.
// Texts are UTF-8.
class TMeldungen {
public:
    virtual ~TMeldungen() = default;
    virtual void Meldung(const std::string& text) = 0;
};
