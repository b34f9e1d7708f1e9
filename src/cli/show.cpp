#include <QJsonArray>
#include <QJsonDocument>

#include "cli/befehle.h"
#include "cli/clitext.h"
#include "core/anzeigenamen.h"
#include "core/fehler.h"
#include "core/replay.h"
#include "core/siegbedingungen.h"
#include "core/zeichensatz.h"

namespace {

QString Zusammenfassung(const TReplay& r) {
    QString text = AlsQString(r.Dateiname) + "\n";
    text += "  Spielname:  " + AlsQString(r.Spielname) + "\n";
    const TAnzeigename karte = KartenAnzeige(r.Karte);
    text += "  Karte:      " + AlsQString(karte.Text()) + " (" + AlsQString(karte.Schluessel) + ")\n";
    text += "  Datum:      " + DatumIso(r.Datum).replace('T', ' ') + "\n";
    text += QString("  Spieler:    %1\n").arg(r.Spieleranzahl);
    for (int slot = 1; slot <= 8; ++slot) {
        const TSpieler* s = r.SpielerInSlot(slot);
        if (!s) continue;
        // Built piece by piece: a name is text, and a "%1" in it stays as it is.
        text += "    " + QString::number(slot) + "  " + AlsQString(s->Name).leftJustified(20) + "  " +
                AlsQString(RassenAnzeige(s->Rasse).Text()).leftJustified(14) + "  Team " +
                QString::number(static_cast<long long>(s->Team) + 1) + "\n";
    }
    if (r.Siegbedingungen) {
        const TSiegbedingungen& s = *r.Siegbedingungen;
        QStringList an;
        for (const TSiegbedingung& b : kSiegbedingungen)
            if (s.*b.Feld) an << QString::fromUtf8(b.Titel);
        text += "  Siegbedingungen: " + an.join(", ") + "\n";
    }
    return text;
}
}  // namespace

int BefehlShow(const std::vector<std::string>& argumente) {
    bool json = false;
    std::vector<std::string> dateien;
    for (const auto& a : argumente) {
        if (a == "--json") json = true;
        else dateien.push_back(a);
    }
    if (dateien.empty()) {
        StderrSchreiben("usage: quellarch-cli show [--json] FILE...\n");
        return 2;
    }
    TZaehlendeMeldungen meldungen;
    bool fehlgeschlagen = false;
    QJsonArray liste;
    for (const auto& pfad : dateien) {
        try {
            int vorher = meldungen.anzahl;
            TReplay replay(pfad, meldungen);
            if (meldungen.anzahl != vorher) fehlgeschlagen = true;
            if (json) liste.append(ReplayAlsJson(replay));
            else StdoutSchreiben(Zusammenfassung(replay) + "\n");
        } catch (const Fehler& f) {
            fehlgeschlagen = true;
            if (json) liste.append(FehlerAlsJson(DateinameAusPfad(pfad), f.what()));
            else StderrSchreiben(AlsQString(pfad) + ": " + AlsQString(f.what()) + "\n");
        }
    }
    if (json) StdoutSchreiben(QString::fromUtf8(QJsonDocument(liste).toJson(QJsonDocument::Indented)));
    return fehlgeschlagen ? 1 : 0;
}
