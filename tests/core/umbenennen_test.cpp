// The rename rewrite against builder-made replays: the patched sizes and the spliced name,
// the files it must refuse, and a failure at every step of the write and the replace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/fehler.h"
#include "core/platform/dateisystem.h"
#include "core/platform/dateistempel.h"
#include "core/platform/fehlerplan.h"
#include "core/platform/quelldatei.h"
#include "core/platform/tempdatei.h"
#include "core/replay.h"
#include "core/umbenennen.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"
#include "support/nurposix.h"
#include "support/replaybauer.h"
#include "support/tempverzeichnis.h"
#include "support/testdateien.h"
#include "support/testnamen.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Chunks = ReplayBauer::Chunks;

std::uint32_t Wort(const Bytes& b, std::size_t stelle) {
    return b[stelle] | b[stelle + 1] << 8 | b[stelle + 2] << 16 | static_cast<std::uint32_t>(b[stelle + 3]) << 24;
}

void WortSetzen(Bytes& b, std::size_t stelle, std::uint32_t wert) {
    for (int i = 0; i < 4; ++i) b[stelle + i] = static_cast<unsigned char>(wert >> (8 * i));
}

Bytes Utf16Bytes(const std::u16string& text) {
    Bytes b;
    for (char16_t e : text) {
        b.push_back(static_cast<unsigned char>(e & 0xFF));
        b.push_back(static_cast<unsigned char>(e >> 8));
    }
    return b;
}

std::string Mal(const std::string& text, int anzahl) {
    std::string ergebnis;
    for (int i = 0; i < anzahl; ++i) ergebnis += text;
    return ergebnis;
}

constexpr TMeldungsart kFormat = TMeldungsart::UnerwartetesFormat;

ReplayBauer Vorlage(Chunks lage) {
    ReplayBauer bau;
    bau.Name = u"Testspiel";  // L = 18
    bau.ChunkLage = lage;
    bau.KartenSchluessel = "4P_QUATRA";
    bau.Optionen = {11, 12, 13, 14, 15, 16, 17, 18};
    bau.Siegbedingungen = {0xF6999082, 0x74C54396};
    SpielerBau a, b;
    a.Name = u"Gorgutz";
    a.Rasse = "ork_race";
    b.Name = u"Indrick";
    b.Rasse = "eldar_race";
    b.Team = 1;
    b.Kennzahl = 7;
    b.LueckeDavor = 12;
    bau.Spieler = {a, b};
    return bau;
}

class Umbenennen : public ::testing::Test {
protected:
    TempVerzeichnis ordner;
    TAufgezeichneteMeldungen meldungen;
    std::string vorher;

    void SetUp() override {
        vorher = ReplayVerzeichnis;
        ReplayVerzeichnis = ordner.Pfad();
    }
    void TearDown() override {
        plattform::FehlerplanLeeren();
        ReplayVerzeichnis = vorher;
    }

    std::string Pfad(const std::string& name = "spiel.rec") const { return ordner.Pfad() + name; }
    std::string TempPfad() const { return ordner.Pfad() + "NeuerName.tmp"; }
    // Temporary files of the rename in the library folder.
    int Temporaere() const {
        int n = 0;
        for (const auto& eintrag : std::filesystem::directory_iterator(ordner.Pfad()))
            n += plattform::IstTempName(eintrag.path().filename().string());
        return n;
    }

    // Writes the replay and reads it as the scan would.
    std::unique_ptr<TReplay> Anlegen(const ReplayBauer& bau, ReplayLage* lage = nullptr,
                                     const std::string& name = "spiel.rec") {
        ReplayLage l = bau.Schreiben(Pfad(name));
        if (lage) *lage = l;
        auto replay = std::make_unique<TReplay>(Pfad(name), meldungen);
        EXPECT_TRUE(meldungen.Arten.empty());
        return replay;
    }
};

struct NamensFall {
    const char* titel;
    std::u16string name;
};

const NamensFall kNamen[] = {
    {"same byte length", u"Finale123"},
    {"shorter", u"Kurz"},
    {"one character", u"X"},
    {"longer", u"Ein deutlich laengerer"},
    {"25 characters", u"ABCDEFGHIJKLMNOPQRSTUVWXY"},
    {"characters beyond ASCII", u"\u00DCber \u20AC \u00E4\u00F6\u00FC\u00DF"},
};

const Chunks kLagen[] = {Chunks::InfoVorDatabase, Chunks::DatabaseVorInfo, Chunks::DatabaseImSchwanz};

TEST_F(Umbenennen, PatchesBothSizesSplicesTheNameAndKeepsEverythingElse) {
    for (Chunks chunkLage : kLagen) {
        for (const NamensFall& fall : kNamen) {
            SCOPED_TRACE(std::string(fall.titel) + ", chunk layout " + std::to_string(static_cast<int>(chunkLage)));
            meldungen.Arten.clear();
            ReplayLage lage;
            auto alt = Anlegen(Vorlage(chunkLage), &lage);
            const Bytes vorherBytes = DateiLesen(Pfad());
            const std::size_t L = 18, n = fall.name.size(), T = lage.T;
            const std::int64_t d = static_cast<std::int64_t>(2 * n) - static_cast<std::int64_t>(L);

            ReplayUmbenennen(*alt, fall.name, meldungen);

            EXPECT_TRUE(meldungen.Arten.empty());
            EXPECT_EQ(Temporaere(), 0);
            const Bytes b = DateiLesen(Pfad());
            ASSERT_EQ(b.size(), vorherBytes.size() - L + 2 * n);
            const std::size_t neuesD = lage.D > T ? lage.D + d : lage.D;
            EXPECT_EQ(Wort(b, lage.F + 12), Wort(vorherBytes, lage.F + 12) + static_cast<std::uint32_t>(d));
            EXPECT_EQ(Wort(b, neuesD + 12), Wort(vorherBytes, lage.D + 12) + static_cast<std::uint32_t>(d));
            EXPECT_EQ(Wort(b, T + 5), n);

            // Every other byte: the head up to and including the one after "TRSR", and the
            // whole stretch after the old name, shifted by the difference.
            Bytes erwartetKopf(vorherBytes.begin(), vorherBytes.begin() + T + 5);
            Bytes erwartetRest(vorherBytes.begin() + T + 9 + L, vorherBytes.end());
            for (std::size_t feld : {lage.F + 12, lage.D + 12}) {
                if (feld < T) WortSetzen(erwartetKopf, feld, Wort(b, feld));
                else WortSetzen(erwartetRest, feld - (T + 9 + L), Wort(b, feld + d));
            }
            EXPECT_EQ(Bytes(b.begin(), b.begin() + T + 5), erwartetKopf);
            EXPECT_EQ(Bytes(b.begin() + T + 9 + 2 * n, b.end()), erwartetRest);

            TReplay neu(Pfad(), meldungen);
            EXPECT_EQ(neu.Spielname, Utf8AusUtf16(fall.name));
            EXPECT_EQ(neu.NamensLaenge, static_cast<std::int32_t>(2 * n));
            EXPECT_EQ(neu.Dateiname, "spiel.rec");
            EXPECT_EQ(neu.Karte, alt->Karte);
            EXPECT_EQ(neu.Spieleranzahl, alt->Spieleranzahl);
            EXPECT_EQ((std::array{neu.Option1, neu.Option2, neu.Option3, neu.Option4, neu.Option5, neu.Option6,
                                  neu.Option7, neu.Option8}),
                      (std::array{alt->Option1, alt->Option2, alt->Option3, alt->Option4, alt->Option5,
                                  alt->Option6, alt->Option7, alt->Option8}));
            ASSERT_TRUE(neu.Siegbedingungen);
            EXPECT_TRUE(neu.Siegbedingungen->Vernichtung && neu.Siegbedingungen->Erobern);
            EXPECT_FALSE(neu.Siegbedingungen->SuddenDeath || neu.Siegbedingungen->Attentat ||
                         neu.Siegbedingungen->Oeko || neu.Siegbedingungen->Kontrollgebiet || neu.Siegbedingungen->HQ);
            for (int slot = 1; slot <= 8; ++slot) {
                const TSpieler *s = neu.SpielerInSlot(slot), *a = alt->SpielerInSlot(slot);
                ASSERT_EQ(s == nullptr, a == nullptr) << slot;
                if (!s) continue;
                EXPECT_EQ(std::tie(s->Name, s->Rasse, s->Team, s->Kennzahl),
                          std::tie(a->Name, a->Rasse, a->Team, a->Kennzahl));
            }
            EXPECT_TRUE(meldungen.Arten.empty());
        }
    }
}

TEST_F(Umbenennen, SizeFieldsWrapAtThirtyTwoBits) {
    struct Fall {
        std::uint32_t feld;
        std::u16string name;
        std::uint32_t erwartet;
    } faelle[] = {
        {4, u"Ab", 0xFFFFFFF6},           // 18 -> 4 bytes: 4 - 14 wraps below zero
        {0xFFFFFFFE, u"Testspiel12", 2},  // 18 -> 22 bytes: wraps above 2^32
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.feld);
        ReplayLage lage;
        auto alt = Anlegen(Vorlage(Chunks::InfoVorDatabase), &lage);
        Bytes b = DateiLesen(Pfad());
        WortSetzen(b, lage.F + 12, fall.feld);
        WortSetzen(b, lage.D + 12, fall.feld);
        DateiSchreiben(Pfad(), b);
        ReplayUmbenennen(*alt, fall.name, meldungen);
        Bytes nachher = DateiLesen(Pfad());
        EXPECT_EQ(Wort(nachher, lage.F + 12), fall.erwartet);
        EXPECT_EQ(Wort(nachher, lage.D + 12), fall.erwartet);
        EXPECT_TRUE(meldungen.Arten.empty());
    }
}

TEST_F(Umbenennen, TheReplayBecomesANewFileWithItsDateAndPermissionsAndAnOldLeftoverGoes) {
    NUR_UNTER_POSIX();
    namespace fs = std::filesystem;
    auto alt = Anlegen(Vorlage(Chunks::InfoVorDatabase));
    AenderungszeitSetzen(Pfad(), 2001, 5, 6, 7, 8, 10);
    const std::int32_t datum = plattform::LetzteAenderungFat(Pfad());
    fs::permissions(Pfad(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ordner.DateiSchreiben("NeuerName.tmp", "left behind by an older version");
    plattform::Dateizustand vorher;
    ASSERT_TRUE(plattform::ZustandLesen(Pfad(), vorher));
    // Two days later: the leftover no process holds is old enough to go.
    plattform::UhrStellen(plattform::StempelZeitJetzt() + 2 * 24 * 3600 * plattform::StempelProSekunde());

    ReplayUmbenennen(*alt, u"Neu", meldungen);

    EXPECT_TRUE(meldungen.Arten.empty());
    EXPECT_FALSE(plattform::DateiExistiert(TempPfad()));
    // The date the list shows stays; the index sees a new file by its identity.
    EXPECT_EQ(plattform::LetzteAenderungFat(Pfad()), datum);
    plattform::Dateizustand nachher;
    ASSERT_TRUE(plattform::ZustandLesen(Pfad(), nachher));
    EXPECT_NE(nachher.knoten, vorher.knoten);
    EXPECT_EQ(fs::status(Pfad()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Temporaere(), 0);
}

// What an older version or a stranger left under the old fixed name is never opened: a
// link to another replay stays as it was, and a FIFO cannot hang the rename.
TEST_F(Umbenennen, ATakenTemporaryNameIsNeverTrusted) {
    NUR_UNTER_POSIX();
    auto alt = Anlegen(Vorlage(Chunks::InfoVorDatabase));
    const Bytes anderes = Vorlage(Chunks::DatabaseVorInfo).Bauen();
    DateiSchreiben(Pfad("anderes.rec"), anderes);
    std::filesystem::create_symlink(Pfad("anderes.rec"), TempPfad());
    ReplayUmbenennen(*alt, u"Neu", meldungen);
    EXPECT_EQ(DateiLesen(Pfad("anderes.rec")), anderes);
    std::filesystem::remove(TempPfad());
    ASSERT_EQ(std::system(("mkfifo '" + TempPfad() + "'").c_str()), 0);
    ReplayUmbenennen(TReplay(Pfad(), meldungen), u"Neuer", meldungen);
    EXPECT_TRUE(meldungen.Arten.empty());
    EXPECT_EQ(TReplay(Pfad(), meldungen).Spielname, "Neuer");
}

TEST_F(Umbenennen, AMissingOrUnopenableFileGivesItsNoticeAndStaysAsItWas) {
    {
        auto alt = Anlegen(Vorlage(Chunks::InfoVorDatabase));
        std::filesystem::remove(Pfad());
        ReplayUmbenennen(*alt, u"Neu", meldungen);
        EXPECT_EQ(meldungen.Arten, std::vector<TMeldungsart>{TMeldungsart::DateiFehlt});
        EXPECT_FALSE(plattform::DateiExistiert(Pfad()));
        EXPECT_EQ(Temporaere(), 0);
    }
    {
        meldungen.Arten.clear();
        auto alt = Anlegen(Vorlage(Chunks::InfoVorDatabase));
        const Bytes vorherBytes = DateiLesen(Pfad());
        SchreibschutzSetzen(Pfad(), true);
        ReplayUmbenennen(*alt, u"Neu", meldungen);
        SchreibschutzSetzen(Pfad(), false);
        EXPECT_EQ(meldungen.Arten, std::vector<TMeldungsart>{TMeldungsart::Schreibgeschuetzt});
        EXPECT_EQ(DateiLesen(Pfad()), vorherBytes);
        EXPECT_EQ(Temporaere(), 0);
    }
}

// Each case builds a replay, reads it as the scan would, then lets the file or the scan's
// view of it drift before the rename.
struct Ablehnung {
    const char* titel;
    std::function<void(ReplayBauer&)> bauen = nullptr;
    std::function<void(Bytes&, const ReplayLage&)> danach = nullptr;
    std::function<void(TReplay&)> veralten = nullptr;
    std::u16string neuerName = u"Neu";
    std::string dateiname = "spiel.rec";
};

TEST_F(Umbenennen, RefusesFilesTheRewriteWouldDamage) {
    const std::u16string databaseAlsName = u"\u4144\u4154\u4142\u4553";  // the bytes "DATABASE"
    const Ablehnung faelle[] = {
        {"no FOLDINFO", [](ReplayBauer& b) { b.ChunkLage = Chunks::OhneInfo; }},
        {"no DATABASE", [](ReplayBauer& b) { b.ChunkLage = Chunks::OhneDatabase; }},
        {"no TRSR", [](ReplayBauer& b) { b.OhneTrsr = true; }},
        {"file ends inside the old name", {}, [](Bytes& b, const ReplayLage& l) { b.resize(l.NamePos + 17); }},
        {"file ends inside the length field", {}, [](Bytes& b, const ReplayLage& l) { b.resize(l.T + 7); }},
        {"DATABASE size field past the end",
         [](ReplayBauer& b) { b.ChunkLage = Chunks::DatabaseImSchwanz; },
         [](Bytes& b, const ReplayLage& l) { b.resize(l.D + 15); }},
        {"another replay under the same file name",
         {},
         [](Bytes& b, const ReplayLage&) {
             ReplayBauer anderer = Vorlage(Chunks::InfoVorDatabase);
             anderer.Name = u"Ganz anderer Name";
             b = anderer.Bauen();
         }},
        {"stale length", {}, {}, [](TReplay& r) { r.NamensLaenge = 20; }},
        {"odd length", {}, {}, [](TReplay& r) { r.NamensLaenge = 17; }},
        {"a name of 265 characters read as 9", [](ReplayBauer& b) { b.NamensLaengeFeld = 256 + 9; }},
        {"a replay that failed to open at the scan", {}, {}, [](TReplay& r) { r.NamensLaenge = 0; }},
        {"DATABASE inside the old name",
         [&](ReplayBauer& b) {
             b.ChunkLage = Chunks::DatabaseImSchwanz;
             b.Name = databaseAlsName + u"12345";
         }},
        {"a new name that would put DATABASE in front of the real one",
         [](ReplayBauer& b) { b.ChunkLage = Chunks::DatabaseImSchwanz; }, {}, {}, databaseAlsName},
        {"a patch that would hit the FOLDINFO marker",
         {},
         [](Bytes& b, const ReplayLage& l) {
             // "DATABASE" four bytes after the chunk's own marker: its size field covers FOLDINFO.
             std::copy_n("DATABASE", 8, b.begin() + l.D);
             std::copy_n("FOLDINFO", 8, b.begin() + l.D + 12);
             std::copy_n("XXXXXXXX", 8, b.begin() + l.F);
         }},
        {"FOLDINFO right before TRSR, its size field on the name length",
         {},
         [](Bytes& b, const ReplayLage& l) {
             std::copy_n("XXXXXXXX", 8, b.begin() + l.F);
             std::copy_n("FOLDINFO", 8, b.begin() + l.T - 8);
         }},
        // The first "TRSR" of the file is not the one the reader's name follows; with a
        // byte and the name's count behind it, every check on the stray one passes.
        {"a stray TRSR in the head, followed by a byte and the name's count",
         {},
         [](Bytes& b, const ReplayLage&) {
             const unsigned char stray[] = {'T', 'R', 'S', 'R', 0x2A, 9, 0, 0, 0};
             std::copy(std::begin(stray), std::end(stray), b.begin() + 40);
         }},
        {"a stray TRSR in zeroed bytes in front of an empty name",
         [](ReplayBauer& b) { b.Name = u""; },
         [](Bytes& b, const ReplayLage&) { std::copy_n("TRSR", 4, b.begin() + 60); }},
        {"a stray TRSR in the bytes after the map path",
         {},
         [](Bytes& b, const ReplayLage& l) {
             const unsigned char stray[] = {'T', 'R', 'S', 'R', 0, 9, 0, 0, 0};
             std::copy(std::begin(stray), std::end(stray), b.begin() + l.O - 20);
         }},
        // The checks before the write pass, but the file read back is not the old replay
        // with a new name.
        {"a size patch that would change a win condition",
         [](ReplayBauer& b) {
             // "FOLDINFO" as the first two identifiers: its size field is the fourth.
             b.ChunkLage = Chunks::OhneInfo;
             b.Siegbedingungen = {0x444C4F46, 0x4F464E49, 0, 0xF6999082};
         }},
        {"a size patch that would change a player's name length",
         [](ReplayBauer& b) { b.ChunkLage = Chunks::OhneDatabase; },
         [](Bytes& b, const ReplayLage& l) { std::copy_n("DATABASE", 8, b.begin() + l.E + 28); }},
    };
    for (const Ablehnung& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        meldungen.Arten.clear();
        ReplayBauer bau = Vorlage(Chunks::InfoVorDatabase);
        if (fall.bauen) fall.bauen(bau);
        ReplayLage lage;
        auto alt = Anlegen(bau, &lage, fall.dateiname);
        Bytes inhalt = DateiLesen(Pfad(fall.dateiname));
        if (fall.danach) fall.danach(inhalt, lage);
        DateiSchreiben(Pfad(fall.dateiname), inhalt);
        if (fall.veralten) fall.veralten(*alt);

        ReplayUmbenennen(*alt, fall.neuerName, meldungen);

        EXPECT_EQ(meldungen.Arten, std::vector<TMeldungsart>{kFormat});
        EXPECT_EQ(DateiLesen(Pfad(fall.dateiname)), inhalt);
        EXPECT_EQ(Temporaere(), 0);
        std::filesystem::remove(Pfad(fall.dateiname));
    }
}

TEST_F(Umbenennen, ANameOutsideOneToTwentyFiveCodeUnitsIsNotWritten) {
    auto alt = Anlegen(Vorlage(Chunks::InfoVorDatabase));
    const Bytes vorherBytes = DateiLesen(Pfad());
    for (const std::u16string& name : {std::u16string(), std::u16string(26, u'x')}) {
        EXPECT_THROW(ReplayUmbenennen(*alt, name, meldungen), Fehler);
        EXPECT_EQ(DateiLesen(Pfad()), vorherBytes);
    }
}

// Every name of the shared table from the file into the reader, through a rename and back:
// what the reader shows, what the rename writes, and that the player who carries the same
// stored name keeps its units, a lone surrogate included.
TEST_F(Umbenennen, JederTestnameLesenUmbenennenWiederLesen) {
    for (const TTestname& name : Testnamen()) {
        SCOPED_TRACE(name.titel);
        meldungen.Arten.clear();
        ReplayBauer bau = Vorlage(Chunks::InfoVorDatabase);
        bau.Name = name.gespeichert;
        bau.Spieler[1].Name = name.gespeichert;
        auto gelesen = Anlegen(bau);
        EXPECT_EQ(gelesen->Spielname, name.angezeigt);
        EXPECT_EQ(gelesen->SpielerInSlot(2)->Name, name.angezeigt);
        EXPECT_EQ(gelesen->NamensLaenge, static_cast<std::int32_t>(2 * name.gespeichert.size()));

        // The user types the name as shown; the rename takes it when its units fit.
        ASSERT_EQ(NeuerNameGueltig(name.angezeigt), name.umbenennbar);
        const Bytes spielerVorher = Utf16Bytes(name.gespeichert);
        bau.Name = u"Vorher";
        auto alt = Anlegen(bau);
        if (!name.umbenennbar) {
            EXPECT_THROW(ReplayUmbenennen(*alt, Utf16AusUtf8(name.angezeigt), meldungen), Fehler);
            continue;
        }
        ReplayUmbenennen(*alt, Utf16AusUtf8(name.angezeigt), meldungen);
        EXPECT_TRUE(meldungen.Arten.empty());

        TReplay neu(Pfad(), meldungen);
        EXPECT_EQ(neu.Spielname, name.angezeigt);
        EXPECT_EQ(neu.SpielerInSlot(2)->Name, name.angezeigt);
        const Bytes b = DateiLesen(Pfad());
        const std::u16string geschrieben = Utf16AusUtf8(name.angezeigt);
        const std::size_t T = static_cast<std::size_t>(TrsrStelle(b[228]));
        EXPECT_EQ(Wort(b, T + 5), geschrieben.size());
        EXPECT_EQ(Bytes(b.begin() + T + 9, b.begin() + T + 9 + 2 * geschrieben.size()), Utf16Bytes(geschrieben));
        EXPECT_NE(std::search(b.begin() + T + 9 + 2 * geschrieben.size(), b.end(), spielerVorher.begin(),
                              spielerVorher.end()),
                  b.end())
            << "the player's stored name";
    }
}

TEST(NeuerNameGueltig, AcceptsOneToTwentyFiveCodeUnitsAsTyped) {
    const struct {
        std::string text;
        bool gueltig;
    } faelle[] = {
        {"", false},
        {"a", true},
        {" ", true},
        {std::string(25, 'x'), true},
        {std::string(26, 'x'), false},
        {" " + std::string(24, 'x') + " ", false},  // no trimming: 26 as typed
        {Mal("\xC3\xA4", 25), true},                 // two bytes of UTF-8, one code unit each
        {Mal("\xC3\xA4", 26), false},
        {"\xF0\x9F\x98\x80", true},                  // an emoji counts two units
        {std::string(24, 'x') + "\xF0\x9F\x98\x80", false},
        {std::string(23, 'x') + "\xF0\x9F\x98\x80", true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.text);
        EXPECT_EQ(NeuerNameGueltig(fall.text), fall.gueltig);
    }
}

TEST_F(Umbenennen, AFailureAtAnyStepLeavesTheOldReplayAndNoTemporaryFile) {
    using plattform::Operation;
    const struct {
        const char* titel;
        Operation op;
        int nterAufruf;
        std::optional<TMeldungsart> meldung;  // the notice given instead of an escaping Fehler
    } faelle[] = {
        {"opening the replay", Operation::Oeffnen, 1, TMeldungsart::OeffnenFehlgeschlagen},
        {"reading the replay", Operation::Lesen, 1, std::nullopt},
        {"creating the temporary file", Operation::Erzeugen, 1, TMeldungsart::OeffnenFehlgeschlagen},
        {"writing the temporary file", Operation::Schreiben, 1, std::nullopt},
        {"flushing the temporary file", Operation::Flush, 1, std::nullopt},
        // A result that cannot be read back is not known to be good.
        {"opening the temporary file to read it back", Operation::Oeffnen, 2, kFormat},
        {"reading the temporary file back", Operation::Lesen, 2, kFormat},
        {"closing the temporary file after reading it back", Operation::Schliessen, 1, kFormat},
        {"replacing the replay", Operation::Ersetzen, 1, std::nullopt},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.titel);
        meldungen.Arten.clear();
        auto alt = Anlegen(Vorlage(Chunks::DatabaseImSchwanz));
        const Bytes vorherBytes = DateiLesen(Pfad());

        plattform::FehlerEinplanen(fall.op, fall.nterAufruf);
        if (fall.meldung) {
            ReplayUmbenennen(*alt, u"Neuer Name", meldungen);
            EXPECT_EQ(meldungen.Arten, std::vector<TMeldungsart>{*fall.meldung});
        } else {
            EXPECT_THROW(ReplayUmbenennen(*alt, u"Neuer Name", meldungen), Fehler);
        }
        plattform::FehlerplanLeeren();

        EXPECT_EQ(DateiLesen(Pfad()), vorherBytes);
        EXPECT_EQ(Temporaere(), 0);

        // Nothing of the failed attempt stands in the way of the next one.
        meldungen.Arten.clear();
        ReplayUmbenennen(*alt, u"Neuer Name", meldungen);
        EXPECT_TRUE(meldungen.Arten.empty());
        EXPECT_EQ(DateiLesen(Pfad()), UmbenanntenInhaltBauen(vorherBytes, 18, u"Neuer Name"));
    }
}

}  // namespace
