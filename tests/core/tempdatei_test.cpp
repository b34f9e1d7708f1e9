// The one way a new file comes into a folder: a private temporary file, moved to its name
// without replacing anything, or put in the place of a file only while that is unchanged;
// and the clean-up of what an interrupted step left.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/dateistempel.h"
#include "core/platform/dateisystem.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/pfad.h"
#include "core/platform/tempdatei.h"
#include "support/nurposix.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"

using namespace plattform;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

class TempDateiTest : public testing::Test {
protected:
    void TearDown() override { FehlerplanLeeren(); }

    // A finished temporary file holding inhalt, stamped like vorbild.
    std::unique_ptr<TempDatei> Fertig(const Bytes& inhalt, const std::string& vorbild) {
        auto temp = TempDatei::Anlegen(t);
        EXPECT_NE(temp, nullptr);
        Dateizustand z;
        EXPECT_TRUE(ZustandLesen(vorbild, z));
        EXPECT_TRUE(temp->Schreiben(inhalt.data(), inhalt.size()));
        EXPECT_TRUE(temp->Abschliessen(z));
        return temp;
    }
    int Temporaere() const {
        int n = 0;
        for (const auto& e : fs::directory_iterator(t)) n += IstTempName(e.path().filename().string());
        return n;
    }
    std::int64_t Tage(int n) const { return StempelZeitJetzt() + n * 24 * 3600 * StempelProSekunde(); }

    TempVerzeichnis temp;
    const std::string t = temp.Pfad();
};

}  // namespace

TEST(TempName, EigeneFormUndDieAlte) {
    const std::string neu = TempName();
    EXPECT_NE(neu, TempName());
    for (const auto& [name, unserer] : std::vector<std::pair<std::string, bool>>{
             {neu, true},
             {"QUELLARCH-0123456789ABCDEF.TMP", true},
             {"NeuerName.tmp", true},
             {"neuername.TMP", true},
             {"quellarch-0123456789abcdeg.tmp", false},
             {"quellarch-0123456789abcde.tmp", false},
             {"quellarch-0123456789abcdef.rec", false},
             {"x-0123456789abcdef.tmp", false},
         }) {
        SCOPED_TRACE(name);
        EXPECT_EQ(IstTempName(name), unserer);
    }
}

// The three ways POSIX offers, and Windows' one: each leaves what stands under the name
// alone, and each moves a finished file to a free name.
TEST_F(TempDateiTest, EinsetzenErsetztNie) {
    struct Weg {
        const char* titel;
        bool ohneNoreplace, ohneLink;
    };
    std::vector<Weg> wege = {{"der erste Weg", false, false}};
    if (IstPosix()) {
        wege.push_back({"ohne RENAME_NOREPLACE", true, false});
        wege.push_back({"ohne RENAME_NOREPLACE und link", true, true});
    }
    const Bytes inhalt = {'n', 'e', 'u'}, anderes = {'a', 'l', 't'};
    DateiSchreiben(t + "vorbild.rec", inhalt);
    AenderungszeitSetzen(t + "vorbild.rec", 2004, 9, 21, 18, 30, 12);
    for (const Weg& weg : wege) {
        SCOPED_TRACE(weg.titel);
        auto planen = [&] {
            if (weg.ohneNoreplace) FehlerEinplanen(Operation::OhneErsetzenUmbenennen, 1);
            if (weg.ohneLink) FehlerEinplanen(Operation::Verknuepfen, 1);
        };
        DateiSchreiben(t + "belegt.rec", anderes);
        {
            auto datei = Fertig(inhalt, t + "vorbild.rec");
            planen();
            EXPECT_EQ(datei->Einsetzen(t + "belegt.rec"), Einsetzergebnis::Belegt);
            if (IstPosix()) {
                fs::create_symlink(t + "nirgends.rec", t + "verweis.rec");
                planen();
                EXPECT_EQ(datei->Einsetzen(t + "verweis.rec"), Einsetzergebnis::Belegt);
                EXPECT_FALSE(fs::exists(t + "nirgends.rec"));
                fs::remove(t + "verweis.rec");
            }
            planen();
            EXPECT_EQ(datei->Einsetzen(t + "frei.rec"), Einsetzergebnis::Eingesetzt);
        }
        EXPECT_EQ(DateiLesen(t + "belegt.rec"), anderes);
        EXPECT_EQ(DateiLesen(t + "frei.rec"), inhalt);
        EXPECT_EQ(LetzteAenderungFat(t + "frei.rec"), LetzteAenderungFat(t + "vorbild.rec"));
        EXPECT_EQ(Temporaere(), 0);
        fs::remove(t + "frei.rec");
        FehlerplanLeeren();
    }
    // A file that was not moved goes with its owner.
    { auto datei = Fertig(inhalt, t + "vorbild.rec"); }
    EXPECT_EQ(Temporaere(), 0);
}

// The rename's replace: only while the file at the name is the one that was read. The
// last two cases put another file there between the look and the swap.
TEST_F(TempDateiTest, ErsetzenNurWasGelesenWurde) {
    struct Fall {
        const char* titel;
        void (*vorher)(const std::string& ziel);
        bool ohneTausch;  // no RENAME_EXCHANGE (POSIX)
        bool imLetztenAugenblick;
        Ersetzergebnis erwartet;
    };
    std::vector<Fall> faelle = {
        {"unveraendert", nullptr, false, false, Ersetzergebnis::Ersetzt},
        {"neu geschrieben", [](const std::string& z) { DateiSchreiben(z, {'x', 'x', 'x', 'x'}); }, false, false,
         Ersetzergebnis::Geaendert},
        {"verschwunden", [](const std::string& z) { fs::remove(FsPfad(z)); }, false, false, Ersetzergebnis::Geaendert},
    };
    if (IstPosix()) {
        faelle.push_back({"unveraendert, ohne Tausch", nullptr, true, false, Ersetzergebnis::Ersetzt});
        faelle.push_back({"im letzten Augenblick ersetzt", nullptr, false, true, Ersetzergebnis::Geaendert});
    }
    const Bytes alt = {'a', 'l', 't', '!'}, neu = {'n', 'e', 'u'}, fremd = {'f', 'r', 'e', 'm', 'd'};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        const std::string ziel = t + "replay.rec";
        DateiSchreiben(ziel, alt);
        Dateizustand gelesen;
        ASSERT_TRUE(ZustandLesen(ziel, gelesen));
        {
            auto datei = Fertig(neu, ziel);
            if (fall.vorher) fall.vorher(ziel);
            if (fall.ohneTausch) FehlerEinplanen(Operation::OhneErsetzenUmbenennen, 1);
            if (fall.imLetztenAugenblick)
                AktionEinplanen(Operation::OhneErsetzenUmbenennen, 1, [&] {
                    DateiSchreiben(ziel + ".x", fremd);
                    fs::rename(ziel + ".x", ziel);
                });
            EXPECT_EQ(datei->Ersetzen(ziel, gelesen), fall.erwartet);
        }
        if (fall.erwartet == Ersetzergebnis::Ersetzt) { EXPECT_EQ(DateiLesen(ziel), neu); }
        if (fall.imLetztenAugenblick) { EXPECT_EQ(DateiLesen(ziel), fremd); }
        EXPECT_EQ(Temporaere(), 0);
        fs::remove(FsPfad(ziel));
        FehlerplanLeeren();
    }
}

TEST_F(TempDateiTest, ResteGehenNurAlt) {
    // Made now; "now" is moved below, as the clock the clean-up reads can be set.
    DateiSchreiben(t + "NeuerName.tmp", {'a'});
    DateiSchreiben(t + TempName(), {'b'});
    DateiSchreiben(t + "eigene.tmp", {'c'});
    auto offen = TempDatei::Anlegen(t);
    ASSERT_NE(offen, nullptr);
    if (IstPosix()) fs::create_symlink(t + "eigene.tmp", t + TempName());

    EXPECT_EQ(TempResteEntfernen(t), 0) << "nothing is old yet";
    UhrStellen(Tage(2));
    // The held one stays (on Windows it is held too, by an open that shares no deletion),
    // the link stays: neither is a file that no process holds.
    EXPECT_EQ(TempResteEntfernen(t), 2);
    EXPECT_TRUE(fs::exists(t + "eigene.tmp"));
    EXPECT_TRUE(fs::exists(offen->Pfad()));
    EXPECT_EQ(Temporaere(), IstPosix() ? 2 : 1);
}

TEST_F(TempDateiTest, VollerDatentraegerUndFehlenderOrdner) {
    Dateifehler warum = Dateifehler::Keiner;
    EXPECT_EQ(TempDatei::Anlegen(t + "fehlt/", &warum), nullptr);
    EXPECT_EQ(warum, Dateifehler::OrdnerFehlt);
    auto datei = TempDatei::Anlegen(t);
    ASSERT_NE(datei, nullptr);
    FehlerEinplanen(Operation::Schreiben, 1);
    const char x = 'x';
    EXPECT_FALSE(datei->Schreiben(&x, 1));
    EXPECT_EQ(datei->Warum(), Dateifehler::Voll);
}
