// The commands on the replay files themselves: to the trash, a new file name, names from
// the template, the file manager and the clipboard. Each works on the library files the
// user sees in the list, checked against the list's view of them right before it acts.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QStatusBar>

#include "core/dateiumbenennen.h"
#include "core/inhalt.h"
#include "core/namensvorlage.h"
#include "core/platform/dateioperationen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/replay.h"
#include "core/variablen.h"
#include "gui/dateimime.h"
#include "gui/dialoge.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/kerntexte.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "gui/namensliste.h"
#include "gui/qttext.h"

namespace {

QString UmbenennGrund(TUmbenennstand stand) {
    switch (stand) {
        case TUmbenennstand::Belegt: return TfrmMain::tr("den neuen Namen trägt schon eine andere Datei");
        case TUmbenennstand::Fehlt: return TfrmMain::tr("die Datei gibt es nicht mehr");
        case TUmbenennstand::Geaendert: return TfrmMain::tr("die Datei wurde geändert, seit die Liste sie zeigt");
        case TUmbenennstand::KeinFreierName: return TfrmMain::tr("kein freier Name");
        case TUmbenennstand::Gescheitert: return TfrmMain::tr("das System hat es abgelehnt");
        case TUmbenennstand::Umbenannt:
        case TUmbenennstand::Gleich: break;
    }
    return {};
}

QString NamensGrund(TNamensfehler fehler) {
    switch (fehler) {
        case TNamensfehler::Leer: return TfrmMain::tr("Bitte einen Namen eingeben.");
        case TNamensfehler::Zeichen:
            return TfrmMain::tr("Ein Dateiname darf keines der Zeichen < > : \" / \\ | ? * und keine Steuerzeichen enthalten.");
        case TNamensfehler::Rand:
            return TfrmMain::tr("Ein Dateiname darf nicht mit einem Punkt oder Leerzeichen beginnen oder enden.");
        case TNamensfehler::Geraetename: return TfrmMain::tr("Diesen Namen hält Windows für ein Gerät frei (wie CON, NUL, COM1).");
        case TNamensfehler::ZuLang: return TfrmMain::tr("Der Name ist zu lang.");
        case TNamensfehler::Keiner: break;
    }
    return {};
}

// A message's lines as one status line.
QString Einzeilig(const std::string& text) {
    return AlsQString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

}  // namespace

TfrmMain::TBefehlsziel TfrmMain::Befehlsziel() const {
    TBefehlsziel ziel;
    auto dazu = [&](int zeile) {
        if (const TReplay* replay = ReplayInZeile(zeile)) ziel.Dateien.push_back(replay->Dateiname);
    };
    if (nurZeile_ >= 1) {
        dazu(nurZeile_);
    } else {
        for (int r = 1; r < grdReplays->RowCount(); ++r) {
            bool haken = false;
            if (!grdReplays->ReadCheckBox(lsBox, r, haken) || !haken) continue;
            if (!grdReplays->RowHidden(r)) dazu(r);
            else if (const TReplay* replay = ReplayInZeile(r)) ziel.Ausgeblendet.push_back(replay->Dateiname);
        }
        const int aktuell = grdReplays->CurrentRow();
        if (ziel.Dateien.empty() && aktuell >= 1 && !grdReplays->RowHidden(aktuell)) dazu(aktuell);
    }
    for (const std::string& datei : ziel.Dateien) ziel.Stempel.push_back(live_->Bibliothek().ListenStempel(datei));
    return ziel;
}

QString TfrmMain::InPapierkorb(const std::string& name, const std::optional<plattform::Dateistempel>& erwartet) {
    // Only a name the library folder lists; never a path that leads out of it.
    if (name.empty() || plattform::DateiTeil(name) != name) return tr("liegt nicht im Replay-Verzeichnis");
    const std::string pfad = ReplayVerzeichnis + name;
    const std::optional<QString> qpfad = AlsQPfad(pfad);
    if (!qpfad) return tr("der Name ist kein UTF-8, der Papierkorb nimmt ihn nicht");
    const auto jetzt = plattform::StempelLesen(pfad);
    if (!jetzt && !plattform::NameBelegt(pfad)) return tr("die Datei gibt es nicht mehr");
    if (erwartet && jetzt != erwartet) return tr("die Datei wurde geändert, seit die Liste sie zeigt");
    // Remembered first, so that the automatic save never brings the game back from
    // Playback, not even between the move and the note.
    const std::optional<TInhalt> inhalt = InhaltBerechnen(pfad);
    const bool schonGemerkt = inhalt && live_->Geloeschte().Enthaelt(*inhalt);
    if (inhalt) live_->Geloeschte().Merken(*inhalt);
    QFile datei(*qpfad);
    if (datei.moveToTrash()) return {};
    if (inhalt && !schonGemerkt) live_->Geloeschte().Vergessen(*inhalt);
    // Qt moves within the file system only: where it finds no trash there, nothing is
    // deleted for good.
    return tr("kein Papierkorb für diesen Ordner, oder das System lehnte ab (%1); die Datei bleibt")
        .arg(datei.errorString());
}

void TfrmMain::Loeschen1Click() {
    const TBefehlsziel ziel = Befehlsziel();
    if (ziel.Dateien.empty()) {
        StatusMelden(tr("Kein Replay gewählt: nichts gelöscht."));
        return;
    }
    const int n = static_cast<int>(ziel.Dateien.size());
    std::string frage = AlsUtf8(tr("%n Replays in den Papierkorb verschieben?", nullptr, n)) + NamensListe(ziel.Dateien);
    if (!ziel.Ausgeblendet.empty())
        frage += "\r\n\r\n" + AlsUtf8(tr("%n markierte Replays sind durch die Suche ausgeblendet und bleiben, wo sie sind.",
                                         nullptr, static_cast<int>(ziel.Ausgeblendet.size())));
    if (!dialoge_.Frage(frage, AlsUtf8(tr("Replays löschen")))) {
        StatusMelden(tr("Nichts gelöscht."));
        return;
    }
    std::vector<std::string> weg, gescheitert;
    for (std::size_t i = 0; i < ziel.Dateien.size(); ++i) {
        const QString grund = InPapierkorb(ziel.Dateien[i], ziel.Stempel[i]);
        if (grund.isEmpty()) weg.push_back(ziel.Dateien[i]);
        else gescheitert.push_back(ziel.Dateien[i] + ": " + AlsUtf8(grund));
    }
    live_->Geloeschte().Speichern();
    // The list drops them now, and the next row becomes current.
    live_->Ansehen(weg);
    std::string text = AlsUtf8(tr("%n Replays in den Papierkorb verschoben.", nullptr, static_cast<int>(weg.size())));
    if (!gescheitert.empty())
        text += "\r\n" +
                AlsUtf8(tr("%n Replays wurden nicht gelöscht:", nullptr, static_cast<int>(gescheitert.size()))) +
                NamensListe(gescheitert);
    if (!ziel.Ausgeblendet.empty())
        text += "\r\n" + AlsUtf8(tr("%n markierte Replays sind durch die Suche ausgeblendet und blieben, wo sie sind.",
                                    nullptr, static_cast<int>(ziel.Ausgeblendet.size())));
    StatusMelden(Einzeilig(text));
    if (!gescheitert.empty()) dialoge_.Nachricht(text);
}

void TfrmMain::DateiUmbenennen1Click() {
    const int zeile = nurZeile_ >= 1 ? nurZeile_ : grdReplays->CurrentRow();
    const TReplay* replay = zeile >= 1 && !grdReplays->RowHidden(zeile) ? ReplayInZeile(zeile) : nullptr;
    if (!replay) {
        StatusMelden(tr("Kein Replay gewählt: nichts umbenannt."));
        return;
    }
    const std::string alt = replay->Dateiname;
    const std::string stammAlt = OhneRecEndung(alt);
    // The ending stays as the file has it.
    const std::string endung = stammAlt.size() < alt.size() ? alt.substr(stammAlt.size()) : std::string(".rec");
    const std::string ordner = ReplayVerzeichnis;
    auto pruefen = [&](const std::string& text) -> std::string {
        const std::string stamm = OhneRecEndung(text);
        if (const TNamensfehler f = DateinamensFehler(stamm); f != TNamensfehler::Keiner) return AlsUtf8(NamensGrund(f));
        const std::string neu = stamm + endung;
        if (neu != alt && plattform::NameBelegt(ordner + neu) && !plattform::GleicheDatei(ordner + alt, ordner + neu))
            return AlsUtf8(tr("Eine Datei „%1“ gibt es schon.").arg(AlsQString(neu)));
        return {};
    };
    std::string text = stammAlt;
    if (!dialoge_.Eingabe(AlsUtf8(tr("Datei umbenennen")),
                          AlsUtf8(tr("Datei: %1\r\n\r\nNeuer Dateiname (die Endung .rec bleibt):").arg(AlsQString(alt))),
                          text, {0, pruefen})) {
        StatusMelden(tr("Nichts umbenannt."));
        return;
    }
    const std::string neu = OhneRecEndung(text) + endung;
    const TUmbenennstand stand = DateiUmbenennen(ordner, alt, neu, live_->Bibliothek().ListenStempel(alt));
    if (stand == TUmbenennstand::Gleich) {
        StatusMelden(tr("Nichts umbenannt."));
        return;
    }
    if (stand == TUmbenennstand::Umbenannt) {
        live_->Ansehen({alt, neu});
        StatusMelden(tr("Die Datei %1 heißt jetzt %2.").arg(AlsQString(alt), AlsQString(neu)));
        return;
    }
    const QString meldung = tr("%1 wurde nicht umbenannt: %2.").arg(AlsQString(alt), UmbenennGrund(stand));
    StatusUndNachricht(meldung);
}

void TfrmMain::DateinamenBilden1Click() {
    const TBefehlsziel ziel = Befehlsziel();
    if (ziel.Dateien.empty()) {
        StatusMelden(tr("Kein Replay gewählt: nichts umbenannt."));
        return;
    }
    std::vector<TUmbenennung> plan;
    // A file the reader could not read gives the template nothing and keeps its name.
    int ungelesen = 0;
    for (std::size_t i = 0; i < ziel.Dateien.size(); ++i) {
        const int index = ReplayIndexVon(ziel.Dateien[i]);
        if (index < 0) continue;
        const TReplay& replay = *Replays[static_cast<std::size_t>(index)];
        if (!replay.Lesbar) {
            ++ungelesen;
            continue;
        }
        TUmbenennung u;
        u.Alt = replay.Dateiname;
        u.Wunsch = NameAusVorlage(Namensvorlage, NamensfelderAus(replay, AlsUtf8(KartenText(replay.Karte))));
        u.Erwartet = ziel.Stempel[i];
        plan.push_back(std::move(u));
    }
    UmbenennungenPlanen(ReplayVerzeichnis, plan);
    std::vector<std::string> zeilen;
    for (const TUmbenennung& u : plan)
        if (u.Neu != u.Alt) zeilen.push_back(u.Alt + " → " + u.Neu);
    const QString unlesbar =
        tr("%n Dateien kann Quellarch nicht lesen; sie behalten ihren Namen.", nullptr, ungelesen);
    if (zeilen.empty()) {
        QString meldung = tr("Die Dateien heißen schon so, wie die Vorlage sie nennt: nichts umbenannt.");
        if (ungelesen > 0) meldung = tr("%1 Nichts umbenannt.").arg(unlesbar);
        StatusUndNachricht(meldung);
        return;
    }
    std::string frage =
        AlsUtf8(tr("%n Dateien nach der Vorlage umbenennen?", nullptr, static_cast<int>(zeilen.size()))) +
        NamensListe(zeilen);
    if (ungelesen > 0) frage += "\r\n\r\n" + AlsUtf8(unlesbar);
    if (!ziel.Ausgeblendet.empty())
        frage += "\r\n\r\n" + AlsUtf8(tr("%n markierte Replays sind durch die Suche ausgeblendet und bleiben, wo sie sind.",
                                         nullptr, static_cast<int>(ziel.Ausgeblendet.size())));
    if (!dialoge_.Frage(frage, AlsUtf8(tr("Dateinamen aus Replays bilden")))) {
        StatusMelden(tr("Nichts umbenannt."));
        return;
    }
    UmbenennungenAusfuehren(ReplayVerzeichnis, plan);
    std::vector<std::string> namen, gescheitert;
    int umbenannt = 0;
    for (const TUmbenennung& u : plan) {
        if (u.Stand == TUmbenennstand::Umbenannt) {
            ++umbenannt;
            namen.push_back(u.Alt);
            namen.push_back(u.Neu);
        } else if (u.Stand != TUmbenennstand::Gleich) {
            gescheitert.push_back(u.Alt + ": " + AlsUtf8(UmbenennGrund(u.Stand)));
        }
    }
    live_->Ansehen(namen);
    std::string text = AlsUtf8(tr("%n Dateien umbenannt.", nullptr, umbenannt));
    if (!gescheitert.empty())
        text += "\r\n" +
                AlsUtf8(tr("%n Dateien wurden nicht umbenannt:", nullptr, static_cast<int>(gescheitert.size()))) +
                NamensListe(gescheitert);
    StatusMelden(Einzeilig(text));
    if (!gescheitert.empty()) dialoge_.Nachricht(text);
}

void TfrmMain::ImOrdnerAnzeigen1Click() {
    const TBefehlsziel ziel = Befehlsziel();
    if (ReplayVerzeichnis.empty()) {
        StatusMelden(tr("Das Replay-Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen."));
        return;
    }
    // The file manager selects one file: the first the command acts on.
    const std::string pfad = ReplayVerzeichnis + (ziel.Dateien.empty() ? std::string() : ziel.Dateien.front());
    if (OrdnerZeigen(pfad)) {
        StatusMelden(tr("Der Ordner %1 wird im Dateimanager gezeigt.").arg(AlsQString(ReplayVerzeichnis)));
        return;
    }
    const QString meldung = tr("Kein Dateimanager konnte den Ordner %1 öffnen.").arg(AlsQString(ReplayVerzeichnis));
    StatusUndNachricht(meldung);
}

void TfrmMain::Kopieren1Click() {
    const TBefehlsziel ziel = Befehlsziel();
    if (ziel.Dateien.empty()) {
        StatusMelden(tr("Kein Replay gewählt: nichts kopiert."));
        return;
    }
    std::vector<std::string> pfade;
    for (const std::string& datei : ziel.Dateien) pfade.push_back(ReplayVerzeichnis + datei);
    QGuiApplication::clipboard()->setMimeData(DateienAlsMime(pfade));
    StatusMelden(tr("%n Replays als Dateien in die Zwischenablage gelegt.", nullptr, static_cast<int>(pfade.size())));
}
