// The list's rows as files: their context menu, dragged out to a file manager or a chat
// program as copies, and files dropped on the window copied into the library.
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

#include "core/dateiumbenennen.h"
#include "core/platform/dateisystem.h"
#include "core/platform/pfad.h"
#include "core/replay.h"
#include "core/uebertragung.h"
#include "core/variablen.h"
#include "gui/dateimime.h"
#include "gui/dialoge.h"
#include "gui/fehlerbox.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/kerntexte.h"
#include "gui/kopiermeldung.h"
#include "gui/livebibliothek.h"
#include "gui/mainunit.h"
#include "gui/namensliste.h"
#include "gui/qttext.h"

void TfrmMain::grdReplaysKontextmenue(TCheckSortGrid*, int ARow, QPoint Global) {
    if (ARow < 1 || grdReplays->RowHidden(ARow) || !ReplayInZeile(ARow)) return;
    bool haken = false;
    grdReplays->ReadCheckBox(lsBox, ARow, haken);
    // The clicked row becomes current, as in a file manager, so the panel shows it.
    grdReplays->SetCurrentCell(grdReplays->CurrentCol(), ARow);
    DetailsAnzeigen(std::max(0, IndexInZeile(ARow)));
    struct Zuruecksetzen {
        int& zeile;
        ~Zuruecksetzen() { zeile = -1; }
    } zuruecksetzen{nurZeile_};
    nurZeile_ = haken ? -1 : ARow;

    QMenu menue(this);
    menue.setObjectName(QStringLiteral("mnuZeile"));
    for (QAction* a : {Loeschen1, DateiUmbenennen1, DateinamenBilden1, ImOrdnerAnzeigen1, Kopieren1}) menue.addAction(a);
    menue.addSeparator();
    QAction* umbenennen = menue.addAction(btnUmbenennen->text());
    umbenennen->setObjectName(QStringLiteral("mnuUmbenennen"));
    QAction* kopieren = menue.addAction(btnKopieren->text());
    kopieren->setObjectName(QStringLiteral("mnuReplaysKopieren"));
    Verbinden(dialoge_, umbenennen, &QAction::triggered, this, &TfrmMain::btnUmbenennenClick);
    Verbinden(dialoge_, kopieren, &QAction::triggered, this, &TfrmMain::btnKopierenClick);
    menue.exec(Global);
}

void TfrmMain::grdReplaysZiehen(TCheckSortGrid*, int ARow) {
    bool haken = false;
    grdReplays->ReadCheckBox(lsBox, ARow, haken);
    // A ticked row carries the ticked ones along; another row goes alone.
    nurZeile_ = haken ? -1 : ARow;
    const TBefehlsziel ziel = Befehlsziel();
    nurZeile_ = -1;
    if (ziel.Dateien.empty()) return;
    std::vector<std::string> pfade;
    for (const std::string& datei : ziel.Dateien) pfade.push_back(ReplayVerzeichnis + datei);
    auto* ziehen = new QDrag(grdReplays);
    ziehen->setMimeData(DateienAlsMime(pfade));
    // Always a copy: the library keeps its replays whatever the target offers.
    ziehen->exec(Qt::CopyAction, Qt::CopyAction);
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* ereignis) {
    // The list's own rows dropped back would only meet themselves.
    if (ereignis->source() == grdReplays || !ereignis->mimeData() || LokaleDateien(*ereignis->mimeData()).empty()) return;
    ereignis->setDropAction(Qt::CopyAction);
    ereignis->accept();
}

void TfrmMain::dropEvent(QDropEvent* ereignis) {
    if (!ereignis->mimeData() || ereignis->source() == grdReplays) return;
    const std::vector<std::string> pfade = LokaleDateien(*ereignis->mimeData());
    ereignis->setDropAction(Qt::CopyAction);
    ereignis->accept();
    MitFehlerbox(dialoge_, [&] { DateienAufnehmen(pfade); });
}

void TfrmMain::DateienAufnehmen(const std::vector<std::string>& pfade) {
    if (ReplayVerzeichnis.empty() || !plattform::VerzeichnisExistiert(ReplayVerzeichnis)) {
        const QString meldung = ReplayVerzeichnis.empty()
                                    ? tr("Das Replay-Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.")
                                    : tr("Das Replay-Verzeichnis %1 gibt es nicht.").arg(AlsQString(ReplayVerzeichnis));
        StatusUndNachricht(meldung);
        return;
    }
    // What was dropped, as replay files: a folder gives the replays it holds itself.
    std::vector<std::string> replays, abgelehnt;
    for (const std::string& pfad : pfade) {
        if (plattform::VerzeichnisExistiert(pfad)) {
            const std::string ordner = plattform::OrdnerMitTrenner(pfad);
            const std::vector<std::string> namen = plattform::Aufzaehlen(ordner + "*.rec");
            if (namen.empty()) abgelehnt.push_back(pfad + ": " + AlsUtf8(tr("enthält keine Replays (*.rec)")));
            for (const std::string& name : namen) replays.push_back(ordner + name);
        } else if (OhneRecEndung(pfad).size() == pfad.size()) {
            abgelehnt.push_back(pfad + ": " + AlsUtf8(tr("kein Replay (*.rec)")));
        } else {
            replays.push_back(pfad);
        }
    }
    TKopierbericht bericht;
    std::vector<std::string> neue;
    TUebertragungsregeln regeln;
    // The user hands the file over: no waiting for quiet, yet a file that changes during
    // the copy is refused.
    regeln.ruhezeitAbwarten = false;
    regeln.inhaltFinden = [this](const plattform::Quelldatei& q) { return live_->Bibliothek().InhaltFinden(q); };
    for (const std::string& pfad : replays) {
        const TUebertragung u = Uebertragen(pfad, ReplayVerzeichnis, plattform::DateiTeil(pfad), regeln);
        if (u.Stand == TKopierstand::WirdGeschrieben) {
            abgelehnt.push_back(pfad + ": " + AlsUtf8(tr("wird noch geschrieben oder änderte sich beim Kopieren")));
            continue;
        }
        if (u.Stand == TKopierstand::Kopiert) {
            live_->Bibliothek().Aufnehmen(u.Zielname, u.Inhalt);
            // A game deleted once and now handed back is wanted again.
            if (u.Inhalt) live_->Geloeschte().Vergessen(*u.Inhalt);
            neue.push_back(u.Zielname);
        }
        bericht.Dateien.push_back({plattform::DateiTeil(pfad), u.Stand, false, plattform::OrdnerTeil(pfad)});
    }
    live_->Geloeschte().Speichern();
    live_->Ansehen(neue);
    std::string text = KopierMeldung(bericht, TKopierart::Import);
    if (!abgelehnt.empty())
        text += "\r\n" +
                AlsUtf8(tr("%n abgelegte Dateien wurden nicht genommen:", nullptr, static_cast<int>(abgelehnt.size()))) +
                NamensListe(abgelehnt);
    QString status = AlsQString(text);
    status.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    StatusMelden(status);
    if (!abgelehnt.empty() || bericht.NichtAngekommen() > 0) dialoge_.Nachricht(text);
}
