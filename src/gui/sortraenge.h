#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gui/sortvergleich.h"

// One column's sort keys turned into small numbers, for sorting 100,000 rows: Vergleichen
// answers exactly as SchluesselVergleichen does for the two rows' keys, but compares two
// integers instead of texts, numbers and dates. Each kind of comparison gets its own
// ranks, equal values the same rank; a row compares by the ranks of its own kind, as
// SchluesselVergleichen goes by the first key's kind. The keys' texts need not outlive it.
class TSpaltenRaenge {
public:
    explicit TSpaltenRaenge(const std::vector<TSortSchluessel>& schluessel);

    // Negative when row x comes first in ascending order, 0 when equal, positive after.
    int Vergleichen(std::size_t x, std::size_t y) const {
        const int art = gemischt_ ? static_cast<int>(arten_[x]) : einzigeArt_;
        const std::vector<std::uint32_t>& rang = raenge_[art];
        return rang[x] < rang[y] ? -1 : (rang[y] < rang[x] ? 1 : 0);
    }
    // True when no two rows compare equal: ties are then never broken by another column.
    bool Eindeutig() const { return eindeutig_; }

private:
    bool gemischt_ = false;  // the rows are not all of one kind
    int einzigeArt_ = 0;
    std::vector<TVergleichsart> arten_;  // per row, only when gemischt_
    std::vector<std::uint32_t> raenge_[4];  // per kind, per row; only the kinds some row has
    bool eindeutig_ = false;
};
