// quellarch-cli: the library's core on the command line, for scripts and for checking
// what the window will show.
#include <QString>

#include "cli/befehle.h"
#include "cli/befehlszeile.h"
#include "cli/clitext.h"
#include "cli/platform/konsole.h"
#include "core/platform/programmpfad.h"
#include "core/variablen.h"
#include "gui/uebersetzung.h"

namespace {

QString Benutzung() {
    QString text = "usage:\n";
    for (const char* zeile : {kBenutzungShow, kBenutzungList, kBenutzungImport, kBenutzungImportAlle, kBenutzungRename, kBenutzungConfig,
                              "quellarch-cli --help | --version"})
        text += "  " + QString::fromUtf8(zeile) + "\n";
    return text;
}

QString Hilfe() {
    return Tr("quellarch-cli", "quellarch-cli %1: die Replays von Dawn of War auf der Befehlszeile, so wie Quellarch sie liest.\n")
               .arg(QStringLiteral(QUELLARCH_VERSION)) +
           Benutzung() +
           Tr("quellarch-cli", "Ein Ordner darf mit oder ohne Trenner am Ende angegeben werden.\n"
              "Ergebnis: 0 erledigt, 1 fehlgeschlagen, 2 falscher Aufruf.\n");
}

int Befehl(const std::string& befehl, const std::vector<std::string>& argumente) {
    if (befehl == "show") return BefehlShow(argumente);
    if (befehl == "list") return BefehlList(argumente);
    if (befehl == "import") return BefehlImport(argumente);
    if (befehl == "rename") return BefehlRename(argumente);
    if (befehl == "config") return BefehlConfig(argumente);
    if (befehl == "--help" || befehl == "-h") {
        StdoutSchreiben(Hilfe());
        return 0;
    }
    if (befehl == "--version") {
        StdoutSchreiben(QStringLiteral("quellarch-cli " QUELLARCH_VERSION "\n"));
        return 0;
    }
    StderrSchreiben(Benutzung());
    return 2;
}

// Started by a double click, the console window would flash and close: it says what the
// program is and stays until a key is pressed.
int Doppelklick() {
    StdoutSchreiben(Hilfe() + "\n" +
                    Tr("quellarch-cli", "quellarch-cli wird in der Eingabeaufforderung oder in PowerShell aufgerufen, zum Beispiel:\n"
                       "  quellarch-cli list \"C:\\Users\\Name\\Documents\\Replays\"\n"
                       "Das Fenster von Quellarch ist quellarch.exe.\n\n"
                       "Drücken Sie eine beliebige Taste, um dieses Fenster zu schließen.\n"));
    konsole::AufTasteWarten();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // No QCoreApplication: no command needs one, and its start-up is a good part of a
    // short run. The arguments are read once, into UTF-8 on Windows (see befehlszeile.h).
    std::vector<std::string> argumente = Argumente(argc, argv);
    // The language the window speaks: config.ini's choice first, else the environment's.
    const std::string einstellung =
        SpracheLesen(ConfigDateiFinden(plattform::VerzeichnisTeil(plattform::ProgrammPfad())));
    SpracheLaden(SpracheAusEinstellung(einstellung, SystemsprachenUmgebung()));
    if (argumente.empty()) {
        if (konsole::EigeneKonsole()) return Doppelklick();
        StderrSchreiben(Benutzung());
        return 2;
    }
    const std::string befehl = argumente.front();
    argumente.erase(argumente.begin());
    const int status = Befehl(befehl, argumente);
    // The output is buffered, so a full disk may only show when it is flushed; a script
    // must not take a cut-off list for the whole one.
    if (!StdoutAbschliessen()) {
        StderrSchreiben(Tr("quellarch-cli", "quellarch-cli: Die Ausgabe konnte nicht geschrieben werden.\n"));
        return status != 0 ? status : 1;
    }
    return status;
}
