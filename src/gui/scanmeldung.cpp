#include "gui/scanmeldung.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/zeichensatz.h"
#include "gui/namensliste.h"
#include "gui/qttext.h"

std::vector<std::string> TScanMeldungen::Betroffene() const {
    std::vector<std::string> namen = Ausgelassene;
    for (const auto& [datei, text] : Dateien) namen.push_back(datei);
    std::sort(namen.begin(), namen.end());
    namen.erase(std::unique(namen.begin(), namen.end()), namen.end());
    return namen;
}

std::string ScanMeldungText(const TScanMeldungen& meldungen) {
    std::vector<std::string> teile = meldungen.Allgemein;
    // The notices in the order they first came, each with its files.
    std::vector<std::string> texte;
    for (const auto& [datei, text] : meldungen.Dateien)
        if (std::find(texte.begin(), texte.end(), text) == texte.end()) texte.push_back(text);
    for (const std::string& text : texte) {
        std::vector<std::string> namen;
        for (const auto& [datei, t] : meldungen.Dateien)
            if (t == text) namen.push_back(datei);
        teile.push_back(text + NamensListe(namen));
    }
    if (const auto n = static_cast<int>(meldungen.Ausgelassene.size()); n > 0) {
        const QString kopf = n == 1 ? QCoreApplication::translate(
                                          "Scanmeldung", "Diese Datei ist kein lesbares Replay und fehlt in der Liste:")
                                    : QCoreApplication::translate(
                                          "Scanmeldung",
                                          "Diese %n Dateien sind keine lesbaren Replays und fehlen in der Liste:",
                                          nullptr, n);
        teile.push_back(AlsUtf8(kopf) + NamensListe(meldungen.Ausgelassene));
    }
    std::string text;
    for (const std::string& teil : teile) text += (text.empty() ? "" : "\r\n\r\n") + teil;
    return text;
}
