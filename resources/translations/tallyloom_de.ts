<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Vorlage erstellen</translation>
    </message>
    <message>
        <source>Select Days To Include</source>
        <translation>Tage auswählen</translation>
    </message>
    <message>
        <source>Select Fields To Include</source>
        <translation>Felder auswählen</translation>
    </message>
    <message>
        <source>Shifts / Time</source>
        <translation>Schichten / Zeitraum</translation>
    </message>
    <message>
        <source>Number Of Shifts Per Day:</source>
        <translation>Schichten pro Tag:</translation>
    </message>
    <message>
        <source>Period Of Time:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Sheet Options</source>
        <translation>Blattoptionen</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Ändern…</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Als Excel-Datei speichern</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>The whole sheet in the window</source>
        <translation>Das ganze Blatt im Fenster</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>The generated workbook is gone from the temporary folder. Go back and create the template again.</source>
        <translation>Die erstellte Arbeitsmappe ist nicht mehr im temporären Ordner. Gehen Sie zurück und erstellen Sie die Vorlage neu.</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>time-sheet</source>
        <translation>Stundenzettel</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Could not save %1.

%2</source>
        <translation>%1 konnte nicht gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>SaveFormat</name>
    <message>
        <source>PDF page</source>
        <translation>PDF-Seite</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
</context>
<context>
    <name>SheetOptions</name>
    <message>
        <source>month/day/year</source>
        <translation>Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>Tag/Monat/Jahr</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>Tag.Monat.Jahr</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>Jahr-Monat-Tag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Sheet Options</source>
        <translation>Blattoptionen</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>12-hour (AM/PM)</source>
        <translation>12 Stunden (AM/PM)</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>&amp;Clock:</source>
        <translation>&amp;Uhr:</translation>
    </message>
    <message>
        <source>&amp;Start/end list step:</source>
        <translation>&amp;Schritt der Beginn-/Endeliste:</translation>
    </message>
    <message>
        <source>&amp;First time in the list:</source>
        <translation>&amp;Erste Zeit der Liste:</translation>
    </message>
    <message>
        <source>&amp;Break list step:</source>
        <translation>Schritt der &amp;Pausenliste:</translation>
    </message>
    <message>
        <source>&amp;Longest break:</source>
        <translation>&amp;Längste Pause:</translation>
    </message>
    <message>
        <source>Dates and week</source>
        <translation>Datum und Woche</translation>
    </message>
    <message>
        <source>Example date</source>
        <translation>Beispieldatum</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>This date:</source>
        <translation>Dieses Datum:</translation>
    </message>
    <message>
        <source>&amp;Date format:</source>
        <translation>&amp;Datumsformat:</translation>
    </message>
    <message>
        <source>&amp;Week starting:</source>
        <translation>&amp;Wochenbeginn:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Symbol &amp;after the amount</source>
        <translation>Symbol &amp;nach dem Betrag</translation>
    </message>
    <message>
        <source>C&amp;urrency symbol:</source>
        <translation>Währungss&amp;ymbol:</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Lohn</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Daily and weekly</source>
        <translation>Täglich und wöchentlich</translation>
    </message>
    <message>
        <source>&amp;Protect formulas</source>
        <translation>Formeln schüt&amp;zen</translation>
    </message>
    <message>
        <source>&amp;Overtime:</source>
        <translation>Ü&amp;berstunden:</translation>
    </message>
    <message>
        <source>Wee&amp;kly limit (hours):</source>
        <translation>Wöchentliche G&amp;renze (Stunden):</translation>
    </message>
    <message>
        <source>Overtime &amp;rate multiplier:</source>
        <translation>&amp;Faktor des Überstundensatzes:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>First da&amp;y of the week:</source>
        <translation>Erster &amp;Tag der Woche:</translation>
    </message>
    <message>
        <source>Sheet la&amp;nguage:</source>
        <translation>Spra&amp;che des Blatts:</translation>
    </message>
    <message>
        <source>daily %1 h</source>
        <translation>täglich %1 Std.</translation>
    </message>
    <message>
        <source>weekly %1 h</source>
        <translation>wöchentlich %1 Std.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Every option as it comes</source>
        <translation>Alle Optionen wie vorgegeben</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>A time from 0:00 to 23:59</source>
        <translation>Eine Uhrzeit von 0:00 bis 23:59</translation>
    </message>
    <message>
        <source>A duration from 0:15 to 8:00</source>
        <translation>Eine Dauer von 0:15 bis 8:00</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>D&amp;atum:</translation>
    </message>
    <message>
        <source>No quotes, backslashes or control characters; at most 12 bytes</source>
        <translation>Keine Anführungszeichen, Backslashes oder Steuerzeichen; höchstens 12 Byte</translation>
    </message>
    <message>
        <source>Da&amp;ily limit (hours):</source>
        <translation>Tägliche &amp;Grenze (Stunden):</translation>
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
        <source>R&amp;estore Defaults</source>
        <translation>Standard wieder&amp;herstellen</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Festplattenkontingent überschritten</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
</context>
</TS>
