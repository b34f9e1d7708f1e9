#include "gui/fehlerbox.h"

#include <exception>

#include "core/fehler.h"
#include "gui/dialoge.h"

void MitFehlerbox(TDialoge& dialoge, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Fehler& f) {
        dialoge.Nachricht(f.what());
    } catch (const std::exception& e) {
        // Not ours (bad_alloc and the like): still no exception may reach Qt's event loop.
        dialoge.Nachricht(e.what());
    }
}
