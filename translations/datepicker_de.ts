<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Erster dieses Monats</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Letzter dieses Monats</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Erster des Vormonats</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Letzter des Vormonats</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Erster des Folgemonats</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Letzter des Folgemonats</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: Nachricht 0x%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: Zeichnen fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>datepicker: the window could not be built: %1</source>
        <translation>datepicker: Das Fenster konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>Datumsauswahl</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Das Fenster konnte nicht erstellt werden.

%1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Laufzeitfehler %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Objekt kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekt unterstützt diese Eigenschaft oder Methode nicht</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Falsche Anzahl an Argumenten oder ungültige Zuweisung an eine Eigenschaft</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
</context>
</TS>
