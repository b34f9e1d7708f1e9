#include "cli/befehle.h"
#include "cli/clitext.h"
#include "core/transfers.h"

// The import the tool button runs, with --remove as the answer Yes to "Replays
// anschließend entfernen?". Both folders are used exactly as given, as the settings
// would hold them: a missing trailing separator is not added. Each replay that was not
// copied gets a line on stderr and the status 1.
int BefehlImport(const std::vector<std::string>& argumente) {
    bool entfernen = false;
    bool unbekannt = false;
    std::vector<std::string> ordner;
    for (const auto& a : argumente) {
        if (a == "--remove") entfernen = true;
        else if (a.rfind("--", 0) == 0) unbekannt = true;
        else ordner.push_back(a);
    }
    if (unbekannt || ordner.size() != 2) {
        StderrSchreiben("usage: quellarch-cli import GAMEDIR LIBDIR [--remove]\n");
        return 2;
    }
    const TKopierbericht bericht = PlaybackImportieren(ordner[0], ordner[1], entfernen);
    StdoutSchreiben(AlsQString(KopiertText(bericht)) + "\n");
    for (const TKopierteDatei& datei : bericht.Dateien)
        if (!Angekommen(datei.Stand))
            StderrSchreiben(AlsQString(datei.Name) + ": " + AlsQString(KopierGrund(datei.Stand)) + "\n");
    return bericht.NichtAngekommen() > 0 ? 1 : 0;
}
