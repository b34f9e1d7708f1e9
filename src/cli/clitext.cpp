#include "cli/clitext.h"

#include <QJsonArray>
#include <cstdio>

#include "cli/platform/konsole.h"
#include "core/anzeigenamen.h"
#include "core/datum.h"
#include "core/replay.h"
#include "core/siegbedingungen.h"
#include "core/zeichensatz.h"
#include "gui/kerntexte.h"

void TStderrMeldungen::Meldung(TMeldungsart art) { StderrSchreiben(MeldungText(art) + "\n"); }

void TDateiMeldungen::Meldung(TMeldungsart art) {
    ++anzahl;
    StderrSchreiben(SichtbarQ(pfad_) + ": " + MeldungText(art) + "\n");
}

namespace {

// C0 and C1 controls, DEL, the line and paragraph separators, and the bidirectional
// embeddings, overrides and isolates.
bool Steuerzeichen(char32_t z) {
    return z < 0x20 || (z >= 0x7F && z <= 0x9F) || z == 0x2028 || z == 0x2029 || (z >= 0x202A && z <= 0x202E) ||
           (z >= 0x2066 && z <= 0x2069);
}

// Only bytes that can begin one of them send a text the slow way.
bool VielleichtSteuerzeichen(unsigned char b) { return b < 0x20 || b == 0x7F || b == 0xC2 || b == 0xE2; }

}  // namespace

std::string Sichtbar(std::string_view text) {
    std::string anzeige = AnzeigeText(text);
    bool verdaechtig = false;
    for (char c : anzeige) verdaechtig = verdaechtig || VielleichtSteuerzeichen(static_cast<unsigned char>(c));
    if (!verdaechtig) return anzeige;
    std::string aus;
    aus.reserve(anzeige.size() + 8);
    const std::u16string einheiten = Utf16AusUtf8(anzeige);
    for (std::size_t i = 0; i < einheiten.size(); ++i) {
        const char16_t e = einheiten[i];
        if (Steuerzeichen(e)) {
            char zeichen[8];
            std::snprintf(zeichen, sizeof zeichen, e < 0x80 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(e));
            aus += zeichen;
        } else if (e >= 0xD800 && e < 0xDC00 && i + 1 < einheiten.size()) {
            // AnzeigeText left only whole pairs.
            aus += Utf8AusUtf16(einheiten.substr(i, 2));
            ++i;
        } else {
            Utf8Anhaengen(aus, e);
        }
    }
    return aus;
}

QString SichtbarQ(std::string_view text) { return AlsQString(Sichtbar(text)); }

void StdoutSchreiben(const QString& text) { StdoutSchreibenUtf8(text.toStdString()); }
void StdoutSchreibenUtf8(std::string_view utf8) { konsole::Systemausgabe().Schreiben(konsole::Strom::Aus, utf8); }
void StderrSchreiben(const QString& text) {
    konsole::Systemausgabe().Schreiben(konsole::Strom::Fehler, text.toStdString());
}

bool StdoutAbschliessen() { return konsole::Systemausgabe().Abschliessen(); }

std::string DatumText(double datum, char trenner) {
    const TDatumTeile t = DatumZerlegen(datum);
    // %d knows no locale; a year of more than four digits keeps them all.
    char text[80];
    const int laenge = std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d:%02d", t.Jahr, t.Monat, t.Tag,
                                     trenner, t.Stunde, t.Minute, t.Sekunde);
    return std::string(text, static_cast<std::size_t>(laenge));
}

QString DatumIso(double datum) { return QString::fromStdString(DatumText(datum, 'T')); }

namespace {
// A key unknown to the table has no display name, which JSON says with null. A name
// reads in the CLI's language, as the table output shows it.
QJsonValue NameOderNull(const char* kontext, const TAnzeigename& anzeige) {
    return anzeige.Name ? QJsonValue(Uebersetzt(kontext, anzeige)) : QJsonValue(QJsonValue::Null);
}
}  // namespace

QJsonObject ReplayAlsJson(const TReplay& r) {
    QJsonObject o;
    o["Dateiname"] = AlsQString(r.Dateiname);
    o["Spielname"] = AlsQString(r.Spielname);
    // False for a file listed by its name alone: no other field was read from it.
    o["Lesbar"] = r.Lesbar;
    const TAnzeigename karte = KartenAnzeige(r.Karte);
    o["Karte"] = AlsQString(karte.Schluessel);
    o["Kartenname"] = NameOderNull("Karte", karte);
    o["Spieleranzahl"] = r.Spieleranzahl;
    o["Datum"] = DatumIso(r.Datum);
    const std::uint8_t optionen[] = {r.Option1, r.Option2, r.Option3, r.Option4,
                                     r.Option5, r.Option6, r.Option7, r.Option8};
    for (int k = 0; k < 8; ++k) o[QString("Option%1").arg(k + 1)] = optionen[k];
    o["NamensLaenge"] = r.NamensLaenge;
    if (r.Siegbedingungen) {
        const TSiegbedingungen& s = *r.Siegbedingungen;
        QJsonObject bedingungen;
        for (const TSiegbedingung& b : kSiegbedingungen) bedingungen[QLatin1String(b.Schluessel)] = s.*b.Feld;
        o["Siegbedingungen"] = bedingungen;
    } else {
        o["Siegbedingungen"] = QJsonValue(QJsonValue::Null);
    }
    QJsonArray spieler;
    for (int slot = 1; slot <= 8; ++slot) {
        const TSpieler* s = r.SpielerInSlot(slot);
        if (!s) continue;
        const TAnzeigename rasse = RassenAnzeige(s->Rasse);
        spieler.append(QJsonObject{{"Name", AlsQString(s->Name)},
                                   {"Rasse", AlsQString(rasse.Schluessel)},
                                   {"Rassenname", NameOderNull("Rasse", rasse)},
                                   {"Team", s->Team},
                                   {"Kennzahl", AlsQString(s->Kennzahl)}});
    }
    o["Spieler"] = spieler;
    return o;
}

QJsonObject FehlerAlsJson(const std::string& dateiname, const std::string& fehler) {
    return QJsonObject{{"Dateiname", AlsQString(dateiname)}, {"Fehler", AlsQString(fehler)}};
}
