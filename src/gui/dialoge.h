#pragma once
#include <functional>
#include <string>

#include "core/meldungen.h"
#include "gui/kerntexte.h"
#include "gui/qttext.h"

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
    // What the input query lets through. MaxLaenge (0: no limit) stops the typing at that
    // many UTF-16 code units, and the query shows how many are used. Pruefen says why a
    // text cannot be taken, or "" when it can; OK on a refused text shows the reason and
    // leaves the query open.
    struct TEingaberegeln {
        int MaxLaenge = 0;
        std::function<std::string(const std::string&)> Pruefen;
    };
    // The single-line input query: caption, prompt and an initial text that starts fully
    // selected. True for OK, with text set to the edited text; false for Cancel.
    virtual bool Eingabe(const std::string& titel, const std::string& prompt, std::string& text,
                         const TEingaberegeln& regeln) = 0;
    // The folder browser: only file-system folders, rooted at the top of the file system,
    // nothing preselected; an empty folder can be chosen too. True with the chosen folder's
    // full path (no trailing separator except at a root), false for Cancel.
    virtual bool OrdnerWaehlen(const std::string& titel, std::string& ordner) = 0;

    // The core's notices are plain messages, in the user's language.
    void Meldung(TMeldungsart art) override { Nachricht(AlsUtf8(MeldungText(art))); }
};
