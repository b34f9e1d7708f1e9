// The start-up sequence: missing settings, the Playback import offer and its answers,
// swallowed errors, and the window's fixed frame.
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>

#include "core/platform/dateisystem.h"
#include "core/platform/ini.h"
#include "mainunit_testhilfe.h"
#include "support/nurposix.h"

namespace {

TEST_F(MainTest, ErsterStartOhneEinstellungenZeigtNurDenHinweis) {
    InBibliothek("a.rec", Bau("Alpha"));
    auto& f = Oeffnen(false);
    ASSERT_EQ(dlg.Aufrufe.size(), 1u);
    EXPECT_EQ(dlg.Aufrufe[0].art, SkriptDialoge::Art::Nachricht);
    EXPECT_EQ(dlg.Aufrufe[0].text, "Bitte unter Optionen die Verzeichnisse eintragen!");
    // No programmer text: the panel says what to do.
    EXPECT_EQ(f.lblReplayname->text(), QString());
    EXPECT_EQ(f.lblDateiname->VollText(), QStringLiteral("Bitte unter Optionen die Verzeichnisse eintragen."));
    EXPECT_EQ(f.statusBar()->currentMessage(), QStringLiteral("Die Verzeichnisse fehlen: Optionen (Alt+O)"));
    EXPECT_FALSE(Box(0)) << "no check-all box in the header";
    EXPECT_EQ(f.grdReplays->RowCount(), 2);
    EXPECT_EQ(Zelle(lsNummer, 1), "");
    EXPECT_FALSE(Box(1));
    EXPECT_EQ(f.grdSpieler->RowCount(), 2);
    for (auto* chk : f.grpSiegbedingungen->findChildren<QCheckBox*>()) EXPECT_FALSE(chk->isChecked());
    // A click on the empty row is no error.
    dlg.Vergessen();
    ZelleKlicken(lsSpielname, 1);
    EXPECT_TRUE(dlg.Aufrufe.empty());
}

TEST_F(MainTest, LeeresPlaybackFragtNichtsUndFuelltDieListe) {
    InBibliothek("a.rec", Bau("Alpha"));
    Oeffnen();
    EXPECT_TRUE(dlg.Aufrufe.empty());
    bool haken = true;
    EXPECT_TRUE(Box(0, &haken));
    EXPECT_FALSE(haken);
    EXPECT_EQ(Zelle(lsSpielname, 1), "Alpha");
    EXPECT_EQ(Angezeigt(), "Alpha");
}

struct ImportFall {
    const char* name;
    bool importieren;
    bool entfernen;
    bool scheitert = false;  // the copy into the library fails
};

class MainImportTest : public MainTest, public ::testing::WithParamInterface<ImportFall> {};

TEST_P(MainImportTest, PlaybackMitReplaysWirdNurNachJaImportiert) {
    const ImportFall& fall = GetParam();
    {
        InBibliothek("a.rec", Bau("Alpha"));
        Bau("Neu aus Playback").Schreiben(Playback() + "neu.rec");

        if (fall.importieren) {
            dlg.Ja();
            fall.entfernen ? dlg.Ja() : dlg.Nein();
        } else {
            dlg.Nein();
        }
        if (fall.scheitert) plattform::FehlerEinplanen(plattform::Operation::Erzeugen, 1);
        Oeffnen();

        auto fragen = dlg.Von(SkriptDialoge::Art::Frage);
        ASSERT_FALSE(fragen.empty());
        EXPECT_EQ(fragen[0].titel, "Neue Replays kopieren");
        EXPECT_EQ(fragen[0].text, "Es wurden Replays im Playback-Verzeichnis\r\ngefunden. Sollen sie kopiert werden?");
        if (fall.importieren) {
            ASSERT_EQ(fragen.size(), 2u);
            EXPECT_EQ(fragen[1].text, std::string("Replays anschließend entfernen?"));
            EXPECT_EQ(fragen[1].titel, std::string("Replays löschen"));
            if (fall.scheitert) {
                EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"0 Replays wurden kopiert.\r\n1 Replay wurde "
                                                                      "nicht kopiert:\r\nneu.rec: Kopieren fehlgeschlagen"});
            } else {
                EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"1 Replay wurde kopiert."});
            }
            EXPECT_EQ(ZeileMit("Neu aus Playback") != -1, !fall.scheitert) << "the list is filled after the import";
        } else {
            EXPECT_EQ(fragen.size(), 1u);
            EXPECT_TRUE(dlg.Nachrichten().empty());
            EXPECT_EQ(ZeileMit("Neu aus Playback"), -1);
        }
        EXPECT_EQ(plattform::DateiExistiert(Playback() + "neu.rec"), !fall.entfernen || fall.scheitert);
        EXPECT_NE(ZeileMit("Alpha"), -1);
        EXPECT_EQ(fenster->grdReplays->RowCount(), fall.importieren && !fall.scheitert ? 3 : 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Antworten, MainImportTest,
                         ::testing::Values(ImportFall{"Nein", false, false}, ImportFall{"JaBehalten", true, false},
                                           ImportFall{"JaEntfernen", true, true},
                                           ImportFall{"JaKopieScheitert", true, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainTest, FehlerBeimStartEndenDieSequenzStill) {
    InBibliothek("a.rec", Bau("Alpha"));
    fenster = std::make_unique<TfrmMain>(dlg, Regionaleinstellungen::Deutsch(), []() -> bool {
        throw Fehler(TFehlerart::ConfigNichtSchreibbar, "config.ini");
    });
    EXPECT_TRUE(dlg.Aufrufe.empty());
    EXPECT_EQ(fenster->lblReplayname->text(), QString());
    EXPECT_FALSE(Box(0));
}

// The window opens wholly on the screen at the designed size or what the screen offers
// (the offscreen screen is 800 x 600), grows with the list taking the room, and shrinks
// with every button still inside it.
TEST_F(MainTest, FensterWaechstUndPasstAufDenSchirm) {
    auto& f = Oeffnen(false);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Quellarch v" QUELLARCH_VERSION));
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QRect frei = f.screen()->availableGeometry();
    EXPECT_TRUE(frei.contains(QRect(f.pos(), f.size() + QSize(16, 40))));
    EXPECT_EQ(f.width(), std::min(796, frei.width() - 16));
    EXPECT_EQ(f.height(), std::min(549 + f.menuBar()->height() + f.statusBar()->height(), frei.height() - 40));

    struct Groesse {
        const char* name;
        QSize groesse;
    };
    const QSize klein = f.minimumSize();
    for (const Groesse& g : {Groesse{"gross", {1400, 900}}, Groesse{"kleinst", klein}}) {
        SCOPED_TRACE(g.name);
        const int liste = f.grdReplays->width(), rechts = f.sbxRechts->width();
        const int name = f.grdReplays->ColWidth(lsSpielname), karte = f.grdReplays->ColWidth(lsKarte);
        const int datum = f.grdReplays->ColWidth(lsDatum);
        f.resize(g.groesse);
        QApplication::processEvents();
        // The list takes the width and height; of its columns, the name and the map.
        const int mehr = f.grdReplays->width() - liste;
        EXPECT_GE(f.pnlRechts->width(), 317);
        if (g.groesse.width() > 1000) {
            EXPECT_EQ(f.sbxRechts->width(), rechts) << "the panel keeps its width";
            EXPECT_GT(mehr, 500);
            EXPECT_GT(f.grdReplays->ColWidth(lsSpielname), name + 200);
            EXPECT_GT(f.grdReplays->ColWidth(lsKarte), karte + 200);
            EXPECT_EQ(f.grdReplays->ColWidth(lsDatum), datum);
        }
        // Every button lies inside the window, however small.
        for (QWidget* knopf : {static_cast<QWidget*>(f.btnKopieren), static_cast<QWidget*>(f.btnUmbenennen),
                               static_cast<QWidget*>(f.btnDOW), static_cast<QWidget*>(f.tbtRefresh),
                               static_cast<QWidget*>(f.tbtKopieren)})
            EXPECT_TRUE(f.rect().contains(QRect(knopf->mapTo(&f, QPoint()), knopf->size())))
                << knopf->objectName().toStdString();
    }
    EXPECT_NE(f.findChild<QSplitter*>(QStringLiteral("splMain")), nullptr);

    EXPECT_EQ(f.tbtRefresh->toolTip(), QStringLiteral("Liste aktualisieren"));
    EXPECT_EQ(f.tbtKopieren->toolTip(), QStringLiteral("Replays aus Playback-Verzeichnis kopieren"));
    EXPECT_EQ(f.grpSiegbedingungen->title(), QStringLiteral(" Siegbedingungen "));
    EXPECT_EQ(f.pnlRechts->palette().color(QPalette::Window), QColor(255, 251, 240));
    // Tab order: the controls in the order they are seen, round from the list.
    std::vector<QWidget*> folge;
    for (QWidget* w = f.grdReplays->nextInFocusChain(); w != f.grdReplays; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->window() == &f) folge.push_back(w);
    EXPECT_EQ(folge, (std::vector<QWidget*>{f.grdSpieler, f.btnKopieren, f.btnUmbenennen, f.btnDOW, f.tbtRefresh,
                                            f.tbtKopieren, f.edtSuche}));
    EXPECT_EQ(f.edtSuche->placeholderText(), QStringLiteral("Suchen: Name, Karte, Spieler, Rasse"));
    EXPECT_TRUE(f.edtSuche->isClearButtonEnabled());
    // "Hilfe" holds the one entry "Über Quellarch…"; "Optionen" is the command itself.
    ASSERT_EQ(f.Hilfe1->actions().size(), 1);
    EXPECT_EQ(f.mbtOptionen->menu(), nullptr);
    // Every menu and entry has a mnemonic.
    QList<QAction*> eintraege = f.menuBar()->actions();
    for (QMenu* menue : {f.Datei1, f.Hilfe1})
        eintraege += menue->actions();
    for (QAction* a : eintraege) {
        if (!a->isSeparator()) {
            EXPECT_TRUE(a->text().contains(QLatin1Char('&'))) << a->text().toStdString();
        }
    }
}

// The layout of the last session comes back from config.ini's section "Fenster"; a place
// off every screen gives the default one. Closing writes what the user left.
TEST_F(MainTest, FensterlageKommtAusConfigIni) {
    InBibliothek("a.rec", Bau("Alpha", 2, "2P_BLOOD_RIVER"));
    InBibliothek("b.rec", Bau("Beta", 2, "4P_QUATRA"));
    InBibliothek("c.rec", Bau("Gamma", 2, "2P_RAILWAY"));
    ConfigDatei = tmp.Pfad() + "config.ini";
    struct Fall {
        const char* name;
        const char* lage;
        QRect erwartet;  // empty: the default place
    };
    for (const Fall& fall : {Fall{"gespeichert", "50,40,700,500", QRect(50, 40, 700, 500)},
                             Fall{"neben jedem Bildschirm", "5000,5000,700,500", QRect()}}) {
        SCOPED_TRACE(fall.name);
        std::filesystem::remove(ConfigDatei);
        for (const auto& [schluessel, wert] : std::vector<std::pair<const char*, const char*>>{
                 {"Lage", fall.lage}, {"Teiler", "300,340"}, {"Spalten", "0:30,1:40,4:150,2:90,3:23,5:137"},
                 {"Sortierung", "4,0"}, {"Replay", "b.rec"}})
            ASSERT_TRUE(plattform::IniSchreiben(ConfigDatei, "Fenster", schluessel, wert));
        fenster.reset();
        auto& f = Oeffnen();
        if (fall.erwartet.isNull()) {
            EXPECT_TRUE(f.screen()->availableGeometry().contains(f.geometry()));
        } else {
            EXPECT_EQ(f.pos(), fall.erwartet.topLeft());
            EXPECT_EQ(f.size(), fall.erwartet.size());
        }
        EXPECT_EQ(f.grdReplays->CellStr(2, 0), "Karte") << "the column order";
        EXPECT_EQ(f.grdReplays->ColBaseWidth(f.grdReplays->Spaltenposition(lsSpielname)), 90);
        EXPECT_EQ(f.grdReplays->SortOptions.Column, 2);
        EXPECT_EQ(f.grdReplays->SortOptions.Direction, sdAscending);
        EXPECT_EQ(Gezeigt(), (std::vector<std::string>{"Gamma", "Alpha", "Beta"})) << "by Karte";
        EXPECT_EQ(Angezeigt(), "Beta") << "the replay current at the last close";
    }
    // What the user leaves is what the next start finds.
    ZelleKlicken(lsSpielname, ZeileMit("Gamma"));
    fenster->close();
    EXPECT_EQ(plattform::IniLesen(ConfigDatei, "Fenster", "Replay", ""), "c.rec");
    EXPECT_EQ(plattform::IniLesen(ConfigDatei, "Fenster", "Sortierung", ""), "4,0");
    EXPECT_EQ(plattform::IniLesen(ConfigDatei, "Fenster", "Spalten", "").rfind("0:30,1:40,4:", 0), 0u);
    ConfigDatei.clear();
}

// Every caption fits its button, whatever font stands in for "MS Sans Serif". Windows'
// offscreen platform has no fonts, only boxes; there the real window shows it.
TEST_F(MainTest, BeschriftungenPassenInIhreKnoepfe) {
    NUR_UNTER_POSIX();
    auto& f = Oeffnen(false);
    for (QPushButton* knopf : {f.btnKopieren, f.btnUmbenennen, f.btnDOW})
        EXPECT_LE(knopf->fontMetrics().horizontalAdvance(knopf->text().remove(QLatin1Char('&'))), knopf->width() - 10)
            << knopf->text().toStdString();
}

}  // namespace
