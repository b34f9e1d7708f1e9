#pragma once

// Marks a text of a core table (a map's or race's display name, a win condition's
// caption) for translation without Qt: the core hands the text on as it stands, the
// window and the CLI translate it in the context given. lupdate reads the mark as
// QT_TRANSLATE_NOOP (-tr-function-alias).
#define UEBERSETZBAR(kontext, text) text
