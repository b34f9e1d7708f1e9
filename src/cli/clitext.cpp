#include "cli/clitext.h"

#include <QJsonArray>
#include <cstdio>

#include "core/anzeigenamen.h"
#include "core/datum.h"
#include "core/replay.h"
#include "core/siegbedingungen.h"
#include "core/zeichensatz.h"

void TStderrMeldungen::Meldung(const std::string& text) { StderrSchreiben(AlsQString(text) + "\n"); }

void StdoutSchreiben(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stdout);
}
void StdoutSchreibenUtf8(std::string_view utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }
void StderrSchreiben(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stderr);
}

bool StdoutAbschliessen() { return std::fflush(stdout) == 0 && !std::ferror(stdout); }

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
// A key unknown to the table has no display name, which JSON says with null.
QJsonValue NameOderNull(const TAnzeigename& anzeige) {
    return anzeige.Name ? QJsonValue(AlsQString(*anzeige.Name)) : QJsonValue(QJsonValue::Null);
}
}  // namespace

QJsonObject ReplayAlsJson(const TReplay& r) {
    QJsonObject o;
    o["Dateiname"] = AlsQString(r.Dateiname);
    o["Spielname"] = AlsQString(r.Spielname);
    const TAnzeigename karte = KartenAnzeige(r.Karte);
    o["Karte"] = AlsQString(karte.Schluessel);
    o["Kartenname"] = NameOderNull(karte);
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
                                   {"Rassenname", NameOderNull(rasse)},
                                   {"Team", s->Team},
                                   {"Kennzahl", AlsQString(s->Kennzahl)}});
    }
    o["Spieler"] = spieler;
    return o;
}

QJsonObject FehlerAlsJson(const std::string& dateiname, const std::string& fehler) {
    return QJsonObject{{"Dateiname", AlsQString(dateiname)}, {"Fehler", AlsQString(fehler)}};
}
