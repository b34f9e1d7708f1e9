#include <QWinEventNotifier>
#include <windows.h>

#include "gui/platform/griffmelder.h"

QObject* GriffmelderErstellen(std::intptr_t griff, std::function<void()> gemeldet, QObject* parent) {
    // The watch's event stays signalled until its changes are fetched, which the callback does.
    auto* melder = new QWinEventNotifier(reinterpret_cast<HANDLE>(griff), parent);
    QObject::connect(melder, &QWinEventNotifier::activated, melder, [gemeldet = std::move(gemeldet)] { gemeldet(); });
    return melder;
}
