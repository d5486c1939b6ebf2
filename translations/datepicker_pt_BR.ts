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
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Status de saída: 0 a data foi impressa (ou, sem --print, a janela foi fechada); 1 o usuário recusou; 2 a linha de comando foi recusada; 3 o diálogo falhou (sem tela, tela perdida, janela não construída, data não escrita); 5 --timeout o encerrou.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 &quot;%2&quot; não é um número inteiro a partir de 1</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date não pode ser dado junto com --day, --month ou --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>o dia %1 do mês %2 do ano %3 não é uma data de %4 a %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format e --date-format não podem ser dados juntos</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra as informações da versão.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Pede uma data como --print e a imprime como o %x da biblioteca C, a menos que --date-format diga outra coisa; um tempo esgotado termina com o status 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Um texto acima da data; \n começa uma nova linha. As tags são removidas e as entidades decodificadas.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Mostra o --text como está.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Começa neste dia; uma parte não dada é a de hoje.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Começa neste mês (1 a 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Começa neste ano.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Imprime a data neste formato do strftime, como %Y-%m-%d ou %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Termina sozinho após estes segundos, imprimindo a data de então, com o status 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>O rótulo do botão OK.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>O rótulo do botão Cancelar.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>A largura mínima da janela em pixels.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>A altura mínima da janela em pixels.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Aceita e ignorada.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Opções de outros diálogos de calendário:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format &quot;%1&quot; não escreve nenhuma parte da data; informe um formato do strftime como %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opções]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 &quot;%2&quot; não é um de %3</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 &quot;%2&quot; não é um número inteiro</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry &quot;%1&quot; não está na forma WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 &quot;%2&quot; não é um número inteiro a partir de 0</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ignorado o que não é uma opção: %1</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button &quot;%1&quot; termina com um status fora de 0 a 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details &quot;%1&quot; não pode ser lido: %2</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Adiciona um botão no lugar de Cancelar e OK, repetível. Termina com o status ID e imprime a data quando ID é par; um ID que não é um número é um comando a executar.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Não mostra botões; Enter aceita e Esc recusa.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Adiciona após OK um botão que imprime seu rótulo e termina com o status 1, repetível.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Mostra a semana ISO da data escolhida abaixo do cabeçalho.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Descreve dias com as linhas &quot;DATA TEXTO&quot; deste arquivo, DATA no --date-format; esses dias ficam em negrito.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Alinha as linhas de --text: left, center, right ou fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Esc não encerra o diálogo.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Esc aceita a data como o OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Imprime a data seja qual for o botão que encerra o diálogo.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 &quot;%2&quot; é lido como %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Abrir a janela no meio da tela (não no Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Abrir a janela centralizada no ponteiro, mantida na tela (não no Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Colocar a borda esquerda da janela a X pixels da borda da tela; um X negativo conta a partir da borda direita (não no Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Colocar a borda superior da janela a Y pixels da borda da tela; um Y negativo conta a partir da borda inferior (não no Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>O tamanho mínimo da janela e sua posição, como o X11 os escreve, por exemplo 300x200-10+20 (a posição não no Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Mostrar a janela sem barra de título nem moldura.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Impedir que a janela seja redimensionada.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Manter a janela acima das outras janelas.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Mostrar a janela em todos os espaços de trabalho.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Deixar a janela fora da barra de tarefas.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Abrir a janela maximizada, com o conteúdo no meio.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Abrir a janela em tela cheia, com o conteúdo no meio.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Abrir a janela sem tomar o foco do teclado.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Mostrar a janela como tela de abertura, que os gerenciadores de janelas mostram sem moldura.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Recusar, com status 1, quando outra janela toma o foco do teclado.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Ajustar a janela ao conteúdo com esta quantidade de pixels em volta (no máximo 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Escrever todos os textos com a família e o tamanho desta fonte, por exemplo &quot;Sans Bold 12&quot;.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Com --timeout, mostrar o tempo restante como uma barra deste lado: top, bottom, left ou right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Escrever o ID X da janela na saída de erro padrão, ou em FILE, sem fim de linha (não no Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>A classe do WM_CLASS da janela no X11, e seu ID de aplicativo no Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>O nome da instância do WM_CLASS da janela no X11, e seu ID de aplicativo no Wayland sem --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 “%2” não é uma data de %3 a %4 no formato YYYY-MM-DD, com ou sem um horário no formato THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step requer --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step “%1” não é um número de 1 a 30 que divida 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Escolhe também um horário e o imprime após a data (formato padrão yyyy-MM-dd HH:mm); então --date, --min-date e --max-date aceitam YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Com --time, oferece apenas os minutos múltiplos deste número (de 1 a 30, divisor de 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 não deixa nenhum horário de %2 a %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>o relógio local pula todos os horários de %1 a %2</translation>
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
    <message>
        <source>the window was destroyed by another program</source>
        <translation>a janela foi destruída por outro programa</translation>
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
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Semana %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
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
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>não foi possível escrever o identificador da janela em %1: %2</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>não foi possível escrever o texto: %1</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: o comando &quot;%2&quot; não pôde ser iniciado
</translation>
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
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>AM/PM</translation>
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
