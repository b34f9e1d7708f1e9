<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Fehler</name>
    <message>
        <source>Unerwarteter Fehler: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesefehler: Die Datei konnte nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesefehler: über das Dateiende hinaus in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lesefehler: Die Position liegt außerhalb der Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schreibfehler: Der Datenträger ist voll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schreibfehler: Die Datei konnte nicht geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schreibfehler: Die Daten konnten nicht auf den Datenträger geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Schließen der Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der neue Name muss 1 bis 25 Zeichen lang sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei konnte nicht durch die umbenannte ersetzt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1 kann nicht geschrieben werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungültiger Datentyp für &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Karte</name>
    <message>
        <source>Sumpfgebiete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blutfluss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Flusstal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gefallene Stade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zusammenkunft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Randgebiete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahnhof</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verfluchtes Land</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tal des Khorne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biffys Wagnis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Bergpass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quatra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heiliges Quadrat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verfluchter Ort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdorbene Seele</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentrum von Tartarus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Vulkan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Allee des Blutvergießens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kreuzweg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kasyr Lutien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortalis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testgelände</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straßen von Vogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Gräber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daturias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorhof zur Hölle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letzte Hoffnung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penal-Kolonie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Kopiergrund</name>
    <message>
        <source>Quelle und Ziel sind dieselbe Datei</source>
        <translation>source and target are the same file</translation>
    </message>
    <message>
        <source>keine lesbare Datei</source>
        <translation>not a readable file</translation>
    </message>
    <message>
        <source>Zielordner existiert nicht</source>
        <translation>the target folder does not exist</translation>
    </message>
    <message>
        <source>Kopie nicht bestätigt und wieder entfernt</source>
        <translation>the copy could not be confirmed and was removed again</translation>
    </message>
    <message>
        <source>Kopieren fehlgeschlagen</source>
        <translation>copying failed</translation>
    </message>
    <message>
        <source>kein freier Name im Zielordner</source>
        <translation>no free name in the target folder</translation>
    </message>
    <message>
        <source>wird noch geschrieben</source>
        <translation>still being written</translation>
    </message>
    <message>
        <source>zu groß</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>Datenträger voll</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>inzwischen nicht mehr vorhanden</source>
        <translation>no longer there</translation>
    </message>
</context>
<context>
    <name>Kopiermeldung</name>
    <message numerus="yes">
        <source>%n Replays werden noch geschrieben und kommen beim nächsten Import mit.</source>
        <translation>
            <numerusform>%n replay is still being written and will come along with the next import.</numerusform>
            <numerusform>%n replays are still being written and will come along with the next import.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays wurden nicht kopiert:</source>
        <translation>
            <numerusform>%n replay was not copied:</numerusform>
            <numerusform>%n replays were not copied:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays wurden kopiert.</source>
        <translation>
            <numerusform>%n replay was copied.</numerusform>
            <numerusform>%n replays were copied.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays kopiert</source>
        <translation>
            <numerusform>%n replay copied</numerusform>
            <numerusform>%n replays copied</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays waren schon vorhanden.</source>
        <translation>
            <numerusform>%n replay was in the library already.</numerusform>
            <numerusform>%n replays were in the library already.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays aus Playback in die Bibliothek verschoben.</source>
        <translation>
            <numerusform>%n replay moved from the Playback folder into the library.</numerusform>
            <numerusform>%n replays moved from the Playback folder into the library.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays nach Playback kopiert.</source>
        <translation>
            <numerusform>%n replay copied to the Playback folder.</numerusform>
            <numerusform>%n replays copied to the Playback folder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays konnten nicht nach Playback kopiert werden:</source>
        <translation>
            <numerusform>%n replay could not be copied to the Playback folder:</numerusform>
            <numerusform>%n replays could not be copied to the Playback folder:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n markierte Replays sind durch die Suche ausgeblendet und wurden nicht kopiert:</source>
        <translation>
            <numerusform>%n ticked replay is hidden by the search and was not copied:</numerusform>
            <numerusform>%n ticked replays are hidden by the search and were not copied:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Meldung</name>
    <message>
        <source>Fehler beim öffnen der Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei existiert nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei hat ein unerwartetes Format und wurde nicht geändert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist schreibgeschützt und wurde nicht umbenannt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei wurde inzwischen verändert und wurde nicht umbenannt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Namensliste</name>
    <message numerus="yes">
        <source>und %n weitere</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Rasse</name>
    <message>
        <source>Space Marines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chaos Marines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eldar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orkz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scanmeldung</name>
    <message numerus="yes">
        <source>Diese %n Dateien sind keine lesbaren Replays und fehlen in der Liste:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Siegbedingung</name>
    <message>
        <source>Vernichtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attentat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontrollgebiet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HQ zerstören</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ökonomischer Sieg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erobern und halten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sudden Death</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TInstallationsliste</name>
    <message>
        <source>Ausgabe</source>
        <translation>Edition</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Gefunden über</source>
        <translation>Found through</translation>
    </message>
    <message>
        <source>Steam (App %1)</source>
        <translation>Steam (app %1)</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registry</translation>
    </message>
    <message>
        <source>Registry von Wine: %1</source>
        <translation>Wine registry: %1</translation>
    </message>
    <message>
        <source>von Hand eingetragen</source>
        <translation>typed by hand</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TQtDialoge</name>
    <message>
        <source>%1 von %2 Zeichen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Aktualisieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replays &amp;kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Umbenennen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOW &amp;starten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste &amp;aktualisieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replays aus Playback &amp;importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ü&amp;ber Quellarch…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte unter Optionen die Verzeichnisse eintragen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Verzeichnisse fehlen: Optionen (Alt+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Dawn of War - Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Dawn of War - Verzeichnis %1 gibt es nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 fehlt der Ordner Playback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 gibt es nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte einen Namen eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Name nur aus Leerzeichen geht nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name ist länger als 25 Zeichen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Replay gewählt: nichts umbenannt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay: %1
Datei: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nichts umbenannt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 heißt jetzt „%2“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wurde nicht umbenannt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dawn of War startet unter Wine, doch das Programm „wine“ wurde nicht gefunden. Bitte Wine installieren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dawn of War wurde mit Steam installiert, doch das Programm „steam“ wurde nicht gefunden. Bitte Steam installieren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dawn of War wurde nicht gestartet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 konnte nicht gestartet werden.<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dawn of War wird gestartet: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Replay ist markiert: bitte die Replays ankreuzen, die das Spiel zeigen soll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Replays in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Replays in %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Kein Replay-Verzeichnis eingetragen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 kann nicht gelesen werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>, %n Dateien nicht lesbar</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 liegt keines der Programme W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe und W40k_gog.exe.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmOptionen</name>
    <message>
        <source>„%1“ ist ein Windows-Pfad. Unter Linux liegt er im Wine-Präfix, zum Beispiel unter ~/.wine/drive_c/ für C:\.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Ordner Playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 fehlt %2.
Trotzdem übernehmen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Dawn of War - Verzeichnis %1 gibt es nicht.
Trotzdem übernehmen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dawn of War - Verzeichnis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 gibt es nicht.
Soll es angelegt werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay-Verzeichnis anlegen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 kann nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Gefundene Installationen </source>
        <translation> Installations found </translation>
    </message>
    <message>
        <source> Weitere Playback-Ordner (einer je Zeile) </source>
        <translation> Further Playback folders (one per line) </translation>
    </message>
    <message>
        <source>ein Programm des Spiels (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe) und der Ordner Playback</source>
        <translation>a program of the game (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe) and the Playback folder</translation>
    </message>
    <message>
        <source>ein Programm des Spiels (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe)</source>
        <translation>a program of the game (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe)</translation>
    </message>
</context>
<context>
    <name>quellarch-cli</name>
    <message>
        <source>Im Spielordner %1 gibt es keinen Ordner Playback.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nicht in der Liste (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quellarch-cli %1: die Replays von Dawn of War auf der Befehlszeile, so wie Quellarch sie liest.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Ordner darf mit oder ohne Trenner am Ende angegeben werden.
Ergebnis: 0 erledigt, 1 fehlgeschlagen, 2 falscher Aufruf.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quellarch-cli wird in der Eingabeaufforderung oder in PowerShell aufgerufen, zum Beispiel:
  quellarch-cli list &quot;C:\Users\Name\Documents\Replays&quot;
Das Fenster von Quellarch ist quellarch.exe.

Drücken Sie eine beliebige Taste, um dieses Fenster zu schließen.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quellarch-cli: Die Ausgabe konnte nicht geschrieben werden.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner %1 existiert nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist kein Ordner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(steam fehlt)</source>
        <translation>(steam missing)</translation>
    </message>
    <message>
        <source>(wine fehlt)</source>
        <translation>(wine missing)</translation>
    </message>
    <message>
        <source>Installationen: %1
</source>
        <translation>Installations: %1
</translation>
    </message>
    <message>
        <source>Kein Playback-Ordner gefunden: keine Installation von Dawn of War und kein weiterer Playback-Ordner.</source>
        <translation>No Playback folder found: no installation of Dawn of War and no further Playback folder.</translation>
    </message>
</context>
</TS>
