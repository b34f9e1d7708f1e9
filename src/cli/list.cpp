#include <QJsonArray>
#include <QJsonDocument>
#include <optional>

#include "anzeigenamen.h"
#include "befehle.h"
#include "clitext.h"
#include "dateifunktionen.h"
#include "platform/benutzerordner.h"
#include "replay.h"
#include "suche.h"
#include "variablen.h"

namespace {
// The replays listed: each keeps its number i + 1 from the scan, filtered or not.
QString Tabelle(const std::vector<std::size_t>& gewaehlt) {
    QString text = QString("%1  %2  %3  %4  %5\n").arg("Nr", 5).arg("Spielname", -25).arg("#", 2).arg("Karte", -28).arg("Datum");
    for (std::size_t i : gewaehlt) {
        const TReplay& r = *Replays[i];
        text += QString("%1  %2  %3  %4  %5\n")
                    .arg(static_cast<int>(i + 1), 5)
                    .arg(AlsQString(r.Spielname), -25)
                    .arg(r.Spieleranzahl, 2)
                    .arg(AlsQString(KartenText(r.Karte)), -28)
                    .arg(DatumIso(r.Datum).replace('T', ' '));
    }
    return text;
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
    // The window's search: the same words find the same replays.
    const TSuche suche(filter.value_or(std::string()));
    const std::vector<std::string> suchtexte = Suchtexte(Replays);
    std::vector<std::size_t> gewaehlt;
    for (std::size_t i = 0; i < Replays.size(); ++i)
        if (suche.Passt(suchtexte[i])) gewaehlt.push_back(i);
    if (!json) {
        StdoutSchreiben(Tabelle(gewaehlt));
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
