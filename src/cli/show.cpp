#include <QJsonArray>
#include <QJsonDocument>

#include "cli/befehle.h"
#include "cli/clitext.h"
#include "cli/optionen.h"
#include "core/anzeigenamen.h"
#include "core/replay.h"
#include "core/siegbedingungen.h"
#include "core/zeichensatz.h"
#include "gui/kerntexte.h"

namespace {

QString Zusammenfassung(const TReplay& r) {
    QString text = SichtbarQ(r.Dateiname) + "\n";
    text += "  Spielname:  " + SichtbarQ(r.Spielname) + "\n";
    const TAnzeigename karte = KartenAnzeige(r.Karte);
    text += "  Karte:      " + SichtbarQ(AlsUtf8(KartenText(r.Karte))) + " (" + SichtbarQ(karte.Schluessel) + ")\n";
    text += "  Datum:      " + DatumIso(r.Datum).replace('T', ' ') + "\n";
    text += QString("  Spieler:    %1\n").arg(r.Spieleranzahl);
    for (int slot = 1; slot <= 8; ++slot) {
        const TSpieler* s = r.SpielerInSlot(slot);
        if (!s) continue;
        // Built piece by piece: a name is text, and a "%1" in it stays as it is.
        text += "    " + QString::number(slot) + "  " + SichtbarQ(s->Name).leftJustified(20) + "  " +
                SichtbarQ(AlsUtf8(RassenText(s->Rasse))).leftJustified(14) + "  Team " +
                QString::number(static_cast<long long>(s->Team) + 1) + "\n";
    }
    if (r.Siegbedingungen) {
        const TSiegbedingungen& s = *r.Siegbedingungen;
        QStringList an;
        for (const TSiegbedingung& b : kSiegbedingungen)
            if (s.*b.Feld) an << SiegbedingungTitel(b);
        text += "  Siegbedingungen: " + an.join(", ") + "\n";
    }
    return text;
}
}  // namespace

int BefehlShow(const std::vector<std::string>& argumente) {
    TAufruf aufruf;
    if (auto ende = Auswerten(argumente, kBenutzungShow, {"--json"}, {}, aufruf)) return *ende;
    if (aufruf.operanden.empty()) return Benutzungsfehler(kBenutzungShow);
    const bool json = aufruf.schalter.count("--json") > 0;
    bool fehlgeschlagen = false;
    QJsonArray liste;
    for (const auto& pfad : aufruf.operanden) {
        std::string fehler;
        try {
            TGesammelteMeldungen meldungen;
            TReplay replay(pfad, meldungen);
            if (meldungen.arten.empty()) {
                if (json) liste.append(ReplayAlsJson(replay));
                else StdoutSchreiben(Zusammenfassung(replay) + "\n");
                continue;
            }
            // A file that could not be opened has no record: the reader's empty one
            // would show a replay of 1899 that is not there.
            fehler = AlsUtf8(MeldungText(meldungen.arten.front()));
        } catch (const std::exception& f) {
            fehler = AlsUtf8(FehlerText(f));
        }
        fehlgeschlagen = true;
        if (json) liste.append(FehlerAlsJson(DateinameAusPfad(pfad), fehler));
        StderrSchreiben(SichtbarQ(pfad) + ": " + SichtbarQ(fehler) + "\n");
    }
    if (json) StdoutSchreiben(QString::fromUtf8(QJsonDocument(liste).toJson(QJsonDocument::Indented)));
    return fehlgeschlagen ? 1 : 0;
}
