#include <QJsonArray>
#include <QJsonDocument>
#include <charconv>
#include <string_view>

#include "cli/befehle.h"
#include "cli/clitext.h"
#include "gui/kerntexte.h"
#include "gui/uebersetzung.h"
#include "cli/optionen.h"
#include "cli/ordner.h"
#include "core/anzeigenamen.h"
#include "core/dateifunktionen.h"
#include "core/platform/benutzerordner.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/replay.h"
#include "core/suche.h"
#include "core/variablen.h"
#include "core/zeichensatz.h"

namespace {
// A column of the table. Widths count UTF-16 code units, as the table has always counted
// them; a longer text is never cut, and a name is printed as it is shown, "%1" and all.
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
    Zeile(text, AlsUtf8(Tr("quellarch-cli", "Nr")), AlsUtf8(Tr("quellarch-cli", "Spielname")), "#",
          AlsUtf8(Tr("quellarch-cli", "Karte")), AlsUtf8(Tr("quellarch-cli", "Datum")));
    std::string nr, anzahl;
    const std::string nichtLesbar = AlsUtf8(Tr("quellarch-cli", "nicht lesbar"));
    for (std::size_t i : gewaehlt) {
        const TReplay& r = *Replays[i];
        nr.clear();
        Zahl(nr, static_cast<std::int64_t>(i + 1), 0);
        anzahl.clear();
        if (!r.Lesbar) {
            // As the window shows it: by its file name, said to be unreadable.
            Zeile(text, nr, Sichtbar(r.Dateiname), anzahl, nichtLesbar, r.Datum != 0 ? DatumText(r.Datum, ' ') : "");
        } else {
            Zahl(anzahl, r.Spieleranzahl, 0);
            Zeile(text, nr, Sichtbar(r.Spielname), anzahl, Sichtbar(AlsUtf8(KartenText(r.Karte))),
                  DatumText(r.Datum, ' '));
        }
        if (text.size() >= kBlock) {
            StdoutSchreibenUtf8(text);
            text.clear();
        }
    }
    StdoutSchreibenUtf8(text);
}

// The scan holds a file it cannot parse by its name alone, and tells only by its result
// code. Each one is named on stderr with the reason, read once more; one that could not
// be opened has had its notice already.
void UngeleseneNennen(const std::string& ordner) {
    for (const auto& replay : Replays) {
        if (replay->Lesbar) continue;
        try {
            TGesammelteMeldungen still;
            TReplay nochmal(ordner + replay->Dateiname, still);
        } catch (const std::exception& f) {
            StderrSchreiben(Tr("quellarch-cli", "%1: nicht lesbar (%2)")
                                .arg(SichtbarQ(replay->Dateiname), SichtbarQ(AlsUtf8(FehlerText(f)))) +
                            "\n");
        }
    }
}
}  // namespace

int BefehlList(const std::vector<std::string>& argumente) {
    TAufruf aufruf;
    if (auto ende = Auswerten(argumente, kBenutzungList, {"--json", "--no-index"}, {"--filter"}, aufruf)) return *ende;
    if (aufruf.operanden.size() != 1) return Benutzungsfehler(kBenutzungList);
    const bool json = aufruf.schalter.count("--json") > 0;
    // The words are UTF-8 like every argument (see main), as the search reads them.
    const auto filter = aufruf.werte.find("--filter");
    // DIR is the library folder, with or without its final separator.
    const std::string ordner = plattform::OrdnerMitTrenner(aufruf.operanden.front());
    if (!OrdnerLesbar(ordner)) return 1;
    TStderrMeldungen meldungen;
    // The window's index in the user's cache folder; without it every file is read.
    IndexVerzeichnis = aufruf.schalter.count("--no-index") ? std::string() : plattform::BenutzerCacheOrdner();
    LadeStatus = ReplaysLaden(ordner, meldungen);
    if (LadeStatus == kLadenZaehlenFehlgeschlagen) {
        StderrSchreiben(Tr("quellarch-cli", "Der Ordner %1 kann nicht gelesen werden.").arg(SichtbarQ(ordner)) + "\n");
        return 1;
    }
    if (LadeStatus == kLadenEinlesenFehlgeschlagen) UngeleseneNennen(ordner);
    // The window's search: the same words find the same replays. Without words every
    // replay matches, and no text is folded for it.
    const TSuche suche(filter != aufruf.werte.end() ? filter->second : std::string());
    std::vector<std::size_t> gewaehlt;
    gewaehlt.reserve(Replays.size());
    if (suche.Leer()) {
        for (std::size_t i = 0; i < Replays.size(); ++i) gewaehlt.push_back(i);
    } else {
        const std::vector<std::string> suchtexte = Suchtexte(Replays, KernUebersetzer());
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
