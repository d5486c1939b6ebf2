<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 „%2“ nie je dátum od %3 do %4 v tvare YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Výber dátumu v malom okne. S --print sa opýta používateľa na dátum a vypíše ho pre skript.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Zobrazí tlačidlá Zrušiť a OK. OK alebo Enter vypíše dátum a skončí so stavom 0; Zrušiť, Escape alebo zatvorenie okna nevypíše nič a skončí so stavom 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Začne týmto dátumom namiesto dnešného.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Vypíše dátum v tomto formáte dátumu Qt v jazyku používateľa (predvolený yyyy-MM-dd; napríklad dd.MM.yyyy alebo &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Prvý dátum, ktorý možno vybrať.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Posledný dátum, ktorý možno vybrať.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Titulok okna (predvolený Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočakávaný argument „%1“.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 je neskôr ako --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format je prázdny; zadajte formát dátumu Qt, napríklad yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format „%1“ obsahuje %; --format prijíma formát dátumu Qt, napríklad yyyy-MM-dd, nie %Y-%m-%d zo strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format „%1“ otvára úvodzovky, ktoré nezatvára</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format „%1“ nevypisuje žiadnu časť dátumu; zadajte formát dátumu Qt, napríklad yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Návratový kód: 0 dátum bol vypísaný (alebo bez --print bolo okno zatvorené); 1 používateľ odmietol; 2 príkazový riadok bol odmietnutý; 3 dialóg zlyhal (žiadny displej, strata displeja, okno nevytvorené, dátum nezapísaný); 5 ukončené po --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 „%2“ nie je celé číslo od 1 vyššie</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date nemožno zadať spolu s --day, --month alebo --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>deň %1 mesiaca %2 roku %3 nie je dátum od %4 do %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format a --date-format nemožno zadať súčasne</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zobrazí pomocníka k voľbám príkazového riadka.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zobrazí informácie o verzii.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Opýta sa na dátum ako --print a vypíše ho ako %x knižnice C, ak --date-format neurčí inak; uplynutie času končí stavom 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Výzva nad dátumom; \n začína nový riadok. Značky sa odstránia a entity dekódujú.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Zobrazí --text tak, ako je.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Začne týmto dňom; nezadaná časť sa vezme z dnešného dátumu.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Začne týmto mesiacom (1 až 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Začne týmto rokom.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Vypíše dátum v tomto formáte strftime, napríklad %Y-%m-%d alebo %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Po zadanom počte sekúnd skončí samo, vypíše dátum z tej chvíle a vráti stav 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Popis tlačidla OK.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Popis tlačidla Zrušiť.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Najmenšia šírka okna v pixeloch.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Najmenšia výška okna v pixeloch.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Prijaté a ignorované.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Voľby:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Voľby iných kalendárových dialógov:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format „%1“ nevypisuje žiadnu časť dátumu; zadajte formát strftime, napríklad %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Použitie: %1 [voľby]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 „%2“ nie je jedna z hodnôt %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button „%1“ končí stavom mimo rozsahu 0 až 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details „%1“ nemožno prečítať: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 „%2“ nie je celé číslo</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry „%1“ nemá tvar WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 „%2“ nie je celé číslo od 0 vyššie</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ignorované, čo nie je voľba: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Pridá tlačidlo namiesto Zrušiť a OK, možno opakovať. Skončí so stavom ID a vypíše dátum, ak je ID párne; ID, ktoré nie je číslo, je príkaz na spustenie.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Nezobrazí žiadne tlačidlá; Enter potvrdí a Escape odmietne.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Pridá za OK tlačidlo, ktoré vypíše svoj popis a skončí so stavom 1, možno opakovať.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Zobrazí pod hlavičkou týždeň ISO vybraného dátumu.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Opíše dni riadkami „DATE TEXT“ tohto súboru, DATE vo formáte --date-format; takéto dni sú tučné.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Zarovná riadky --text: left, center, right alebo fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape dialóg neukončí.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape prijme dátum rovnako ako OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Vypíše dátum, nech dialóg ukončí ktorékoľvek tlačidlo.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 „%2“ sa číta ako %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Otvoriť okno v strede obrazovky (nie vo Waylande).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Otvoriť okno vycentrované na ukazovateli, v rámci obrazovky (nie vo Waylande).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Umiestniť ľavý okraj okna X pixelov od okraja obrazovky; záporné X sa počíta od pravého okraja (nie vo Waylande).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Umiestniť horný okraj okna Y pixelov od okraja obrazovky; záporné Y sa počíta od dolného okraja (nie vo Waylande).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Najmenšia veľkosť okna a jeho miesto, zapísané ako v X11, napríklad 300x200-10+20 (miesto nie vo Waylande).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Zobraziť okno bez záhlavia a rámu.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Nedovoliť zmenu veľkosti okna.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Držať okno nad ostatnými oknami.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Zobraziť okno na každej pracovnej ploche.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Nezobrazovať okno na paneli úloh.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Otvoriť okno maximalizované, s obsahom v strede.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Otvoriť okno na celú obrazovku, s obsahom v strede.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Otvoriť okno bez prevzatia fokusu klávesnice.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Zobraziť okno ako úvodnú obrazovku, ktorú správcovia okien zobrazujú bez rámu.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Odmietnuť so stavom 1, keď iné okno prevezme fokus klávesnice.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Prispôsobiť okno obsahu s toľkými pixelmi okolo (najviac 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Písať každý text rodinou a veľkosťou tohto písma, napríklad „Sans Bold 12“.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>S --timeout zobraziť zostávajúci čas ako pruh na tejto strane: top, bottom, left alebo right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Zapísať X ID okna bez konca riadka na štandardný chybový výstup alebo do FILE (nie vo Waylande).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Trieda WM_CLASS okna v X11 a jeho ID aplikácie vo Waylande.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Názov inštancie WM_CLASS okna v X11 a jeho ID aplikácie vo Waylande bez --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 „%2“ nie je dátum od %3 do %4 v tvare YYYY-MM-DD, s časom v tvare THH:MM alebo bez neho</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step vyžaduje --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step „%1“ nie je číslo od 1 do 30, ktoré delí 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Vyberie aj čas dňa a vypíše ho za dátumom (predvolený formát yyyy-MM-dd HH:mm); --date, --min-date a --max-date potom prijímajú YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>S --time ponúka len minúty, ktoré sú násobkom tohto čísla (1 až 30, deliteľ 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 nenecháva žiadny čas od %2 do %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>miestne hodiny preskakujú každý čas od %1 do %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>nemožno otvoriť okno: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>žiadny displej (DISPLAY a WAYLAND_DISPLAY nie sú nastavené)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>spojenie s displejom sa stratilo</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>okno bolo zničené iným programom</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Zajtra</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Včera</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Začiatok mesiaca</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Koniec mesiaca</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Začiatok minulého mesiaca</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Koniec minulého mesiaca</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Začiatok budúceho mesiaca</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Koniec budúceho mesiaca</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Kopírovať „%1“</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopírovať %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Vložiť dátum</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použiť</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ukončiť</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Týždeň %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: správa 0x%1 zlyhala: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: vykreslenie zlyhalo: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Výber dátumu</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Okno sa nepodarilo vytvoriť.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>okno sa nepodarilo vytvoriť: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>dátum sa nepodarilo zapísať: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>ID okna sa nepodarilo zapísať do %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: príkaz „%2“ sa nepodarilo spustiť
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>text sa nepodarilo zapísať: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Mesiac</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Deň</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hodina</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minúta</translation>
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
        <translation>Chyba pri behu %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neplatné volanie procedúry alebo argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Pretečenie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index mimo rozsahu</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Nezhoda typov</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Nemožno vytvoriť objekt</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekt nepodporuje túto vlastnosť alebo metódu</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Nesprávny počet argumentov alebo neplatné priradenie vlastnosti</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Chyba definovaná aplikáciou alebo objektom</translation>
    </message>
</context>
</TS>
