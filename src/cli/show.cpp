#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

#include "cli/befehle.h"
#include "cli/clitext.h"
#include "cli/optionen.h"
#include "core/anzeigenamen.h"
#include "core/replay.h"
#include "core/siegbedingungen.h"
#include "core/zeichensatz.h"
#include "gui/kerntexte.h"
#include "gui/uebersetzung.h"

namespace {

QString Zusammenfassung(const TReplay& r) {
    // The labels in the user's language, their values in one column after the longest.
    const QString labels[] = {Tr("quellarch-cli", "Spielname:"), Tr("quellarch-cli", "Karte:"),
                              Tr("quellarch-cli", "Datum:"), Tr("quellarch-cli", "Spieler:")};
    qsizetype breite = 0;
    for (const QString& label : labels) breite = std::max(breite, label.size());
    const auto zeile = [&](int nr, const QString& wert) { return "  " + labels[nr].leftJustified(breite + 2) + wert + "\n"; };
    const TAnzeigename karte = KartenAnzeige(r.Karte);
    QString text = SichtbarQ(r.Dateiname) + "\n";
    text += zeile(0, SichtbarQ(r.Spielname));
    text += zeile(1, SichtbarQ(AlsUtf8(KartenText(r.Karte))) + " (" + SichtbarQ(karte.Schluessel) + ")");
    text += zeile(2, DatumIso(r.Datum).replace('T', ' '));
    text += zeile(3, QString::number(r.Spieleranzahl));
    // The races in one column as wide as the longest: English names run longer.
    qsizetype rassenbreite = 14;
    for (int slot = 1; slot <= 8; ++slot)
        if (const TSpieler* s = r.SpielerInSlot(slot))
            rassenbreite = std::max(rassenbreite, SichtbarQ(AlsUtf8(RassenText(s->Rasse))).size());
    for (int slot = 1; slot <= 8; ++slot) {
        const TSpieler* s = r.SpielerInSlot(slot);
        if (!s) continue;
        // Built piece by piece: a name is text, and a "%1" in it stays as it is.
        text += "    " + QString::number(slot) + "  " + SichtbarQ(s->Name).leftJustified(20) + "  " +
                SichtbarQ(AlsUtf8(RassenText(s->Rasse))).leftJustified(rassenbreite) + "  " +
                Tr("quellarch-cli", "Team %1").arg(static_cast<long long>(s->Team) + 1) + "\n";
    }
    if (r.Siegbedingungen) {
        const TSiegbedingungen& s = *r.Siegbedingungen;
        QStringList an;
        for (const TSiegbedingung& b : kSiegbedingungen)
            if (s.*b.Feld) an << SiegbedingungTitel(b);
        text += "  " + Tr("quellarch-cli", "Siegbedingungen: %1").arg(an.join(", ")) + "\n";
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
