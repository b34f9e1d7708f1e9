#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;

// One win condition's box in the panel, at the given top in the group: it only shows the
// replay's flag, so the user cannot change it, and it takes no focus. It is drawn as an
// enabled box, so a set one is told from an unset one at a glance, and the caption of an
// unset condition is grey. SiegboxSetzen shows a flag.
QCheckBox* Siegbox(QGroupBox* gruppe, const char* name, const QString& text, int top);
void SiegboxSetzen(QCheckBox* box, bool gesetzt);
