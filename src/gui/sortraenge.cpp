#include "gui/sortraenge.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// Ranks from 0, in the order vorher gives, equal values sharing one; returns how many
// ranks there are.
template <class Vorher>
std::uint32_t Ordnen(std::vector<std::uint32_t>& folge, std::vector<std::uint32_t>& rang, Vorher vorher) {
    // A consistent order (numbers, bytes), so std::sort is safe here.
    std::sort(folge.begin(), folge.end(), vorher);
    std::uint32_t naechster = 0;
    for (size_t i = 0; i < folge.size(); ++i) {
        if (i > 0 && vorher(folge[i - 1], folge[i])) ++naechster;
        rang[folge[i]] = naechster;
    }
    return folge.empty() ? 0 : naechster + 1;
}

// The first eight bytes of a text as one number that orders like the bytes; shorter
// texts are padded with zeros, so a tie on it still needs the whole texts.
std::uint64_t Anfang(std::string_view text) {
    std::uint64_t wert = 0;
    for (size_t i = 0; i < 8; ++i)
        wert = (wert << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return wert;
}

}  // namespace

TSpaltenRaenge::TSpaltenRaenge(const std::vector<TSortSchluessel>& schluessel) {
    const size_t n = schluessel.size();
    bool hat[4] = {false, false, false, false};
    for (const TSortSchluessel& s : schluessel) hat[static_cast<int>(s.Art)] = true;
    gemischt_ = std::count(hat, hat + 4, true) > 1;
    einzigeArt_ = n == 0 ? 0 : static_cast<int>(schluessel[0].Art);
    if (gemischt_) {
        arten_.resize(n);
        for (size_t i = 0; i < n; ++i) arten_[i] = schluessel[i].Art;
    }

    std::vector<std::uint32_t> folge(n);
    auto alle = [&] {
        for (size_t i = 0; i < n; ++i) folge[i] = static_cast<std::uint32_t>(i);
    };
    std::uint32_t anzahl = 0;
    // A comparison of kind k reads the other row's value of that kind too, so each kind
    // present ranks every row, whatever that row's own kind.
    for (int art = 0; art < 4; ++art) {
        if (!hat[art]) continue;
        std::vector<std::uint32_t>& rang = raenge_[art];
        rang.resize(n);
        alle();
        switch (static_cast<TVergleichsart>(art)) {
        case TVergleichsart::Checkbox:
            // A cell without a box counts as unchecked.
            for (size_t i = 0; i < n; ++i) rang[i] = schluessel[i].HatCheckbox && schluessel[i].Checked;
            anzahl = static_cast<std::uint32_t>(std::count(rang.begin(), rang.end(), 0u) > 0) +
                     static_cast<std::uint32_t>(std::count(rang.begin(), rang.end(), 1u) > 0);
            break;
        case TVergleichsart::Zahl:
            anzahl = Ordnen(folge, rang, [&](std::uint32_t a, std::uint32_t b) {
                return schluessel[a].Zahl < schluessel[b].Zahl;
            });
            break;
        case TVergleichsart::Datum:
            anzahl = Ordnen(folge, rang, [&](std::uint32_t a, std::uint32_t b) {
                return schluessel[a].Datum < schluessel[b].Datum;
            });
            break;
        case TVergleichsart::Text: {
            std::vector<std::uint64_t> anfaenge(n);
            for (size_t i = 0; i < n; ++i) anfaenge[i] = Anfang(schluessel[i].Text);
            anzahl = Ordnen(folge, rang, [&](std::uint32_t a, std::uint32_t b) {
                if (anfaenge[a] != anfaenge[b]) return anfaenge[a] < anfaenge[b];
                // Unsigned bytes, then the shorter first: the text comparison's order.
                const std::string_view x = schluessel[a].Text, y = schluessel[b].Text;
                const size_t kuerzer = std::min(x.size(), y.size());
                const int ergebnis = kuerzer == 0 ? 0 : std::memcmp(x.data(), y.data(), kuerzer);
                return ergebnis != 0 ? ergebnis < 0 : x.size() < y.size();
            });
            break;
        }
        }
    }
    // Only a column of one kind is ordered by its ranks alone.
    eindeutig_ = !gemischt_ && anzahl == n;
}
