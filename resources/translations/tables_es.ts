<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source> Wednesday</source>
        <translation> Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Dirección 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Dirección 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Employee Name</source>
        <translation>Empleado</translation>
    </message>
    <message>
        <source>Manager Name</source>
        <translation>Responsable</translation>
    </message>
    <message>
        <source> Week Starting</source>
        <translation> Semana del</translation>
    </message>
    <message>
        <source> Week Ending</source>
        <translation> Semana hasta</translation>
    </message>
    <message>
        <source>Employee Signature</source>
        <translation>Firma del empleado</translation>
    </message>
    <message>
        <source>Manager Signature</source>
        <translation>Firma del responsable</translation>
    </message>
    <message>
        <source>1 Week</source>
        <translation>1 semana</translation>
    </message>
    <message>
        <source>2 Weeks</source>
        <translation>2 semanas</translation>
    </message>
    <message>
        <source>3 Weeks</source>
        <translation>3 semanas</translation>
    </message>
    <message>
        <source>4 Weeks</source>
        <translation>4 semanas</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Excel may be open. It is recommended that you close Excel first.<byte value="xd"/>Use Ctrl+Alt+Del &gt; Task Manager &gt; EXCEL.EXE if necessary.<byte value="xd"/>
<byte value="xd"/>
Would you like to proceed anyway?</source>
        <translation>Es posible que Excel esté abierto. Se recomienda cerrar Excel primero.<byte value="xd"/>Si es necesario: Ctrl+Alt+Supr &gt; Administrador de tareas &gt; EXCEL.EXE.<byte value="xd"/>
<byte value="xd"/>
¿Desea continuar de todos modos?</translation>
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
        <translation>Error 842001. No se pudo crear una instancia normal de Excel.<byte value="xd"/>
<byte value="xd"/>
1. Compruebe que Excel está instalado en este equipo.<byte value="xd"/>
<byte value="xd"/>
2. Abra Excel normalmente y compruebe que se abre enseguida una hoja de cálculo en blanco, sin ninguna ventana intermedia (como una ventana de recuperación de archivos de Excel).<byte value="xd"/>
<byte value="xd"/>
3. Compruebe que, al hacer doble clic en un archivo XLS o XLSX, Excel se abre normalmente y sin mensajes intermedios.<byte value="xd"/>
<byte value="xd"/>
4. Este programa admite todas las versiones de Excel excepto las poco habituales ediciones Excel Starter y Student.</translation>
    </message>
    <message>
        <source>There are no columns in the time sheet template.<byte value="xd"/>
You turned off all columns of the time sheet template.<byte value="xd"/>
</source>
        <translation>La plantilla de hoja de horas no tiene columnas.<byte value="xd"/>
Ha desactivado todas las columnas de la plantilla de hoja de horas.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>SaveFormat</name>
    <message>
        <source>Excel Files</source>
        <translation>Archivos de Excel</translation>
    </message>
    <message>
        <source>Excel Workbook</source>
        <translation>Libro de Excel</translation>
    </message>
    <message>
        <source>Excel Macro-Enabled Workbook</source>
        <translation>Libro de Excel habilitado para macros</translation>
    </message>
    <message>
        <source>OpenDocument Spreadsheet</source>
        <translation>Hoja de cálculo OpenDocument</translation>
    </message>
</context>
</TS>
