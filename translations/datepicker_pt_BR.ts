<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Amanhã</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Primeiro do mês</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Último do mês</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Primeiro do mês passado</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Último do mês passado</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Primeiro do próximo mês</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Último do próximo mês</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: falha na mensagem 0x%1: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: falha ao desenhar: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>datepicker: the window could not be built: %1</source>
        <translation>datepicker: não foi possível criar a janela: %1</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>Seletor de data</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Não foi possível criar a janela.

%1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Erro em tempo de execução %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Não é possível criar o objeto</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>O objeto não oferece suporte para esta propriedade ou método</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Número incorreto de argumentos ou atribuição de propriedade inválida</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erro definido pelo aplicativo ou pelo objeto</translation>
    </message>
</context>
</TS>
