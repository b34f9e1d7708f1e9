#include <QJsonArray>
#include <QJsonDocument>

#include "anzeigenamen.h"
#include "befehle.h"
#include "clitext.h"
#include "dateifunktionen.h"
#include "replay.h"
#include "variablen.h"

namespace {
QString Tabelle() {
    QString text = QString("%1  %2  %3  %4  %5\n").arg("Nr", 5).arg("Spielname", -25).arg("#", 2).arg("Karte", -28).arg("Datum");
    for (std::size_t i = 0; i < Replays.size(); ++i) {
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
    bool json = false;
    std::vector<std::string> ordner;
    for (const auto& a : argumente) {
        if (a == "--json") json = true;
        else ordner.push_back(a);
    }
    if (ordner.size() != 1) {
        StderrSchreiben("usage: quellarch-cli list [--json] DIR\n");
        return 2;
    }
    TStderrMeldungen meldungen;
    // DIR is used as the window uses the library folder: unchanged, joined by concatenation.
    LadeStatus = ReplaysLaden(ordner.front(), meldungen);
    if (!json) {
        StdoutSchreiben(Tabelle());
        return 0;
    }
    QJsonArray liste;
    for (std::size_t i = 0; i < Replays.size(); ++i) {
        QJsonObject o = ReplayAlsJson(*Replays[i]);
        o["Nummer"] = static_cast<int>(i + 1);
        liste.append(o);
    }
    QJsonObject ausgabe{{"LadeStatus", LadeStatus}, {"Replays", liste}};
    StdoutSchreiben(QString::fromUtf8(QJsonDocument(ausgabe).toJson(QJsonDocument::Indented)));
    return 0;
}
