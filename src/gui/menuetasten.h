#pragma once

class QMenuBar;
class QWidget;

// F10, and Alt pressed and released alone, open the window's first menu, so the menu bar
// is reached without a mouse. Alt is left to the style where the style already handles it
// (Windows'). Everything set up here lives as long as the window.
void MenueTastenEinrichten(QWidget* fenster, QMenuBar* leiste);
