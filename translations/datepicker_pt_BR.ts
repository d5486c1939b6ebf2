<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 “%2” não é uma data de %3 a %4 no formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Escolhe uma data em uma janela pequena. Com --print, pede uma data ao usuário e a imprime para um script.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Mostra os botões Cancelar e OK. OK ou Enter imprime a data e sai com o status 0; Cancelar, Esc ou fechar a janela não imprime nada e sai com o status 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Começa nesta data em vez de hoje.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Imprime a data neste formato de data do Qt, no idioma do usuário (padrão yyyy-MM-dd; por exemplo dd.MM.yyyy ou &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>A primeira data que pode ser escolhida.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>A última data que pode ser escolhida.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>O título da janela (padrão Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 é posterior a --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format está vazio; informe um formato de data do Qt como yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written).</source>
        <translation>Status de saída: 0 a data foi impressa (ou, sem --print, a janela foi fechada); 1 o usuário recusou; 2 a linha de comando foi recusada; 3 o diálogo falhou (sem tela, tela perdida, janela não construída, data não escrita).</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format &quot;%1&quot; contém um %; --format espera um formato de data do Qt como yyyy-MM-dd, não o %Y-%m-%d do strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format &quot;%1&quot; abre uma aspa que não fecha</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format &quot;%1&quot; não escreve nenhuma parte da data; informe um formato de data do Qt como yyyy-MM-dd</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>não é possível abrir uma janela: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>nenhuma tela (DISPLAY e WAYLAND_DISPLAY não estão definidas)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>a conexão com a tela foi perdida</translation>
    </message>
</context>
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
    <message>
        <source>Copy “%1”</source>
        <translation>Copiar “%1”</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Colar data</translation>
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
        <source>Date picker</source>
        <translation>Seletor de data</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Não foi possível criar a janela.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>não foi possível construir a janela: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>não foi possível escrever a data: %1</translation>
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
