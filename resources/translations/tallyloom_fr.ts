<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message par courriel à %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Créer le modèle</translation>
    </message>
    <message>
        <source>Select Days To Include</source>
        <translation>Jours à inclure</translation>
    </message>
    <message>
        <source>Select Fields To Include</source>
        <translation>Champs à inclure</translation>
    </message>
    <message>
        <source>Shifts / Time</source>
        <translation>Postes / Durée</translation>
    </message>
    <message>
        <source>Number Of Shifts Per Day:</source>
        <translation>Postes par jour&#xa0;:</translation>
    </message>
    <message>
        <source>Period Of Time:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Sheet Options</source>
        <translation>Options de la feuille</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Modifier…</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Zoom In</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Enregistrer en fichier Excel</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>The whole sheet in the window</source>
        <translation>La feuille entière dans la fenêtre</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>The generated workbook is gone from the temporary folder. Go back and create the template again.</source>
        <translation>Le classeur créé a disparu du dossier temporaire. Revenez en arrière et créez de nouveau le modèle.</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source>time-sheet</source>
        <translation>feuille-de-temps</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment remplacer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Could not save %1.

%2</source>
        <translation>Impossible d’enregistrer %1.

%2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>SaveFormat</name>
    <message>
        <source>PDF page</source>
        <translation>Page PDF</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
</context>
<context>
    <name>SheetOptions</name>
    <message>
        <source>month/day/year</source>
        <translation>mois/jour/année</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>jour/mois/année</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>jour.mois.année</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>année-mois-jour</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>Sheet Options</source>
        <translation>Options de la feuille</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>12-hour (AM/PM)</source>
        <translation>12 heures (AM/PM)</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>&amp;Clock:</source>
        <translation>&amp;Horloge :</translation>
    </message>
    <message>
        <source>&amp;Start/end list step:</source>
        <translation>Pas de la liste &amp;début/fin :</translation>
    </message>
    <message>
        <source>&amp;First time in the list:</source>
        <translation>&amp;Première heure de la liste :</translation>
    </message>
    <message>
        <source>&amp;Break list step:</source>
        <translation>Pas de la liste des pa&amp;uses :</translation>
    </message>
    <message>
        <source>&amp;Longest break:</source>
        <translation>Pause la plus &amp;longue :</translation>
    </message>
    <message>
        <source>Dates and week</source>
        <translation>Dates et semaine</translation>
    </message>
    <message>
        <source>Example date</source>
        <translation>Date d’exemple</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>This date:</source>
        <translation>Cette date :</translation>
    </message>
    <message>
        <source>&amp;Date format:</source>
        <translation>F&amp;ormat de date :</translation>
    </message>
    <message>
        <source>&amp;Week starting:</source>
        <translation>Début de la &amp;semaine :</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Symbol &amp;after the amount</source>
        <translation>Symbole après le mo&amp;ntant</translation>
    </message>
    <message>
        <source>C&amp;urrency symbol:</source>
        <translation>Symbole &amp;monétaire :</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Paie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Daily and weekly</source>
        <translation>Quotidienne et hebdomadaire</translation>
    </message>
    <message>
        <source>&amp;Protect formulas</source>
        <translation>P&amp;rotéger les formules</translation>
    </message>
    <message>
        <source>&amp;Overtime:</source>
        <translation>Heures supplémen&amp;taires :</translation>
    </message>
    <message>
        <source>Wee&amp;kly limit (hours):</source>
        <translation>Limite he&amp;bdomadaire (heures) :</translation>
    </message>
    <message>
        <source>Overtime &amp;rate multiplier:</source>
        <translation>&amp;Coefficient du taux majoré :</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>First da&amp;y of the week:</source>
        <translation>Premier &amp;jour de la semaine :</translation>
    </message>
    <message>
        <source>Sheet la&amp;nguage:</source>
        <translation>Lan&amp;gue de la feuille :</translation>
    </message>
    <message>
        <source>daily %1 h</source>
        <translation>par jour %1 h</translation>
    </message>
    <message>
        <source>weekly %1 h</source>
        <translation>par semaine %1 h</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Every option as it comes</source>
        <translation>Toutes les options par défaut</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>A time from 0:00 to 23:59</source>
        <translation>Une heure de 0:00 à 23:59</translation>
    </message>
    <message>
        <source>A duration from 0:15 to 8:00</source>
        <translation>Une durée de 0:15 à 8:00</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>D&amp;ate :</translation>
    </message>
    <message>
        <source>No quotes, backslashes or control characters; at most 12 bytes</source>
        <translation>Ni guillemets, ni barres obliques inverses, ni caractères de contrôle ; 12 octets au plus</translation>
    </message>
    <message>
        <source>Da&amp;ily limit (hours):</source>
        <translation>Limite &amp;quotidienne (heures) :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>R&amp;estore Defaults</source>
        <translation>Rétablir les valeurs par dé&amp;faut</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Plus d’espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N’est pas un dossier</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d’entrée/sortie</translation>
    </message>
</context>
</TS>
