#include "gui/ueberquellarch.h"

#include <QtGlobal>

#include "gui/qttext.h"
#include "gui/uebersetzung.h"

std::string UeberQuellarchText() {
    const QString text =
        Tr("UeberQuellarch", "Quellarch %1\r\nVerwaltet die Replays von Dawn of War.").arg(QStringLiteral(QUELLARCH_VERSION)) +
        "\r\n\r\n" +
        Tr("UeberQuellarch",
           "Quellarch ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, "
           "Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern "
           "(GPL-3.0-or-later). Es wird ohne jede Gewährleistung bereitgestellt. Der Lizenztext liegt dem "
           "Programm bei.") +
        "\r\n\r\n" +
        // The Qt the program runs with, which for the Windows program is built into it.
        Tr("UeberQuellarch", "Quellarch verwendet Qt %1 unter der GNU Lesser General Public License, Version 3 (LGPL-3.0).")
            .arg(QString::fromLatin1(qVersion())) +
        "\r\n\r\n" +
        Tr("UeberQuellarch",
           "Quelltext: Den Quelltext von Quellarch erhalten Sie von dem, der Ihnen das Programm gegeben hat. Der "
           "Quelltext von Qt ist Debians Quellpaket qt6-base (https://sources.debian.org/src/qt6-base/).");
    return AlsUtf8(text);
}
