#include "gui/regionaleinstellungen.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <cmath>
#include <string_view>

#include "gui/qttext.h"

namespace {

const QDate nullDatum(1899, 12, 30);
constexpr double msProTag = 86400000.0;

// The sort reads separators as single bytes of the cells' UTF-8. One beyond ASCII (some
// locales group digits with a no-break space or a narrow one) becomes a plain blank, the
// character it stands for.
char Trennzeichen(const QString& zeichen, char ersatz) {
    if (zeichen.isEmpty()) return ersatz;
    const char16_t c = zeichen.at(0).unicode();
    return c < 0x80 ? static_cast<char>(c) : ' ';
}

// The first character of a pattern that is no pattern letter and no quote; a blank only
// when nothing else separates the fields.
QChar ErstesTrennzeichen(const QString& format, QChar ersatz) {
    for (QChar c : format) {
        if (!c.isLetter() && c != u'\'' && !c.isSpace()) return c;
    }
    return format.contains(u' ') ? QChar(u' ') : ersatz;
}

// A Windows short date is all digits: month names ("MMM") become month numbers, so that
// the sort's parser can read what the list shows.
QString NurZiffern(QString format) {
    format.replace(QLatin1String("MMMM"), QLatin1String("MM"));
    format.replace(QLatin1String("MMM"), QLatin1String("MM"));
    return format;
}

// Windows shows the short date with a four-digit year even where the locale's own short
// pattern has two digits.
QString VierstelligesJahr(QString format) {
    if (format.contains(QLatin1String("yyyy"))) return format;
    qsizetype pos = format.indexOf(QLatin1String("yy"));
    if (pos >= 0) format.replace(pos, 2, QLatin1String("yyyy"));
    return format;
}

// Removes the time-zone letter 't' (outside quotes) and the blanks it leaves at either end.
QString OhneZeitzone(const QString& format) {
    QString ergebnis;
    bool zitat = false;
    for (QChar c : format) {
        if (c == u'\'') zitat = !zitat;
        if (!zitat && c == u't') continue;
        ergebnis += c;
    }
    return ergebnis.trimmed();
}

class Leser {
public:
    explicit Leser(std::string_view text) : text_(text) {}
    void Leerzeichen() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }
    bool Ende() const { return pos_ >= text_.size(); }
    bool Zeichen(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    // Up to nine decimal digits; false when none stands here.
    bool Zahl(int& wert, int& stellen) {
        wert = 0;
        stellen = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && stellen < 9) {
            wert = wert * 10 + (text_[pos_] - '0');
            ++stellen;
            ++pos_;
        }
        return stellen > 0;
    }
    bool Wort(std::string_view wort) {
        if (text_.size() - pos_ < wort.size()) return false;
        for (size_t i = 0; i < wort.size(); ++i) {
            char c = text_[pos_ + i];
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            if (c != wort[i]) return false;
        }
        pos_ += wort.size();
        return true;
    }
    size_t Position() const { return pos_; }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

// The order of day, month and year in a short-date pattern, as indices 0..2 of the three
// numbers: reihenfolge[0] is the position of the day, [1] the month, [2] the year.
void Reihenfolge(const std::string& format, int reihenfolge[3]) {
    size_t d = format.find('d'), m = format.find('M'), y = format.find('y');
    if (d == std::string::npos || m == std::string::npos || y == std::string::npos) {
        reihenfolge[0] = 0, reihenfolge[1] = 1, reihenfolge[2] = 2;  // day first, as German
        return;
    }
    reihenfolge[0] = (d > m) + (d > y);
    reihenfolge[1] = (m > d) + (m > y);
    reihenfolge[2] = (y > d) + (y > m);
}

bool DatumLesen(Leser& leser, const Regionaleinstellungen& r, QDate& datum) {
    int zahlen[3] = {0, 0, 0}, stellen[3] = {0, 0, 0};
    int anzahl = 0;
    while (anzahl < 3) {
        if (!leser.Zahl(zahlen[anzahl], stellen[anzahl])) return false;
        ++anzahl;
        if (!leser.Zeichen(r.Datumstrenner)) break;
    }
    if (anzahl < 2) return false;
    int reihenfolge[3];
    Reihenfolge(r.KurzesDatumsformat, reihenfolge);
    int tag, monat, jahr;
    if (anzahl == 3) {
        tag = zahlen[reihenfolge[0]];
        monat = zahlen[reihenfolge[1]];
        jahr = zahlen[reihenfolge[2]];
        if (stellen[reihenfolge[2]] <= 2) jahr += jahr < 50 ? 2000 : 1900;
    } else {
        // Day and month only, in the pattern's order; the year is this year's.
        bool tagZuerst = reihenfolge[0] < reihenfolge[1];
        tag = zahlen[tagZuerst ? 0 : 1];
        monat = zahlen[tagZuerst ? 1 : 0];
        jahr = QDate::currentDate().year();
    }
    if (!QDate::isValid(jahr, monat, tag)) return false;
    datum = QDate(jahr, monat, tag);
    return true;
}

bool ZeitLesen(Leser& leser, const Regionaleinstellungen& r, int& ms) {
    int teile[4] = {0, 0, 0, 0}, stellen = 0;
    if (!leser.Zahl(teile[0], stellen)) return false;
    int anzahl = 1;
    while (anzahl < 3 && leser.Zeichen(r.Zeittrenner)) {
        if (!leser.Zahl(teile[anzahl], stellen)) return false;
        ++anzahl;
    }
    if (anzahl == 3 && leser.Zeichen('.')) {
        if (!leser.Zahl(teile[3], stellen) || stellen > 3) return false;
    }
    leser.Leerzeichen();
    bool am = false, pm = false;
    if (leser.Wort("AM")) am = true;
    else if (leser.Wort("PM")) pm = true;
    else if (leser.Wort("A")) am = true;
    else if (leser.Wort("P")) pm = true;
    if (anzahl == 1 && !am && !pm) return false;
    if (am || pm) {
        if (teile[0] > 12) return false;
        if (teile[0] == 12) teile[0] = 0;
        if (pm) teile[0] += 12;
    }
    if (teile[0] > 23 || teile[1] > 59 || teile[2] > 59) return false;
    ms = ((teile[0] * 60 + teile[1]) * 60 + teile[2]) * 1000 + teile[3];
    return true;
}


// Writes the fields of a list date without Qt, for the patterns that take only numbers:
// d dd M MM yy yyyy in a date, h hh H HH m mm s ss in a time, any other ASCII that is no
// letter or quote as itself. Qt's formatting, through QCalendar, was most of what
// filling a big list cost beyond reading the files. False for anything else (the names
// of days and months, AM/PM, quotes, other runs), which is then left to Qt; werte holds
// year, month, day or hour, minute, second, by the letters of their pattern.
bool ZahlenFormatieren(std::string_view format, bool alsDatum, const int (&werte)[3], std::string& aus) {
    const std::string_view buchstaben = alsDatum ? "yMd" : "hms";
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        std::size_t lauf = 1;
        while (i + lauf < format.size() && format[i + lauf] == c) ++lauf;
        const bool buchstabe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!buchstabe) {
            if (static_cast<unsigned char>(c) >= 0x80 || c == '\'') return false;
            aus.append(lauf, c);
        } else {
            const std::size_t feld = buchstaben.find(c == 'H' && !alsDatum ? 'h' : c);
            if (feld == std::string_view::npos) return false;
            int wert = werte[feld];
            int stellen;
            if (c == 'y') {
                if (lauf != 2 && lauf != 4) return false;
                if (lauf == 2) wert %= 100;
                stellen = static_cast<int>(lauf);
            } else {
                if (lauf > 2) return false;
                stellen = static_cast<int>(lauf);
            }
            char ziffern[8];
            int n = 0;
            do {
                ziffern[n++] = static_cast<char>('0' + wert % 10);
                wert /= 10;
            } while (wert > 0 && n < 8);
            for (int k = n; k < stellen; ++k) aus += '0';
            while (n > 0) aus += ziffern[--n];
        }
        i += lauf;
    }
    return true;
}

}  // namespace

Regionaleinstellungen Regionaleinstellungen::AusSystem() {
    QLocale system = QLocale::system();
    // The C locale of a bare Linux session has no real date format ("d MMM yyyy"); the
    // program speaks German, so it shows German dates there.
    if (system.language() == QLocale::C) return Deutsch();
    Regionaleinstellungen r;
    QString datum = NurZiffern(VierstelligesJahr(system.dateFormat(QLocale::ShortFormat)));
    QString zeit = OhneZeitzone(system.timeFormat(QLocale::LongFormat));
    r.KurzesDatumsformat = AlsUtf8(datum);
    r.LangesZeitformat = AlsUtf8(zeit);
    r.Datumstrenner = Trennzeichen(QString(ErstesTrennzeichen(datum, u'/')), '/');
    r.Zeittrenner = Trennzeichen(QString(ErstesTrennzeichen(zeit, u':')), ':');
    r.Dezimaltrenner = Trennzeichen(system.decimalPoint(), '.');
    r.Tausendertrenner = Trennzeichen(system.groupSeparator(), ',');
    return r;
}

Regionaleinstellungen Regionaleinstellungen::Deutsch() {
    return Regionaleinstellungen{};
}

std::string Regionaleinstellungen::DatumZeitText(TDateTime datum) const {
    // Beyond a few million days QDate and the millisecond arithmetic stop being exact.
    if (!std::isfinite(datum) || std::fabs(datum) > 3.0e6) return {};
    // A negative value keeps its time of day in the magnitude of the fraction.
    double tage = std::trunc(datum);
    double ms = std::round(std::fabs(datum - tage) * msProTag);
    if (ms >= msProTag) ms = msProTag - 1;
    QDate tag = nullDatum.addDays(static_cast<qint64>(tage));
    std::string text;
    text.reserve(24);
    const int datumswerte[3] = {tag.year(), tag.month(), tag.day()};
    if (tag.year() < 1000 || tag.year() > 9999 || !ZahlenFormatieren(KurzesDatumsformat, true, datumswerte, text))
        text = AlsUtf8(tag.toString(AlsQString(KurzesDatumsformat)));
    if (ms > 0) {
        QTime zeit = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
        text += ' ';
        const std::size_t anfang = text.size();
        const int zeitwerte[3] = {zeit.hour(), zeit.minute(), zeit.second()};
        if (!ZahlenFormatieren(LangesZeitformat, false, zeitwerte, text)) {
            text.resize(anfang);
            text += AlsUtf8(zeit.toString(AlsQString(LangesZeitformat)));
        }
    }
    return text;
}

bool Regionaleinstellungen::TextZuDatum(std::string_view text, TDateTime& datum) const {
    Leser leser(text);
    leser.Leerzeichen();
    QDate tag = nullDatum;
    int ms = 0;
    if (text.find(Datumstrenner) != std::string_view::npos) {
        if (!DatumLesen(leser, *this, tag)) return false;
        leser.Leerzeichen();
        if (!leser.Ende() && !ZeitLesen(leser, *this, ms)) return false;
    } else if (!ZeitLesen(leser, *this, ms)) {
        return false;
    }
    leser.Leerzeichen();
    if (!leser.Ende()) return false;
    double tage = static_cast<double>(nullDatum.daysTo(tag));
    double anteil = ms / msProTag;
    datum = tage < 0 ? tage - anteil : tage + anteil;
    return true;
}
