// Moving the library from the options dialog: AlleReplaysKopieren and OK's copy question.
#include <QPushButton>
#include <map>
#include <vector>

#include "optionen_testhilfe.h"
#include "replaybauer.h"

namespace {

using Inhalt = std::map<std::string, std::vector<unsigned char>>;

// Two replays and a file that is no replay in the old folder.
Inhalt AlteBibliothekAnlegen(const std::string& alt) {
    Inhalt inhalt;
    for (const char* name : {"erstes.rec", "Zweites.REC"}) {
        ReplayBauer bauer;
        bauer.Name = std::u16string(u"Spiel ") + char16_t(name[0]);
        bauer.Schreiben(alt + name);
        inhalt[name] = DateiLesen(alt + name);
    }
    DateiSchreiben(alt + "notiz.txt", {'x'});
    return inhalt;
}

// The replays a folder holds, with their bytes.
Inhalt Replaydateien(const std::string& ordner) {
    Inhalt inhalt;
    for (const auto& e : std::filesystem::directory_iterator(ordner)) {
        const std::string name = e.path().filename().string();
        if (name != "notiz.txt") inhalt[name] = DateiLesen(e.path().string());
    }
    return inhalt;
}

struct KopierFall {
    const char* name;
    bool mitReplays;
    bool loeschen;
};

TEST_F(OptionenTest, AlleReplaysKopierenFragtImmerUndZaehltDieAlten) {
    const KopierFall faelle[] = {
        {"Ja: verschoben", true, true},
        {"Nein: in beiden Ordnern", true, false},
        {"leerer alter Ordner, Ja", false, true},
        {"leerer alter Ordner, Nein", false, false},
    };
    int nr = 0;
    for (const KopierFall& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::string alt = Ordner(tmp.Pfad() + "alt" + std::to_string(nr) + "/");
        const std::string neu = Ordner(tmp.Pfad() + "neu" + std::to_string(nr++) + "/");
        const Inhalt vorher = f.mitReplays ? AlteBibliothekAnlegen(alt) : Inhalt{};
        TfrmOptionen* d = Oeffnen();
        f.loeschen ? dlg.Ja() : dlg.Nein();

        EXPECT_EQ(d->AlleReplaysKopieren(alt, neu), static_cast<int>(vorher.size()));
        ASSERT_EQ(dlg.Aufrufe.size(), 1u);
        EXPECT_EQ(dlg.Aufrufe[0].text, plattform::AnsiAusUtf8("Alte Replays löschen?"));
        EXPECT_EQ(dlg.Aufrufe[0].titel, plattform::AnsiAusUtf8("Replays löschen"));
        EXPECT_EQ(Replaydateien(neu), vorher);
        EXPECT_EQ(Replaydateien(alt), f.loeschen ? Inhalt{} : vorher);
        if (f.mitReplays) {
            EXPECT_TRUE(std::filesystem::exists(alt + "notiz.txt"));
        }
        dlg.Vergessen();
        delete d;
    }
}

TEST_F(OptionenTest, OkVerschiebtDieBibliothekNachDenAntworten) {
    struct Fall {
        const char* name;
        bool kopieren;
        bool loeschen;
    } faelle[] = {
        {"Nein zum Kopieren: nur der neue Ordner gespeichert", false, false},
        {"kopieren, nicht loeschen", true, false},
        {"kopieren und loeschen", true, true},
    };
    int nr = 0;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::string alt = Ordner(tmp.Pfad() + "alt" + std::to_string(nr) + "/");
        const std::string neu = Ordner(tmp.Pfad() + "neu" + std::to_string(nr++) + "/");
        const Inhalt vorher = AlteBibliothekAnlegen(alt);
        DOWVerzeichnis = "/dow/";
        ReplayVerzeichnis = alt;
        TfrmOptionen* d = Oeffnen();
        Eintippen(d->edtReplayVerzeichnis, Text(neu));
        f.kopieren ? dlg.Ja() : dlg.Nein();
        if (f.kopieren) f.loeschen ? dlg.Ja() : dlg.Nein();
        Klick(d->btnOk);

        EXPECT_TRUE(Freigegeben());
        EXPECT_EQ(dlg.Fragen().size(), f.kopieren ? 2u : 1u);
        EXPECT_EQ(dlg.Nachrichten(), f.kopieren ? std::vector<std::string>{"2 Replays kopiert"} : std::vector<std::string>{});
        EXPECT_EQ(Replaydateien(neu), f.kopieren ? vorher : Inhalt{});
        EXPECT_EQ(Replaydateien(alt), f.loeschen ? Inhalt{} : vorher);
        EXPECT_EQ(Gespeichert(), std::make_pair(std::string("/dow/"), neu));
        dlg.Vergessen();
    }
}

}  // namespace
