#pragma once
#include <QTreeWidget>
#include <functional>
#include <vector>

#include "core/spiel/installation.h"

// The installations of the game the search found, for "Optionen": one row each with
// edition, folder and how it was found. Picking a row hands its installation on.
class TInstallationsliste : public QTreeWidget {
    Q_OBJECT

public:
    TInstallationsliste(QWidget* eltern, std::vector<TInstallation> installationen);

    // Called with the installation of the row the user picks.
    std::function<void(const TInstallation&)> Gewaehlt;

    // Marks the row of the program in ordner, where there is one.
    void Markieren(const std::string& ordner, const std::string& programm);

    // How the installation was found, in words: "Steam (App 9450)" and the like.
    static QString HerkunftText(const TInstallation& installation);

private:
    std::vector<TInstallation> installationen_;
};
