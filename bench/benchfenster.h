#pragma once
#include <QApplication>
#include <memory>
#include <string>

#include "core/variablen.h"
#include "gui/dialoge.h"
#include "gui/mainunit.h"
#include "gui/regionaleinstellungen.h"

// The main window on the bench library bibliothek, shown and painted once. The game
// folder has no Playback, so the start-up asks nothing.
inline std::unique_ptr<TfrmMain> BenchFenster(TDialoge& dialoge, const std::string& bibliothek) {
    auto fenster = std::make_unique<TfrmMain>(dialoge, Regionaleinstellungen::Deutsch(), [bibliothek] {
        DOWVerzeichnis = bibliothek + "kein_spiel/";
        ReplayVerzeichnis = bibliothek;
        return false;
    });
    fenster->show();
    QApplication::processEvents();
    return fenster;
}
