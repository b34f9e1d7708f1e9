#pragma once
#include <string_view>
#include <vector>

#include "gui/gridzelle.h"
#include "gui/regionaleinstellungen.h"

// The grid's cell comparison. With AutoFormat the kind of comparison is chosen from the
// first cell alone, so the relation is not a consistent ordering when a column mixes
// kinds; the grid therefore sorts with a merge sort that stays in bounds for any answer.

enum class TVergleichsart { Checkbox, Zahl, Datum, Text };

// Digits, minus signs and the regional separators only: at most one minus sign and only
// in first place, at most one decimal and one thousands separator, the latter not first.
bool IstZahl(std::string_view text, const Regionaleinstellungen& regional);
// Not a number, and the first date separator stands at the 2nd or 3rd character, is not
// the last one and has a digit on both sides.
bool IstDatum(std::string_view text, const Regionaleinstellungen& regional);
TVergleichsart Vergleichsart(const TZelle& zelle, const Regionaleinstellungen& regional);

// Compares cell a of the first row with cell b of the second: negative when a comes
// first in ascending order, 0 when equal, positive when b comes first.
int sortvergleich(const TZelle& a, const TZelle& b, const Regionaleinstellungen& regional,
                  bool autoFormat = true);

// The same comparison with every conversion done once per cell, for sorting many rows.
// A key refers to its cell's text, which must outlive it.
struct TSortSchluessel {
    std::string_view Text;
    bool HatCheckbox = false;
    bool Checked = false;
    TVergleichsart Art = TVergleichsart::Text;
    bool ZahlGueltig = false;  // the text is empty or converts to a number
    double Zahl = 0;
    double Datum = 0;          // 0 when the text is no date
};

// Keys for one column; numbers and dates are converted only when some cell of the
// column is of that kind, since only then can a comparison ask for them.
std::vector<TSortSchluessel> SpaltenSchluessel(const std::vector<const TZelle*>& zellen,
                                               const Regionaleinstellungen& regional,
                                               bool autoFormat);
// The same in two steps, for cells that are no TZelle: a key per cell without its
// number and date, then the numbers and dates of the whole column.
TSortSchluessel SchluesselOhneWerte(std::string_view text, bool hatCheckbox, bool checked,
                                    const Regionaleinstellungen& regional, bool autoFormat);
void WerteLesen(std::vector<TSortSchluessel>& schluessel, const Regionaleinstellungen& regional);
int SchluesselVergleichen(const TSortSchluessel& a, const TSortSchluessel& b);
