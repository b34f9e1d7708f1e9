#pragma once
#include <string>
#include <utility>
#include <vector>

#include "core/meldungen.h"

// Gathers what the library scan says about single files, so the window tells it once,
// after the scan, instead of a box per file.
class TScanMeldungen : public TMeldungen {
public:
    void Meldung(TMeldungsart art) override { Allgemein.push_back(art); }
    void DateiMeldung(const std::string& datei, TMeldungsart art) override { Dateien.emplace_back(datei, art); }
    void NichtGelesen(const std::string& datei) override { Ungelesene.push_back(datei); }

    std::vector<std::pair<std::string, TMeldungsart>> Dateien;  // (file, notice), in scan order
    std::vector<std::string> Ungelesene;                         // files the reader could not read
    std::vector<TMeldungsart> Allgemein;                         // notices about no single file

    // Every file named, sorted: to tell whether a scan found anything not told before.
    std::vector<std::string> Betroffene() const;
};

// The summary (UTF-8): each notice once, with the files it concerns beneath it, then the
// files listed by name alone; at most ten names a group, and how many more there were.
// The notice's own text ("Fehler beim öffnen der Datei.") stays as the reader words it.
std::string ScanMeldungText(const TScanMeldungen& meldungen);
