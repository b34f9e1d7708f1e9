#pragma once
#include <string>

// Where the core shows a plain notice such as "Fehler beim öffnen der Datei.".
// The window answers it with a message box, the CLI writes to stderr, tests record it.
// Texts are UTF-8.
class TMeldungen {
public:
    virtual ~TMeldungen() = default;
    virtual void Meldung(const std::string& text) = 0;
    // A notice about the file datei (its name in the folder) met by the library scan; by
    // default the plain notice, so a listener may gather them by file instead.
    virtual void DateiMeldung(const std::string& datei, const std::string& text) {
        (void)datei;
        Meldung(text);
    }
    // The library scan left datei out of Replays: it could not be read as a replay.
    virtual void Ausgelassen(const std::string& datei) { (void)datei; }
};
