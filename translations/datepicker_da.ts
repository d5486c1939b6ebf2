<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 »%2« er ikke en dato fra %3 til %4 på formen YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Vælg en dato i et lille vindue. Med --print spørges brugeren om en dato, som udskrives til et script.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Vis Annuller og OK. OK eller Enter udskriver datoen og afslutter med status 0; Annuller, Escape eller lukning af vinduet udskriver intet og afslutter med status 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Start på denne dato i stedet for i dag.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Udskriv datoen i dette Qt-datoformat på brugerens sprog (standard yyyy-MM-dd; for eksempel dd.MM.yyyy eller &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Den første dato, der kan vælges.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Den sidste dato, der kan vælges.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Vinduets titel (standard Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Uventet argument »%1«.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 ligger efter --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format er tom; angiv et Qt-datoformat som yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format »%1« indeholder et %; --format tager et Qt-datoformat som yyyy-MM-dd, ikke strftimes %Y-%m-%d</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format »%1« åbner et anførselstegn, som det ikke lukker</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format »%1« skriver ingen del af datoen; angiv et Qt-datoformat som yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Afslutningsstatus: 0 datoen blev udskrevet (eller, uden --print, vinduet blev lukket); 1 brugeren afviste; 2 kommandolinjen blev afvist; 3 dialogen mislykkedes (ingen skærm, skærmen mistet, vinduet ikke bygget, datoen ikke skrevet); 5 --timeout afsluttede den.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 »%2« er ikke et heltal fra 1 og op</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date kan ikke angives sammen med --day, --month eller --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>dag %1 i måned %2 i år %3 er ikke en dato fra %4 til %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format og --date-format kan ikke angives sammen</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Viser hjælp til kommandolinjetilvalg.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Viser versionsinformation.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Spørg om en dato som --print, og udskriv den som C-bibliotekets %x, medmindre --date-format siger andet; et tidsudløb afslutter med status 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>En tekst over datoen; \n starter en ny linje. Markup-tags fjernes, og entiteter afkodes.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Vis --text, som den står.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Start på denne dag; en del, der ikke er angivet, tages fra dagens dato.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Start på denne måned (1 til 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Start på dette år.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Udskriv datoen i dette strftime-format, for eksempel %Y-%m-%d eller %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Afslut af sig selv efter så mange sekunder, udskriv datoen på det tidspunkt, med status 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>OK-knappens tekst.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Annuller-knappens tekst.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Vinduets mindste bredde i pixel.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Vinduets mindste højde i pixel.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Accepteres og ignoreres.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Tilvalg:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Tilvalg fra andre kalenderdialoger:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format »%1« skriver ingen del af datoen; angiv et strftime-format som %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Brug: %1 [tilvalg]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 »%2« er ikke en af værdierne %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button »%1« afslutter med en status uden for 0 til 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details »%1« kan ikke læses: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 »%2« er ikke et heltal</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry »%1« er ikke på formen WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 »%2« er ikke et heltal fra 0 og op</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ignorerede det, der ikke er et tilvalg: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Tilføj en knap i stedet for Annuller og OK, kan gentages. Den afslutter med status ID og udskriver datoen, når ID er lige; et ID, der ikke er et tal, er en kommando, der skal køres.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Vis ingen knapper; Enter accepterer, og Escape afviser.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Tilføj en knap efter OK, der udskriver sin tekst og afslutter med status 1, kan gentages.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Vis ISO-ugen for den valgte dato under overskriften.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Beskriv dage med linjerne »DATE TEXT« i denne fil, DATE i --date-format; sådanne dage vises med fed.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Juster linjerne i --text: left, center, right eller fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape afslutter ikke dialogen.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape accepterer datoen ligesom OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Udskriv datoen, uanset hvilken knap der afslutter dialogen.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 »%2« læses som %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Åbn vinduet midt på skærmen (ikke under Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Åbn vinduet centreret om markøren, holdt på skærmen (ikke under Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Sæt vinduets venstre kant X pixel fra skærmens; et negativt X tæller fra højre kant (ikke under Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Sæt vinduets øverste kant Y pixel fra skærmens; et negativt Y tæller fra nederste kant (ikke under Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Vinduets mindste størrelse og placering, som X11 skriver dem, fx 300x200-10+20 (placeringen ikke under Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Vis vinduet uden titellinje og ramme.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Forhindr, at vinduets størrelse ændres.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Hold vinduet over andre vinduer.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Vis vinduet på alle arbejdsområder.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Vis ikke vinduet i proceslinjen.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Åbn vinduet maksimeret med indholdet i midten.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Åbn vinduet i fuld skærm med indholdet i midten.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Åbn vinduet uden at tage tastaturfokus.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Vis vinduet som en velkomstskærm, som vindueshåndteringer viser uden ramme.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Afvis med status 1, når et andet vindue tager tastaturfokus.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Tilpas vinduet til indholdet med så mange pixel omkring (højst 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Skriv al tekst i denne skrifttypes familie og størrelse, fx »Sans Bold 12«.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Vis med --timeout den resterende tid som en bjælke i denne side: top, bottom, left eller right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Skriv vinduets X-id uden linjeskift på standardfejl eller i FILE (ikke under Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Klassen i vinduets WM_CLASS under X11 og dets app-id under Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Instansnavnet i vinduets WM_CLASS under X11 og dets app-id under Wayland uden --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 »%2« er ikke en dato fra %3 til %4 på formen YYYY-MM-DD, med eller uden et klokkeslæt på formen THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step kræver --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step »%1« er ikke et tal fra 1 til 30, der går op i 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Vælg også et klokkeslæt, og udskriv det efter datoen (standardformat yyyy-MM-dd HH:mm); --date, --min-date og --max-date tager så YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Tilbyd med --time kun minutter, der er et multiplum af dette tal (1 til 30, går op i 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 efterlader intet tidspunkt fra %2 til %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>det lokale ur springer ethvert tidspunkt over fra %1 til %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>kan ikke åbne et vindue: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>ingen skærm (DISPLAY og WAYLAND_DISPLAY er ikke sat)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>forbindelsen til skærmen blev afbrudt</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>vinduet blev ødelagt af et andet program</translation>
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
        <translation>I morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>I går</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Første i måneden</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Sidste i måneden</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Første i forrige måned</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Sidste i forrige måned</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Første i næste måned</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Sidste i næste måned</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Kopiér »%1«</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopiér %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Indsæt dato</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Uge %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: meddelelse 0x%1 mislykkedes: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: tegning mislykkedes: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Datovælger</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Vinduet kunne ikke bygges.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>vinduet kunne ikke bygges: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>datoen kunne ikke skrives: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>vinduets id kunne ikke skrives til %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: kommandoen »%2« kunne ikke startes
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>teksten kunne ikke skrives: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Måned</translation>
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
        <translation>Minut</translation>
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
        <translation>Kørselsfejl %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ugyldigt procedurekald eller argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overløb</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks uden for område</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typerne stemmer ikke overens</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Objektet kan ikke oprettes</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objektet understøtter ikke denne egenskab eller metode</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Forkert antal argumenter eller ugyldig tildeling af egenskab</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Program- eller objektdefineret fejl</translation>
    </message>
</context>
</TS>
