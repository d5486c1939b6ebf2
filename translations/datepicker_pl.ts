<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 „%2” nie jest datą od %3 do %4 w postaci YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Wybór daty w małym oknie. Z opcją --print pyta użytkownika o datę i wypisuje ją dla skryptu.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Wyświetla przyciski Anuluj i OK. OK lub Enter wypisuje datę i kończy działanie z kodem 0; Anuluj, Esc lub zamknięcie okna niczego nie wypisuje i kończy działanie z kodem 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Zaczyna od tej daty zamiast od dzisiejszej.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Wypisuje datę w tym formacie daty Qt, w języku użytkownika (domyślnie yyyy-MM-dd; na przykład dd.MM.yyyy lub &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Pierwsza data, którą można wybrać.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Ostatnia data, którą można wybrać.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Tytuł okna (domyślnie Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 jest późniejsza niż --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format jest pusty; podaj format daty Qt, np. yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format „%1” zawiera %; --format przyjmuje format daty Qt, taki jak yyyy-MM-dd, a nie %Y-%m-%d ze strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format „%1” otwiera cudzysłów, którego nie zamyka</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format „%1” nie zapisuje żadnej części daty; podaj format daty Qt, taki jak yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Kod wyjścia: 0 data została wypisana (lub, bez --print, okno zostało zamknięte); 1 użytkownik zrezygnował; 2 wiersz poleceń został odrzucony; 3 okno dialogowe zawiodło (brak ekranu, utrata ekranu, okno nie zbudowane, data nie zapisana); 5 zakończył je --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 „%2” nie jest liczbą całkowitą od 1 wzwyż</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date nie może być podane razem z --day, --month ani --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>dzień %1 miesiąca %2 roku %3 nie jest datą od %4 do %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format i --date-format nie mogą być podane razem</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Wyświetla pomoc dotyczącą opcji wiersza poleceń.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Pyta o datę jak --print i wypisuje ją jako %x biblioteki C, chyba że --date-format mówi inaczej; upływ czasu kończy się kodem 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Tekst nad datą; \n zaczyna nowy wiersz. Znaczniki są usuwane, a encje dekodowane.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Pokazuje --text dosłownie.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Zaczyna od tego dnia; część niepodana jest dzisiejsza.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Zaczyna od tego miesiąca (1 do 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Zaczyna od tego roku.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Wypisuje datę w tym formacie strftime, np. %Y-%m-%d lub %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Kończy się sam po tylu sekundach, wypisując wtedy datę, z kodem 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Napis na przycisku OK.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Napis na przycisku Anuluj.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Najmniejsza szerokość okna w pikselach.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Najmniejsza wysokość okna w pikselach.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Przyjmowana i pomijana.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Opcje innych okien kalendarza:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format „%1” nie zapisuje żadnej części daty; podaj format strftime, taki jak %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Użycie: %1 [opcje]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 „%2” nie jest żadną z wartości %3</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 „%2” nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry „%1” nie ma postaci WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 „%2” nie jest liczbą całkowitą od 0 wzwyż</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>pominięto to, co nie jest opcją: %1</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button „%1” kończy się statusem spoza zakresu od 0 do 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details „%1” nie może zostać odczytany: %2</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Dodaj przycisk zamiast Anuluj i OK, można powtarzać. Kończy ze statusem ID i wypisuje datę, gdy ID jest parzysty; ID, który nie jest liczbą, to polecenie do uruchomienia.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Nie pokazuj przycisków; Enter akceptuje, a Esc odrzuca.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Dodaj po OK przycisk, który wypisuje swój napis i kończy ze statusem 1, można powtarzać.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Pokaż tydzień ISO wybranej daty pod nagłówkiem.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Opisz dni wierszami „DATA TEKST” tego pliku, DATA w --date-format; takie dni są pogrubione.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Wyrównaj wiersze --text: left, center, right lub fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Esc nie kończy okna dialogowego.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Esc akceptuje datę tak jak OK.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Wypisz datę bez względu na to, który przycisk kończy okno dialogowe.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 „%2” jest odczytywane jako %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Otwórz okno na środku ekranu (nie w Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Otwórz okno wyśrodkowane na wskaźniku, w obrębie ekranu (nie w Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Ustaw lewą krawędź okna X pikseli od krawędzi ekranu; ujemne X liczy się od prawej krawędzi (nie w Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Ustaw górną krawędź okna Y pikseli od krawędzi ekranu; ujemne Y liczy się od dolnej krawędzi (nie w Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Najmniejszy rozmiar okna i jego położenie, zapisane jak w X11, na przykład 300x200-10+20 (położenie nie w Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Pokaż okno bez paska tytułu i ramki.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Nie pozwalaj zmieniać rozmiaru okna.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Utrzymuj okno nad innymi oknami.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Pokaż okno na każdym obszarze roboczym.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Nie pokazuj okna na pasku zadań.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Otwórz okno zmaksymalizowane, z zawartością na środku.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Otwórz okno na pełnym ekranie, z zawartością na środku.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Otwórz okno bez przejmowania fokusu klawiatury.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Pokaż okno jako ekran powitalny, który menedżery okien pokazują bez ramki.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Odrzuć, ze statusem 1, gdy inne okno przejmie fokus klawiatury.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Dopasuj okno do zawartości z tyloma pikselami wokół (najwyżej 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Pisz każdy tekst rodziną i rozmiarem tej czcionki, na przykład „Sans Bold 12”.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>Z --timeout pokaż pozostały czas jako pasek po tej stronie: top, bottom, left lub right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Zapisz identyfikator X okna bez końca wiersza na standardowe wyjście błędów lub do FILE (nie w Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Klasa WM_CLASS okna w X11 i jego identyfikator aplikacji w Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Nazwa instancji WM_CLASS okna w X11 i jego identyfikator aplikacji w Wayland bez --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 „%2” nie jest datą od %3 do %4 w postaci YYYY-MM-DD, z godziną w postaci THH:MM lub bez niej</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step wymaga --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step „%1” nie jest liczbą od 1 do 30 będącą dzielnikiem 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Wybiera też godzinę i wypisuje ją po dacie (domyślny format yyyy-MM-dd HH:mm); --date, --min-date i --max-date przyjmują wtedy YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>Z --time oferuje tylko minuty będące wielokrotnością tej liczby (od 1 do 30, dzielnik 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 nie pozostawia żadnej godziny od %2 do %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>lokalny zegar pomija każdą godzinę od %1 do %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>nie można otworzyć okna: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>brak ekranu (DISPLAY i WAYLAND_DISPLAY nie są ustawione)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>utracono połączenie z ekranem</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>okno zostało zniszczone przez inny program</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Dzisiaj</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Jutro</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Wczoraj</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Początek miesiąca</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Koniec miesiąca</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Początek zeszłego miesiąca</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Koniec zeszłego miesiąca</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Początek przyszłego miesiąca</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Koniec przyszłego miesiąca</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Kopiuj „%1”</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopiuj %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Wklej datę</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Tydzień %1</translation>
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
        <translation>datepicker: komunikat 0x%1 nie powiódł się: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: rysowanie nie powiodło się: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Wybór daty</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Nie udało się utworzyć okna.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>nie udało się zbudować okna: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>nie udało się zapisać daty: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>nie udało się zapisać identyfikatora okna do %1: %2</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>nie udało się zapisać tekstu: %1</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: nie można uruchomić polecenia „%2”
</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuta</translation>
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
        <translation>Błąd wykonania %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Nie można utworzyć obiektu</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Obiekt nie obsługuje tej właściwości lub metody</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Nieprawidłowa liczba argumentów lub nieprawidłowe przypisanie właściwości</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Błąd zdefiniowany przez aplikację lub obiekt</translation>
    </message>
</context>
</TS>
