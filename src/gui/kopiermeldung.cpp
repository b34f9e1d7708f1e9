#include "gui/kopiermeldung.h"

#include <QCoreApplication>

#include "core/zeichensatz.h"
#include "gui/namensliste.h"
#include "gui/qttext.h"

std::string Anzahltext(int n, const char* einer, const char* mehrere) {
    return AlsUtf8(n == 1 ? QCoreApplication::translate("Kopiermeldung", einer)
                          : QCoreApplication::translate("Kopiermeldung", mehrere, nullptr, n));
}

std::string NichtAngekommenText(const TKopierbericht& bericht) {
    std::vector<std::string> zeilen;
    for (const TKopierteDatei& datei : bericht.Dateien)
        if (!Angekommen(datei.Stand)) zeilen.push_back(datei.Name + ": " + KopierGrund(datei.Stand));
    if (zeilen.empty()) return {};
    return "\r\n" +
           Anzahltext(static_cast<int>(zeilen.size()),
                      QT_TRANSLATE_NOOP("Kopiermeldung", "1 Replay wurde nicht kopiert:"),
                      QT_TRANSLATE_NOOP("Kopiermeldung", "%n Replays wurden nicht kopiert:")) +
           NamensListe(zeilen);
}

std::string KopierMeldung(const TKopierbericht& bericht, TKopierart art) {
    const int kopiert = bericht.Anzahl(TKopierstand::Kopiert);
    std::string text = art == TKopierart::Import
                           ? Anzahltext(kopiert, QT_TRANSLATE_NOOP("Kopiermeldung", "1 Replay wurde kopiert."),
                                        QT_TRANSLATE_NOOP("Kopiermeldung", "%n Replays wurden kopiert."))
                           : Anzahltext(kopiert, QT_TRANSLATE_NOOP("Kopiermeldung", "1 Replay kopiert"),
                                        QT_TRANSLATE_NOOP("Kopiermeldung", "%n Replays kopiert"));
    if (const int da = bericht.Anzahl(TKopierstand::SchonDa); da > 0)
        text += "\r\n" + Anzahltext(da, QT_TRANSLATE_NOOP("Kopiermeldung", "1 Replay war schon vorhanden."),
                                    QT_TRANSLATE_NOOP("Kopiermeldung", "%n Replays waren schon vorhanden."));
    return text + NichtAngekommenText(bericht);
}
