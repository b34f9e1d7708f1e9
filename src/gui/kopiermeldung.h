#pragma once
#include <string>

#include "core/transfers.h"

// The messages after a transfer (UTF-8), worded from the report alone: a count line,
// then how many the target already held, then how many did not arrive with one line
// "name: reason" each (KopierGrund), at most ten. A state the core adds later is told by
// its reason like every other.
enum class TKopierart {
    Import,  // from Playback into the library: "<k> Replays wurden kopiert."
    Umzug,   // the library into a new folder: "<k> Replays kopiert"
};
std::string KopierMeldung(const TKopierbericht& bericht, TKopierart art);

// The lines about the replays of bericht that did not arrive, each beginning with a line
// break: how many are still being written, then the others with their reasons; empty when
// all arrived.
std::string NichtAngekommenText(const TKopierbericht& bericht);

// A text with a count, marked QT_TRANSLATE_N_NOOP in the context "Kopiermeldung": its
// translation holds the forms each language needs ("1 Replay wurde kopiert." beside
// "%n Replays wurden kopiert." in German); %n stands for n.
std::string Anzahltext(int n, const char* text);
