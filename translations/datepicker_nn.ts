<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 «%2» er ikkje ein dato frå %3 til %4 på forma YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Vel ein dato i eit lite vindauge. Med --print vert brukaren spurd om ein dato, som vert skriven ut for eit skript.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Vis Avbryt og OK. OK eller Enter skriv ut datoen og avsluttar med status 0; Avbryt, Escape eller å lukka vindauget skriv ikkje ut noko og avsluttar med status 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Start på denne datoen i staden for i dag.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Skriv ut datoen i dette Qt-datoformatet på språket til brukaren (standard yyyy-MM-dd; til dømes dd.MM.yyyy eller &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Den første datoen som kan veljast.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Den siste datoen som kan veljast.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Tittelen på vindauget (standard Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Uventa argument «%1».</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 ligg etter --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format er tomt; gje eit Qt-datoformat som yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format «%1» inneheld eit %; --format tek eit Qt-datoformat som yyyy-MM-dd, ikkje %Y-%m-%d frå strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format «%1» opnar eit hermeteikn som det ikkje lukkar</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format «%1» skriv ingen del av datoen; gje eit Qt-datoformat som yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Avslutningsstatus: 0 datoen vart skriven ut (eller, utan --print, vindauget vart lukka); 1 brukaren avviste; 2 kommandolinja vart avvist; 3 dialogen feila (ingen skjerm, skjermen mista, vindauget ikkje bygd, datoen ikkje skriven); 5 --timeout avslutta han.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 «%2» er ikkje eit heiltal frå 1 og oppover</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date kan ikkje gjevast saman med --day, --month eller --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>dag %1 i månad %2 i år %3 er ikkje ein dato frå %4 til %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format og --date-format kan ikkje gjevast saman</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Vis hjelp til kommandolinjevala.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Vis versjonsinformasjon.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Spør etter ein dato slik --print gjer, og skriv han ut som %x i C-biblioteket om ikkje --date-format seier noko anna; ved tidsavbrot vert status 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Ein ledetekst over datoen; \n byrjar ei ny linje. Markeringstaggar vert fjerna og entitetar dekoda.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Vis --text slik han står.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Start på denne dagen; ein del som ikkje er gjeven, vert henta frå dagens dato.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Start på denne månaden (1 til 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Start på dette året.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Skriv ut datoen i dette strftime-formatet, til dømes %Y-%m-%d eller %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Avslutt av seg sjølv etter så mange sekund, skriv då ut datoen, med status 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Teksten på OK-knappen.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Teksten på Avbryt-knappen.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Minste breidd på vindauget i pikslar.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Minste høgd på vindauget i pikslar.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Vert godteke og oversett.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Val:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Val frå andre kalenderdialogar:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format «%1» skriv ingen del av datoen; gje eit strftime-format som %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Bruk: %1 [val]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 «%2» er ikkje ein av verdiane %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button «%1» avsluttar med ein status utanfor 0 til 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details «%1» kan ikkje lesast: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 «%2» er ikkje eit heiltal</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry «%1» er ikkje på forma WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 «%2» er ikkje eit heiltal frå 0 og oppover</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ignorerte det som ikkje er eit val: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Legg til ein knapp i staden for Avbryt og OK, kan gjentakast. Han avsluttar med status ID og skriv ut datoen når ID er eit partal; ein ID som ikkje er eit tal, er ein kommando som skal køyrast.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Vis ingen knappar; Enter godtek og Escape avviser.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Legg til ein knapp etter OK som skriv ut teksten sin og avsluttar med status 1, kan gjentakast.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Vis ISO-veka for den valde datoen under overskrifta.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Skildra dagar med linjene «DATE TEXT» i denne fila, DATE i --date-format; slike dagar vert viste med feit skrift.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Juster linjene i --text: left, center, right eller fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape avsluttar ikkje dialogen.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape godtek datoen slik OK gjer.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Skriv ut datoen same kva knapp som avsluttar dialogen.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 «%2» vert lese som %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Opna vindauget midt på skjermen (ikkje under Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Opna vindauget sentrert på peikaren, halde på skjermen (ikkje under Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Set den venstre kanten til vindauget X pikslar frå skjermen sin; ein negativ X tel frå høgre kant (ikkje under Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Set den øvre kanten til vindauget Y pikslar frå skjermen sin; ein negativ Y tel frå nedre kant (ikkje under Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Den minste storleiken og plassen til vindauget, slik X11 skriv dei, til dømes 300x200-10+20 (plassen ikkje under Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Vis vindauget utan tittellinje og ramme.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Hindra at storleiken på vindauget vert endra.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Hald vindauget over andre vindauge.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Vis vindauget på alle arbeidsområde.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Ikkje vis vindauget i oppgåvelinja.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Opna vindauget maksimert, med innhaldet i midten.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Opna vindauget i fullskjerm, med innhaldet i midten.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Opna vindauget utan å ta tastaturfokuset.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Vis vindauget som ein velkomstskjerm, som vindaugshandsamarar viser utan ramme.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Avslå, med status 1, når eit anna vindauge tek tastaturfokuset.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Tilpass vindauget til innhaldet med så mange pikslar rundt (høgst 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Skriv all tekst i familien og storleiken til denne skrifta, til dømes «Sans Bold 12».</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Med --timeout, vis tida som er att som ei stong på denne sida: top, bottom, left eller right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Skriv X-ID-en til vindauget utan linjeskift på standardfeil eller i FILE (ikkje under Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Klassen i WM_CLASS til vindauget under X11, og app-ID-en til det under Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Instansnamnet i WM_CLASS til vindauget under X11, og app-ID-en til det under Wayland utan --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 «%2» er ikkje ein dato frå %3 til %4 på forma YYYY-MM-DD, med eller utan klokkeslett på forma THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step krev --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step «%1» er ikkje eit tal frå 1 til 30 som går opp i 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Vel òg eit klokkeslett, og skriv det ut etter datoen (standardform yyyy-MM-dd HH:mm); --date, --min-date og --max-date tek då YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Tilby med --time berre minutt som er eit multiplum av dette talet (1 til 30, går opp i 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 lèt ikkje att noko klokkeslett frå %2 til %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>den lokale klokka hoppar over kvart klokkeslett frå %1 til %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>kan ikkje opna eit vindauge: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>ingen skjerm (DISPLAY og WAYLAND_DISPLAY er ikkje sette)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>sambandet med skjermen vart broten</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>vindauget vart øydelagt av eit anna program</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>I morgon</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>I går</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Første i månaden</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Siste i månaden</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Første i førre månad</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Siste i førre månad</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Første i neste månad</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Siste i neste månad</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Kopier «%1»</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopier %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Lim inn dato</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagra</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Veke %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: meldinga 0x%1 feila: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: teikninga feila: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Datoveljar</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Vindauget kunne ikkje byggjast.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>vindauget kunne ikkje byggjast: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>datoen kunne ikkje skrivast: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>ID-en til vindauget kunne ikkje skrivast til %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: kommandoen «%2» kunne ikkje startast
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>teksten kunne ikkje skrivast: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Månad</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutt</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>a.m./p.m.</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Køyretidsfeil %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ugyldig prosedyrekall eller argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflyt</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks utanfor området</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typane passar ikkje saman</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Kan ikkje laga objektet</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objektet støttar ikkje denne eigenskapen eller metoden</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Feil tal argument eller ugyldig tilordning til eigenskap</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Feil definert av programmet eller objektet</translation>
    </message>
</context>
</TS>
