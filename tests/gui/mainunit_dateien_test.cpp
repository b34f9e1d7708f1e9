// The commands on the replay files: Del into the trash of a home of the test's own, F2,
// names from the template, the rows' context menu, the clipboard and drops.
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "core/inhalt.h"
#include "core/namensvorlage.h"
#include "core/platform/benutzerordner.h"
#include "core/platform/dateisystem.h"
#include "gui/dateimime.h"
#include "mainunit_testhilfe.h"
#include "support/nurposix.h"

namespace fs = std::filesystem;

namespace {

// A path as the user's system writes it, as the window names paths.
std::string Nativ(const std::string& pfad) {
    return QDir::toNativeSeparators(QString::fromStdString(pfad)).toStdString();
}

class DateiTest : public MainTest {
protected:
    void SetUp() override {
        MainTest::SetUp();
        fs::create_directories(heim.Pfad() + "daten");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(heim.Pfad() + "daten"));
        for (const auto& [datei, name] : std::vector<std::pair<std::string, std::string>>{
                 {"a.rec", "Alpha"}, {"b.rec", "Beta"}, {"c.rec", "Gamma"}, {"d.rec", "Delta"}})
            InBibliothek(datei, Bau(name));
    }
    std::string Papierkorb() const { return heim.Pfad() + "daten/Trash/"; }
    std::vector<std::string> Bibliotheksdateien() const {
        auto namen = plattform::Aufzaehlen(Bibliothek() + "*.rec");
        std::sort(namen.begin(), namen.end());
        return namen;
    }
    std::string Status() const { return fenster->statusBar()->currentMessage().toStdString(); }
    // A right-click on the row, then a click on the menu's entry named eintrag.
    void Kontextmenue(int zeile, const char* eintrag) {
        QTimer::singleShot(0, [eintrag] {
            auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menue, nullptr);
            QAction* a = menue->findChild<QAction*>(QString::fromLatin1(eintrag));
            if (!a)
                for (QAction* b : menue->actions())
                    if (b->objectName() == QLatin1String(eintrag)) a = b;
            ASSERT_NE(a, nullptr) << eintrag;
            QTest::mouseClick(menue, Qt::LeftButton, Qt::NoModifier, menue->actionGeometry(a).center());
        });
        auto* grid = fenster->grdReplays;
        const QPoint p = grid->CellRect(2, zeile).center();
        QContextMenuEvent rechts(QContextMenuEvent::Mouse, p, grid->viewport()->mapToGlobal(p));
        QApplication::sendEvent(grid->viewport(), &rechts);
    }
};

}  // namespace

// Del and the context menu take the ticked replays the user sees, or the right-clicked
// unticked row alone; everything goes to the trash with its .trashinfo, is remembered as
// deleted, and the list drops it.
TEST_F(DateiTest, LoeschenInDenPapierkorb) {
    NUR_UNTER_POSIX();  // the freedesktop trash; Windows has its Recycle Bin below
    const struct {
        const char* titel;
        std::vector<std::string> angekreuzt;
        const char* suche;
        std::function<void()> befehl;
        bool ja;
        std::vector<std::string> bleiben;
        std::string fragteilt;  // part of the question
    } faelle[] = {
        {"Entf, ein Angekreuzter ausgeblendet", {"Alpha", "Gamma"}, "Alph",
         [this] { QTest::keyClick(fenster->grdReplays, Qt::Key_Delete); }, true,
         {"b.rec", "c.rec", "d.rec"}, "1 markiertes Replay ist durch die Suche ausgeblendet"},
        {"Entf ohne Haken: die aktuelle Zeile", {}, "",
         [this] {
             ZelleKlicken(2, ZeileMit("Delta"));
             QTest::keyClick(fenster->grdReplays, Qt::Key_Delete);
         },
         true, {"a.rec", "b.rec", "c.rec"}, "d.rec"},
        {"Kontextmenü auf nicht angekreuzter Zeile", {"Alpha"}, "",
         [this] { Kontextmenue(ZeileMit("Beta"), "Loeschen1"); }, true, {"a.rec", "c.rec", "d.rec"},
         "b.rec"},
        {"Kontextmenü auf angekreuzter Zeile", {"Alpha", "Gamma"}, "",
         [this] { Kontextmenue(ZeileMit("Alpha"), "Loeschen1"); }, true, {"b.rec", "d.rec"},
         "2 Replays in den Papierkorb verschieben?"},
        {"Nein", {"Alpha"}, "", [this] { QTest::keyClick(fenster->grdReplays, Qt::Key_Delete); }, false,
         {"a.rec", "b.rec", "c.rec", "d.rec"}, "a.rec"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        auto& f = Oeffnen();
        for (const auto& name : fall.angekreuzt) BoxKlicken(ZeileMit(name));
        if (*fall.suche) Suchen(fall.suche);
        f.grdReplays->setFocus();
        std::map<std::string, std::optional<TInhalt>> inhalt;
        for (const auto& datei : Bibliotheksdateien()) inhalt[datei] = InhaltBerechnen(Bibliothek() + datei);
        fall.ja ? dlg.Ja() : dlg.Nein();
        fall.befehl();
        ASSERT_EQ(dlg.Fragen().size(), 1u);
        EXPECT_NE(dlg.Fragen()[0].find(fall.fragteilt), std::string::npos) << dlg.Fragen()[0];
        EXPECT_EQ(Bibliotheksdateien(), fall.bleiben);
        if (fall.ja) {
            EXPECT_NE(Status().find("in den Papierkorb verschoben"), std::string::npos) << Status();
        }
        Liefern();
        EXPECT_EQ(static_cast<int>(Replays.size()), static_cast<int>(fall.bleiben.size()));
        for (const auto& [datei, wert] : inhalt) {
            const bool weg = std::find(fall.bleiben.begin(), fall.bleiben.end(), datei) == fall.bleiben.end();
            // In the trash with where it came from, and never saved from Playback again.
            EXPECT_EQ(fs::exists(Papierkorb() + "files/" + datei), weg) << datei;
            EXPECT_EQ(fs::exists(Papierkorb() + "info/" + datei + ".trashinfo"), weg) << datei;
            EXPECT_EQ(f.Live()->Geloeschte().Enthaelt(*wert), weg) << datei;
            if (weg) {
                std::ifstream info(Papierkorb() + "info/" + datei + ".trashinfo");
                std::string zeilen((std::istreambuf_iterator<char>(info)), {});
                EXPECT_NE(zeilen.find("Path=" + Bibliothek() + datei), std::string::npos) << zeilen;
            }
        }
        EXPECT_TRUE(dlg.Nachrichten().empty());
        // Back for the next case, as the user would restore it from the trash.
        fenster.reset();
        for (const auto& [datei, wert] : inhalt)
            if (fs::exists(Papierkorb() + "files/" + datei)) fs::rename(Papierkorb() + "files/" + datei, Bibliothek() + datei);
        fs::remove_all(Papierkorb());
        dlg.Vergessen();
    }
}

// A deleted game stays deleted over a refresh, also where the cache folder took no note of
// it (none set, or the disk refused): the automatic save does not bring it back.
TEST_F(DateiTest, GeloeschtesBleibtNachAktualisieren) {
    NUR_UNTER_POSIX();
    const struct {
        const char* titel;
        bool cache;
        bool cacheFehler;
    } faelle[] = {{"Cache", true, false}, {"Cache lehnt ab", true, true}, {"kein Cache", false, false}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        IndexVerzeichnis = fall.cache ? plattform::BenutzerCacheOrdner() : std::string();
        auto& f = Oeffnen();
        f.grdReplays->setFocus();
        ZelleKlicken(2, ZeileMit("Alpha"));
        if (fall.cacheFehler) plattform::FehlerDauerhaftEinplanen(plattform::Operation::CacheSchreiben);
        dlg.Ja();
        QTest::keyClick(f.grdReplays, Qt::Key_Delete);
        plattform::FehlerplanLeeren();
        QTest::mouseClick(f.tbtRefresh, Qt::LeftButton);
        fs::copy_file(Papierkorb() + "files/a.rec", Playback() + "temp.rec");
        Liefern();
        EXPECT_EQ(Bibliotheksdateien(), (std::vector<std::string>{"b.rec", "c.rec", "d.rec"}));
        fenster.reset();
        fs::rename(Papierkorb() + "files/a.rec", Bibliothek() + "a.rec");
        fs::remove_all(Papierkorb());
        fs::remove(Playback() + "temp.rec");
        fs::remove_all(heim.Pfad() + ".cache");
        dlg.Vergessen();
    }
    IndexVerzeichnis.clear();
}

// A file rewritten after the list read it is not the replay the user chose: it stays.
// Windows: the Recycle Bin takes the file, or where the shell refuses (Wine's does), the
// file stays, is not remembered as deleted, and the message names it.
TEST_F(DateiTest, PapierkorbUnterWindows) {
    NUR_UNTER_WINDOWS();
    auto& f = Oeffnen();
    f.grdReplays->setFocus();
    ZelleKlicken(2, ZeileMit("Alpha"));
    const TInhalt inhalt = *InhaltBerechnen(Bibliothek() + "a.rec");
    dlg.Ja();
    QTest::keyClick(f.grdReplays, Qt::Key_Delete);
    if (fs::exists(Bibliothek() + "a.rec")) {
        ASSERT_EQ(dlg.Nachrichten().size(), 1u);
        EXPECT_NE(dlg.Nachrichten()[0].find("a.rec"), std::string::npos) << dlg.Nachrichten()[0];
        EXPECT_FALSE(f.Live()->Geloeschte().Enthaelt(inhalt));
    } else {
        EXPECT_TRUE(dlg.Nachrichten().empty());
        EXPECT_TRUE(f.Live()->Geloeschte().Enthaelt(inhalt));
    }
}

TEST_F(DateiTest, LoeschenLaesstEineGeaenderteDateiStehen) {
    auto& f = Oeffnen();
    f.grdReplays->setFocus();
    ZelleKlicken(2, ZeileMit("Alpha"));
    Bau("Ganz anders", 4).Schreiben(Bibliothek() + "a.rec");
    dlg.Ja();
    QTest::keyClick(f.grdReplays, Qt::Key_Delete);
    EXPECT_TRUE(fs::exists(Bibliothek() + "a.rec"));
    ASSERT_EQ(dlg.Nachrichten().size(), 1u);
    EXPECT_NE(dlg.Nachrichten()[0].find("a.rec: die Datei wurde geändert, seit die Liste sie zeigt"), std::string::npos)
        << dlg.Nachrichten()[0];
}

// F2 renames the current file, keeping ".rec", until the name is one every system takes.
TEST_F(DateiTest, DateiUmbenennenMitF2) {
    auto& f = Oeffnen();
    f.grdReplays->setFocus();
    ZelleKlicken(2, ZeileMit("Beta"));
    dlg.Eingeben("a<b").Eingeben("CON").Eingeben("a").Eingeben(" Sieg.rec").Eingeben("Sieg: 2v2").Eingeben("Sieg.rec");
    QTest::keyClick(f.grdReplays, Qt::Key_F2);
    const auto eingabe = dlg.Von(SkriptDialoge::Art::Eingabe);
    ASSERT_EQ(eingabe.size(), 1u);
    EXPECT_EQ(eingabe[0].vorgabe, "b");
    EXPECT_EQ(eingabe[0].abgelehnt.size(), 5u);
    EXPECT_EQ(eingabe[0].abgelehnt[2], "Eine Datei „a.rec“ gibt es schon.");
    EXPECT_EQ(Bibliotheksdateien(), (std::vector<std::string>{"Sieg.rec", "a.rec", "c.rec", "d.rec"}));
    Liefern();
    // The row stays, with its place and its replay.
    EXPECT_EQ(ZeileVon("Sieg.rec"), f.grdReplays->CurrentRow());
    EXPECT_EQ(Replays.size(), 4u);
}

// Names from the template: old -> new shown first, clashes numbered, nothing replaced.
TEST_F(DateiTest, DateinamenAusReplaysBilden) {
    Namensvorlage = "{Name}";
    InBibliothek("e.rec", Bau("Alpha"));
    auto& f = Oeffnen();
    for (const char* datei : {"a.rec", "b.rec", "e.rec"}) BoxKlicken(ZeileVon(datei));
    dlg.Ja();
    f.grdReplays->setFocus();
    Kontextmenue(ZeileVon("a.rec"), "DateinamenBilden1");
    // In the list's order, which the file system's gives here.
    ASSERT_EQ(dlg.Fragen().size(), 1u);
    EXPECT_EQ(dlg.Fragen()[0].rfind("3 Dateien nach der Vorlage umbenennen?\r\n", 0), 0u) << dlg.Fragen()[0];
    for (const char* zeile : {"b.rec → Beta.rec", ".rec → Alpha.rec", ".rec → Alpha (2).rec"})
        EXPECT_NE(dlg.Fragen()[0].find(zeile), std::string::npos) << zeile;
    EXPECT_EQ(Bibliotheksdateien(),
              (std::vector<std::string>{"Alpha (2).rec", "Alpha.rec", "Beta.rec", "c.rec", "d.rec"}));
    EXPECT_EQ(Status(), "3 Dateien umbenannt.");
    Liefern();
    EXPECT_EQ(Replays.size(), 5u);
    Namensvorlage = kStandardvorlage;
}

// Ctrl+C puts the files on the clipboard as a file manager and a chat program take them.
TEST_F(DateiTest, StrgCLegtDieDateienAb) {
    auto& f = Oeffnen();
    BoxKlicken(ZeileVon("b.rec"));
    BoxKlicken(ZeileVon("d.rec"));
    f.grdReplays->setFocus();
    QTest::keyClick(f.grdReplays, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_EQ(LokaleDateien(*daten), (std::vector<std::string>{Nativ(Bibliothek() + "b.rec"), Nativ(Bibliothek() + "d.rec")}));
    EXPECT_EQ(daten->data(QStringLiteral("x-special/gnome-copied-files")).toStdString(),
              "copy\n" + QUrl::fromLocalFile(QString::fromStdString(Bibliothek() + "b.rec")).toEncoded().toStdString() +
                  "\n" + QUrl::fromLocalFile(QString::fromStdString(Bibliothek() + "d.rec")).toEncoded().toStdString());
}

// Dropped files and folders are copied in at once; what is not a replay is named.
TEST_F(DateiTest, AblegenKopiertInDieBibliothek) {
    const std::string draussen = tmp.Pfad() + "draussen/";
    fs::create_directories(draussen + "ordner");
    Bau("Neu").Schreiben(draussen + "neu.rec");
    Bau("Alpha").Schreiben(draussen + "ordner/alpha-kopie.rec");   // the bytes of a.rec
    Bau("Zurück").Schreiben(draussen + "ordner/zurueck.rec");
    std::ofstream(draussen + "notiz.txt") << "kein Replay";
    auto& f = Oeffnen();
    const TInhalt zurueck = *InhaltBerechnen(draussen + "ordner/zurueck.rec");
    f.Live()->Geloeschte().Merken(zurueck);
    std::unique_ptr<QMimeData> daten(
        DateienAlsMime({draussen + "neu.rec", draussen + "ordner", draussen + "notiz.txt"}));
    const QPoint mitte = f.rect().center();
    QDragEnterEvent hinein(mitte, Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &hinein);
    EXPECT_TRUE(hinein.isAccepted());
    QDropEvent ab(QPointF(mitte), Qt::CopyAction, daten.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &ab);
    EXPECT_EQ(Bibliotheksdateien(),
              (std::vector<std::string>{"a.rec", "b.rec", "c.rec", "d.rec", "neu.rec", "zurueck.rec"}));
    EXPECT_FALSE(f.Live()->Geloeschte().Enthaelt(zurueck));
    ASSERT_EQ(dlg.Nachrichten().size(), 1u);
    EXPECT_EQ(dlg.Nachrichten()[0], "2 Replays wurden kopiert.\r\n1 Replay war schon vorhanden.\r\n"
                                    "1 abgelegte Datei wurde nicht genommen:\r\n" +
                                        Nativ(draussen + "notiz.txt") + ": kein Replay (*.rec)");
    Liefern();
    EXPECT_EQ(Replays.size(), 6u);
}
