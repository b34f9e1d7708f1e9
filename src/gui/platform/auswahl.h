#pragma once
#include <string>

class QWidget;

// The file and folder choosers of the running program. Windows uses the shell's own
// dialogs; elsewhere, and under the offscreen platform everywhere, Qt's choosers serve.
// The contracts are those of TDialoge::OrdnerWaehlen and TDialoge::DateiOeffnen.
namespace auswahl {

bool OrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner);
bool DateiOeffnen(QWidget* besitzer, const std::string& startordner, std::string& dateiname);

// Qt's choosers, shared by both platforms.
bool QtOrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner);
bool QtDateiOeffnen(QWidget* besitzer, const std::string& startordner, std::string& dateiname);

}  // namespace auswahl
