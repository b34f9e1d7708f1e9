// quellarch-cli config [--json]: the settings file the program would use, the two
// folders as it would see them, each with where it came from, and every installation of
// the game the search finds, with the chosen one named.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/befehle.h"
#include "cli/clitext.h"
#include "cli/optionen.h"
#include "core/fehler.h"
#include "core/spiel/playbackordner.h"
#include "core/spiel/startbefehl.h"
#include "core/spielstart.h"
#include "core/variablen.h"
#include "gui/kerntexte.h"
#include "gui/uebersetzung.h"

namespace {

bool Gleich(const TInstallation& a, const TInstallation& b) {
    return GleicherOrdner(a.Ordner, b.Ordner) && EditionVon(a.Programm) == EditionVon(b.Programm);
}

// The command line "DOW starten" would run, or why it runs none.
QStringList Start(const TInstallation& i) {
    const auto befehl = spiel::SpielStartbefehl(i);
    QStringList teile;
    if (befehl)
        for (const std::string& a : befehl->Argumente) teile << SichtbarQ(a);
    return teile;
}

QString StartText(const TInstallation& i) {
    const QStringList teile = Start(i);
    if (!teile.isEmpty()) return teile.join(' ');
    return spiel::StartetUeberSteam(i) ? Tr("quellarch-cli", "(steam fehlt)") : Tr("quellarch-cli", "(wine fehlt)");
}

}  // namespace

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
    // The chosen one first where the search did not find it (a folder typed by hand).
    const TInstallation gewaehlt = GewaehlteInstallation(DOWVerzeichnis, DOWProgramm, Installationen);
    std::vector<TInstallation> liste;
    if (!gewaehlt.Programm.empty() &&
        std::none_of(Installationen.begin(), Installationen.end(), [&](const TInstallation& i) { return Gleich(i, gewaehlt); }))
        liste.push_back(gewaehlt);
    liste.insert(liste.end(), Installationen.begin(), Installationen.end());
    const auto istGewaehlt = [&](const TInstallation& i) { return !gewaehlt.Programm.empty() && Gleich(i, gewaehlt); };

    if (json) {
        QJsonArray installationen;
        for (const TInstallation& i : liste) {
            QJsonArray playback, start;
            for (const std::string& o : PlaybackOrdnerVon(i.Ordner)) playback.append(AlsQString(o));
            if (const auto befehl = spiel::SpielStartbefehl(i))
                for (const std::string& a : befehl->Argumente) start.append(AlsQString(a));
            installationen.append(QJsonObject{{"Edition", QString::fromUtf8(EditionName(i.Edition))},
                                              {"Programm", AlsQString(i.Programm)},
                                              {"Ordner", AlsQString(i.Ordner)},
                                              {"Herkunft", QString::fromStdString(i.Herkunft)},
                                              {"Quelle", AlsQString(i.Quelle)},
                                              {"WinePraefix", AlsQString(i.WinePraefix)},
                                              {"SteamAppId", QString::fromStdString(i.SteamAppId)},
                                              {"Playback", playback},
                                              {"Start", start},
                                              {"Gewaehlt", istGewaehlt(i)}});
        }
        QJsonArray weitere;
        for (const std::string& o : WeiterePlaybackOrdner) weitere.append(AlsQString(o));
        const QJsonObject o{{"ConfigDatei", AlsQString(ConfigDatei)},
                            {"DOWVerzeichnis", AlsQString(DOWVerzeichnis)},
                            {"DOWHerkunft", QString::fromStdString(DOWHerkunft)},
                            {"DOWQuelle", AlsQString(gewaehlt.Quelle)},
                            {"DOWProgramm", AlsQString(gewaehlt.Programm)},
                            {"WinePraefix", AlsQString(gewaehlt.WinePraefix)},
                            {"SteamAppId", QString::fromStdString(gewaehlt.SteamAppId)},
                            {"ReplayVerzeichnis", AlsQString(ReplayVerzeichnis)},
                            {"ReplayHerkunft", replayHerkunft},
                            {"Installationen", installationen},
                            {"WeiterePlaybackOrdner", weitere}};
        StdoutSchreiben(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented)));
        return 0;
    }
    const auto herkunft = [](const QString& h, const QString& q) {
        if (h.isEmpty()) return Tr("quellarch-cli", "(nicht gefunden)");
        return "(" + h + (q.isEmpty() ? QString() : ": " + q) + ")";
    };
    QString text = "config.ini: " + SichtbarQ(ConfigDatei) + "\n" +
                   "DOW:        " + SichtbarQ(DOWVerzeichnis) + "  " +
                   herkunft(QString::fromStdString(DOWHerkunft), SichtbarQ(gewaehlt.Quelle)) + "\n" +
                   "Programm:   " + SichtbarQ(gewaehlt.Programm) + "\n" +
                   "Replays:    " + SichtbarQ(ReplayVerzeichnis) + "  " + herkunft(replayHerkunft, {}) + "\n";
    // One block per installation; "*" marks the one "DOW starten" starts.
    text += Tr("quellarch-cli", "Installationen: %1\n").arg(liste.size());
    for (const TInstallation& i : liste) {
        QStringList playback;
        for (const std::string& o : PlaybackOrdnerVon(i.Ordner)) playback << SichtbarQ(o);
        text += QString(istGewaehlt(i) ? "* " : "  ") + QString::fromUtf8(EditionName(i.Edition)) + ": " +
                SichtbarQ(i.Ordner) + SichtbarQ(i.Programm) + "  " +
                herkunft(QString::fromStdString(i.Herkunft) +
                             (i.SteamAppId.empty() ? QString() : " " + QString::fromStdString(i.SteamAppId)),
                         SichtbarQ(i.Quelle)) +
                "\n    Playback: " + (playback.isEmpty() ? QStringLiteral("-") : playback.join(", ")) +
                "\n    Start:    " + StartText(i) + "\n";
    }
    for (const std::string& o : WeiterePlaybackOrdner) text += "Playback:   " + SichtbarQ(o) + "\n";
    StdoutSchreiben(text);
    return 0;
}
