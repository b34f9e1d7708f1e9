#include <QColor>
#include <QImage>
#include <QPixmap>
#include <array>

#include "gui/glyphen.h"

namespace {

// An open folder: the dark back panel with its tab, and the bright front flap tipped
// forward over it. One letter per pixel; '.' is transparent.
constexpr std::array<const char*, 16> kOrdner = {
    "................",
    "................",
    "................",
    ".kkkk...........",
    "kwwwwk..........",
    "kwyyyykkkkkk....",
    "kwyyyyyyyyyyk...",
    "kwyykkkkkkkkkkkk",
    "kwykooooooooook.",  // the flap leans: its top edge right, its foot left
    "kwkooooooooook..",
    "kwkooooooooook..",
    "kkooooooooook...",
    "kkooooooooook...",
    "kkkkkkkkkkkkk...",
    "................",
    "................",
};

QColor Farbe(char c) {
    switch (c) {
        case 'k': return QColor(64, 48, 0);
        case 'w': return QColor(255, 240, 176);
        case 'y': return QColor(208, 160, 32);
        case 'o': return QColor(255, 216, 80);
        default: return QColor(0, 0, 0, 0);
    }
}

QImage Ordnerbild() {
    QImage bild(16, 16, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) bild.setPixelColor(x, y, Farbe(kOrdner[y][x]));
    return bild;
}

}  // namespace

QIcon GlyphOrdner() { return GlyphMitGrau(Ordnerbild()); }
