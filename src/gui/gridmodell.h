#pragma once
#include <QAbstractTableModel>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gui/gridoptionen.h"
#include "gui/gridzelle.h"
#include "gui/regionaleinstellungen.h"

// The cells of a TCheckSortGrid: rows of UTF-8 texts and check boxes, header row
// and fixed column included, with each row's height (rows carry their height when they
// move). The grid view reads cells directly; other views get Qt roles: DisplayRole is the
// text as Unicode, CheckStateRole the box of a cell that holds one.
// Addresses outside the table read as an empty cell and are ignored when written.
//
// A list of 100,000 replays holds 600,000 cells, so a cell is 8 bytes: where its text
// lies in one buffer the whole table shares, its length, and its box. Moving rows moves
// only those 8 bytes.
class TGridModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TGridModell(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int Zeilen() const { return static_cast<int>(koepfe_.size()); }
    int Spalten() const { return spalten_; }
    bool Gueltig(int spalte, int zeile) const {
        return spalte >= 0 && spalte < spalten_ && zeile >= 0 && zeile < Zeilen();
    }
    // A copy of the cell, or an empty one outside the table.
    TZelle Zelle(int spalte, int zeile) const;
    // The cell's text; valid until the next change of any cell.
    std::string_view Text(int spalte, int zeile) const;
    bool HatCheckbox(int spalte, int zeile) const { return Gueltig(spalte, zeile) && Platz(spalte, zeile).Box; }
    bool Angekreuzt(int spalte, int zeile) const { return Gueltig(spalte, zeile) && Platz(spalte, zeile).An; }
    int Zeilenhoehe(int zeile) const;

    // Raises std::length_error for a text of 1 GiB or more.
    void TextSetzen(int spalte, int zeile, std::string_view text);
    // A new box in place of any the cell holds; the text stays.
    void CheckboxSetzen(int spalte, int zeile, bool zustand);
    // Sets the state of the box the cell holds; false when it holds none.
    bool ZustandSetzen(int spalte, int zeile, bool zustand);
    void ZelleLeeren(int spalte, int zeile);
    void ZeilenhoeheSetzen(int zeile, int hoehe);
    // A hidden row keeps its cells and moves with a sort like any row; the grid gives it
    // no room. Rows come shown. No signal: the grid lays out the rows itself.
    bool Versteckt(int zeile) const {
        return zeile >= 0 && zeile < Zeilen() && koepfe_[static_cast<size_t>(zeile)].Versteckt;
    }
    void VerstecktSetzen(int zeile, bool versteckt);

    void ZeilenEntfernen(int ab, int anzahl);
    // Moves row von to position nach; the rows between shift by one.
    void ZeileVerschieben(int von, int nach);
    void ZeileAnhaengen(int hoehe);
    void ZeilenzahlSetzen(int anzahl, int hoehe);
    void SpaltenzahlSetzen(int anzahl);
    // Moves column von to position nach; the columns between shift by one.
    void SpalteVerschieben(int von, int nach);

    // Between these two every change goes without its own signal, and views hear of
    // them once, as a model reset. Pairs nest; the outermost pair counts.
    void UmbauBeginnen();
    void UmbauBeenden();

    // Sorts the rows from ersteZeile to the last on the given column, breaking ties on
    // the columns to its right when Full is set. Returns, for each row from ersteZeile on,
    // the row it came from; empty when there was nothing to sort.
    std::vector<int> Sortieren(int spalte, TSortDirection richtung, const TSortOptions& optionen,
                   const Regionaleinstellungen& regional, int ersteZeile);

private:
    struct TPlatz {
        std::uint32_t Anfang = 0;     // in text_
        std::uint32_t Laenge : 30 = 0;
        std::uint32_t Box : 1 = 0;
        std::uint32_t An : 1 = 0;
    };
    struct TKopf {
        int Hoehe = 0;
        bool Versteckt = false;
    };
    TPlatz& Platz(int spalte, int zeile) {
        return zellen_[static_cast<size_t>(zeile) * static_cast<size_t>(spalten_) + static_cast<size_t>(spalte)];
    }
    const TPlatz& Platz(int spalte, int zeile) const {
        return zellen_[static_cast<size_t>(zeile) * static_cast<size_t>(spalten_) + static_cast<size_t>(spalte)];
    }
    void ZelleGeaendert(int spalte, int zeile);
    // Forgets the texts of the cells in [von, bis) of zellen_.
    void TexteVergessen(size_t von, size_t bis);
    // Copies the live texts into a fresh buffer once the dead ones outweigh them.
    void Aufraeumen();

    std::vector<TPlatz> zellen_;  // row after row, spalten_ cells each
    std::vector<TKopf> koepfe_;   // one per row
    std::string text_;            // every cell's text, back to back
    size_t lebend_ = 0;           // bytes of text_ some cell still shows
    int spalten_ = 0;
    int umbau_ = 0;
};
