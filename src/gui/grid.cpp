#include "gui/grid.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>
#include <QMetaObject>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

#include "gui/gridmodell.h"
#include "gui/kurzlabel.h"
#include "gui/qttext.h"

TCheckSortGrid::TCheckSortGrid(QWidget* parent)
    : QAbstractScrollArea(parent),
      modell_(new TGridModell(this)),
      geometrie_(*modell_),
      regional_(Regionaleinstellungen::AusSystem()) {
    zellenSchrift_ = font();
    festeSchrift_ = font();
    farbe_ = palette().color(QPalette::Base);
    festeFarbe_ = palette().color(QPalette::Button);
    linienFarbe_ = QColor(192, 192, 192);
    auswahlFarbe_ = palette().color(QPalette::Highlight);
    auswahlTextFarbe_ = palette().color(QPalette::HighlightedText);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto zeilenGeaendert = [this] {
        geometrie_.ZeilenVeraltet();
        GeometrieVormerken();
        viewport()->update();
    };
    connect(modell_, &QAbstractItemModel::dataChanged, viewport(), qOverload<>(&QWidget::update));
    connect(modell_, &QAbstractItemModel::rowsInserted, this, zeilenGeaendert);
    connect(modell_, &QAbstractItemModel::rowsRemoved, this, zeilenGeaendert);
    connect(modell_, &QAbstractItemModel::layoutChanged, this, zeilenGeaendert);
    connect(modell_, &QAbstractItemModel::modelReset, this, zeilenGeaendert);
    connect(modell_, &QAbstractItemModel::headerDataChanged, this, zeilenGeaendert);

    SetColCount(5);
    SetRowCount(5);
    auswahl_ = QRect(QPoint(1, 1), QPoint(1, 1));
}

TCheckSortGrid::~TCheckSortGrid() = default;

// ---- Operations

std::string TCheckSortGrid::CellStr(int ACol, int ARow) const {
    return std::string(modell_->Text(ACol, ARow));
}

void TCheckSortGrid::CellStr(int ACol, int ARow, const std::string& Text) {
    modell_->TextSetzen(ACol, ARow, Text);
}

void TCheckSortGrid::PlaceCheckBox(int ACol, int ARow, bool State, bool /*DataBound*/) {
    modell_->CheckboxSetzen(ACol, ARow, State);
}

bool TCheckSortGrid::ReadCheckBox(int ACol, int ARow, bool& State) const {
    if (!modell_->HatCheckbox(ACol, ARow)) return false;
    State = modell_->Angekreuzt(ACol, ARow);
    return true;
}

void TCheckSortGrid::ClearCell(int ACol, int ARow) {
    modell_->ZelleLeeren(ACol, ARow);
}

void TCheckSortGrid::RemoveRowRange(int RowIndex, int Count) {
    if (RowCount() < RowIndex || Count <= 0) return;
    // The header row stays; 64-bit so that a huge Count cannot overflow.
    long long ab = std::max(RowIndex, 1);
    long long bis = std::min<long long>(static_cast<long long>(RowIndex) + Count, RowCount());
    if (ab >= bis) return;
    modell_->ZeilenEntfernen(static_cast<int>(ab), static_cast<int>(bis - ab));
    if (aktZeile_ >= RowCount()) aktZeile_ = RowCount() > 1 ? RowCount() - 1 : -1;
    ankerZeile_ = std::min(ankerZeile_, std::max(1, RowCount() - 1));
    if (aktZeile_ > 0) {
        auswahl_.setBottom(std::min(auswahl_.bottom(), RowCount() - 1));
        auswahl_.setTop(std::min(auswahl_.top(), auswahl_.bottom()));
    } else {
        auswahl_ = QRect();
    }
    Umgestaltet();
}

void TCheckSortGrid::BeginUpdate() { modell_->UmbauBeginnen(); }

void TCheckSortGrid::EndUpdate() { modell_->UmbauBeenden(); }

void TCheckSortGrid::AppendRow() {
    modell_->ZeileAnhaengen(standardHoehe_);
    if (aktZeile_ < 1) SetCurrentCell(aktSpalte_, 1);
}

int TCheckSortGrid::RowCount() const { return modell_->Zeilen(); }

void TCheckSortGrid::SetRowCount(int Anzahl) {
    bool leer = modell_->Zeilen() == 0;
    modell_->ZeilenzahlSetzen(std::max(1, Anzahl), standardHoehe_);
    if (leer) modell_->ZeilenhoeheSetzen(0, festeHoehe_);
    if (RowCount() < 2) {
        aktZeile_ = -1;
        auswahl_ = QRect();
    } else if (aktZeile_ < 1 || aktZeile_ >= RowCount()) {
        SetCurrentCell(aktSpalte_, std::clamp(aktZeile_, 1, RowCount() - 1));
    }
    Umgestaltet();
}

int TCheckSortGrid::ColCount() const { return modell_->Spalten(); }

void TCheckSortGrid::SetColCount(int Anzahl) {
    Anzahl = std::max(1, Anzahl);
    modell_->SpaltenzahlSetzen(Anzahl);
    geometrie_.SpaltenzahlSetzen(Anzahl, standardBreite_);
    // Columns come and go at the end; a new one gets an identity above every one in use.
    int naechste = kennungen_.empty() ? 0 : *std::max_element(kennungen_.begin(), kennungen_.end()) + 1;
    kennungen_.resize(std::min(kennungen_.size(), static_cast<size_t>(Anzahl)));
    while (static_cast<int>(kennungen_.size()) < Anzahl) kennungen_.push_back(naechste++);
    if (aktSpalte_ >= Anzahl) aktSpalte_ = Anzahl > 1 ? Anzahl - 1 : 1;
    if (auswahl_.isValid() && auswahl_.right() >= Anzahl) auswahl_ = QRect(aktSpalte_, aktZeile_, 1, 1);
    Umgestaltet();
}

int TCheckSortGrid::Spaltenposition(int Kennung) const {
    auto it = std::find(kennungen_.begin(), kennungen_.end(), Kennung);
    return it == kennungen_.end() ? -1 : static_cast<int>(it - kennungen_.begin());
}

int TCheckSortGrid::Spaltenkennung(int ACol) const {
    return ACol >= 0 && ACol < static_cast<int>(kennungen_.size()) ? kennungen_[static_cast<size_t>(ACol)] : -1;
}

void TCheckSortGrid::SetCurrentCell(int ACol, int ARow) {
    if (RowCount() < 2 || ColCount() < 2) return;
    AktuelleZelle(ACol, ARow, false);
}

int TCheckSortGrid::CurrentRow() const { return modell_->Versteckt(aktZeile_) ? -1 : aktZeile_; }

void TCheckSortGrid::SetRowHidden(int ARow, bool Hidden) {
    if (ARow < 1 || ARow >= RowCount() || modell_->Versteckt(ARow) == Hidden) return;
    modell_->VerstecktSetzen(ARow, Hidden);
    // A filter hides thousands of rows at once; the positions are counted again once,
    // when they are next needed.
    geometrie_.ZeilenVeraltet();
    GeometrieVormerken();
    viewport()->update();
}

bool TCheckSortGrid::RowHidden(int ARow) const { return ARow >= 1 && modell_->Versteckt(ARow); }

// ---- Layout and look

void TCheckSortGrid::SetOptions(TGridOptions Optionen) {
    optionen_ = Optionen;
    if (aktZeile_ > 0) AktuelleZelle(aktSpalte_, aktZeile_, false);
    viewport()->update();
}

void TCheckSortGrid::SetColumnHeaders(const std::vector<std::string>& Texte) {
    for (size_t i = 0; i < Texte.size() && static_cast<int>(i) < ColCount(); ++i)
        CellStr(static_cast<int>(i), 0, Texte[i]);
}

int TCheckSortGrid::ColWidth(int ACol) const { return geometrie_.Breite(ACol); }

int TCheckSortGrid::ColBaseWidth(int ACol) const { return geometrie_.Breite(ACol) - geometrie_.Zugabe(ACol); }

void TCheckSortGrid::SetColWidth(int ACol, int Breite) {
    if (ACol < 0 || ACol >= ColCount()) return;
    geometrie_.BreiteSetzen(ACol, Breite);
    Umgestaltet();
}

void TCheckSortGrid::SetColWidths(const std::vector<int>& Breiten) {
    for (size_t i = 0; i < Breiten.size() && static_cast<int>(i) < ColCount(); ++i)
        geometrie_.BreiteSetzen(static_cast<int>(i), Breiten[i]);
    Umgestaltet();
}

void TCheckSortGrid::SetDefaultColWidth(int Breite) {
    standardBreite_ = std::max(0, Breite);
    Umgestaltet();
}

void TCheckSortGrid::SetDefaultRowHeight(int Hoehe) {
    standardHoehe_ = std::max(0, Hoehe);
    for (int r = 1; r < RowCount(); ++r) modell_->ZeilenhoeheSetzen(r, standardHoehe_);
    Umgestaltet();
}

void TCheckSortGrid::SetFixedRowHeight(int Hoehe) {
    festeHoehe_ = std::max(0, Hoehe);
    modell_->ZeilenhoeheSetzen(0, festeHoehe_);
    Umgestaltet();
}

int TCheckSortGrid::RowHeight(int ARow) const { return modell_->Zeilenhoehe(ARow); }

void TCheckSortGrid::SetStretchLastColumn(bool An) {
    strecken_ = An;
    Umgestaltet();
}

void TCheckSortGrid::SetCellFont(const QFont& Schrift) {
    zellenSchrift_ = Schrift;
    viewport()->update();
}

void TCheckSortGrid::SetFixedFont(const QFont& Schrift) {
    festeSchrift_ = Schrift;
    viewport()->update();
}

void TCheckSortGrid::SetColor(const QColor& Farbe) { farbe_ = Farbe; viewport()->update(); }
void TCheckSortGrid::SetFixedColor(const QColor& Farbe) { festeFarbe_ = Farbe; viewport()->update(); }
void TCheckSortGrid::SetGridLineColor(const QColor& Farbe) { linienFarbe_ = Farbe; viewport()->update(); }
void TCheckSortGrid::SetGridLineWidth(int Breite) { linienBreite_ = std::max(0, Breite); viewport()->update(); }
void TCheckSortGrid::SetSelectionColor(const QColor& Farbe) { auswahlFarbe_ = Farbe; viewport()->update(); }
void TCheckSortGrid::SetSelectionTextColor(const QColor& Farbe) { auswahlTextFarbe_ = Farbe; viewport()->update(); }

void TCheckSortGrid::SetRegionaleinstellungen(const Regionaleinstellungen& Regional) {
    regional_ = Regional;
}

// ---- Geometry

QRect TCheckSortGrid::CellRect(int ACol, int ARow) const { return geometrie_.Zelle(ACol, ARow); }

QRect TCheckSortGrid::CheckBoxRect(int ACol, int ARow) const {
    QRect zelle = CellRect(ACol, ARow);
    if (zelle.isNull()) return {};
    return QRect(zelle.left() + 2, zelle.top() + 2, CheckBoxSize, CheckBoxSize);
}

bool TCheckSortGrid::SortMarkerVisible() const {
    return SortOptions.Show && RowCount() > 2 && SortOptions.Column >= 0 && SortOptions.Column < ColCount();
}

// Row and column changes can come 60,000 times during a list fill; the scroll bars are
// brought up to date once, when control returns to the event loop or an event needs them.
void TCheckSortGrid::GeometrieVormerken() {
    if (geometrieVorgemerkt_) return;
    geometrieVorgemerkt_ = true;
    QMetaObject::invokeMethod(this, [this] { if (geometrieVorgemerkt_) GeometrieAktualisieren(); },
                              Qt::QueuedConnection);
}

void TCheckSortGrid::GeometrieAktualisieren() {
    geometrieVorgemerkt_ = false;
    int sichtHoehe = std::max(0, viewport()->height() - RowHeight(0));
    QScrollBar* senkrecht = verticalScrollBar();
    senkrecht->setRange(0, std::max(0, geometrie_.Datenhoehe() - sichtHoehe));
    senkrecht->setPageStep(std::max(1, sichtHoehe));
    senkrecht->setSingleStep(std::max(1, standardHoehe_));
    int sichtBreite = std::max(0, viewport()->width() - ColWidth(0));
    QScrollBar* waagerecht = horizontalScrollBar();
    waagerecht->setRange(0, std::max(0, geometrie_.Datenbreite() - sichtBreite));
    waagerecht->setPageStep(std::max(1, sichtBreite));
    waagerecht->setSingleStep(20);
}

void TCheckSortGrid::LetzteSpalteStrecken() {
    if (!strecken_) return;
    if (StretchColumns.empty()) {
        geometrie_.LetzteSpalteStrecken(viewport()->width(), standardBreite_);
        return;
    }
    // A column the user is sizing keeps the width the mouse gives it; the others take up
    // the difference.
    std::vector<int> spalten;
    for (const int kennung : StretchColumns) {
        const int position = Spaltenposition(kennung);
        if (position >= 1 && position != handSpalte_) spalten.push_back(position);
    }
    geometrie_.SpaltenFuellen(viewport()->width(), spalten);
}

void TCheckSortGrid::Umgestaltet() {
    geometrie_.ZeilenVeraltet();
    LetzteSpalteStrecken();
    GeometrieVormerken();
    viewport()->update();
}

int TCheckSortGrid::SpaltenInhaltsbreite(int spalte) const {
    QFontMetrics zellen(zellenSchrift_), feste(festeSchrift_);
    int breiteste = 0;
    for (int r = 0; r < RowCount(); ++r) {
        if (RowHidden(r)) continue;
        int b = (r == 0 || spalte == 0 ? feste : zellen).horizontalAdvance(AlsQString(modell_->Text(spalte, r))) + 4;
        if (modell_->HatCheckbox(spalte, r)) b += CheckBoxSize + 4;
        breiteste = std::max(breiteste, b);
    }
    return breiteste + linienBreite_;
}

void TCheckSortGrid::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    LetzteSpalteStrecken();
    GeometrieAktualisieren();
}

void TCheckSortGrid::showEvent(QShowEvent* e) {
    QAbstractScrollArea::showEvent(e);
    LetzteSpalteStrecken();
    GeometrieAktualisieren();
}

int TCheckSortGrid::Rollposition() const { return verticalScrollBar()->value(); }

void TCheckSortGrid::SetRollposition(int Pixel) {
    if (geometrieVorgemerkt_) GeometrieAktualisieren();
    verticalScrollBar()->setValue(Pixel);
}

void TCheckSortGrid::ZeileZeigen(int ARow) {
    if (ARow >= 1 && ARow < RowCount() && !RowHidden(ARow)) Sichtbar(ARow);
}

// Every change of a scroll bar's value comes here, the clamping by setRange included.
void TCheckSortGrid::scrollContentsBy(int, int) {
    geometrie_.VersatzSetzen(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
}

// A cell whose text is cut shows it whole in its tooltip.
bool TCheckSortGrid::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        const QPoint p = static_cast<QHelpEvent*>(e)->pos();
        const int spalte = geometrie_.SpalteBei(p.x()), zeile = geometrie_.ZeileBei(p.y());
        const QRect zelle = CellRect(spalte, zeile);
        const QString ganz = AlsQString(modell_->Text(spalte, zeile));
        if (zelle.isNull() || ganz.isEmpty() || GezeigterText(spalte, zeile, TextRect(spalte, zeile, zelle)) == ganz) {
            QToolTip::hideText();
            e->ignore();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), KlartextTooltip(ganz), viewport(), zelle);
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

// Both the viewport's right-click and the menu key of the focused grid come here; the
// click's position is the viewport's.
void TCheckSortGrid::contextMenuEvent(QContextMenuEvent* e) {
    if (!OnKontextmenue) {
        QAbstractScrollArea::contextMenuEvent(e);
        return;
    }
    if (geometrieVorgemerkt_) GeometrieAktualisieren();
    if (e->reason() == QContextMenuEvent::Keyboard) {
        const int zeile = CurrentRow();
        const QRect zelle = zeile >= 1 ? CellRect(1, zeile) : QRect();
        OnKontextmenue(this, zeile, viewport()->mapToGlobal(zelle.isNull() ? QPoint() : zelle.center()));
    } else {
        OnKontextmenue(this, ZeileBei(e->pos()), e->globalPos());
    }
    e->accept();
}

// The focus frame comes and goes with the focus.
void TCheckSortGrid::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    viewport()->update();
}

void TCheckSortGrid::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    viewport()->update();
}
