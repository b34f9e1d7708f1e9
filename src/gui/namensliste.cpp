#include "gui/namensliste.h"

#include "core/zeichensatz.h"
#include "gui/qttext.h"
#include "gui/uebersetzung.h"

namespace {
// A box taller than the screen helps nobody; the folders show the rest.
constexpr std::size_t kHoechstensNamen = 10;
}  // namespace

std::string NamensListe(const std::vector<std::string>& namen) {
    std::string text;
    for (std::size_t i = 0; i < namen.size() && i < kHoechstensNamen; ++i) text += "\r\n" + AnzeigeText(namen[i]);
    if (namen.size() > kHoechstensNamen) {
        const int weitere = static_cast<int>(namen.size() - kHoechstensNamen);
        text += "\r\n" + AlsUtf8(Tr("Namensliste", "und %n weitere", nullptr, weitere));
    }
    return text;
}
