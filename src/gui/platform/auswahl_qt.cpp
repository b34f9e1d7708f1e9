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

bool QtDateiOeffnen(QWidget* besitzer, const std::string& startordner, std::string& dateiname) {
    QFileDialog dlg(besitzer, QStringLiteral("Öffnen"), AlsQString(startordner));
    dlg.setOptions(ChooserOptionen());
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    // The typed name need not exist: the dialog is used to point at a folder by a name in it.
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setNameFilter(QStringLiteral("Verzeichnis (*)"));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    dateiname = AlsUtf8(QDir::toNativeSeparators(dlg.selectedFiles().constFirst()));
    return true;
}

}  // namespace auswahl
