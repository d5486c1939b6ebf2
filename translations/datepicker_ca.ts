<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 «%2» no és una data del %3 al %4 en la forma YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Trieu una data en una finestra petita. Amb --print, demana una data a l’usuari i l’escriu per a un script.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Mostra Cancel·la i D’acord. D’acord o Retorn escriu la data i surt amb l’estat 0; Cancel·la, Esc o tancar la finestra no escriu res i surt amb l’estat 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Comença en aquesta data en lloc d’avui.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Escriu la data en aquest format de data de Qt, en la llengua de l’usuari (per defecte yyyy-MM-dd; per exemple dd.MM.yyyy o &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>La primera data que es pot triar.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>L’última data que es pot triar.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>El títol de la finestra (per defecte Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inesperat «%1».</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 és posterior a --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format és buit; doneu un format de data de Qt com ara yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format «%1» conté un %; --format pren un format de data de Qt com ara yyyy-MM-dd, no el %Y-%m-%d de strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format «%1» obre una cometa que no tanca</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format «%1» no escriu cap part de la data; doneu un format de data de Qt com ara yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Estat de sortida: 0 s’ha escrit la data (o, sense --print, s’ha tancat la finestra); 1 l’usuari ha refusat; 2 s’ha rebutjat la línia d’ordres; 3 ha fallat el diàleg (no hi ha pantalla, s’ha perdut la pantalla, no s’ha construït la finestra, no s’ha escrit la data); 5 l’ha acabat --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 «%2» no és un nombre enter a partir d’1</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date no es pot donar juntament amb --day, --month o --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>el dia %1 del mes %2 de l’any %3 no és una data del %4 al %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format i --date-format no es poden donar alhora</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra l’ajuda de les opcions de la línia d’ordres.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra la informació de la versió.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Demana una data com --print i l’escriu com el %x de la biblioteca de C tret que --date-format digui el contrari; un temps d’espera exhaurit acaba amb l’estat 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Un missatge a sobre de la data; \n comença una línia nova. S’eliminen les etiquetes de marcatge i es descodifiquen les entitats.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Mostra el --text tal com és.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Comença en aquest dia; la part que no es dona és la d’avui.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Comença en aquest mes (de l’1 al 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Comença en aquest any.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Escriu la data en aquest format de strftime, com ara %Y-%m-%d o %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Acaba per si mateix després d’aquests segons, escrivint la data d’aquell moment, amb l’estat 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>El text del botó D’acord.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>El text del botó Cancel·la.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>L’amplada mínima de la finestra en píxels.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>L’alçada mínima de la finestra en píxels.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>S’accepta i s’ignora.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcions:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Opcions d’altres diàlegs de calendari:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format «%1» no escriu cap part de la data; doneu un format de strftime com ara %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Ús: %1 [opcions]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 «%2» no és cap dels valors %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button «%1» surt amb un estat fora del 0 al 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details «%1» no es pot llegir: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 «%2» no és un nombre enter</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry «%1» no té la forma WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 «%2» no és un nombre enter de 0 en amunt</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>s’ha ignorat el que no és cap opció: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Afegeix un botó en lloc de Cancel·la i D’acord; es pot repetir. Surt amb l’estat ID i escriu la data quan l’ID és parell; un ID que no és un nombre és una ordre per executar.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>No mostra cap botó; Retorn accepta i Esc rebutja.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Afegeix després de D’acord un botó que escriu la seva etiqueta i surt amb l’estat 1; es pot repetir.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Mostra la setmana ISO de la data seleccionada sota la capçalera.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Descriu els dies amb les línies «DATE TEXT» d’aquest fitxer, DATE en el --date-format; aquests dies es mostren en negreta.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Alinea les línies de --text: left, center, right o fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Esc no tanca el diàleg.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Esc accepta la data com D’acord.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Escriu la data sigui quin sigui el botó que tanca el diàleg.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 «%2» es llegeix com a %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Obre la finestra al mig de la pantalla (no a Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Obre la finestra centrada al punter, dins de la pantalla (no a Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Posa la vora esquerra de la finestra a X píxels de la de la pantalla; una X negativa compta des de la vora dreta (no a Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Posa la vora superior de la finestra a Y píxels de la de la pantalla; una Y negativa compta des de la vora inferior (no a Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>La mida mínima de la finestra i la seva posició, tal com les escriu X11, per exemple 300x200-10+20 (la posició no a Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Mostra la finestra sense barra de títol ni marc.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Impedeix que es canviï la mida de la finestra.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Manté la finestra per sobre de les altres.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Mostra la finestra a tots els espais de treball.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>No mostris la finestra a la barra de tasques.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Obre la finestra maximitzada, amb el contingut al mig.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Obre la finestra a pantalla completa, amb el contingut al mig.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Obre la finestra sense prendre el focus del teclat.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Mostra la finestra com a pantalla de presentació, que els gestors de finestres mostren sense marc.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Rebutja, amb l’estat 1, quan una altra finestra pren el focus del teclat.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Ajusta la finestra al contingut amb aquests píxels al voltant (500 com a màxim).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Escriu cada text amb la família i la mida d’aquesta lletra, per exemple «Sans Bold 12».</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Amb --timeout, mostra el temps que queda com una barra en aquest costat: top, bottom, left o right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Escriu l’identificador X de la finestra a la sortida d’error estàndard, o a FILE, sense final de línia (no a Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>La classe del WM_CLASS de la finestra a X11, i el seu identificador d’aplicació a Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>El nom d’instància del WM_CLASS de la finestra a X11, i el seu identificador d’aplicació a Wayland sense --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 «%2» no és una data del %3 al %4 en la forma YYYY-MM-DD, amb una hora en la forma THH:MM o sense</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step necessita --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step «%1» no és un nombre de l’1 al 30 que divideixi 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Tria també una hora del dia i l’escriu després de la data (format per defecte yyyy-MM-dd HH:mm); aleshores --date, --min-date i --max-date accepten YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Amb --time, ofereix només els minuts múltiples d’aquest nombre (de l’1 al 30, divisor de 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 no deixa cap hora de %2 a %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>el rellotge local se salta totes les hores de %1 a %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>no es pot obrir cap finestra: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>no hi ha pantalla (DISPLAY i WAYLAND_DISPLAY no estan definides)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>s’ha perdut la connexió amb la pantalla</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>un altre programa ha destruït la finestra</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Avui</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demà</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ahir</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Primer d’aquest mes</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Últim d’aquest mes</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Primer del mes passat</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Últim del mes passat</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Primer del mes vinent</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Últim del mes vinent</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Copia «%1»</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copia %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D’acord</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Enganxa la data</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
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
        <translation>Aplica</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Setmana %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ara</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: ha fallat el missatge 0x%1: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: ha fallat el dibuix: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Selector de data</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>No s’ha pogut construir la finestra.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>no s’ha pogut construir la finestra: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>no s’ha pogut escriure la data: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>no s’ha pogut escriure l’identificador de la finestra a %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: no s’ha pogut iniciar l’ordre «%2»
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>no s’ha pogut escriure el text: %1</translation>
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
        <translation>Dia</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minut</translation>
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
        <translation>Error en temps d’execució %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Crida de procediment o argument no vàlid</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordament</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndex fora de l’interval</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Els tipus no coincideixen</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>No es pot crear l’objecte</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>L’objecte no admet aquesta propietat o mètode</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Nombre d’arguments incorrecte o assignació de propietat no vàlida</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definit per l’aplicació o per l’objecte</translation>
    </message>
</context>
</TS>
