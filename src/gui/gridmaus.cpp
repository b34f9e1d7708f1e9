// Mouse and keyboard behaviour of TCheckSortGrid: box toggles, clicks, header sorting,
// column sizing and moving, and the current cell.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "gui/grid.h"
#include "gui/gridmodell.h"
#include "gui/sortvergleich.h"

namespace {
// How far a header must be dragged before it counts as a column move.
constexpr int verschiebenAb = 4;
}  // namespace

bool TCheckSortGrid::DarfAendern(int zeile, int spalte, bool vorgabe) {
    bool canEdit = vorgabe;
    if (OnCanEditCell) OnCanEditCell(this, zeile, spalte, canEdit);
    return canEdit;
}

bool TCheckSortGrid::CheckboxGetroffen(int spalte, int zeile, QPoint punkt) const {
    if (spalte < 1 || zeile < 0) return false;
    if (zeile == 0 && !CheckAllInHeader) return false;
    if (!modell_->HatCheckbox(spalte, zeile)) return false;
    // QRect::contains leaves the right and bottom edges of the square outside.
    return !PreciseCheckBoxHit || CheckBoxRect(spalte, zeile).contains(punkt);
}

void TCheckSortGrid::CheckboxUmschalten(int spalte, int zeile) {
    bool neu = !modell_->Angekreuzt(spalte, zeile);
    modell_->ZustandSetzen(spalte, zeile, neu);
    setFocus(Qt::MouseFocusReason);
    if (zeile > 0) {
        ZelleWaehlen(spalte, zeile, false);
    } else if (CheckAllInHeader) {
        // Rows without a box are skipped and not asked about; hidden rows keep their marks.
        for (int r = 1; r < RowCount(); ++r)
            if (!modell_->Versteckt(r)) modell_->ZustandSetzen(spalte, r, neu);
    }
}

void TCheckSortGrid::AktuelleZelle(int spalte, int zeile, bool erweitern) {
    if (RowCount() < 2 || ColCount() < 2) return;
    zeile = GezeigteZeile(std::clamp(zeile, 1, RowCount() - 1), 0);
    if (zeile < 1) return;
    spalte = (optionen_ & goRowSelect) ? 1 : std::clamp(spalte, 1, ColCount() - 1);
    bool neu = zeile != aktZeile_ || spalte != aktSpalte_;
    aktZeile_ = zeile;
    aktSpalte_ = spalte;
    if (!erweitern) {
        ankerZeile_ = zeile;
        ankerSpalte_ = spalte;
    }
    AuswahlErweitern(spalte, zeile);
    // Neither grid edits text, so the answer only matters to a box toggle.
    if (neu) DarfAendern(zeile, spalte, false);
    Sichtbar(zeile);
    viewport()->update();
}

void TCheckSortGrid::ZelleWaehlen(int spalte, int zeile, bool erweitern) {
    const int vorher = aktZeile_;
    AktuelleZelle(spalte, zeile, erweitern);
    if (aktZeile_ != vorher && aktZeile_ >= 1 && OnZeileGewechselt) OnZeileGewechselt(this, aktZeile_);
}

int TCheckSortGrid::GezeigteZeile(int von, int schritte) const {
    const bool gezeigt = von >= 1 && von < RowCount() && !modell_->Versteckt(von);
    if (schritte == 0) {
        if (gezeigt) return von;
        schritte = 1;
    }
    const int richtung = schritte < 0 ? -1 : 1;
    int rest = std::abs(schritte);
    int gefunden = gezeigt ? von : -1;
    for (int r = von + richtung; rest > 0 && r >= 1 && r < RowCount(); r += richtung) {
        if (modell_->Versteckt(r)) continue;
        gefunden = r;
        --rest;
    }
    if (gefunden >= 1) return gefunden;
    for (int r = von - richtung; r >= 1 && r < RowCount(); r -= richtung)
        if (!modell_->Versteckt(r)) return r;
    return -1;
}

void TCheckSortGrid::AuswahlErweitern(int spalte, int zeile) {
    QRect r = QRect(QPoint(std::min(ankerSpalte_, spalte), std::min(ankerZeile_, zeile)),
                    QPoint(std::max(ankerSpalte_, spalte), std::max(ankerZeile_, zeile)));
    if (optionen_ & goRowSelect) {
        r.setLeft(1);
        r.setRight(ColCount() - 1);
    }
    auswahl_ = r;
    viewport()->update();
}

void TCheckSortGrid::Sichtbar(int zeile) {
    if (geometrieVorgemerkt_) GeometrieAktualisieren();
    QRect r = geometrie_.Zelle(0, zeile);
    int oben = geometrie_.Hoehe(0), unten = viewport()->height();
    QScrollBar* leiste = verticalScrollBar();
    if (r.top() < oben) leiste->setValue(leiste->value() - (oben - r.top()));
    else if (r.bottom() >= unten && r.height() <= unten - oben) leiste->setValue(leiste->value() + r.bottom() - unten + 1);
}

bool TCheckSortGrid::Abgelegt(int ziel) const {
    return ziel >= std::max(1, MinDropColumn) && ziel < ColCount() && ziel != verschiebenSpalte_;
}

void TCheckSortGrid::SpalteVerschieben(int von, int nach) {
    modell_->SpalteVerschieben(von, nach);
    geometrie_.SpalteVerschieben(von, nach);
    // The identity travels with the cells and the width, the columns between shift by one.
    auto kennung = kennungen_.begin();
    if (von < nach) std::rotate(kennung + von, kennung + von + 1, kennung + nach + 1);
    else std::rotate(kennung + nach, kennung + von, kennung + von + 1);
    // The marker stays on the column that was sorted.
    int& sortiert = SortOptions.Column;
    if (sortiert == von) sortiert = nach;
    else if (von < nach && sortiert > von && sortiert <= nach) --sortiert;
    else if (nach < von && sortiert >= nach && sortiert < von) ++sortiert;
    Umgestaltet();
}

void TCheckSortGrid::SortByHeaderClick(int spalte) {
    if (spalte < 0 || spalte >= ColCount()) return;
    if (spalte == SortOptions.Column) {
        SortOptions.Direction = SortOptions.Direction == sdAscending ? sdDescending : sdAscending;
    } else {
        SortOptions.Column = spalte;
        SortOptions.Direction = SortOptions.InitSortDirection;
    }
    Sortieren(spalte);
}

void TCheckSortGrid::MoveColumn(int von, int nach) {
    if (von == nach || von < std::max(1, MinDropColumn) || von >= ColCount() || nach < std::max(1, MinDropColumn) ||
        nach >= ColCount())
        return;
    SpalteVerschieben(von, nach);
}

void TCheckSortGrid::Nachsortieren() {
    if (SortOptions.Show && SortOptions.Column >= 0 && SortOptions.Column < ColCount()) Sortieren(SortOptions.Column);
}

void TCheckSortGrid::MoveRow(int von, int nach) {
    if (von < 1 || nach < 1 || von >= RowCount() || nach >= RowCount() || von == nach) return;
    modell_->ZeileVerschieben(von, nach);
    if (aktZeile_ == von) aktZeile_ = nach;
    else if (von < aktZeile_ && aktZeile_ <= nach) --aktZeile_;
    else if (nach <= aktZeile_ && aktZeile_ < von) ++aktZeile_;
    if (aktZeile_ >= 1) {
        ankerZeile_ = aktZeile_;
        ankerSpalte_ = aktSpalte_;
        AuswahlErweitern(aktSpalte_, aktZeile_);
    }
    // Hidden rows and rows of their own height move too.
    geometrie_.ZeilenVeraltet();
    GeometrieVormerken();
    viewport()->update();
}

int TCheckSortGrid::SortierteStelle(int ARow) const {
    if (!SortOptions.Show || ARow < 1 || ARow >= RowCount() || SortOptions.Column < 0 ||
        SortOptions.Column >= ColCount())
        return ARow;
    const int vorzeichen = SortOptions.Direction == sdDescending ? -1 : 1;
    const int letzte = SortOptions.Full ? ColCount() - 1 : SortOptions.Column;
    const auto vergleich = [&](int x, int y) {
        for (int s = SortOptions.Column; s <= letzte; ++s)
            if (const int e = sortvergleich(modell_->Zelle(s, x), modell_->Zelle(s, y), regional_, SortOptions.AutoFormat))
                return e * vorzeichen;
        return 0;
    };
    // The other rows, numbered 0.. without ARow; after the last of those that do not come
    // after it, as a stable sort would have put a row that was added last.
    int unten = 0, oben = RowCount() - 2;
    while (unten < oben) {
        const int mitte = (unten + oben) / 2;
        const int zeile = mitte + 1 < ARow ? mitte + 1 : mitte + 2;
        if (vergleich(ARow, zeile) < 0) oben = mitte;
        else unten = mitte + 1;
    }
    return unten + 1;
}

void TCheckSortGrid::Sortieren(int spalte) {
    const std::vector<int> herkunft = modell_->Sortieren(spalte, SortOptions.Direction, SortOptions, regional_, 1);
    // The current row goes where its contents went, so it still holds what the user chose
    // (and what the window shows of it). A range of rows is scattered by the sort; the
    // selection shrinks to the current row.
    if (herkunft.empty() || SortOptions.SingleColumn || aktZeile_ < 1) return;
    auto neu = std::find(herkunft.begin(), herkunft.end(), aktZeile_);
    if (neu == herkunft.end()) return;
    aktZeile_ = 1 + static_cast<int>(neu - herkunft.begin());
    ankerZeile_ = aktZeile_;
    ankerSpalte_ = aktSpalte_;
    AuswahlErweitern(aktSpalte_, aktZeile_);
}

int TCheckSortGrid::GroessenSpalte(QPoint p, int spalte, int zeile) const {
    if (!(optionen_ & goColSizing) || zeile != 0 || spalte < 0) return -1;
    // The header's box starts 2 pixels right of the column line, inside the zone.
    if (CheckboxGetroffen(spalte, zeile, p) && CheckBoxRect(spalte, zeile).contains(p)) return -1;
    return geometrie_.GroessenRand(p.x(), spalte);
}

void TCheckSortGrid::mousePressEvent(QMouseEvent* e) {
    if (geometrieVorgemerkt_) GeometrieAktualisieren();
    zustand_ = TMauszustand::Normal;
    keinSortieren_ = false;
    if (e->button() != Qt::LeftButton) return;
    QPoint p = e->position().toPoint();
    int spalte = geometrie_.SpalteBei(p.x()), zeile = geometrie_.ZeileBei(p.y());
    druckZeile_ = zeile;
    druckSpalte_ = spalte;
    druckX_ = p.x();
    druckPunkt_ = p;
    if (spalte < 0 || zeile < 0) return;
    bool amRand = (optionen_ & goColSizing) &&
                  (geometrie_.AmLinkenRand(p.x(), spalte) || geometrie_.AmRechtenRand(p.x(), spalte));

    const int groesse = GroessenSpalte(p, spalte, zeile);
    if (groesse >= 0) {
        zustand_ = TMauszustand::Groesse;
        groesseSpalte_ = groesse;
        groesseStartX_ = p.x();
        groesseStartBreite_ = geometrie_.Breite(groesse);
        return;
    }
    if (CheckboxGetroffen(spalte, zeile, p) && DarfAendern(zeile, spalte, false)) {
        CheckboxUmschalten(spalte, zeile);
        return;
    }
    if (zeile == 0 && spalte >= 1 && (optionen_ & goColMoving)) {
        zustand_ = TMauszustand::VerschiebenBereit;
        verschiebenSpalte_ = spalte;
        verschiebenZiel_ = -1;
    }
    if (zeile >= 1) {
        // The number cell is fixed and never current itself, but it names its row.
        bool erweitern = (e->modifiers() & Qt::ShiftModifier) && (optionen_ & goRangeSelect);
        ZelleWaehlen(std::max(spalte, 1), zeile, erweitern);
        if (optionen_ & goRangeSelect) zustand_ = TMauszustand::Auswaehlen;
    }
    if (!amRand && OnClickCell) OnClickCell(this, zeile, spalte);
}

int TCheckSortGrid::ZeileBei(QPoint p) const { return geometrie_.ZeileBei(p.y()); }

void TCheckSortGrid::mouseMoveEvent(QMouseEvent* e) {
    QPoint p = e->position().toPoint();
    switch (zustand_) {
    case TMauszustand::Groesse:
        geometrie_.BreiteSetzen(groesseSpalte_, std::max(1, groesseStartBreite_ + p.x() - groesseStartX_));
        handSpalte_ = groesseSpalte_;
        Umgestaltet();
        handSpalte_ = -1;
        return;
    case TMauszustand::VerschiebenBereit: {
        if (std::abs(p.x() - druckX_) < verschiebenAb) return;
        bool allow = true;
        if (OnColumnMove) OnColumnMove(this, verschiebenSpalte_, allow);
        zustand_ = allow ? TMauszustand::Verschieben : TMauszustand::Normal;
        [[fallthrough]];
    }
    case TMauszustand::Verschieben:
        if (zustand_ != TMauszustand::Verschieben) return;
        verschiebenX_ = p.x();
        verschiebenZiel_ = geometrie_.SpalteBei(p.x());
        viewport()->update();
        return;
    case TMauszustand::Auswaehlen: {
        if (OnZiehen && druckZeile_ >= 1) {
            if ((p - druckPunkt_).manhattanLength() < QApplication::startDragDistance()) return;
            zustand_ = TMauszustand::Normal;
            OnZiehen(this, druckZeile_);
            return;
        }
        int spalte = geometrie_.SpalteBei(p.x()), zeile = geometrie_.ZeileBei(p.y());
        if (spalte >= 1 && zeile >= 1) AuswahlErweitern((optionen_ & goRowSelect) ? 1 : spalte, zeile);
        return;
    }
    case TMauszustand::Normal:
        break;
    }
    // Show where a border can be dragged.
    int spalte = geometrie_.SpalteBei(p.x()), zeile = geometrie_.ZeileBei(p.y());
    bool rand = false;
    if ((optionen_ & goColSizing) && zeile == 0 && spalte >= 0)
        rand = geometrie_.AmRechtenRand(p.x(), spalte) || (spalte > 0 && geometrie_.AmLinkenRand(p.x(), spalte));
    viewport()->setCursor(rand ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void TCheckSortGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    TMauszustand war = zustand_;
    zustand_ = TMauszustand::Normal;
    if (war == TMauszustand::Groesse) return;
    if (war == TMauszustand::Verschieben) {
        int ziel = geometrie_.SpalteBei(e->position().toPoint().x());
        if (Abgelegt(ziel)) SpalteVerschieben(verschiebenSpalte_, ziel);
        verschiebenSpalte_ = verschiebenZiel_ = -1;
        viewport()->update();
        return;
    }
    if (keinSortieren_) {
        keinSortieren_ = false;
        return;
    }
    QPoint p = e->position().toPoint();
    int spalte = geometrie_.SpalteBei(p.x()), zeile = geometrie_.ZeileBei(p.y());
    const int sortZeile = SortOptions.Row;
    if (sortZeile != 0 || zeile != sortZeile || druckZeile_ != sortZeile) return;
    if (!SortOptions.Show || RowCount() <= 2 || spalte < 0) return;
    // A drag from one header to another is no click, even when its move was refused.
    if (spalte != druckSpalte_) return;
    if (spalte == 0 && !SortOptions.FixedCols) return;
    if (geometrie_.AmLinkenRand(p.x(), spalte) || geometrie_.AmRechtenRand(p.x(), spalte)) return;
    SortByHeaderClick(spalte);
}

void TCheckSortGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    if (geometrieVorgemerkt_) GeometrieAktualisieren();
    QPoint p = e->position().toPoint();
    const int ziel = e->button() == Qt::LeftButton
                         ? GroessenSpalte(p, geometrie_.SpalteBei(p.x()), geometrie_.ZeileBei(p.y()))
                         : -1;
    if (ziel >= 0) {
        // Fits the column left of the border; the fixed column is never fitted.
        if (ziel >= 1) {
            geometrie_.BreiteSetzen(ziel, SpaltenInhaltsbreite(ziel));
            handSpalte_ = ziel;
            Umgestaltet();
            handSpalte_ = -1;
        }
        zustand_ = TMauszustand::Normal;
        keinSortieren_ = true;
        return;
    }
    // Qt 6 delivers the second press of a double click only as this event; it toggles,
    // clicks and starts a sort like the first.
    mousePressEvent(e);
}

void TCheckSortGrid::keyPressEvent(QKeyEvent* e) {
    if (geometrieVorgemerkt_) GeometrieAktualisieren();
    if (RowCount() < 2 || ColCount() < 2) {
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    int zeile = std::max(aktZeile_, 1), spalte = aktSpalte_;
    int seite = std::max(1, (viewport()->height() - geometrie_.Hoehe(0)) / std::max(1, standardHoehe_));
    bool erweitern = (e->modifiers() & Qt::ShiftModifier) && (optionen_ & goRangeSelect);
    switch (e->key()) {
    case Qt::Key_Space:
        // A hidden current row is out of the user's sight and out of reach.
        if (CurrentRow() >= 1 && modell_->HatCheckbox(spalte, zeile) && DarfAendern(zeile, spalte, false)) {
            modell_->ZustandSetzen(spalte, zeile, !modell_->Angekreuzt(spalte, zeile));
        }
        return;
    // The keys count shown rows; hidden ones are passed over.
    case Qt::Key_Up: zeile = GezeigteZeile(zeile, -1); break;
    case Qt::Key_Down: zeile = GezeigteZeile(zeile, 1); break;
    case Qt::Key_PageUp: zeile = GezeigteZeile(zeile, -seite); break;
    case Qt::Key_PageDown: zeile = GezeigteZeile(zeile, seite); break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (optionen_ & goRowSelect) {
            QScrollBar* leiste = horizontalScrollBar();
            leiste->setValue(leiste->value() + (e->key() == Qt::Key_Left ? -1 : 1) * leiste->singleStep());
            return;
        }
        spalte += e->key() == Qt::Key_Left ? -1 : 1;
        break;
    case Qt::Key_Home:
        if (e->modifiers() & Qt::ControlModifier) zeile = GezeigteZeile(1, 0);
        else spalte = 1;
        break;
    case Qt::Key_End:
        if (e->modifiers() & Qt::ControlModifier) zeile = GezeigteZeile(RowCount() - 1, 0);
        else spalte = ColCount() - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    if (zeile >= 1) ZelleWaehlen(spalte, zeile, erweitern);
}
