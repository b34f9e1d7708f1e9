#include "gui/kerntexte.h"

#include "core/fehler.h"
#include "gui/qttext.h"
#include "gui/uebersetzung.h"

QString MeldungText(TMeldungsart art) {
    switch (art) {
        case TMeldungsart::OeffnenFehlgeschlagen: return Tr("Meldung", "Fehler beim öffnen der Datei.");
        case TMeldungsart::DateiFehlt: return Tr("Meldung", "Datei existiert nicht.");
        case TMeldungsart::UnerwartetesFormat:
            return Tr("Meldung", "Die Datei hat ein unerwartetes Format und wurde nicht geändert.");
        case TMeldungsart::Schreibgeschuetzt:
            return Tr("Meldung", "Die Datei ist schreibgeschützt und wurde nicht umbenannt.");
        case TMeldungsart::InzwischenGeaendert:
            return Tr("Meldung", "Die Datei wurde inzwischen verändert und wurde nicht umbenannt.");
    }
    return {};
}

QString FehlerText(const std::exception& ausnahme) {
    const auto* fehler = dynamic_cast<const Fehler*>(&ausnahme);
    if (!fehler) return Tr("Fehler", "Unerwarteter Fehler: %1").arg(QString::fromLocal8Bit(ausnahme.what()));
    const QString argument = AlsQString(fehler->Argument());
    switch (fehler->Art()) {
        case TFehlerart::Lesefehler: return Tr("Fehler", "Lesefehler: Die Datei konnte nicht gelesen werden.");
        case TFehlerart::Dateiende: return Tr("Fehler", "Lesefehler: über das Dateiende hinaus in %1").arg(argument);
        case TFehlerart::PositionAusserhalb:
            return Tr("Fehler", "Lesefehler: Die Position liegt außerhalb der Datei.");
        case TFehlerart::DatentraegerVoll: return Tr("Fehler", "Schreibfehler: Der Datenträger ist voll.");
        case TFehlerart::Schreibfehler: return Tr("Fehler", "Schreibfehler: Die Datei konnte nicht geschrieben werden.");
        case TFehlerart::Sichern:
            return Tr("Fehler", "Schreibfehler: Die Daten konnten nicht auf den Datenträger geschrieben werden.");
        case TFehlerart::Schliessen: return Tr("Fehler", "Fehler beim Schließen der Datei.");
        case TFehlerart::NamensLaenge: return Tr("Fehler", "Der neue Name muss 1 bis 25 Zeichen lang sein.");
        case TFehlerart::Ersetzen: return Tr("Fehler", "Die Datei konnte nicht durch die umbenannte ersetzt werden.");
        case TFehlerart::ConfigNichtSchreibbar: return Tr("Fehler", "In %1 kann nicht geschrieben werden").arg(argument);
        case TFehlerart::RegistryDatentyp: return Tr("Fehler", "Ungültiger Datentyp für '%1'").arg(argument);
        case TFehlerart::KeineZahl: return Tr("Fehler", "'%1' ist kein gültiger Integerwert").arg(argument);
    }
    return {};
}

QString KopierGrund(TKopierstand stand) {
    switch (stand) {
        case TKopierstand::Kopiert:
        case TKopierstand::SchonDa: return {};
        case TKopierstand::DieselbeDatei: return Tr("Kopiergrund", "Quelle und Ziel sind dieselbe Datei");
        case TKopierstand::KeineDatei: return Tr("Kopiergrund", "keine lesbare Datei");
        case TKopierstand::ZielordnerFehlt: return Tr("Kopiergrund", "Zielordner existiert nicht");
        case TKopierstand::NichtBestaetigt: return Tr("Kopiergrund", "Kopie nicht bestätigt und wieder entfernt");
        case TKopierstand::Gescheitert: return Tr("Kopiergrund", "Kopieren fehlgeschlagen");
        case TKopierstand::KeinFreierName: return Tr("Kopiergrund", "kein freier Name im Zielordner");
        case TKopierstand::WirdGeschrieben: return Tr("Kopiergrund", "wird noch geschrieben");
        case TKopierstand::ZuGross: return Tr("Kopiergrund", "zu groß");
        case TKopierstand::KeinPlatz: return Tr("Kopiergrund", "Datenträger voll");
        case TKopierstand::Verschwunden: return Tr("Kopiergrund", "inzwischen nicht mehr vorhanden");
    }
    return Tr("Kopiergrund", "Kopieren fehlgeschlagen");
}

QString Uebersetzt(const char* kontext, const TAnzeigename& anzeige) {
    return anzeige.Name ? Tr(kontext, anzeige.Name->c_str()) : QString();
}

QString KartenText(const std::string& schluessel) {
    const TAnzeigename anzeige = KartenAnzeige(schluessel);
    return anzeige.Name ? Uebersetzt("Karte", anzeige) : AlsQString(anzeige.Schluessel);
}

QString RassenText(const std::string& schluessel) {
    const TAnzeigename anzeige = RassenAnzeige(schluessel);
    return anzeige.Name ? Uebersetzt("Rasse", anzeige) : AlsQString(anzeige.Schluessel);
}

QString SiegbedingungTitel(const TSiegbedingung& bedingung) { return Tr("Siegbedingung", bedingung.Titel); }

TUebersetzer KernUebersetzer() {
    return [](const char* kontext, const std::string& text) { return AlsUtf8(Tr(kontext, text.c_str())); };
}
