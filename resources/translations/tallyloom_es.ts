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
    <message>
        <source>Sheet Options</source>
        <translation>Opciones de la hoja</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambiar…</translation>
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
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
</context>
<context>
    <name>SheetOptions</name>
    <message>
        <source>month/day/year</source>
        <translation>mes/día/año</translation>
    </message>
    <message>
        <source>day/month/year</source>
        <translation>día/mes/año</translation>
    </message>
    <message>
        <source>day.month.year</source>
        <translation>día.mes.año</translation>
    </message>
    <message>
        <source>year-month-day</source>
        <translation>año-mes-día</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1-hour, from %2 every %3 min, breaks to %4, %5, %6, %7 first</source>
        <translation>%1 h, desde %2 cada %3 min, pausas hasta %4, %5, %6, semana desde %7</translation>
    </message>
    <message>
        <source>Sheet Options</source>
        <translation>Opciones de la hoja</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>12-hour (AM/PM)</source>
        <translation>12 horas (AM/PM)</translation>
    </message>
    <message>
        <source>24-hour</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>&amp;Clock:</source>
        <translation>&amp;Reloj:</translation>
    </message>
    <message>
        <source>&amp;Start/end list step:</source>
        <translation>&amp;Paso de la lista inicio/fin:</translation>
    </message>
    <message>
        <source>&amp;First time in the list:</source>
        <translation>Primera &amp;hora de la lista:</translation>
    </message>
    <message>
        <source>&amp;Break list step:</source>
        <translation>Paso de la lista de &amp;pausas:</translation>
    </message>
    <message>
        <source>&amp;Longest break:</source>
        <translation>Pausa más &amp;larga:</translation>
    </message>
    <message>
        <source>Dates and week</source>
        <translation>Fechas y semana</translation>
    </message>
    <message>
        <source>Example date</source>
        <translation>Fecha de ejemplo</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>This date:</source>
        <translation>Esta fecha:</translation>
    </message>
    <message>
        <source>&amp;Date format:</source>
        <translation>Formato de &amp;fecha:</translation>
    </message>
    <message>
        <source>&amp;Week starting:</source>
        <translation>Inicio de la &amp;semana:</translation>
    </message>
    <message>
        <source>D&amp;ate:</source>
        <translation>Fech&amp;a:</translation>
    </message>
    <message>
        <source>First &amp;day of the week:</source>
        <translation>Primer &amp;día de la semana:</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Symbol &amp;after the amount</source>
        <translation>Símbolo &amp;tras el importe</translation>
    </message>
    <message>
        <source>C&amp;urrency symbol:</source>
        <translation>Símbolo de &amp;moneda:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Pay</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Daily and weekly</source>
        <translation>Diaria y semanal</translation>
    </message>
    <message>
        <source>&amp;Protect formulas</source>
        <translation>Pr&amp;oteger fórmulas</translation>
    </message>
    <message>
        <source>&amp;Overtime:</source>
        <translation>Horas &amp;extra:</translation>
    </message>
    <message>
        <source>Dail&amp;y limit (hours):</source>
        <translation>Límite d&amp;iario (horas):</translation>
    </message>
    <message>
        <source>Wee&amp;kly limit (hours):</source>
        <translation>Límite sema&amp;nal (horas):</translation>
    </message>
    <message>
        <source>Overtime &amp;rate multiplier:</source>
        <translation>Multipli&amp;cador de la tarifa:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Sheet &amp;language:</source>
        <translation>&amp;Idioma de la hoja:</translation>
    </message>
</context>
</TS>
