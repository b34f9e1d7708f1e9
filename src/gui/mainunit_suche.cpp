// The search field in the tool bar: the list shows only the replays whose name, file
// name, map, players or races hold every word typed.
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include "core/suche.h"
#include "core/variablen.h"
#include "gui/fehlerbox.h"
#include "gui/grid.h"
#include "gui/kerntexte.h"
#include "gui/gridspalten.h"
#include "gui/mainunit.h"
#include "gui/zahl.h"

void TfrmMain::SucheAufbauen() {
    // Right of the two tool buttons, in the tool bar's free width; nothing else moves.
    edtSuche = new QLineEdit(tlbMain);
    edtSuche->setObjectName(QStringLiteral("edtSuche"));
    edtSuche->setFixedSize(220, 23);
    edtSuche->setPlaceholderText(tr("Suchen: Name, Karte, Spieler, Rasse"));
    edtSuche->setClearButtonEnabled(true);
    lblTreffer = new QLabel(tlbMain);
    lblTreffer->setObjectName(QStringLiteral("lblTreffer"));
    lblTreffer->setTextFormat(Qt::PlainText);
    lblTreffer->setFixedSize(160, 23);
    lblTreffer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblTreffer->hide();
    auto* leiste = static_cast<QHBoxLayout*>(tlbMain->layout());
    leiste->addWidget(edtSuche);
    leiste->addSpacing(8);
    leiste->addWidget(lblTreffer);
    leiste->addStretch(1);

    auto* suchen = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(suchen, &QShortcut::activated, edtSuche, [this] {
        edtSuche->setFocus(Qt::ShortcutFocusReason);
        edtSuche->selectAll();
    });
    auto* leeren = new QShortcut(QKeySequence(Qt::Key_Escape), edtSuche, nullptr, nullptr, Qt::WidgetShortcut);
    connect(leeren, &QShortcut::activated, edtSuche, &QLineEdit::clear);
    Verbinden(dialoge_, edtSuche, &QLineEdit::textChanged, this, &TfrmMain::edtSucheChange);
}

void TfrmMain::edtSucheChange() { SucheAnwenden(); }

void TfrmMain::SucheAnwenden() {
    const TSuche suche(edtSuche->text().toStdString());
    if (!suche.Leer() && !suchtexteGefaltet_) {
        suchtexte_ = Suchtexte(Replays, KernUebersetzer());
        suchtexteGefaltet_ = true;
    }
    int gezeigt = 0;
    for (int r = 1; r < grdReplays->RowCount(); ++r) {
        // The empty row of an empty list names no replay and stays.
        const std::string nummer = grdReplays->CellStr(lsNummer, r);
        if (nummer.empty()) {
            grdReplays->SetRowHidden(r, false);
            continue;
        }
        const std::int32_t n = StrToInt(nummer);
        const bool passt =
            suche.Leer() || (n >= 1 && static_cast<size_t>(n) <= suchtexte_.size() && suche.Passt(suchtexte_[n - 1]));
        grdReplays->SetRowHidden(r, !passt);
        gezeigt += passt;
    }
    lblTreffer->setText(tr("%1 von %2").arg(gezeigt).arg(Replays.size()));
    lblTreffer->setVisible(!suche.Leer());
    // A current row the search showed again holds what it holds now: the panel follows it,
    // whatever it showed while the row was hidden.
    if (const int zeile = grdReplays->CurrentRow(); zeile >= 1) DetailsAnzeigen(IndexInZeile(zeile));
}
