// quellarch-cli: the library's core on the command line, for scripts and for checking
// what the window will show.
#include <QCoreApplication>
#include <QStringList>
#include <optional>

#include "cli/befehle.h"
#include "cli/clitext.h"
#include "core/platform/pfad.h"

namespace {
int Benutzung() {
    StderrSchreiben(
        "usage:\n"
        "  quellarch-cli show [--json] FILE...\n"
        "  quellarch-cli list [--json] [--filter TEXT] [--no-index] DIR\n"
        "  quellarch-cli import GAMEDIR LIBDIR [--remove]\n"
        "  quellarch-cli rename FILE NEWNAME\n"
        "  quellarch-cli config [--json]\n");
    return 2;
}

int Befehl(const std::string& befehl, const std::vector<std::string>& argumente) {
    if (befehl == "show") return BefehlShow(argumente);
    if (befehl == "list") return BefehlList(argumente);
    if (befehl == "import") return BefehlImport(argumente);
    if (befehl == "rename") return BefehlRename(argumente);
    if (befehl == "config") return BefehlConfig(argumente);
    return Benutzung();
}
}  // namespace

int main(int argc, char** argv) {
    // On POSIX paths are handed on as the system gave them, byte for byte, and no
    // QCoreApplication is made: no command needs one, and its start-up is a good part of
    // a short run. Windows gives argv in its ANSI code page, which cannot name every file;
    // Qt reads the wide command line there, and the core takes its UTF-8.
    std::optional<QCoreApplication> app;
    std::vector<std::string> argumente;
    if (plattform::IstPosix()) {
        for (int i = 1; i < argc; ++i) argumente.emplace_back(argv[i]);
    } else {
        app.emplace(argc, argv);
        for (const QString& a : app->arguments().mid(1)) argumente.push_back(AlsUtf8(a));
    }
    if (argumente.empty()) return Benutzung();
    const std::string befehl = argumente.front();
    argumente.erase(argumente.begin());
    const int status = Befehl(befehl, argumente);
    // The output is buffered, so a full disk may only show when it is flushed; a script
    // must not take a cut-off list for the whole one.
    if (!StdoutAbschliessen()) {
        StderrSchreiben("quellarch-cli: Die Ausgabe konnte nicht geschrieben werden.\n");
        return status != 0 ? status : 1;
    }
    return status;
}
