// quellarch-cli: the library's core on the command line, for scripts and for checking
// what the window will show.
#include <QCoreApplication>
#include <QStringList>

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
    QCoreApplication app(argc, argv);
    QStringList argumente = app.arguments().mid(1);
    if (argumente.isEmpty()) return Benutzung();
    QString befehl = argumente.takeFirst();
    // On POSIX paths are handed on as the system gave them, byte for byte. Windows gives
    // argv in its ANSI code page, which cannot name every file; Qt reads the wide command
    // line there, and the core takes its UTF-8.
    std::vector<std::string> roh;
    for (int i = 2; i < argc; ++i)
        roh.push_back(plattform::IstPosix() ? std::string(argv[i]) : AlsUtf8(argumente[i - 2]));
    if (befehl == "show") return BefehlShow(roh);
    if (befehl == "list") return BefehlList(roh);
    if (befehl == "import") return BefehlImport(roh);
    if (befehl == "rename") return BefehlRename(roh);
    if (befehl == "config") return BefehlConfig(roh);
    return Benutzung();
}
