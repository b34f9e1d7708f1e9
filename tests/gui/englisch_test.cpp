// The program in English: the main commands answer in English, and no window, menu, box
// or dialog shows a German word. The German words are those of the source texts that
// English words differently, read from quellarch_en.ts itself.
#include <QComboBox>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTimer>
#include <QXmlStreamReader>
#include <functional>

#include "core/platform/pfad.h"
#include "gui/optionenunit.h"
#include "gui/qtdialoge.h"
#include "gui/uebersetzung.h"
#include "mainunit_testhilfe.h"

namespace {

QStringList Woerter(const QString& text) {
    // A word cut off by an ellipsis ("und…" of "under") is no word of its own.
    static const QRegularExpression kWort(QStringLiteral("\\p{L}+(?!\\p{L}*…)"));
    QStringList woerter;
    for (auto treffer = kWort.globalMatch(text); treffer.hasNext();) woerter << treffer.next().captured().toLower();
    return woerter;
}

// The words of the source texts that no English text uses: "Verzeichnis", "kopieren",
// "wurde", but not "Replay", "Playback" or "Dawn", which both languages share.
QSet<QString> DeutscheWoerter() {
    QFile datei(QStringLiteral(":/test/quellarch_en.ts"));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&datei);
    QSet<QString> deutsch, englisch;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        // A translation's text includes its plural forms.
        QSet<QString>* woerter = xml.name() == QLatin1String("source")        ? &deutsch
                                 : xml.name() == QLatin1String("translation") ? &englisch
                                                                              : nullptr;
        if (woerter)
            for (const QString& w : Woerter(xml.readElementText(QXmlStreamReader::IncludeChildElements))) *woerter << w;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return deutsch - englisch;
}

// Every text a widget and its children show or may show: titles, labels, buttons, group
// boxes, placeholders, tooltips, menus, the status line, grid cells and choice entries.
void Sammeln(QWidget* w, QStringList& texte) {
    texte << w->windowTitle() << w->toolTip() << w->statusTip() << w->whatsThis();
    if (auto* l = qobject_cast<QLabel*>(w)) texte << l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) texte << b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) texte << g->title();
    if (auto* e = qobject_cast<QLineEdit*>(w)) texte << e->placeholderText();
    if (auto* m = qobject_cast<QMenu*>(w)) texte << m->title();
    if (auto* s = qobject_cast<QStatusBar*>(w)) texte << s->currentMessage();
    if (auto* c = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < c->count(); ++i) texte << c->itemText(i);
    if (auto* g = qobject_cast<TCheckSortGrid*>(w))
        for (int r = 0; r < g->RowCount(); ++r)
            for (int c = 0; c < g->ColCount(); ++c) texte << QString::fromStdString(g->CellStr(c, r));
    for (QAction* a : w->actions()) {
        texte << a->text() << a->toolTip();
        if (a->menu()) Sammeln(a->menu(), texte);
    }
    for (QWidget* kind : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) Sammeln(kind, texte);
}

class EnglischTest : public MainTest {
protected:
    void SetUp() override {
        SpracheLaden(TSprache::Englisch);
        MainTest::SetUp();
    }
    void TearDown() override {
        MainTest::TearDown();
        SpracheLaden(TSprache::Deutsch);
    }
    // A replay whose own names are no words of either language.
    static ReplayBauer Replay(const std::string& name, const std::string& karte = "2P_BLOOD_RIVER") {
        ReplayBauer bau = Bau(name, 2, karte);
        bau.Spieler[0].Name = u"Ace";
        bau.Spieler[1].Name = u"Bolt";
        return bau;
    }
    QString Status() const { return fenster->statusBar()->currentMessage(); }
    // Every text the scripted boxes were asked to show.
    void BoxenSammeln(QStringList& texte) const {
        for (const auto& a : dlg.Aufrufe) {
            texte << QString::fromStdString(a.text) << QString::fromStdString(a.titel);
            for (const std::string& grund : a.abgelehnt) texte << QString::fromStdString(grund);
        }
    }
};

// One row per main command: what it says in the status line and in its boxes (a query's
// refusals after its prompt).
TEST_F(EnglischTest, HauptbefehleAntwortenEnglisch) {
    InBibliothek("a.rec", Replay("Alpha"));
    auto& f = Oeffnen();
    const std::string bib = Bibliothek();
    struct Fall {
        const char* befehl;
        std::function<void()> tun;
        std::string status;
        std::vector<std::string> boxen;
    };
    const Fall faelle[] = {
        {"Refresh", [&] { f.Aktualisieren1->trigger(); }, "1 replay in " + bib, {}},
        {"Import",
         [&] {
             Replay("Bravo").Schreiben(Playback() + "b.rec");
             dlg.Ja();
             QTest::mouseClick(f.tbtKopieren, Qt::LeftButton);
         },
         "1 replay was copied.",
         {"Remove the replays from the Playback folder afterwards?", "1 replay was copied."}},
        {"Rename",
         [&] {
             dlg.Eingeben("   ").Eingeben("Charlie");
             f.grdReplays->SetCurrentCell(lsBox, ZeileVon("a.rec"));
             QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);
         },
         "a.rec is now called “Charlie”.",
         {"Replay: Alpha\nFile: a.rec\r\n\r\nNew replay name (1-25 characters):",
          "A name cannot consist of spaces only."}},
        {"Copy replays", [&] { QTest::mouseClick(f.btnKopieren, Qt::LeftButton); },
         "0 replays moved from the Playback folder into the library. 0 replays copied to the Playback folder. No "
         "replay is ticked: please tick the replays the game is to show.",
         {"0 replays moved from the Playback folder into the library.\r\n0 replays copied to the Playback "
          "folder.\r\nNo replay is ticked: please tick the replays the game is to show."}},
        {"Start the game",
         [&] {
             DOWVerzeichnis = bib;
             QTest::mouseClick(f.btnDOW, Qt::LeftButton);
             DOWVerzeichnis = Spiel();
         },
         "Dawn of War was not started.",
         {"The Dawn of War folder " + bib + " holds none of the programs W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe and W40k_gog.exe."}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.befehl);
        dlg.Vergessen();
        fall.tun();
        EXPECT_EQ(Status().toStdString(), fall.status);
        std::vector<std::string> boxen;
        for (const auto& a : dlg.Aufrufe) {
            boxen.push_back(a.text);
            boxen.insert(boxen.end(), a.abgelehnt.begin(), a.abgelehnt.end());
        }
        EXPECT_EQ(boxen, fall.boxen);
    }
}

// Every window, menu and box of a session in English, each command's boxes included.
TEST_F(EnglischTest, KeinFensterZeigtEinDeutschesWort) {
    const QSet<QString> deutsch = DeutscheWoerter();
    ASSERT_TRUE(deutsch.contains(QStringLiteral("verzeichnis")) && !deutsch.contains(QStringLiteral("replay")));
    QStringList texte;

    // A first start without folders.
    ConfigDatei = tmp.Pfad() + "config.ini";
    Sammeln(&Oeffnen(false), texte);
    fenster.reset();

    // A start with a replay waiting in Playback and a damaged file in the library.
    InBibliothek("a.rec", Replay("Alpha", "4P_BIFFYS_PERIL"));
    std::ofstream(Bibliothek() + "kaputt.rec") << "no replay";
    Replay("Bravo").Schreiben(Playback() + "b.rec");
    dlg.Ja().Nein();
    auto& f = Oeffnen();
    Suchen("ace");
    Sammeln(&f, texte);
    SucheLeeren();
    // The unreadable file: its row, its panel and the rename's refusal.
    f.grdReplays->SetCurrentCell(lsBox, ZeileVon("kaputt.rec"));
    Sammeln(&f, texte);
    QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);
    texte << Status();
    f.grdReplays->SetCurrentCell(lsBox, ZeileVon("a.rec"));
    dlg.EingabeAbbrechen();
    QTest::mouseClick(f.btnUmbenennen, Qt::LeftButton);
    texte << Status();
    QTest::mouseClick(f.btnKopieren, Qt::LeftButton);
    texte << Status();
    f.UeberQuellarch1->trigger();
    // The file commands: Del's question, F2's query with a refused name, the template's question.
    f.grdReplays->setFocus();
    dlg.Nein().Eingeben("CON").EingabeAbbrechen().Nein();
    for (const auto taste : {Qt::Key_Delete, Qt::Key_F2}) {
        QTest::keyClick(f.grdReplays, taste);
        texte << Status();
    }
    f.DateinamenBilden1->trigger();
    texte << Status();

    // Optionen: the chooser, a game folder without the game, a new library moved.
    auto* optionen = new TfrmOptionen(&f, dlg);
    optionen->show();
    Sammeln(optionen, texte);
    dlg.OrdnerAbbrechen();
    optionen->sbtDOWWechseln->click();
    optionen->edtDOWVerzeichnis->setText(QString::fromStdString(Bibliothek()));
    optionen->edtReplayVerzeichnis->setText(QString::fromStdString(tmp.Pfad() + "neu"));
    dlg.Ja().Ja().Ja().Nein();
    optionen->btnOk->click();
    BoxenSammeln(texte);

    // The real boxes, their buttons and the query's counter.
    TQtDialoge echt(&f);
    const auto wennOffen = [&](std::function<void(QWidget*)> schliessen) {
        QTimer::singleShot(5, [&texte, schliessen] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            Sammeln(box, texte);
            schliessen(box);
        });
    };
    wennOffen([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    echt.Nachricht("x");
    wennOffen([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    echt.Frage("x", "x");
    wennOffen([](QWidget* box) { static_cast<QDialog*>(box)->reject(); });
    std::string name = "x";
    echt.Eingabe("x", "x", name, {25, {}});

    for (const QString& text : texte)
        for (const QString& wort : Woerter(text)) EXPECT_FALSE(deutsch.contains(wort)) << wort.toStdString() << " in: "
                                                                                        << text.toStdString();
    ConfigDatei.clear();
}

}  // namespace
