#include <QColor>
#include <QImage>
#include <QPixmap>
#include <array>

#include "glyphen.h"

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

// The greyed picture of a disabled speed button: the dark strokes in grey with a white
// shadow one pixel to the lower right; the bright areas drop out.
QImage Ausgegraut(const QImage& bild) {
    QImage grau(bild.size(), QImage::Format_ARGB32);
    grau.fill(Qt::transparent);
    const auto dunkel = [&](int x, int y) {
        const QColor c = bild.pixelColor(x, y);
        return c.alpha() > 0 && qGray(c.rgb()) < 128;
    };
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (dunkel(x, y) && x + 1 < bild.width() && y + 1 < bild.height())
                grau.setPixelColor(x + 1, y + 1, Qt::white);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (dunkel(x, y)) grau.setPixelColor(x, y, QColor(128, 128, 128));
    return grau;
}

}  // namespace

QIcon GlyphOrdner() {
    const QImage bild = Ordnerbild();
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(bild), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(Ausgegraut(bild)), QIcon::Disabled);
    return icon;
}
