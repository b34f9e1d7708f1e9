#include "cli/ordner.h"

#include "cli/clitext.h"
#include "gui/uebersetzung.h"
#include "core/platform/ordnerzustand.h"

bool OrdnerLesbar(const std::string& ordner) {
    const char* text = nullptr;
    switch (plattform::OrdnerZustand(ordner)) {
        case plattform::Ordnerzustand::Lesbar:
            return true;
        case plattform::Ordnerzustand::Fehlt:
            text = QT_TRANSLATE_NOOP("quellarch-cli", "Der Ordner %1 existiert nicht.");
            break;
        case plattform::Ordnerzustand::KeinOrdner:
            text = QT_TRANSLATE_NOOP("quellarch-cli", "%1 ist kein Ordner.");
            break;
        case plattform::Ordnerzustand::NichtLesbar:
            text = QT_TRANSLATE_NOOP("quellarch-cli", "Der Ordner %1 kann nicht gelesen werden.");
            break;
    }
    StderrSchreiben(Tr("quellarch-cli", text).arg(SichtbarQ(ordner)) + "\n");
    return false;
}
