// Painting of TCheckSortGrid. Only the visible cells are drawn; texts go through
// QPainter::drawText, which never interprets mark-up.
#include <QFontMetrics>
#include <QPainter>
#include <QPaintEvent>
#include <QStyle>
#include <QStyleOptionButton>

#include "gui/grid.h"
#include "gui/gridmodell.h"
#include "gui/qttext.h"

void TCheckSortGrid::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QRect flaeche = viewport()->rect();
    p.fillRect(flaeche, palette().color(QPalette::Window));
    if (ColCount() == 0 || RowCount() == 0) return;

    const int festB = geometrie_.Breite(0), festH = geometrie_.Hoehe(0);
    int ersteZeile = geometrie_.ZeileBei(festH);
    auto zeichneZeilen = [&](int vonSpalte, int bisSpalte) {
        if (ersteZeile < 1) return;
        for (int r = ersteZeile; r < RowCount(); ++r) {
            if (modell_->Versteckt(r)) continue;
            int y = geometrie_.ZeilenY(r);
            if (y >= flaeche.bottom() + 1) break;
            for (int s = vonSpalte; s <= bisSpalte; ++s) {
                QRect zelle = geometrie_.Zelle(s, r);
                if (zelle.right() < 0 || zelle.left() > flaeche.right()) continue;
                ZelleZeichnen(p, s, r, zelle);
            }
        }
    };

    // Scrolled cells first, clipped so that they never cover the fixed row or column.
    p.setClipRect(QRect(festB, festH, flaeche.width() - festB, flaeche.height() - festH));
    zeichneZeilen(1, ColCount() - 1);
    p.setClipRect(QRect(0, festH, festB, flaeche.height() - festH));
    zeichneZeilen(0, 0);
    p.setClipRect(QRect(festB, 0, flaeche.width() - festB, festH));
    for (int s = 1; s < ColCount(); ++s) {
        QRect zelle = geometrie_.Zelle(s, 0);
        if (zelle.right() >= festB && zelle.left() <= flaeche.right()) ZelleZeichnen(p, s, 0, zelle);
    }
    p.setClipRect(QRect(0, 0, festB, festH));
    ZelleZeichnen(p, 0, 0, geometrie_.Zelle(0, 0));
    p.setClipping(false);
    ZeilenFokusZeichnen(p);
    VerschiebenZeichnen(p);
}

QRect TCheckSortGrid::TextRect(int spalte, int zeile, const QRect& r) const {
    const QRect innen = r.adjusted(0, 0, -linienBreite_, -linienBreite_);
    int textLinks = innen.left() + 2;
    if (modell_->HatCheckbox(spalte, zeile)) textLinks = r.left() + 2 + CheckBoxSize + 3;
    int textRechts = innen.right() - 2;
    if (zeile == 0 && spalte == SortOptions.Column && SortMarkerVisible()) textRechts -= 12;
    return QRect(textLinks, innen.top(), std::max(0, textRechts - textLinks + 1), innen.height());
}

QString TCheckSortGrid::GezeigterText(int spalte, int zeile, const QRect& textRect) const {
    const QString text = AlsQString(modell_->Text(spalte, zeile));
    const QFontMetrics metrik(zeile == 0 || spalte == 0 ? festeSchrift_ : zellenSchrift_);
    return metrik.elidedText(text, Qt::ElideRight, textRect.width());
}

void TCheckSortGrid::ZelleZeichnen(QPainter& p, int spalte, int zeile, const QRect& r) const {
    const std::string_view text = modell_->Text(spalte, zeile);
    const bool box = modell_->HatCheckbox(spalte, zeile);
    const bool fest = zeile == 0 || spalte == 0;
    const bool gewaehlt = !fest && auswahl_.isValid() && auswahl_.contains(spalte, zeile);
    p.fillRect(r, fest ? festeFarbe_ : gewaehlt ? auswahlFarbe_ : farbe_);
    if (linienBreite_ > 0) {
        p.fillRect(QRect(r.right() - linienBreite_ + 1, r.top(), linienBreite_, r.height()), linienFarbe_);
        p.fillRect(QRect(r.left(), r.bottom() - linienBreite_ + 1, r.width(), linienBreite_), linienFarbe_);
    }
    QRect innen = r.adjusted(0, 0, -linienBreite_, -linienBreite_);
    if (box) {
        QStyleOptionButton box;
        box.rect = QRect(r.left() + 2, r.top() + 2, CheckBoxSize, CheckBoxSize);
        box.state = QStyle::State_Enabled | (modell_->Angekreuzt(spalte, zeile) ? QStyle::State_On : QStyle::State_Off);
        box.palette = palette();
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &p, this);
    }
    if (zeile == 0 && spalte == SortOptions.Column && SortMarkerVisible()) MarkerZeichnen(p, innen);
    const QRect textRect = TextRect(spalte, zeile, r);
    if (!text.empty() && textRect.width() > 0) {
        p.setFont(fest ? festeSchrift_ : zellenSchrift_);
        p.setPen(gewaehlt ? auswahlTextFarbe_ : palette().color(QPalette::WindowText));
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   GezeigterText(spalte, zeile, textRect));
    }
    if (!fest && !HideFocusRect && !(optionen_ & goRowSelect) && hasFocus() && zeile == aktZeile_ &&
        spalte == aktSpalte_) {
        QPen punkte(palette().color(QPalette::WindowText), 1, Qt::DotLine);
        p.setPen(punkte);
        p.setBrush(Qt::NoBrush);
        p.drawRect(innen.adjusted(0, 0, -1, -1));
    }
}

// With whole-row selection the focus shows as one dotted frame around the current row,
// drawn over the cells, so the user sees where the keys act.
void TCheckSortGrid::ZeilenFokusZeichnen(QPainter& p) const {
    if (HideFocusRect || !(optionen_ & goRowSelect) || !hasFocus() || CurrentRow() < 1) return;
    const QRect erste = geometrie_.Zelle(1, aktZeile_), letzte = geometrie_.Zelle(ColCount() - 1, aktZeile_);
    if (erste.isNull() || letzte.isNull()) return;
    QRect zeile(QPoint(std::max(erste.left(), geometrie_.Breite(0)), erste.top()),
                QPoint(letzte.right() - linienBreite_, letzte.bottom() - linienBreite_));
    if (zeile.top() < geometrie_.Hoehe(0)) return;
    QPen punkte(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    p.setPen(punkte);
    p.setBrush(Qt::NoBrush);
    p.drawRect(zeile.adjusted(0, 0, -1, -1));
}

// An outlined 8 x 8 triangle at the right of the header cell, pointing up for ascending
// and down for descending; engraved and lit from the top left, so edges facing there are
// grey and the others white.
void TCheckSortGrid::MarkerZeichnen(QPainter& p, const QRect& r) const {
    const int x = r.right() - 11, y = r.top() + (r.height() - 8) / 2;
    const QColor hell(Qt::white), schatten(Qt::gray);
    p.setBrush(Qt::NoBrush);
    if (SortOptions.Direction == sdAscending) {
        const QPoint spitze(x + 4, y), links(x, y + 7), rechts(x + 7, y + 7);
        p.setPen(schatten);
        p.drawLine(spitze, links);
        p.setPen(hell);
        p.drawLine(spitze, rechts);
        p.drawLine(links, rechts);
    } else {
        const QPoint links(x, y), rechts(x + 7, y), spitze(x + 4, y + 7);
        p.setPen(schatten);
        p.drawLine(links, rechts);
        p.drawLine(links, spitze);
        p.setPen(hell);
        p.drawLine(rechts, spitze);
    }
}

// The floating caption of a dragged column and a bar at the place it would drop.
void TCheckSortGrid::VerschiebenZeichnen(QPainter& p) const {
    if (zustand_ != TMauszustand::Verschieben || verschiebenSpalte_ < 0) return;
    QRect kopf = geometrie_.Zelle(verschiebenSpalte_, 0);
    if (FloatingColumnMove) {
        QRect schwebend = kopf.translated(verschiebenX_ - druckX_, 0);
        p.setOpacity(0.6);
        p.fillRect(schwebend, festeFarbe_.darker(115));
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(festeSchrift_);
        p.drawText(schwebend.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   AlsQString(modell_->Text(verschiebenSpalte_, 0)));
        p.setOpacity(1.0);
    }
    if (Abgelegt(verschiebenZiel_)) {
        QRect ziel = geometrie_.Zelle(verschiebenZiel_, 0);
        int x = verschiebenZiel_ > verschiebenSpalte_ ? ziel.right() - 1 : ziel.left();
        p.fillRect(QRect(x, 0, 2, viewport()->height()), Qt::red);
    }
}
