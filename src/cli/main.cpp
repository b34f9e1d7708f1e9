// quellarch-cli: the library's core on the command line, for scripts and for checking
// what the window will show.
#include <QCoreApplication>
#include <QStringList>
#include <optional>

#include "befehle.h"
#include "clitext.h"
#include "platform/pfad.h"

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
    if (befehl == "show") return BefehlShow(argumente);
    if (befehl == "list") return BefehlList(argumente);
    if (befehl == "import") return BefehlImport(argumente);
    if (befehl == "rename") return BefehlRename(argumente);
    if (befehl == "config") return BefehlConfig(argumente);
    return Benutzung();
}
