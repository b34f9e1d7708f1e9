#include "gui/gridgeometrie.h"

#include <algorithm>

#include "gui/gridmodell.h"

namespace {
// A press this close to a cell's side border belongs to the column-sizing zone.
constexpr int randZone = 3;
}  // namespace

TGridGeometrie::TGridGeometrie(const TGridModell& modell) : modell_(modell) {}

void TGridGeometrie::SpaltenzahlSetzen(int anzahl, int breite) {
    breiten_.resize(static_cast<size_t>(std::max(0, anzahl)), breite);
    zugaben_.resize(breiten_.size(), 0);
}

int TGridGeometrie::Breite(int spalte) const {
    if (spalte < 0 || spalte >= static_cast<int>(breiten_.size())) return 0;
    return breiten_[static_cast<size_t>(spalte)];
}

void TGridGeometrie::BreiteSetzen(int spalte, int breite) {
    if (spalte < 0 || spalte >= static_cast<int>(breiten_.size())) return;
    breiten_[static_cast<size_t>(spalte)] = std::max(0, breite);
    zugaben_[static_cast<size_t>(spalte)] = 0;
}

int TGridGeometrie::Zugabe(int spalte) const {
    if (spalte < 0 || spalte >= static_cast<int>(zugaben_.size())) return 0;
    return zugaben_[static_cast<size_t>(spalte)];
}

void TGridGeometrie::SpalteVerschieben(int von, int nach) {
    for (std::vector<int>* v : {&breiten_, &zugaben_}) {
        auto anfang = v->begin();
        if (von < nach) std::rotate(anfang + von, anfang + von + 1, anfang + nach + 1);
        else std::rotate(anfang + nach, anfang + von, anfang + von + 1);
    }
}

int TGridGeometrie::Hoehe(int zeile) const {
    return modell_.Versteckt(zeile) ? 0 : modell_.Zeilenhoehe(zeile);
}

void TGridGeometrie::VersatzSetzen(int x, int y) {
    versatzX_ = x;
    versatzY_ = y;
}

int TGridGeometrie::SpaltenX(int spalte) const {
    if (spalte <= 0) return 0;
    int x = Breite(0) - versatzX_;
    for (int s = 1; s < spalte; ++s) x += Breite(s);
    return x;
}

void TGridGeometrie::ZeilenPositionen() const {
    if (!zeilenVeraltet_) return;
    int daten = std::max(0, modell_.Zeilen() - 1);
    zeilenY_.resize(static_cast<size_t>(daten) + 1);
    zeilenY_[0] = 0;
    // A hidden row takes no room: its top is the next row's, so no y lies inside it.
    for (int i = 0; i < daten; ++i)
        zeilenY_[static_cast<size_t>(i) + 1] = zeilenY_[static_cast<size_t>(i)] + Hoehe(i + 1);
    zeilenVeraltet_ = false;
}

int TGridGeometrie::ZeilenY(int zeile) const {
    if (zeile <= 0) return 0;
    ZeilenPositionen();
    size_t i = std::min(static_cast<size_t>(zeile - 1), zeilenY_.size() - 1);
    return Hoehe(0) + zeilenY_[i] - versatzY_;
}

QRect TGridGeometrie::Zelle(int spalte, int zeile) const {
    if (!modell_.Gueltig(spalte, zeile)) return {};
    return QRect(SpaltenX(spalte), ZeilenY(zeile), Breite(spalte), Hoehe(zeile));
}

int TGridGeometrie::SpalteBei(int x) const {
    if (x < 0) return -1;
    if (x < Breite(0)) return 0;
    for (int s = 1; s < static_cast<int>(breiten_.size()); ++s) {
        int links = SpaltenX(s);
        if (x >= links && x < links + Breite(s)) return s;
    }
    return -1;
}

int TGridGeometrie::ZeileBei(int y) const {
    if (y < 0 || modell_.Zeilen() == 0) return -1;
    if (y < Hoehe(0)) return 0;
    ZeilenPositionen();
    int innen = y - Hoehe(0) + versatzY_;
    auto it = std::upper_bound(zeilenY_.begin(), zeilenY_.end(), innen);
    if (it == zeilenY_.begin() || it == zeilenY_.end()) return -1;
    return static_cast<int>(it - zeilenY_.begin());  // row numbers count from 1 here
}

int TGridGeometrie::Datenbreite() const {
    int breite = 0;
    for (size_t s = 1; s < breiten_.size(); ++s) breite += breiten_[s];
    return breite;
}

int TGridGeometrie::Datenhoehe() const {
    ZeilenPositionen();
    return zeilenY_.back();
}

bool TGridGeometrie::AmLinkenRand(int x, int spalte) const {
    return x - SpaltenX(spalte) <= randZone;
}

bool TGridGeometrie::AmRechtenRand(int x, int spalte) const {
    return SpaltenX(spalte) + Breite(spalte) - 1 - x <= randZone;  // from QRect::right()
}

int TGridGeometrie::GroessenRand(int x, int spalte) const {
    if (AmLinkenRand(x, spalte)) return spalte - 1;
    if (AmRechtenRand(x, spalte)) return spalte;
    return -1;
}

// S = the other columns' widths, W = the client width: the last column gets W - S - 1.
void TGridGeometrie::LetzteSpalteStrecken(int sichtbreite, int standardBreite) {
    if (breiten_.empty()) return;
    int andere = 0;
    for (size_t s = 0; s + 1 < breiten_.size(); ++s) andere += breiten_[s];
    if (andere < sichtbreite) breiten_.back() = sichtbreite - andere - 1;
    else if (versatzX_ == 0) breiten_.back() = standardBreite;
}

void TGridGeometrie::SpaltenFuellen(int sichtbreite, const std::vector<int>& spalten) {
    if (spalten.empty()) return;
    int summe = 0;
    for (int b : breiten_) summe += b;
    // One pixel is kept free, as for the stretched last column.
    int rest = sichtbreite - 1 - summe;
    const auto geben = [&](int spalte, int mehr) {
        breiten_[static_cast<size_t>(spalte)] += mehr;
        zugaben_[static_cast<size_t>(spalte)] += mehr;
    };
    if (rest > 0) {
        const int n = static_cast<int>(spalten.size());
        for (int i = 0; i < n; ++i) geben(spalten[static_cast<size_t>(i)], rest / n + (i < rest % n ? 1 : 0));
        return;
    }
    // Too wide: take back in equal steps what was given, never what the user set.
    while (rest < 0) {
        std::vector<int> mit;
        for (int s : spalten)
            if (zugaben_[static_cast<size_t>(s)] > 0) mit.push_back(s);
        if (mit.empty()) return;
        const int schritt = std::max(1, -rest / static_cast<int>(mit.size()));
        for (int s : mit) {
            const int weg = std::min({schritt, zugaben_[static_cast<size_t>(s)], -rest});
            geben(s, -weg);
            rest += weg;
            if (rest >= 0) return;
        }
    }
}
