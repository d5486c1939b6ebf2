<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 ”%2” ei ole päivämäärä väliltä %3–%4 muodossa YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Valitse päivämäärä pienessä ikkunassa. Valitsimella --print kysyy käyttäjältä päivämäärän ja tulostaa sen skriptille.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Näytä Peru ja OK. OK tai Enter tulostaa päivämäärän ja päättyy tilaan 0; Peru, Escape tai ikkunan sulkeminen ei tulosta mitään ja päättyy tilaan 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Aloita tästä päivämäärästä tämän päivän sijaan.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Tulosta päivämäärä tässä Qt:n päivämäärämuodossa käyttäjän kielellä (oletus yyyy-MM-dd; esimerkiksi dd.MM.yyyy tai &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Ensimmäinen päivämäärä, jonka voi valita.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Viimeinen päivämäärä, jonka voi valita.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Ikkunan otsikko (oletus Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Odottamaton argumentti ”%1”.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 on myöhemmin kuin --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format on tyhjä; anna Qt:n päivämäärämuoto, kuten yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format ”%1” sisältää merkin %; --format ottaa Qt:n päivämäärämuodon, kuten yyyy-MM-dd, ei strftimen muotoa %Y-%m-%d</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format ”%1” avaa lainausmerkin, jota se ei sulje</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format ”%1” ei kirjoita mitään päivämäärän osaa; anna Qt:n päivämäärämuoto, kuten yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Paluuarvo: 0 päivämäärä tulostettiin (tai ilman valitsinta --print ikkuna suljettiin); 1 käyttäjä perui; 2 komentorivi hylättiin; 3 ikkuna epäonnistui (ei näyttöä, näyttö menetettiin, ikkunaa ei luotu, päivämäärää ei kirjoitettu); 5 --timeout päätti sen.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 ”%2” ei ole kokonaisluku 1:stä ylöspäin</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date ei käy yhdessä valitsimien --day, --month tai --year kanssa</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>vuoden %3 kuukauden %2 päivä %1 ei ole päivämäärä väliltä %4–%5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format ja --date-format eivät käy yhdessä</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Näyttää ohjeen komentorivin valitsimista.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Näyttää versiotiedot.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Kysy päivämäärä kuten --print ja tulosta se C-kirjaston muodossa %x, ellei --date-format määrää toisin; aikakatkaisu päättyy tilaan 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Kehote päivämäärän yläpuolella; \n aloittaa uuden rivin. Merkintäkoodit poistetaan ja entiteetit puretaan.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Näytä --text sellaisenaan.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Aloita tästä päivästä; antamatta jätetty osa otetaan tästä päivästä.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Aloita tästä kuukaudesta (1–12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Aloita tästä vuodesta.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Tulosta päivämäärä tässä strftime-muodossa, kuten %Y-%m-%d tai %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Päätä itsestään näin monen sekunnin kuluttua, tulosta silloinen päivämäärä ja päätä tilaan 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>OK-painikkeen teksti.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Peru-painikkeen teksti.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Ikkunan pienin leveys pikseleinä.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Ikkunan pienin korkeus pikseleinä.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Hyväksytään ja ohitetaan.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Valitsimet:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Muiden kalenteri-ikkunoiden valitsimet:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format ”%1” ei kirjoita mitään päivämäärän osaa; anna strftime-muoto, kuten %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Käyttö: %1 [valitsimet]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 ”%2” ei ole mikään arvoista %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button ”%1” päättyy tilaan, joka ei ole väliltä 0–255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details ”%1” ei voi lukea: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 ”%2” ei ole kokonaisluku</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry ”%1” ei ole muotoa WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 ”%2” ei ole 0 tai suurempi kokonaisluku</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ohitettiin se, mikä ei ole valitsin: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Lisää painike Peru- ja OK-painikkeiden tilalle, voi toistaa. Painike päättyy tilaan ID ja tulostaa päivämäärän, kun ID on parillinen; ID, joka ei ole luku, on suoritettava komento.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Älä näytä painikkeita; Enter hyväksyy ja Escape hylkää.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Lisää OK-painikkeen jälkeen painike, joka tulostaa tekstinsä ja päättyy tilaan 1, voi toistaa.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Näytä valitun päivämäärän ISO-viikko otsikon alla.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Kuvaa päiviä tämän tiedoston riveillä ”DATE TEXT”, DATE muodossa --date-format; tällaiset päivät ovat lihavoituja.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Tasaa valitsimen --text rivit: left, center, right tai fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape ei lopeta valintaikkunaa.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape hyväksyy päivämäärän kuten OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Tulosta päivämäärä, millä painikkeella tahansa valintaikkuna päättyy.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 ”%2” luetaan arvona %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Avaa ikkuna näytön keskelle (ei Waylandissa).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Avaa ikkuna osoittimen kohdalle keskitettynä, näytön sisällä (ei Waylandissa).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Aseta ikkunan vasen reuna X kuvapisteen päähän näytön vasemmasta reunasta; negatiivinen X lasketaan oikeasta reunasta (ei Waylandissa).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Aseta ikkunan yläreuna Y kuvapisteen päähän näytön yläreunasta; negatiivinen Y lasketaan alareunasta (ei Waylandissa).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Ikkunan vähimmäiskoko ja paikka X11:n tapaan kirjoitettuna, esimerkiksi 300x200-10+20 (paikka ei Waylandissa).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Näytä ikkuna ilman otsikkopalkkia ja kehystä.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Estä ikkunan koon muuttaminen.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Pidä ikkuna muiden ikkunoiden päällä.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Näytä ikkuna kaikilla työtiloilla.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Jätä ikkuna pois tehtäväpalkista.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Avaa ikkuna suurennettuna, sisältö keskellä.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Avaa ikkuna koko näytön tilassa, sisältö keskellä.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Avaa ikkuna ottamatta näppäimistön kohdistusta.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Näytä ikkuna aloitusruutuna, jonka ikkunamanagerit näyttävät ilman kehystä.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Hylkää tilalla 1, kun toinen ikkuna ottaa näppäimistön kohdistuksen.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Sovita ikkuna sisältöönsä näin monella kuvapisteellä ympärillä (enintään 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Kirjoita kaikki tekstit tämän fontin perheellä ja koolla, esimerkiksi ”Sans Bold 12”.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Näytä --timeoutin kanssa jäljellä oleva aika palkkina tällä sivulla: top, bottom, left tai right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Kirjoita ikkunan X-tunniste ilman rivinvaihtoa vakiovirhevirtaan tai tiedostoon FILE (ei Waylandissa).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Ikkunan WM_CLASSin luokka X11:ssä ja sen sovellustunniste Waylandissa.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Ikkunan WM_CLASSin instanssinimi X11:ssä ja sen sovellustunniste Waylandissa ilman --classia.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 ”%2” ei ole päivämäärä väliltä %3–%4 muodossa YYYY-MM-DD, kellonajan kanssa muodossa THH:MM tai ilman</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step vaatii valitsimen --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step ”%1” ei ole luku väliltä 1–30, joka jakaa luvun 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Valitse myös kellonaika ja tulosta se päivämäärän jälkeen (oletusmuoto yyyy-MM-dd HH:mm); --date, --min-date ja --max-date ottavat silloin muodon YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Tarjoa --time-valitsimen kanssa vain minuutit, jotka ovat tämän luvun monikertoja (1–30, luvun 60 tekijä).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 ei jätä yhtään aikaa välille %2–%3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>paikallinen kello ohittaa jokaisen ajan välillä %1–%2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>ikkunaa ei voi avata: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>ei näyttöä (DISPLAY ja WAYLAND_DISPLAY puuttuvat)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>yhteys näyttöön katkesi</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>toinen ohjelma tuhosi ikkunan</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Tänään</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Huomenna</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Eilen</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Kuun ensimmäinen</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Kuun viimeinen</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Edellisen kuun ensimmäinen</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Edellisen kuun viimeinen</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Seuraavan kuun ensimmäinen</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Seuraavan kuun viimeinen</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Kopioi ”%1”</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopioi %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Liitä päivämäärä</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Viikko %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nyt</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: viesti 0x%1 epäonnistui: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: piirtäminen epäonnistui: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Päivämäärän valitsin</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Ikkunaa ei voitu luoda.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>ikkunaa ei voitu luoda: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>päivämäärää ei voitu kirjoittaa: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>ikkunan tunnusta ei voitu kirjoittaa kohteeseen %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: komentoa ”%2” ei voitu käynnistää
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>tekstiä ei voitu kirjoittaa: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Kuukausi</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Päivä</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Vuosi</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Tunti</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuutti</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>ap./ip.</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Ajonaikainen virhe %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Virheellinen proseduurikutsu tai argumentti</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Ylivuoto</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeksi alueen ulkopuolella</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tyyppiristiriita</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Objektia ei voi luoda</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekti ei tue tätä ominaisuutta tai metodia</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Väärä määrä argumentteja tai virheellinen ominaisuuden asetus</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Sovelluksen tai objektin määrittämä virhe</translation>
    </message>
</context>
</TS>
