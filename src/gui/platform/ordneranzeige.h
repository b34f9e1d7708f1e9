#pragma once
#include <string>

// Opens the system's file manager at the folder of pfad (a file, UTF-8) with the file
// selected where the platform allows: Explorer's /select on Windows, the freedesktop
// FileManager1 interface on Linux; otherwise the folder alone. False when nothing could be
// opened.
bool ImOrdnerZeigen(const std::string& pfad);

// The folder alone, by the desktop's own handler; shared by both platforms.
bool OrdnerOeffnen(const std::string& pfad);
