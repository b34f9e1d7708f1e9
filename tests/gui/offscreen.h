#pragma once
#include <QByteArray>
#include <QtGlobal>

// Widget tests run on the offscreen platform. ctest sets QT_QPA_PLATFORM for them, but
// Wine keeps QT_* variables from the Windows programs it starts, so a test program that
// finds none picks offscreen itself before it makes its application object.
inline void OffscreenWennNichtsGewaehlt() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}
