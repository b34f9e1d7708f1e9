// The window's layout: where it opens, and what of it config.ini keeps for the next start,
// in the section "Fenster".
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStringList>
#include <algorithm>

#include "core/platform/ini.h"
#include "core/variablen.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "gui/qttext.h"

namespace {

constexpr char kAbschnitt[] = "Fenster";
// The designed client area, without the menu bar and the status bar.
constexpr int kBreite = 796;
constexpr int kHoehe = 549;
// Room for the title bar and the borders, which the window only knows once it is shown.
const QSize kRahmen(16, 40);

std::string Lesen(const char* schluessel) {
    return plattform::IniLesen(ConfigDatei, kAbschnitt, schluessel, "");
}

// "a,b,c" as numbers; empty when any part is no number.
std::vector<int> Zahlen(const std::string& text, QChar trenner = QLatin1Char(',')) {
    std::vector<int> zahlen;
    const QStringList teile = AlsQString(text).split(trenner);
    for (const QString& teil : teile) {
        bool ok = false;
        const int z = teil.trimmed().toInt(&ok);
        if (!ok) return {};
        zahlen.push_back(z);
    }
    return zahlen;
}

// Whether the window's frame around this client rectangle lies wholly on one screen.
bool AufEinemBildschirm(const QRect& r) {
    const QRect rahmen(r.topLeft(), r.size() + kRahmen);
    for (const QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().contains(rahmen)) return true;
    return false;
}

}  // namespace

void TfrmMain::StandardlageSetzen() {
    const QScreen* schirm = QGuiApplication::screenAt(QPoint(245, 182));
    if (!schirm) schirm = QGuiApplication::primaryScreen();
    const QRect frei = schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
    QSize groesse(kBreite, kHoehe + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    // Where the screen offers less, the window is smaller; the panel then scrolls.
    groesse = groesse.boundedTo(frei.size() - kRahmen).expandedTo(minimumSize());
    resize(groesse);
    QPoint lage(245, 182);
    if (!frei.contains(QRect(lage, groesse + kRahmen)))
        lage = frei.topLeft() + QPoint(std::max(0, (frei.width() - groesse.width() - kRahmen.width()) / 2),
                                       std::max(0, (frei.height() - groesse.height() - kRahmen.height()) / 2));
    move(lage);
}

void TfrmMain::AnsichtLaden() {
    if (ConfigDatei.empty()) return;
    if (const std::vector<int> lage = Zahlen(Lesen("Lage")); lage.size() == 4) {
        const QRect r(lage[0], lage[1], lage[2], lage[3]);
        if (r.width() >= minimumWidth() && r.height() >= minimumHeight() && AufEinemBildschirm(r)) {
            move(r.topLeft());
            resize(r.size());
        }
    }
    if (Lesen("Maximiert") == "1") setWindowState(windowState() | Qt::WindowMaximized);
    if (const std::vector<int> teiler = Zahlen(Lesen("Teiler")); teiler.size() == 2 && teiler[0] > 0 && teiler[1] > 0)
        splMain->setSizes({teiler[0], teiler[1]});

    // "identity:width" in the order the columns stand.
    const QStringList spalten = AlsQString(Lesen("Spalten")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    int position = 0;
    for (const QString& spalte : spalten) {
        const std::vector<int> teile = Zahlen(AlsUtf8(spalte), QLatin1Char(':'));
        if (teile.size() != 2 || teile[1] < 1 || teile[1] > 4000) continue;
        const int jetzt = grdReplays->Spaltenposition(teile[0]);
        if (jetzt < 0) continue;
        grdReplays->MoveColumn(jetzt, position);
        const int da = grdReplays->Spaltenposition(teile[0]);
        grdReplays->SetColWidth(da, teile[1]);
        position = da + 1;
    }
    if (const std::vector<int> sortierung = Zahlen(Lesen("Sortierung")); sortierung.size() == 2) {
        const int spalte = grdReplays->Spaltenposition(sortierung[0]);
        if (spalte >= 0 && (sortierung[1] == sdAscending || sortierung[1] == sdDescending)) {
            grdReplays->SortOptions.Column = spalte;
            grdReplays->SortOptions.Direction = static_cast<TSortDirection>(sortierung[1]);
        }
    }
    startReplay_ = Lesen("Replay");
}

void TfrmMain::AnsichtSpeichern() const {
    if (ConfigDatei.empty()) return;
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    const auto schreiben = [](const char* schluessel, const QString& wert) {
        // The layout is a convenience: a config.ini that takes no writes costs only it.
        (void)plattform::IniSchreiben(ConfigDatei, kAbschnitt, schluessel, AlsUtf8(wert));
    };
    schreiben("Lage", QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
    schreiben("Maximiert", isMaximized() ? QStringLiteral("1") : QStringLiteral("0"));
    const QList<int> teiler = splMain->sizes();
    if (teiler.size() == 2) schreiben("Teiler", QStringLiteral("%1,%2").arg(teiler[0]).arg(teiler[1]));
    // The position's identity, not the position itself: what the user moved stays moved.
    // The widths as set, without the room the window's size gave: that comes anew.
    QStringList spalten;
    for (int position = 0; position < grdReplays->ColCount(); ++position)
        spalten << QStringLiteral("%1:%2").arg(grdReplays->Spaltenkennung(position)).arg(grdReplays->ColBaseWidth(position));
    schreiben("Spalten", spalten.join(QLatin1Char(',')));
    schreiben("Sortierung", QStringLiteral("%1,%2")
                                .arg(grdReplays->Spaltenkennung(grdReplays->SortOptions.Column))
                                .arg(grdReplays->SortOptions.Direction));
    // A file name is the file system's bytes and goes in as they are.
    const int zeile = grdReplays->CurrentRow();
    (void)plattform::IniSchreiben(ConfigDatei, kAbschnitt, "Replay", zeile >= 1 ? DateinameInZeile(zeile) : startReplay_);
}

void TfrmMain::closeEvent(QCloseEvent* ereignis) {
    AnsichtSpeichern();
    // What changed since the last write, so the next start reads only what changes then.
    live_->IndexSichern();
    live_->Anhalten();
    QMainWindow::closeEvent(ereignis);
}
