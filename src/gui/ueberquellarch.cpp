#include "gui/ueberquellarch.h"

#include <QtGlobal>


std::string UeberQuellarchText() {
    std::string text =
        "Quellarch " QUELLARCH_VERSION "\r\n"
        "Verwaltet die Replays von Dawn of War.\r\n\r\n"
        "Quellarch ist freie Software: Sie dürfen es unter den Bedingungen der GNU General "
        "Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, "
        "weitergeben und verändern (GPL-3.0-or-later). Es wird ohne jede Gewährleistung "
        "bereitgestellt. Der Lizenztext liegt dem Programm bei.\r\n\r\n"
        "Quellarch verwendet Qt ";
    // The Qt the program runs with, which for the Windows program is built into it.
    text += qVersion();
    text +=
        " unter der GNU Lesser General Public License, Version 3 (LGPL-3.0).\r\n\r\n"
        "Quelltext: Den Quelltext von Quellarch erhalten Sie von dem, der Ihnen das Programm "
        "gegeben hat. Der Quelltext von Qt ist Debians Quellpaket qt6-base "
        "(https://sources.debian.org/src/qt6-base/).";
    return text;
}
