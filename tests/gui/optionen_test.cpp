// The options dialog: its layout, keys, the two choosers, OK and its failure, Abbrechen.
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <optional>
#include <vector>

#include "core/platform/pfad.h"
#include "optionen_testhilfe.h"

namespace {

using Art = SkriptDialoge::Art;


TEST_F(OptionenTest, LayoutWieEntworfen) {
    TfrmOptionen* d = Oeffnen();
    EXPECT_EQ(d->windowTitle(), "Optionen");
    EXPECT_EQ(d->size(), QSize(632, 166));
    EXPECT_EQ(d->minimumSize(), d->maximumSize());
    const Qt::WindowFlags flags = d->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(d->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(d->parentWidget(), &owner);
    EXPECT_LE((d->frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 2);

    EXPECT_EQ(d->grpDOW->title(), " Dawn of War - Verzeichnis ");
    EXPECT_EQ(d->grpReplay->title(), " Replay - Verzeichnis");
    EXPECT_EQ(d->btnOk->text(), "&OK");
    EXPECT_EQ(d->btnAbbrechen->text(), "&Abbrechen");

    struct Lage {
        QWidget* w;
        QWidget* eltern;
        QRect rect;
    };
    for (const Lage& l : std::vector<Lage>{
             {d->grpDOW, d, {8, 8, 617, 57}},
             {d->edtDOWVerzeichnis, d->grpDOW, {8, 24, 569, 21}},
             {d->sbtDOWWechseln, d->grpDOW, {584, 24, 23, 22}},
             {d->grpReplay, d, {8, 72, 617, 57}},
             {d->edtReplayVerzeichnis, d->grpReplay, {8, 24, 569, 21}},
             {d->sbtReplayWechseln, d->grpReplay, {584, 24, 23, 22}},
             {d->btnOk, d, {456, 136, 83, 25}},
             {d->btnAbbrechen, d, {544, 135, 83, 25}},
         }) {
        SCOPED_TRACE(l.w->objectName().toStdString());
        EXPECT_EQ(l.w->parentWidget(), l.eltern);
        EXPECT_EQ(l.w->geometry(), l.rect);
    }
    for (QPushButton* b : {d->btnOk, d->btnAbbrechen}) {
        EXPECT_FALSE(b->isDefault());
        EXPECT_FALSE(b->autoDefault());
    }
    for (QToolButton* b : {d->sbtDOWWechseln, d->sbtReplayWechseln}) {
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_FALSE(b->icon().pixmap(16, 16).isNull());
        const QImage grau = b->icon().pixmap(16, 16, QIcon::Disabled).toImage();
        ASSERT_FALSE(grau.isNull());
        bool sichtbar = false;
        for (int y = 0; y < grau.height(); ++y)
            for (int x = 0; x < grau.width(); ++x) {
                const QColor c = grau.pixelColor(x, y);
                if (c.alpha() == 0) continue;
                sichtbar = true;
                EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << "," << y;
            }
        EXPECT_TRUE(sichtbar);
    }
}

TEST_F(OptionenTest, FokusBeginntImSpielverzeichnisUndTabFolgtDerReihe) {
    TfrmOptionen* d = Oeffnen();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    EXPECT_EQ(QApplication::focusWidget(), d->edtDOWVerzeichnis);
    const std::vector<QWidget*> reihe{d->edtReplayVerzeichnis, d->btnOk, d->btnAbbrechen, d->edtDOWVerzeichnis};
    for (QWidget* erwartet : reihe) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), erwartet) << erwartet->objectName().toStdString();
    }
}

TEST_F(OptionenTest, EditsZeigenDieAktuellenVerzeichnisse) {
    DOWVerzeichnis = "/spiele/dow/";
    ReplayVerzeichnis = "/home/spieler/Aufzeichnungen-ä/";
    TfrmOptionen* d = Oeffnen();
    EXPECT_EQ(d->edtDOWVerzeichnis->text(), "/spiele/dow/");
    EXPECT_EQ(d->edtReplayVerzeichnis->text(), QString::fromUtf8("/home/spieler/Aufzeichnungen-ä/"));
}

TEST_F(OptionenTest, EnterUndEscDrueckenNichts) {
    DOWVerzeichnis = "/dow/";
    ReplayVerzeichnis = tmp.Pfad();
    TfrmOptionen* d = Oeffnen();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    Eintippen(d->edtReplayVerzeichnis, "/anders/");
    for (QWidget* fokus : std::vector<QWidget*>{d->edtDOWVerzeichnis, d->edtReplayVerzeichnis, d->btnOk,
                                                d->btnAbbrechen}) {
        for (Qt::Key taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            SCOPED_TRACE(fokus->objectName().toStdString() + " " + std::to_string(taste));
            fokus->setFocus();
            QTest::keyClick(fokus, taste);
            EXPECT_TRUE(d->isVisible());
            ASSERT_FALSE(Freigegeben());
        }
    }
    EXPECT_TRUE(dlg.Aufrufe.empty());
    EXPECT_EQ(DOWVerzeichnis, "/dow/");
    EXPECT_EQ(ReplayVerzeichnis, tmp.Pfad());
    EXPECT_FALSE(std::filesystem::exists(ConfigDatei));
}

TEST_F(OptionenTest, AbbrechenUndSchliessfeldSpeichernNichts) {
    enum Weg { Abbrechen, AltA, Schliessfeld };
    for (Weg weg : {Abbrechen, AltA, Schliessfeld}) {
        SCOPED_TRACE(weg);
        DOWVerzeichnis = "/dow/";
        ReplayVerzeichnis = tmp.Pfad();
        TfrmOptionen* d = Oeffnen();
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        Eintippen(d->edtDOWVerzeichnis, "/anders/");
        Eintippen(d->edtReplayVerzeichnis, "/auch/anders/");
        if (weg == Abbrechen) Klick(d->btnAbbrechen);
        if (weg == AltA) QTest::keyClick(d->edtReplayVerzeichnis, Qt::Key_A, Qt::AltModifier);
        if (weg == Schliessfeld) d->close();
        EXPECT_TRUE(SchliesstSich());
        EXPECT_TRUE(dlg.Aufrufe.empty());
        EXPECT_EQ(DOWVerzeichnis, "/dow/");
        EXPECT_EQ(ReplayVerzeichnis, tmp.Pfad());
        EXPECT_FALSE(std::filesystem::exists(ConfigDatei));
    }
}

TEST_F(OptionenTest, ModalWieVomHauptfensterUndGibtSichFrei) {
    DOWVerzeichnis = "/dow/";
    auto* d = new TfrmOptionen(&owner, dlg);
    dialog = d;
    QTimer::singleShot(0, d, [d] {
        QTest::keyClicks(d->edtReplayVerzeichnis, "/bib/");
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    d->exec();
    EXPECT_TRUE(Freigegeben());
    EXPECT_EQ(Gespeichert(), std::make_pair(std::string("/dow/"), std::string("/bib/")));
}

// ---- The folder browser for the game directory.

TEST_F(OptionenTest, OrdnerwahlHaengtTrennerAn) {
    const std::string t(1, plattform::Trenner());
    const std::string wurzel = plattform::DateisystemWurzel();
    struct Fall {
        const char* name;
        bool gewaehlt;
        std::string ordner;
        std::string edit;
    } faelle[] = {
        {"Ordner", true, wurzel + "spiele" + t + "Dawn of War", wurzel + "spiele" + t + "Dawn of War" + t},
        {"Wurzel gibt doppelten Trenner", true, wurzel, wurzel + t},
        {"Abbrechen laesst das Edit", false, "", "vorher"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        DOWVerzeichnis = "vorher";
        TfrmOptionen* d = Oeffnen();
        f.gewaehlt ? dlg.OrdnerWahl(f.ordner) : dlg.OrdnerAbbrechen();
        Klick(d->sbtDOWWechseln);
        ASSERT_EQ(dlg.Aufrufe.size(), 1u);
        EXPECT_EQ(dlg.Aufrufe[0].art, Art::Ordner);
        EXPECT_EQ(dlg.Aufrufe[0].titel, std::string("Verzeichnis auswählen..."));
        EXPECT_EQ(dlg.Aufrufe[0].text, "vorher") << "starts at the folder the box holds";
        EXPECT_EQ(d->edtDOWVerzeichnis->text(), Text(f.edit));
        EXPECT_EQ(DOWVerzeichnis, "vorher");  // only OK takes it over
        dlg.Vergessen();
        delete d;
    }
}

// ---- The file-open dialog for the library folder.

TEST_F(OptionenTest, DateiwahlStartetImBibliotheksordnerOderDerWurzel) {
    for (const std::string& vorher : {tmp.Pfad(), std::string()}) {
        SCOPED_TRACE(vorher);
        ReplayVerzeichnis = vorher;
        TfrmOptionen* d = Oeffnen();
        // The start is the stored folder, not what the edit holds now.
        Eintippen(d->edtReplayVerzeichnis, "/getippt/");
        dlg.DateiAbbrechen();
        Klick(d->sbtReplayWechseln);
        ASSERT_EQ(dlg.Von(Art::Datei).size(), 1u);
        EXPECT_EQ(dlg.Von(Art::Datei)[0].titel, vorher.empty() ? plattform::DateisystemWurzel() : vorher);
        EXPECT_EQ(d->edtReplayVerzeichnis->text(), "/getippt/");
        dlg.Vergessen();
        delete d;
    }
}

TEST_F(OptionenTest, DateiwahlNimmtDenOrdnerteil) {
    const std::string t(1, plattform::Trenner());
    const std::string w = plattform::DateisystemWurzel();
    const std::string netz = std::string("Netzlaufwerke werden nicht unterstützt");
    struct Fall {
        std::string name;
        std::string gewaehlt;
        std::string edit;  // "vorher" when it stays
        bool meldung;
    };
    std::vector<Fall> faelle{
        {"Datei im Ordner", w + "bib" + t + "a.rec", w + "bib" + t, false},
        {"getippter neuer Name", w + "bib" + t + "unter" + t + "gibtsnicht", w + "bib" + t + "unter" + t, false},
        {"Datei in der Wurzel", w + "a.rec", w, false},
        {"Netzwerkpfad mit /", "//server/freigabe/a.rec", "vorher", true},
        {"Pfad in UTF-8", w + "B\xC3\xBC" "cher" + t + "a.rec", w + "B\xC3\xBC" "cher" + t, false},
    };
    if (plattform::Trenner() == '\\')
        faelle.push_back({"Netzwerkpfad mit \\", "\\\\server\\freigabe\\a.rec", "vorher", true});
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ReplayVerzeichnis = "vorher";
        TfrmOptionen* d = Oeffnen();
        dlg.DateiWahl(f.gewaehlt);
        Klick(d->sbtReplayWechseln);
        EXPECT_EQ(d->edtReplayVerzeichnis->text(), Text(f.edit));
        EXPECT_EQ(dlg.Nachrichten(), f.meldung ? std::vector<std::string>{netz} : std::vector<std::string>{});
        EXPECT_EQ(ReplayVerzeichnis, "vorher");
        dlg.Vergessen();
        delete d;
    }
}

// ---- OK.

TEST_F(OptionenTest, OkSpeichertWieGetipptUndFragtNurBeiNeuemOrdner) {
    const std::string t(1, plattform::Trenner());
    const std::string bib = tmp.Pfad() + "Bib/";
    const std::string keinUtf8 = tmp.Pfad() + (plattform::IstPosix() ? "B\xFC" : "B\xED\xA0\x80") + "cher/";
    struct Fall {
        const char* name;
        std::string vorher;
        std::optional<QString> dow, replay;  // typed; nullopt keeps the edit as opened
        bool frage;
        std::string gespeichertDow, gespeichertReplay;
    } faelle[] = {
        {"erste Einrichtung fragt nicht", "", "/dow/", Text(bib), false, "/dow/", bib},
        {"unveraendert fragt nicht, schreibt aber", bib, std::nullopt, std::nullopt, false, "", bib},
        {"nur Gross-/Kleinschreibung fragt", bib, std::nullopt, Text(tmp.Pfad() + "bib/"), true, "", tmp.Pfad() + "bib/"},
        {"geleert fragt", bib, "/dow", "", true, "/dow" + t, ""},
        {"ohne Trenner getippt bekommt ihn", "", "/spiele/dow", "/bib", false, "/spiele/dow" + t, "/bib" + t},
        {"ohne Trenner ist derselbe Ordner, keine Frage", tmp.Pfad() + "Bib" + t, std::nullopt,
         Text(tmp.Pfad() + "Bib"), false, "", tmp.Pfad() + "Bib" + t},
        {"Umlaut als UTF-8", "", QString::fromUtf8("/Spiele/Dämonen/"), QString::fromUtf8("/Bücher/"), false,
         "/Spiele/Dämonen/", "/Bücher/"},
        // Shown with U+FFFD; left as shown, the folder keeps the bytes that name it: a
        // Latin-1 name on Linux, a lone surrogate in a Windows name.
        {"Name ohne UTF-8 bleibt unveraendert", keinUtf8, std::nullopt, std::nullopt, false, "", keinUtf8},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        std::filesystem::remove(ConfigDatei);
        DOWVerzeichnis.clear();
        ReplayVerzeichnis = f.vorher;
        TfrmOptionen* d = Oeffnen();
        if (f.dow) Eintippen(d->edtDOWVerzeichnis, *f.dow);
        if (f.replay) Eintippen(d->edtReplayVerzeichnis, *f.replay);
        if (f.frage) dlg.Nein();
        Klick(d->btnOk);
        EXPECT_TRUE(Freigegeben());
        EXPECT_EQ(dlg.Fragen().size(), f.frage ? 1u : 0u);
        if (f.frage) {
            EXPECT_EQ(dlg.Aufrufe[0].text, "Alle Replays in den neuen Ordner kopieren?");
            EXPECT_EQ(dlg.Aufrufe[0].titel, "Replays kopieren");
        }
        EXPECT_TRUE(dlg.Nachrichten().empty());
        EXPECT_EQ(DOWVerzeichnis, f.gespeichertDow);
        EXPECT_EQ(ReplayVerzeichnis, f.gespeichertReplay);
        EXPECT_TRUE(std::filesystem::exists(ConfigDatei));
        EXPECT_EQ(Gespeichert(), std::make_pair(f.gespeichertDow, f.gespeichertReplay));
        dlg.Vergessen();
    }
}

TEST_F(OptionenTest, AltOLoestOkAus) {
    TfrmOptionen* d = Oeffnen();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    Eintippen(d->edtDOWVerzeichnis, "/dow/");
    QTest::keyClick(d->edtDOWVerzeichnis, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(SchliesstSich());
    EXPECT_EQ(Gespeichert().first, "/dow/");
}

TEST_F(OptionenTest, SchreibfehlerLaesstDenDialogOffenUndDasZweiteOkFragtNicht) {
    // The first write ("DOW") or the second ("Replays") of config.ini fails.
    for (int nterSchreibvorgang : {1, 2}) {
        SCOPED_TRACE(nterSchreibvorgang);
        std::filesystem::remove(ConfigDatei);
        const std::string alt = Ordner(tmp.Pfad() + "alt/");
        const std::string neu = Ordner(tmp.Pfad() + "neu/");
        DOWVerzeichnis = "/dow/";
        ReplayVerzeichnis = alt;
        TfrmOptionen* d = Oeffnen();
        Eintippen(d->edtDOWVerzeichnis, "/dow2/");
        Eintippen(d->edtReplayVerzeichnis, Text(neu));
        dlg.Nein();
        plattform::FehlerEinplanen(plattform::Operation::Schreiben, nterSchreibvorgang);
        Klick(d->btnOk);
        EXPECT_EQ(dlg.Fragen().size(), 1u);
        EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"In " + ConfigDatei + " kann nicht geschrieben werden"});
        EXPECT_TRUE(d->isVisible());
        EXPECT_FALSE(Freigegeben());
        // Taken over for the rest of the run, whatever the file holds.
        EXPECT_EQ(DOWVerzeichnis, "/dow2/");
        EXPECT_EQ(ReplayVerzeichnis, neu);

        dlg.Vergessen();
        Klick(d->btnOk);  // no answer scripted: a question would fail the test
        EXPECT_TRUE(dlg.Aufrufe.empty());
        EXPECT_TRUE(Freigegeben());
        EXPECT_EQ(Gespeichert(), std::make_pair(std::string("/dow2/"), neu));
    }
}

}  // namespace
