#include <QProcess>
#include <QUrl>

#include "gui/platform/ordneranzeige.h"
#include "gui/qttext.h"

bool ImOrdnerZeigen(const std::string& pfad) {
    // Through dbus-send, so the program links no D-Bus library: Nautilus, Dolphin, Nemo
    // and Thunar answer it. Only a reply counts; no file manager of that kind means the
    // folder alone.
    QProcess dbus;
    dbus.start(QStringLiteral("dbus-send"),
               {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                QStringLiteral("--dest=org.freedesktop.FileManager1"), QStringLiteral("--type=method_call"),
                QStringLiteral("/org/freedesktop/FileManager1"), QStringLiteral("org.freedesktop.FileManager1.ShowItems"),
                QStringLiteral("array:string:") + QUrl::fromLocalFile(AlsQString(pfad)).toString(QUrl::FullyEncoded),
                QStringLiteral("string:")});
    if (dbus.waitForFinished(3000) && dbus.exitStatus() == QProcess::NormalExit && dbus.exitCode() == 0) return true;
    dbus.kill();
    dbus.waitForFinished(1000);
    return OrdnerOeffnen(pfad);
}
