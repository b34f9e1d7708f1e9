#pragma once
#include <QObject>
#include <functional>

class TDialoge;

// The default error box: runs a command handler and shows any error that escapes it as a
// plain message with the error's text under the application title; the program goes on.
// Every handler connected to a control runs through this, so Qt never sees an exception.
void MitFehlerbox(TDialoge& dialoge, const std::function<void()>& handler);

// The receiver's handler as a callable that runs it through the error box with the
// arguments it is called with; for the grid's events.
template <typename Empfaenger, typename... Argumente>
std::function<void(Argumente...)> MitFehlerbox(TDialoge& dialoge, Empfaenger* empfaenger,
                                               void (Empfaenger::*handler)(Argumente...)) {
    return [&dialoge, empfaenger, handler](Argumente... argumente) {
        MitFehlerbox(dialoge, [&] { (empfaenger->*handler)(argumente...); });
    };
}

// Connects the sender's signal to a command of the receiver, run through the error box.
// The command takes none of the signal's arguments; the connection ends with either object.
template <typename Sender, typename Signal, typename Empfaenger>
QMetaObject::Connection Verbinden(TDialoge& dialoge, Sender* sender, Signal signal, Empfaenger* empfaenger,
                                  void (Empfaenger::*handler)()) {
    return QObject::connect(sender, signal, empfaenger, MitFehlerbox(dialoge, empfaenger, handler));
}
