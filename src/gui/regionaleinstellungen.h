#pragma once
#include <string>
#include <string_view>

#include "core/datum.h"

// The user's regional settings as the program uses them: the window shows file dates in
// the short-date and long-time formats, and the grid's sort reads numbers and dates with
// the separators and the date parser. A plain value: the window keeps one and hands a copy
// to each grid; tests pin Deutsch() so their dates and numbers do not depend on the machine.
//
// Formats use Qt's date and time patterns ("dd.MM.yyyy", "HH:mm:ss") in UTF-8, like every
// text the grid holds. Separators are ASCII bytes.
class Regionaleinstellungen {
public:
    std::string KurzesDatumsformat = "dd.MM.yyyy";
    std::string LangesZeitformat = "HH:mm:ss";
    char Datumstrenner = '.';
    char Zeittrenner = ':';
    char Dezimaltrenner = ',';
    char Tausendertrenner = '.';

    // From the system locale, shown the way Windows shows dates: the year always has four
    // digits, and the time carries no time-zone suffix.
    static Regionaleinstellungen AusSystem();
    // German settings: 12.03.2005 14:22:10, decimal comma, thousands point.
    static Regionaleinstellungen Deutsch();

    // The date in the short-date format, a blank and the time in the long-time format;
    // the time is left out when the value is exactly midnight. UTF-8 text; empty
    // for a value that is no date at all (not finite or far outside the calendar).
    std::string DatumZeitText(TDateTime datum) const;

    // The date-and-time parser of the sort: a date in the order of the short-date format
    // (day, month and year separated by Datumstrenner; the year may be left out or have
    // two digits), optionally followed by a time h:m[:s[.ms]] with an optional AM/PM, or a
    // time alone. Leading and trailing blanks are allowed, nothing else. False when the
    // text is no valid date or time; the result is then untouched.
    bool TextZuDatum(std::string_view text, TDateTime& datum) const;
};
