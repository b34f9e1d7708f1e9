#pragma once
#include <string>

// What the core has to tell the user about a file, as a value: the window answers it
// with a message box, the CLI writes it to stderr, both in the user's language; tests
// record it.
enum class TMeldungsart {
    OeffnenFehlgeschlagen,  // the file could not be opened
    DateiFehlt,             // the file to rename does not exist
    UnerwartetesFormat,     // the rename does not recognise the file; nothing was changed
    Schreibgeschuetzt,      // the replay is read-only; nothing was renamed
    InzwischenGeaendert,    // the replay changed since it was read; nothing was renamed
};

class TMeldungen {
public:
    virtual ~TMeldungen() = default;
    virtual void Meldung(TMeldungsart art) = 0;
    // A notice about the file datei (its name in the folder) met by the library scan; by
    // default the plain notice, so a listener may gather them by file instead.
    virtual void DateiMeldung(const std::string& datei, TMeldungsart art) {
        (void)datei;
        Meldung(art);
    }
    // The library scan could not read datei as a replay: Replays holds it by its name alone.
    virtual void NichtGelesen(const std::string& datei) { (void)datei; }
};
