#pragma once
// Shared by the options dialog's tests: a stand-in main window as owner, config.ini in a
// fresh folder, and real clicks and keystrokes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/platform/fehlerplan.h"
#include "core/platform/ini.h"
#include "core/variablen.h"
#include "gui/optionenunit.h"
#include "support/heimordner.h"
#include "support/skriptdialoge.h"
#include "support/tempverzeichnis.h"

class OptionenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigDatei = tmp.Pfad() + "config.ini";
        DOWVerzeichnis.clear();
        ReplayVerzeichnis.clear();
        DOWProgramm.clear();
        Installationen.clear();
        WeiterePlaybackOrdner.clear();
        plattform::FehlerplanLeeren();
        // Inside the offscreen screen's 800 x 600, which Qt keeps dialogs within.
        owner.setGeometry(40, 30, 720, 540);
        owner.show();
    }
    void TearDown() override {
        plattform::FehlerplanLeeren();
        if (dialog) delete dialog.data();
        ConfigDatei.clear();
        DOWVerzeichnis.clear();
        ReplayVerzeichnis.clear();
        DOWProgramm.clear();
        Installationen.clear();
        WeiterePlaybackOrdner.clear();
    }

    // Opened the way the main window opens it, but without the modal loop so the test
    // can click; exec() itself is tested once.
    TfrmOptionen* Oeffnen() {
        dialog = new TfrmOptionen(&owner, dlg);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        return dialog;
    }

    static void Klick(QAbstractButton* knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }

    // Replaces the edit's whole text by typing, as the user would.
    static void Eintippen(QLineEdit* edit, const QString& text) {
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        // keyClicks knows only ASCII; an umlaut comes as a key event carrying its text.
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // A mnemonic (Alt+O, Alt+A) clicks its button only after the button's short press
    // animation, so wait for the dialog to go.
    bool SchliesstSich() {
        // The wait's own answer is not needed: Freigegeben() is what the tests check.
        (void)QTest::qWaitFor([this] { return dialog.isNull() || !dialog->isVisible(); }, 2000);
        return Freigegeben();
    }

    // True when the dialog has freed itself once the pending deletions ran.
    bool Freigegeben() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }

    static QString Text(const std::string& pfad) { return QString::fromStdString(pfad); }

    static std::string Ordner(const std::string& pfad) {
        std::filesystem::create_directories(pfad);
        return pfad;
    }

    // A game folder as the game leaves it: W40k.exe and a Playback folder; with its separator.
    // The name is UTF-8 on every platform.
    std::string Spielordner(const std::string& name = "dow") const {
        const std::string ordner = tmp.Pfad() + name + "/";
        const std::filesystem::path pfad(std::u8string(ordner.begin(), ordner.end()));
        std::filesystem::create_directories(pfad / "Playback");
        std::ofstream(pfad / "W40k.exe") << "MZ";
        return ordner;
    }

    // config.ini as the next start would see it.
    // What OK wrote into config.ini, as it stands there.
    static std::pair<std::string, std::string> Gespeichert() {
        return {plattform::IniLesen(ConfigDatei, "Verzeichnisse", "DOW", "nicht gelesen"),
                plattform::IniLesen(ConfigDatei, "Verzeichnisse", "Replays", "nicht gelesen")};
    }

    TempVerzeichnis tmp;
    Heimordner heim;  // no game search in the machine's own home and Wine prefix
    QWidget owner;
    SkriptDialoge dlg;
    QPointer<TfrmOptionen> dialog;
};
