#include "gridmodell.h"

#include <algorithm>

#include "qttext.h"
#include "sortmischen.h"
#include "sortvergleich.h"

namespace {
const TZelle leereZelle;
}

TGridModell::TGridModell(QObject* parent) : QAbstractTableModel(parent) {}

int TGridModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Zeilen();
}

int TGridModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : spalten_;
}

QVariant TGridModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !Gueltig(index.column(), index.row())) return {};
    const TZelle& zelle = Zelle(index.column(), index.row());
    if (role == Qt::DisplayRole) return AlsQString(zelle.Text);
    if (role == Qt::CheckStateRole && zelle.HatCheckbox)
        return zelle.Checked ? Qt::Checked : Qt::Unchecked;
    return {};
}

const TZelle& TGridModell::Zelle(int spalte, int zeile) const {
    if (!Gueltig(spalte, zeile)) return leereZelle;
    return zeilen_[static_cast<size_t>(zeile)].Zellen[static_cast<size_t>(spalte)];
}

int TGridModell::Zeilenhoehe(int zeile) const {
    if (zeile < 0 || zeile >= Zeilen()) return 0;
    return zeilen_[static_cast<size_t>(zeile)].Hoehe;
}

void TGridModell::ZelleGeaendert(int spalte, int zeile) {
    QModelIndex i = index(zeile, spalte);
    emit dataChanged(i, i);
}

void TGridModell::TextSetzen(int spalte, int zeile, const std::string& text) {
    if (!Gueltig(spalte, zeile)) return;
    zeilen_[static_cast<size_t>(zeile)].Zellen[static_cast<size_t>(spalte)].Text = text;
    ZelleGeaendert(spalte, zeile);
}

void TGridModell::CheckboxSetzen(int spalte, int zeile, bool zustand) {
    if (!Gueltig(spalte, zeile)) return;
    TZelle& zelle = zeilen_[static_cast<size_t>(zeile)].Zellen[static_cast<size_t>(spalte)];
    zelle.HatCheckbox = true;
    zelle.Checked = zustand;
    ZelleGeaendert(spalte, zeile);
}

bool TGridModell::ZustandSetzen(int spalte, int zeile, bool zustand) {
    if (!Gueltig(spalte, zeile)) return false;
    TZelle& zelle = zeilen_[static_cast<size_t>(zeile)].Zellen[static_cast<size_t>(spalte)];
    if (!zelle.HatCheckbox) return false;
    if (zelle.Checked != zustand) {
        zelle.Checked = zustand;
        ZelleGeaendert(spalte, zeile);
    }
    return true;
}

void TGridModell::ZelleLeeren(int spalte, int zeile) {
    if (!Gueltig(spalte, zeile)) return;
    zeilen_[static_cast<size_t>(zeile)].Zellen[static_cast<size_t>(spalte)] = TZelle{};
    ZelleGeaendert(spalte, zeile);
}

void TGridModell::ZeilenhoeheSetzen(int zeile, int hoehe) {
    if (zeile < 0 || zeile >= Zeilen()) return;
    zeilen_[static_cast<size_t>(zeile)].Hoehe = std::max(0, hoehe);
    emit headerDataChanged(Qt::Vertical, zeile, zeile);
}

void TGridModell::VerstecktSetzen(int zeile, bool versteckt) {
    if (zeile >= 0 && zeile < Zeilen()) zeilen_[static_cast<size_t>(zeile)].Versteckt = versteckt;
}

void TGridModell::ZeilenEntfernen(int ab, int anzahl) {
    if (ab < 0 || anzahl <= 0 || ab >= Zeilen()) return;
    anzahl = std::min(anzahl, Zeilen() - ab);
    beginRemoveRows(QModelIndex(), ab, ab + anzahl - 1);
    zeilen_.erase(zeilen_.begin() + ab, zeilen_.begin() + ab + anzahl);
    endRemoveRows();
}

void TGridModell::ZeileAnhaengen(int hoehe) {
    beginInsertRows(QModelIndex(), Zeilen(), Zeilen());
    zeilen_.push_back(TZeile{std::vector<TZelle>(static_cast<size_t>(spalten_)), std::max(0, hoehe), false});
    endInsertRows();
}

void TGridModell::ZeilenzahlSetzen(int anzahl, int hoehe) {
    anzahl = std::max(0, anzahl);
    if (anzahl < Zeilen()) {
        ZeilenEntfernen(anzahl, Zeilen() - anzahl);
    } else if (anzahl > Zeilen()) {
        beginInsertRows(QModelIndex(), Zeilen(), anzahl - 1);
        zeilen_.resize(static_cast<size_t>(anzahl),
                       TZeile{std::vector<TZelle>(static_cast<size_t>(spalten_)), std::max(0, hoehe), false});
        endInsertRows();
    }
}

void TGridModell::SpaltenzahlSetzen(int anzahl) {
    anzahl = std::max(0, anzahl);
    if (anzahl == spalten_) return;
    if (anzahl < spalten_) beginRemoveColumns(QModelIndex(), anzahl, spalten_ - 1);
    else beginInsertColumns(QModelIndex(), spalten_, anzahl - 1);
    bool weniger = anzahl < spalten_;
    spalten_ = anzahl;
    for (TZeile& zeile : zeilen_) zeile.Zellen.resize(static_cast<size_t>(anzahl));
    if (weniger) endRemoveColumns();
    else endInsertColumns();
}

void TGridModell::SpalteVerschieben(int von, int nach) {
    if (von < 0 || von >= spalten_ || nach < 0 || nach >= spalten_ || von == nach) return;
    // Qt counts the destination before the move: moving right means "before nach + 1".
    beginMoveColumns(QModelIndex(), von, von, QModelIndex(), nach > von ? nach + 1 : nach);
    for (TZeile& zeile : zeilen_) {
        auto anfang = zeile.Zellen.begin();
        if (von < nach) std::rotate(anfang + von, anfang + von + 1, anfang + nach + 1);
        else std::rotate(anfang + nach, anfang + von, anfang + von + 1);
    }
    endMoveColumns();
}

std::vector<int> TGridModell::Sortieren(int spalte, TSortDirection richtung, const TSortOptions& optionen,
                                        const Regionaleinstellungen& regional, int ersteZeile) {
    if (spalte < 0 || spalte >= spalten_ || ersteZeile < 0 || Zeilen() - ersteZeile < 2) return {};
    const size_t erste = static_cast<size_t>(ersteZeile);
    const size_t anzahl = zeilen_.size() - erste;
    const int letzteSpalte = optionen.Full ? spalten_ - 1 : spalte;

    // Columns left of the sort column are never compared.
    std::vector<std::vector<TSortSchluessel>> schluessel;
    std::vector<const TZelle*> zellen(anzahl);
    for (int s = spalte; s <= letzteSpalte; ++s) {
        for (size_t i = 0; i < anzahl; ++i) zellen[i] = &zeilen_[erste + i].Zellen[static_cast<size_t>(s)];
        schluessel.push_back(SpaltenSchluessel(zellen, regional, optionen.AutoFormat));
    }
    const int vorzeichen = richtung == sdDescending ? -1 : 1;
    std::vector<size_t> folge(anzahl);
    for (size_t i = 0; i < anzahl; ++i) folge[i] = i;
    Mischsortieren(folge, [&](size_t x, size_t y) {
        for (const auto& spaltenSchluessel : schluessel) {
            int ergebnis = SchluesselVergleichen(spaltenSchluessel[x], spaltenSchluessel[y]) * vorzeichen;
            if (ergebnis != 0) return ergebnis < 0;
        }
        return false;
    });

    emit layoutAboutToBeChanged();
    if (optionen.SingleColumn) {
        // Only the sort column's cells move; everything else stays in its row.
        std::vector<TZelle> spaltenZellen(anzahl);
        for (size_t i = 0; i < anzahl; ++i)
            spaltenZellen[i] = std::move(zeilen_[erste + folge[i]].Zellen[static_cast<size_t>(spalte)]);
        for (size_t i = 0; i < anzahl; ++i)
            zeilen_[erste + i].Zellen[static_cast<size_t>(spalte)] = std::move(spaltenZellen[i]);
    } else {
        // With NormalCellsOnly the fixed column keeps its place.
        std::vector<TZelle> fest;
        if (optionen.NormalCellsOnly)
            for (size_t i = 0; i < anzahl; ++i) fest.push_back(std::move(zeilen_[erste + i].Zellen[0]));
        std::vector<TZeile> alt(std::make_move_iterator(zeilen_.begin() + static_cast<std::ptrdiff_t>(erste)),
                                std::make_move_iterator(zeilen_.end()));
        for (size_t i = 0; i < anzahl; ++i) {
            zeilen_[erste + i] = std::move(alt[folge[i]]);
            if (optionen.NormalCellsOnly) zeilen_[erste + i].Zellen[0] = std::move(fest[i]);
        }
    }
    emit layoutChanged();
    std::vector<int> herkunft(anzahl);
    for (size_t i = 0; i < anzahl; ++i) herkunft[i] = static_cast<int>(erste + folge[i]);
    return herkunft;
}
