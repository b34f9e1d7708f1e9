#pragma once
#include <QtGlobal>
#include <array>

#include "gui/regionaleinstellungen.h"

class TCheckSortGrid;

// The columns of the window's two grids, by identity: the place SetColCount gave them.
// The fixed columns in front (the number, the list's check box) never move, so there the
// identity is the position. The user may move the others (goColMoving); their cells are
// found with Spaltenposition(identity).
enum TListenspalte { lsNummer, lsBox, lsSpielname, lsAnzahl, lsKarte, lsDatum };
enum TSpielerspalte { ssNummer, ssSpieler, ssRasse, ssTeam };

// How many columns stand fixed in front: a moved column may land at this position or
// further right, never among them.
constexpr int kFesteListenspalten = lsSpielname;
constexpr int kFesteSpielerspalten = ssSpieler;

struct TSpaltenvorgabe {
    const char* Kopf;  // UTF-8, translated in the context "Spalte"
    int Breite;
};

// Indexed by TListenspalte and TSpielerspalte.
inline constexpr std::array<TSpaltenvorgabe, 6> kListenspalten = {
    {{"", 30},
     {"", 40},
     {QT_TRANSLATE_NOOP("Spalte", "Spielname"), 75},
     {"#", 23},
     {QT_TRANSLATE_NOOP("Spalte", "Karte"), 139},
     {QT_TRANSLATE_NOOP("Spalte", "Datum"), 137}}};
inline constexpr std::array<TSpaltenvorgabe, 4> kSpielerspalten = {
    {{"", 30},
     {QT_TRANSLATE_NOOP("Spalte", "Spieler"), 86},
     {QT_TRANSLATE_NOOP("Spalte", "Rasse"), 152},
     {QT_TRANSLATE_NOOP("Spalte", "Team"), 48}}};
static_assert(kListenspalten.size() == lsDatum + 1 && kSpielerspalten.size() == ssTeam + 1);

// Gives a new grid the columns, options and look of the replay list (grdReplays) or the
// player grid (grdSpieler), with a header row and one empty row; numbers and dates sort
// by regional. The window connects the handlers.
void ReplayGridEinrichten(TCheckSortGrid* grid, const Regionaleinstellungen& regional);
void SpielerGridEinrichten(TCheckSortGrid* grid, const Regionaleinstellungen& regional);
