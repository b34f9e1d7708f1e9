// Quellarch: the application object, the player's language, the dialogs and the main window.
#include <QApplication>

#include "core/platform/programmpfad.h"
#include "core/variablen.h"
#include "gui/mainunit.h"
#include "gui/qtdialoge.h"
#include "gui/uebersetzung.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The application name titles the task-bar entry; the message boxes carry it too.
    QApplication::setApplicationName(QString::fromLatin1(kAnwendungstitel));
    // Wayland and the task bars find the desktop entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUELLARCH_APP_ID));
    // The player's language, Qt's own texts (the choosers', a line edit's menu) included:
    // config.ini's choice, else the system's. A change in Optionen shows at the next start.
    const std::string einstellung =
        SpracheLesen(ConfigDateiFinden(plattform::VerzeichnisTeil(plattform::ProgrammPfad())));
    SpracheLaden(SpracheAusEinstellung(einstellung, SystemsprachenFenster()));

    TQtDialoge dialoge;
    TfrmMain frmMain(dialoge);  // runs the start-up sequence before the window shows
    dialoge.SetEltern(&frmMain);
    frmMain.show();
    return app.exec();
}
