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
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
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
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment remplacer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
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
        <source>%1-hour, from %2 every %3 min, breaks to %4, %5, %6, %7 first</source>
        <translation>%1 h, dès %2 par %3 min, pauses jusqu’à %4, %5, %6, semaine dès %7</translation>
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
        <translation>Pas de la liste des &amp;pauses :</translation>
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
        <translation>Format de &amp;date :</translation>
    </message>
    <message>
        <source>&amp;Week starting:</source>
        <translation>Début de la &amp;semaine :</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>D&amp;ate :</translation>
    </message>
    <message>
        <source>First &amp;day of the week:</source>
        <translation>Premier &amp;jour de la semaine :</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Symbol &amp;after the amount</source>
        <translation>Symbole &amp;après le montant</translation>
    </message>
    <message>
        <source>C&amp;urrency symbol:</source>
        <translation>Symbole &amp;monétaire :</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
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
        <source>Dail&amp;y limit (hours):</source>
        <translation>Limite &amp;quotidienne (heures) :</translation>
    </message>
    <message>
        <source>Wee&amp;kly limit (hours):</source>
        <translation>Limite hebd&amp;omadaire (heures) :</translation>
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
        <source>Sheet &amp;language:</source>
        <translation>Lan&amp;gue de la feuille :</translation>
    </message>
</context>
</TS>
