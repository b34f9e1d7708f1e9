#include "gui/sortvergleich.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

// The first decimal separator becomes a point and the whole text must convert; an empty
// text counts as 0. A text that does not convert also gets 0 but is marked invalid.
void ZahlLesen(std::string_view text, const Regionaleinstellungen& regional, TSortSchluessel& s) {
    s.Zahl = 0;
    if (text.empty()) {
        s.ZahlGueltig = true;
        return;
    }
    // A sorted column converts every cell; most fit the buffer on the stack.
    char puffer[64];
    std::string lang;
    char* kopie = puffer;
    if (text.size() > sizeof(puffer)) {
        lang.assign(text);
        kopie = lang.data();
    } else {
        text.copy(puffer, text.size());
    }
    const size_t trenner = text.find(regional.Dezimaltrenner);
    if (trenner != std::string_view::npos) kopie[trenner] = '.';
    double wert = 0;
    auto [ende, fehler] = std::from_chars(kopie, kopie + text.size(), wert);
    s.ZahlGueltig = fehler == std::errc() && ende == kopie + text.size() && std::isfinite(wert);
    if (s.ZahlGueltig) s.Zahl = wert;
}

void DatumLesen(std::string_view text, const Regionaleinstellungen& regional, TSortSchluessel& s) {
    TDateTime wert = 0;
    s.Datum = regional.TextZuDatum(text, wert) && std::isfinite(wert) ? wert : 0;
}

template <class T>
int Dreiwertig(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int TextVergleichen(std::string_view a, std::string_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return Dreiwertig(a.size(), b.size());
}

}  // namespace

bool IstZahl(std::string_view text, const Regionaleinstellungen& regional) {
    if (text.empty()) return false;
    int minus = 0, dezimal = 0, tausend = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (IstZiffer(c)) continue;
        if (c == '-') {
            if (i != 0 || ++minus > 1) return false;
        } else if (c == regional.Dezimaltrenner) {
            if (++dezimal > 1) return false;
        } else if (c == regional.Tausendertrenner) {
            if (i == 0 || ++tausend > 1) return false;
        } else {
            return false;
        }
    }
    return true;
}

bool IstDatum(std::string_view text, const Regionaleinstellungen& regional) {
    if (IstZahl(text, regional)) return false;
    size_t pos = text.find(regional.Datumstrenner);
    if (pos != 1 && pos != 2) return false;
    if (pos + 1 >= text.size()) return false;
    return IstZiffer(text[pos - 1]) && IstZiffer(text[pos + 1]);
}

TVergleichsart Vergleichsart(const TZelle& zelle, const Regionaleinstellungen& regional) {
    return SchluesselOhneWerte(zelle.Text, zelle.HatCheckbox, zelle.Checked, regional, true).Art;
}

TSortSchluessel SchluesselOhneWerte(std::string_view text, bool hatCheckbox, bool checked,
                                    const Regionaleinstellungen& regional, bool autoFormat) {
    TSortSchluessel s;
    s.Text = text;
    s.HatCheckbox = hatCheckbox;
    s.Checked = checked;
    if (!autoFormat) s.Art = TVergleichsart::Text;
    else if (hatCheckbox) s.Art = TVergleichsart::Checkbox;
    else if (IstZahl(text, regional)) s.Art = TVergleichsart::Zahl;
    else if (IstDatum(text, regional)) s.Art = TVergleichsart::Datum;
    else s.Art = TVergleichsart::Text;
    return s;
}

int SchluesselVergleichen(const TSortSchluessel& a, const TSortSchluessel& b) {
    switch (a.Art) {
    case TVergleichsart::Checkbox:
        // A cell without a box counts as unchecked.
        return Dreiwertig(a.HatCheckbox && a.Checked, b.HatCheckbox && b.Checked);
    case TVergleichsart::Zahl:
        if (!a.ZahlGueltig && !b.ZahlGueltig) return 0;
        return Dreiwertig(a.Zahl, b.Zahl);
    case TVergleichsart::Datum:
        return Dreiwertig(a.Datum, b.Datum);
    case TVergleichsart::Text:
        break;
    }
    return TextVergleichen(a.Text, b.Text);
}

int sortvergleich(const TZelle& a, const TZelle& b, const Regionaleinstellungen& regional,
                  bool autoFormat) {
    TSortSchluessel sa = SchluesselOhneWerte(a.Text, a.HatCheckbox, a.Checked, regional, autoFormat);
    TSortSchluessel sb = SchluesselOhneWerte(b.Text, b.HatCheckbox, b.Checked, regional, autoFormat);
    if (sa.Art == TVergleichsart::Zahl) {
        ZahlLesen(sa.Text, regional, sa);
        ZahlLesen(sb.Text, regional, sb);
    } else if (sa.Art == TVergleichsart::Datum) {
        DatumLesen(sa.Text, regional, sa);
        DatumLesen(sb.Text, regional, sb);
    }
    return SchluesselVergleichen(sa, sb);
}

std::vector<TSortSchluessel> SpaltenSchluessel(const std::vector<const TZelle*>& zellen,
                                               const Regionaleinstellungen& regional,
                                               bool autoFormat) {
    std::vector<TSortSchluessel> schluessel;
    schluessel.reserve(zellen.size());
    for (const TZelle* zelle : zellen)
        schluessel.push_back(SchluesselOhneWerte(zelle->Text, zelle->HatCheckbox, zelle->Checked, regional, autoFormat));
    WerteLesen(schluessel, regional);
    return schluessel;
}

void WerteLesen(std::vector<TSortSchluessel>& schluessel, const Regionaleinstellungen& regional) {
    bool zahlen = false, daten = false;
    for (const TSortSchluessel& s : schluessel) {
        zahlen |= s.Art == TVergleichsart::Zahl;
        daten |= s.Art == TVergleichsart::Datum;
    }
    for (TSortSchluessel& s : schluessel) {
        if (zahlen) ZahlLesen(s.Text, regional, s);
        if (daten) DatumLesen(s.Text, regional, s);
    }
}
