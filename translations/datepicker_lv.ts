<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 “%2” nav datums no %3 līdz %4 formātā YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Izvēlieties datumu nelielā logā. Ar --print pieprasa lietotājam datumu un izvada to skriptam.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Rāda pogas Atcelt un Labi. Labi vai Enter izvada datumu un beidz ar statusu 0; Atcelt, Escape vai loga aizvēršana neko neizvada un beidz ar statusu 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Sākt ar šo datumu, nevis šodienu.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Izvadīt datumu šajā Qt datuma formātā lietotāja valodā (noklusējums yyyy-MM-dd; piemēram, dd.MM.yyyy vai &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Pirmais datums, ko var izvēlēties.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Pēdējais datums, ko var izvēlēties.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Loga virsraksts (noklusējums Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Negaidīts arguments “%1”.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 ir vēlāk nekā --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format ir tukšs; norādiet Qt datuma formātu, piemēram, yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format “%1” satur %; --format pieņem Qt datuma formātu, piemēram, yyyy-MM-dd, nevis strftime %Y-%m-%d</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format “%1” atver pēdiņas, ko neaizver</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format “%1” neizvada nevienu datuma daļu; norādiet Qt datuma formātu, piemēram, yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Izejas statuss: 0 datums izvadīts (vai, bez --print, logs aizvērts); 1 lietotājs atteicās; 2 komandrinda noraidīta; 3 dialogs neizdevās (nav displeja, displejs zaudēts, logs nav izveidots, datums nav ierakstīts); 5 to beidza --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 “%2” nav vesels skaitlis no 1 uz augšu</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date nevar norādīt kopā ar --day, --month vai --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>%3. gada %2. mēneša %1. diena nav datums no %4 līdz %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format un --date-format nevar norādīt kopā</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Rāda palīdzību par komandrindas opcijām.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Rāda informāciju par versiju.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Pieprasa datumu kā --print un izvada to kā C bibliotēkas %x, ja vien --date-format nenosaka citādi; noilgums beidzas ar statusu 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Uzvedne virs datuma; \n sāk jaunu rindu. Iezīmēšanas birkas tiek noņemtas un entītijas atkodētas.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Rāda --text tādu, kāds tas ir.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Sākt ar šo dienu; nenorādītā daļa tiek ņemta no šodienas.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Sākt ar šo mēnesi (no 1 līdz 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Sākt ar šo gadu.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Izvadīt datumu šajā strftime formātā, piemēram, %Y-%m-%d vai %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Beigt pašam pēc tik daudz sekundēm, izvadot tā brīža datumu, ar statusu 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Pogas Labi uzraksts.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Pogas Atcelt uzraksts.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Loga mazākais platums pikseļos.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Loga mazākais augstums pikseļos.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Tiek pieņemts un ignorēts.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcijas:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Citu kalendāra dialogu opcijas:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format “%1” neizvada nevienu datuma daļu; norādiet strftime formātu, piemēram, %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Lietošana: %1 [opcijas]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 “%2” nav neviena no vērtībām %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button “%1” beidz ar statusu ārpus 0 līdz 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details “%1” nevar nolasīt: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 “%2” nav vesels skaitlis</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry “%1” nav formā WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 “%2” nav vesels skaitlis no 0 uz augšu</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>ignorēts tas, kas nav opcija: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Pievienot pogu pogu Atcelt un Labi vietā, var atkārtot. Tā beidz ar statusu ID un izvada datumu, ja ID ir pāra skaitlis; ID, kas nav skaitlis, ir izpildāma komanda.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Nerādīt pogas; Enter apstiprina, Escape noraida.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Pievienot aiz pogas Labi pogu, kas izvada savu uzrakstu un beidz ar statusu 1, var atkārtot.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Rādīt izvēlētā datuma ISO nedēļu zem virsraksta.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Aprakstīt dienas ar šī faila rindām “DATE TEXT”, DATE formātā --date-format; šādas dienas ir treknrakstā.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Līdzināt --text rindas: left, center, right vai fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape nebeidz dialogu.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape pieņem datumu tāpat kā Labi.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Izvadīt datumu neatkarīgi no tā, kura poga beidz dialogu.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 “%2” tiek nolasīts kā %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Atvērt logu ekrāna vidū (ne Wayland vidē).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Atvērt logu centrētu uz rādītāja, ekrāna robežās (ne Wayland vidē).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Novietot loga kreiso malu X pikseļu attālumā no ekrāna malas; negatīvs X skaitās no labās malas (ne Wayland vidē).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Novietot loga augšējo malu Y pikseļu attālumā no ekrāna malas; negatīvs Y skaitās no apakšējās malas (ne Wayland vidē).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Loga mazākais izmērs un vieta, pierakstīti kā X11, piemēram, 300x200-10+20 (vieta ne Wayland vidē).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Rādīt logu bez virsraksta joslas un rāmja.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Neļaut mainīt loga izmēru.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Turēt logu virs citiem logiem.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Rādīt logu visās darbvietās.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Nerādīt logu uzdevumjoslā.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Atvērt logu maksimizētu, ar saturu vidū.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Atvērt logu pilnekrānā, ar saturu vidū.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Atvērt logu, neņemot tastatūras fokusu.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Rādīt logu kā sākuma ekrānu, ko logu pārvaldnieki rāda bez rāmja.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Atteikt ar statusu 1, kad cits logs paņem tastatūras fokusu.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Pielāgot logu saturam ar tik pikseļiem apkārt (ne vairāk kā 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Rakstīt katru tekstu ar šī fonta saimi un izmēru, piemēram, “Sans Bold 12”.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Ar --timeout rādīt atlikušo laiku kā joslu šajā pusē: top, bottom, left vai right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Ierakstīt loga X ID bez rindas beigām standarta kļūdu izvadē vai FILE (ne Wayland vidē).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Loga WM_CLASS klase X11 vidē un tā lietotnes ID Wayland vidē.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Loga WM_CLASS instances nosaukums X11 vidē un tā lietotnes ID Wayland vidē bez --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 “%2” nav datums no %3 līdz %4 formātā YYYY-MM-DD, ar laiku formātā THH:MM vai bez tā</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step prasa --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step “%1” nav skaitlis no 1 līdz 30, ar kuru dalās 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Izvēlēties arī diennakts laiku un izvadīt to pēc datuma (noklusējuma formāts yyyy-MM-dd HH:mm); tad --date, --min-date un --max-date pieņem YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Ar --time piedāvāt tikai minūtes, kas ir šī skaitļa daudzkārtņi (no 1 līdz 30, skaitļa 60 dalītājs).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 neatstāj nevienu laiku no %2 līdz %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>vietējais pulkstenis izlaiž katru laiku no %1 līdz %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>nevar atvērt logu: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>nav displeja (DISPLAY un WAYLAND_DISPLAY nav iestatīti)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>savienojums ar displeju ir zaudēts</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>logu iznīcināja cita programma</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Šodien</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Rīt</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Vakar</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Mēneša sākums</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Mēneša beigas</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Iepriekšējā mēneša sākums</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Iepriekšējā mēneša beigas</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Nākamā mēneša sākums</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Nākamā mēneša beigas</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Kopēt “%1”</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopēt %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Ielīmēt datumu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Pielietot</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Iziet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Saglabāt</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>%1. nedēļa</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Tagad</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: ziņojums 0x%1 neizdevās: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: zīmēšana neizdevās: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Datuma izvēle</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Logu nevarēja izveidot.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>logu nevarēja izveidot: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>datumu nevarēja ierakstīt: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>loga ID nevarēja ierakstīt %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: komandu “%2” nevarēja palaist
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>tekstu nevarēja ierakstīt: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Mēnesis</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Diena</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Gads</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunda</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minūte</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>priekšp./pēcp.</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Izpildes kļūda %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nederīgs procedūras izsaukums vai arguments</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Pārpilde</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indekss ārpus diapazona</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipu neatbilstība</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Nevar izveidot objektu</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekts neatbalsta šo īpašību vai metodi</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Nepareizs argumentu skaits vai nederīgs īpašības piešķīrums</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Lietotnes vai objekta definēta kļūda</translation>
    </message>
</context>
</TS>
