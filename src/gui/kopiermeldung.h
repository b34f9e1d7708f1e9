#pragma once
#include <string>

#include "core/transfers.h"

// The message after a transfer (UTF-8): the count line (KopiertText or UmzugText),
// then one line "name: reason" for each replay that did not arrive, at most ten, and how
// many more there were.
std::string KopierMeldung(const std::string& zaehlzeile, const TKopierbericht& bericht);
