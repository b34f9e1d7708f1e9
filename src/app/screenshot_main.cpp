// quellarch-screenshot DIR: renders the main window, on the library config.ini beside the
// program names, into DIR/main.png, the same list filtered by a search into DIR/search.png
// and the options dialog into DIR/options.png, then the rows' context menu on two ticked
// replays into DIR/context-menu.png and the question of "Löschen" into
// DIR/delete-question.png (the question answered No), offscreen.
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
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <string>

#include "core/variablen.h"
#include "gui/livebibliothek.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
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

// The window with a popup or a box over it, where it stands on the screen.
bool Darueber(QWidget& fenster, QWidget& oben, const QString& datei) {
    QPixmap bild = fenster.grab();
    QPainter maler(&bild);
    maler.drawPixmap(fenster.mapFromGlobal(oben.mapToGlobal(QPoint(0, 0))), oben.grab());
    maler.end();
    std::printf("%s\n", qPrintable(datei));
    return bild.save(datei);
}

// Silent, but for the questions while a picture of one is taken.
class BildDialoge : public StilleDialoge {
public:
    using StilleDialoge::StilleDialoge;
    bool Frage(const std::string& text, const std::string& titel) override {
        return echt ? echt->Frage(text, titel) : StilleDialoge::Frage(text, titel);
    }
    TQtDialoge* echt = nullptr;
};

// The rows' context menu on two ticked replays, and the question of "Löschen" for them.
bool DateiBilder(TfrmMain& frmMain, BildDialoge& dialoge, const QString& ordner, const QString& endung) {
    TCheckSortGrid* grid = frmMain.grdReplays;
    if (grid->RowCount() < 4) return true;
    for (int zeile : {2, 3}) grid->PlaceCheckBox(lsBox, zeile, true, false);
    bool ok = false;
    QTimer::singleShot(100, [&] {
        if (auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            ok = Darueber(frmMain, *menue, ordner + "/context-menu" + endung);
            menue->close();
        }
    });
    const QPoint p = grid->CellRect(2, 3).center();
    QContextMenuEvent rechts(QContextMenuEvent::Mouse, p, grid->viewport()->mapToGlobal(p));
    QApplication::sendEvent(grid->viewport(), &rechts);

    TQtDialoge echt(&frmMain);
    dialoge.echt = &echt;
    bool frage = false;
    QTimer::singleShot(100, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            frage = Darueber(frmMain, *box, ordner + "/delete-question" + endung);
            box->close();
        }
    });
    frmMain.Loeschen1Click();
    dialoge.echt = nullptr;
    for (int zeile : {2, 3}) grid->PlaceCheckBox(lsBox, zeile, false, false);
    return ok && frage;
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

    BildDialoge dialoge(stderr);
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
    ok = DateiBilder(frmMain, dialoge, ordner, endung) && ok;
    return ok ? 0 : 1;
}
