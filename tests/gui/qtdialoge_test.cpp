// The real boxes, one test each: title, text, buttons, plain-text format, default and
// escape answers. The box is answered from a timer while it runs modally.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "gui/qtdialoge.h"

namespace {

// Runs pruefen on the modal box as soon as it is up; the check must close the box.
void WennOffen(std::function<void(QWidget*)> pruefen) {
    QTimer::singleShot(5, [pruefen]() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible()) {
            WennOffen(pruefen);
            return;
        }
        pruefen(w);
    });
}

QStringList Knopftexte(QWidget* w) {
    QStringList texte;
    for (auto* k : w->findChildren<QPushButton*>()) texte << k->text();
    texte.sort();
    return texte;
}

const std::string kRoh = "<b>x</b><img src=\"a.png\">";

TEST(QtDialoge, NachrichtHatDenAnwendungstitelUndNurOkUndZeigtTextWoertlich) {
    TQtDialoge dialoge;
    bool geprueft = false;
    WennOffen([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Quellarch"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->text(), QString::fromUtf8(kRoh.c_str()));
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(Knopftexte(box), QStringList{QStringLiteral("OK")});
        geprueft = true;
        QTest::keyClick(box, Qt::Key_Return);
    });
    dialoge.Nachricht(kRoh);
    EXPECT_TRUE(geprueft);
}

TEST(QtDialoge, FrageHatJaAlsVorgabeUndEscGiltAlsNein) {
    struct Fall {
        const char* name;
        Qt::Key taste;
        bool erwartet;
    };
    const Fall faelle[] = {{"Enter", Qt::Key_Return, true}, {"Esc", Qt::Key_Escape, false}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TQtDialoge dialoge;
        bool geprueft = false;
        WennOffen([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Replays löschen"));
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            // The core's "\r\n" becomes one line break; the mark-up stays text.
            EXPECT_EQ(box->text(), QString::fromUtf8("Zeile 1\n<i>Zeile</i> 2"));
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(Knopftexte(box), (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
            ASSERT_NE(box->defaultButton(), nullptr);
            EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("Ja"));
            // Wide enough for its title beside the title bar's buttons: "Repla…chen" no more.
            EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(box->windowTitle()) + 120);
            geprueft = true;
            QTest::keyClick(box, f.taste);
        });
        bool antwort = dialoge.Frage("Zeile 1\r\n<i>Zeile</i> 2", std::string("Replays löschen"));
        EXPECT_TRUE(geprueft);
        EXPECT_EQ(antwort, f.erwartet);
    }
}

TEST(QtDialoge, EingabeBeginntVollMarkiertUndGibtDenTextZurueck) {
    TQtDialoge dialoge;
    bool geprueft = false;
    const TDialoge::TEingaberegeln regeln{
        25, [](const std::string& t) { return t.find_first_not_of(' ') == std::string::npos ? "nur Blanks" : ""; }};
    WennOffen([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Replay umbenennen"));
        auto* edt = w->findChild<QLineEdit*>(QStringLiteral("edtEingabe"));
        ASSERT_NE(edt, nullptr);
        EXPECT_EQ(edt->text(), QString::fromUtf8("Alt <b>ä</b>"));
        EXPECT_EQ(edt->selectedText(), edt->text());
        QStringList prompts;
        for (auto* l : w->findChildren<QLabel*>()) {
            EXPECT_EQ(l->textFormat(), Qt::PlainText);
            prompts << l->text();
        }
        EXPECT_TRUE(prompts.contains(QStringLiteral("Neuer Replayname (1-25 Zeichen):")));
        EXPECT_EQ(Knopftexte(w), (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("OK")}));
        auto* zaehler = w->findChild<QLabel*>(QStringLiteral("lblZaehler"));
        auto* grund = w->findChild<QLabel*>(QStringLiteral("lblGrund"));
        ASSERT_TRUE(zaehler && grund);
        geprueft = true;
        // Typing stops at the limit, and the count says so.
        QTest::keyClicks(edt, QString(30, QLatin1Char('x')));
        EXPECT_EQ(edt->text(), QString(25, QLatin1Char('x')));
        EXPECT_EQ(zaehler->text(), QStringLiteral("25 von 25 Zeichen"));
        // OK on a refused text says why and stays open.
        edt->selectAll();
        QTest::keyClicks(edt, QStringLiteral("   "));
        QTest::keyClick(edt, Qt::Key_Return);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(grund->isVisible());
        EXPECT_EQ(grund->text(), QStringLiteral("nur Blanks"));
        // Typing replaces the selection.
        edt->selectAll();
        edt->insert(QString::fromUtf8("Neu ö€Ω"));
        EXPECT_FALSE(grund->isVisible());
        QTest::keyClick(edt, Qt::Key_Return);
    });
    std::string text = std::string("Alt <b>ä</b>");
    EXPECT_TRUE(dialoge.Eingabe("Replay umbenennen", "Neuer Replayname (1-25 Zeichen):", text, regeln));
    EXPECT_TRUE(geprueft);
    EXPECT_EQ(text, std::string("Neu ö€Ω"));

    WennOffen([&](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    std::string unveraendert = "bleibt";
    EXPECT_FALSE(dialoge.Eingabe("Replay umbenennen", "Neuer Replayname (1-25 Zeichen):", unveraendert, regeln));
    EXPECT_EQ(unveraendert, "bleibt");
}

}  // namespace
