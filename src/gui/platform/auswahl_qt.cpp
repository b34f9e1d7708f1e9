#include "gui/platform/auswahl.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>

#include "gui/qttext.h"

namespace auswahl {
namespace {

// Under the offscreen platform (tests, screenshots) there is no desktop to host a native
// chooser; Qt's own one works everywhere.
QFileDialog::Options ChooserOptionen() {
    QFileDialog::Options o;
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) o |= QFileDialog::DontUseNativeDialog;
    return o;
}

}  // namespace

bool QtOrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner) {
    const QString start = ordner.empty() ? QDir::rootPath() : AlsQString(ordner);
    QString gewaehlt =
        QFileDialog::getExistingDirectory(besitzer, AlsQString(titel), start, ChooserOptionen() | QFileDialog::ShowDirsOnly);
    if (gewaehlt.isEmpty()) return false;
    ordner = AlsUtf8(QDir::toNativeSeparators(gewaehlt));
    return true;
}

}  // namespace auswahl
