// The live library in the window: a game the game writes into Playback is saved by itself
// and told in the status line, and nothing is saved with the option off.
#include <QStatusBar>

#include "core/platform/fehlerplan.h"
#include "mainunit_testhilfe.h"

namespace {

TEST_F(MainTest, NeuesSpielWirdGespeichertUndGemeldet) {
    for (const bool an : {true, false}) {
        SCOPED_TRACE(an);
        AutoSpeichern = an;
        fenster.reset();
        std::filesystem::remove_all(Bibliothek());
        std::filesystem::create_directories(Bibliothek());
        std::filesystem::remove_all(Playback());
        std::filesystem::create_directories(Playback());
        InBibliothek("alt.rec", Bau("Alt"));
        auto& f = Oeffnen();
        dlg.Vergessen();

        ReplayBauer spiel = Bau("Neu", 2, "2P_BATTLE_MARSHES");
        spiel.Schreiben(Playback() + "temp.rec");
        Liefern();

        std::vector<std::string> dateien;
        for (const auto& e : std::filesystem::directory_iterator(Bibliothek()))
            dateien.push_back(e.path().filename().string());
        if (!an) {
            EXPECT_EQ(dateien, std::vector<std::string>{"alt.rec"});
            EXPECT_EQ(Replays.size(), 1u);
            continue;
        }
        ASSERT_EQ(dateien.size(), 2u);
        const std::string neu = dateien[0] == "alt.rec" ? dateien[1] : dateien[0];
        // Named by the template: map and players, not the game's "temp".
        EXPECT_NE(neu.find("Spieler A vs Spieler B"), std::string::npos) << neu;
        EXPECT_EQ(f.statusBar()->currentMessage().toStdString(), "Neues Spiel gespeichert: " + neu);
        EXPECT_GE(ZeileVon(neu), 1);
        EXPECT_TRUE(std::filesystem::exists(Playback() + "temp.rec")) << "Playback stays as the game left it";
        EXPECT_TRUE(dlg.Nachrichten().empty());
    }
    AutoSpeichern = true;
}

// A file another process adds while a refresh reads the folder is not in the scan's
// listing; the watch that runs across the refresh brings it into the list.
TEST_F(MainTest, WasWaehrendDesAktualisierensKommtErscheint) {
    InBibliothek("a.rec", Bau("Alpha"));
    auto& f = Oeffnen();
    bool gekommen = false;
    plattform::AktionEinplanen(plattform::Operation::Oeffnen, 1, [&] {
        InBibliothek("neu.rec", Bau("Neu"));
        gekommen = true;
    });
    f.Aktualisieren1->trigger();
    plattform::FehlerplanLeeren();
    ASSERT_TRUE(gekommen);
    Liefern();
    EXPECT_GE(ZeileVon("neu.rec"), 1);
}

}  // namespace
