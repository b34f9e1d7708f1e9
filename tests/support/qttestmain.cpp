// The main of every widget test program: one QApplication for all of its tests, on the
// offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>

#include "gui/uebersetzung.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // ctest sets QT_QPA_PLATFORM for the tests, but Wine keeps QT_* variables from the
    // Windows programs it starts, so a program that finds none picks offscreen itself.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    // The widget tests read the German texts, plural forms and Qt's buttons included.
    SpracheLaden(TSprache::Deutsch);
    return RUN_ALL_TESTS();
}
