#include <QString>

#include "befehle.h"
#include "clitext.h"
#include "fehler.h"
#include "platform/codepage.h"
#include "platform/dateisystem.h"
#include "replay.h"
#include "umbenennen.h"
#include "variablen.h"

int BefehlRename(const std::vector<std::string>& argumente) {
    if (argumente.size() != 2) {
        StderrSchreiben("usage: quellarch-cli rename FILE NEWNAME\n");
        return 2;
    }
    const std::string& pfad = argumente[0];
    // The system hands the name over in its own encoding (UTF-8 here, the ANSI code page on
    // Windows); the window's query would give Windows-1252 text, so that is what is counted.
    const std::string name = ZuAnsi(QString::fromLocal8Bit(argumente[1].c_str()));
    if (!NeuerNameGueltig(name)) {
        StderrSchreiben(QString::fromUtf8("Der neue Name muss 1 bis 25 Zeichen lang sein.\n"));
        return 2;
    }

    TZaehlendeMeldungen meldungen;
    try {
        if (!plattform::DateiExistiert(pfad)) {
            meldungen.Meldung("Datei existiert nicht.");
            return 1;
        }
        // Read as the scan reads it, so the rewrite gets the name length the list would hold.
        TReplay replay(pfad, meldungen);
        if (meldungen.anzahl > 0) return 1;
        ReplayVerzeichnis = pfad.substr(0, pfad.size() - replay.Dateiname.size());
        ReplayUmbenennen(replay, plattform::Utf16AusAnsi(name), meldungen);
    } catch (const Fehler& f) {
        StderrSchreiben(AusPfad(pfad) + ": " + AusAnsi(f.what()) + "\n");
        return 1;
    }
    return meldungen.anzahl > 0 ? 1 : 0;
}
