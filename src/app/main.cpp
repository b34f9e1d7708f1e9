// Quellarch: the application object, the German texts, the dialogs and the main window.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "gui/mainunit.h"
#include "gui/qtdialoge.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The application name titles the task-bar entry; the message boxes carry it too.
    QApplication::setApplicationName(QString::fromLatin1(kAnwendungstitel));
    // Wayland and the task bars find the desktop entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUELLARCH_APP_ID));
    // Qt's own texts (the file chooser's, a line edit's menu) in German like the rest.
    QTranslator deutsch;
    if (deutsch.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&deutsch);

    TQtDialoge dialoge;
    TfrmMain frmMain(dialoge);  // runs the start-up sequence before the window shows
    dialoge.SetEltern(&frmMain);
    frmMain.show();
    return app.exec();
}
