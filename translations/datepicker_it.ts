<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Primo del mese</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Ultimo del mese</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Primo del mese scorso</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Ultimo del mese scorso</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Primo del mese prossimo</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Ultimo del mese prossimo</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: messaggio 0x%1 non riuscito: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: disegno non riuscito: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>datepicker: the window could not be built: %1</source>
        <translation>datepicker: impossibile creare la finestra: %1</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>Selettore data</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Impossibile creare la finestra.

%1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Errore di run-time %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell’intervallo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Impossibile creare l’oggetto</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Proprietà o metodo non supportati dall’oggetto</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Numero di argomenti errato o assegnazione di proprietà non valida</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Errore definito dall’applicazione o dall’oggetto</translation>
    </message>
</context>
</TS>
