<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Form1</name>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Entreprise</translation>
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
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Employee Name</source>
        <translation>Employé</translation>
    </message>
    <message>
        <source>Manager Name</source>
        <translation>Responsable</translation>
    </message>
    <message>
        <source> Week Starting</source>
        <translation> Semaine du</translation>
    </message>
    <message>
        <source> Week Ending</source>
        <translation> Semaine au</translation>
    </message>
    <message>
        <source>Employee Signature</source>
        <translation>Signature employé</translation>
    </message>
    <message>
        <source>Manager Signature</source>
        <translation>Signature responsable</translation>
    </message>
    <message>
        <source>1 Week</source>
        <translation>1 semaine</translation>
    </message>
    <message>
        <source>2 Weeks</source>
        <translation>2 semaines</translation>
    </message>
    <message>
        <source>3 Weeks</source>
        <translation>3 semaines</translation>
    </message>
    <message>
        <source>4 Weeks</source>
        <translation>4 semaines</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Excel est peut-être ouvert. Il est recommandé de fermer Excel d&apos;abord.<byte value="xd"/>Si nécessaire&#xa0;: Ctrl+Alt+Suppr &gt; Gestionnaire des tâches &gt; EXCEL.EXE.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous continuer quand même&#xa0;?</translation>
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
        <translation>Erreur 842001. Impossible de créer une instance normale d&apos;Excel.<byte value="xd"/>
<byte value="xd"/>
1. Vérifiez qu&apos;Excel est installé sur cet ordinateur.<byte value="xd"/>
<byte value="xd"/>
2. Ouvrez Excel normalement et vérifiez qu&apos;une feuille de calcul vierge s&apos;ouvre aussitôt, sans aucune fenêtre intermédiaire (comme une fenêtre de récupération de fichiers Excel).<byte value="xd"/>
<byte value="xd"/>
3. Vérifiez qu&apos;un double-clic sur un fichier XLS ou XLSX ouvre Excel normalement, sans message intermédiaire.<byte value="xd"/>
<byte value="xd"/>
4. Ce logiciel prend en charge toutes les versions d&apos;Excel, sauf les rares éditions Excel Starter et Étudiant.</translation>
    </message>
    <message>
        <source>There are no columns in the time sheet template.<byte value="xd"/>
You turned off all columns of the time sheet template.<byte value="xd"/>
</source>
        <translation>Le modèle de feuille de temps n&apos;a aucune colonne.<byte value="xd"/>
Vous avez désactivé toutes les colonnes du modèle de feuille de temps.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SaveFormat</name>
    <message>
        <source>Excel Files</source>
        <translation>Fichiers Excel</translation>
    </message>
    <message>
        <source>Excel Workbook</source>
        <translation>Classeur Excel</translation>
    </message>
    <message>
        <source>Excel Macro-Enabled Workbook</source>
        <translation>Classeur Excel avec macros</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet</source>
        <translation>Classeur OpenDocument</translation>
    </message>
</context>
</TS>
