// The commands: the two copy buttons, the rename command, and the menu.
#include <QMenuBar>
#include <QStatusBar>
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

// The import and "Replays kopieren" name the folder that keeps them from working, and
// touch nothing.
TEST_F(MainTest, ImportUndKopierenNennenDenFehlendenOrdner) {
    Bau("P").Schreiben(Playback() + "p.rec");
    dlg.Nein();
    auto& f = Oeffnen();
    dlg.Vergessen();
    struct Fall {
        const char* name;
        std::string dow, bib;
        std::string meldung;
    };
    const std::string ohnePlayback = tmp.Pfad() + "leer/";
    std::filesystem::create_directories(ohnePlayback);
    for (const Fall& fall :
         {Fall{"ohne Spiel", "", Bibliothek(), "Das Dawn of War - Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen."},
          Fall{"Spiel fehlt", tmp.Pfad() + "weg/", Bibliothek(), "Das Dawn of War - Verzeichnis " + tmp.Pfad() + "weg/ gibt es nicht."},
          Fall{"ohne Playback", ohnePlayback, Bibliothek(), "Im Dawn of War - Verzeichnis " + ohnePlayback + " fehlt der Ordner Playback."},
          Fall{"ohne Bibliothek", Spiel(), "", "Das Replay-Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen."}}) {
        SCOPED_TRACE(fall.name);
        DOWVerzeichnis = fall.dow;
        ReplayVerzeichnis = fall.bib;
        for (QAbstractButton* knopf : {static_cast<QAbstractButton*>(f.tbtKopieren), static_cast<QAbstractButton*>(f.btnKopieren)}) {
            QTest::mouseClick(knopf, Qt::LeftButton);
            EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{fall.meldung});
            EXPECT_EQ(f.statusBar()->currentMessage().toStdString(), fall.meldung);
            EXPECT_TRUE(plattform::DateiExistiert(Playback() + "p.rec"));
            dlg.Vergessen();
        }
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
    EXPECT_EQ(f.statusBar()->currentMessage(), QStringLiteral("0 Replays wurden kopiert."));

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
    EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"1 Replay wurde kopiert.\r\n1 Replay war schon vorhanden."
                                                          "\r\n1 Replay wurde nicht kopiert:\r\nordner.rec: keine lesbare Datei"});
    EXPECT_EQ(f.statusBar()->currentMessage(), QStringLiteral("1 Replay wurde kopiert."));
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
    EXPECT_TRUE(dlg.Aufrufe.empty()) << "all went well: the status line says it";
    EXPECT_EQ(f.statusBar()->currentMessage(),
              QStringLiteral("1 Replay aus Playback in die Bibliothek verschoben. 2 Replays nach Playback kopiert."));
    EXPECT_NE(ZeileMit("Alt"), -1) << "the replay moved in is listed";
    bool haken = false;
    EXPECT_TRUE(Box(ZeileMit("Alpha"), &haken) && haken) << "the refresh keeps the ticks";

    // Pressed again with the same rows checked: Playback ends with exactly those.
    QTest::mouseClick(f.btnKopieren, Qt::LeftButton);
    inPlayback = plattform::Aufzaehlen(Playback() + "*.rec");
    std::sort(inPlayback.begin(), inPlayback.end());
    EXPECT_EQ(inPlayback, (std::vector<std::string>{"a.rec", "c.rec"}));
}

// "Replays kopieren" says in a box what it left out: a tick hidden by the search, or no tick.
TEST_F(MainTest, ReplaysKopierenNenntWasEsAuslaesst) {
    struct Fall {
        const char* name;
        std::vector<const char*> haken;
        const char* suche;
        std::string meldung;
        std::vector<std::string> inPlayback;
        std::function<void()> draussen = nullptr;  // another process, after the list read the folder
    };
    const Fall faelle[] = {
        {"Suche verbirgt einen Haken", {"Alpha", "Gamma"}, "gamma",
         "0 Replays aus Playback in die Bibliothek verschoben.\r\n1 Replay nach Playback kopiert.\r\n"
         "1 markiertes Replay ist durch die Suche ausgeblendet und wurde nicht kopiert:\r\na.rec",
         {"c.rec"}},
        {"kein Haken", {}, "",
         "0 Replays aus Playback in die Bibliothek verschoben.\r\n0 Replays nach Playback kopiert.\r\n"
         "Kein Replay ist markiert: bitte die Replays ankreuzen, die das Spiel zeigen soll.",
         {}},
        // The ticked file went, and emptying Playback brought another under its name: that
        // one is not the replay the row shows.
        {"ein Haken auf einer Datei, die nicht mehr die gezeigte ist", {"Alpha"}, "",
         "1 Replay aus Playback in die Bibliothek verschoben.\r\n0 Replays nach Playback kopiert.\r\n"
         "1 Replay konnte nicht nach Playback kopiert werden:\r\na.rec: die Datei wurde geändert, seit die Liste sie zeigt",
         {},
         [this] {
             std::filesystem::remove(Bibliothek() + "a.rec");
             Bau("Fremd", 3).Schreiben(Playback() + "a.rec");
         }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fenster.reset();
        std::filesystem::remove_all(Playback());
        std::filesystem::create_directories(Playback());
        InBibliothek("a.rec", Bau("Alpha"));
        InBibliothek("b.rec", Bau("Beta"));
        InBibliothek("c.rec", Bau("Gamma"));
        auto& f = Oeffnen();
        for (const char* name : fall.haken) BoxKlicken(ZeileMit(name));
        if (*fall.suche) Suchen(fall.suche);
        if (fall.draussen) fall.draussen();
        QTest::mouseClick(f.btnKopieren, Qt::LeftButton);
        EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{fall.meldung});
        EXPECT_EQ(plattform::Aufzaehlen(Playback() + "*.rec"), fall.inPlayback);
        SucheLeeren();
        // (Where the ticked replay went, its row went with it.)
        for (const char* name : fall.draussen ? std::vector<const char*>{} : fall.haken) {
            bool haken = false;
            EXPECT_TRUE(Box(ZeileMit(name), &haken) && haken) << name << ": the mark stays";
        }
        dlg.Vergessen();
    }
}

// The query names the replay, starts with its name, stops typing at 25 code units and
// says why it refuses a name; the renamed replay stays current.
TEST_F(MainTest, UmbenennenFragtBisDerNameTaugt) {
    struct Fall {
        const char* name;
        std::vector<std::string> eingaben;  // the last one is followed by Cancel unless taken
        std::vector<std::string> abgelehnt;
        std::string neu;                    // "" when nothing is renamed
    };
    const Fall faelle[] = {
        {"25 Zeichen", {Name(25)}, {}, Name(25)},
        {"26 getippt, 25 genommen", {Name(26)}, {}, Name(25)},
        {"leer", {""}, {"Bitte einen Namen eingeben."}, ""},
        {"nur Blanks, dann y", {"   ", "y"}, {"Ein Name nur aus Leerzeichen geht nicht."}, "y"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fenster.reset();
        std::filesystem::remove_all(Bibliothek());
        std::filesystem::create_directories(Bibliothek());
        InBibliothek("a.rec", Bau("Alpha"));
        InBibliothek("b.rec", Bau("Beta"));
        dlg.Vergessen();
        auto& f = Oeffnen();
        ZelleKlicken(lsSpielname, ZeileMit("Alpha"));
        for (const auto& e : fall.eingaben) dlg.Eingeben(e);
        if (fall.neu.empty()) dlg.EingabeAbbrechen();
        QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);

        const auto anfragen = dlg.Von(SkriptDialoge::Art::Eingabe);
        ASSERT_EQ(anfragen.size(), 1u);
        EXPECT_EQ(anfragen[0].titel, "Replay umbenennen");
        EXPECT_EQ(anfragen[0].text, "Replay: Alpha\nDatei: a.rec\r\n\r\nNeuer Replayname (1-25 Zeichen):");
        EXPECT_EQ(anfragen[0].vorgabe, "Alpha");
        EXPECT_EQ(anfragen[0].maxLaenge, 25);
        EXPECT_EQ(anfragen[0].abgelehnt, fall.abgelehnt);
        const std::string jetzt = fall.neu.empty() ? "Alpha" : fall.neu;
        EXPECT_EQ(Zelle(lsSpielname, f.grdReplays->CurrentRow()), jetzt) << "still current";
        EXPECT_EQ(Angezeigt(), jetzt);
        EXPECT_EQ(f.statusBar()->currentMessage().toStdString(),
                  fall.neu.empty() ? "Nichts umbenannt." : "a.rec heißt jetzt „" + fall.neu + "“.");
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
        // The list follows the folder while the user is sorted, filtered and ticked.
        {"neue Datei, sortiert", [&] { Klick(grid(), lsSpielname, 0); ZelleKlicken(lsSpielname, ZeileMit("Hotel")); },
         [&] {
             InBibliothek("neu.rec", Bau("Foxtrot"));
             Liefern();
             const std::vector<std::string> gezeigt = Gezeigt();
             EXPECT_TRUE(std::is_sorted(gezeigt.begin(), gezeigt.end()) && gezeigt.size() == 11u);
         },
         true},
        {"neue Datei, gesucht", [&] { Suchen("ha"); ZelleKlicken(lsSpielname, ZeileMit("Charlie")); },
         [&] {
             InBibliothek("neu.rec", Bau("Shadow"));
             InBibliothek("anders.rec", Bau("Zulu"));
             Liefern();
             EXPECT_EQ(Gezeigt(true), (std::vector<std::string>{"Alpha", "Charlie", "Shadow"}));
             EXPECT_EQ(fenster->lblTreffer->text(), "3 von 12");
         },
         true},
        {"gezeigte Datei geloescht", [&] { Klick(grid(), lsSpielname, 0); ZelleKlicken(lsSpielname, ZeileMit("Charlie")); },
         [&] { std::filesystem::remove(Bibliothek() + "r5.rec"); Liefern(); }, false},
        {"andere Datei geloescht", [&] { BoxKlicken(ZeileMit("Kilo")); ZelleKlicken(lsSpielname, ZeileMit("Charlie")); },
         [&] {
             std::filesystem::remove(Bibliothek() + "r9.rec");
             Liefern();
             bool haken = false;
             EXPECT_TRUE(Box(ZeileMit("Kilo"), &haken) && haken);
             EXPECT_EQ(ZeileMit("Echo"), -1);
         },
         true},
        {"gezeigte Datei ersetzt", [&] { ZelleKlicken(lsSpielname, ZeileMit("Delta")); },
         [&] { InBibliothek("r7.rec", Bau("Dora", 4)); Liefern(); }, false},
        {"gezeigte Datei umbenannt", [&] { Klick(grid(), lsSpielname, 0); ZelleKlicken(lsSpielname, ZeileMit("Golf")); },
         [&] { std::filesystem::rename(Bibliothek() + "r8.rec", Bibliothek() + "golf.rec"); Liefern(); }, true},
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
    EXPECT_EQ(f.statusBar()->currentMessage(), QStringLiteral("Kein Replay gewählt: nichts umbenannt."));

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

// After OK the list shows the folders just set, with the header's box; Abbrechen
// leaves the list alone.
TEST_F(MainTest, OptionenOkFuelltDieListe) {
    InBibliothek("a.rec", Bau("Alpha"));
    ConfigDatei = tmp.Pfad() + "config.ini";
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        fenster.reset();
        auto& f = Oeffnen(false);
        dlg.Vergessen();
        DOWVerzeichnis = Spiel();
        ReplayVerzeichnis = Bibliothek();
        QPointer<QWidget> gesehen;
        bool warOptionen = false;
        // Answered as soon as it is up.
        std::function<void()> antworten = [&] {
            auto* d = qobject_cast<TfrmOptionen*>(QApplication::activeModalWidget());
            if (!d || !d->isVisible()) {
                QTimer::singleShot(10, antworten);
                return;
            }
            gesehen = d;
            warOptionen = d->parentWidget() == &f;
            ok ? d->btnOk->click() : d->btnAbbrechen->click();
            if (d->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                d->reject();
            }
        };
        QTimer::singleShot(10, antworten);
        f.mbtOptionen->trigger();
        EXPECT_TRUE(warOptionen);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(gesehen.isNull()) << "the dialog frees itself";
        EXPECT_EQ(ZeileMit("Alpha") != -1, ok);
        EXPECT_EQ(Box(0), ok) << "the check-all box comes with the list";
        EXPECT_TRUE(dlg.Aufrufe.empty());
    }
    ConfigDatei.clear();
}

// "DOW starten" names what keeps the game from starting and starts nothing then; it starts
// the game in its folder, inside the Wine prefix the folder lies in.
TEST_F(MainTest, DowStartenNenntWasFehlt) {
    NUR_UNTER_POSIX();
    const QByteArray altPath = qgetenv("PATH");
    const std::string bin = tmp.Pfad() + "bin/";
    std::filesystem::create_directories(bin);
    const std::string spur = tmp.Pfad() + "spur.txt";
    const std::string praefix = tmp.Pfad() + "prefix";
    const std::string imPraefix = praefix + "/drive_c/Spiele/DoW/";
    std::filesystem::create_directories(imPraefix);
    std::ofstream(praefix + "/system.reg") << "WINE REGISTRY Version 2\n";
    std::ofstream(imPraefix + "w40K.EXE") << "MZ";
    struct Fall {
        const char* name;
        std::string dow;
        bool wine;
        std::string meldung;  // "" when the game starts
        std::string gestartet;  // the fake wine's trace: folder, argument, prefix
    };
    const Fall faelle[] = {
        {"nicht eingetragen", "", true, "Das Dawn of War - Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.", ""},
        {"Ordner fehlt", tmp.Pfad() + "weg", true, "Das Dawn of War - Verzeichnis " + tmp.Pfad() + "weg/ gibt es nicht.", ""},
        {"ohne eines der Programme", Bibliothek(), true,
         "Im Dawn of War - Verzeichnis " + Bibliothek() +
             " liegt keines der Programme W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe und W40k_gog.exe.",
         ""},
        {"ohne wine", Spiel(), false,
         "Dawn of War startet unter Wine, doch das Programm „wine“ wurde nicht gefunden. Bitte Wine installieren.", ""},
        {"im Praefix", imPraefix.substr(0, imPraefix.size() - 1), true, "", imPraefix + " w40K.EXE " + praefix},
    };
    auto& f = Oeffnen();
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        std::filesystem::remove(bin + "wine");
        std::filesystem::remove(spur);
        if (fall.wine) {
            std::ofstream(bin + "wine") << "#!/bin/sh\necho \"$(pwd)/ $1 $WINEPREFIX\" > " << spur << "\n";
            std::filesystem::permissions(bin + "wine", std::filesystem::perms::owner_all);
        }
        qputenv("PATH", QByteArray::fromStdString(bin));
        DOWVerzeichnis = fall.dow;
        dlg.Vergessen();
        QTest::mouseClick(f.btnDOW, Qt::LeftButton);
        qputenv("PATH", altPath);
        if (fall.meldung.empty()) {
            EXPECT_TRUE(dlg.Aufrufe.empty());
            EXPECT_EQ(f.statusBar()->currentMessage(), QStringLiteral("Dawn of War wird gestartet: w40K.EXE"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(spur) && std::filesystem::file_size(spur) > 0; }));
            std::string zeile;
            std::getline(std::ifstream(spur) >> std::ws, zeile);
            EXPECT_EQ(zeile, fall.gestartet);
        } else {
            EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{fall.meldung});
            EXPECT_EQ(f.statusBar()->currentMessage(), QStringLiteral("Dawn of War wurde nicht gestartet."));
            QTest::qWait(50);
            EXPECT_FALSE(std::filesystem::exists(spur)) << "nothing started";
        }
    }
}

// The keys: F5 refreshes, Ctrl+I imports, Ctrl+Q quits, F10 and Alt open the menu.
TEST_F(MainTest, TastenFuerDieBefehle) {
    struct Fall {
        const char* name;
        std::function<void(TfrmMain&)> druecken;
        std::function<bool(TfrmMain&)> wirkung;
    };
    const Fall faelle[] = {
        {"F5", [](TfrmMain& f) { QTest::keyClick(f.grdReplays, Qt::Key_F5); },
         [this](TfrmMain&) { return ZeileMit("Neu") != -1; }},
        {"Strg+I", [this](TfrmMain& f) { dlg.Nein(); QTest::keyClick(f.grdReplays, Qt::Key_I, Qt::ControlModifier); },
         [this](TfrmMain&) { return dlg.Nachrichten() == std::vector<std::string>{"0 Replays wurden kopiert."}; }},
        {"F10", [](TfrmMain& f) { QTest::keyClick(f.grdReplays, Qt::Key_F10); },
         [](TfrmMain& f) { return f.Datei1->isVisible(); }},
        {"Alt", [](TfrmMain& f) {
             QTest::keyPress(f.grdReplays, Qt::Key_Alt, Qt::AltModifier);
             QTest::keyRelease(f.grdReplays, Qt::Key_Alt, Qt::NoModifier);
         },
         // A style that handles Alt itself (Windows') highlights the first entry instead.
         [](TfrmMain& f) { return f.menuBar()->activeAction() == f.Datei1->menuAction(); }},
        // At the first start too, the keyboard alone reaches "Optionen".
        {"Alt+O", [this](TfrmMain& f) {
             optionenGesehen_ = false;
             std::function<void()> schliessen = [&, this] {
                 auto* d = qobject_cast<TfrmOptionen*>(QApplication::activeModalWidget());
                 if (!d) return QTimer::singleShot(10, schliessen);
                 optionenGesehen_ = true;
                 d->reject();
             };
             QTimer::singleShot(10, schliessen);
             QTest::keyClick(f.grdReplays, Qt::Key_O, Qt::AltModifier);
         },
         [this](TfrmMain&) { return optionenGesehen_; }},
        {"Strg+Q", [](TfrmMain& f) { QTest::keyClick(f.grdReplays, Qt::Key_Q, Qt::ControlModifier); },
         [](TfrmMain& f) { return !f.isVisible(); }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        fenster.reset();
        std::filesystem::remove(Bibliothek() + "neu.rec");
        auto& f = Oeffnen();
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        f.grdReplays->setFocus();
        InBibliothek("neu.rec", Bau("Neu"));
        fall.druecken(f);
        EXPECT_TRUE(QTest::qWaitFor([&] { return fall.wirkung(f); }, 1000));
        if (f.Datei1->isVisible()) f.Datei1->close();
        dlg.Vergessen();
    }
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
