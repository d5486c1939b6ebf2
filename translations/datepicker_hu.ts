<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 „%2” nem %3 és %4 közötti, YYYY-MM-DD alakú dátum</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Dátum kiválasztása egy kis ablakban. A --print kapcsolóval dátumot kér a felhasználótól, és kiírja egy parancsfájl számára.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Megjeleníti a Mégse és az OK gombot. Az OK vagy az Enter kiírja a dátumot, és 0 állapottal lép ki; a Mégse, az Escape vagy az ablak bezárása semmit sem ír ki, és 1 állapottal lép ki.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Ezzel a dátummal indul a mai helyett.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Ebben a Qt dátumformátumban írja ki a dátumot, a felhasználó nyelvén (alapértelmezés yyyy-MM-dd; például dd.MM.yyyy vagy &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Az első választható dátum.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Az utolsó választható dátum.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Az ablak címe (alapértelmezés Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Váratlan argumentum: „%1”.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>A --min-date %1 későbbi, mint a --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>A --format üres; adjon meg egy Qt dátumformátumot, például yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>A --format „%1” %-jelet tartalmaz; a --format Qt dátumformátumot vár, például yyyy-MM-dd, nem a strftime %Y-%m-%d alakját</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>A --format „%1” megnyit egy idézőjelet, amelyet nem zár be</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>A --format „%1” a dátum egyetlen részét sem írja ki; adjon meg egy Qt dátumformátumot, például yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Kilépési állapot: 0 a dátum kiírva (vagy --print nélkül az ablak bezárva); 1 a felhasználó elutasította; 2 a parancssor elutasítva; 3 a párbeszédablak hibát észlelt (nincs kijelző, a kijelző elveszett, az ablak nem épült fel, a dátum nem íródott ki); 5 a --timeout zárta be.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 „%2” nem 1 vagy annál nagyobb egész szám</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>A --date nem adható meg a --day, --month vagy --year kapcsolóval együtt</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>a(z) %3. év %2. hónapjának %1. napja nem %4 és %5 közötti dátum</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>A --format és a --date-format nem adható meg együtt</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Súgó megjelenítése a parancssori kapcsolókhoz.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Megjeleníti a verzióinformációkat.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Dátumot kér, mint a --print, és a C könyvtár %x formátumában írja ki, hacsak a --date-format mást nem mond; időtúllépéskor 5 állapottal lép ki.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Felszólító szöveg a dátum fölött; a \n új sort kezd. A jelölőcímkék eltávolításra, az entitások feloldásra kerülnek.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>A --text szöveget változatlanul jeleníti meg.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Ezzel a nappal indul; a meg nem adott rész a mai dátumból származik.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Ezzel a hónappal indul (1–12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Ezzel az évvel indul.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Ebben a strftime formátumban írja ki a dátumot, például %Y-%m-%d vagy %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Ennyi másodperc után magától befejeződik, kiírja az akkori dátumot, és 5 állapottal lép ki.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Az OK gomb felirata.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>A Mégse gomb felirata.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Az ablak legkisebb szélessége képpontban.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Az ablak legkisebb magassága képpontban.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Elfogadva és figyelmen kívül hagyva.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Kapcsolók:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Más naptár-párbeszédablakok kapcsolói:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>A --date-format „%1” a dátum egyetlen részét sem írja ki; adjon meg egy strftime formátumot, például %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Használat: %1 [kapcsolók]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 „%2” nem a következők egyike: %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button „%1” 0 és 255 közé nem eső állapottal lép ki</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details „%1” nem olvasható: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 „%2” nem egész szám</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry „%1” nem WxH+X+Y alakú</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 „%2” nem 0 vagy annál nagyobb egész szám</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>figyelmen kívül hagyva, ami nem kapcsoló: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Gombot ad a Mégse és az OK helyett, többször is megadható. A gomb ID állapottal lép ki, és kiírja a dátumot, ha az ID páros; a nem szám ID futtatandó parancs.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Nem jelenít meg gombokat; az Enter elfogad, az Escape elutasít.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Az OK után olyan gombot ad, amely kiírja a feliratát, és 1 állapottal lép ki, többször is megadható.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Megjeleníti a kiválasztott dátum ISO hetét a fejléc alatt.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>A napokat e fájl „DATE TEXT” soraival írja le, a DATE a --date-format szerint; ezek a napok félkövérek.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Igazítja a --text sorait: left, center, right vagy fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Az Escape nem zárja be a párbeszédablakot.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Az Escape az OK-hoz hasonlóan elfogadja a dátumot.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Kiírja a dátumot, bármelyik gomb zárja is be a párbeszédablakot.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 „%2” értéke %3 lesz</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Az ablak megnyitása a képernyő közepén (Waylanden nem).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Az ablak megnyitása a mutatóra középre igazítva, a képernyőn belül (Waylanden nem).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Az ablak bal szélének elhelyezése X képpontra a képernyőétől; negatív X a jobb széltől számít (Waylanden nem).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Az ablak felső szélének elhelyezése Y képpontra a képernyőétől; negatív Y az alsó széltől számít (Waylanden nem).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Az ablak legkisebb mérete és helye, ahogy az X11 írja, például 300x200-10+20 (a hely Waylanden nem).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Az ablak megjelenítése címsor és keret nélkül.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Az ablak átméretezésének tiltása.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Az ablak a többi ablak fölött tartása.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Az ablak megjelenítése minden munkaterületen.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Az ablak kihagyása a tálcáról.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Az ablak megnyitása teljes méretben, a tartalommal középen.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Az ablak megnyitása teljes képernyőn, a tartalommal középen.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Az ablak megnyitása a billentyűzetfókusz átvétele nélkül.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Az ablak megjelenítése indítóképernyőként, amelyet az ablakkezelők keret nélkül mutatnak.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Elutasítás 1-es állapottal, amikor egy másik ablak átveszi a billentyűzetfókuszt.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Az ablak igazítása a tartalmához, ennyi képponttal körülötte (legfeljebb 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Minden szöveg írása e betűtípus családjával és méretével, például „Sans Bold 12”.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>A --timeout mellett a hátralévő idő sávként ezen az oldalon: top, bottom, left vagy right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Az ablak X-azonosítójának kiírása sorvég nélkül a szabványos hibakimenetre vagy a FILE fájlba (Waylanden nem).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Az ablak WM_CLASS osztálya X11-en, és alkalmazásazonosítója Waylanden.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Az ablak WM_CLASS példányneve X11-en, és alkalmazásazonosítója Waylanden --class nélkül.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 „%2” nem %3 és %4 közötti, YYYY-MM-DD alakú dátum, THH:MM alakú időponttal vagy anélkül</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>A --minute-step csak a --time mellett adható meg</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step „%1” nem 1 és 30 közötti szám, amely osztja a 60-at</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Időpontot is választ, és a dátum után kiírja (alapértelmezett formátum: yyyy-MM-dd HH:mm); ekkor a --date, a --min-date és a --max-date YYYY-MM-DDTHH:MM alakot is elfogad.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>A --time mellett csak e szám többszöröseit kínálja percként (1 és 30 között, a 60 osztója).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>a --minute-step %1 nem hagy egyetlen időpontot sem %2 és %3 között</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>a helyi óra minden időpontot átugrik %1 és %2 között</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>nem nyitható meg ablak: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>nincs kijelző (a DISPLAY és a WAYLAND_DISPLAY nincs beállítva)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>a kapcsolat a kijelzővel megszakadt</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>az ablakot egy másik program megszüntette</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Holnap</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Tegnap</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>A hónap eleje</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>A hónap vége</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Előző hónap eleje</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Előző hónap vége</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Következő hónap eleje</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Következő hónap vége</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>„%1” másolása</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 másolása</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Dátum beillesztése</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>%1. hét</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Most</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: a(z) 0x%1 üzenet sikertelen: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: a rajzolás sikertelen: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Dátumválasztó</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Az ablakot nem sikerült felépíteni.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>az ablakot nem sikerült felépíteni: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>a dátumot nem sikerült kiírni: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>az ablak azonosítóját nem sikerült kiírni ide: %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: a(z) „%2” parancs nem indítható el
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>a szöveg nem írható ki: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Hónap</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Nap</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Év</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Óra</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Perc</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>de./du.</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Futásidejű hiba (%1): %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Érvénytelen eljáráshívás vagy argumentum</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Túlcsordulás</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Az index a tartományon kívül esik</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Típuseltérés</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Az objektum nem hozható létre</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Az objektum nem támogatja ezt a tulajdonságot vagy metódust</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Hibás számú argumentum vagy érvénytelen tulajdonság-hozzárendelés</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Alkalmazás vagy objektum által meghatározott hiba</translation>
    </message>
</context>
</TS>
