// What the window walk checks after every step: the files, and the window as the user
// sees it.
#include <algorithm>
#include <cctype>

#include "core/replay.h"
#include "core/variablen.h"
#include "fensterwanderung.h"
#include "gui/grid.h"
#include "gui/gridspalten.h"
#include "gui/kurzlabel.h"
#include "gui/mainunit.h"

using namespace wanderung;

std::vector<int> TFensterwanderung::SichtbareZeilen() const {
    std::vector<int> zeilen;
    for (int r = 1; r < fenster_->grdReplays->RowCount(); ++r)
        if (!fenster_->grdReplays->RowHidden(r) && !DateiInZeile(r).empty()) zeilen.push_back(r);
    return zeilen;
}

std::string TFensterwanderung::DateiInZeile(int zeile) const {
    const std::string nummer = fenster_->grdReplays->CellStr(lsNummer, zeile);
    if (nummer.empty() || !std::all_of(nummer.begin(), nummer.end(), [](unsigned char z) { return std::isdigit(z); }))
        return {};
    const std::size_t n = std::stoul(nummer);
    return n >= 1 && n <= ::Replays.size() ? ::Replays[n - 1]->Dateiname : std::string();
}

std::vector<std::string> TFensterwanderung::Angekreuzt(bool sichtbar) const {
    std::vector<std::string> dateien;
    for (int r = 1; r < fenster_->grdReplays->RowCount(); ++r) {
        bool haken = false;
        if (fenster_->grdReplays->ReadCheckBox(lsBox, r, haken) && haken &&
            (!sichtbar || !fenster_->grdReplays->RowHidden(r)) && !DateiInZeile(r).empty())
            dateien.push_back(DateiInZeile(r));
    }
    return dateien;
}

std::string TFensterwanderung::PanelDatei() const {
    const int zeile = fenster_->grdReplays->CurrentRow();
    return zeile >= 1 && !fenster_->grdReplays->RowHidden(zeile) ? DateiInZeile(zeile) : std::string();
}

std::vector<std::string> TFensterwanderung::Befehlsziel() const {
    std::vector<std::string> ziel = Angekreuzt(true);
    if (ziel.empty() && !PanelDatei().empty()) ziel.push_back(PanelDatei());
    return ziel;
}

int TFensterwanderung::Anzahl(const std::string& text, const std::string& einer, const std::string& viele) {
    for (const std::string* satz : {&einer, &viele}) {
        const std::size_t p = text.find(" " + *satz);
        if (p == std::string::npos || p == 0) continue;
        std::size_t anfang = p;
        while (anfang > 0 && std::isdigit(static_cast<unsigned char>(text[anfang - 1]))) --anfang;
        if (anfang < p) return std::stoi(text.substr(anfang, p - anfang));
    }
    return -1;
}

std::string TFensterwanderung::FensterPruefen() const {
    std::string befund;
    // The rows are the library's files, each once.
    std::vector<std::string> zeilen;
    for (int r = 1; r < fenster_->grdReplays->RowCount(); ++r)
        if (const std::string datei = DateiInZeile(r); !datei.empty()) zeilen.push_back(datei);
    std::sort(zeilen.begin(), zeilen.end());
    const std::vector<std::string> dateien = wanderung::Replays(bib_);
    if (zeilen != dateien) {
        befund += " die Zeilen sind nicht die Dateien der Bibliothek:";
        for (const std::string& z : zeilen)
            if (!std::binary_search(dateien.begin(), dateien.end(), z)) befund += " Zeile " + z;
        for (const std::string& d : dateien)
            if (!std::binary_search(zeilen.begin(), zeilen.end(), d)) befund += " Datei " + d;
        if (std::adjacent_find(zeilen.begin(), zeilen.end()) != zeilen.end()) befund += " eine Datei zweimal";
        befund += ";";
    }
    if (::Replays.size() != zeilen.size())
        befund += " " + std::to_string(::Replays.size()) + " Replays, " + std::to_string(zeilen.size()) + " Zeilen;";
    // The highlighted row, the panel and what "Umbenennen" takes are one replay.
    const std::string aktuell = PanelDatei();
    const std::string panel = fenster_->lblDateiname->VollText().toStdString();
    if (!aktuell.empty() && panel != aktuell)
        befund += " das Panel zeigt " + panel + ", markiert ist " + aktuell + ";";
    return befund;
}

std::string TFensterwanderung::Beschreiben(const Bytes& inhalt) const {
    return wanderung::Beschreiben(inhalt, vorrat_, vollstaendig_);
}

std::string TFensterwanderung::DateienPruefen(const Bestand& vorher, const Bestand& nachher) {
    const auto beschreiben = [this](const Bytes& b) { return Beschreiben(b); };
    std::string befund = Verlorene(vorher, nachher, protokoll_, beschreiben) +
                         wanderung::DateienPruefen(nachher, vollstaendig_, draussenGeschrieben_, protokoll_.fehler,
                                                   erlaubteReste_, beschreiben);
    // A game the user deleted is not saved again from Playback: what the live library put
    // into the library after the command holds none.
    if (protokoll_.abgeholt && protokoll_.draussen == 0) {
        const Bestand& davor = direkt_ ? *direkt_ : vorher;
        std::string egal;
        for (const Bytes& inhalt : Neue(davor, nachher, bib_, egal))
            if (geloescht_.count(inhalt)) befund += " das geloeschte " + Beschreiben(inhalt) + " kam zurueck;";
    }
    return befund;
}
