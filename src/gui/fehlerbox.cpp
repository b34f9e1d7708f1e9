#include "gui/fehlerbox.h"

#include <exception>

#include "gui/kerntexte.h"
#include "gui/qttext.h"
#include "gui/dialoge.h"

void MitFehlerbox(TDialoge& dialoge, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        // Ours in the user's words; another (bad_alloc and the like) as a general error:
        // no exception may reach Qt's event loop.
        dialoge.Nachricht(AlsUtf8(FehlerText(e)));
    }
}
