// quellarch-cli config [--json]: the settings file the program would use, and the two
// folders as it would see them, each with where it came from.
#include <QJsonDocument>
#include <QJsonObject>

#include "befehle.h"
#include "clitext.h"
#include "fehler.h"
#include "variablen.h"

int BefehlConfig(const std::vector<std::string>& argumente) {
    bool json = false;
    for (const auto& a : argumente) {
        if (a != "--json") {
            StderrSchreiben("usage: quellarch-cli config [--json]\n");
            return 2;
        }
        json = true;
    }
    try {
        VariablenInitialisieren();
    } catch (const Fehler& f) {
        StderrSchreiben(AlsQString(f.what()) + "\n");
        return 1;
    }
    const QString replayHerkunft = ReplayVerzeichnis.empty() ? QString() : QStringLiteral("config.ini");
    if (json) {
        const QJsonObject o{{"ConfigDatei", AlsQString(ConfigDatei)},
                            {"DOWVerzeichnis", AlsQString(DOWVerzeichnis)},
                            {"DOWHerkunft", QString::fromStdString(DOWHerkunft)},
                            {"ReplayVerzeichnis", AlsQString(ReplayVerzeichnis)},
                            {"ReplayHerkunft", replayHerkunft}};
        StdoutSchreiben(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented)));
        return 0;
    }
    const auto herkunft = [](const QString& h) { return h.isEmpty() ? QStringLiteral("(nicht gefunden)") : "(" + h + ")"; };
    StdoutSchreiben("config.ini: " + AlsQString(ConfigDatei) + "\n" +
                    "DOW:        " + AlsQString(DOWVerzeichnis) + "  " + herkunft(QString::fromStdString(DOWHerkunft)) + "\n" +
                    "Replays:    " + AlsQString(ReplayVerzeichnis) + "  " + herkunft(replayHerkunft) + "\n");
    return 0;
}
