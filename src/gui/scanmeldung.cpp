#include "gui/scanmeldung.h"

#include <algorithm>

#include "core/zeichensatz.h"
#include "gui/kerntexte.h"
#include "gui/namensliste.h"
#include "gui/qttext.h"
#include "gui/uebersetzung.h"

std::vector<std::string> TScanMeldungen::Betroffene() const {
    std::vector<std::string> namen = Ungelesene;
    for (const auto& [datei, text] : Dateien) namen.push_back(datei);
    std::sort(namen.begin(), namen.end());
    namen.erase(std::unique(namen.begin(), namen.end()), namen.end());
    return namen;
}

std::string ScanMeldungText(const TScanMeldungen& meldungen) {
    std::vector<std::string> teile;
    for (const TMeldungsart art : meldungen.Allgemein) teile.push_back(AlsUtf8(MeldungText(art)));
    // The notices in the order they first came, each with its files.
    std::vector<TMeldungsart> arten;
    for (const auto& [datei, art] : meldungen.Dateien)
        if (std::find(arten.begin(), arten.end(), art) == arten.end()) arten.push_back(art);
    for (const TMeldungsart art : arten) {
        std::vector<std::string> namen;
        for (const auto& [datei, a] : meldungen.Dateien)
            if (a == art) namen.push_back(datei);
        teile.push_back(AlsUtf8(MeldungText(art)) + NamensListe(namen));
    }
    if (const auto n = static_cast<int>(meldungen.Ungelesene.size()); n > 0) {
        const QString kopf = Tr("Scanmeldung",
                                "Diese %n Dateien kann Quellarch nicht lesen; die Liste zeigt sie nur mit ihrem "
                                "Dateinamen:",
                                nullptr, n);
        teile.push_back(AlsUtf8(kopf) + NamensListe(meldungen.Ungelesene));
    }
    std::string text;
    for (const std::string& teil : teile) text += (text.empty() ? "" : "\r\n\r\n") + teil;
    return text;
}
