#pragma once
#include <QString>
#include <exception>

#include "core/anzeigenamen.h"
#include "core/meldungen.h"
#include "core/siegbedingungen.h"
#include "core/suche.h"
#include "core/uebertragung.h"

// The words for what the core reports as values, in the user's language, for the window
// and the CLI alike. The German words are those of the program's description.

// "Fehler beim öffnen der Datei." and the other notices.
QString MeldungText(TMeldungsart art);
// The message of an error the core raised; of any other exception, a general one.
QString FehlerText(const std::exception& fehler);
// Why a replay was not copied; empty for one that arrived.
QString KopierGrund(TKopierstand stand);

// A map's or race's display name as the user reads it, the key where the table has none.
QString KartenText(const std::string& schluessel);
QString RassenText(const std::string& schluessel);
// The translated display name alone; null where the table does not know the key.
QString Uebersetzt(const char* kontext, const TAnzeigename& anzeige);
// A win condition's caption.
QString SiegbedingungTitel(const TSiegbedingung& bedingung);
// The translation of the core tables' display names, for the search.
TUebersetzer KernUebersetzer();
