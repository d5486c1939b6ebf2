<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 «%2» no es una fecha del %3 al %4 con el formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Elige una fecha en una ventana pequeña. Con --print, pide una fecha al usuario y la escribe para un script.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Muestra los botones Cancelar y Aceptar. Aceptar o Intro escribe la fecha y sale con el estado 0; Cancelar, Esc o cerrar la ventana no escribe nada y sale con el estado 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Empieza en esta fecha en lugar de hoy.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Escribe la fecha en este formato de fecha de Qt, en el idioma del usuario (por defecto yyyy-MM-dd; por ejemplo dd.MM.yyyy o &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>La primera fecha que se puede elegir.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>La última fecha que se puede elegir.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>El título de la ventana (por defecto Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 es posterior a --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format está vacío; indique un formato de fecha de Qt como yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format «%1» contiene un %; --format espera un formato de fecha de Qt como yyyy-MM-dd, no el %Y-%m-%d de strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format «%1» abre una comilla que no cierra</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format «%1» no escribe ninguna parte de la fecha; indique un formato de fecha de Qt como yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Estado de salida: 0 se imprimió la fecha (o, sin --print, se cerró la ventana); 1 el usuario rechazó; 2 se rechazó la línea de órdenes; 3 el diálogo falló (sin pantalla, pantalla perdida, ventana no construida, fecha no escrita); 5 --timeout lo terminó.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 «%2» no es un número entero a partir de 1</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date no puede darse junto con --day, --month o --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>el día %1 del mes %2 del año %3 no es una fecha de %4 a %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format y --date-format no pueden darse juntos</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de la versión.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Pide una fecha como --print y la imprime como el %x de la biblioteca de C, salvo que --date-format diga otra cosa; un tiempo agotado termina con el estado 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Un texto sobre la fecha; \n empieza una línea nueva. Se quitan las etiquetas y se decodifican las entidades.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Muestra el --text tal cual.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Empieza en este día; una parte no dada es la de hoy.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Empieza en este mes (1 a 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Empieza en este año.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Imprime la fecha en este formato de strftime, como %Y-%m-%d o %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Termina solo tras estos segundos, imprimiendo la fecha de ese momento, con el estado 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>El texto del botón Aceptar.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>El texto del botón Cancelar.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>El ancho mínimo de la ventana en píxeles.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>El alto mínimo de la ventana en píxeles.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Aceptada e ignorada.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Opciones de otros diálogos de calendario:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format «%1» no escribe ninguna parte de la fecha; indique un formato de strftime como %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 «%2» no es ninguno de %3</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 «%2» no es un número entero</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry «%1» no tiene la forma WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 «%2» no es un número entero a partir de 0</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>se ignora lo que no es una opción: %1</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button «%1» termina con un estado fuera de 0 a 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details «%1» no se puede leer: %2</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Añadir un botón en lugar de Cancelar y Aceptar, repetible. Termina con el estado ID y escribe la fecha cuando ID es par; un ID que no es un número es una orden que se ejecuta.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>No mostrar botones; Intro acepta y Esc rechaza.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Añadir un botón tras Aceptar que escribe su texto y termina con el estado 1, repetible.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Mostrar la semana ISO de la fecha elegida bajo el encabezado.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Describir días con las líneas «FECHA TEXTO» de este archivo, FECHA en el --date-format; esos días van en negrita.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Alinear las líneas de --text: left, center, right o fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Esc no termina el diálogo.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Esc acepta la fecha como Aceptar.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Escribir la fecha sea cual sea el botón que termina el diálogo.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 «%2» se lee como %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Abrir la ventana en el centro de la pantalla (no en Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Abrir la ventana centrada en el puntero, dentro de la pantalla (no en Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Situar el borde izquierdo de la ventana a X píxeles del de la pantalla; una X negativa cuenta desde el borde derecho (no en Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Situar el borde superior de la ventana a Y píxeles del de la pantalla; una Y negativa cuenta desde el borde inferior (no en Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>El tamaño mínimo de la ventana y su posición, como los escribe X11, por ejemplo 300x200-10+20 (la posición no en Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Mostrar la ventana sin barra de título ni marco.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Impedir que se cambie el tamaño de la ventana.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Mantener la ventana por encima de las demás.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Mostrar la ventana en todos los espacios de trabajo.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>No mostrar la ventana en la barra de tareas.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Abrir la ventana maximizada, con su contenido en el centro.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Abrir la ventana a pantalla completa, con su contenido en el centro.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Abrir la ventana sin tomar el foco del teclado.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Mostrar la ventana como pantalla de bienvenida, que los gestores de ventanas muestran sin marco.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Rechazar, con el estado 1, cuando otra ventana toma el foco del teclado.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Ajustar la ventana a su contenido con tantos píxeles alrededor (500 como máximo).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Escribir todos los textos con la familia y el tamaño de esta fuente, por ejemplo «Sans Bold 12».</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Con --timeout, mostrar el tiempo restante como una barra en este lado: top, bottom, left o right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Escribir el identificador X de la ventana en la salida de error estándar, o en FILE, sin fin de línea (no en Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>La clase del WM_CLASS de la ventana en X11, y su id. de aplicación en Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>El nombre de instancia del WM_CLASS de la ventana en X11, y su id. de aplicación en Wayland sin --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 «%2» no es una fecha del %3 al %4 con el formato YYYY-MM-DD, con o sin una hora con el formato THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step requiere --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step «%1» no es un número del 1 al 30 que divida a 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Elige también una hora del día y la escribe tras la fecha (formato predeterminado yyyy-MM-dd HH:mm); entonces --date, --min-date y --max-date admiten YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Con --time, ofrece solo los minutos múltiplos de este número (del 1 al 30, divisor de 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 no deja ninguna hora de %2 a %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>el reloj local se salta todas las horas de %1 a %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>no se puede abrir una ventana: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>no hay pantalla (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>se perdió la conexión con la pantalla</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>otro programa destruyó la ventana</translation>
    </message>
</context>
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
    <message>
        <source>Copy “%1”</source>
        <translation>Copiar «%1»</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Pegar fecha</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Semana %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
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
        <source>Date picker</source>
        <translation>Selector de fecha</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>No se pudo crear la ventana.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>no se pudo construir la ventana: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>no se pudo escribir la fecha: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>no se pudo escribir el identificador de la ventana en %1: %2</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>no se pudo escribir el texto: %1</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: no se pudo iniciar la orden «%2»
</translation>
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
        <translation>a. m./p. m.</translation>
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
