#pragma once
#include <QFont>

// The window's fonts. The program is drawn for Windows' own fonts; where they are missing
// (Wine, Linux) the closest one the system has stands in.
QFont FensterSchrift(int pixel, bool fett = false);
// The grids' cells (fett: their header row), 11 px.
QFont TahomaSchrift(bool fett);
