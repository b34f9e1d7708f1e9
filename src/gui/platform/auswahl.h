#pragma once
#include <string>

class QWidget;

// The file and folder choosers of the running program. Windows uses the system's own
// folder chooser for both; elsewhere, and under the offscreen platform everywhere, Qt's
// choosers serve. The contracts are those of TDialoge::OrdnerWaehlen and
// TDialoge::DateiOeffnen, with two additions: OrdnerWaehlen starts in the folder ordner
// holds when it names one (else at the top of the file system), and on Windows
// DateiOeffnen picks a folder and gives it with its final separator, which is the
// folder part that the caller takes of the name.
namespace auswahl {

bool OrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner);
bool DateiOeffnen(QWidget* besitzer, const std::string& startordner, std::string& dateiname);

// Qt's choosers, shared by both platforms.
bool QtOrdnerWaehlen(QWidget* besitzer, const std::string& titel, std::string& ordner);
bool QtDateiOeffnen(QWidget* besitzer, const std::string& startordner, std::string& dateiname);

}  // namespace auswahl
