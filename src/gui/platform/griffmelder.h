#pragma once
#include <QObject>
#include <cstdint>
#include <functional>

// Tells the event loop's thread when the handle of a folder watch (TOrdnerverfolgung::Griff)
// has changes waiting: a QSocketNotifier on the descriptor on POSIX, a QWinEventNotifier on
// the event on Windows. The object belongs to parent and stops telling when it is destroyed.
QObject* GriffmelderErstellen(std::intptr_t griff, std::function<void()> gemeldet, QObject* parent);
