#pragma once
#include <string>

#include "core/meldungen.h"

// Every box and chooser the windows open goes through this interface, so tests answer
// them in advance and read back what was asked. The windows get it handed in; nothing
// reaches for a global. Texts are UTF-8, like every text of the core.
class TDialoge : public TMeldungen {
public:
    // A plain message with an OK button, captioned with the application title "Quellarch".
    virtual void Nachricht(const std::string& text) = 0;
    // A question with only "Ja" and "Nein", no icon, "Ja" as the default, and a title of
    // its own. True only for "Ja"; closing the box counts as "Nein".
    virtual bool Frage(const std::string& text, const std::string& titel) = 0;
    // The single-line input query: caption, prompt and an initial text that starts fully
    // selected. True for OK, with text set to the edited text; false for Cancel.
    virtual bool Eingabe(const std::string& titel, const std::string& prompt, std::string& text) = 0;
    // The folder browser: only file-system folders, rooted at the top of the file system,
    // nothing preselected. True with the chosen folder's full path (no trailing separator
    // except at a root), false for Cancel.
    virtual bool OrdnerWaehlen(const std::string& titel, std::string& ordner) = 0;
    // The file-open dialog starting in startordner with the filter "Verzeichnis" (pattern
    // "*"); the typed name is not validated and need not exist. True with the chosen full
    // name, false for Cancel.
    virtual bool DateiOeffnen(const std::string& startordner, std::string& dateiname) = 0;

    // The core's notices are plain messages.
    void Meldung(const std::string& text) override { Nachricht(text); }
};
