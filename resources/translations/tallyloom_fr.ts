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
</context>
</TS>
