#include <QColor>
#include <QImage>
#include <QPixmap>

#include "gui/glyphen.h"

namespace {

// The glyph rendered at build time at 16, 24 and 32 pixels; Qt picks the picture that
// fits the screen's scale, each with its greyed picture for the disabled state.
QIcon Glyph(const char* name) {
    QIcon icon;
    for (int groesse : {16, 24, 32}) {
        const QImage bild(QStringLiteral(":/glyphen/%1-%2.png").arg(QLatin1String(name)).arg(groesse));
        if (bild.isNull()) continue;
        const QIcon teil = GlyphMitGrau(bild.convertToFormat(QImage::Format_ARGB32));
        for (QIcon::Mode modus : {QIcon::Normal, QIcon::Disabled})
            icon.addPixmap(teil.pixmap(bild.size(), 1.0, modus), modus);
    }
    return icon;
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

QIcon GlyphAktualisieren() { return Glyph("aktualisieren"); }
QIcon GlyphKopieren() { return Glyph("kopieren"); }
QIcon GlyphOrdner() { return Glyph("ordner"); }
