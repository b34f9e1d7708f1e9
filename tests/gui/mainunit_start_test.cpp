// The start-up sequence: missing settings, the Playback import offer and its answers,
// swallowed errors, and the window's fixed frame.
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "core/platform/dateisystem.h"
#include "mainunit_testhilfe.h"
#include "support/nurposix.h"

namespace {

TEST_F(MainTest, ErsterStartOhneEinstellungenZeigtNurDenHinweis) {
    InBibliothek("a.rec", Bau("Alpha"));
    auto& f = Oeffnen(false);
    ASSERT_EQ(dlg.Aufrufe.size(), 1u);
    EXPECT_EQ(dlg.Aufrufe[0].art, SkriptDialoge::Art::Nachricht);
    EXPECT_EQ(dlg.Aufrufe[0].text, "Bitte unter Optionen die Verzeichnisse eintragen!");
    EXPECT_EQ(f.lblReplayname->text(), QStringLiteral("lblReplayname"));
    EXPECT_EQ(f.lblDateiname->text(), QStringLiteral("lblDateiname"));
    EXPECT_FALSE(Box(0)) << "no check-all box in the header";
    EXPECT_EQ(f.grdReplays->RowCount(), 2);
    EXPECT_EQ(Zelle(lsNummer, 1), "");
    EXPECT_FALSE(Box(1));
    EXPECT_EQ(f.grdSpieler->RowCount(), 2);
    for (auto* chk : f.grpSiegbedingungen->findChildren<QCheckBox*>()) EXPECT_FALSE(chk->isChecked());
}

TEST_F(MainTest, LeeresPlaybackFragtNichtsUndFuelltDieListe) {
    InBibliothek("a.rec", Bau("Alpha"));
    Oeffnen();
    EXPECT_TRUE(dlg.Aufrufe.empty());
    bool haken = true;
    EXPECT_TRUE(Box(0, &haken));
    EXPECT_FALSE(haken);
    EXPECT_EQ(Zelle(lsSpielname, 1), "Alpha");
    EXPECT_EQ(Angezeigt(), "Alpha");
}

struct ImportFall {
    const char* name;
    bool importieren;
    bool entfernen;
    bool scheitert = false;  // the copy into the library fails
};

class MainImportTest : public MainTest, public ::testing::WithParamInterface<ImportFall> {};

TEST_P(MainImportTest, PlaybackMitReplaysWirdNurNachJaImportiert) {
    const ImportFall& fall = GetParam();
    {
        InBibliothek("a.rec", Bau("Alpha"));
        Bau("Neu aus Playback").Schreiben(Playback() + "neu.rec");

        if (fall.importieren) {
            dlg.Ja();
            fall.entfernen ? dlg.Ja() : dlg.Nein();
        } else {
            dlg.Nein();
        }
        if (fall.scheitert) plattform::FehlerEinplanen(plattform::Operation::Erzeugen, 1);
        Oeffnen();

        auto fragen = dlg.Von(SkriptDialoge::Art::Frage);
        ASSERT_FALSE(fragen.empty());
        EXPECT_EQ(fragen[0].titel, "Neue Replays kopieren");
        EXPECT_EQ(fragen[0].text, "Es wurden Replays im Playback-Verzeichnis\r\ngefunden. Sollen sie kopiert werden?");
        if (fall.importieren) {
            ASSERT_EQ(fragen.size(), 2u);
            EXPECT_EQ(fragen[1].text, std::string("Replays anschließend entfernen?"));
            EXPECT_EQ(fragen[1].titel, std::string("Replays löschen"));
            if (fall.scheitert) {
                EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"0 Replays wurden kopiert, 1 wurde nicht kopiert."
                                                                      "\r\nneu.rec: Kopieren fehlgeschlagen"});
            } else {
                EXPECT_EQ(dlg.Nachrichten(), std::vector<std::string>{"1 Replays wurden kopiert."});
            }
            EXPECT_EQ(ZeileMit("Neu aus Playback") != -1, !fall.scheitert) << "the list is filled after the import";
        } else {
            EXPECT_EQ(fragen.size(), 1u);
            EXPECT_TRUE(dlg.Nachrichten().empty());
            EXPECT_EQ(ZeileMit("Neu aus Playback"), -1);
        }
        EXPECT_EQ(plattform::DateiExistiert(Playback() + "neu.rec"), !fall.entfernen || fall.scheitert);
        EXPECT_NE(ZeileMit("Alpha"), -1);
        EXPECT_EQ(fenster->grdReplays->RowCount(), fall.importieren && !fall.scheitert ? 3 : 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Antworten, MainImportTest,
                         ::testing::Values(ImportFall{"Nein", false, false}, ImportFall{"JaBehalten", true, false},
                                           ImportFall{"JaEntfernen", true, true},
                                           ImportFall{"JaKopieScheitert", true, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainTest, FehlerBeimStartEndenDieSequenzStill) {
    InBibliothek("a.rec", Bau("Alpha"));
    fenster = std::make_unique<TfrmMain>(dlg, Regionaleinstellungen::Deutsch(), []() -> bool {
        throw Fehler("In config.ini kann nicht gelesen werden");
    });
    EXPECT_TRUE(dlg.Aufrufe.empty());
    EXPECT_EQ(fenster->lblReplayname->text(), QStringLiteral("lblReplayname"));
    EXPECT_FALSE(Box(0));
}

TEST_F(MainTest, FensterHatFesteGroesseUndDieSteuerelementeAmPlatz) {
    auto& f = Oeffnen(false);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Quellarch v" QUELLARCH_VERSION));
    EXPECT_EQ(f.centralWidget()->size(), QSize(796, 549));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    struct Platz {
        QWidget* w;
        QRect r;
    };
    const Platz plaetze[] = {
        {f.tbtRefresh, {0, 2, 23, 23}},       {f.tbtKopieren, {23, 2, 23, 23}},
        {f.edtSuche, {52, 3, 220, 23}},
        {f.grdReplays, {0, 29, 449, 520}},    {f.pnlRechts, {456, 29, 337, 484}},
        {f.grdSpieler, {8, 64, 321, 193}},    {f.grpSiegbedingungen, {9, 263, 153, 210}},
        {f.chkVernichtung, {8, 24, 137, 17}}, {f.chkSuddenDeath, {8, 184, 137, 17}},
        {f.btnKopieren, {456, 520, 97, 25}},  {f.btnUmbenennen, {560, 520, 97, 25}},
        {f.btnDOW, {664, 520, 97, 25}},
    };
    for (const auto& p : plaetze) {
        SCOPED_TRACE(p.w->objectName().toStdString());
        EXPECT_EQ(p.w->geometry(), p.r);
    }
    EXPECT_EQ(f.tbtRefresh->toolTip(), QStringLiteral("Liste aktualisieren"));
    EXPECT_EQ(f.tbtKopieren->toolTip(), QStringLiteral("Replays aus Playback-Verzeichnis kopieren"));
    EXPECT_EQ(f.grpSiegbedingungen->title(), QStringLiteral(" Siegbedingungen "));
    for (auto* chk : f.grpSiegbedingungen->findChildren<QCheckBox*>()) EXPECT_FALSE(chk->isEnabled());
    EXPECT_EQ(f.pnlRechts->palette().color(QPalette::Window), QColor(255, 251, 240));
    // Tab order: the list, the player grid, then the buttons with "DOW starten" before
    // "Umbenennen", then round to the search field in the tool bar.
    std::vector<QWidget*> folge;
    for (QWidget* w = f.grdReplays->nextInFocusChain(); w != f.grdReplays; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->window() == &f) folge.push_back(w);
    EXPECT_EQ(folge, (std::vector<QWidget*>{f.grdSpieler, f.btnKopieren, f.btnDOW, f.btnUmbenennen, f.edtSuche}));
    EXPECT_EQ(f.edtSuche->placeholderText(), QStringLiteral("Suchen: Name, Karte, Spieler, Rasse"));
    EXPECT_TRUE(f.edtSuche->isClearButtonEnabled());
    // "Hilfe" holds the one entry "Über Quellarch…"; "Optionen" is the command itself.
    ASSERT_EQ(f.Hilfe1->actions().size(), 1);
    EXPECT_EQ(f.UeberQuellarch1->text(), QStringLiteral("Über Quellarch…"));
    EXPECT_EQ(f.mbtOptionen->menu(), nullptr);
    EXPECT_EQ(f.Beenden1->text(), QStringLiteral("Beenden"));
}

// Every caption fits its button, whatever font stands in for "MS Sans Serif". Windows'
// offscreen platform has no fonts, only boxes; there the real window shows it.
TEST_F(MainTest, BeschriftungenPassenInIhreKnoepfe) {
    NUR_UNTER_POSIX();
    auto& f = Oeffnen(false);
    for (QPushButton* knopf : {f.btnKopieren, f.btnUmbenennen, f.btnDOW})
        EXPECT_LE(knopf->fontMetrics().horizontalAdvance(knopf->text()), knopf->width() - 10)
            << knopf->text().toStdString();
}

}  // namespace
