<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Form1</name>
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
        <source> Wednesday</source>
        <translation> Mittwoch</translation>
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
        <source>Company Name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Adresse 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Adresse 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Employee Name</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Manager Name</source>
        <translation>Vorgesetzter</translation>
    </message>
    <message>
        <source> Week Starting</source>
        <translation> Woche vom</translation>
    </message>
    <message>
        <source> Week Ending</source>
        <translation> Woche bis</translation>
    </message>
    <message>
        <source>Employee Signature</source>
        <translation>Unterschrift Mitarbeiter</translation>
    </message>
    <message>
        <source>Manager Signature</source>
        <translation>Unterschrift Leitung</translation>
    </message>
    <message>
        <source>1 Week</source>
        <translation>1 Woche</translation>
    </message>
    <message>
        <source>2 Weeks</source>
        <translation>2 Wochen</translation>
    </message>
    <message>
        <source>3 Weeks</source>
        <translation>3 Wochen</translation>
    </message>
    <message>
        <source>4 Weeks</source>
        <translation>4 Wochen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Excel ist möglicherweise geöffnet. Es wird empfohlen, Excel zuerst zu schließen.<byte value="xd"/>Falls nötig: Strg+Alt+Entf &gt; Task-Manager &gt; EXCEL.EXE.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Error 842001. A normal instance of Excel could not be created.<byte value="xd"/>
<byte value="xd"/>
1. Please make sure Excel is installed on this computer.<byte value="xd"/>
<byte value="xd"/>
2. Please open Excel normally and make sure a blank spreadsheet opens immediately without any interrupting window (such as an Excel file recovery window).<byte value="xd"/>
<byte value="xd"/>
3. Please make sure that when you double-click on a XLS or XLSX file that Excel opens normally without any interrupting messages.<byte value="xd"/>
<byte value="xd"/>
4. All versions of Excel are supported by this software except for the rare Excel Starter and Student editions.</source>
        <translation>Fehler 842001. Eine normale Excel-Instanz konnte nicht erstellt werden.<byte value="xd"/>
<byte value="xd"/>
1. Bitte stellen Sie sicher, dass Excel auf diesem Computer installiert ist.<byte value="xd"/>
<byte value="xd"/>
2. Bitte öffnen Sie Excel wie gewohnt und stellen Sie sicher, dass sofort eine leere Tabelle erscheint, ohne dass sich ein anderes Fenster dazwischenschiebt (etwa ein Fenster zur Wiederherstellung von Excel-Dateien).<byte value="xd"/>
<byte value="xd"/>
3. Bitte stellen Sie sicher, dass sich Excel beim Doppelklick auf eine XLS- oder XLSX-Datei ohne störende Meldungen öffnet.<byte value="xd"/>
<byte value="xd"/>
4. Diese Software unterstützt alle Excel-Versionen außer den seltenen Ausgaben Excel Starter und Student.</translation>
    </message>
    <message>
        <source>There are no columns in the time sheet template.<byte value="xd"/>
You turned off all columns of the time sheet template.<byte value="xd"/>
</source>
        <translation>Die Stundenzettel-Vorlage hat keine Spalten.<byte value="xd"/>
Sie haben alle Spalten der Stundenzettel-Vorlage ausgeschaltet.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SaveFormat</name>
    <message>
        <source>Excel Files</source>
        <translation>Excel-Dateien</translation>
    </message>
    <message>
        <source>Excel Workbook</source>
        <translation>Excel-Arbeitsmappe</translation>
    </message>
    <message>
        <source>Excel Macro-Enabled Workbook</source>
        <translation>Excel-Arbeitsmappe mit Makros</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet</source>
        <translation>OpenDocument-Tabellendokument</translation>
    </message>
</context>
</TS>
