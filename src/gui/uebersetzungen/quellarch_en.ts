<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  English for Quellarch. The German texts are the source texts.
  Glossary (German: English), one term for one thing everywhere:
    Replay: replay                 Bibliothek, Replay-Verzeichnis: library, library folder
    Playback, Ordner Playback, Playback-Verzeichnis: Playback folder (the game's folder)
    Dawn of War - Verzeichnis, Spielordner: Dawn of War folder, game folder
    Verzeichnis, Ordner: folder (never "directory")
    Aktualisieren: Refresh         Importieren: Import
    Replays kopieren: Copy replays Umbenennen: Rename
    DOW starten: Start the game    Optionen: Options
    Spielname: name                Karte: map
    Spieler: player                Rasse: race
    Sprache: language              Automatisch: Automatic (follows the system)
    markieren, ankreuzen: tick     löschen: delete, entfernen: remove
    Siegbedingungen: win conditions, named as the game names them: Annihilate,
      Assassinate, Control Area, Destroy HQ, Economic Victory, Take and Hold, Sudden Death
  Maps and races carry the names of the game's English edition as far as their keys tell
  them; a name guessed from its key says so in a translator comment. American spelling,
  as the game's.
-->
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Fehler</name>
    <message>
        <source>Unerwarteter Fehler: %1</source>
        <translation>Unexpected error: %1</translation>
    </message>
    <message>
        <source>Lesefehler: Die Datei konnte nicht gelesen werden.</source>
        <translation>Read error: the file could not be read.</translation>
    </message>
    <message>
        <source>Lesefehler: über das Dateiende hinaus in %1</source>
        <translation>Read error: past the end of the file in %1</translation>
    </message>
    <message>
        <source>Lesefehler: Die Position liegt außerhalb der Datei.</source>
        <translation>Read error: the position lies outside the file.</translation>
    </message>
    <message>
        <source>Schreibfehler: Der Datenträger ist voll.</source>
        <translation>Write error: the disk is full.</translation>
    </message>
    <message>
        <source>Schreibfehler: Die Datei konnte nicht geschrieben werden.</source>
        <translation>Write error: the file could not be written.</translation>
    </message>
    <message>
        <source>Schreibfehler: Die Daten konnten nicht auf den Datenträger geschrieben werden.</source>
        <translation>Write error: the data could not be written to the disk.</translation>
    </message>
    <message>
        <source>Fehler beim Schließen der Datei.</source>
        <translation>Error closing the file.</translation>
    </message>
    <message>
        <source>Der neue Name muss 1 bis 25 Zeichen lang sein.</source>
        <translation>The new name must be 1 to 25 characters long.</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht durch die umbenannte ersetzt werden.</source>
        <translation>The file could not be replaced by the renamed one.</translation>
    </message>
    <message>
        <source>In %1 kann nicht geschrieben werden</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>Ungültiger Datentyp für &apos;%1&apos;</source>
        <translation>Invalid data type for &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; is not a valid integer</translation>
    </message>
</context>
<context>
    <name>Karte</name>
    <message>
        <source>Sumpfgebiete</source>
        <translation>Battle Marshes</translation>
    </message>
    <message>
        <source>Blutfluss</source>
        <translation>Blood River</translation>
    </message>
    <message>
        <source>Das Flusstal</source>
        <translatorcomment>Guess: 2P_DEADMANS_CROSSING, with the apostrophe the key cannot hold.</translatorcomment>
        <translation>Deadman&apos;s Crossing</translation>
    </message>
    <message>
        <source>Gefallene Stade</source>
        <translation>Fallen City</translation>
    </message>
    <message>
        <source>Zusammenkunft</source>
        <translation>Meeting of Minds</translation>
    </message>
    <message>
        <source>Randgebiete</source>
        <translation>Outer Reaches</translation>
    </message>
    <message>
        <source>Bahnhof</source>
        <translatorcomment>Guess: the key 2P_RAILWAY as words.</translatorcomment>
        <translation>Railway</translation>
    </message>
    <message>
        <source>Verfluchtes Land</source>
        <translation>Tainted Pair</translation>
    </message>
    <message>
        <source>Tal des Khorne</source>
        <translation>Valley of Khorne</translation>
    </message>
    <message>
        <source>Biffys Wagnis</source>
        <translation>Biffy&apos;s Peril</translation>
    </message>
    <message>
        <source>Der Bergpass</source>
        <translation>Mountain Trail</translation>
    </message>
    <message>
        <source>Quatra</source>
        <translatorcomment>Guess: the key 4P_QUATRA, a name in every edition.</translatorcomment>
        <translation>Quatra</translation>
    </message>
    <message>
        <source>Heiliges Quadrat</source>
        <translatorcomment>Guess: 4P_SAINTS_SQUARE; where the apostrophe stands is not in the key.</translatorcomment>
        <translation>Saint&apos;s Square</translation>
    </message>
    <message>
        <source>Verfluchter Ort</source>
        <translation>Tainted Place</translation>
    </message>
    <message>
        <source>Verdorbene Seele</source>
        <translation>Tainted Soul</translation>
    </message>
    <message>
        <source>Zentrum von Tartarus</source>
        <translatorcomment>Guess: 4P_TARTARUS_CENTER, in the key&apos;s American spelling.</translatorcomment>
        <translation>Tartarus Center</translation>
    </message>
    <message>
        <source>Der Vulkan</source>
        <translation>Volcanic Reaction</translation>
    </message>
    <message>
        <source>Die Allee des Blutvergießens</source>
        <translation>Bloodshed Alley</translation>
    </message>
    <message>
        <source>Kreuzweg</source>
        <translation>Crossroads</translation>
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
        <translation>Testing Grounds</translation>
    </message>
    <message>
        <source>Straßen von Vogen</source>
        <translation>Streets of Vogen</translation>
    </message>
    <message>
        <source>Die Gräber</source>
        <translation>Burial Grounds</translation>
    </message>
    <message>
        <source>Daturias</source>
        <translatorcomment>Guess: the key 8P_DATURIAS_PITS as words; the German name drops the pits.</translatorcomment>
        <translation>Daturias Pits</translation>
    </message>
    <message>
        <source>Vorhof zur Hölle</source>
        <translation>Doom Chamber</translation>
    </message>
    <message>
        <source>Letzte Hoffnung</source>
        <translation>Lost Hope</translation>
    </message>
    <message>
        <source>Penal-Kolonie</source>
        <translation>Penal Colony</translation>
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
            <numerusform>%n replay was already there.</numerusform>
            <numerusform>%n replays were already there.</numerusform>
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
        <translation>Error opening the file.</translation>
    </message>
    <message>
        <source>Datei existiert nicht.</source>
        <translation>File does not exist.</translation>
    </message>
    <message>
        <source>Die Datei hat ein unerwartetes Format und wurde nicht geändert.</source>
        <translation>The file has an unexpected format and was not changed.</translation>
    </message>
    <message>
        <source>Die Datei ist schreibgeschützt und wurde nicht umbenannt.</source>
        <translation>The file is read-only and was not renamed.</translation>
    </message>
    <message>
        <source>Die Datei wurde inzwischen verändert und wurde nicht umbenannt.</source>
        <translation>The file was changed meanwhile and was not renamed.</translation>
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
        <translation>Space Marines</translation>
    </message>
    <message>
        <source>Chaos Marines</source>
        <translation>Chaos Space Marines</translation>
    </message>
    <message>
        <source>Eldar</source>
        <translation>Eldar</translation>
    </message>
    <message>
        <source>Orkz</source>
        <translation>Orks</translation>
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
            <numerusform>Quellarch cannot read this file; the list shows it by its file name only:</numerusform>
            <numerusform>Quellarch cannot read these %n files; the list shows them by their file names only:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Siegbedingung</name>
    <message>
        <source>Vernichtung</source>
        <translation>Annihilate</translation>
    </message>
    <message>
        <source>Attentat</source>
        <translation>Assassinate</translation>
    </message>
    <message>
        <source>Kontrollgebiet</source>
        <translation>Control Area</translation>
    </message>
    <message>
        <source>HQ zerstören</source>
        <translation>Destroy HQ</translation>
    </message>
    <message>
        <source>Ökonomischer Sieg</source>
        <translation>Economic Victory</translation>
    </message>
    <message>
        <source>Erobern und halten</source>
        <translation>Take and Hold</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Karte</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Spieler</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Rasse</source>
        <translation>Race</translation>
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
        <translation>%1 of %2 characters</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Aktualisieren</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Replays &amp;kopieren</source>
        <translation>&amp;Copy replays</translation>
    </message>
    <message>
        <source>&amp;Umbenennen</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>DOW &amp;starten</source>
        <translation>&amp;Start the game</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Liste &amp;aktualisieren</source>
        <translation>&amp;Refresh list</translation>
    </message>
    <message>
        <source>Replays aus Playback &amp;importieren</source>
        <translation>&amp;Import replays from Playback</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Ü&amp;ber Quellarch…</source>
        <translation>&amp;About Quellarch…</translation>
    </message>
    <message>
        <source>Bitte unter Optionen die Verzeichnisse eintragen.</source>
        <translation>Please enter the folders under Options.</translation>
    </message>
    <message>
        <source>Die Verzeichnisse fehlen: Optionen (Alt+O)</source>
        <translation>The folders are missing: Options (Alt+O)</translation>
    </message>
    <message>
        <source>Das Dawn of War - Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.</source>
        <translation>No Dawn of War folder is set. Please enter it under Options.</translation>
    </message>
    <message>
        <source>Das Dawn of War - Verzeichnis %1 gibt es nicht.</source>
        <translation>The Dawn of War folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 fehlt der Ordner Playback.</source>
        <translation>The Dawn of War folder %1 has no Playback folder.</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis ist nicht eingetragen. Bitte unter Optionen eintragen.</source>
        <translation>No library folder is set. Please enter it under Options.</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 gibt es nicht.</source>
        <translation>The library folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Bitte einen Namen eingeben.</source>
        <translation>Please enter a name.</translation>
    </message>
    <message>
        <source>Ein Name nur aus Leerzeichen geht nicht.</source>
        <translation>A name cannot consist of spaces only.</translation>
    </message>
    <message>
        <source>Der Name ist länger als 25 Zeichen.</source>
        <translation>The name is longer than 25 characters.</translation>
    </message>
    <message>
        <source>Kein Replay gewählt: nichts umbenannt.</source>
        <translation>No replay selected: nothing renamed.</translation>
    </message>
    <message>
        <source>Nichts umbenannt.</source>
        <translation>Nothing renamed.</translation>
    </message>
    <message>
        <source>%1 heißt jetzt „%2“.</source>
        <translation>%1 is now called “%2”.</translation>
    </message>
    <message>
        <source>%1 wurde nicht umbenannt.</source>
        <translation>%1 was not renamed.</translation>
    </message>
    <message>
        <source>Dawn of War startet unter Wine, doch das Programm „wine“ wurde nicht gefunden. Bitte Wine installieren.</source>
        <translation>Dawn of War runs under Wine, but the program “wine” was not found. Please install Wine.</translation>
    </message>
    <message>
        <source>Dawn of War wurde mit Steam installiert, doch das Programm „steam“ wurde nicht gefunden. Bitte Steam installieren.</source>
        <translation>Dawn of War was installed with Steam, but the program “steam” was not found. Please install Steam.</translation>
    </message>
    <message>
        <source>Dawn of War wurde nicht gestartet.</source>
        <translation>Dawn of War was not started.</translation>
    </message>
    <message>
        <source>%1 konnte nicht gestartet werden.<byte value="xd"/>
%2</source>
        <translation>%1 could not be started.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Dawn of War wird gestartet: %1</source>
        <translation>Starting Dawn of War: %1</translation>
    </message>
    <message>
        <source>Kein Replay ist markiert: bitte die Replays ankreuzen, die das Spiel zeigen soll.</source>
        <translation>No replay is ticked: please tick the replays the game is to show.</translation>
    </message>
    <message>
        <source>Keine Replays in %1</source>
        <translation>No replays in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n Replays in %1</source>
        <translation>
            <numerusform>%n replay in %1</numerusform>
            <numerusform>%n replays in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Kein Replay-Verzeichnis eingetragen</source>
        <translation>No library folder set</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 kann nicht gelesen werden</source>
        <translation>The library folder %1 cannot be read</translation>
    </message>
    <message>
        <source>Liste aktualisieren</source>
        <translation>Refresh list</translation>
    </message>
    <message>
        <source>Replays aus Playback-Verzeichnis kopieren</source>
        <translation>Import replays from the Playback folder</translation>
    </message>
    <message>
        <source> Siegbedingungen </source>
        <translation> Win conditions </translation>
    </message>
    <message>
        <source>Bitte unter Optionen die Verzeichnisse eintragen!</source>
        <translation>Please enter the folders under Options!</translation>
    </message>
    <message>
        <source>Es wurden Replays im Playback-Verzeichnis<byte value="xd"/>
gefunden. Sollen sie kopiert werden?</source>
        <translation>Replays were found in the Playback folder.<byte value="xd"/>
Copy them into the library?</translation>
    </message>
    <message>
        <source>Neue Replays kopieren</source>
        <translation>Copy new replays</translation>
    </message>
    <message>
        <source>Replay: %1
Datei: %2<byte value="xd"/>
<byte value="xd"/>
Neuer Replayname (1-25 Zeichen):</source>
        <translation>Replay: %1
File: %2<byte value="xd"/>
<byte value="xd"/>
New replay name (1-25 characters):</translation>
    </message>
    <message>
        <source>Replay umbenennen</source>
        <translation>Rename replay</translation>
    </message>
    <message>
        <source>Replays anschließend entfernen?</source>
        <translation>Remove the replays from the Playback folder afterwards?</translation>
    </message>
    <message>
        <source>Replays löschen</source>
        <translation>Delete replays</translation>
    </message>
    <message>
        <source>Suchen: Name, Karte, Spieler, Rasse</source>
        <translation>Search: name, map, player, race</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the status line, then the count of unreadable files</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien nicht lesbar</source>
        <translation>
            <numerusform>%n file unreadable</numerusform>
            <numerusform>%n files unreadable</numerusform>
        </translation>
    </message>
    <message>
        <source>Neues Spiel gespeichert: %1</source>
        <translation>New game saved: %1</translation>
    </message>
    <message>
        <source>Das neue Spiel %1 konnte nicht in die Bibliothek gespeichert werden: %2</source>
        <translation>The new game %1 could not be saved to the library: %2</translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 liegt keines der Programme W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe und W40k_gog.exe.</source>
        <translation>The Dawn of War folder %1 holds none of the programs W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe and W40k_gog.exe.</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Datei &amp;umbenennen…</source>
        <translation>Rename &amp;file…</translation>
    </message>
    <message>
        <source>Datei&amp;namen aus Replays bilden…</source>
        <translation>&amp;Name files from their replays…</translation>
    </message>
    <message>
        <source>Im &amp;Ordner anzeigen</source>
        <translation>Show in &amp;folder</translation>
    </message>
    <message>
        <source>Als Dateien &amp;kopieren</source>
        <translation>&amp;Copy as files</translation>
    </message>
    <message>
        <source>den neuen Namen trägt schon eine andere Datei</source>
        <translation>another file already has the new name</translation>
    </message>
    <message>
        <source>die Datei gibt es nicht mehr</source>
        <translation>the file no longer exists</translation>
    </message>
    <message>
        <source>die Datei wurde geändert, seit die Liste sie zeigt</source>
        <translation>the file was changed since the list showed it</translation>
    </message>
    <message>
        <source>kein freier Name</source>
        <translation>no free name</translation>
    </message>
    <message>
        <source>das System hat es abgelehnt</source>
        <translation>the system refused</translation>
    </message>
    <message>
        <source>Ein Dateiname darf keines der Zeichen &lt; &gt; : &quot; / \ | ? * und keine Steuerzeichen enthalten.</source>
        <translation>A file name may not contain any of the characters &lt; &gt; : &quot; / \ | ? * nor control characters.</translation>
    </message>
    <message>
        <source>Ein Dateiname darf nicht mit einem Punkt oder Leerzeichen beginnen oder enden.</source>
        <translation>A file name may not begin or end with a dot or a space.</translation>
    </message>
    <message>
        <source>Diesen Namen hält Windows für ein Gerät frei (wie CON, NUL, COM1).</source>
        <translation>Windows keeps this name for a device (like CON, NUL, COM1).</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>liegt nicht im Replay-Verzeichnis</source>
        <translation>not in the library folder</translation>
    </message>
    <message>
        <source>der Name ist kein UTF-8, der Papierkorb nimmt ihn nicht</source>
        <translation>the name is not UTF-8, the trash does not take it</translation>
    </message>
    <message>
        <source>kein Papierkorb für diesen Ordner, oder das System lehnte ab (%1); die Datei bleibt</source>
        <translation>no trash for this folder, or the system refused (%1); the file stays</translation>
    </message>
    <message>
        <source>Kein Replay gewählt: nichts gelöscht.</source>
        <translation>No replay selected: nothing deleted.</translation>
    </message>
    <message numerus="yes">
        <source>%n Replays in den Papierkorb verschieben?</source>
        <translation>
            <numerusform>Move %n replay to the trash?</numerusform>
            <numerusform>Move %n replays to the trash?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n markierte Replays sind durch die Suche ausgeblendet und bleiben, wo sie sind.</source>
        <translation>
            <numerusform>%n ticked replay is hidden by the search and stays where it is.</numerusform>
            <numerusform>%n ticked replays are hidden by the search and stay where they are.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nichts gelöscht.</source>
        <translation>Nothing deleted.</translation>
    </message>
    <message numerus="yes">
        <source>%n Replays in den Papierkorb verschoben.</source>
        <translation>
            <numerusform>%n replay moved to the trash.</numerusform>
            <numerusform>%n replays moved to the trash.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Replays wurden nicht gelöscht:</source>
        <translation>
            <numerusform>%n replay was not deleted:</numerusform>
            <numerusform>%n replays were not deleted:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n markierte Replays sind durch die Suche ausgeblendet und blieben, wo sie sind.</source>
        <translation>
            <numerusform>%n ticked replay is hidden by the search and stayed where it was.</numerusform>
            <numerusform>%n ticked replays are hidden by the search and stayed where they were.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eine Datei „%1“ gibt es schon.</source>
        <translation>A file “%1” already exists.</translation>
    </message>
    <message>
        <source>Datei umbenennen</source>
        <translation>Rename file</translation>
    </message>
    <message>
        <source>Datei: %1<byte value="xd"/>
<byte value="xd"/>
Neuer Dateiname (die Endung .rec bleibt):</source>
        <translation>File: %1<byte value="xd"/>
<byte value="xd"/>
New file name (the ending .rec stays):</translation>
    </message>
    <message>
        <source>Die Datei %1 heißt jetzt %2.</source>
        <translation>The file %1 is now called %2.</translation>
    </message>
    <message>
        <source>%1 wurde nicht umbenannt: %2.</source>
        <translation>%1 was not renamed: %2.</translation>
    </message>
    <message>
        <source>Die Dateien heißen schon so, wie die Vorlage sie nennt: nichts umbenannt.</source>
        <translation>The files already have the names the template gives: nothing renamed.</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien nach der Vorlage umbenennen?</source>
        <translation>
            <numerusform>Rename %n file by the template?</numerusform>
            <numerusform>Rename %n files by the template?</numerusform>
        </translation>
    </message>
    <message>
        <source>Dateinamen aus Replays bilden</source>
        <translation>Name files from their replays</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien umbenannt.</source>
        <translation>
            <numerusform>%n file renamed.</numerusform>
            <numerusform>%n files renamed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien wurden nicht umbenannt:</source>
        <translation>
            <numerusform>%n file was not renamed:</numerusform>
            <numerusform>%n files were not renamed:</numerusform>
        </translation>
    </message>
    <message>
        <source>Der Ordner %1 wird im Dateimanager gezeigt.</source>
        <translation>The folder %1 is shown in the file manager.</translation>
    </message>
    <message>
        <source>Kein Dateimanager konnte den Ordner %1 öffnen.</source>
        <translation>No file manager could open the folder %1.</translation>
    </message>
    <message>
        <source>Kein Replay gewählt: nichts kopiert.</source>
        <translation>No replay selected: nothing copied.</translation>
    </message>
    <message numerus="yes">
        <source>%n Replays als Dateien in die Zwischenablage gelegt.</source>
        <translation>
            <numerusform>%n replay put on the clipboard as a file.</numerusform>
            <numerusform>%n replays put on the clipboard as files.</numerusform>
        </translation>
    </message>
    <message>
        <source>enthält keine Replays (*.rec)</source>
        <translation>holds no replays (*.rec)</translation>
    </message>
    <message>
        <source>kein Replay (*.rec)</source>
        <translation>not a replay (*.rec)</translation>
    </message>
    <message>
        <source>wird noch geschrieben oder änderte sich beim Kopieren</source>
        <translation>still being written, or it changed while being copied</translation>
    </message>
    <message numerus="yes">
        <source>%n abgelegte Dateien wurden nicht genommen:</source>
        <translation>
            <numerusform>%n dropped file was not taken:</numerusform>
            <numerusform>%n dropped files were not taken:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 wurde nicht umbenannt: Quellarch kann die Datei nicht lesen.</source>
        <translation>%1 was not renamed: Quellarch cannot read the file.</translation>
    </message>
    <message numerus="yes">
        <source>%n Dateien kann Quellarch nicht lesen; sie behalten ihren Namen.</source>
        <translation>
            <numerusform>Quellarch cannot read one file; it keeps its name.</numerusform>
            <numerusform>Quellarch cannot read %n files; they keep their names.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Nichts umbenannt.</source>
        <translation>%1 Nothing renamed.</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>Quellarch kann diese Datei nicht lesen.</source>
        <translation>Quellarch cannot read this file.</translation>
    </message>
    <message>
        <source>Quellarch kann %1 nicht lesen; die Liste zeigt nur den Dateinamen.</source>
        <translation>Quellarch cannot read %1; the list shows its file name only.</translation>
    </message>
</context>
<context>
    <name>TfrmOptionen</name>
    <message>
        <source>„%1“ ist ein Windows-Pfad. Unter Linux liegt er im Wine-Präfix, zum Beispiel unter ~/.wine/drive_c/ für C:\.</source>
        <translation>“%1” is a Windows path. On Linux it lies inside the Wine prefix, for example under ~/.wine/drive_c/ for C:\.</translation>
    </message>
    <message>
        <source>Das Dawn of War - Verzeichnis %1 gibt es nicht.
Trotzdem übernehmen?</source>
        <translation>The Dawn of War folder %1 does not exist.
Use it anyway?</translation>
    </message>
    <message>
        <source>Dawn of War - Verzeichnis</source>
        <translation>Dawn of War folder</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 gibt es nicht.
Soll es angelegt werden?</source>
        <translation>The library folder %1 does not exist.
Create it?</translation>
    </message>
    <message>
        <source>Replay-Verzeichnis anlegen</source>
        <translation>Create library folder</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis %1 kann nicht angelegt werden.</source>
        <translation>The library folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source> Dawn of War - Verzeichnis </source>
        <translation> Dawn of War folder </translation>
    </message>
    <message>
        <source> Replay - Verzeichnis</source>
        <translation> Library folder</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Verzeichnis auswählen...</source>
        <translation>Select folder...</translation>
    </message>
    <message>
        <source>Netzlaufwerke werden nicht unterstützt</source>
        <translation>Network drives are not supported</translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 fehlt der Ordner Playback.
Trotzdem übernehmen?</source>
        <translation>The Dawn of War folder %1 has no Playback folder.
Use it anyway?</translation>
    </message>
    <message>
        <source>Alle Replays in den neuen Ordner kopieren?</source>
        <translation>Copy all replays into the new folder?</translation>
    </message>
    <message>
        <source>Replays kopieren</source>
        <translation>Copy replays</translation>
    </message>
    <message>
        <source>Das Replay-Verzeichnis bleibt unverändert: %1</source>
        <translation>The library folder stays unchanged: %1</translation>
    </message>
    <message>
        <source>Alte Replays löschen?</source>
        <translation>Delete the old replays?</translation>
    </message>
    <message>
        <source>Replays löschen</source>
        <translation>Delete replays</translation>
    </message>
    <message>
        <source> Sprache </source>
        <translation> Language </translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Eine andere Sprache gilt ab dem nächsten Start von Quellarch.</source>
        <translation>A new language takes effect the next time Quellarch starts.</translation>
    </message>
    <message>
        <source> Neue Spiele </source>
        <translation> New games </translation>
    </message>
    <message>
        <source>Neue Spiele automatisch in die Bibliothek speichern</source>
        <translation>Save new games to the library automatically</translation>
    </message>
    <message>
        <source>Dateiname:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Felder: {Datum} {Uhrzeit} {Karte} {Spieler} {Name} {Spieleranzahl}</source>
        <translation>Fields: {Date} {Time} {Map} {Players} {Name} {PlayerCount}</translation>
    </message>
    <message>
        <source>Zum Beispiel: %1</source>
        <translation>For example: %1</translation>
    </message>
    <message>
        <source>{Datum} {Uhrzeit} {Karte} – {Spieler}</source>
        <translation>{Date} {Time} {Map} – {Players}</translation>
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
        <source>Im Dawn of War - Verzeichnis %1 fehlt ein Programm des Spiels (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe) und der Ordner Playback.
Trotzdem übernehmen?</source>
        <translation>The Dawn of War folder %1 has no program of the game (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe) and no Playback folder.
Use it anyway?</translation>
    </message>
    <message>
        <source>Im Dawn of War - Verzeichnis %1 fehlt ein Programm des Spiels (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe).
Trotzdem übernehmen?</source>
        <translation>The Dawn of War folder %1 has no program of the game (W40k.exe, W40kWA.exe, DarkCrusade.exe, Soulstorm.exe, W40k_gog.exe).
Use it anyway?</translation>
    </message>
</context>
<context>
    <name>UeberQuellarch</name>
    <message>
        <source>Quellarch %1<byte value="xd"/>
Verwaltet die Replays von Dawn of War.</source>
        <translation>Quellarch %1<byte value="xd"/>
Manages the replays of Dawn of War.</translation>
    </message>
    <message>
        <source>Quellarch ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern (GPL-3.0-or-later). Es wird ohne jede Gewährleistung bereitgestellt. Der Lizenztext liegt dem Programm bei.</source>
        <translation>Quellarch is free software: you may redistribute and modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes without any warranty. The license text comes with the program.</translation>
    </message>
    <message>
        <source>Quellarch verwendet Qt %1 unter der GNU Lesser General Public License, Version 3 (LGPL-3.0).</source>
        <translation>Quellarch uses Qt %1 under the GNU Lesser General Public License, version 3 (LGPL-3.0).</translation>
    </message>
    <message>
        <source>Quelltext: Den Quelltext von Quellarch erhalten Sie von dem, der Ihnen das Programm gegeben hat. Der Quelltext von Qt ist Debians Quellpaket qt6-base (https://sources.debian.org/src/qt6-base/).</source>
        <translation>Source code: you get the source code of Quellarch from whoever gave you the program. The source code of Qt is Debian&apos;s source package qt6-base (https://sources.debian.org/src/qt6-base/).</translation>
    </message>
</context>
<context>
    <name>quellarch-cli</name>
    <message>
        <source>Im Spielordner %1 gibt es keinen Ordner Playback.</source>
        <translation>The game folder %1 has no Playback folder.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht gelesen werden.</source>
        <translation>The folder %1 cannot be read.</translation>
    </message>
    <message>
        <source>quellarch-cli %1: die Replays von Dawn of War auf der Befehlszeile, so wie Quellarch sie liest.
</source>
        <translation>quellarch-cli %1: the replays of Dawn of War on the command line, as Quellarch reads them.
</translation>
    </message>
    <message>
        <source>Ein Ordner darf mit oder ohne Trenner am Ende angegeben werden.
Ergebnis: 0 erledigt, 1 fehlgeschlagen, 2 falscher Aufruf.
</source>
        <translation>A folder may be given with or without its final separator.
Exit status: 0 done, 1 failed, 2 wrong usage.
</translation>
    </message>
    <message>
        <source>quellarch-cli wird in der Eingabeaufforderung oder in PowerShell aufgerufen, zum Beispiel:
  quellarch-cli list &quot;C:\Users\Name\Documents\Replays&quot;
Das Fenster von Quellarch ist quellarch.exe.

Drücken Sie eine beliebige Taste, um dieses Fenster zu schließen.
</source>
        <translation>quellarch-cli is run from the Command Prompt or PowerShell, for example:
  quellarch-cli list &quot;C:\Users\Name\Documents\Replays&quot;
The window of Quellarch is quellarch.exe.

Press any key to close this window.
</translation>
    </message>
    <message>
        <source>quellarch-cli: Die Ausgabe konnte nicht geschrieben werden.
</source>
        <translation>quellarch-cli: the output could not be written.
</translation>
    </message>
    <message>
        <source>Der Ordner %1 existiert nicht.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 ist kein Ordner.</source>
        <translation>%1 is not a folder.</translation>
    </message>
    <message>
        <source>(nicht gefunden)</source>
        <translation>(not found)</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Spielname</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Karte</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Spielname:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Karte:</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Spieler:</source>
        <translation>Players:</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Siegbedingungen: %1</source>
        <translation>Win conditions: %1</translation>
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
    <message>
        <source>nicht lesbar</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>%1: nicht lesbar (%2)</source>
        <translation>%1: unreadable (%2)</translation>
    </message>
</context>
</TS>
