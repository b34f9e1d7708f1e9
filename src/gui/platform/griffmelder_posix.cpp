#include <QSocketNotifier>

#include "gui/platform/griffmelder.h"

QObject* GriffmelderErstellen(std::intptr_t griff, std::function<void()> gemeldet, QObject* parent) {
    auto* melder = new QSocketNotifier(static_cast<qintptr>(griff), QSocketNotifier::Read, parent);
    QObject::connect(melder, &QSocketNotifier::activated, melder, [gemeldet = std::move(gemeldet)] { gemeldet(); });
    return melder;
}
