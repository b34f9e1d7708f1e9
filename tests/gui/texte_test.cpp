// The words for what the core reports, in German and English, and which language a
// player's system asks for.
#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "gui/kerntexte.h"
#include "gui/kopiermeldung.h"
#include "gui/uebersetzung.h"

namespace {

// Runs a test in one language and goes back to German, the widget tests' own.
struct InSprache {
    explicit InSprache(TSprache sprache) { SpracheLaden(sprache); }
    ~InSprache() { SpracheLaden(TSprache::Deutsch); }
};

TKopierbericht Bericht(const std::vector<TKopierstand>& staende) {
    TKopierbericht bericht;
    for (TKopierstand s : staende) bericht.Dateien.push_back({"x.rec", s});
    return bericht;
}

}  // namespace

// The counts say what really happened, with singular and plural right in both languages.
TEST(Kopiermeldung, ZaehltWasWirklichKopiertWurde) {
    using S = TKopierstand;
    const struct {
        std::vector<S> staende;
        const char* deutsch;
        const char* englisch;
    } faelle[] = {
        {{}, "0 Replays wurden kopiert.", "0 replays were copied."},
        {{S::Kopiert}, "1 Replay wurde kopiert.", "1 replay was copied."},
        {{S::Kopiert, S::SchonDa, S::SchonDa}, "1 Replay wurde kopiert.\r\n2 Replays waren schon vorhanden.",
         "1 replay was copied.\r\n2 replays were in the library already."},
        {{S::WirdGeschrieben, S::ZuGross},
         "0 Replays wurden kopiert.\r\n1 Replay wird noch geschrieben und kommt beim nächsten Import mit.\r\n"
         "1 Replay wurde nicht kopiert:\r\nx.rec: zu groß",
         "0 replays were copied.\r\n1 replay is still being written and will come along with the next import.\r\n"
         "1 replay was not copied:\r\nx.rec: too large"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.deutsch);
        EXPECT_EQ(KopierMeldung(Bericht(fall.staende), TKopierart::Import), fall.deutsch);
        InSprache englisch(TSprache::Englisch);
        EXPECT_EQ(KopierMeldung(Bericht(fall.staende), TKopierart::Import), fall.englisch);
    }
}

TEST(Sprache, FolgtDemSystemUndDerEinstellung) {
    const struct {
        const char* einstellung;
        QStringList system;
        TSprache sprache;
    } faelle[] = {
        {"", {"de-DE", "en-US"}, TSprache::Deutsch},
        {"", {"de-AT"}, TSprache::Deutsch},
        {"", {"en-GB"}, TSprache::Englisch},
        {"", {"fr-FR"}, TSprache::Englisch},
        {"", {"fr-FR", "de-DE"}, TSprache::Deutsch},  // German is listed before English
        {"", {"C"}, TSprache::Deutsch},
        {"", {}, TSprache::Deutsch},
        {"Automatisch", {"ru-RU"}, TSprache::Englisch},
        {"Deutsch", {"en-US"}, TSprache::Deutsch},
        {"English", {"de-DE"}, TSprache::Englisch},
        {"Klingonisch", {"de-DE"}, TSprache::Deutsch},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.einstellung + (" / " + fall.system.join(',').toStdString()));
        EXPECT_EQ(SpracheAusEinstellung(fall.einstellung, fall.system), fall.sprache);
    }
}
