<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 „%2“ не е дата от %3 до %4 във вида YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Избор на дата в малък прозорец. С --print пита потребителя за дата и я извежда за скрипт.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Показва бутоните „Отказ“ и „Добре“. „Добре“ или Enter извежда датата и завършва с код 0; „Отказ“, Escape или затварянето на прозореца не извежда нищо и завършва с код 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Започва от тази дата вместо от днешната.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Извежда датата в този формат за дата на Qt, на езика на потребителя (стандартно yyyy-MM-dd; например dd.MM.yyyy или &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Първата дата, която може да бъде избрана.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Последната дата, която може да бъде избрана.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Заглавието на прозореца (стандартно Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочакван аргумент „%1“.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 е след --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format е празен; задайте формат за дата на Qt, например yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format „%1“ съдържа %; --format приема формат за дата на Qt, например yyyy-MM-dd, а не %Y-%m-%d на strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format „%1“ отваря кавички, които не затваря</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format „%1“ не извежда никаква част от датата; задайте формат за дата на Qt, например yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Изходен код: 0 датата е изведена (или, без --print, прозорецът е затворен); 1 потребителят е отказал; 2 командният ред е отхвърлен; 3 диалогът е неуспешен (няма дисплей, дисплеят е изгубен, прозорецът не е създаден, датата не е записана); 5 прекратен от --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 „%2“ не е цяло число от 1 нагоре</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date не може да се задава заедно с --day, --month или --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>ден %1 от месец %2 на година %3 не е дата от %4 до %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format и --date-format не могат да се задават заедно</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показва помощ за опциите на командния ред.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показва информация за версията.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Пита за дата като --print и я извежда като %x на библиотеката на C, освен ако --date-format не указва друго; изтичането на времето завършва с код 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Подкана над датата; \n започва нов ред. Етикетите на маркирането се премахват, а знаковите обекти се декодират.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Показва --text както е написан.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Започва от този ден; незададената част се взема от днешната дата.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Започва от този месец (от 1 до 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Започва от тази година.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Извежда датата в този формат на strftime, например %Y-%m-%d или %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Завършва сам след толкова секунди, като извежда датата в този момент, с код 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Текстът на бутона „Добре“.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Текстът на бутона „Отказ“.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Най-малката широчина на прозореца в пиксели.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Най-малката височина на прозореца в пиксели.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Приема се и се пренебрегва.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Опции:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Опции на други диалози с календар:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format „%1“ не извежда никаква част от датата; задайте формат на strftime, например %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Използване: %1 [опции]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 „%2“ не е една от стойностите %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button „%1“ завършва с код извън обхвата от 0 до 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details „%1“ не може да бъде прочетен: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 „%2“ не е цяло число</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry „%1“ не е във вида WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 „%2“ не е цяло число от 0 нагоре</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>пропуснато е това, което не е опция: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Добавя бутон на мястото на „Отказ“ и „Добре“, може да се повтаря. Той завършва с код ID и извежда датата, когато ID е четно; ID, което не е число, е команда за изпълнение.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Не показва бутони; Enter потвърждава, а Escape отказва.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Добавя след „Добре“ бутон, който извежда надписа си и завършва с код 1, може да се повтаря.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Показва седмицата по ISO на избраната дата под заглавието.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Описва дни с редовете „DATE TEXT“ от този файл, DATE във формата от --date-format; тези дни са в получер.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Подравнява редовете на --text: left, center, right или fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape не затваря диалога.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape приема датата както „Добре“.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Извежда датата, с който и бутон да завърши диалогът.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 „%2“ се чете като %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Отваряне на прозореца в средата на екрана (не под Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Отваряне на прозореца центриран върху показалеца, в рамките на екрана (не под Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Поставяне на левия край на прозореца на X пиксела от този на екрана; отрицателно X се брои от десния край (не под Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Поставяне на горния край на прозореца на Y пиксела от този на екрана; отрицателно Y се брои от долния край (не под Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Най-малкият размер на прозореца и мястото му, записани както в X11, например 300x200-10+20 (мястото не под Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Показване на прозореца без заглавна лента и рамка.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Без промяна на размера на прозореца.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Задържане на прозореца над другите прозорци.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Показване на прозореца във всяко работно пространство.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Без показване на прозореца в лентата на задачите.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Отваряне на прозореца максимизиран, със съдържанието в средата.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Отваряне на прозореца на цял екран, със съдържанието в средата.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Отваряне на прозореца, без да се поема фокусът на клавиатурата.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Показване на прозореца като начален екран, който мениджърите на прозорци показват без рамка.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Отказ, със състояние 1, когато друг прозорец поеме фокуса на клавиатурата.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Напасване на прозореца към съдържанието с толкова пиксела наоколо (най-много 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Писане на всеки текст със семейството и размера на този шрифт, например „Sans Bold 12“.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>С --timeout оставащото време се показва като лента от тази страна: top, bottom, left или right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Записване на X идентификатора на прозореца без край на реда в стандартната грешка или във FILE (не под Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Класът от WM_CLASS на прозореца под X11 и идентификаторът му на приложение под Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Името на екземпляра от WM_CLASS на прозореца под X11 и идентификаторът му на приложение под Wayland без --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 „%2“ не е дата от %3 до %4 във вида YYYY-MM-DD, със или без час във вида THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step изисква --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step „%1“ не е число от 1 до 30, което дели 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Избира и час от деня и го извежда след датата (формат по подразбиране yyyy-MM-dd HH:mm); тогава --date, --min-date и --max-date приемат YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>С --time предлага само минути, кратни на това число (от 1 до 30, делител на 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 не оставя нито един час от %2 до %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>местният часовник прескача всяко време от %1 до %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>не може да се отвори прозорец: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>няма дисплей (DISPLAY и WAYLAND_DISPLAY не са зададени)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>връзката с дисплея е изгубена</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>прозорецът беше унищожен от друга програма</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Днес</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Утре</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Начало на месеца</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Край на месеца</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Начало на миналия месец</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Край на миналия месец</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Начало на следващия месец</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Край на следващия месец</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Копиране на „%1“</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Копиране на %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Поставяне на дата</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затваряне</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Не</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Прилагане</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Изход</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Запазване</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Седмица %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сега</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: съобщението 0x%1 е неуспешно: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: изчертаването е неуспешно: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Избор на дата</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Прозорецът не можа да бъде създаден.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>прозорецът не можа да бъде създаден: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>датата не можа да бъде записана: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>идентификаторът на прозореца не можа да бъде записан в %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: командата „%2“ не можа да бъде стартирана
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>текстът не можа да бъде записан: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Месец</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Ден</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Година</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Минута</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>пр.об./сл.об.</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Грешка при изпълнение %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Неправилно извикване на процедура или аргумент</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Препълване</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индексът е извън обхвата</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несъответствие на типовете</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Обектът не може да бъде създаден</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Обектът не поддържа това свойство или метод</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Грешен брой аргументи или неправилно присвояване на свойство</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Грешка, определена от приложението или обекта</translation>
    </message>
</context>
</TS>
