#include "gui/kopiermeldung.h"

#include "core/zeichensatz.h"

namespace {
// A box taller than the screen helps nobody; the folders show the rest.
constexpr int kHoechstensZeilen = 10;
}  // namespace

std::string KopierMeldung(const std::string& zaehlzeile, const TKopierbericht& bericht) {
    std::string text = zaehlzeile;
    int gezeigt = 0, weitere = 0;
    for (const TKopierteDatei& datei : bericht.Dateien) {
        if (Angekommen(datei.Stand)) continue;
        if (gezeigt == kHoechstensZeilen) {
            ++weitere;
            continue;
        }
        // The name is the file system's bytes; the message is text.
        text += "\r\n" + AnzeigeText(datei.Name) + ": " + KopierGrund(datei.Stand);
        ++gezeigt;
    }
    if (weitere > 0) text += "\r\nund " + std::to_string(weitere) + " weitere";
    return text;
}
