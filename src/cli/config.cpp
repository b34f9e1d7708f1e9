// quellarch-cli config [--json]: the settings file the program would use, and the two
// folders as it would see them, each with where it came from.
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/befehle.h"
#include "cli/clitext.h"
#include "cli/optionen.h"
#include "core/fehler.h"
#include "core/variablen.h"
#include "gui/kerntexte.h"
#include "gui/uebersetzung.h"

int BefehlConfig(const std::vector<std::string>& argumente) {
    TAufruf aufruf;
    if (auto ende = Auswerten(argumente, kBenutzungConfig, {"--json"}, {}, aufruf)) return *ende;
    if (!aufruf.operanden.empty()) return Benutzungsfehler(kBenutzungConfig);
    const bool json = aufruf.schalter.count("--json") > 0;
    try {
        VariablenInitialisieren();
    } catch (const Fehler& f) {
        StderrSchreiben(FehlerText(f) + "\n");
        return 1;
    }
    const QString replayHerkunft = ReplayVerzeichnis.empty() ? QString() : QStringLiteral("config.ini");
    // The search also names the file it read the folder from and how it would start the game.
    const QString quelle = AlsQString(DOWFund.Quelle);
    if (json) {
        const QJsonObject o{{"ConfigDatei", AlsQString(ConfigDatei)},
                            {"DOWVerzeichnis", AlsQString(DOWVerzeichnis)},
                            {"DOWHerkunft", QString::fromStdString(DOWHerkunft)},
                            {"DOWQuelle", quelle},
                            {"WinePraefix", AlsQString(DOWFund.WinePraefix)},
                            {"SteamAppId", QString::fromStdString(DOWFund.SteamAppId)},
                            {"ReplayVerzeichnis", AlsQString(ReplayVerzeichnis)},
                            {"ReplayHerkunft", replayHerkunft}};
        StdoutSchreiben(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented)));
        return 0;
    }
    const auto herkunft = [](const QString& h, const QString& q) {
        if (h.isEmpty()) return Tr("quellarch-cli", "(nicht gefunden)");
        return "(" + h + (q.isEmpty() ? QString() : ": " + q) + ")";
    };
    StdoutSchreiben("config.ini: " + SichtbarQ(ConfigDatei) + "\n" +
                    "DOW:        " + SichtbarQ(DOWVerzeichnis) + "  " +
                    herkunft(QString::fromStdString(DOWHerkunft), SichtbarQ(DOWFund.Quelle)) + "\n" +
                    "Replays:    " + SichtbarQ(ReplayVerzeichnis) + "  " + herkunft(replayHerkunft, {}) + "\n");
    return 0;
}
