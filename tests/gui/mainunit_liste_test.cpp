// The replay list and the detail panel as the user sees them after refreshes and clicks.
#include <QAbstractButton>
#include <QLineEdit>
#include <fstream>
#include <QHelpEvent>
#include <QStatusBar>
#include <QToolTip>

#include "core/platform/dateisystem.h"
#include "core/umbenennen.h"
#include "core/platform/pfad.h"
#include "mainunit_testhilfe.h"
#include "support/testdateien.h"
#include "support/testnamen.h"

namespace {

// The pixels of bereich in the widget's picture that differ from the colour at its top
// left corner: where the text's ink lies.
QRect Tinte(QWidget* w, const QRect& bereich) {
    const QImage bild = w->grab().toImage();
    const QRgb grund = bild.pixel(bereich.topLeft());
    QRect tinte;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (bild.pixel(x, y) != grund) tinte |= QRect(x, y, 1, 1);
    return tinte;
}

TEST_F(MainTest, DreiReplaysInScanReihenfolgeNummeriert) {
    InBibliothek("a.rec", Bau("Alpha", 2, "2P_BLOOD_RIVER"));
    InBibliothek("b.rec", Bau("Beta", 3, "MY_OWN_MAP"));
    InBibliothek("c.rec", Bau("Gamma", 4));
    AenderungszeitSetzen(Bibliothek() + "a.rec", 2005, 3, 12, 14, 22, 10);
    AenderungszeitSetzen(Bibliothek() + "b.rec", 2005, 3, 12, 0, 0, 0);
    auto& f = Oeffnen();
    ASSERT_EQ(Replays.size(), 3u);
    ASSERT_EQ(f.grdReplays->RowCount(), 4);
    for (int r = 1; r <= 3; ++r) {
        SCOPED_TRACE(r);
        const TReplay& replay = *Replays[static_cast<size_t>(r - 1)];
        EXPECT_EQ(Zelle(lsNummer, r), std::to_string(r));
        bool haken = true;
        EXPECT_TRUE(Box(r, &haken));
        EXPECT_FALSE(haken);
        EXPECT_EQ(Zelle(lsSpielname, r), replay.Spielname);
        EXPECT_EQ(Zelle(lsAnzahl, r), std::to_string(replay.Spieleranzahl));
        if (replay.Dateiname == "a.rec") {
            EXPECT_EQ(Zelle(lsKarte, r), "Blutfluss");
            EXPECT_EQ(Zelle(lsDatum, r), "12.03.2005 14:22:10");
        }
        if (replay.Dateiname == "b.rec") {
            EXPECT_EQ(Zelle(lsKarte, r), "MY_OWN_MAP") << "a key without a display name shows itself";
            EXPECT_EQ(Zelle(lsDatum, r), "12.03.2005") << "no time at exactly midnight";
        }
    }
    EXPECT_EQ(f.grdReplays->CurrentRow(), 1);
    EXPECT_EQ(Angezeigt(), Replays[0]->Spielname);
    EXPECT_EQ(f.lblDateiname->text().toStdString(), Replays[0]->Dateiname);
}

TEST_F(MainTest, NachDemSortierenZeigtEinKlickDasReplayDerNummer) {
    InBibliothek("a.rec", Bau("Alpha"));
    InBibliothek("b.rec", Bau("Beta"));
    InBibliothek("c.rec", Bau("Gamma"));
    auto& f = Oeffnen();
    // Two clicks on "Spielname": ascending, then descending.
    Klick(f.grdReplays, lsSpielname, 0);
    Klick(f.grdReplays, lsSpielname, 0);
    ASSERT_EQ(Zelle(lsSpielname, 1), "Gamma");
    ASSERT_EQ(Zelle(lsSpielname, 2), "Beta");
    ZelleKlicken(lsAnzahl, 2);
    const int n = std::stoi(Zelle(lsNummer, 2));
    EXPECT_EQ(Replays[static_cast<size_t>(n - 1)]->Spielname, "Beta");
    EXPECT_EQ(Angezeigt(), "Beta");
    EXPECT_TRUE(dlg.Aufrufe.empty());
}

// What the user made of the list survives a refresh: the sort and its marker, the ticks
// by replay, the current replay and the scroll position; a new replay takes its place.
TEST_F(MainTest, AktualisierenBehaeltDieAnsicht) {
    for (int i = 0; i < 40; ++i) InBibliothek("r" + std::to_string(i) + ".rec", Bau("Spiel " + std::to_string(100 + i)));
    auto& f = Oeffnen();
    // Two clicks on "Spielname": descending.
    Klick(f.grdReplays, lsSpielname, 0);
    Klick(f.grdReplays, lsSpielname, 0);
    ASSERT_EQ(Zelle(lsSpielname, 1), "Spiel 139");
    BoxKlicken(2);
    BoxKlicken(5);
    f.grdReplays->SetRollposition(10 * f.grdReplays->DefaultRowHeight());
    ZelleKlicken(lsKarte, ZeileMit("Spiel 120"));
    const int rollen = f.grdReplays->Rollposition();
    ASSERT_GT(rollen, 0);
    bool haken = false;
    ASSERT_TRUE(Box(0, &haken));

    InBibliothek("neu.rec", Bau("Spiel 999"));
    QTest::mouseClick(f.tbtRefresh, Qt::LeftButton);
    std::vector<std::string> absteigend = Gezeigt(true);
    std::reverse(absteigend.begin(), absteigend.end());
    EXPECT_EQ(Gezeigt(), absteigend) << "still sorted as the marker says";
    EXPECT_EQ(f.grdReplays->SortOptions.Column, lsSpielname);
    EXPECT_EQ(f.grdReplays->SortOptions.Direction, sdDescending);
    for (int r = 1; r < f.grdReplays->RowCount(); ++r) {
        const std::string name = Zelle(lsSpielname, r);
        SCOPED_TRACE(name);
        EXPECT_TRUE(Box(r, &haken));
        EXPECT_EQ(haken, name == "Spiel 138" || name == "Spiel 135");
    }
    EXPECT_EQ(Zelle(lsSpielname, f.grdReplays->CurrentRow()), "Spiel 120");
    EXPECT_EQ(Angezeigt(), "Spiel 120");
    EXPECT_EQ(f.grdReplays->Rollposition(), rollen);
    EXPECT_EQ(f.statusBar()->currentMessage().toStdString(), "41 Replays in " + Bibliothek());
    EXPECT_TRUE(dlg.Aufrufe.empty());
}

TEST_F(MainTest, GeleerteBibliothekLaesstEineLeereZeileUndDasPanel) {
    InBibliothek("a.rec", Bau("Alpha"));
    InBibliothek("b.rec", Bau("Beta"));
    auto& f = Oeffnen();
    ZelleKlicken(lsSpielname, 2);
    std::filesystem::remove(Bibliothek() + "a.rec");
    std::filesystem::remove(Bibliothek() + "b.rec");
    QTest::mouseClick(f.tbtRefresh, Qt::LeftButton);
    EXPECT_EQ(f.grdReplays->RowCount(), 2);
    for (int c = 0; c < static_cast<int>(kListenspalten.size()); ++c) EXPECT_EQ(Zelle(c, 1), "") << c;
    EXPECT_FALSE(Box(1));
    // The panel shows no replay that is gone, and names the folder.
    EXPECT_EQ(Angezeigt(), "");
    EXPECT_EQ(f.lblDateiname->VollText().toStdString(), "Keine Replays in " + Bibliothek());
    EXPECT_EQ(Spielerzelle(ssSpieler, 1), "");

    // A click on that empty row does nothing at all.
    ZelleKlicken(lsSpielname, 1);
    EXPECT_TRUE(dlg.Aufrufe.empty());
}

TEST_F(MainTest, SpielerrasterFolgtDerSpielerzahl) {
    InBibliothek("a.rec", Bau("Vier", 4));
    InBibliothek("b.rec", Bau("Zwei", 2));
    InBibliothek("c.rec", Bau("Keiner", 0));
    auto& f = Oeffnen();
    struct Schritt {
        const char* name;
        int zeilen;
    };
    for (const Schritt& s : {Schritt{"Vier", 5}, Schritt{"Zwei", 3}, Schritt{"Keiner", 2}}) {
        SCOPED_TRACE(s.name);
        ZelleKlicken(lsSpielname, ZeileMit(s.name));
        EXPECT_EQ(Angezeigt(), s.name);
        EXPECT_EQ(f.grdSpieler->RowCount(), s.zeilen);
        if (std::string(s.name) == "Keiner") {
            for (int c = 0; c < static_cast<int>(kSpielerspalten.size()); ++c)
                EXPECT_EQ(Spielerzelle(c, 1), "") << "no player left from before";
            continue;
        }
        EXPECT_EQ(Spielerzelle(ssNummer, 1), "1");
        EXPECT_EQ(Spielerzelle(ssSpieler, 1), "Spieler A");
        EXPECT_EQ(Spielerzelle(ssRasse, 1), "Eldar");
        EXPECT_EQ(Spielerzelle(ssTeam, 1), "1") << "teams count from 1";
        EXPECT_EQ(Spielerzelle(ssRasse, 2), "Orkz");
        EXPECT_EQ(Spielerzelle(ssTeam, 2), "2");
    }
}

// The user may reorder the data columns; every refill writes each cell under its heading.
TEST_F(MainTest, VerschobeneSpaltenBehaltenIhrenInhalt) {
    InBibliothek("a.rec", Bau("Alpha", 4, "2P_BLOOD_RIVER"));
    InBibliothek("b.rec", Bau("Beta", 2, "4P_QUATRA"));
    auto& f = Oeffnen();
    KopfZiehen(f.grdReplays, SpalteMit(f.grdReplays, "Karte"), SpalteMit(f.grdReplays, "Spielname"));
    KopfZiehen(f.grdReplays, SpalteMit(f.grdReplays, "Datum"), SpalteMit(f.grdReplays, "#"));
    ASSERT_EQ(SpalteMit(f.grdReplays, "Karte"), kFesteListenspalten);
    QTest::mouseClick(f.tbtRefresh, Qt::LeftButton);
    for (int r = 1; r <= 2; ++r) {
        SCOPED_TRACE(r);
        const TReplay& replay = *Replays[static_cast<size_t>(std::stoi(Zelle(lsNummer, r)) - 1)];
        EXPECT_EQ(Zelle(SpalteMit(f.grdReplays, "Spielname"), r), replay.Spielname);
        EXPECT_EQ(Zelle(SpalteMit(f.grdReplays, "#"), r), std::to_string(replay.Spieleranzahl));
        EXPECT_EQ(Zelle(SpalteMit(f.grdReplays, "Karte"), r), replay.Spielname == "Alpha" ? "Blutfluss" : "Quatra");
        EXPECT_EQ(Zelle(SpalteMit(f.grdReplays, "Datum"), r),
                  Regionaleinstellungen::Deutsch().DatumZeitText(replay.Datum));
    }

    // In the player grid any data column may go anywhere, "Team" in front of "Spieler" too.
    KopfZiehen(f.grdSpieler, SpalteMit(f.grdSpieler, "Spieler"), ssTeam);
    KopfZiehen(f.grdSpieler, SpalteMit(f.grdSpieler, "Team"), kFesteSpielerspalten);
    ASSERT_EQ(SpalteMit(f.grdSpieler, "Team"), kFesteSpielerspalten);
    ASSERT_EQ(SpalteMit(f.grdSpieler, "Spieler"), ssTeam);
    ZelleKlicken(lsSpielname, ZeileMit("Alpha"));
    ASSERT_EQ(f.grdSpieler->RowCount(), 5);
    EXPECT_EQ(Spielerzelle(SpalteMit(f.grdSpieler, "Spieler"), 2), "Spieler B");
    EXPECT_EQ(Spielerzelle(SpalteMit(f.grdSpieler, "Rasse"), 2), "Orkz");
    EXPECT_EQ(Spielerzelle(SpalteMit(f.grdSpieler, "Team"), 2), "2");
}

TEST_F(MainTest, NurBoxenSpaltenAenderbarUndNurDatenspaltenVerschiebbar) {
    auto& f = Oeffnen();
    for (int spalte = -2; spalte <= 7; ++spalte) {
        SCOPED_TRACE(spalte);
        bool canEdit = false;
        f.grdReplays->OnCanEditCell(f.grdReplays, 1, spalte, canEdit);
        EXPECT_EQ(canEdit, spalte == lsNummer || spalte == lsBox);
        bool allow = true;
        f.grdReplays->OnColumnMove(f.grdReplays, spalte, allow);
        EXPECT_EQ(allow, spalte >= kFesteListenspalten && spalte <= lsDatum);
    }
}

TEST_F(MainTest, KopfklickAendertDasPanelNie) {
    InBibliothek("a.rec", Bau("Alpha"));
    InBibliothek("b.rec", Bau("Beta"));
    auto& f = Oeffnen();
    const std::string vorher = Angezeigt();
    for (int c = 0; c < static_cast<int>(kListenspalten.size()); ++c) {
        if (c == lsBox) continue;  // the header box: checks every row, tested above
        Klick(f.grdReplays, c, 0);
        EXPECT_EQ(Angezeigt(), vorher) << c;
    }
    EXPECT_TRUE(dlg.Aufrufe.empty());
}

TEST_F(MainTest, NichtOeffnbaresReplayStehtMitSeinemNamenDa) {
    // A folder named like a replay is listed but cannot be opened as a file: no date of
    // 1899 is made up for it.
    std::filesystem::create_directories(Bibliothek() + "kaputt.rec");
    auto& f = Oeffnen();
    EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"Fehler beim öffnen der Datei.\r\nkaputt.rec"});
    ASSERT_EQ(f.grdReplays->RowCount(), 2);
    EXPECT_EQ(Zelle(lsSpielname, 1), "kaputt.rec");
    EXPECT_EQ(Zelle(lsAnzahl, 1), "");
    EXPECT_EQ(Zelle(lsKarte, 1), "nicht lesbar");
    EXPECT_EQ(Zelle(lsDatum, 1), "");
    EXPECT_EQ(f.lblDateiname->text(), QStringLiteral("kaputt.rec"));
    // Told once: the same file at the next refresh is named in the status line only.
    dlg.Vergessen();
    QTest::keyClick(&f, Qt::Key_F5);
    EXPECT_TRUE(dlg.Aufrufe.empty());
    EXPECT_EQ(f.statusBar()->currentMessage().toStdString(), "1 Replay in " + Bibliothek() + ", 1 Datei nicht lesbar");
    for (auto* chk : f.grpSiegbedingungen->findChildren<QCheckBox*>()) EXPECT_FALSE(chk->isChecked());
}

// Files the reader cannot read (another edition's, or cut off) are named in one box after
// the scan, ten at most, and listed by their file names; the rename leaves them alone.
TEST_F(MainTest, UngeleseneDateienStehenMitIhremNamenInDerListe) {
    for (int i = 0; i < 12; ++i) std::ofstream(Bibliothek() + "kaputt" + std::to_string(10 + i) + ".rec") << "xx";
    InBibliothek("gut.rec", Bau("Gut"));
    auto& f = Oeffnen();
    ASSERT_EQ(dlg.Nachrichten().size(), 1u);
    const std::string text = dlg.Nachrichten()[0];
    EXPECT_EQ(text.rfind("Diese 12 Dateien kann Quellarch nicht lesen; die Liste zeigt sie nur mit ihrem Dateinamen:\r\nkaputt", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 15), "\r\nund 2 weitere");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11);
    EXPECT_EQ(Gezeigt().size(), 13u);
    const int zeile = ZeileMit("kaputt15.rec");
    ASSERT_GE(zeile, 1);
    EXPECT_EQ(Zelle(lsKarte, zeile), "nicht lesbar");
    EXPECT_EQ(Zelle(lsAnzahl, zeile), "");
    EXPECT_NE(Zelle(lsDatum, zeile), "") << "the file's own date";
    ZelleKlicken(lsSpielname, zeile);
    EXPECT_EQ(f.lblReplayname->VollText(), QStringLiteral("Quellarch kann diese Datei nicht lesen."));
    dlg.Vergessen();
    QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);
    ASSERT_EQ(dlg.Nachrichten(),
              std::vector<std::string>{"kaputt15.rec wurde nicht umbenannt: Quellarch kann die Datei nicht lesen."});
}

TEST_F(MainTest, SiegbedingungenSpiegelnDasGezeigteReplay) {
    ReplayBauer alle = Bau("Alle");
    alle.Siegbedingungen = {0xF6999082, 0x931DD8F4, 0xBAF8C0A1, 0xD18450C7, 0x2BD05ECA, 0x337F20F5, 0x74C54396};
    ReplayBauer keine = Bau("Keine");
    keine.Siegbedingungen.clear();
    InBibliothek("a.rec", alle);
    InBibliothek("b.rec", keine);
    auto& f = Oeffnen();
    const auto boxen = f.grpSiegbedingungen->findChildren<QCheckBox*>();
    ASSERT_EQ(boxen.size(), 7);
    for (const char* name : {"Alle", "Keine", "Alle"}) {
        ZelleKlicken(lsSpielname, ZeileMit(name));
        const bool gesetzt = std::string(name) == "Alle";
        for (auto* chk : boxen) {
            EXPECT_EQ(chk->isChecked(), gesetzt) << name;
            // Drawn as a live box, the unset ones' captions grey; still no click changes it.
            EXPECT_TRUE(chk->isEnabled());
            EXPECT_EQ(chk->palette().color(QPalette::WindowText) == f.palette().color(QPalette::WindowText), gesetzt);
            EXPECT_EQ(chk->focusPolicy(), Qt::NoFocus);
            QTest::mouseClick(chk, Qt::LeftButton);
            EXPECT_EQ(chk->isChecked(), gesetzt) << "read-only";
        }
    }
}

// A name too long for its place ends in "…", and its tooltip shows it whole, as text.
TEST_F(MainTest, GekuerzterTextZeigtSichImTooltip) {
    const std::string lang = "<b>Ein sehr langer Spielname</b>";
    InBibliothek("a.rec", Bau(lang));
    auto& f = Oeffnen();
    const QString voll = QString::fromStdString(lang);
    EXPECT_TRUE(f.lblReplayname->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(f.lblReplayname->toolTip(), KlartextTooltip(voll));
    TCheckSortGrid* g = f.grdReplays;
    const QRect zelle = g->CellRect(lsSpielname, 1);
    g->SetColWidth(lsSpielname, 60);
    QHelpEvent hilfe(QEvent::ToolTip, zelle.center(), g->viewport()->mapToGlobal(g->CellRect(lsSpielname, 1).center()));
    QApplication::sendEvent(g->viewport(), &hilfe);
    EXPECT_EQ(QToolTip::text(), KlartextTooltip(voll));
    QToolTip::hideText();
}

TEST_F(MainTest, NamenBleibenKlartext) {
    const std::string roh = "<b>x</b><img src=a.png>";
    // Windows forbids '<' and '>' in file names; an entity reads differently as rich text too.
    const std::string datei = plattform::IstPosix() ? "<u>datei&amp;.rec" : "datei &lt;u&gt; &amp;.rec";
    InBibliothek(datei, Bau(roh));
    auto& f = Oeffnen();
    EXPECT_EQ(f.lblReplayname->textFormat(), Qt::PlainText);
    EXPECT_EQ(f.lblDateiname->textFormat(), Qt::PlainText);
    EXPECT_EQ(f.lblReplayname->VollText().toStdString(), roh);
    EXPECT_EQ(f.lblDateiname->VollText().toStdString(), datei);
    EXPECT_EQ(Zelle(lsSpielname, 1), roh);
}

// Every name of the shared table as the list row, the detail panel's heading and the
// player list show it, and as a rename through the query leaves it.
TEST_F(MainTest, JederTestnameInListeDetailsUndUmbenennen) {
    const auto& namen = Testnamen();
    for (std::size_t i = 0; i < namen.size(); ++i) {
        ReplayBauer bau = Bau("x");
        bau.Name = namen[i].gespeichert;
        bau.Spieler[0].Name = namen[i].gespeichert;
        InBibliothek("n" + std::to_string(10 + i) + ".rec", bau);
    }
    InBibliothek("umbenennen.rec", Bau("Vorher"));
    auto& f = Oeffnen();
    const int spielname = SpalteMit(f.grdReplays, "Spielname");
    for (const TTestname& name : namen) {
        SCOPED_TRACE(name.titel);
        const int zeile = ZeileMit(name.angezeigt);
        ASSERT_GE(zeile, 1);
        ZelleKlicken(spielname, zeile);
        EXPECT_EQ(f.lblReplayname->VollText(), QString::fromStdString(name.angezeigt));
        EXPECT_EQ(Spielerzelle(ssSpieler, 1), name.angezeigt);

        ZelleKlicken(spielname, ZeileVon("umbenennen.rec"));
        // An empty name is refused, and the query cancelled; a long one is cut as typed.
        dlg.Eingeben(name.angezeigt);
        if (name.angezeigt.empty()) dlg.EingabeAbbrechen();
        QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);
        const std::string jetzt = ReplayNachDatei("umbenennen.rec")->Spielname;
        if (name.umbenennbar) {
            EXPECT_EQ(jetzt, name.angezeigt);
        } else if (!name.angezeigt.empty()) {
            EXPECT_TRUE(name.angezeigt.rfind(jetzt, 0) == 0 && NeuerNameGueltig(jetzt)) << jetzt;
        }
    }
}

// Right-to-left scripts and stacked combining marks: left aligned like every name, and
// neither cut at the cell's or the label's edges.
TEST_F(MainTest, RechtsNachLinksUndKombinierendeZeichenPassenHinein) {
    const std::string namen[] = {"مباراة نهائية", "משחק גמר 2", "Z̴̖̓a̐̕l̓̚g͕̈o̳̊", "Ǻ̈ ẙ̱"};
    for (int i = 0; i < 4; ++i) InBibliothek("r" + std::to_string(i) + ".rec", Bau(namen[i]));
    InBibliothek("z.rec", Bau("Erste Zeile"));
    auto& f = Oeffnen();
    const int spielname = SpalteMit(f.grdReplays, "Spielname");
    for (const std::string& name : namen) {
        SCOPED_TRACE(name);
        const int zeile = ZeileMit(name);
        ASSERT_GE(zeile, 1);
        const QRect zelle = f.grdReplays->CellRect(spielname, zeile);
        // The grid shows its current row selected; another row is plain.
        ZelleKlicken(spielname, ZeileMit("Erste Zeile"));
        const QRect tinte = Tinte(f.grdReplays->viewport(), zelle.adjusted(0, 0, -2, -2));
        ASSERT_FALSE(tinte.isEmpty());
        EXPECT_LE(tinte.left(), zelle.left() + 4) << "left aligned";
        EXPECT_GT(tinte.top(), zelle.top()) << "cut at the top";
        EXPECT_LT(tinte.bottom(), zelle.bottom() - 1) << "cut at the bottom";

        ZelleKlicken(spielname, zeile);
        QLabel* lbl = f.lblReplayname;
        const QRect kopf = Tinte(lbl, lbl->rect());
        ASSERT_FALSE(kopf.isEmpty());
        EXPECT_LE(kopf.left(), 3) << "left aligned";
        EXPECT_LT(kopf.right(), lbl->width() - 1) << "cut at the right";
        EXPECT_GT(kopf.top(), 0) << "cut at the top; room above " << lbl->contentsMargins().top() << ", at "
                                 << lbl->y() << ", ink " << kopf.top() << ".." << kopf.bottom() << " of "
                                 << lbl->height();
        EXPECT_LT(kopf.bottom(), lbl->height() - 1) << "cut at the bottom";
    }
}

TEST_F(MainTest, SucheFiltertBeimTippenUndEscLeert) {
    InBibliothek("a.rec", Bau("Alpha", 2, "2P_BLOOD_RIVER"));
    InBibliothek("b.rec", Bau("Beta", 2, "2P_BATTLE_MARSHES"));
    InBibliothek("c.rec", Bau("Gamma Beta", 2, "4P_QUATRA"));
    auto& f = Oeffnen();
    EXPECT_EQ(QApplication::focusWidget(), f.grdReplays) << "the list keeps the first focus";
    EXPECT_FALSE(f.lblTreffer->isVisible());
    struct Fall {
        const char* tasten;
        std::vector<std::string> gezeigt;
        const char* zaehler;
    };
    const Fall faelle[] = {
        {"BETA", {"Beta", "Gamma Beta"}, "2 von 3"},
        {"sumpf", {"Beta"}, "1 von 3"},  // the map's display name
        {"beta quatra", {"Gamma Beta"}, "1 von 3"},
        {"\"beta gamma\"", {}, "0 von 3"},
        {"   ", {"Alpha", "Beta", "Gamma Beta"}, nullptr},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.tasten);
        Suchen(fall.tasten);
        EXPECT_EQ(QApplication::focusWidget(), f.edtSuche);
        EXPECT_EQ(f.edtSuche->text(), QString::fromUtf8(fall.tasten)) << "Ctrl+F selects the old text";
        EXPECT_EQ(Gezeigt(true), fall.gezeigt);
        EXPECT_EQ(f.lblTreffer->isVisible(), fall.zaehler != nullptr);
        if (fall.zaehler) {
            EXPECT_EQ(f.lblTreffer->text(), QString::fromUtf8(fall.zaehler));
        }
    }
    Suchen("alpha");
    QTest::keyClick(f.edtSuche, Qt::Key_Escape);
    EXPECT_EQ(f.edtSuche->text(), QString());
    EXPECT_EQ(Gezeigt(true), (std::vector<std::string>{"Alpha", "Beta", "Gamma Beta"}));
    EXPECT_FALSE(f.lblTreffer->isVisible());
    EXPECT_TRUE(dlg.Aufrufe.empty());
}

// A mark belongs to its replay, and the order to the list, whatever the search hides.
TEST_F(MainTest, HakenUndSortierungUeberlebenDieSuche) {
    InBibliothek("a.rec", Bau("Alpha"));
    InBibliothek("b.rec", Bau("Beta"));
    InBibliothek("c.rec", Bau("Gamma"));
    auto& f = Oeffnen();
    BoxKlicken(0);  // all three checked
    Suchen("alpha");
    BoxKlicken(0);  // unchecks the one shown
    SucheLeeren();
    bool haken = false;
    for (const char* name : {"Alpha", "Beta", "Gamma"}) {
        ASSERT_TRUE(Box(ZeileMit(name), &haken));
        EXPECT_EQ(haken, std::string(name) != "Alpha") << name;
    }

    Klick(f.grdReplays, lsSpielname, 0);
    Klick(f.grdReplays, lsSpielname, 0);  // descending
    Suchen("a");
    EXPECT_EQ(Gezeigt(), (std::vector<std::string>{"Gamma", "Beta", "Alpha"}));
    Suchen("mm");
    Klick(f.grdReplays, lsSpielname, 0);  // ascending, sorted while filtered
    SucheLeeren();
    EXPECT_EQ(Gezeigt(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_TRUE(dlg.Aufrufe.empty());
}

// The panel shows what the user clicked, hidden or not; a refresh keeps the search.
TEST_F(MainTest, AktualisierenBehaeltDieSucheUndDasPanelDenKlick) {
    InBibliothek("a.rec", Bau("Alpha"));
    InBibliothek("b.rec", Bau("Beta"));
    auto& f = Oeffnen();
    ZelleKlicken(lsSpielname, ZeileMit("Alpha"));
    Suchen("beta");
    EXPECT_EQ(Angezeigt(), "Alpha") << "the panel keeps the hidden replay";
    EXPECT_EQ(f.grdReplays->CurrentRow(), -1) << "no shown row is selected";

    InBibliothek("c.rec", Bau("Noch ein Beta"));
    QTest::mouseClick(f.tbtRefresh, Qt::LeftButton);
    EXPECT_EQ(f.edtSuche->text(), QStringLiteral("beta"));
    EXPECT_EQ(Gezeigt(true), (std::vector<std::string>{"Beta", "Noch ein Beta"}));
    EXPECT_EQ(f.lblTreffer->text(), QStringLiteral("2 von 3"));
    // The first row shown is the current one and in the panel.
    const int zeile = f.grdReplays->CurrentRow();
    ASSERT_EQ(zeile, ZeileMit(Gezeigt().front()));
    EXPECT_EQ(Angezeigt(), Gezeigt().front());
}

}  // namespace
