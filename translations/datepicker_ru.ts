<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Начало месяца</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Конец месяца</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Начало прошлого месяца</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Конец прошлого месяца</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Начало следующего месяца</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Конец следующего месяца</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: сбой сообщения 0x%1: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: сбой отрисовки: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>datepicker: the window could not be built: %1</source>
        <translation>datepicker: не удалось создать окно: %1</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>Выбор даты</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Не удалось создать окно.

%1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Ошибка выполнения %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типа</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Не удается создать объект</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Объект не поддерживает это свойство или метод</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Неверное число аргументов или недопустимое присвоение свойства</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Ошибка, определяемая приложением или объектом</translation>
    </message>
</context>
</TS>
