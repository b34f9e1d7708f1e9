#pragma once
// Shared by the main window's widget tests: a game folder and a library folder in a fresh
// temporary folder, builder-made replays, the window opened with the scripted dialogs, and
// real clicks at exact cell pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/fehler.h"
#include "core/platform/fehlerplan.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/kurzlabel.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "support/heimordner.h"
#include "support/replaybauer.h"
#include "support/skriptdialoge.h"
#include "support/tempverzeichnis.h"

class MainTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(Playback());
        std::filesystem::create_directories(Bibliothek());
        std::ofstream(Spiel() + "W40k.exe") << "MZ";
        plattform::FehlerplanLeeren();
    }
    void TearDown() override {
        fenster.reset();
        plattform::FehlerplanLeeren();
        DOWVerzeichnis.clear();
        ReplayVerzeichnis.clear();
        Replays.clear();
    }

    std::string Spiel() const { return tmp.Pfad() + "game/"; }
    std::string Playback() const { return tmp.Pfad() + "game/Playback/"; }
    std::string Bibliothek() const { return tmp.Pfad() + "library/"; }

    // A replay named name (UTF-8) with the given number of players on map karte.
    static ReplayBauer Bau(const std::string& name, int spieler = 2, const std::string& karte = "2P_BLOOD_RIVER") {
        ReplayBauer bau;
        bau.Name = Utf16AusUtf8(name);
        bau.KartenSchluessel = karte;
        bau.Spieler.clear();
        for (int i = 0; i < spieler; ++i) {
            SpielerBau s;
            s.Name = u"Spieler " + std::u16string(1, static_cast<char16_t>(u'A' + i));
            s.Rasse = i % 2 ? "ork_race" : "eldar_race";
            s.Team = static_cast<std::uint32_t>(i % 2);
            bau.Spieler.push_back(s);
        }
        return bau;
    }
    std::string InBibliothek(const std::string& datei, const ReplayBauer& bau) const {
        bau.Schreiben(Bibliothek() + datei);
        return Bibliothek() + datei;
    }

    // Opens the window as the program does, with both directories set unless told otherwise;
    // the start-up sequence runs in the constructor, answered by dlg.
    TfrmMain& Oeffnen(bool eingerichtet = true) {
        std::string dow = eingerichtet ? Spiel() : std::string();
        std::string bib = eingerichtet ? Bibliothek() : std::string();
        fenster = std::make_unique<TfrmMain>(dlg, Regionaleinstellungen::Deutsch(), [dow, bib] {
            DOWVerzeichnis = dow;
            ReplayVerzeichnis = bib;
            return DOWVerzeichnis.empty() || ReplayVerzeichnis.empty();
        });
        fenster->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
        return *fenster;
    }

    // ---- Reading what the user sees. Until a test moves a column, a column's identity
    // (lsSpielname, ssRasse) is also its position.
    // The position of the column whose header reads kopf, or -1.
    static int SpalteMit(const TCheckSortGrid* grid, const std::string& kopf) {
        for (int c = 0; c < grid->ColCount(); ++c)
            if (grid->CellStr(c, 0) == kopf) return c;
        return -1;
    }
    std::string Zelle(int spalte, int zeile) const { return fenster->grdReplays->CellStr(spalte, zeile); }
    std::string Spielerzelle(int spalte, int zeile) const { return fenster->grdSpieler->CellStr(spalte, zeile); }
    std::string Angezeigt() const { return fenster->lblReplayname->VollText().toStdString(); }
    bool Box(int zeile, bool* haken = nullptr) const {
        bool h = false;
        bool da = fenster->grdReplays->ReadCheckBox(lsBox, zeile, h);
        if (haken) *haken = h;
        return da;
    }
    // The replay of the last scan read from this file; fails the test when there is none.
    static const TReplay* ReplayNachDatei(const std::string& datei) {
        for (const auto& r : Replays)
            if (r->Dateiname == datei) return r.get();
        ADD_FAILURE() << "no replay " << datei;
        static const TReplay* keins = nullptr;
        return keins;
    }
    // The row that shows the replay of this file, found by its number, or -1.
    int ZeileVon(const std::string& datei) const {
        for (int r = 1; r < fenster->grdReplays->RowCount(); ++r) {
            const std::string nummer = Zelle(lsNummer, r);
            if (!nummer.empty() && Replays[static_cast<size_t>(std::stoi(nummer) - 1)]->Dateiname == datei) return r;
        }
        return -1;
    }
    // The row whose "Spielname" column reads name, or -1.
    int ZeileMit(const std::string& name) const {
        const int spalte = SpalteMit(fenster->grdReplays, "Spielname");
        for (int r = 1; r < fenster->grdReplays->RowCount(); ++r)
            if (Zelle(spalte, r) == name) return r;
        return -1;
    }

    // The "Spielname" of every shown row, top to bottom, or sorted by name.
    std::vector<std::string> Gezeigt(bool sortiert = false) const {
        std::vector<std::string> namen;
        const int spalte = SpalteMit(fenster->grdReplays, "Spielname");
        for (int r = 1; r < fenster->grdReplays->RowCount(); ++r)
            if (!fenster->grdReplays->RowHidden(r)) namen.push_back(Zelle(spalte, r));
        if (sortiert) std::sort(namen.begin(), namen.end());
        return namen;
    }
    // Types into the search field as the user does: Ctrl+F, then the keys.
    void Suchen(const char* text) {
        QTest::keyClick(fenster.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
    }
    // Ctrl+F, then Esc.
    void SucheLeeren() {
        QTest::keyClick(fenster.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    }

    // Lets the folder watch report what the test changed and the window take it in: the
    // reports come at once on Linux, and through Wine's server a moment later under Wine.
    void Liefern() {
        for (int i = 0; i < 8; ++i) {
            QTest::qWait(25);
            fenster->Live()->JetztAbholen();
        }
    }

    // ---- Real clicks.
    static void Klick(TCheckSortGrid* grid, int spalte, int zeile) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->CellRect(spalte, zeile).center());
    }
    void ZelleKlicken(int spalte, int zeile) { Klick(fenster->grdReplays, spalte, zeile); }
    // Drags the header of column von onto the header of column nach, as a user moves a column.
    static void KopfZiehen(TCheckSortGrid* grid, int von, int nach) {
        const QPoint a = grid->CellRect(von, 0).center(), b = grid->CellRect(nach, 0).center();
        QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, a);
        QTest::mouseMove(grid->viewport(), (a + b) / 2);
        QTest::mouseMove(grid->viewport(), b);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, b);
    }
    void BoxKlicken(int zeile) {
        QTest::mouseClick(fenster->grdReplays->viewport(), Qt::LeftButton, Qt::NoModifier,
                          fenster->grdReplays->CheckBoxRect(lsBox, zeile).center());
    }

    TempVerzeichnis tmp;
    Heimordner heim;  // no game search in the machine's own home and Wine prefix
    SkriptDialoge dlg;
    std::unique_ptr<TfrmMain> fenster;
    bool optionenGesehen_ = false;  // a modal "Optionen" came up and was closed
};

