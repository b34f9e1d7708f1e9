#include <QColor>
#include <QImage>
#include <QPixmap>
#include <array>

#include "gui/glyphen.h"

namespace {

using Raster = std::array<const char*, 16>;

// tbtRefresh: a sheet with a folded corner and a yellow burst flaring from its left edge.
constexpr Raster kAktualisieren = {
    "................",
    "...kkkkkkkk.....",
    "...kwwwwwwkk....",
    "...kwwwwwwkwk...",
    "...kwwwwwwkkkk..",
    "y..y..y.wwwwwk..",
    ".y.y.y.wwwwwwk..",
    "..yyy.wwwwwwwk..",
    "yyyoyyywwwwwwk..",
    "..yyy.wwwwwwwk..",
    ".y.y.y.wwwwwwk..",
    "y..y..y.wwwwwk..",
    "...kwwwwwwwwwk..",
    "...kwwwwwwwwwk..",
    "...kkkkkkkkkkk..",
    "................",
};

// tbtKopieren: a sheet, and a red arrow pointing down onto a floppy disk.
constexpr Raster kKopieren = {
    "kkkkkk..........",
    "kwwwwkk....rr...",
    "kwwwwkwk...rr...",
    "kwwwwkkk...rr...",
    "kwwwwwwk...rr...",
    "kwwwwwwk...rr...",
    "kwwwwwwk.rrrrrr.",
    "kkkkkkkk..rrrr..",
    "...........rr...",
    "...bbbbbbbbbbbb.",
    "...bbwwwwwwwwbb.",
    "...bbwwwwwwwwbb.",
    "...bbbbbbbbbbbb.",
    "...bbbssssssbbb.",
    "...bbbsbbsssbbb.",
    "...bbbssssssbbb.",
};

QColor Farbe(char c) {
    switch (c) {
        case 'k': return QColor(0, 0, 0);
        case 'w': return QColor(255, 255, 255);
        case 'y': return QColor(255, 255, 0);
        case 'o': return QColor(255, 128, 0);
        case 'r': return QColor(255, 0, 0);
        case 'b': return QColor(0, 0, 128);
        case 's': return QColor(192, 192, 192);
        default: return QColor(0, 0, 0, 0);  // '.': transparent
    }
}

QImage Bild(const Raster& raster) {
    QImage bild(16, 16, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) bild.setPixelColor(x, y, Farbe(raster[y][x]));
    return bild;
}

QIcon Glyph(const Raster& raster) {
    return GlyphMitGrau(Bild(raster));
}

}  // namespace

// The greyed picture for the disabled state is drawn the way Windows greys a glyph: the
// dark parts in grey over a white shadow one pixel to the lower right; bright parts drop out.
QIcon GlyphMitGrau(const QImage& bild) {
    QImage grau(bild.size(), QImage::Format_ARGB32);
    grau.fill(Qt::transparent);
    const auto dunkel = [&](int x, int y) {
        const QColor c = bild.pixelColor(x, y);
        return c.alpha() > 0 && qGray(c.rgb()) < 128;
    };
    for (int y = 0; y + 1 < bild.height(); ++y)
        for (int x = 0; x + 1 < bild.width(); ++x)
            if (dunkel(x, y)) grau.setPixelColor(x + 1, y + 1, Qt::white);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (dunkel(x, y)) grau.setPixelColor(x, y, QColor(128, 128, 128));
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(bild), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(grau), QIcon::Disabled);
    return icon;
}

QIcon GlyphAktualisieren() { return Glyph(kAktualisieren); }
QIcon GlyphKopieren() { return Glyph(kKopieren); }
