<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 «%2» — не дата с %3 по %4 в формате YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>Выбор даты в небольшом окне. С --print запрашивает дату у пользователя и выводит её для скрипта.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>Показать кнопки «Отмена» и «ОК». ОК или Enter выводит дату и завершает работу с кодом 0; «Отмена», Esc или закрытие окна ничего не выводит и завершает работу с кодом 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>Начать с этой даты вместо сегодняшней.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>Вывести дату в этом формате даты Qt на языке пользователя (по умолчанию yyyy-MM-dd; например, dd.MM.yyyy или &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>Первая дата, которую можно выбрать.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>Последняя дата, которую можно выбрать.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>Заголовок окна (по умолчанию Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 позже, чем --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format пуст; укажите формат даты Qt, например yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format «%1» содержит %; --format принимает формат даты Qt, например yyyy-MM-dd, а не %Y-%m-%d из strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format «%1» открывает кавычку, которую не закрывает</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format «%1» не выводит ни одной части даты; укажите формат даты Qt, например yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>Код выхода: 0 дата выведена (или, без --print, окно закрыто); 1 пользователь отказался; 2 командная строка отклонена; 3 диалог не удался (нет дисплея, дисплей потерян, окно не построено, дата не записана); 5 диалог завершён по --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 «%2» не является целым числом от 1 и выше</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date нельзя указывать вместе с --day, --month или --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>день %1 месяца %2 года %3 не является датой от %4 до %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format и --date-format нельзя указывать вместе</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показывает справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показывает сведения о версии.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>Запрашивает дату, как --print, и выводит её как %x библиотеки C, если --date-format не говорит иное; истечение времени завершается с кодом 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>Подсказка над датой; \n начинает новую строку. Теги разметки удаляются, сущности раскрываются.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>Показывает --text как есть.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>Начинает с этого дня; не указанная часть берётся из сегодняшней даты.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>Начинает с этого месяца (от 1 до 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>Начинает с этого года.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>Выводит дату в этом формате strftime, например %Y-%m-%d или %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>Завершается сам через столько секунд, выводя дату на тот момент, с кодом 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>Надпись на кнопке OK.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>Надпись на кнопке «Отмена».</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>Наименьшая ширина окна в пикселях.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>Наименьшая высота окна в пикселях.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>Принимается и игнорируется.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>Параметры других диалогов календаря:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format «%1» не выводит ни одной части даты; укажите формат strftime, например %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Использование: %1 [параметры]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 «%2» не является одним из значений %3</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 «%2» не является целым числом</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry «%1» не имеет вида WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 «%2» не является целым числом от 0 и выше</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>проигнорировано то, что не является параметром: %1</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button «%1» завершается с кодом вне диапазона от 0 до 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details «%1» не удаётся прочитать: %2</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>Добавляет кнопку вместо «Отмена» и «ОК», можно повторять. Она завершает работу с кодом ID и выводит дату, если ID чётный; ID, не являющийся числом, — команда для запуска.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>Не показывать кнопки; Enter подтверждает, Esc отменяет.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>Добавляет после «ОК» кнопку, которая выводит свою надпись и завершает работу с кодом 1, можно повторять.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>Показывать неделю ISO выбранной даты под заголовком.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>Описывает дни строками «ДАТА ТЕКСТ» этого файла, ДАТА в формате --date-format; такие дни выделены жирным.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>Выравнивает строки --text: left, center, right или fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Esc не закрывает диалог.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Esc принимает дату, как «ОК».</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>Выводить дату, какой бы кнопкой ни завершился диалог.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 «%2» читается как %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>Открыть окно в центре экрана (не в Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>Открыть окно по центру указателя, в пределах экрана (не в Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>Поместить левый край окна в X пикселях от края экрана; отрицательное X отсчитывается от правого края (не в Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>Поместить верхний край окна в Y пикселях от края экрана; отрицательное Y отсчитывается от нижнего края (не в Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>Наименьший размер окна и его место, записанные как в X11, например 300x200-10+20 (место не в Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>Показать окно без заголовка и рамки.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>Не давать менять размер окна.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>Держать окно поверх других окон.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>Показывать окно на всех рабочих столах.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>Не показывать окно на панели задач.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>Открыть окно развёрнутым, содержимое в центре.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>Открыть окно во весь экран, содержимое в центре.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>Открыть окно, не забирая фокус клавиатуры.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>Показать окно как заставку, которую оконные менеджеры показывают без рамки.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>Отказаться, с кодом 1, когда другое окно забирает фокус клавиатуры.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>Подогнать окно к содержимому с таким числом пикселей вокруг (не более 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>Писать весь текст семейством и размером этого шрифта, например «Sans Bold 12».</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>С --timeout показывать оставшееся время полосой с этой стороны: top, bottom, left или right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>Записать X-идентификатор окна без конца строки в стандартный поток ошибок или в FILE (не в Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>Класс в WM_CLASS окна в X11 и его идентификатор приложения в Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>Имя экземпляра в WM_CLASS окна в X11 и его идентификатор приложения в Wayland без --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 «%2» — не дата с %3 по %4 в формате YYYY-MM-DD, со временем в формате THH:MM или без него</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step требует --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step «%1» — не число от 1 до 30, на которое делится 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>Выбрать также время суток и вывести его после даты (формат по умолчанию yyyy-MM-dd HH:mm); тогда --date, --min-date и --max-date принимают YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>С --time предлагать только минуты, кратные этому числу (от 1 до 30, делитель 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 не оставляет ни одного времени с %2 до %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>местные часы пропускают всё время с %1 до %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>не удаётся открыть окно: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>соединение с дисплеем потеряно</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>окно было уничтожено другой программой</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Завтра</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>Начало месяца</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>Конец месяца</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>Начало прошлого месяца</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>Конец прошлого месяца</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>Начало следующего месяца</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>Конец следующего месяца</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>Копировать «%1»</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Копировать %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>Вставить дату</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Неделя %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: сбой сообщения 0x%1: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: сбой отрисовки: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>Выбор даты</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>Не удалось создать окно.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>не удалось построить окно: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>не удалось записать дату: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>не удалось записать идентификатор окна в %1: %2</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>не удалось записать текст: %1</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: не удалось запустить команду «%2»
</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
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
        <translation>ДП/ПП</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Ошибка выполнения %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типа</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>Не удается создать объект</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Объект не поддерживает это свойство или метод</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>Неверное число аргументов или недопустимое присвоение свойства</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Ошибка, определяемая приложением или объектом</translation>
    </message>
</context>
</TS>
