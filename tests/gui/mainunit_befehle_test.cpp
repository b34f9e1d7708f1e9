// The commands: the two copy buttons, the rename command, and the menu.
#include <QMenuBar>
#include <QTimer>
#include <functional>
#include <map>

#include "core/platform/dateisystem.h"
#include "core/platform/tempdatei.h"
#include "gui/optionenunit.h"
#include "mainunit_testhilfe.h"
#include "support/nurposix.h"
#include "support/testdateien.h"

namespace {

std::string Name(size_t n, char c = 'x') { return std::string(n, c); }

TEST_F(MainTest, ImportknopfTutOhneVerzeichnisseNichts) {
    Bau("P").Schreiben(Playback() + "p.rec");
    dlg.Nein();
    auto& f = Oeffnen();
    dlg.Vergessen();
    struct Fall {
        const char* name;
        std::string dow, bib;
    };
    for (const Fall& fall : {Fall{"ohne Spiel", "", Bibliothek()}, Fall{"ohne Bibliothek", Spiel(), ""}}) {
        SCOPED_TRACE(fall.name);
        DOWVerzeichnis = fall.dow;
        ReplayVerzeichnis = fall.bib;
        QTest::mouseClick(f.tbtKopieren, Qt::LeftButton);
        EXPECT_TRUE(dlg.Aufrufe.empty());
        EXPECT_TRUE(plattform::DateiExistiert(Playback() + "p.rec"));
    }
}

TEST_F(MainTest, ImportknopfFragtZaehltUndAktualisiert) {
    InBibliothek("a.rec", Bau("Alpha"));
    auto& f = Oeffnen();
    // Empty Playback: the question still comes, then the count 0, then the refresh.
    dlg.Nein();
    QTest::mouseClick(f.tbtKopieren, Qt::LeftButton);
    EXPECT_EQ(dlg.Fragen(), std::vector<std::string>{std::string("Replays anschließend entfernen?")});
    EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"0 Replays wurden kopiert."});

    dlg.Vergessen();
    Bau("Eins").Schreiben(Playback() + "eins.rec");
    Bau("Zwei").Schreiben(Playback() + "zwei.rec");
    dlg.Ja();
    QTest::mouseClick(f.tbtKopieren, Qt::LeftButton);
    EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"2 Replays wurden kopiert."});
    EXPECT_TRUE(plattform::Aufzaehlen(Playback() + "*.rec").empty());
    EXPECT_EQ(f.grdReplays->RowCount(), 4) << "refreshed after the import";
    EXPECT_NE(ZeileMit("Zwei"), -1);

    // Only what was really copied counts; what was not is named and stays in Playback.
    dlg.Vergessen();
    Bau("Drei").Schreiben(Playback() + "drei.rec");
    Bau("Eins").Schreiben(Playback() + "eins.rec");  // the library's copy has these bytes
    std::filesystem::create_directory(Playback() + "ordner.rec");
    dlg.Ja();
    QTest::mouseClick(f.tbtKopieren, Qt::LeftButton);
    EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"1 Replays wurden kopiert, 1 war schon vorhanden, "
                                                          "1 wurde nicht kopiert.\r\nordner.rec: keine lesbare Datei"});
    EXPECT_EQ(plattform::Aufzaehlen(Playback() + "*.rec"), std::vector<std::string>{"ordner.rec"});
}

TEST_F(MainTest, ReplaysKopierenNimmtDieNummerAusSpalteNullNachDemSortieren) {
    InBibliothek("a.rec", Bau("Alpha"));
    InBibliothek("b.rec", Bau("Beta"));
    InBibliothek("c.rec", Bau("Gamma"));
    auto& f = Oeffnen();
    Klick(f.grdReplays, lsSpielname, 0);
    Klick(f.grdReplays, lsSpielname, 0);  // descending: Gamma, Beta, Alpha
    ASSERT_EQ(Zelle(lsSpielname, 1), "Gamma");
    // A replay the game left behind goes into the library first.
    Bau("Alt").Schreiben(Playback() + "alt.rec");
    BoxKlicken(ZeileMit("Alpha"));
    BoxKlicken(ZeileMit("Gamma"));

    QTest::mouseClick(f.btnKopieren, Qt::LeftButton);
    auto inPlayback = plattform::Aufzaehlen(Playback() + "*.rec");
    std::sort(inPlayback.begin(), inPlayback.end());
    EXPECT_EQ(inPlayback, (std::vector<std::string>{"a.rec", "c.rec"}));
    EXPECT_TRUE(plattform::DateiExistiert(Bibliothek() + "alt.rec"));
    EXPECT_TRUE(dlg.Aufrufe.empty()) << "no message of its own";
    EXPECT_EQ(ZeileMit("Alt"), -1) << "no refresh afterwards";

    // Pressed again with the same rows checked: Playback ends with exactly those.
    QTest::mouseClick(f.btnKopieren, Qt::LeftButton);
    inPlayback = plattform::Aufzaehlen(Playback() + "*.rec");
    std::sort(inPlayback.begin(), inPlayback.end());
    EXPECT_EQ(inPlayback, (std::vector<std::string>{"a.rec", "c.rec"}));
}

// "Replays kopieren" takes the marks the user sees; the hidden ones wait.
TEST_F(MainTest, ReplaysKopierenNimmtNurDieGezeigtenHaken) {
    InBibliothek("a.rec", Bau("Alpha"));
    InBibliothek("b.rec", Bau("Beta"));
    InBibliothek("c.rec", Bau("Gamma"));
    auto& f = Oeffnen();
    BoxKlicken(ZeileMit("Alpha"));
    BoxKlicken(ZeileMit("Gamma"));
    Suchen("gamma");
    QTest::mouseClick(f.btnKopieren, Qt::LeftButton);
    EXPECT_EQ(plattform::Aufzaehlen(Playback() + "*.rec"), std::vector<std::string>{"c.rec"});
    SucheLeeren();
    bool haken = false;
    EXPECT_TRUE(Box(ZeileMit("Alpha"), &haken) && haken) << "the hidden mark is back";
}

TEST_F(MainTest, UmbenennenFragtBisDieLaengeStimmt) {
    struct Fall {
        const char* name;
        std::vector<std::string> eingaben;  // the last one is followed by Cancel unless valid
        bool umbenannt;
    };
    const Fall faelle[] = {
        {"25 Zeichen", {Name(25)}, true},
        {"26 Zeichen kommen zurueck", {Name(26)}, false},
        {"leer kommt zurueck", {""}, false},
        {"26, dann 1", {Name(26), "y"}, true},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fenster.reset();
        std::filesystem::remove_all(Bibliothek());
        std::filesystem::create_directories(Bibliothek());
        InBibliothek("a.rec", Bau("Alpha"));
        dlg.Vergessen();
        auto& f = Oeffnen();
        for (const auto& e : fall.eingaben) dlg.Eingeben(e);
        if (!fall.umbenannt) dlg.EingabeAbbrechen();
        QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);

        auto anfragen = dlg.Von(SkriptDialoge::Art::Eingabe);
        ASSERT_EQ(anfragen.size(), fall.eingaben.size() + (fall.umbenannt ? 0 : 1));
        for (size_t i = 0; i < anfragen.size(); ++i) {
            EXPECT_EQ(anfragen[i].titel, "Replay umbenennen");
            EXPECT_EQ(anfragen[i].text, "Neuer Replayname (1-25 Zeichen):");
            EXPECT_EQ(anfragen[i].vorgabe, i == 0 ? std::string() : fall.eingaben[i - 1]) << i;
        }
        EXPECT_EQ(Zelle(lsSpielname, 1), fall.umbenannt ? fall.eingaben.back() : "Alpha");
        EXPECT_EQ(Angezeigt(), fall.umbenannt ? fall.eingaben.back() : "Alpha");
        EXPECT_TRUE(dlg.Nachrichten().empty());
    }
}

// The highlighted row, the replay in the panel and the target of "Umbenennen" are one
// replay, however the current row was reached.
TEST_F(MainTest, UmbenennenTrifftImmerDasGezeigteReplay) {
    const std::vector<std::string> namen = {"Kilo", "Alpha", "Juliett", "Bravo", "India",
                                            "Charlie", "Hotel", "Delta", "Golf", "Echo"};
    // The first row whose replay a sort by "Spielname" moves elsewhere.
    auto wandert = [&](bool absteigend) {
        std::vector<std::string> sortiert = namen;
        std::sort(sortiert.begin(), sortiert.end());
        if (absteigend) std::reverse(sortiert.begin(), sortiert.end());
        for (int r = 1; r <= static_cast<int>(namen.size()); ++r)
            if (Zelle(lsSpielname, r) != sortiert[static_cast<size_t>(r - 1)]) return r;
        return 0;
    };
    auto grid = [&] { return fenster->grdReplays; };
    auto taste = [&](Qt::Key k, int mal) {
        for (int i = 0; i < mal; ++i) QTest::keyClick(grid(), k);
    };
    struct Fall {
        const char* name;
        std::function<void()> vorher, schritt;
        bool panelBleibt;  // the step must not change the replay shown
    };
    const Fall faelle[] = {
        {"Klick", [] {}, [&] { ZelleKlicken(lsSpielname, 8); }, false},
        {"Nummernzelle", [] {}, [&] { ZelleKlicken(lsNummer, 8); }, false},
        {"Pfeiltasten", [&] { ZelleKlicken(lsSpielname, 3); },
         [&] { taste(Qt::Key_Down, 5); taste(Qt::Key_Up, 1); }, false},
        {"Haken", [] {}, [&] { BoxKlicken(8); }, false},
        {"Druck nahe einer Linie", [] {},
         [&] {
             const QRect z = grid()->CellRect(lsAnzahl, 8);
             const QPoint nahe(z.left() + 1, z.center().y());  // 1 pixel right of the line
             QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, nahe);
         },
         false},
        {"aufsteigend sortiert", [&] { ZelleKlicken(lsSpielname, wandert(false)); },
         [&] { Klick(grid(), lsSpielname, 0); }, true},
        {"absteigend sortiert", [&] { ZelleKlicken(lsSpielname, wandert(true)); },
         [&] { Klick(grid(), lsSpielname, 0); Klick(grid(), lsSpielname, 0); }, true},
        {"Kopfbox sortiert", [&] { ZelleKlicken(lsSpielname, wandert(false)); }, [&] { BoxKlicken(0); }, true},
        {"Aktualisieren", [&] { ZelleKlicken(lsSpielname, 8); },
         [&] { QTest::mouseClick(fenster->tbtRefresh, Qt::LeftButton); }, false},
        // "ha" finds Alpha and Charlie only.
        {"Suche laesst die Zeile stehen", [&] { ZelleKlicken(lsSpielname, ZeileMit("Charlie")); },
         [&] { Suchen("ha"); }, true},
        {"Suche, dann Klick", [&] { ZelleKlicken(lsSpielname, ZeileMit("Kilo")); },
         [&] { Suchen("ha"); ZelleKlicken(lsSpielname, ZeileMit("Alpha")); }, false},
        {"Suche, dann Pfeil", [&] { ZelleKlicken(lsSpielname, ZeileMit("Bravo")); },
         [&] { Suchen("ha"); taste(Qt::Key_Down, 1); }, false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fenster.reset();
        std::filesystem::remove_all(Bibliothek());
        std::filesystem::create_directories(Bibliothek());
        for (size_t i = 0; i < namen.size(); ++i) InBibliothek("r" + std::to_string(i) + ".rec", Bau(namen[i]));
        dlg.Vergessen();
        auto& f = Oeffnen();
        fall.vorher();
        const std::string gezeigt = Angezeigt();
        fall.schritt();

        const int zeile = f.grdReplays->CurrentRow();
        ASSERT_GE(zeile, 1);
        const TReplay& replay = *Replays[static_cast<size_t>(std::stoi(Zelle(lsNummer, zeile)) - 1)];
        EXPECT_EQ(Zelle(lsSpielname, zeile), replay.Spielname);
        EXPECT_EQ(Angezeigt(), replay.Spielname);
        EXPECT_EQ(f.lblDateiname->text().toStdString(), replay.Dateiname);
        if (fall.panelBleibt) {
            EXPECT_EQ(Angezeigt(), gezeigt);
        }
        const std::string ziel = replay.Dateiname;
        std::map<std::string, std::string> erwartet;
        for (const auto& r : Replays) erwartet[r->Dateiname] = r->Dateiname == ziel ? std::string("Größer") : r->Spielname;

        dlg.Eingeben("Größer");
        QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);
        std::map<std::string, std::string> aufDerPlatte;
        TAufgezeichneteMeldungen m;
        for (const auto& e : std::filesystem::directory_iterator(Bibliothek()))
            aufDerPlatte[e.path().filename().string()] = TReplay(e.path().string(), m).Spielname;
        EXPECT_EQ(aufDerPlatte, erwartet);
        EXPECT_TRUE(dlg.Nachrichten().empty());
    }
}

TEST_F(MainTest, UmbenennenMeldetUndAktualisiertDanach) {
    struct Fall {
        const char* name;
        std::string meldung;
    };
    const Fall faelle[] = {{"schreibgeschuetzt", "Die Datei ist schreibgeschützt und wurde nicht umbenannt."},
                           {"verschwunden", "Datei existiert nicht."}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fenster.reset();
        std::filesystem::remove_all(Bibliothek());
        std::filesystem::create_directories(Bibliothek());
        const std::string pfad = InBibliothek("a.rec", Bau("Alpha"));
        InBibliothek("b.rec", Bau("Beta"));
        dlg.Vergessen();
        auto& f = Oeffnen();
        ZelleKlicken(lsSpielname, ZeileMit("Alpha"));
        const auto vorher = DateiLesen(pfad);
        InBibliothek("c.rec", Bau("Gamma"));  // shows only after a refresh
        const bool fehlt = fall.meldung == "Datei existiert nicht.";
        if (fehlt) std::filesystem::remove(pfad);
        else SchreibschutzSetzen(pfad, true);
        dlg.Eingeben("Neu");
        QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);

        EXPECT_NE(ZeileMit("Gamma"), -1) << "refreshed after the message";
        EXPECT_EQ(ZeileMit("Neu"), -1);
        EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{fall.meldung});
        if (fehlt) {
            EXPECT_EQ(ZeileMit("Alpha"), -1);
            EXPECT_EQ(f.grdReplays->RowCount(), 3) << "the missing replay dropped out";
        } else {
            // A read-only replay is still listed with what it holds.
            EXPECT_NE(ZeileMit("Alpha"), -1);
            EXPECT_EQ(f.grdReplays->RowCount(), 4);
            SchreibschutzSetzen(pfad, false);
            EXPECT_EQ(DateiLesen(pfad), vorher);
        }
    }
}

TEST_F(MainTest, UmbenennenOhneAktualisierenWennEinFehlerEntkommt) {
    const std::string pfad = InBibliothek("a.rec", Bau("Alpha"));
    auto& f = Oeffnen();
    const auto inhalt = DateiLesen(pfad);
    InBibliothek("c.rec", Bau("Gamma"));  // shows only after a refresh
    plattform::FehlerEinplanen(plattform::Operation::Schreiben, 1);
    dlg.Eingeben("Neu");
    QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);
    plattform::FehlerplanLeeren();
    ASSERT_EQ(dlg.Nachrichten().size(), 1u) << "the error box";
    EXPECT_EQ(ZeileMit("Gamma"), -1) << "no refresh after an escaped error";
    EXPECT_EQ(Zelle(lsSpielname, 1), "Alpha");
    EXPECT_EQ(DateiLesen(pfad), inhalt);
    for (const std::string& name : plattform::Aufzaehlen(Bibliothek() + "*")) EXPECT_FALSE(plattform::IstTempName(name));
}

TEST_F(MainTest, UmbenennenOhneGezeigteAuswahlTutNichts) {
    auto& f = Oeffnen();
    QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);
    EXPECT_TRUE(dlg.Aufrufe.empty()) << "an empty library";

    InBibliothek("a.rec", Bau("Alpha"));
    InBibliothek("b.rec", Bau("Beta"));
    QTest::mouseClick(f.tbtRefresh, Qt::LeftButton);
    Suchen("beta");
    ZelleKlicken(lsSpielname, ZeileMit("Beta"));
    Suchen("alpha");  // hides the selected row
    QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);
    EXPECT_TRUE(dlg.Aufrufe.empty()) << "no query for a replay out of sight";
    EXPECT_NE(ZeileMit("Beta"), -1);
}

TEST_F(MainTest, OptionenOeffnetDenDialogModalUndAktualisiertNicht) {
    InBibliothek("a.rec", Bau("Alpha"));
    auto& f = Oeffnen();
    const TReplay* vorher = Replays[0].get();
    QPointer<QWidget> gesehen;
    bool warOptionen = false;
    QTimer::singleShot(50, [&] {
        gesehen = QApplication::activeModalWidget();
        warOptionen = qobject_cast<TfrmOptionen*>(gesehen.data()) && gesehen->parentWidget() == &f;
        if (gesehen) gesehen->close();
    });
    f.mbtOptionen->trigger();
    EXPECT_TRUE(warOptionen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gesehen.isNull()) << "the dialog frees itself";
    EXPECT_TRUE(f.findChildren<TfrmOptionen*>().isEmpty());
    EXPECT_EQ(Replays[0].get(), vorher);
}

TEST_F(MainTest, BeendenSchliesstDasFenster) {
    auto& f = Oeffnen();
    dlg.Vergessen();
    f.Beenden1->trigger();
    EXPECT_FALSE(f.isVisible());
}

TEST_F(MainTest, UeberQuellarchNenntVersionLizenzenUndQuelltext) {
    auto& f = Oeffnen();
    dlg.Vergessen();
    f.UeberQuellarch1->trigger();
    ASSERT_EQ(dlg.Nachrichten().size(), 1u);
    const std::string text = std::string(dlg.Nachrichten()[0]);
    for (const char* teil : {"Quellarch " QUELLARCH_VERSION, "GPL-3.0-or-later", "ohne jede Gewährleistung",
                             "LGPL-3.0", "Quelltext", "qt6-base"})
        EXPECT_NE(text.find(teil), std::string::npos) << teil;
}

// Windows: a game folder without the game says so, naming the program the click tried.
TEST_F(MainTest, DOWStartenSagtWarumDasSpielNichtStartet) {
    NUR_UNTER_WINDOWS();
    auto& f = Oeffnen();
    dlg.Vergessen();
    DOWVerzeichnis = Spiel();
    QTest::mouseClick(f.btnDOW, Qt::LeftButton);
    ASSERT_EQ(dlg.Nachrichten().size(), 1u);
    EXPECT_EQ(dlg.Nachrichten()[0].rfind(Spiel() + "W40k.exe konnte nicht gestartet werden.\r\n", 0), 0u)
        << dlg.Nachrichten()[0];
}

}  // namespace
