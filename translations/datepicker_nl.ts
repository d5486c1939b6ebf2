<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gisteren</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Begin deze maand</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Eind deze maand</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Begin vorige maand</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Eind vorige maand</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Begin volgende maand</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Eind volgende maand</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: bericht 0x%1 mislukt: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: tekenen mislukt: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>datepicker: the window could not be built: %1</source>
        <translation>datepicker: het venster kon niet worden gemaakt: %1</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>Datumkiezer</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Het venster kon niet worden gemaakt.

%1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Uitvoeringsfout %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript valt buiten het bereik</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Kan object niet maken</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Deze eigenschap of methode wordt niet ondersteund door het object</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Onjuist aantal argumenten of ongeldige eigenschapstoewijzing</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Door toepassing of object gedefinieerde fout</translation>
    </message>
</context>
</TS>
