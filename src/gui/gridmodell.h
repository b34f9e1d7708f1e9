#pragma once
#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "gridoptionen.h"
#include "gridzelle.h"
#include "regionaleinstellungen.h"

// The cells of a TCheckSortGrid: rows of UTF-8 texts and check boxes, header row
// and fixed column included, with each row's height (rows carry their height when they
// move). The grid view reads cells directly; other views get Qt roles: DisplayRole is the
// text as Unicode, CheckStateRole the box of a cell that holds one.
// Addresses outside the table read as an empty cell and are ignored when written.
class TGridModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TGridModell(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int Zeilen() const { return static_cast<int>(zeilen_.size()); }
    int Spalten() const { return spalten_; }
    bool Gueltig(int spalte, int zeile) const {
        return spalte >= 0 && spalte < spalten_ && zeile >= 0 && zeile < Zeilen();
    }
    // The cell, or an empty one outside the table.
    const TZelle& Zelle(int spalte, int zeile) const;
    int Zeilenhoehe(int zeile) const;

    void TextSetzen(int spalte, int zeile, const std::string& text);
    // A new box in place of any the cell holds; the text stays.
    void CheckboxSetzen(int spalte, int zeile, bool zustand);
    // Sets the state of the box the cell holds; false when it holds none.
    bool ZustandSetzen(int spalte, int zeile, bool zustand);
    void ZelleLeeren(int spalte, int zeile);
    void ZeilenhoeheSetzen(int zeile, int hoehe);
    // A hidden row keeps its cells and moves with a sort like any row; the grid gives it
    // no room. Rows come shown. No signal: the grid lays out the rows itself.
    bool Versteckt(int zeile) const {
        return zeile >= 0 && zeile < Zeilen() && zeilen_[static_cast<size_t>(zeile)].Versteckt;
    }
    void VerstecktSetzen(int zeile, bool versteckt);

    void ZeilenEntfernen(int ab, int anzahl);
    void ZeileAnhaengen(int hoehe);
    void ZeilenzahlSetzen(int anzahl, int hoehe);
    void SpaltenzahlSetzen(int anzahl);
    // Moves column von to position nach; the columns between shift by one.
    void SpalteVerschieben(int von, int nach);

    // Sorts the rows from ersteZeile to the last on the given column, breaking ties on
    // the columns to its right when Full is set. Returns, for each row from ersteZeile on,
    // the row it came from; empty when there was nothing to sort.
    std::vector<int> Sortieren(int spalte, TSortDirection richtung, const TSortOptions& optionen,
                   const Regionaleinstellungen& regional, int ersteZeile);

private:
    struct TZeile {
        std::vector<TZelle> Zellen;
        int Hoehe = 0;
        bool Versteckt = false;
    };
    void ZelleGeaendert(int spalte, int zeile);

    std::vector<TZeile> zeilen_;
    int spalten_ = 0;
};
