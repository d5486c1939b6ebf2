<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 «%2» — не дата від %3 до %4 у форматі YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Вибір дати в невеликому вікні. З --print запитує дату в користувача й виводить її для скрипту.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Показати кнопки «Скасувати» і «Гаразд». «Гаразд» або Enter виводить дату й завершує роботу з кодом 0; «Скасувати», Escape або закриття вікна нічого не виводить і завершує роботу з кодом 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Почати з цієї дати замість сьогоднішньої.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Вивести дату в цьому форматі дати Qt мовою користувача (типово yyyy-MM-dd; наприклад, dd.MM.yyyy або &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Перша дата, яку можна вибрати.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Остання дата, яку можна вибрати.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Заголовок вікна (типово Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 пізніше за --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format порожній; вкажіть формат дати Qt, наприклад yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format «%1» містить %; --format приймає формат дати Qt, наприклад yyyy-MM-dd, а не %Y-%m-%d зі strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format «%1» відкриває лапки, які не закриває</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format «%1» не виводить жодної частини дати; вкажіть формат дати Qt, наприклад yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Код виходу: 0 дату виведено (або, без --print, вікно закрито); 1 користувач відмовився; 2 командний рядок відхилено; 3 діалог не вдався (немає дисплея, дисплей втрачено, вікно не створено, дату не записано); 5 діалог завершено через --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 «%2» не є цілим числом від 1 і більше</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date не можна вказувати разом із --day, --month або --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>день %1 місяця %2 року %3 не є датою від %4 до %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format і --date-format не можна вказувати разом</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показує довідку щодо параметрів командного рядка.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показує відомості про версію.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Запитує дату, як --print, і виводить її як %x бібліотеки C, якщо --date-format не вказує інше; у разі вичерпання часу завершує роботу з кодом 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Підказка над датою; \n починає новий рядок. Теги розмітки вилучаються, а сутності декодуються.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Показує --text як є.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Почати з цього дня; не вказану частину взято із сьогоднішньої дати.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Почати з цього місяця (від 1 до 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Почати з цього року.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Виводить дату в цьому форматі strftime, наприклад %Y-%m-%d або %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Завершується сам через стільки секунд, виводячи дату на той момент, з кодом 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Напис на кнопці «Гаразд».</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Напис на кнопці «Скасувати».</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Найменша ширина вікна в пікселях.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Найменша висота вікна в пікселях.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Приймається й ігнорується.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметри:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Параметри інших діалогів календаря:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format «%1» не виводить жодної частини дати; вкажіть формат strftime, наприклад %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Використання: %1 [параметри]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 «%2» — не одне зі значень %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button «%1» завершує роботу з кодом поза діапазоном від 0 до 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details «%1» не вдається прочитати: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 «%2» — не ціле число</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry «%1» не має вигляду WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 «%2» — не ціле число від 0 і більше</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>проігноровано те, що не є параметром: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Додати кнопку замість «Скасувати» і «Гаразд», можна повторювати. Вона завершує роботу з кодом ID і виводить дату, якщо ID парний; ID, що не є числом, — команда для запуску.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Не показувати кнопок; Enter підтверджує, Escape скасовує.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Додати після «Гаразд» кнопку, яка виводить свій напис і завершує роботу з кодом 1, можна повторювати.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Показувати тиждень ISO вибраної дати під заголовком.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Описати дні рядками «DATE TEXT» цього файлу, DATE у форматі --date-format; такі дні виділено жирним.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Вирівняти рядки --text: left, center, right або fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape не закриває діалог.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape приймає дату, як «Гаразд».</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Виводити дату, хоч би якою кнопкою завершився діалог.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 «%2» читається як %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Відкрити вікно посередині екрана (не у Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Відкрити вікно по центру вказівника, у межах екрана (не у Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Розмістити лівий край вікна за X пікселів від краю екрана; від’ємне X відлічується від правого краю (не у Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Розмістити верхній край вікна за Y пікселів від краю екрана; від’ємне Y відлічується від нижнього краю (не у Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Найменший розмір вікна та його місце, записані як у X11, наприклад 300x200-10+20 (місце не у Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Показати вікно без смуги заголовка й рамки.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Не давати змінювати розмір вікна.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Тримати вікно над іншими вікнами.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Показувати вікно на всіх робочих просторах.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Не показувати вікно на панелі завдань.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Відкрити вікно розгорнутим, із вмістом посередині.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Відкрити вікно на весь екран, із вмістом посередині.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Відкрити вікно, не забираючи фокус клавіатури.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Показати вікно як заставку, яку менеджери вікон показують без рамки.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Відмовитися, зі статусом 1, коли інше вікно забирає фокус клавіатури.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Припасувати вікно до вмісту з такою кількістю пікселів довкола (не більше 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Писати весь текст родиною й розміром цього шрифту, наприклад «Sans Bold 12».</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>З --timeout показувати залишок часу смугою з цього боку: top, bottom, left або right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Записати X-ідентифікатор вікна без кінця рядка у стандартний потік помилок або у FILE (не у Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Клас у WM_CLASS вікна в X11 і його ідентифікатор застосунку у Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Назва екземпляра у WM_CLASS вікна в X11 і його ідентифікатор застосунку у Wayland без --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 «%2» — не дата від %3 до %4 у форматі YYYY-MM-DD, з часом у форматі THH:MM або без нього</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step потребує --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step «%1» — не число від 1 до 30, на яке ділиться 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Вибрати також час доби й вивести його після дати (типовий формат yyyy-MM-dd HH:mm); тоді --date, --min-date і --max-date приймають YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>З --time пропонувати лише хвилини, кратні цьому числу (від 1 до 30, дільник 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 не залишає жодного часу з %2 до %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>місцевий годинник пропускає весь час з %1 до %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>не вдається відкрити вікно: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>немає дисплея (DISPLAY і WAYLAND_DISPLAY не задано)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>з’єднання з дисплеєм втрачено</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>вікно знищила інша програма</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Учора</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Початок місяця</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Кінець місяця</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Початок минулого місяця</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Кінець минулого місяця</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Початок наступного місяця</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Кінець наступного місяця</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Копіювати «%1»</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Копіювати %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Вставити дату</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Тиждень %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Зараз</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: збій повідомлення 0x%1: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: збій малювання: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Вибір дати</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Не вдалося створити вікно.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>не вдалося створити вікно: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>не вдалося записати дату: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>не вдалося записати ідентифікатор вікна до %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: не вдалося запустити команду «%2»
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>не вдалося записати текст: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Рік</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Година</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Хвилина</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>дп/пп</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Помилка виконання %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Неприпустимий виклик процедури або аргумент</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Індекс поза допустимим діапазоном</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Невідповідність типу</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Не вдається створити об’єкт</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Об’єкт не підтримує цю властивість або метод</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Неправильна кількість аргументів або неприпустиме присвоєння властивості</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Помилка, визначена застосунком або об’єктом</translation>
    </message>
</context>
</TS>
