#include "gui/kopiermeldung.h"

#include "core/zeichensatz.h"
#include "gui/namensliste.h"
#include "gui/kerntexte.h"
#include "gui/qttext.h"
#include "gui/uebersetzung.h"

std::string Anzahltext(int n, const char* text) { return AlsUtf8(Tr("Kopiermeldung", text, nullptr, n)); }

std::string NichtAngekommenText(const TKopierbericht& bericht) {
    std::vector<std::string> zeilen;
    // A file still being written is no failure: it comes along next time, and is counted
    // on a line of its own.
    for (const TKopierteDatei& datei : bericht.Dateien)
        if (!Angekommen(datei.Stand) && datei.Stand != TKopierstand::WirdGeschrieben)
            zeilen.push_back(datei.Ordner + datei.Name + ": " + AlsUtf8(KopierGrund(datei.Stand)));
    std::string text;
    if (const int spaeter = bericht.Anzahl(TKopierstand::WirdGeschrieben); spaeter > 0)
        text += "\r\n" + Anzahltext(spaeter, QT_TRANSLATE_N_NOOP("Kopiermeldung", "%n Replays werden noch geschrieben und kommen beim nächsten Import mit."));
    if (zeilen.empty()) return text;
    return text + "\r\n" +
           Anzahltext(static_cast<int>(zeilen.size()), QT_TRANSLATE_N_NOOP("Kopiermeldung", "%n Replays wurden nicht kopiert:")) +
           NamensListe(zeilen);
}

std::string KopierMeldung(const TKopierbericht& bericht, TKopierart art) {
    const int kopiert = bericht.Anzahl(TKopierstand::Kopiert);
    std::string text = art == TKopierart::Import
                           ? Anzahltext(kopiert, QT_TRANSLATE_N_NOOP("Kopiermeldung", "%n Replays wurden kopiert."))
                           : Anzahltext(kopiert, QT_TRANSLATE_N_NOOP("Kopiermeldung", "%n Replays kopiert"));
    if (const int da = bericht.Anzahl(TKopierstand::SchonDa); da > 0)
        text += "\r\n" + Anzahltext(da, QT_TRANSLATE_N_NOOP("Kopiermeldung", "%n Replays waren schon vorhanden."));
    return text + NichtAngekommenText(bericht);
}
