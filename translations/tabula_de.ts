<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tabula::AboutDialog</name>
    <message>
        <source>About Tabula...</source>
        <translation>Info über Tabula...</translation>
    </message>
    <message>
        <source>Tabula %1, a card file
Keeps index cards in order
Press F1 for help</source>
        <translation>Tabula %1, eine Kartei
Hält Karteikarten in Ordnung
Drücken Sie F1 für die Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tabula::CardCommands</name>
    <message>
        <source>Tabula Warning</source>
        <translation>Tabula-Warnung</translation>
    </message>
    <message>
        <source>Did Not Create Card</source>
        <translation>Karte nicht erstellt</translation>
    </message>
    <message>
        <source>Did Not Change Text</source>
        <translation>Text nicht geändert</translation>
    </message>
    <message>
        <source>Text Not Found</source>
        <translation>Text nicht gefunden</translation>
    </message>
    <message>
        <source>Tabula Warning...</source>
        <translation>Tabula-Warnung...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Not Found</source>
        <translation>„%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; ?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message>
        <source>Delete Card</source>
        <translation>Karte löschen</translation>
    </message>
</context>
<context>
    <name>tabula::CardEditor</name>
    <message>
        <source>1 character could not be stored and became ?</source>
        <translation>1 Zeichen konnte nicht gespeichert werden und wurde zu ?</translation>
    </message>
    <message>
        <source>%1 characters could not be stored and became ?</source>
        <translation>%1 Zeichen konnten nicht gespeichert werden und wurden zu ?</translation>
    </message>
    <message>
        <source>1 character did not fit on the card</source>
        <translation>1 Zeichen passte nicht mehr auf die Karte</translation>
    </message>
    <message>
        <source>%1 characters did not fit on the card</source>
        <translation>%1 Zeichen passten nicht mehr auf die Karte</translation>
    </message>
</context>
<context>
    <name>tabula::CardMenuList</name>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
</context>
<context>
    <name>tabula::Commands</name>
    <message>
        <source>&amp;New	F2</source>
        <translation>&amp;Neu	F2</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Erstellt ein neues Dokument</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Öffnet ein vorhandenes Dokument</translation>
    </message>
    <message>
        <source>&amp;Save	F3</source>
        <translation>&amp;Speichern	F3</translation>
    </message>
    <message>
        <source>Save the current document</source>
        <translation>Speichert das aktuelle Dokument</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document in a different file</source>
        <translation>Speichert das aktive Dokument in einer anderen Datei</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Zusammenführen...</translation>
    </message>
    <message>
        <source>Merge two .TBX files together</source>
        <translation>Führt zwei .TBX-Dateien zusammen</translation>
    </message>
    <message>
        <source>Cardfile...</source>
        <translation>Cardfile-Datei...</translation>
    </message>
    <message>
        <source>Open a Cardfile file</source>
        <translation>Öffnet eine Cardfile-Datei</translation>
    </message>
    <message>
        <source>Text file...</source>
        <translation>Textdatei...</translation>
    </message>
    <message>
        <source>Exports a ASCII text file</source>
        <translation>Exportiert eine ASCII-Textdatei</translation>
    </message>
    <message>
        <source>Comma Delimited Text...</source>
        <translation>Kommagetrennter Text...</translation>
    </message>
    <message>
        <source>Exports a file compatible with most Database programs</source>
        <translation>Exportiert eine Datei, die die meisten Datenbankprogramme lesen können</translation>
    </message>
    <message>
        <source>&amp;Card...</source>
        <translation>&amp;Karte...</translation>
    </message>
    <message>
        <source>Print the front most card</source>
        <translation>Druckt die vorderste Karte</translation>
    </message>
    <message>
        <source>&amp;List...</source>
        <translation>&amp;Liste...</translation>
    </message>
    <message>
        <source>Print a list of all indexes</source>
        <translation>Druckt eine Liste aller Indexzeilen</translation>
    </message>
    <message>
        <source>Tag...</source>
        <translation>Markierte Karten...</translation>
    </message>
    <message>
        <source>Print tagged cards</source>
        <translation>Druckt die markierten Karten</translation>
    </message>
    <message>
        <source>Email the front card</source>
        <translation>Sendet die vorderste Karte per E-Mail</translation>
    </message>
    <message>
        <source>Email a list of all indexes</source>
        <translation>Sendet eine Liste aller Indexzeilen per E-Mail</translation>
    </message>
    <message>
        <source>Email tagged cards</source>
        <translation>Sendet die markierten Karten per E-Mail</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Beendet die Anwendung</translation>
    </message>
    <message>
        <source>&amp;Undo	</source>
        <translation>&amp;Rückgängig	</translation>
    </message>
    <message>
        <source>Undo the last keystroke</source>
        <translation>Macht den letzten Tastendruck rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t	Shift+Del</source>
        <translation>&amp;Ausschneiden	Umschalt+Entf</translation>
    </message>
    <message>
        <source>Cut the selected text to the clipboard</source>
        <translation>Schneidet den markierten Text aus und legt ihn in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+Ins</source>
        <translation>&amp;Kopieren	Strg+Einfg</translation>
    </message>
    <message>
        <source>Copy the selected text to the clipboard</source>
        <translation>Kopiert den markierten Text in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Paste	Shift+Ins</source>
        <translation>&amp;Einfügen	Umschalt+Einfg</translation>
    </message>
    <message>
        <source>Paste the clipboard text into card</source>
        <translation>Fügt den Text aus der Zwischenablage in die Karte ein</translation>
    </message>
    <message>
        <source>I&amp;ndex...</source>
        <translation>&amp;Index...</translation>
    </message>
    <message>
        <source>Edit the Index header of the front card</source>
        <translation>Bearbeitet die Indexzeile der vordersten Karte</translation>
    </message>
    <message>
        <source>&amp;Go To...	F5</source>
        <translation>&amp;Gehe zu...	F5</translation>
    </message>
    <message>
        <source>Bring a specific card to the front</source>
        <translation>Holt eine bestimmte Karte nach vorn</translation>
    </message>
    <message>
        <source>&amp;Find...	F4</source>
        <translation>&amp;Suchen...	F4</translation>
    </message>
    <message>
        <source>Find all occurences of specified text</source>
        <translation>Sucht alle Vorkommen des angegebenen Textes</translation>
    </message>
    <message>
        <source>&amp;Add...	F7</source>
        <translation>&amp;Hinzufügen...	F7</translation>
    </message>
    <message>
        <source>Add a new card</source>
        <translation>Fügt eine neue Karte hinzu</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Delete the front card</source>
        <translation>Löscht die vorderste Karte</translation>
    </message>
    <message>
        <source>Select multiple cards to print or email</source>
        <translation>Wählt mehrere Karten zum Drucken oder Versenden aus</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the main window to the start up position</source>
        <translation>Stellt das Hauptfenster an seiner Startposition wieder her</translation>
    </message>
    <message>
        <source>Contents...	F1</source>
        <translation>Inhalt...	F1</translation>
    </message>
    <message>
        <source>Engage Help Contents</source>
        <translation>Öffnet das Inhaltsverzeichnis der Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Info about the author and copyright</source>
        <translation>Informationen über Autor und Copyright</translation>
    </message>
</context>
<context>
    <name>tabula::CoreMessages</name>
    <message>
        <source>1 complete card was read</source>
        <translation>1 vollständige Karte wurde gelesen</translation>
    </message>
    <message>
        <source>%1 complete cards were read</source>
        <translation>%1 vollständige Karten wurden gelesen</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder cannot be written to, and the disk has too little free space to write the file in place</source>
        <translation>in ihren Ordner kann nicht geschrieben werden, und auf dem Datenträger ist zu wenig Platz, um die Datei an Ort und Stelle zu schreiben</translation>
    </message>
    <message>
        <source>%1; the file was being written in place and is now incomplete</source>
        <translation>%1; die Datei wurde an Ort und Stelle geschrieben und ist jetzt unvollständig</translation>
    </message>
    <message>
        <source>the write failed</source>
        <translation>das Schreiben ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>cannot create the file</source>
        <translation>die Datei kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>the file was not written</source>
        <translation>die Datei wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>File Error - &quot;%1&quot;</source>
        <translation>Dateifehler - „%1“</translation>
    </message>
    <message>
        <source>File Error - Incompable File</source>
        <translation>Dateifehler - Inkompatible Datei</translation>
    </message>
    <message>
        <source>%1 is cut short: %2.</source>
        <extracomment>%1 is &quot;File Error&quot; with the file&apos;s name, %2 how many cards were read.</extracomment>
        <translation>%1 bricht vorzeitig ab: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read to its end: %2.</source>
        <translation>%1 konnte nicht bis zum Ende gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. The deck is still open: save it again, or under another name.</source>
        <translation>%1 wurde nicht gespeichert: %2. Die Kartei ist weiterhin geöffnet: Speichern Sie sie erneut oder unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>%1 was not saved: %2. The file on disk is as it was.</source>
        <translation>%1 wurde nicht gespeichert: %2. Die Datei auf dem Datenträger ist unverändert.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is &quot;File Error&quot; with the file&apos;s name, %2 the reason.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>File error - 25</source>
        <translation>Dateifehler - 25</translation>
    </message>
    <message>
        <source>File not compatible</source>
        <translation>Datei nicht kompatibel</translation>
    </message>
    <message>
        <source>File damaged: %1. No cards were read.</source>
        <translation>Datei beschädigt: %1. Es wurden keine Karten gelesen.</translation>
    </message>
    <message>
        <source>No cards were read.</source>
        <translation>Es wurden keine Karten gelesen.</translation>
    </message>
    <message>
        <source>The 1 card before it was read.</source>
        <translation>Die 1 Karte davor wurde gelesen.</translation>
    </message>
    <message>
        <source>The %1 cards before it were read.</source>
        <translation>Die %1 Karten davor wurden gelesen.</translation>
    </message>
    <message>
        <source>File damaged at card %1: %2. %3</source>
        <translation>Datei beschädigt bei Karte %1: %2. %3</translation>
    </message>
    <message>
        <source>File damaged at card %1 &quot;%2&quot;: %3. %4</source>
        <translation>Datei beschädigt bei Karte %1 „%2“: %3. %4</translation>
    </message>
    <message>
        <source>Failed To Send
Please verify your email setup in Control Panel</source>
        <translation>Senden fehlgeschlagen
Bitte überprüfen Sie Ihre E-Mail-Einrichtung in der Systemsteuerung</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Print Failed</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
    <message>
        <source>Tabula Error...</source>
        <translation>Tabula-Fehler...</translation>
    </message>
    <message>
        <source>Load Fail
The xdg-email command was not found (it comes with xdg-utils)</source>
        <translation>Laden fehlgeschlagen
Der Befehl xdg-email wurde nicht gefunden (er gehört zu xdg-utils)</translation>
    </message>
    <message>
        <source>Load Fail
No mail program is set for mailto links</source>
        <translation>Laden fehlgeschlagen
Für mailto-Links ist kein E-Mail-Programm eingestellt</translation>
    </message>
    <message>
        <source>Invalid Mapi32.DLL
The mail program cannot take messages</source>
        <translation>Ungültige Mapi32.DLL
Das E-Mail-Programm kann keine Nachrichten annehmen</translation>
    </message>
</context>
<context>
    <name>tabula::FileCommands</name>
    <message>
        <source>Save Changes ?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Tabula</source>
        <translation>Tabula</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Recover unsaved changes to %1?</source>
        <translation>Nicht gespeicherte Änderungen an %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Overwrite it?</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
</context>
<context>
    <name>tabula::FileDialogs</name>
    <message>
        <source>Cardfile Files (*.crd) |*.crd||</source>
        <extracomment>A file dialog&apos;s type: what the user reads, &apos;|&apos;, the names it lists, &quot;||&quot;.</extracomment>
        <translation>Cardfile-Dateien (*.crd) |*.crd||</translation>
    </message>
    <message>
        <source>Text Files (*.txt) |*.txt||</source>
        <translation>Textdateien (*.txt) |*.txt||</translation>
    </message>
    <message>
        <source>Tabula Files (*.tbx) |*.tbx||</source>
        <translation>Tabula-Dateien (*.tbx) |*.tbx||</translation>
    </message>
</context>
<context>
    <name>tabula::FindCommand</name>
    <message>
        <source>End of Selection</source>
        <translation>Ende der Auswahl</translation>
    </message>
    <message>
        <source>Tabula Info</source>
        <translation>Tabula-Info</translation>
    </message>
</context>
<context>
    <name>tabula::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>Suchen &amp;nach:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Nur &amp;ganzes Wort</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Au&amp;fwärts</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>A&amp;bwärts</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tabula::FrontCardWindow</name>
    <message>
        <source>Print the front most card</source>
        <translation>Druckt die vorderste Karte</translation>
    </message>
    <message>
        <source>Email the front most card</source>
        <translation>Sendet die vorderste Karte per E-Mail</translation>
    </message>
    <message>
        <source>Bring previous card to front</source>
        <translation>Holt die vorige Karte nach vorn</translation>
    </message>
    <message>
        <source>Bring next card to front</source>
        <translation>Holt die nächste Karte nach vorn</translation>
    </message>
</context>
<context>
    <name>tabula::HelpWindow</name>
    <message>
        <source>Tabula Help</source>
        <translation>Tabula-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
</context>
<context>
    <name>tabula::IndexDialog</name>
    <message>
        <source>Index Text</source>
        <translation>Indextext</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit Index</source>
        <translation>Index bearbeiten</translation>
    </message>
    <message>
        <source>Add Card</source>
        <translation>Karte hinzufügen</translation>
    </message>
    <message>
        <source>Goto Index</source>
        <translation>Gehe zu Index</translation>
    </message>
    <message>
        <source>An index holds at most 41 characters. Please shorten it.</source>
        <translation>Ein Index fasst höchstens 41 Zeichen. Bitte kürzen Sie ihn.</translation>
    </message>
    <message>
        <source>Tabula Warning</source>
        <translation>Tabula-Warnung</translation>
    </message>
</context>
<context>
    <name>tabula::LongWork</name>
    <message>
        <source>Exporting %1…</source>
        <translation>%1 wird exportiert…</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>%1 wird gespeichert…</translation>
    </message>
    <message>
        <source>Merging %1…</source>
        <translation>%1 wird hinzugefügt…</translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>%1 wird importiert…</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Printing %1…</source>
        <translation>%1 wird gedruckt…</translation>
    </message>
</context>
<context>
    <name>tabula::MainWindow</name>
    <message>
        <source>Tabula - Untitled</source>
        <translation>Tabula - Unbenannt</translation>
    </message>
    <message>
        <source>Tabula - %1</source>
        <translation>Tabula - %1</translation>
    </message>
</context>
<context>
    <name>tabula::MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>&amp;Versenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>tabula::PrintCommands</name>
    <message>
        <source>Index: %1</source>
        <translation>Index: %1</translation>
    </message>
    <message>
        <source>%1 - page %2</source>
        <translation>%1 - Seite %2</translation>
    </message>
</context>
<context>
    <name>tabula::QtPrompts</name>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tabula::ReadProblem</name>
    <message>
        <source>the file ends inside its header</source>
        <translation>die Datei endet in ihrem Kopf</translation>
    </message>
    <message>
        <source>the file ends inside the list of index lines</source>
        <translation>die Datei endet in der Liste der Indexzeilen</translation>
    </message>
    <message>
        <source>its data lies outside the file</source>
        <translation>ihre Daten liegen außerhalb der Datei</translation>
    </message>
    <message>
        <source>the file ends inside its data</source>
        <translation>die Datei endet in ihren Daten</translation>
    </message>
    <message>
        <source>the file ends inside its picture</source>
        <translation>die Datei endet in ihrem Bild</translation>
    </message>
    <message>
        <source>the file ends inside its object</source>
        <translation>die Datei endet in ihrem Objekt</translation>
    </message>
    <message>
        <source>the file ends inside its object&apos;s placement</source>
        <translation>die Datei endet in der Platzierung ihres Objekts</translation>
    </message>
    <message>
        <source>the file ends inside its text</source>
        <translation>die Datei endet in ihrem Text</translation>
    </message>
    <message>
        <source>its object is of an unknown kind (format %1)</source>
        <translation>ihr Objekt ist von unbekannter Art (Format %1)</translation>
    </message>
    <message>
        <source>its object&apos;s picture is of an unknown kind (format %1)</source>
        <translation>das Bild ihres Objekts ist von unbekannter Art (Format %1)</translation>
    </message>
    <message>
        <source>its object&apos;s %1 (%2 bytes) runs past the end of the file</source>
        <translation>das Feld „%1“ ihres Objekts (%2 Bytes) reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>class name</source>
        <translation>Klassenname</translation>
    </message>
    <message>
        <source>topic</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>network name</source>
        <translation>Netzwerkname</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>picture&apos;s class name</source>
        <translation>Klassenname des Bildes</translation>
    </message>
    <message>
        <source>picture&apos;s format name</source>
        <translation>Formatname des Bildes</translation>
    </message>
</context>
<context>
    <name>tabula::StackView</name>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
</context>
<context>
    <name>tabula::StatusPanes</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAPS</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>ÜB</translation>
    </message>
    <message numerus="yes">
        <source>%n Cards</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tabula::TagDialog</name>
    <message>
        <source>Tag Cards</source>
        <translation>Karten markieren</translation>
    </message>
    <message>
        <source>&amp;Tag</source>
        <translation>&amp;Markieren</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>Aus&amp;gewählte</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
