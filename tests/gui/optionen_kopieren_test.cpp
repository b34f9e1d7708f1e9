// Moving the library from the options dialog: AlleReplaysKopieren and OK's copy question.
#include <QPushButton>
#include <algorithm>
#include <map>
#include <vector>

#include "optionen_testhilfe.h"
#include "support/replaybauer.h"

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

        EXPECT_EQ(d->AlleReplaysKopieren(alt, neu).Dateien.size(), vorher.size());
        ASSERT_EQ(dlg.Aufrufe.size(), 1u);
        EXPECT_EQ(dlg.Aufrufe[0].text, std::string("Alte Replays löschen?"));
        EXPECT_EQ(dlg.Aufrufe[0].titel, std::string("Replays löschen"));
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
        DOWVerzeichnis = Spielordner();
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
        EXPECT_EQ(Gespeichert(), std::make_pair(Spielordner(), neu));
        dlg.Vergessen();
    }
}

// OK after Ja, Ja with copies that fail: the message counts what was really copied and
// names each replay that was not; a move that brought nothing over keeps the old library.
TEST_F(OptionenTest, OkMeldetWasNichtKopiertWurde) {
    struct Fall {
        const char* name;
        bool einzeln;         // the old folder holds one replay only
        int scheitertNte;     // this copy fails
        const char* zaehlzeile;
        const char* grund;
        bool bleibtAlt;
    } faelle[] = {
        {"die einzige Kopie scheitert", true, 1, "0 Replays kopiert", "Kopieren fehlgeschlagen", true},
        {"eine Kopie scheitert", false, 1, "1 Replay kopiert", "Kopieren fehlgeschlagen", false},
    };
    int nr = 0;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::string alt = Ordner(tmp.Pfad() + "alt" + std::to_string(nr) + "/");
        std::string neu = Ordner(tmp.Pfad() + "neu" + std::to_string(nr++) + "/");
        Inhalt vorher = AlteBibliothekAnlegen(alt);
        if (f.einzeln) {
            std::filesystem::remove(alt + "Zweites.REC");
            vorher.erase("Zweites.REC");
        }
        DOWVerzeichnis = Spielordner();
        ReplayVerzeichnis = alt;
        TfrmOptionen* d = Oeffnen();
        Eintippen(d->edtReplayVerzeichnis, Text(neu));
        dlg.Ja().Ja();
        if (f.scheitertNte > 0) plattform::FehlerEinplanen(plattform::Operation::Erzeugen, f.scheitertNte);
        Klick(d->btnOk);
        plattform::FehlerplanLeeren();

        EXPECT_TRUE(Freigegeben());
        // The replays that are not in the new folder are the ones named, and they stayed.
        std::vector<std::string> erwartet = {f.zaehlzeile, "1 Replay wurde nicht kopiert:"};
        const Inhalt angekommen = Replaydateien(neu);
        for (const auto& [name, bytes] : vorher)
            if (!angekommen.count(name)) erwartet.push_back(name + ": " + f.grund);
        if (f.bleibtAlt) {
            erwartet.push_back(std::string("Das Replay-Verzeichnis bleibt unverändert: ") + alt);
        }
        ASSERT_EQ(dlg.Nachrichten().size(), 1u);
        std::vector<std::string> gezeigt;
        const std::string text = dlg.Nachrichten()[0];
        for (size_t a = 0, e; a <= text.size(); a = e + 2) {
            e = std::min(text.find("\r\n", a), text.size());
            gezeigt.push_back(text.substr(a, e - a));
        }
        ASSERT_GE(gezeigt.size(), 2u);
        std::sort(gezeigt.begin() + 2, gezeigt.end() - (f.bleibtAlt ? 1 : 0));
        std::sort(erwartet.begin() + 2, erwartet.end() - (f.bleibtAlt ? 1 : 0));
        EXPECT_EQ(gezeigt, erwartet);
        for (const auto& [name, bytes] : vorher) {
            if (!angekommen.count(name)) {
                EXPECT_EQ(DateiLesen(alt + name), bytes) << "not copied, so not deleted";
            }
        }
        EXPECT_EQ(Gespeichert(), std::make_pair(Spielordner(), f.bleibtAlt ? alt : neu));
        dlg.Vergessen();
    }
}

}  // namespace
