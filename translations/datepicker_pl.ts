<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Jutro</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Wczoraj</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Początek miesiąca</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Koniec miesiąca</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Początek zeszłego miesiąca</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Koniec zeszłego miesiąca</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Początek przyszłego miesiąca</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Koniec przyszłego miesiąca</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: komunikat 0x%1 nie powiódł się: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: rysowanie nie powiodło się: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>datepicker: the window could not be built: %1</source>
        <translation>datepicker: nie udało się utworzyć okna: %1</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>Wybór daty</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Nie udało się utworzyć okna.

%1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Błąd wykonania %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Nie można utworzyć obiektu</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Obiekt nie obsługuje tej właściwości lub metody</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Nieprawidłowa liczba argumentów lub nieprawidłowe przypisanie właściwości</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Błąd zdefiniowany przez aplikację lub obiekt</translation>
    </message>
</context>
</TS>
