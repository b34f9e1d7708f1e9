// quellarch-screenshot DIR: renders the main window, on the library config.ini beside the
// program names, into DIR/main.png, the same list filtered by a search into DIR/search.png
// and the options dialog into DIR/options.png, offscreen.
// quellarch-screenshot DIR LIBRARY NAME: renders the main window on the library folder
// LIBRARY into DIR/NAME.png instead, with the replay of the most players in the panel.
// quellarch-screenshot DIR --erster-start NAME: the window of a first start, with no
// settings at all. quellarch-screenshot DIR --maximiert NAME: the window on the library
// of config.ini, maximised. quellarch-screenshot DIR --fenster NAME: that window at its
// default size (with QT_SCALE_FACTOR=2, the 2x screen's picture).
// quellarch-screenshot DIR --live NAME: a copy of that library in a temporary folder, and
// the window just after it saved a new game by itself.
// quellarch-screenshot DIR --en: the main window and the options dialog in English, into
// DIR/main-en.png and DIR/options-en.png. Every other picture is German, whatever the
// system speaks.
// For reviewing the look; the start-up question is answered No, so nothing is moved.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "core/variablen.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "gui/optionenunit.h"
#include "gui/qtdialoge.h"
#include "gui/uebersetzung.h"
#include "support/replaybauer.h"
#include "support/stilledialoge.h"

namespace {

bool Speichern(QWidget& fenster, const QString& datei) {
    fenster.show();
    // Twice: the grid's scroll range comes queued, and the scroll bars follow it queued.
    QApplication::processEvents();
    QApplication::processEvents();
    const bool ok = fenster.grab().save(datei);
    std::printf("%s\n", qPrintable(datei));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    // The script may hand in a screen of its own ("offscreen:configfile=…").
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kAnwendungstitel));
    const bool englisch = argc == 3 && std::string(argv[2]) == "--en";
    if (argc != 2 && argc != 4 && !englisch) {
        std::fprintf(stderr, "usage: quellarch-screenshot DIR [LIBRARY NAME | --en]\n");
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(ordner);
    SpracheLaden(englisch ? TSprache::Englisch : TSprache::Deutsch);
    const QString endung = englisch ? QStringLiteral("-en.png") : QStringLiteral(".png");

    StilleDialoge dialoge(stderr);
    if (argc == 4 && std::string(argv[2]) == "--erster-start") {
        TfrmMain erster(dialoge, Regionaleinstellungen::AusSystem(), [] {
            DOWVerzeichnis.clear();
            ReplayVerzeichnis.clear();
            return true;
        });
        return Speichern(erster, ordner + "/" + QString::fromLocal8Bit(argv[3]) + ".png") ? 0 : 1;
    }
    if (argc == 4 && std::string(argv[2]) == "--live") {
        VariablenInitialisieren();
        const QString quelle = QString::fromStdString(ReplayVerzeichnis);
        QTemporaryDir tmp;
        const QString bibliothek = tmp.path() + "/library/", spiel = tmp.path() + "/game/";
        QDir().mkpath(bibliothek);
        QDir().mkpath(spiel + "Playback");
        for (const QString& name : QDir(quelle).entryList({"*.rec"}, QDir::Files)) QFile::copy(quelle + name, bibliothek + name);
        TfrmMain live(dialoge, Regionaleinstellungen::AusSystem(), [&] {
            DOWVerzeichnis = spiel.toStdString();
            ReplayVerzeichnis = bibliothek.toStdString();
            return false;
        });
        live.show();
        QApplication::processEvents();
        // The game just ended: two players on Battle Marshes.
        ReplayBauer spielende;
        spielende.Name = u"Revanche";
        spielende.Spieler.resize(2);
        spielende.Spieler[0].Name = u"Gorgutz";
        spielende.Spieler[0].Rasse = "ork_race";
        spielende.Spieler[1].Name = u"Eldrad";
        spielende.Spieler[1].Rasse = "eldar_race";
        spielende.Spieler[1].Team = 1;
        spielende.Schreiben((spiel + "Playback/temp.rec").toStdString());
        live.Live()->JetztAbholen();
        return Speichern(live, ordner + "/" + QString::fromLocal8Bit(argv[3]) + ".png") ? 0 : 1;
    }
    TfrmMain frmMain(dialoge);
    if (argc == 4 && (std::string(argv[2]) == "--maximiert" || std::string(argv[2]) == "--fenster")) {
        if (std::string(argv[2]) == "--maximiert") frmMain.setWindowState(Qt::WindowMaximized);
        return Speichern(frmMain, ordner + "/" + QString::fromLocal8Bit(argv[3]) + ".png") ? 0 : 1;
    }
    if (argc == 4) {
        ReplayVerzeichnis = argv[2];
        frmMain.ListeAktualisieren();
        std::size_t meiste = 0;
        for (std::size_t i = 0; i < Replays.size(); ++i)
            if (Replays[i]->Spieleranzahl > Replays[meiste]->Spieleranzahl) meiste = i;
        frmMain.DetailsAnzeigen(static_cast<int>(meiste));
        return Speichern(frmMain, ordner + "/" + QString::fromLocal8Bit(argv[3]) + ".png") ? 0 : 1;
    }
    bool ok = Speichern(frmMain, ordner + "/main" + endung);

    // A player's name, typed as the user would, without caring for case.
    frmMain.edtSuche->setFocus();
    frmMain.edtSuche->setText(QStringLiteral("gorgutz"));
    ok = Speichern(frmMain, ordner + "/search" + endung) && ok;
    frmMain.edtSuche->clear();

    auto* frmOptionen = new TfrmOptionen(&frmMain, dialoge);
    ok = Speichern(*frmOptionen, ordner + "/options" + endung) && ok;
    frmOptionen->close();
    QApplication::processEvents();
    return ok ? 0 : 1;
}
