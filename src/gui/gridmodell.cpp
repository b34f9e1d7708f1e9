#include "gui/gridmodell.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "gui/qttext.h"
#include "gui/sortmischen.h"
#include "gui/sortraenge.h"
#include "gui/sortvergleich.h"

namespace {
constexpr size_t kHoechsteLaenge = (size_t{1} << 30) - 1;
// Dead text below this stays; the buffer is cleaned only when it is worth a copy.
constexpr size_t kAufraeumenAb = 64 * 1024;
}  // namespace

TGridModell::TGridModell(QObject* parent) : QAbstractTableModel(parent) {}

int TGridModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Zeilen();
}

int TGridModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : spalten_;
}

QVariant TGridModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !Gueltig(index.column(), index.row())) return {};
    const TPlatz& platz = Platz(index.column(), index.row());
    if (role == Qt::DisplayRole) return AlsQString(Text(index.column(), index.row()));
    if (role == Qt::CheckStateRole && platz.Box) return platz.An ? Qt::Checked : Qt::Unchecked;
    return {};
}

TZelle TGridModell::Zelle(int spalte, int zeile) const {
    if (!Gueltig(spalte, zeile)) return {};
    const TPlatz& platz = Platz(spalte, zeile);
    return TZelle{std::string(Text(spalte, zeile)), platz.Box != 0, platz.An != 0};
}

std::string_view TGridModell::Text(int spalte, int zeile) const {
    if (!Gueltig(spalte, zeile)) return {};
    const TPlatz& platz = Platz(spalte, zeile);
    if (platz.Laenge == 0) return {};
    return std::string_view(text_.data() + platz.Anfang, platz.Laenge);
}

int TGridModell::Zeilenhoehe(int zeile) const {
    if (zeile < 0 || zeile >= Zeilen()) return 0;
    return koepfe_[static_cast<size_t>(zeile)].Hoehe;
}

void TGridModell::ZelleGeaendert(int spalte, int zeile) {
    if (umbau_ > 0) return;
    QModelIndex i = index(zeile, spalte);
    emit dataChanged(i, i);
}

void TGridModell::TextSetzen(int spalte, int zeile, std::string_view text) {
    if (!Gueltig(spalte, zeile)) return;
    if (text.size() > kHoechsteLaenge) throw std::length_error("Zellentext zu lang");
    TPlatz& platz = Platz(spalte, zeile);
    lebend_ -= platz.Laenge;
    if (text.empty()) {
    } else if (text.size() <= platz.Laenge) {
        // Fits where the old text was; the rest of its bytes are dead.
        std::memmove(text_.data() + platz.Anfang, text.data(), text.size());
    } else {
        if (text_.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
            platz.Laenge = 0;
            Aufraeumen();
            if (text_.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
                throw std::length_error("Zellentexte zu lang");
        }
        platz.Anfang = static_cast<std::uint32_t>(text_.size());
        text_.append(text);
    }
    platz.Laenge = static_cast<std::uint32_t>(text.size());
    lebend_ += text.size();
    if (text_.size() - lebend_ > std::max(lebend_, kAufraeumenAb)) Aufraeumen();
    ZelleGeaendert(spalte, zeile);
}

void TGridModell::TexteVergessen(size_t von, size_t bis) {
    for (size_t i = von; i < bis; ++i) {
        lebend_ -= zellen_[i].Laenge;
        zellen_[i].Laenge = 0;
    }
}

void TGridModell::Aufraeumen() {
    std::string neu;
    neu.reserve(lebend_);
    for (TPlatz& platz : zellen_) {
        if (platz.Laenge == 0) continue;
        const std::uint32_t anfang = static_cast<std::uint32_t>(neu.size());
        neu.append(text_, platz.Anfang, platz.Laenge);
        platz.Anfang = anfang;
    }
    text_ = std::move(neu);
    lebend_ = text_.size();
}

void TGridModell::CheckboxSetzen(int spalte, int zeile, bool zustand) {
    if (!Gueltig(spalte, zeile)) return;
    TPlatz& platz = Platz(spalte, zeile);
    platz.Box = 1;
    platz.An = zustand;
    ZelleGeaendert(spalte, zeile);
}

bool TGridModell::ZustandSetzen(int spalte, int zeile, bool zustand) {
    if (!Gueltig(spalte, zeile)) return false;
    TPlatz& platz = Platz(spalte, zeile);
    if (!platz.Box) return false;
    if (platz.An != zustand) {
        platz.An = zustand;
        ZelleGeaendert(spalte, zeile);
    }
    return true;
}

void TGridModell::ZelleLeeren(int spalte, int zeile) {
    if (!Gueltig(spalte, zeile)) return;
    const size_t i = static_cast<size_t>(zeile) * static_cast<size_t>(spalten_) + static_cast<size_t>(spalte);
    TexteVergessen(i, i + 1);
    zellen_[i] = TPlatz{};
    ZelleGeaendert(spalte, zeile);
}

void TGridModell::ZeilenhoeheSetzen(int zeile, int hoehe) {
    if (zeile < 0 || zeile >= Zeilen()) return;
    koepfe_[static_cast<size_t>(zeile)].Hoehe = std::max(0, hoehe);
    if (umbau_ == 0) emit headerDataChanged(Qt::Vertical, zeile, zeile);
}

void TGridModell::VerstecktSetzen(int zeile, bool versteckt) {
    if (zeile >= 0 && zeile < Zeilen()) koepfe_[static_cast<size_t>(zeile)].Versteckt = versteckt;
}

void TGridModell::ZeilenEntfernen(int ab, int anzahl) {
    if (ab < 0 || anzahl <= 0 || ab >= Zeilen()) return;
    anzahl = std::min(anzahl, Zeilen() - ab);
    if (umbau_ == 0) beginRemoveRows(QModelIndex(), ab, ab + anzahl - 1);
    const size_t breite = static_cast<size_t>(spalten_);
    const size_t von = static_cast<size_t>(ab) * breite, bis = static_cast<size_t>(ab + anzahl) * breite;
    TexteVergessen(von, bis);
    zellen_.erase(zellen_.begin() + static_cast<std::ptrdiff_t>(von), zellen_.begin() + static_cast<std::ptrdiff_t>(bis));
    koepfe_.erase(koepfe_.begin() + ab, koepfe_.begin() + ab + anzahl);
    if (text_.size() - lebend_ > std::max(lebend_, kAufraeumenAb)) Aufraeumen();
    if (umbau_ == 0) endRemoveRows();
}

void TGridModell::ZeileVerschieben(int von, int nach) {
    if (!Gueltig(0, von) || !Gueltig(0, nach) || von == nach) return;
    if (umbau_ == 0) beginMoveRows(QModelIndex(), von, von, QModelIndex(), nach > von ? nach + 1 : nach);
    const auto breite = static_cast<std::ptrdiff_t>(spalten_);
    const auto zeile = [&](int z) { return zellen_.begin() + z * breite; };
    if (von < nach) {
        std::rotate(zeile(von), zeile(von + 1), zeile(nach + 1));
        std::rotate(koepfe_.begin() + von, koepfe_.begin() + von + 1, koepfe_.begin() + nach + 1);
    } else {
        std::rotate(zeile(nach), zeile(von), zeile(von + 1));
        std::rotate(koepfe_.begin() + nach, koepfe_.begin() + von, koepfe_.begin() + von + 1);
    }
    if (umbau_ == 0) endMoveRows();
}

void TGridModell::ZeileAnhaengen(int hoehe) {
    ZeilenzahlSetzen(Zeilen() + 1, hoehe);
}

void TGridModell::ZeilenzahlSetzen(int anzahl, int hoehe) {
    anzahl = std::max(0, anzahl);
    if (anzahl < Zeilen()) {
        ZeilenEntfernen(anzahl, Zeilen() - anzahl);
    } else if (anzahl > Zeilen()) {
        if (umbau_ == 0) beginInsertRows(QModelIndex(), Zeilen(), anzahl - 1);
        zellen_.resize(static_cast<size_t>(anzahl) * static_cast<size_t>(spalten_));
        koepfe_.resize(static_cast<size_t>(anzahl), TKopf{std::max(0, hoehe), false});
        if (umbau_ == 0) endInsertRows();
    }
}

void TGridModell::SpaltenzahlSetzen(int anzahl) {
    anzahl = std::max(0, anzahl);
    if (anzahl == spalten_) return;
    const bool weniger = anzahl < spalten_;
    if (umbau_ == 0) {
        if (weniger) beginRemoveColumns(QModelIndex(), anzahl, spalten_ - 1);
        else beginInsertColumns(QModelIndex(), spalten_, anzahl - 1);
    }
    const size_t alt = static_cast<size_t>(spalten_), neu = static_cast<size_t>(anzahl);
    std::vector<TPlatz> zellen(koepfe_.size() * neu);
    for (size_t z = 0; z < koepfe_.size(); ++z) {
        for (size_t s = 0; s < alt; ++s) {
            if (s < neu) zellen[z * neu + s] = zellen_[z * alt + s];
            else lebend_ -= zellen_[z * alt + s].Laenge;
        }
    }
    zellen_ = std::move(zellen);
    spalten_ = anzahl;
    if (umbau_ == 0) {
        if (weniger) endRemoveColumns();
        else endInsertColumns();
    }
}

void TGridModell::SpalteVerschieben(int von, int nach) {
    if (von < 0 || von >= spalten_ || nach < 0 || nach >= spalten_ || von == nach) return;
    // Qt counts the destination before the move: moving right means "before nach + 1".
    if (umbau_ == 0) beginMoveColumns(QModelIndex(), von, von, QModelIndex(), nach > von ? nach + 1 : nach);
    for (size_t z = 0; z < koepfe_.size(); ++z) {
        auto anfang = zellen_.begin() + static_cast<std::ptrdiff_t>(z * static_cast<size_t>(spalten_));
        if (von < nach) std::rotate(anfang + von, anfang + von + 1, anfang + nach + 1);
        else std::rotate(anfang + nach, anfang + von, anfang + von + 1);
    }
    if (umbau_ == 0) endMoveColumns();
}

void TGridModell::UmbauBeginnen() {
    if (umbau_++ == 0) beginResetModel();
}

void TGridModell::UmbauBeenden() {
    if (umbau_ > 0 && --umbau_ == 0) endResetModel();
}

std::vector<int> TGridModell::Sortieren(int spalte, TSortDirection richtung, const TSortOptions& optionen,
                                        const Regionaleinstellungen& regional, int ersteZeile) {
    if (spalte < 0 || spalte >= spalten_ || ersteZeile < 0 || Zeilen() - ersteZeile < 2) return {};
    const size_t erste = static_cast<size_t>(ersteZeile);
    const size_t anzahl = koepfe_.size() - erste;
    const size_t breite = static_cast<size_t>(spalten_);
    const int letzteSpalte = optionen.Full ? spalten_ - 1 : spalte;

    // Columns left of the sort column are never compared. Each column's keys are made
    // once and turned into ranks; a column whose rows all differ needs none to its right.
    std::vector<TSpaltenRaenge> raenge;
    std::vector<TSortSchluessel> schluessel(anzahl);
    for (int s = spalte; s <= letzteSpalte; ++s) {
        for (size_t i = 0; i < anzahl; ++i) {
            const TPlatz& platz = zellen_[(erste + i) * breite + static_cast<size_t>(s)];
            const std::string_view text =
                platz.Laenge == 0 ? std::string_view() : std::string_view(text_.data() + platz.Anfang, platz.Laenge);
            schluessel[i] = SchluesselOhneWerte(text, platz.Box, platz.An, regional, optionen.AutoFormat);
        }
        WerteLesen(schluessel, regional);
        raenge.emplace_back(schluessel);
        if (raenge.back().Eindeutig()) break;
    }
    schluessel = {};
    const int vorzeichen = richtung == sdDescending ? -1 : 1;
    std::vector<std::uint32_t> folge(anzahl);
    for (size_t i = 0; i < anzahl; ++i) folge[i] = static_cast<std::uint32_t>(i);
    Mischsortieren(folge, [&](std::uint32_t x, std::uint32_t y) {
        for (const TSpaltenRaenge& spaltenRaenge : raenge) {
            int ergebnis = spaltenRaenge.Vergleichen(x, y) * vorzeichen;
            if (ergebnis != 0) return ergebnis < 0;
        }
        return false;
    });

    emit layoutAboutToBeChanged();
    if (optionen.SingleColumn) {
        // Only the sort column's cells move; everything else stays in its row.
        std::vector<TPlatz> spaltenZellen(anzahl);
        for (size_t i = 0; i < anzahl; ++i)
            spaltenZellen[i] = zellen_[(erste + folge[i]) * breite + static_cast<size_t>(spalte)];
        for (size_t i = 0; i < anzahl; ++i)
            zellen_[(erste + i) * breite + static_cast<size_t>(spalte)] = spaltenZellen[i];
    } else {
        // With NormalCellsOnly the fixed column keeps its place.
        std::vector<TPlatz> alt(zellen_.begin() + static_cast<std::ptrdiff_t>(erste * breite), zellen_.end());
        std::vector<TKopf> altKoepfe(koepfe_.begin() + static_cast<std::ptrdiff_t>(erste), koepfe_.end());
        for (size_t i = 0; i < anzahl; ++i) {
            TPlatz* ziel = &zellen_[(erste + i) * breite];
            const TPlatz* quelle = &alt[folge[i] * breite];
            const size_t ab = optionen.NormalCellsOnly ? 1 : 0;
            std::copy(quelle + ab, quelle + breite, ziel + ab);
            koepfe_[erste + i] = altKoepfe[folge[i]];
        }
    }
    emit layoutChanged();
    std::vector<int> herkunft(anzahl);
    for (size_t i = 0; i < anzahl; ++i) herkunft[i] = static_cast<int>(erste + folge[i]);
    return herkunft;
}
