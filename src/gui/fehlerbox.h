#pragma once
#include <functional>

class TDialoge;

// The default error box: runs a command handler and shows any error that escapes it as a
// plain message with the error's text under the application title; the program goes on.
// Every handler connected to a control runs through this, so Qt never sees an exception.
void MitFehlerbox(TDialoge& dialoge, const std::function<void()>& handler);
