<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 „%2“ nije datum od %3 do %4 u obliku YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Odabir datuma u malom prozoru. S --print traži od korisnika datum i ispisuje ga za skriptu.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Prikazuje tipke Odustani i U redu. U redu ili Enter ispisuje datum i završava sa statusom 0; Odustani, Escape ili zatvaranje prozora ne ispisuje ništa i završava sa statusom 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Započinje ovim datumom umjesto današnjeg.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Ispisuje datum u ovom Qt obliku datuma, na jeziku korisnika (zadano yyyy-MM-dd; na primjer dd.MM.yyyy ili &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Prvi datum koji se može odabrati.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Zadnji datum koji se može odabrati.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Naslov prozora (zadano Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočekivani argument „%1“.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 je nakon --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format je prazan; navedite Qt oblik datuma, na primjer yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format „%1“ sadrži %; --format prima Qt oblik datuma, na primjer yyyy-MM-dd, a ne %Y-%m-%d iz strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format „%1“ otvara navodnik koji ne zatvara</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format „%1“ ne ispisuje nijedan dio datuma; navedite Qt oblik datuma, na primjer yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Izlazni status: 0 datum je ispisan (ili, bez --print, prozor je zatvoren); 1 korisnik je odustao; 2 naredbeni redak je odbijen; 3 dijalog nije uspio (nema zaslona, zaslon izgubljen, prozor nije izgrađen, datum nije zapisan); 5 završio ga je --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 „%2“ nije cijeli broj od 1 naviše</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date se ne može navesti zajedno s --day, --month ili --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>dan %1 mjeseca %2 godine %3 nije datum od %4 do %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format i --date-format ne mogu se navesti zajedno</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Prikazuje pomoć za opcije naredbenog retka.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Prikazuje podatke o verziji.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Traži datum kao --print i ispisuje ga kao %x C biblioteke, osim ako --date-format kaže drugačije; istek vremena završava sa statusom 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Upit iznad datuma; \n započinje novi redak. Oznake se uklanjaju, a entiteti dekodiraju.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Prikazuje --text točno kako je napisan.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Započinje ovim danom; dio koji nije naveden uzima se od današnjeg datuma.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Započinje ovim mjesecom (1 do 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Započinje ovom godinom.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Ispisuje datum u ovom strftime obliku, na primjer %Y-%m-%d ili %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Završava samo nakon toliko sekundi, ispisuje tadašnji datum i vraća status 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Natpis tipke U redu.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Natpis tipke Odustani.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Najmanja širina prozora u pikselima.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Najmanja visina prozora u pikselima.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Prihvaća se i zanemaruje.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcije:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Opcije drugih kalendarskih dijaloga:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format „%1“ ne ispisuje nijedan dio datuma; navedite strftime oblik, na primjer %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Primjena: %1 [opcije]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 „%2“ nije jedna od vrijednosti %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button „%1“ završava sa statusom izvan raspona od 0 do 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details „%1“ nije moguće pročitati: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 „%2“ nije cijeli broj</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry „%1“ nije u obliku WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 „%2“ nije cijeli broj od 0 naviše</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>zanemareno ono što nije opcija: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Dodaje tipku umjesto tipki Odustani i U redu, može se ponavljati. Završava sa statusom ID i ispisuje datum ako je ID paran; ID koji nije broj naredba je za pokretanje.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Ne prikazuje tipke; Enter prihvaća, a Escape odbija.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Dodaje iza tipke U redu tipku koja ispisuje svoj natpis i završava sa statusom 1, može se ponavljati.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Prikazuje ISO tjedan odabranog datuma ispod zaglavlja.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Opisuje dane redcima „DATE TEXT“ ove datoteke, DATE u obliku --date-format; takvi su dani podebljani.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Poravnava retke od --text: left, center, right ili fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape ne završava dijalog.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape prihvaća datum kao i U redu.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Ispisuje datum kojom god tipkom dijalog završi.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 „%2“ čita se kao %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Otvori prozor na sredini zaslona (ne u Waylandu).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Otvori prozor centriran na pokazivaču, unutar zaslona (ne u Waylandu).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Postavi lijevi rub prozora X piksela od ruba zaslona; negativan X broji se od desnog ruba (ne u Waylandu).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Postavi gornji rub prozora Y piksela od ruba zaslona; negativan Y broji se od donjeg ruba (ne u Waylandu).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Najmanja veličina prozora i njegovo mjesto, zapisani kao u X11, na primjer 300x200-10+20 (mjesto ne u Waylandu).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Prikaži prozor bez naslovne trake i okvira.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Ne dopuštaj promjenu veličine prozora.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Drži prozor iznad drugih prozora.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Prikaži prozor na svakom radnom prostoru.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Ne prikazuj prozor na traci zadataka.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Otvori prozor maksimiziran, sa sadržajem na sredini.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Otvori prozor preko cijelog zaslona, sa sadržajem na sredini.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Otvori prozor bez preuzimanja fokusa tipkovnice.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Prikaži prozor kao uvodni zaslon, koji upravitelji prozora prikazuju bez okvira.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Odbij, sa statusom 1, kada drugi prozor preuzme fokus tipkovnice.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Prilagodi prozor sadržaju s toliko piksela okolo (najviše 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Piši svaki tekst obitelji i veličinom ovog fonta, na primjer „Sans Bold 12“.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Uz --timeout prikaži preostalo vrijeme kao traku na ovoj strani: top, bottom, left ili right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Zapiši X ID prozora bez kraja retka na standardni izlaz za pogreške ili u FILE (ne u Waylandu).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Klasa WM_CLASS prozora u X11 i njegov ID aplikacije u Waylandu.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Naziv instance WM_CLASS prozora u X11 i njegov ID aplikacije u Waylandu bez --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 „%2“ nije datum od %3 do %4 u obliku YYYY-MM-DD, sa ili bez vremena u obliku THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step zahtijeva --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step „%1“ nije broj od 1 do 30 koji dijeli 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Odabire i doba dana i ispisuje ga nakon datuma (zadani oblik yyyy-MM-dd HH:mm); --date, --min-date i --max-date tada primaju YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Uz --time nudi samo minute koje su višekratnik ovog broja (od 1 do 30, djelitelj broja 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 ne ostavlja nijedno vrijeme od %2 do %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>lokalni sat preskače svako vrijeme od %1 do %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>ne može se otvoriti prozor: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>nema zaslona (DISPLAY i WAYLAND_DISPLAY nisu postavljeni)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>veza sa zaslonom je izgubljena</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>prozor je uništio drugi program</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Danas</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Sutra</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Jučer</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Početak mjeseca</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Kraj mjeseca</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Početak prošlog mjeseca</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Kraj prošlog mjeseca</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Početak idućeg mjeseca</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Kraj idućeg mjeseca</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Kopiraj „%1“</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopiraj %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Zalijepi datum</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Izađi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Tjedan %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Sada</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: poruka 0x%1 nije uspjela: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: iscrtavanje nije uspjelo: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Odabir datuma</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Prozor se nije mogao izgraditi.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>prozor se nije mogao izgraditi: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>datum se nije mogao zapisati: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>ID prozora nije bilo moguće zapisati u %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: naredbu „%2“ nije bilo moguće pokrenuti
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>tekst nije bilo moguće zapisati: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Mjesec</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dan</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Godina</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuta</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>prijepodne/poslijepodne</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Greška pri izvođenju %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Neispravan poziv procedure ili argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Preljev</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks izvan raspona</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Nepodudaranje tipova</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Nije moguće stvoriti objekt</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekt ne podržava ovo svojstvo ili metodu</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Pogrešan broj argumenata ili neispravna dodjela svojstva</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Greška definirana u aplikaciji ili objektu</translation>
    </message>
</context>
</TS>
