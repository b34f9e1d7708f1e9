#pragma once
#include <string>
#include <vector>

class QMimeData;

// Files as a drag or the clipboard carries them (paths UTF-8): text/uri-list, which
// browsers, chat programs and KDE read, and x-special/gnome-copied-files, which GNOME's
// file manager pastes from, as a copy. Qt adds Windows' own format from the URLs.
QMimeData* DateienAlsMime(const std::vector<std::string>& pfade);

// The local files and folders a drop or a paste holds, as paths (UTF-8); links to other
// places are left out.
std::vector<std::string> LokaleDateien(const QMimeData& daten);
