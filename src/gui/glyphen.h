#pragma once
#include <QIcon>

// The program's own 16 x 16 glyphs, drawn in code, each with a greyed picture for the
// disabled state (QIcon::Disabled).
QIcon GlyphAktualisieren();  // tbtRefresh: a sheet of paper with a yellow burst
QIcon GlyphKopieren();       // tbtKopieren: a sheet, a red arrow down onto a floppy disk
QIcon GlyphOrdner();         // the options dialog's speed buttons: an open folder

class QImage;
// A glyph from its 16 x 16 picture, with the greyed picture for the disabled state.
QIcon GlyphMitGrau(const QImage& bild);
