#include <QJsonArray>
#include <QJsonDocument>
#include <charconv>
#include <optional>
#include <string_view>

#include "cli/befehle.h"
#include "cli/clitext.h"
#include "core/anzeigenamen.h"
#include "core/dateifunktionen.h"
#include "core/platform/benutzerordner.h"
#include "core/replay.h"
#include "core/suche.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"

namespace {
// A column of the table. Widths count UTF-16 code units, as the table has always counted
// them; a longer text is never cut, and a name is printed as it is, "%1" and all.
void Spalte(std::string& zeile, std::string_view text, std::size_t breite, bool rechtsbuendig) {
    const std::size_t einheiten = Utf16Einheiten(text);
    const std::size_t fuellung = einheiten < breite ? breite - einheiten : 0;
    if (rechtsbuendig) zeile.append(fuellung, ' ');
    zeile.append(text);
    if (!rechtsbuendig) zeile.append(fuellung, ' ');
}

void Zahl(std::string& zeile, std::int64_t zahl, std::size_t breite) {
    char ziffern[24];
    const auto ende = std::to_chars(ziffern, ziffern + sizeof ziffern, zahl).ptr;
    Spalte(zeile, std::string_view(ziffern, static_cast<std::size_t>(ende - ziffern)), breite, true);
}

void Zeile(std::string& text, std::string_view nr, std::string_view spielname, std::string_view anzahl,
           std::string_view karte, std::string_view datum) {
    Spalte(text, nr, 5, true);
    text += "  ";
    Spalte(text, spielname, 25, false);
    text += "  ";
    Spalte(text, anzahl, 2, true);
    text += "  ";
    Spalte(text, karte, 28, false);
    text += "  ";
    text += datum;
    text += '\n';
}

// The replays listed: each keeps its number i + 1 from the scan, filtered or not. The
// lines go out in blocks of about 64 KiB, so a big library is neither held twice in
// memory nor written a line at a time.
void TabelleSchreiben(const std::vector<std::size_t>& gewaehlt) {
    constexpr std::size_t kBlock = 64 * 1024;
    std::string text;
    text.reserve(kBlock + 512);
    Zeile(text, "Nr", "Spielname", "#", "Karte", "Datum");
    std::string nr, anzahl;
    for (std::size_t i : gewaehlt) {
        const TReplay& r = *Replays[i];
        nr.clear();
        Zahl(nr, static_cast<std::int64_t>(i + 1), 0);
        anzahl.clear();
        Zahl(anzahl, r.Spieleranzahl, 0);
        Zeile(text, nr, AnzeigeText(r.Spielname), anzahl, KartenAnzeige(r.Karte).Text(), DatumText(r.Datum, ' '));
        if (text.size() >= kBlock) {
            StdoutSchreibenUtf8(text);
            text.clear();
        }
    }
    StdoutSchreibenUtf8(text);
}
}  // namespace

int BefehlList(const std::vector<std::string>& argumente) {
    auto benutzung = [] {
        StderrSchreiben("usage: quellarch-cli list [--json] [--filter TEXT] [--no-index] DIR\n");
        return 2;
    };
    bool json = false;
    bool index = true;
    std::optional<std::string> filter;
    std::vector<std::string> ordner;
    for (std::size_t k = 0; k < argumente.size(); ++k) {
        const std::string& a = argumente[k];
        if (a == "--json") {
            json = true;
        } else if (a == "--no-index") {
            index = false;
        } else if (a == "--filter") {
            if (filter || k + 1 == argumente.size()) return benutzung();
            // The text comes in the system's own encoding; the search reads UTF-8.
            filter = QString::fromLocal8Bit(QByteArray::fromStdString(argumente[++k])).toStdString();
        } else {
            ordner.push_back(a);
        }
    }
    if (ordner.size() != 1) return benutzung();
    TStderrMeldungen meldungen;
    // The window's index in the user's cache folder; without it every file is read.
    IndexVerzeichnis = index ? plattform::BenutzerCacheOrdner() : std::string();
    // DIR is used as the window uses the library folder: unchanged, joined by concatenation.
    LadeStatus = ReplaysLaden(ordner.front(), meldungen);
    // The window's search: the same words find the same replays. Without words every
    // replay matches, and no text is folded for it.
    const TSuche suche(filter.value_or(std::string()));
    std::vector<std::size_t> gewaehlt;
    gewaehlt.reserve(Replays.size());
    if (suche.Leer()) {
        for (std::size_t i = 0; i < Replays.size(); ++i) gewaehlt.push_back(i);
    } else {
        const std::vector<std::string> suchtexte = Suchtexte(Replays);
        for (std::size_t i = 0; i < Replays.size(); ++i)
            if (suche.Passt(suchtexte[i])) gewaehlt.push_back(i);
    }
    if (!json) {
        TabelleSchreiben(gewaehlt);
        return 0;
    }
    QJsonArray liste;
    for (std::size_t i : gewaehlt) {
        QJsonObject o = ReplayAlsJson(*Replays[i]);
        o["Nummer"] = static_cast<int>(i + 1);
        liste.append(o);
    }
    QJsonObject ausgabe{{"LadeStatus", LadeStatus}, {"Replays", liste}};
    StdoutSchreiben(QString::fromUtf8(QJsonDocument(ausgabe).toJson(QJsonDocument::Indented)));
    return 0;
}
