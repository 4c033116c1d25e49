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
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>The whole sheet in the window</source>
        <translation>La hoja entera en la ventana</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>The generated workbook is gone from the temporary folder. Go back and create the template again.</source>
        <translation>El libro generado ya no está en la carpeta temporal. Vuelva atrás y cree la plantilla de nuevo.</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>time-sheet</source>
        <translation>hoja-de-horas</translation>
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
        <source>Could not save %1.

%2</source>
        <translation>No se pudo guardar %1.

%2</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
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
        <translation>Paso de la lista de pa&amp;usas:</translation>
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
        <source>First da&amp;y of the week:</source>
        <translation>Primer &amp;día de la semana:</translation>
    </message>
    <message>
        <source>Sheet la&amp;nguage:</source>
        <translation>Idioma de la ho&amp;ja:</translation>
    </message>
    <message>
        <source>daily %1 h</source>
        <translation>diario %1 h</translation>
    </message>
    <message>
        <source>weekly %1 h</source>
        <translation>semanal %1 h</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Every option as it comes</source>
        <translation>Todas las opciones predeterminadas</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>A time from 0:00 to 23:59</source>
        <translation>Una hora de 0:00 a 23:59</translation>
    </message>
    <message>
        <source>A duration from 0:15 to 8:00</source>
        <translation>Una duración de 0:15 a 8:00</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Fech&amp;a:</translation>
    </message>
    <message>
        <source>No quotes, backslashes or control characters; at most 12 bytes</source>
        <translation>Sin comillas, barras invertidas ni caracteres de control; 12 bytes como máximo</translation>
    </message>
    <message>
        <source>Da&amp;ily limit (hours):</source>
        <translation>Límite d&amp;iario (horas):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>R&amp;estore Defaults</source>
        <translation>Restablecer &amp;valores predeterminados</translation>
    </message>
</context>
<context>
    <name>SystemReason</name>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de archivo demasiado largo</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cuota de disco excedida</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
</context>
</TS>
