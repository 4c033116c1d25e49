<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line </source>
        <translation>en la línea </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Crear la plantilla</translation>
    </message>
    <message>
        <source>Select Days To Include</source>
        <translation>Días que se incluyen</translation>
    </message>
    <message>
        <source>Select Fields To Include</source>
        <translation>Campos que se incluyen</translation>
    </message>
    <message>
        <source>Shifts / Time</source>
        <translation>Turnos / Periodo</translation>
    </message>
    <message>
        <source>Number Of Shifts Per Day:</source>
        <translation>Turnos por día:</translation>
    </message>
    <message>
        <source>Period Of Time:</source>
        <translation>Periodo:</translation>
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
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Guardar como archivo de Excel</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Seguro que desea sobrescribir %1?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
    </message>
</context>
<context>
    <name>SaveFormat</name>
    <message>
        <source>PDF page</source>
        <translation>Página PDF</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagen PNG</translation>
    </message>
</context>
</TS>
