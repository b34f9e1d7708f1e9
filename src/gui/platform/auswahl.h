#pragma once
#include <string>

class QWidget;

// The folder chooser of the running program. Windows uses the system's own folder
// chooser; elsewhere, and under the offscreen platform everywhere, Qt's serves. The
// contract is that of TDialoge::OrdnerWaehlen, with one addition: it starts in the folder
// ordner holds when it names one (else at the top of the file system).
namespace auswahl {

bool OrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner);

// Qt's chooser, shared by both platforms.
bool QtOrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner);

}  // namespace auswahl
