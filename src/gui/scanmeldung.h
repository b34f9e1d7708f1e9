#pragma once
#include <string>
#include <utility>
#include <vector>

#include "core/meldungen.h"

// Gathers what the library scan says about single files, so the window tells it once,
// after the scan, instead of a box per file.
class TScanMeldungen : public TMeldungen {
public:
    void Meldung(const std::string& text) override { Allgemein.push_back(text); }
    void DateiMeldung(const std::string& datei, const std::string& text) override {
        Dateien.emplace_back(datei, text);
    }
    void Ausgelassen(const std::string& datei) override { Ausgelassene.push_back(datei); }

    std::vector<std::pair<std::string, std::string>> Dateien;  // (file, notice), in scan order
    std::vector<std::string> Ausgelassene;  // files that are no readable replay
    std::vector<std::string> Allgemein;     // notices about no single file

    // Every file named, sorted: to tell whether a scan found anything not told before.
    std::vector<std::string> Betroffene() const;
};

// The summary (UTF-8): each notice once, with the files it concerns beneath it, then the
// files left out of the list; at most ten names a group, and how many more there were.
// The notice's own text ("Fehler beim öffnen der Datei.") stays as the reader words it.
std::string ScanMeldungText(const TScanMeldungen& meldungen);
