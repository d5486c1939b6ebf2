<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 „%2“ není datum od %3 do %4 ve tvaru YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Výběr data v malém okně. S --print se zeptá uživatele na datum a vypíše ho pro skript.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Zobrazí tlačítka Zrušit a OK. OK nebo Enter vypíše datum a skončí se stavem 0; Zrušit, Escape nebo zavření okna nevypíše nic a skončí se stavem 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Začne tímto datem místo dneška.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Vypíše datum v tomto formátu data Qt v jazyce uživatele (výchozí yyyy-MM-dd; například dd.MM.yyyy nebo &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>První datum, které lze vybrat.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Poslední datum, které lze vybrat.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Titulek okna (výchozí Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekávaný argument „%1“.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 je později než --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format je prázdný; zadejte formát data Qt, například yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format „%1“ obsahuje %; --format přijímá formát data Qt, například yyyy-MM-dd, nikoli %Y-%m-%d ze strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format „%1“ otevírá uvozovky, které neuzavírá</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format „%1“ nevypisuje žádnou část data; zadejte formát data Qt, například yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Návratový kód: 0 datum bylo vypsáno (nebo bez --print bylo okno zavřeno); 1 uživatel odmítl; 2 příkazový řádek byl odmítnut; 3 dialog selhal (žádný displej, ztráta displeje, okno nevytvořeno, datum nezapsáno); 5 ukončeno po --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 „%2“ není celé číslo od 1 výše</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date nelze zadat spolu s --day, --month nebo --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>den %1 měsíce %2 roku %3 není datum od %4 do %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format a --date-format nelze zadat zároveň</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zobrazí nápovědu k volbám příkazového řádku.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zobrazí informace o verzi.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Zeptá se na datum jako --print a vypíše ho jako %x knihovny C, pokud --date-format neurčí jinak; vypršení času končí stavem 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Výzva nad datem; \n začíná nový řádek. Značky se odstraní a entity dekódují.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Zobrazí --text tak, jak je.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Začne tímto dnem; nezadaná část se vezme z dnešního data.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Začne tímto měsícem (1 až 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Začne tímto rokem.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Vypíše datum v tomto formátu strftime, například %Y-%m-%d nebo %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Po zadaném počtu sekund skončí samo, vypíše datum z té chvíle a vrátí stav 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Popisek tlačítka OK.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Popisek tlačítka Zrušit.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Nejmenší šířka okna v pixelech.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Nejmenší výška okna v pixelech.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Přijato a ignorováno.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Volby:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Volby jiných kalendářových dialogů:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format „%1“ nevypisuje žádnou část data; zadejte formát strftime, například %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Použití: %1 [volby]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 „%2“ není jedna z hodnot %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button „%1“ končí stavem mimo rozsah 0 až 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details „%1“ nelze přečíst: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 „%2“ není celé číslo</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry „%1“ nemá tvar WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 „%2“ není celé číslo od 0 výše</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ignorováno, co není volba: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Přidá tlačítko místo Zrušit a OK, lze opakovat. Skončí se stavem ID a vypíše datum, je-li ID sudé; ID, které není číslo, je příkaz ke spuštění.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Nezobrazí žádná tlačítka; Enter potvrdí a Escape odmítne.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Přidá za OK tlačítko, které vypíše svůj popisek a skončí se stavem 1, lze opakovat.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Zobrazí pod záhlavím týden ISO vybraného data.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Popíše dny řádky „DATE TEXT“ tohoto souboru, DATE ve formátu --date-format; takové dny jsou tučně.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Zarovná řádky --text: left, center, right nebo fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape dialog neukončí.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape přijme datum stejně jako OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Vypíše datum, ať dialog ukončí kterékoli tlačítko.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 „%2“ se čte jako %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Otevřít okno uprostřed obrazovky (ne ve Waylandu).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Otevřít okno vystředěné na ukazateli, v mezích obrazovky (ne ve Waylandu).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Umístit levý okraj okna X pixelů od okraje obrazovky; záporné X se počítá od pravého okraje (ne ve Waylandu).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Umístit horní okraj okna Y pixelů od okraje obrazovky; záporné Y se počítá od dolního okraje (ne ve Waylandu).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Nejmenší velikost okna a jeho místo, zapsané jako v X11, například 300x200-10+20 (místo ne ve Waylandu).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Zobrazit okno bez záhlaví a rámu.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Nedovolit změnu velikosti okna.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Držet okno nad ostatními okny.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Zobrazit okno na každé pracovní ploše.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Nezobrazovat okno na hlavním panelu.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Otevřít okno maximalizované, s obsahem uprostřed.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Otevřít okno na celou obrazovku, s obsahem uprostřed.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Otevřít okno bez převzetí fokusu klávesnice.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Zobrazit okno jako úvodní obrazovku, kterou správci oken zobrazují bez rámu.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Odmítnout se stavem 1, když jiné okno převezme fokus klávesnice.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Přizpůsobit okno obsahu s tolika pixely kolem (nejvýše 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Psát každý text rodinou a velikostí tohoto písma, například „Sans Bold 12“.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>S --timeout zobrazit zbývající čas jako pruh na této straně: top, bottom, left nebo right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Zapsat X ID okna bez konce řádku na standardní chybový výstup nebo do FILE (ne ve Waylandu).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Třída WM_CLASS okna v X11 a jeho ID aplikace ve Waylandu.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Název instance WM_CLASS okna v X11 a jeho ID aplikace ve Waylandu bez --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 „%2“ není datum od %3 do %4 ve tvaru YYYY-MM-DD, s časem ve tvaru THH:MM nebo bez něj</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step vyžaduje --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step „%1“ není číslo od 1 do 30, které dělí 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Vybere i denní čas a vypíše ho za datem (výchozí formát yyyy-MM-dd HH:mm); --date, --min-date a --max-date pak přijímají YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>S --time nabízí jen minuty, které jsou násobkem tohoto čísla (1 až 30, dělitel 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 nenechává žádný čas od %2 do %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>místní hodiny přeskakují každý čas od %1 do %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>nelze otevřít okno: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>žádný displej (DISPLAY a WAYLAND_DISPLAY nejsou nastaveny)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>spojení s displejem bylo ztraceno</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>okno bylo zničeno jiným programem</translation>
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
        <translation>Zítra</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Včera</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Začátek měsíce</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Konec měsíce</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Začátek minulého měsíce</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Konec minulého měsíce</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Začátek příštího měsíce</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Konec příštího měsíce</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Kopírovat „%1“</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopírovat %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Vložit datum</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Týden %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nyní</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: zpráva 0x%1 selhala: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: vykreslení selhalo: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Výběr data</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Okno se nepodařilo vytvořit.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>okno se nepodařilo vytvořit: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>datum se nepodařilo zapsat: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>ID okna se nepodařilo zapsat do %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: příkaz „%2“ se nepodařilo spustit
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>text se nepodařilo zapsat: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
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
        <translation>Minuta</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>dop./odp.</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Běhová chyba %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neplatné volání procedury nebo argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Přetečení</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index mimo rozsah</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Neshoda typů</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Nelze vytvořit objekt</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekt nepodporuje tuto vlastnost nebo metodu</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Nesprávný počet argumentů nebo neplatné přiřazení vlastnosti</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Chyba definovaná aplikací nebo objektem</translation>
    </message>
</context>
</TS>
