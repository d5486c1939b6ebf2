<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Primero de este mes</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Último de este mes</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Primero del mes pasado</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Último del mes pasado</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Primero del mes próximo</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Último del mes próximo</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: falló el mensaje 0x%1: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: falló el dibujado: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>datepicker: the window could not be built: %1</source>
        <translation>datepicker: no se pudo crear la ventana: %1</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>Selector de fecha</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>No se pudo crear la ventana.

%1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Error en tiempo de ejecución %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>No se puede crear el objeto</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>El objeto no admite esta propiedad o método</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Número de argumentos incorrecto o asignación de propiedad no válida</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
</context>
</TS>
