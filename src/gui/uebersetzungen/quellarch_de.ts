<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  German for Quellarch. The German texts are the source texts, so each entry repeats its
  source; the file is there for the plural texts, whose singular the source cannot hold
  ("1 Replay wurde kopiert." beside "%n Replays wurden kopiert."). scripts/uebersetzungen
  fills new entries, all but the plural ones.
-->
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>Fehler</name>
    <message>
        <source>Unerwarteter Fehler: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Lesefehler: Die Datei konnte nicht gelesen werden.</source>
        <translation>Lesefehler: Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Lesefehler: über das Dateiende hinaus in %1</source>
        <translation>Lesefehler: über das Dateiende hinaus in %1</translation>
    </message>
    <message>
        <source>Lesefehler: Die Position liegt außerhalb der Datei.</source>
        <translation>Lesefehler: Die Position liegt außerhalb der Datei.</translation>
    </message>
    <message>
        <source>Schreibfehler: Der Datenträger ist voll.</source>
        <translation>Schreibfehler: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>Schreibfehler: Die Datei konnte nicht geschrieben werden.</source>
        <translation>Schreibfehler: Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Schreibfehler: Die Daten konnten nicht auf den Datenträger geschrieben werden.</source>
        <translation>Schreibfehler: Die Daten konnten nicht auf den Datenträger geschrieben werden.</translation>
    </message>
    <message>
        <source>Fehler beim Schließen der Datei.</source>
        <translation>Fehler beim Schließen der Datei.</translation>
    </message>
    <message>
        <source>Der neue Name muss 1 bis 25 Zeichen lang sein.</source>
        <translation>Der neue Name muss 1 bis 25 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht durch die umbenannte ersetzt werden.</source>
        <translation>Die Datei konnte nicht durch die umbenannte ersetzt werden.</translation>
    </message>
    <message>
        <source>In %1 kann nicht geschrieben werden</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Ungültiger Datentyp für &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; ist kein gültiger Integerwert</translation>
    </message>
</context>
<context>
    <name>Karte</name>
    <message>
        <source>Sumpfgebiete</source>
        <translation>Sumpfgebiete</translation>
    </message>
    <message>
        <source>Blutfluss</source>
        <translation>Blutfluss</translation>
    </message>
    <message>
        <source>Das Flusstal</source>
        <translation>Das Flusstal</translation>
    </message>
    <message>
        <source>Gefallene Stade</source>
        <translation>Gefallene Stade</translation>
    </message>
    <message>
        <source>Zusammenkunft</source>
        <translation>Zusammenkunft</translation>
    </message>
    <message>
        <source>Randgebiete</source>
        <translation>Randgebiete</translation>
    </message>
    <message>
        <source>Bahnhof</source>
        <translation>Bahnhof</translation>
    </message>
    <message>
        <source>Verfluchtes Land</source>
        <translation>Verfluchtes Land</translation>
    </message>
    <message>
        <source>Tal des Khorne</source>
        <translation>Tal des Khorne</translation>
    </message>
    <message>
        <source>Biffys Wagnis</source>
        <translation>Biffys Wagnis</translation>
    </message>
    <message>
        <source>Der Bergpass</source>
        <translation>Der Bergpass</translation>
    </message>
    <message>
        <source>Quatra</source>
        <translation>Quatra</translation>
    </message>
    <message>
        <source>Heiliges Quadrat</source>
        <translation>Heiliges Quadrat</translation>
    </message>
    <message>
        <source>Verfluchter Ort</source>
        <translation>Verfluchter Ort</translation>
    </message>
    <message>
        <source>Verdorbene Seele</source>
        <translation>Verdorbene Seele</translation>
    </message>
    <message>
        <source>Zentrum von Tartarus</source>
        <translation>Zentrum von Tartarus</translation>
    </message>
    <message>
        <source>Der Vulkan</source>
        <translation>Der Vulkan</translation>
    </message>
    <message>
        <source>Die Allee des Blutvergießens</source>
        <translation>Die Allee des Blutvergießens</translation>
    </message>
    <message>
        <source>Kreuzweg</source>
        <translation>Kreuzweg</translation>
    </message>
    <message>
        <source>Kasyr Lutien</source>
        <translation>Kasyr Lutien</translation>
    </message>
    <message>
        <source>Mortalis</source>
        <translation>Mortalis</translation>
    </message>
    <message>
        <source>Testgelände</source>
        <translation>Testgelände</translation>
    </message>
    <message>
        <source>Straßen von Vogen</source>
        <translation>Straßen von Vogen</translation>
    </message>
    <message>
        <source>Die Gräber</source>
        <translation>Die Gräber</translation>
    </message>
    <message>
        <source>Daturias</source>
        <translation>Daturias</translation>
    </message>
    <message>
        <source>Vorhof zur Hölle</source>
        <translation>Vorhof zur Hölle</translation>
    </message>
    <message>
        <source>Letzte Hoffnung</source>
        <translation>Letzte Hoffnung</translation>
    </message>
    <message>
        <source>Penal-Kolonie</source>
        <translation>Penal-Kolonie</translation>
    </message>
</context>
<context>
    <name>Kopiergrund</name>
    <message>
        <source>Quelle und Ziel sind dieselbe Datei</source>
        <translation>Quelle und Ziel sind dieselbe Datei</translation>
    </message>
    <message>
        <source>keine lesbare Datei</source>
        <translation>keine lesbare Datei</translation>
    </message>
    <message>
        <source>Zielordner existiert nicht</source>
        <translation>Zielordner existiert nicht</translation>
    </message>
    <message>
        <source>Kopie nicht bestätigt und wieder entfernt</source>
        <translation>Kopie nicht bestätigt und wieder entfernt</translation>
    </message>
    <message>
        <source>Kopieren fehlgeschlagen</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>kein freier Name im Zielordner</source>
        <translation>kein freier Name im Zielordner</translation>
    </message>
    <message>
        <source>wird noch geschrieben</source>
        <translation>wird noch geschrieben</translation>
    </message>
    <message>
        <source>zu groß</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>Datenträger voll</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>inzwischen nicht mehr vorhanden</source>
        <translation>inzwischen nicht mehr vorhanden</translation>
    </message>
</context>
<context>
    <name>Kopiermeldung</name>
    <message numerus="yes">
        <source>%n Replays werden noch geschrieben und kommen beim nächsten Import mit.</source>
        <translation>
            <numerusform>1 Replay wird noch geschrieben und kommt beim nächsten Import mit.</numerusform>
            <numerusform>%n Replays werden noch geschrieben und kommen beim nächsten Import mit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays wurden nicht kopiert:</source>
        <translation>
            <numerusform>1 Replay wurde nicht kopiert:</numerusform>
            <numerusform>%n Replays wurden nicht kopiert:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays wurden kopiert.</source>
        <translation>
            <numerusform>1 Replay wurde kopiert.</numerusform>
            <numerusform>%n Replays wurden kopiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays kopiert</source>
        <translation>
            <numerusform>1 Replay kopiert</numerusform>
            <numerusform>%n Replays kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays waren schon vorhanden.</source>
        <translation>
            <numerusform>1 Replay war schon vorhanden.</numerusform>
            <numerusform>%n Replays waren schon vorhanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays aus Playback in die Bibliothek verschoben.</source>
        <translation>
            <numerusform>1 Replay aus Playback in die Bibliothek verschoben.</numerusform>
            <numerusform>%n Replays aus Playback in die Bibliothek verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays nach Playback kopiert.</source>
        <translation>
            <numerusform>1 Replay nach Playback kopiert.</numerusform>
            <numerusform>%n Replays nach Playback kopiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays konnten nicht nach Playback kopiert werden:</source>
        <translation>
            <numerusform>1 Replay konnte nicht nach Playback kopiert werden:</numerusform>
            <numerusform>%n Replays konnten nicht nach Playback kopiert werden:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n markierte Replays sind durch die Suche ausgeblendet und wurden nicht kopiert:</source>
        <translation>
            <numerusform>1 markiertes Replay ist durch die Suche ausgeblendet und wurde nicht kopiert:</numerusform>
            <numerusform>%n markierte Replays sind durch die Suche ausgeblendet und wurden nicht kopiert:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Meldung</name>
    <message>
        <source>Fehler beim öffnen der Datei.</source>
        <translation>Fehler beim öffnen der Datei.</translation>
    </message>
    <message>
        <source>Datei existiert nicht.</source>
        <translation>Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Die Datei hat ein unerwartetes Format und wurde nicht geändert.</source>
        <translation>Die Datei hat ein unerwartetes Format und wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Die Datei ist schreibgeschützt und wurde nicht umbenannt.</source>
        <translation>Die Datei ist schreibgeschützt und wurde nicht umbenannt.</translation>
    </message>
    <message>
        <source>Die Datei wurde inzwischen verändert und wurde nicht umbenannt.</source>
        <translation>Die Datei wurde inzwischen verändert und wurde nicht umbenannt.</translation>
    </message>
</context>
<context>
    <name>Namensliste</name>
    <message numerus="yes">
        <source>und %n weitere</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Rasse</name>
    <message>
        <source>Space Marines</source>
        <translation>Space Marines</translation>
    </message>
    <message>
        <source>Chaos Marines</source>
        <translation>Chaos Marines</translation>
    </message>
    <message>
        <source>Eldar</source>
        <translation>Eldar</translation>
    </message>
    <message>
        <source>Orkz</source>
        <translation>Orkz</translation>
    </message>
    <message>
        <source>Imperial Guard</source>
        <translation>Imperial Guard</translation>
    </message>
    <message>
        <source>Necrons</source>
        <translation>Necrons</translation>
    </message>
    <message>
        <source>Tau Empire</source>
        <translation>Tau Empire</translation>
    </message>
    <message>
        <source>Dark Eldar</source>
        <translation>Dark Eldar</translation>
    </message>
    <message>
        <source>Sisters of Battle</source>
        <translation>Sisters of Battle</translation>
    </message>
</context>
<context>
    <name>Scanmeldung</name>
    <message numerus="yes">
        <source>Diese %n Dateien kann Quellarch nicht lesen; die Liste zeigt sie nur mit ihrem Dateinamen:</source>
        <translation>
            <numerusform>Diese Datei kann Quellarch nicht lesen; die Liste zeigt sie nur mit ihrem Dateinamen:</numerusform>
            <numerusform>Diese %n Dateien kann Quellarch nicht lesen; die Liste zeigt sie nur mit ihrem Dateinamen:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Siegbedingung</name>
    <message>
        <source>Vernichtung</source>
        <translation>Vernichtung</translation>
    </message>
    <message>
        <source>Attentat</source>
        <translation>Attentat</translation>
    </message>
    <message>
        <source>Kontrollgebiet</source>
        <translation>Kontrollgebiet</translation>
    </message>
    <message>
        <source>HQ zerstören</source>
        <translation>HQ zerstören</translation>
    </message>
    <message>
        <source>Ökonomischer Sieg</source>
        <translation>Ökonomischer Sieg</translation>
    </message>
    <message>
        <source>Erobern und halten</source>
        <translation>Erobern und halten</translation>
    </message>
    <message>
        <source>Sudden Death</source>
        <translation>Sudden Death</translation>
    </message>
</context>
<context>
    <name>Spalte</name>
    <message>
        <source>Spielname</source>
        <translation>Spielname</translation>
    </message>
    <message>
        <source>Karte</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Rasse</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
</context>
<context>
    <name>TInstallationsliste</name>
    <message>
        <source>Ausgabe</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Gefunden über</source>
        <translation>Gefunden über</translation>
    </message>
    <message>
        <source>Steam (App %1)</source>
        <translation>Steam (App %1)</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registry</translation>
    </message>
    <message>
        <source>Registry von Wine: %1</source>
        <translation>Registry von Wine: %1</translation>
    </message>
    <message>
        <source>von Hand eingetragen</source>
        <translation>von Hand eingetragen</translation>
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
        <translation>%1 von %2 Zeichen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Aktualisieren</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Replays &amp;kopieren</source>
        <translation>Replays &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Umbenennen</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>DOW &amp;starten</source>
        <translation>DOW &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Liste &amp;aktualisieren</source>
        <translation>Liste &amp;aktualisieren</translation>
    </message>
    <message>
        <source>Replays aus Playback &amp;importieren</source>
        <translation>Replays aus Playback &amp;importieren</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Ü&amp;ber Quellarch…</source>
        <translation>Ü&amp;ber Quellarch…</translation>
    </message>
    <message>
        <source>Bitte unter Optionen die Verzeichnisse eintragen.</source>
        <translation>Bitte unter Optionen die Verzeichnisse eintragen.</translation>
    </message>
    <message>
        <source>Die Verzeichnisse fehlen: Optionen (Alt+O)</source>
        <translation>Die Verzeichnisse fehlen: Optionen (Alt+O)</translation>
    </message>
    <message>
        <source>Das Dawn of War - Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.</source>
        <translation>Das Dawn of War - Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.</translation>
    </message>
    <message>
        <source>Das Dawn of War - Verzeichnis %1 gibt es nicht.</source>
        <translation>Das Dawn of War - Verzeichnis %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 fehlt der Ordner Playback.</source>
        <translation>Im Dawn of War - Verzeichnis %1 fehlt der Ordner Playback.</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.</source>
        <translation>Das Replay-Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 gibt es nicht.</source>
        <translation>Das Replay-Verzeichnis %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Bitte einen Namen eingeben.</source>
        <translation>Bitte einen Namen eingeben.</translation>
    </message>
    <message>
        <source>Ein Name nur aus Leerzeichen geht nicht.</source>
        <translation>Ein Name nur aus Leerzeichen geht nicht.</translation>
    </message>
    <message>
        <source>Der Name ist länger als 25 Zeichen.</source>
        <translation>Der Name ist länger als 25 Zeichen.</translation>
    </message>
    <message>
        <source>Kein Replay gewählt: nichts umbenannt.</source>
        <translation>Kein Replay gewählt: nichts umbenannt.</translation>
    </message>
    <message>
        <source>Nichts umbenannt.</source>
        <translation>Nichts umbenannt.</translation>
    </message>
    <message>
        <source>%1 heißt jetzt „%2“.</source>
        <translation>%1 heißt jetzt „%2“.</translation>
    </message>
    <message>
        <source>%1 wurde nicht umbenannt.</source>
        <translation>%1 wurde nicht umbenannt.</translation>
    </message>
    <message>
        <source>Dawn of War startet unter Wine, doch das Programm „wine“ wurde nicht gefunden. Bitte Wine installieren.</source>
        <translation>Dawn of War startet unter Wine, doch das Programm „wine“ wurde nicht gefunden. Bitte Wine installieren.</translation>
    </message>
    <message>
        <source>Dawn of War wurde mit Steam installiert, doch das Programm „steam“ wurde nicht gefunden. Bitte Steam installieren.</source>
        <translation>Dawn of War wurde mit Steam installiert, doch das Programm „steam“ wurde nicht gefunden. Bitte Steam installieren.</translation>
    </message>
    <message>
        <source>Dawn of War wurde nicht gestartet.</source>
        <translation>Dawn of War wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>%1 konnte nicht gestartet werden.<byte value="xd"/>
%2</source>
        <translation>%1 konnte nicht gestartet werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Dawn of War wird gestartet: %1</source>
        <translation>Dawn of War wird gestartet: %1</translation>
    </message>
    <message>
        <source>Kein Replay ist markiert: bitte die Replays ankreuzen, die das Spiel zeigen soll.</source>
        <translation>Kein Replay ist markiert: bitte die Replays ankreuzen, die das Spiel zeigen soll.</translation>
    </message>
    <message>
        <source>Keine Replays in %1</source>
        <translation>Keine Replays in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Replays in %1</source>
        <translation>
            <numerusform>%n Replay in %1</numerusform>
            <numerusform>%n Replays in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Kein Replay-Verzeichnis eingetragen</source>
        <translation>Kein Replay-Verzeichnis eingetragen</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 kann nicht gelesen werden</source>
        <translation>Das Replay-Verzeichnis %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Liste aktualisieren</source>
        <translation>Liste aktualisieren</translation>
    </message>
    <message>
        <source>Replays aus Playback-Verzeichnis kopieren</source>
        <translation>Replays aus Playback-Verzeichnis kopieren</translation>
    </message>
    <message>
        <source> Siegbedingungen </source>
        <translation> Siegbedingungen </translation>
    </message>
    <message>
        <source>Bitte unter Optionen die Verzeichnisse eintragen!</source>
        <translation>Bitte unter Optionen die Verzeichnisse eintragen!</translation>
    </message>
    <message>
        <source>Es wurden Replays im Playback-Verzeichnis<byte value="xd"/>
gefunden. Sollen sie kopiert werden?</source>
        <translation>Es wurden Replays im Playback-Verzeichnis<byte value="xd"/>
gefunden. Sollen sie kopiert werden?</translation>
    </message>
    <message>
        <source>Neue Replays kopieren</source>
        <translation>Neue Replays kopieren</translation>
    </message>
    <message>
        <source>Replay: %1
Datei: %2<byte value="xd"/>
<byte value="xd"/>
Neuer Replayname (1-25 Zeichen):</source>
        <translation>Replay: %1
Datei: %2<byte value="xd"/>
<byte value="xd"/>
Neuer Replayname (1-25 Zeichen):</translation>
    </message>
    <message>
        <source>Replay umbenennen</source>
        <translation>Replay umbenennen</translation>
    </message>
    <message>
        <source>Replays anschließend entfernen?</source>
        <translation>Replays anschließend entfernen?</translation>
    </message>
    <message>
        <source>Replays löschen</source>
        <translation>Replays löschen</translation>
    </message>
    <message>
        <source>Suchen: Name, Karte, Spieler, Rasse</source>
        <translation>Suchen: Name, Karte, Spieler, Rasse</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the status line, then the count of unreadable files</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien nicht lesbar</source>
        <translation>
            <numerusform>%n Datei nicht lesbar</numerusform>
            <numerusform>%n Dateien nicht lesbar</numerusform>
        </translation>
    </message>
    <message>
        <source>Neues Spiel gespeichert: %1</source>
        <translation>Neues Spiel gespeichert: %1</translation>
    </message>
    <message>
        <source>Das neue Spiel %1 konnte nicht in die Bibliothek gespeichert werden: %2</source>
        <translation>Das neue Spiel %1 konnte nicht in die Bibliothek gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 liegt keines der Programme W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe und W40k_gog.exe.</source>
        <translation>Im Dawn of War - Verzeichnis %1 liegt keines der Programme W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe und W40k_gog.exe.</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Datei &amp;umbenennen…</source>
        <translation>Datei &amp;umbenennen…</translation>
    </message>
    <message>
        <source>Datei&amp;namen aus Replays bilden…</source>
        <translation>Datei&amp;namen aus Replays bilden…</translation>
    </message>
    <message>
        <source>Im &amp;Ordner anzeigen</source>
        <translation>Im &amp;Ordner anzeigen</translation>
    </message>
    <message>
        <source>Als Dateien &amp;kopieren</source>
        <translation>Als Dateien &amp;kopieren</translation>
    </message>
    <message>
        <source>den neuen Namen trägt schon eine andere Datei</source>
        <translation>den neuen Namen trägt schon eine andere Datei</translation>
    </message>
    <message>
        <source>die Datei gibt es nicht mehr</source>
        <translation>die Datei gibt es nicht mehr</translation>
    </message>
    <message>
        <source>die Datei wurde geändert, seit die Liste sie zeigt</source>
        <translation>die Datei wurde geändert, seit die Liste sie zeigt</translation>
    </message>
    <message>
        <source>kein freier Name</source>
        <translation>kein freier Name</translation>
    </message>
    <message>
        <source>das System hat es abgelehnt</source>
        <translation>das System hat es abgelehnt</translation>
    </message>
    <message>
        <source>Ein Dateiname darf keines der Zeichen &lt; &gt; : &quot; / \ | ? * und keine Steuerzeichen enthalten.</source>
        <translation>Ein Dateiname darf keines der Zeichen &lt; &gt; : &quot; / \ | ? * und keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Ein Dateiname darf nicht mit einem Punkt oder Leerzeichen beginnen oder enden.</source>
        <translation>Ein Dateiname darf nicht mit einem Punkt oder Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>Diesen Namen hält Windows für ein Gerät frei (wie CON, NUL, COM1).</source>
        <translation>Diesen Namen hält Windows für ein Gerät frei (wie CON, NUL, COM1).</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>liegt nicht im Replay-Verzeichnis</source>
        <translation>liegt nicht im Replay-Verzeichnis</translation>
    </message>
    <message>
        <source>der Name ist kein UTF-8, der Papierkorb nimmt ihn nicht</source>
        <translation>der Name ist kein UTF-8, der Papierkorb nimmt ihn nicht</translation>
    </message>
    <message>
        <source>kein Papierkorb für diesen Ordner, oder das System lehnte ab (%1); die Datei bleibt</source>
        <translation>kein Papierkorb für diesen Ordner, oder das System lehnte ab (%1); die Datei bleibt</translation>
    </message>
    <message>
        <source>Kein Replay gewählt: nichts gelöscht.</source>
        <translation>Kein Replay gewählt: nichts gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>%n Replays in den Papierkorb verschieben?</source>
        <translation>
            <numerusform>1 Replay in den Papierkorb verschieben?</numerusform>
            <numerusform>%n Replays in den Papierkorb verschieben?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n markierte Replays sind durch die Suche ausgeblendet und bleiben, wo sie sind.</source>
        <translation>
            <numerusform>1 markiertes Replay ist durch die Suche ausgeblendet und bleibt, wo es ist.</numerusform>
            <numerusform>%n markierte Replays sind durch die Suche ausgeblendet und bleiben, wo sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nichts gelöscht.</source>
        <translation>Nichts gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>%n Replays in den Papierkorb verschoben.</source>
        <translation>
            <numerusform>1 Replay in den Papierkorb verschoben.</numerusform>
            <numerusform>%n Replays in den Papierkorb verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays wurden nicht gelöscht:</source>
        <translation>
            <numerusform>1 Replay wurde nicht gelöscht:</numerusform>
            <numerusform>%n Replays wurden nicht gelöscht:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n markierte Replays sind durch die Suche ausgeblendet und blieben, wo sie sind.</source>
        <translation>
            <numerusform>1 markiertes Replay ist durch die Suche ausgeblendet und blieb, wo es ist.</numerusform>
            <numerusform>%n markierte Replays sind durch die Suche ausgeblendet und blieben, wo sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eine Datei „%1“ gibt es schon.</source>
        <translation>Eine Datei „%1“ gibt es schon.</translation>
    </message>
    <message>
        <source>Datei umbenennen</source>
        <translation>Datei umbenennen</translation>
    </message>
    <message>
        <source>Datei: %1<byte value="xd"/>
<byte value="xd"/>
Neuer Dateiname (die Endung .rec bleibt):</source>
        <translation>Datei: %1<byte value="xd"/>
<byte value="xd"/>
Neuer Dateiname (die Endung .rec bleibt):</translation>
    </message>
    <message>
        <source>Die Datei %1 heißt jetzt %2.</source>
        <translation>Die Datei %1 heißt jetzt %2.</translation>
    </message>
    <message>
        <source>%1 wurde nicht umbenannt: %2.</source>
        <translation>%1 wurde nicht umbenannt: %2.</translation>
    </message>
    <message>
        <source>Die Dateien heißen schon so, wie die Vorlage sie nennt: nichts umbenannt.</source>
        <translation>Die Dateien heißen schon so, wie die Vorlage sie nennt: nichts umbenannt.</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien nach der Vorlage umbenennen?</source>
        <translation>
            <numerusform>1 Datei nach der Vorlage umbenennen?</numerusform>
            <numerusform>%n Dateien nach der Vorlage umbenennen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Dateinamen aus Replays bilden</source>
        <translation>Dateinamen aus Replays bilden</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien umbenannt.</source>
        <translation>
            <numerusform>1 Datei umbenannt.</numerusform>
            <numerusform>%n Dateien umbenannt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien wurden nicht umbenannt:</source>
        <translation>
            <numerusform>1 Datei wurde nicht umbenannt:</numerusform>
            <numerusform>%n Dateien wurden nicht umbenannt:</numerusform>
        </translation>
    </message>
    <message>
        <source>Der Ordner %1 wird im Dateimanager gezeigt.</source>
        <translation>Der Ordner %1 wird im Dateimanager gezeigt.</translation>
    </message>
    <message>
        <source>Kein Dateimanager konnte den Ordner %1 öffnen.</source>
        <translation>Kein Dateimanager konnte den Ordner %1 öffnen.</translation>
    </message>
    <message>
        <source>Kein Replay gewählt: nichts kopiert.</source>
        <translation>Kein Replay gewählt: nichts kopiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n Replays als Dateien in die Zwischenablage gelegt.</source>
        <translation>
            <numerusform>1 Replay als Datei in die Zwischenablage gelegt.</numerusform>
            <numerusform>%n Replays als Dateien in die Zwischenablage gelegt.</numerusform>
        </translation>
    </message>
    <message>
        <source>enthält keine Replays (*.rec)</source>
        <translation>enthält keine Replays (*.rec)</translation>
    </message>
    <message>
        <source>kein Replay (*.rec)</source>
        <translation>kein Replay (*.rec)</translation>
    </message>
    <message>
        <source>wird noch geschrieben oder änderte sich beim Kopieren</source>
        <translation>wird noch geschrieben oder änderte sich beim Kopieren</translation>
    </message>
    <message numerus="yes">
        <source>%n abgelegte Dateien wurden nicht genommen:</source>
        <translation>
            <numerusform>1 abgelegte Datei wurde nicht genommen:</numerusform>
            <numerusform>%n abgelegte Dateien wurden nicht genommen:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wurde nicht umbenannt: Quellarch kann die Datei nicht lesen.</source>
        <translation>%1 wurde nicht umbenannt: Quellarch kann die Datei nicht lesen.</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien kann Quellarch nicht lesen; sie behalten ihren Namen.</source>
        <translation>
            <numerusform>Eine Datei kann Quellarch nicht lesen; sie behält ihren Namen.</numerusform>
            <numerusform>%n Dateien kann Quellarch nicht lesen; sie behalten ihren Namen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Nichts umbenannt.</source>
        <translation>%1 Nichts umbenannt.</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Quellarch kann diese Datei nicht lesen.</source>
        <translation>Quellarch kann diese Datei nicht lesen.</translation>
    </message>
    <message>
        <source>Quellarch kann %1 nicht lesen; die Liste zeigt nur den Dateinamen.</source>
        <translation>Quellarch kann %1 nicht lesen; die Liste zeigt nur den Dateinamen.</translation>
    </message>
</context>
<context>
    <name>TfrmOptionen</name>
    <message>
        <source>„%1“ ist ein Windows-Pfad. Unter Linux liegt er im Wine-Präfix, zum Beispiel unter ~/.wine/drive_c/ für C:\.</source>
        <translation>„%1“ ist ein Windows-Pfad. Unter Linux liegt er im Wine-Präfix, zum Beispiel unter ~/.wine/drive_c/ für C:\.</translation>
    </message>
    <message>
        <source>Das Dawn of War - Verzeichnis %1 gibt es nicht.
Trotzdem übernehmen?</source>
        <translation>Das Dawn of War - Verzeichnis %1 gibt es nicht.
Trotzdem übernehmen?</translation>
    </message>
    <message>
        <source>Dawn of War - Verzeichnis</source>
        <translation>Dawn of War - Verzeichnis</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 gibt es nicht.
Soll es angelegt werden?</source>
        <translation>Das Replay-Verzeichnis %1 gibt es nicht.
Soll es angelegt werden?</translation>
    </message>
    <message>
        <source>Replay-Verzeichnis anlegen</source>
        <translation>Replay-Verzeichnis anlegen</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 kann nicht angelegt werden.</source>
        <translation>Das Replay-Verzeichnis %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source> Dawn of War - Verzeichnis </source>
        <translation> Dawn of War - Verzeichnis </translation>
    </message>
    <message>
        <source> Replay - Verzeichnis</source>
        <translation> Replay - Verzeichnis</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Verzeichnis auswählen...</source>
        <translation>Verzeichnis auswählen...</translation>
    </message>
    <message>
        <source>Netzlaufwerke werden nicht unterstützt</source>
        <translation>Netzlaufwerke werden nicht unterstützt</translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 fehlt der Ordner Playback.
Trotzdem übernehmen?</source>
        <translation>Im Dawn of War - Verzeichnis %1 fehlt der Ordner Playback.
Trotzdem übernehmen?</translation>
    </message>
    <message>
        <source>Alle Replays in den neuen Ordner kopieren?</source>
        <translation>Alle Replays in den neuen Ordner kopieren?</translation>
    </message>
    <message>
        <source>Replays kopieren</source>
        <translation>Replays kopieren</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis bleibt unverändert: %1</source>
        <translation>Das Replay-Verzeichnis bleibt unverändert: %1</translation>
    </message>
    <message>
        <source>Alte Replays löschen?</source>
        <translation>Alte Replays löschen?</translation>
    </message>
    <message>
        <source>Replays löschen</source>
        <translation>Replays löschen</translation>
    </message>
    <message>
        <source> Sprache </source>
        <translation> Sprache </translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Eine andere Sprache gilt ab dem nächsten Start von Quellarch.</source>
        <translation>Eine andere Sprache gilt ab dem nächsten Start von Quellarch.</translation>
    </message>
    <message>
        <source> Neue Spiele </source>
        <translation> Neue Spiele </translation>
    </message>
    <message>
        <source>Neue Spiele automatisch in die Bibliothek speichern</source>
        <translation>Neue Spiele automatisch in die Bibliothek speichern</translation>
    </message>
    <message>
        <source>Dateiname:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Felder: {Datum} {Uhrzeit} {Karte} {Spieler} {Name} {Spieleranzahl}</source>
        <translation>Felder: {Datum} {Uhrzeit} {Karte} {Spieler} {Name} {Spieleranzahl}</translation>
    </message>
    <message>
        <source>Zum Beispiel: %1</source>
        <translation>Zum Beispiel: %1</translation>
    </message>
    <message>
        <source>{Datum} {Uhrzeit} {Karte} – {Spieler}</source>
        <translation>{Datum} {Uhrzeit} {Karte} – {Spieler}</translation>
    </message>
    <message>
        <source> Gefundene Installationen </source>
        <translation> Gefundene Installationen </translation>
    </message>
    <message>
        <source> Weitere Playback-Ordner (einer je Zeile) </source>
        <translation> Weitere Playback-Ordner (einer je Zeile) </translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 fehlt ein Programm des Spiels (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe) und der Ordner Playback.
Trotzdem übernehmen?</source>
        <translation>Im Dawn of War - Verzeichnis %1 fehlt ein Programm des Spiels (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe) und der Ordner Playback.
Trotzdem übernehmen?</translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 fehlt ein Programm des Spiels (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe).
Trotzdem übernehmen?</source>
        <translation>Im Dawn of War - Verzeichnis %1 fehlt ein Programm des Spiels (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe).
Trotzdem übernehmen?</translation>
    </message>
</context>
<context>
    <name>UeberQuellarch</name>
    <message>
        <source>Quellarch %1<byte value="xd"/>
Verwaltet die Replays von Dawn of War.</source>
        <translation>Quellarch %1<byte value="xd"/>
Verwaltet die Replays von Dawn of War.</translation>
    </message>
    <message>
        <source>Quellarch ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern (GPL-3.0-or-later). Es wird ohne jede Gewährleistung bereitgestellt. Der Lizenztext liegt dem Programm bei.</source>
        <translation>Quellarch ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern (GPL-3.0-or-later). Es wird ohne jede Gewährleistung bereitgestellt. Der Lizenztext liegt dem Programm bei.</translation>
    </message>
    <message>
        <source>Quellarch verwendet Qt %1 unter der GNU Lesser General Public License, Version 3 (LGPL-3.0).</source>
        <translation>Quellarch verwendet Qt %1 unter der GNU Lesser General Public License, Version 3 (LGPL-3.0).</translation>
    </message>
    <message>
        <source>Quelltext: Den Quelltext von Quellarch erhalten Sie von dem, der Ihnen das Programm gegeben hat. Der Quelltext von Qt ist Debians Quellpaket qt6-base (https://sources.debian.org/src/qt6-base/).</source>
        <translation>Quelltext: Den Quelltext von Quellarch erhalten Sie von dem, der Ihnen das Programm gegeben hat. Der Quelltext von Qt ist Debians Quellpaket qt6-base (https://sources.debian.org/src/qt6-base/).</translation>
    </message>
</context>
<context>
    <name>quellarch-cli</name>
    <message>
        <source>Im Spielordner %1 gibt es keinen Ordner Playback.</source>
        <translation>Im Spielordner %1 gibt es keinen Ordner Playback.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht gelesen werden.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>quellarch-cli %1: die Replays von Dawn of War auf der Befehlszeile, so wie Quellarch sie liest.
</source>
        <translation>quellarch-cli %1: die Replays von Dawn of War auf der Befehlszeile, so wie Quellarch sie liest.
</translation>
    </message>
    <message>
        <source>Ein Ordner darf mit oder ohne Trenner am Ende angegeben werden.
Ergebnis: 0 erledigt, 1 fehlgeschlagen, 2 falscher Aufruf.
</source>
        <translation>Ein Ordner darf mit oder ohne Trenner am Ende angegeben werden.
Ergebnis: 0 erledigt, 1 fehlgeschlagen, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>quellarch-cli wird in der Eingabeaufforderung oder in PowerShell aufgerufen, zum Beispiel:
  quellarch-cli list &quot;C:\Users\Name\Documents\Replays&quot;
Das Fenster von Quellarch ist quellarch.exe.

Drücken Sie eine beliebige Taste, um dieses Fenster zu schließen.
</source>
        <translation>quellarch-cli wird in der Eingabeaufforderung oder in PowerShell aufgerufen, zum Beispiel:
  quellarch-cli list &quot;C:\Users\Name\Documents\Replays&quot;
Das Fenster von Quellarch ist quellarch.exe.

Drücken Sie eine beliebige Taste, um dieses Fenster zu schließen.
</translation>
    </message>
    <message>
        <source>quellarch-cli: Die Ausgabe konnte nicht geschrieben werden.
</source>
        <translation>quellarch-cli: Die Ausgabe konnte nicht geschrieben werden.
</translation>
    </message>
    <message>
        <source>Der Ordner %1 existiert nicht.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 ist kein Ordner.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>(nicht gefunden)</source>
        <translation>(nicht gefunden)</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Spielname</source>
        <translation>Spielname</translation>
    </message>
    <message>
        <source>Karte</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Spielname:</source>
        <translation>Spielname:</translation>
    </message>
    <message>
        <source>Karte:</source>
        <translation>Karte:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Spieler:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Siegbedingungen: %1</source>
        <translation>Siegbedingungen: %1</translation>
    </message>
    <message>
        <source>(steam fehlt)</source>
        <translation>(steam fehlt)</translation>
    </message>
    <message>
        <source>(wine fehlt)</source>
        <translation>(wine fehlt)</translation>
    </message>
    <message>
        <source>Installationen: %1
</source>
        <translation>Installationen: %1
</translation>
    </message>
    <message>
        <source>Kein Playback-Ordner gefunden: keine Installation von Dawn of War und kein weiterer Playback-Ordner.</source>
        <translation>Kein Playback-Ordner gefunden: keine Installation von Dawn of War und kein weiterer Playback-Ordner.</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>%1: nicht lesbar (%2)</source>
        <translation>%1: nicht lesbar (%2)</translation>
    </message>
</context>
</TS>
