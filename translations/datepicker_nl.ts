<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 ‘%2’ is geen datum van %3 tot en met %4 in de vorm YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Kies een datum in een klein venster. Vraag met --print de gebruiker om een datum en geef die door aan een script.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Toont de knoppen Annuleren en OK. OK of Enter drukt de datum af en sluit af met status 0; Annuleren, Esc of het venster sluiten drukt niets af en sluit af met status 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Begint op deze datum in plaats van vandaag.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Drukt de datum af in deze Qt-datumnotatie, in de taal van de gebruiker (standaard yyyy-MM-dd; bijvoorbeeld dd.MM.yyyy of &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>De eerste datum die gekozen kan worden.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>De laatste datum die gekozen kan worden.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>De venstertitel (standaard Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 ligt na --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format is leeg; geef een Qt-datumnotatie op, zoals yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format ‘%1’ bevat een %; --format verwacht een Qt-datumnotatie zoals yyyy-MM-dd, niet de %Y-%m-%d van strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format ‘%1’ opent een aanhalingsteken dat het niet sluit</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format ‘%1’ schrijft geen enkel deel van de datum; geef een Qt-datumnotatie zoals yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Afsluitstatus: 0 de datum is afgedrukt (of, zonder --print, het venster is gesloten); 1 de gebruiker heeft geweigerd; 2 de opdrachtregel is geweigerd; 3 het dialoogvenster is mislukt (geen beeldscherm, beeldscherm verloren, venster niet gebouwd, datum niet geschreven); 5 --timeout heeft het beëindigd.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 ‘%2’ is geen geheel getal vanaf 1</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date kan niet samen met --day, --month of --year worden gegeven</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>dag %1 van maand %2 van jaar %3 is geen datum van %4 tot %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format en --date-format kunnen niet samen worden gegeven</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opdrachtregelopties.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Toont versie-informatie.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Vraagt om een datum zoals --print en drukt die af als %x van de C-bibliotheek, tenzij --date-format iets anders zegt; een verlopen tijd eindigt met status 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Een tekst boven de datum; \n begint een nieuwe regel. Opmaaktags worden verwijderd en entiteiten gedecodeerd.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Toont de --text zoals die is.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Begint op deze dag; een niet gegeven deel is dat van vandaag.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Begint in deze maand (1 tot 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Begint in dit jaar.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Drukt de datum af in deze strftime-notatie, zoals %Y-%m-%d of %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Eindigt vanzelf na zoveel seconden, drukt dan de datum af, met status 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Het opschrift van de knop OK.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Het opschrift van de knop Annuleren.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>De kleinste breedte van het venster in pixels.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>De kleinste hoogte van het venster in pixels.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Geaccepteerd en genegeerd.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Opties van andere kalenderdialogen:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format ‘%1’ schrijft geen enkel deel van de datum; geef een strftime-notatie zoals %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Gebruik: %1 [opties]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 ‘%2’ is niet een van %3</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 ‘%2’ is geen geheel getal</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry ‘%1’ heeft niet de vorm WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 ‘%2’ is geen geheel getal vanaf 0</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>genegeerd wat geen optie is: %1</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button ‘%1’ eindigt met een status buiten 0 tot 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details ‘%1’ kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Een knop toevoegen in plaats van Annuleren en OK, herhaalbaar. Hij eindigt met status ID en schrijft de datum als ID even is; een ID dat geen getal is, is een opdracht om uit te voeren.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Geen knoppen tonen; Enter accepteert en Escape weigert.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Een knop na OK toevoegen die zijn opschrift schrijft en eindigt met status 1, herhaalbaar.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>De ISO-week van de gekozen datum onder de kop tonen.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Dagen beschrijven met de regels ‘DATUM TEKST’ van dit bestand, DATUM in het --date-format; zulke dagen zijn vet.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>De regels van --text uitlijnen: left, center, right of fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape beëindigt het dialoogvenster niet.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape accepteert de datum zoals OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>De datum schrijven, met welke knop het dialoogvenster ook eindigt.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 ‘%2’ wordt gelezen als %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Het venster midden op het scherm openen (niet onder Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Het venster gecentreerd op de aanwijzer openen, binnen het scherm (niet onder Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>De linkerrand van het venster X pixels van die van het scherm plaatsen; een negatieve X telt vanaf de rechterrand (niet onder Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>De bovenrand van het venster Y pixels van die van het scherm plaatsen; een negatieve Y telt vanaf de onderrand (niet onder Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>De minimale grootte en de plaats van het venster, zoals X11 ze schrijft, bijvoorbeeld 300x200-10+20 (de plaats niet onder Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Het venster zonder titelbalk of rand tonen.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Het venster niet van grootte laten veranderen.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Het venster boven andere vensters houden.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Het venster op elke werkruimte tonen.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Het venster niet in de taakbalk tonen.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Het venster gemaximaliseerd openen, de inhoud in het midden.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Het venster schermvullend openen, de inhoud in het midden.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Het venster openen zonder de toetsenbordfocus te nemen.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Het venster als opstartscherm tonen, dat vensterbeheerders zonder rand tonen.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Weigeren, met status 1, wanneer een ander venster de toetsenbordfocus neemt.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Het venster aan de inhoud aanpassen met zoveel pixels eromheen (hoogstens 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Elke tekst in de familie en grootte van dit lettertype schrijven, bijvoorbeeld ‘Sans Bold 12’.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Met --timeout de resterende tijd als balk aan deze kant tonen: top, bottom, left of right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>De X-id van het venster zonder regeleinde naar standaardfout of naar FILE schrijven (niet onder Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>De klasse van de WM_CLASS van het venster onder X11, en zijn app-id onder Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>De instantienaam van de WM_CLASS van het venster onder X11, en zijn app-id onder Wayland zonder --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 ‘%2’ is geen datum van %3 tot en met %4 in de vorm YYYY-MM-DD, met of zonder een tijd in de vorm THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step vereist --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step ‘%1’ is geen getal van 1 tot en met 30 waardoor 60 deelbaar is</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Kiest ook een tijdstip en schrijft het na de datum (standaardvorm yyyy-MM-dd HH:mm); --date, --min-date en --max-date nemen dan YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Biedt met --time alleen minuten aan die een veelvoud van dit getal zijn (1 tot en met 30, deler van 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 laat geen tijd over van %2 tot %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>de plaatselijke klok slaat elke tijd over van %1 tot %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>kan geen venster openen: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>geen beeldscherm (DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>de verbinding met het beeldscherm is verbroken</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>het venster is door een ander programma vernietigd</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gisteren</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Begin deze maand</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Eind deze maand</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Begin vorige maand</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Eind vorige maand</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Begin volgende maand</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Eind volgende maand</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>‘%1’ kopiëren</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopiëren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Datum plakken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Week %1</translation>
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
        <translation>datepicker: bericht 0x%1 mislukt: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: tekenen mislukt: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Datumkiezer</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Het venster kon niet worden gemaakt.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>het venster kon niet worden gebouwd: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>de datum kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>de id van het venster kon niet naar %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>de tekst kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: de opdracht ‘%2’ kon niet worden gestart
</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuut</translation>
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
        <translation>Uitvoeringsfout %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript valt buiten het bereik</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Kan object niet maken</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Deze eigenschap of methode wordt niet ondersteund door het object</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Onjuist aantal argumenten of ongeldige eigenschapstoewijzing</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Door toepassing of object gedefinieerde fout</translation>
    </message>
</context>
</TS>
