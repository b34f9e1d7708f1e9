// The options dialog: its layout, keys, the two choosers, OK and its failure, Abbrechen.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <optional>
#include <vector>

#include "core/namensvorlage.h"
#include "core/platform/pfad.h"
#include "gui/installationsliste.h"
#include "optionen_testhilfe.h"

namespace {

using Art = SkriptDialoge::Art;


TEST_F(OptionenTest, LayoutWieEntworfen) {
    TfrmOptionen* d = Oeffnen();
    EXPECT_EQ(d->windowTitle(), "Optionen");
    EXPECT_EQ(d->size(), QSize(632, 566));
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
    EXPECT_EQ(d->grpSprache->title(), " Sprache ");
    QStringList sprachen;
    for (int i = 0; i < d->cmbSprache->count(); ++i) sprachen << d->cmbSprache->itemText(i);
    EXPECT_EQ(sprachen, QStringList({"Automatisch", "Deutsch", "English"}));
    EXPECT_EQ(d->lblSpracheHinweis->text(), QString::fromUtf8("Eine andere Sprache gilt ab dem nächsten Start von Quellarch."));

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
             {d->grpInstallationen, d, {8, 136, 617, 130}},
             {d->grpWeitere, d, {8, 272, 617, 88}},
             {d->grpSpeichern, d, {8, 368, 617, 96}},
             {d->edtNamensvorlage, d->grpSpeichern, {100, 44, 507, 21}},
             {d->grpSprache, d, {8, 472, 617, 57}},
             {d->cmbSprache, d->grpSprache, {8, 24, 145, 21}},
             {d->lblSpracheHinweis, d->grpSprache, {164, 24, 443, 21}},
             {d->btnOk, d, {456, 536, 83, 25}},
             {d->btnAbbrechen, d, {544, 535, 83, 25}},
         }) {
        SCOPED_TRACE(l.w->objectName().toStdString());
        EXPECT_EQ(l.w->parentWidget(), l.eltern);
        EXPECT_EQ(l.w->geometry(), l.rect);
    }
    EXPECT_TRUE(d->btnOk->isDefault());
    EXPECT_FALSE(d->btnAbbrechen->isDefault());
    for (QToolButton* b : {d->sbtDOWWechseln, d->sbtReplayWechseln}) {
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_FALSE(b->icon().pixmap(16, 16).isNull());
        // Drawn for 2x screens too, not blown up from 16 pixels.
        EXPECT_TRUE(b->icon().availableSizes().contains(QSize(32, 32)));
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
    const std::vector<QWidget*> reihe{d->edtReplayVerzeichnis, d->lstInstallationen, d->edtWeitere,
                                      d->chkAutoSpeichern, d->edtNamensvorlage, d->cmbSprache,
                                      d->btnOk, d->btnAbbrechen, d->edtDOWVerzeichnis};
    for (QWidget* erwartet : reihe) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), erwartet) << erwartet->objectName().toStdString();
    }
}

// A pick from the installations found fills the game folder and chooses its program; a
// folder typed by hand afterwards starts by the folder's own rule. The further Playback
// folders are stored one a line.
TEST_F(OptionenTest, InstallationWaehlenUndWeiterePlaybackOrdner) {
    const std::string spiel = tmp.Pfad() + "Soulstorm/";
    std::filesystem::create_directories(spiel + "Playback");
    std::ofstream(spiel + "Soulstorm.exe") << "MZ";
    std::ofstream(spiel + "DarkCrusade.exe") << "MZ";
    const std::string anders = tmp.Pfad() + "anders/";
    std::filesystem::create_directories(anders + "Playback");
    std::ofstream(anders + "W40k.exe") << "MZ";
    Installationen = {{spiel, "DarkCrusade.exe", TEdition::DarkCrusade, "Steam", "", "", "4580"},
                      {spiel, "Soulstorm.exe", TEdition::Soulstorm, "Steam", "", "", "9450"}};
    for (const bool vonHand : {false, true}) {
        SCOPED_TRACE(vonHand);
        TfrmOptionen* d = Oeffnen();
        ASSERT_EQ(d->lstInstallationen->topLevelItemCount(), 2);
        EXPECT_EQ(d->lstInstallationen->topLevelItem(1)->text(0), "Soulstorm (Soulstorm.exe)");
        EXPECT_EQ(d->lstInstallationen->topLevelItem(1)->text(2), "Steam (App 9450)");
        QTreeWidgetItem* zeile = d->lstInstallationen->topLevelItem(1);
        QTest::mouseClick(d->lstInstallationen->viewport(), Qt::LeftButton, {},
                          d->lstInstallationen->visualItemRect(zeile).center());
        EXPECT_EQ(d->edtDOWVerzeichnis->text(), Text(spiel));
        if (vonHand) Eintippen(d->edtDOWVerzeichnis, Text(tmp.Pfad() + "anders"));
        d->edtWeitere->setPlainText(Text("\n" + tmp.Pfad() + "de\n  \n"));
        Klick(d->btnOk);
        // A typed folder gets the platform's own separator.
        EXPECT_EQ(DOWVerzeichnis, vonHand ? plattform::OrdnerMitTrenner(tmp.Pfad() + "anders") : spiel);
        EXPECT_EQ(DOWProgramm, vonHand ? "" : "Soulstorm.exe");
        const std::string weiterer = plattform::OrdnerMitTrenner(tmp.Pfad() + "de");
        EXPECT_EQ(WeiterePlaybackOrdner, std::vector<std::string>{weiterer});
        EXPECT_EQ(plattform::IniLesen(ConfigDatei, "Weitere Playback-Ordner", "Ordner1", ""), weiterer);
    }
}

TEST_F(OptionenTest, EditsZeigenDieAktuellenVerzeichnisse) {
    DOWVerzeichnis = "/spiele/dow/";
    ReplayVerzeichnis = "/home/spieler/Aufzeichnungen-ä/";
    TfrmOptionen* d = Oeffnen();
    EXPECT_EQ(d->edtDOWVerzeichnis->text(), "/spiele/dow/");
    EXPECT_EQ(d->edtReplayVerzeichnis->text(), QString::fromUtf8("/home/spieler/Aufzeichnungen-ä/"));
}

TEST_F(OptionenTest, EnterBestaetigtUndEscBrichtAb) {
    const std::string dow = Spielordner();
    for (Qt::Key taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(taste);
        std::filesystem::remove(ConfigDatei);
        DOWVerzeichnis.clear();
        ReplayVerzeichnis = tmp.Pfad();
        TfrmOptionen* d = Oeffnen();
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        Eintippen(d->edtDOWVerzeichnis, Text(dow));
        QTest::keyClick(d->edtDOWVerzeichnis, taste);
        EXPECT_TRUE(SchliesstSich());
        const bool ok = taste != Qt::Key_Escape;
        EXPECT_EQ(DOWVerzeichnis, ok ? dow : "");
        EXPECT_EQ(std::filesystem::exists(ConfigDatei), ok);
    }
    EXPECT_TRUE(dlg.Aufrufe.empty());
}

// "Neue Spiele": the preview follows the template as typed, and OK keeps both settings for
// the next start; an empty template means the default one.
TEST_F(OptionenTest, NeueSpieleMitVorlageUndVorschau) {
    const struct {
        const char* getippt;
        bool an;
        const char* vorschau;
        const char* gespeichert;
    } faelle[] = {
        {"{Spieler} auf {Karte}", false, "Zum Beispiel: Gorgutz vs Eldrad auf Sumpfgebiete.rec", "{Spieler} auf {Karte}"},
        {"CON", true, "Zum Beispiel: CON_.rec", "CON"},
        {"  ", true, "Zum Beispiel: 2026-12-09 21-14 Sumpfgebiete – Gorgutz vs Eldrad.rec", kStandardvorlage},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.getippt);
        ReplayVerzeichnis = tmp.Pfad();
        AutoSpeichern = true;
        TfrmOptionen* d = Oeffnen();
        Eintippen(d->edtNamensvorlage, QString::fromUtf8(fall.getippt));
        EXPECT_EQ(d->lblVorschau->text().toStdString(), fall.vorschau);
        if (d->chkAutoSpeichern->isChecked() != fall.an) Klick(d->chkAutoSpeichern);
        Klick(d->btnOk);
        EXPECT_TRUE(SchliesstSich());
        AutoSpeichern = !fall.an;
        Namensvorlage.clear();
        AutoSpeichernLesen();
        EXPECT_EQ(AutoSpeichern, fall.an);
        EXPECT_EQ(Namensvorlage, fall.gespeichert);
    }
    AutoSpeichern = true;
    Namensvorlage = kStandardvorlage;
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
    DOWVerzeichnis = Spielordner();
    const std::string bib = Ordner(tmp.Pfad() + "bib/");
    auto* d = new TfrmOptionen(&owner, dlg);
    dialog = d;
    QTimer::singleShot(0, d, [d, bib] {
        QTest::keyClicks(d->edtReplayVerzeichnis, Text(bib));
        QTest::mouseClick(d->btnOk, Qt::LeftButton);
    });
    EXPECT_EQ(d->exec(), QDialog::Accepted);
    EXPECT_TRUE(Freigegeben());
    EXPECT_EQ(Gespeichert(), std::make_pair(Spielordner(), bib));
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

// ---- The folder browser for the library.

TEST_F(OptionenTest, BibliotheksknopfWaehltEinenOrdner) {
    const std::string t(1, plattform::Trenner());
    const std::string leer = Ordner(tmp.Pfad() + "leer");
    struct Fall {
        const char* name;
        std::optional<std::string> gewaehlt;  // nullopt: Cancel
        std::string edit;                      // "vorher" when it stays
        bool meldung;
    } faelle[] = {
        {"ein leerer Ordner", leer, leer + t, false},
        {"Abbrechen laesst das Edit", std::nullopt, "vorher", false},
        {"Netzwerkpfad", std::string("//server/freigabe"), "vorher", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ReplayVerzeichnis = "vorher";
        TfrmOptionen* d = Oeffnen();
        f.gewaehlt ? dlg.OrdnerWahl(*f.gewaehlt) : dlg.OrdnerAbbrechen();
        Klick(d->sbtReplayWechseln);
        ASSERT_EQ(dlg.Von(Art::Ordner).size(), 1u);
        EXPECT_EQ(d->edtReplayVerzeichnis->text(), Text(f.edit));
        EXPECT_EQ(dlg.Nachrichten(), f.meldung ? std::vector<std::string>{"Netzlaufwerke werden nicht unterstützt"}
                                               : std::vector<std::string>{});
        EXPECT_EQ(ReplayVerzeichnis, "vorher");
        dlg.Vergessen();
        delete d;
    }
}

// ---- OK.

TEST_F(OptionenTest, OkSpeichertWieGetipptUndFragtNurBeiNeuemOrdner) {
    const std::string bib = Ordner(tmp.Pfad() + "Bib/");
    const std::string dow = Spielordner();
    // A Latin-1 folder name on Linux: shown with U+FFFD, kept as bytes. (Wine cannot hold
    // the Windows counterpart, a lone surrogate, in a name on its disk.)
    const std::string keinUtf8 = tmp.Pfad() + "B\xFC" + "cher/";
    if (plattform::IstPosix()) Ordner(keinUtf8);
    const std::string umlaut = Spielordner("D\xC3\xA4monen");
    struct Fall {
        const char* name;
        std::string vorher;
        std::optional<QString> dow, replay;  // typed; nullopt keeps the edit as opened
        bool frage;
        std::string gespeichertDow, gespeichertReplay;
    };
    std::vector<Fall> faelle = {
        {"erste Einrichtung fragt nicht", "", Text(dow), Text(bib), false, dow, bib},
        {"unveraendert fragt nicht, schreibt aber", bib, std::nullopt, std::nullopt, false, "", bib},
        {"nur Gross-/Kleinschreibung fragt", bib, std::nullopt, Text(Ordner(tmp.Pfad() + "bib/")), true, "",
         tmp.Pfad() + "bib/"},
        {"geleert fragt", bib, Text(dow), "", true, dow, ""},
        // A folder that exists gets its final separator, however it was typed.
        {"ohne Trenner getippt", "", Text(dow.substr(0, dow.size() - 1)), Text(bib.substr(0, bib.size() - 1)), false,
         dow.substr(0, dow.size() - 1) + plattform::Trenner(), bib.substr(0, bib.size() - 1) + plattform::Trenner()},
        {"Umlaut als UTF-8", "", QString::fromUtf8(umlaut.c_str()), std::nullopt, false, umlaut, ""},
    };
    // Left as shown, the folder keeps the bytes that name it.
    if (plattform::IstPosix())
        faelle.push_back({"Name ohne UTF-8 bleibt unveraendert", keinUtf8, std::nullopt, std::nullopt, false, "", keinUtf8});
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

// What OK does with folders that are not what they should be: each row types one value,
// answers the box that comes, and says whether the dialog took the values.
TEST_F(OptionenTest, OkPrueftWasEsBekommt) {
    const std::string dow = Spielordner();
    const std::string ohneExe = Ordner(tmp.Pfad() + "ohneexe/Playback/").substr(0, tmp.Pfad().size() + 8);
    const std::string ohnePlayback = Spielordner("ohneplayback");
    std::filesystem::remove(ohnePlayback + "Playback");
    const std::string neu = tmp.Pfad() + "neu/bib";
    struct Fall {
        const char* name;
        std::string dow, bib;        // typed
        std::optional<bool> antwort; // the question's answer; nullopt: a message instead
        std::string text;            // what the box says
        bool angenommen;
        std::string gespeichertDow, gespeichertBib;
    };
    std::vector<Fall> faelle{
        {"fehlende Bibliothek angelegt", dow, neu, true,
         "Das Replay-Verzeichnis " + neu + " gibt es nicht.\nSoll es angelegt werden?", true, dow,
         neu + plattform::Trenner()},
        {"fehlende Bibliothek nicht angelegt", dow, neu, false, "", false, "", ""},
        {"Spielordner ohne W40k.exe", ohneExe, "", false,
         "Im Dawn of War - Verzeichnis " + ohneExe + " fehlt ein Programm des Spiels (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, "
         "W40k_gog.exe).\nTrotzdem übernehmen?", false, "",
         ""},
        {"Spielordner ohne Playback trotzdem", ohnePlayback, "", true,
         "Im Dawn of War - Verzeichnis " + ohnePlayback + " fehlt der Ordner Playback.\nTrotzdem übernehmen?", true,
         ohnePlayback, ""},
    };
    if (plattform::IstPosix()) {
        // Taken although it does not exist yet, and with its separator all the same.
        faelle.push_back({"Tilde ist das Heim", "~/dow", "", true, "", true, heim.Pfad() + "dow/", ""});
        faelle.push_back({"Windows-Pfad", "C:\\Spiele\\", "", std::nullopt,
                          "„C:\\Spiele\\“ ist ein Windows-Pfad. Unter Linux liegt er im Wine-Präfix, zum Beispiel "
                          "unter ~/.wine/drive_c/ für C:\\.",
                          false, "", ""});
    }
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        std::filesystem::remove_all(tmp.Pfad() + "neu");
        DOWVerzeichnis.clear();
        ReplayVerzeichnis.clear();
        TfrmOptionen* d = Oeffnen();
        Eintippen(d->edtDOWVerzeichnis, QString::fromStdString(f.dow));
        Eintippen(d->edtReplayVerzeichnis, QString::fromStdString(f.bib));
        if (f.antwort) *f.antwort ? dlg.Ja() : dlg.Nein();
        Klick(d->btnOk);
        ASSERT_EQ(dlg.Aufrufe.size(), 1u);
        EXPECT_EQ(dlg.Aufrufe[0].art, f.antwort ? Art::Frage : Art::Nachricht);
        if (!f.text.empty()) {
            EXPECT_EQ(dlg.Aufrufe[0].text, f.text);
        }
        EXPECT_EQ(Freigegeben(), f.angenommen);
        EXPECT_EQ(DOWVerzeichnis, f.gespeichertDow);
        EXPECT_EQ(ReplayVerzeichnis, f.gespeichertBib);
        if (!f.angenommen) delete d;
        dlg.Vergessen();
    }
    EXPECT_FALSE(std::filesystem::exists(tmp.Pfad() + "neu")) << "created only on Yes";
}

// "Sprache" shows what config.ini holds and OK writes a changed choice; an unchanged one
// leaves the file as it was, so a file without it keeps following the system.
TEST_F(OptionenTest, SpracheZeigtUndSpeichertDieWahl) {
    const struct {
        const char* vorher;  // nullptr: no key in the file
        int gezeigt;
        int gewaehlt;
        const char* nachher;
    } faelle[] = {
        {nullptr, 0, 0, nullptr},
        {nullptr, 0, 2, "English"},
        {"English", 2, 2, "English"},
        {"English", 2, 0, "Automatisch"},
        {"Deutsch", 1, 2, "English"},
        {"Klingonisch", 0, 1, "Deutsch"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.vorher ? f.vorher : "(keine)");
        std::filesystem::remove(ConfigDatei);
        if (f.vorher) SpracheSchreiben(f.vorher);
        TfrmOptionen* d = Oeffnen();
        EXPECT_EQ(d->cmbSprache->currentIndex(), f.gezeigt);
        d->cmbSprache->setCurrentIndex(f.gewaehlt);
        Klick(d->btnOk);
        EXPECT_TRUE(Freigegeben());
        EXPECT_EQ(plattform::IniLesen(ConfigDatei, "Einstellungen", "Sprache", "(keine)"),
                  f.nachher ? f.nachher : "(keine)");
    }
}

TEST_F(OptionenTest, AltOLoestOkAus) {
    TfrmOptionen* d = Oeffnen();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    Eintippen(d->edtDOWVerzeichnis, Text(Spielordner()));
    QTest::keyClick(d->edtDOWVerzeichnis, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(SchliesstSich());
    EXPECT_EQ(Gespeichert().first, Spielordner());
}

TEST_F(OptionenTest, SchreibfehlerLaesstDenDialogOffenUndDasZweiteOkFragtNicht) {
    // The first write ("DOW") or the second ("Replays") of config.ini fails.
    for (int nterSchreibvorgang : {1, 2}) {
        SCOPED_TRACE(nterSchreibvorgang);
        std::filesystem::remove(ConfigDatei);
        const std::string alt = Ordner(tmp.Pfad() + "alt/");
        const std::string neu = Ordner(tmp.Pfad() + "neu/");
        DOWVerzeichnis = Spielordner();
        ReplayVerzeichnis = alt;
        TfrmOptionen* d = Oeffnen();
        Eintippen(d->edtDOWVerzeichnis, Text(Spielordner("dow2")));
        Eintippen(d->edtReplayVerzeichnis, Text(neu));
        dlg.Nein();
        plattform::FehlerEinplanen(plattform::Operation::Schreiben, nterSchreibvorgang);
        Klick(d->btnOk);
        EXPECT_EQ(dlg.Fragen().size(), 1u);
        EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"In " + ConfigDatei + " kann nicht geschrieben werden"});
        EXPECT_TRUE(d->isVisible());
        EXPECT_FALSE(Freigegeben());
        // Taken over for the rest of the run, whatever the file holds.
        EXPECT_EQ(DOWVerzeichnis, Spielordner("dow2"));
        EXPECT_EQ(ReplayVerzeichnis, neu);

        dlg.Vergessen();
        Klick(d->btnOk);  // no answer scripted: a question would fail the test
        EXPECT_TRUE(dlg.Aufrufe.empty());
        EXPECT_TRUE(Freigegeben());
        EXPECT_EQ(Gespeichert(), std::make_pair(Spielordner("dow2"), neu));
    }
}

}  // namespace
