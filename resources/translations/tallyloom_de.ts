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
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
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
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
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
        <source>%1-hour, from %2 every %3 min, breaks to %4, %5, %6, %7 first</source>
        <translation>%1 Std., ab %2 alle %3 Min., Pausen bis %4, %5, %6, Woche ab %7</translation>
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
        <source>D&amp;ate:</source>
        <translation>D&amp;atum:</translation>
    </message>
    <message>
        <source>First &amp;day of the week:</source>
        <translation>Erster &amp;Tag der Woche:</translation>
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
        <translation>&amp;Währungssymbol:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standard wiederherstellen</translation>
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
        <source>Dail&amp;y limit (hours):</source>
        <translation>Tägliche &amp;Grenze (Stunden):</translation>
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
        <source>Sheet &amp;language:</source>
        <translation>Sp&amp;rache des Blatts:</translation>
    </message>
</context>
</TS>
