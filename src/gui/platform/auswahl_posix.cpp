#include "gui/platform/auswahl.h"

// Linux has no chooser of its own beyond what Qt's platform theme gives.
namespace auswahl {

bool OrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner) {
    return QtOrdnerWaehlen(besitzer, titel, ordner);
}

}  // namespace auswahl
