#pragma once
#include <QIcon>

// The program's own glyphs, 16 x 16 at 1x and as many pixels more as the screen's scale
// asks for (up to 2x), each with a greyed picture for the disabled state (QIcon::Disabled).
QIcon GlyphAktualisieren();  // tbtRefresh: a sheet of paper with a yellow burst
QIcon GlyphKopieren();       // tbtKopieren: a sheet, a red arrow down onto a floppy disk
QIcon GlyphOrdner();         // the options dialog's speed buttons: an open folder

class QImage;
// A glyph from one picture, with the greyed picture for the disabled state.
QIcon GlyphMitGrau(const QImage& bild);
