<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 «%2» ليس تاريخًا من %3 إلى %4 بالصيغة YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>اختر تاريخًا في نافذة صغيرة. مع --print يُطلب من المستخدم تاريخ ثم يُطبع لسكربت.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>يعرض زرّي إلغاء وحسنًا. يطبع حسنًا أو Enter التاريخ ويخرج بالحالة 0؛ ولا يطبع إلغاء أو Escape أو إغلاق النافذة شيئًا ويخرج بالحالة 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>يبدأ بهذا التاريخ بدلًا من اليوم.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>يطبع التاريخ بصيغة تاريخ Qt هذه وبلغة المستخدم (الافتراضي yyyy-MM-dd؛ مثلًا dd.MM.yyyy أو &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>أول تاريخ يمكن اختياره.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>آخر تاريخ يمكن اختياره.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>عنوان النافذة (الافتراضي Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع «%1».</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 يقع بعد --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format فارغ؛ حدّد صيغة تاريخ Qt مثل yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format «%1» يحوي %؛ يأخذ --format صيغة تاريخ Qt مثل yyyy-MM-dd، لا صيغة %Y-%m-%d الخاصة بـ strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format «%1» يفتح علامة اقتباس لا يغلقها</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format «%1» لا يكتب أي جزء من التاريخ؛ حدّد صيغة تاريخ Qt مثل yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>حالة الخروج: 0 طُبع التاريخ (أو أُغلقت النافذة دون --print)؛ 1 رفض المستخدم؛ 2 رُفض سطر الأوامر؛ 3 فشل الحوار (لا شاشة، فُقدت الشاشة، لم تُبنَ النافذة، لم يُكتب التاريخ)؛ 5 أنهاه --timeout.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 «%2» ليس عددًا صحيحًا من 1 فما فوق</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>لا يمكن إعطاء --date مع --day أو --month أو --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>يوم %1 من شهر %2 من سنة %3 ليس تاريخًا من %4 إلى %5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>لا يمكن إعطاء --format و--date-format معًا</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض المساعدة حول خيارات سطر الأوامر.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>يعرض معلومات الإصدار.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>يطلب تاريخًا كما يفعل --print ويطبعه بصيغة %x لمكتبة C ما لم يحدد --date-format غير ذلك؛ وانتهاء المهلة ينتهي بالحالة 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>نص إرشادي فوق التاريخ؛ \n يبدأ سطرًا جديدًا. تُزال وسوم الترميز وتُفك الكيانات.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>يعرض --text كما هو.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>يبدأ بهذا اليوم؛ والجزء غير المعطى يؤخذ من تاريخ اليوم.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>يبدأ بهذا الشهر (من 1 إلى 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>يبدأ بهذه السنة.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>يطبع التاريخ بصيغة strftime هذه، مثل %Y-%m-%d أو %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>ينتهي من تلقاء نفسه بعد هذا العدد من الثواني، ويطبع التاريخ حينها، بالحالة 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>تسمية زر حسنًا.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>تسمية زر إلغاء.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>أصغر عرض للنافذة بالبكسل.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>أصغر ارتفاع للنافذة بالبكسل.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>يُقبل ويُتجاهل.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>خيارات:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>خيارات حوارات التقويم الأخرى:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format «%1» لا يكتب أي جزء من التاريخ؛ حدّد صيغة strftime مثل %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>الاستخدام: %1 [خيارات]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 «%2» ليس إحدى القيم %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button «%1» ينتهي بحالة خارج المدى من 0 إلى 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>تعذّرت قراءة --details «%1»: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 «%2» ليس عددًا صحيحًا</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry «%1» ليس بالصيغة WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 «%2» ليس عددًا صحيحًا من 0 فما فوق</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>جرى تجاهل ما ليس خيارًا: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>يضيف زرًّا بدلًا من إلغاء وحسنًا، ويمكن تكراره. ينتهي الزر بالحالة ID ويطبع التاريخ إن كان ID زوجيًّا؛ وأما ID الذي ليس عددًا فهو أمر يُشغَّل.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>لا يعرض أي زر؛ يقبل Enter ويرفض Escape.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>يضيف بعد حسنًا زرًّا يطبع تسميته وينتهي بالحالة 1، ويمكن تكراره.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>يعرض أسبوع ISO للتاريخ المحدد تحت الترويسة.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>يصف الأيام بأسطر «DATE TEXT» من هذا الملف، وDATE بصيغة --date-format؛ وتظهر هذه الأيام بخط عريض.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>يحاذي أسطر --text: left أو center أو right أو fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>لا ينهي Escape الحوار.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>يقبل Escape التاريخ كما يفعل حسنًا.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>يطبع التاريخ أيًّا كان الزر الذي ينهي الحوار.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>تُقرأ --%1 «%2» على أنها %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>افتح النافذة في وسط الشاشة (ليس في Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>افتح النافذة متمركزة على المؤشر وضمن الشاشة (ليس في Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>ضع الحافة اليسرى للنافذة على بعد X بكسل من حافة الشاشة؛ وتُحسب X السالبة من الحافة اليمنى (ليس في Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>ضع الحافة العليا للنافذة على بعد Y بكسل من حافة الشاشة؛ وتُحسب Y السالبة من الحافة السفلى (ليس في Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>أصغر حجم للنافذة ومكانها كما يكتبهما X11، مثل 300x200-10+20 (المكان ليس في Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>اعرض النافذة دون شريط عنوان أو إطار.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>امنع تغيير حجم النافذة.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>أبقِ النافذة فوق النوافذ الأخرى.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>اعرض النافذة في كل مساحات العمل.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>لا تعرض النافذة في شريط المهام.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>افتح النافذة مكبّرة ومحتواها في الوسط.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>افتح النافذة بملء الشاشة ومحتواها في الوسط.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>افتح النافذة دون أخذ تركيز لوحة المفاتيح.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>اعرض النافذة كشاشة ترحيب، تعرضها مديرات النوافذ دون إطار.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>ارفض بالحالة 1 عندما تأخذ نافذة أخرى تركيز لوحة المفاتيح.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>لائم النافذة مع محتواها بهذا العدد من البكسلات حوله (500 على الأكثر).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>اكتب كل نص بعائلة هذا الخط وحجمه، مثل «Sans Bold 12».</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>مع --timeout، اعرض الوقت المتبقي شريطًا في هذا الجانب: top أو bottom أو left أو right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>اكتب معرّف X للنافذة دون نهاية سطر في الخطأ القياسي أو في FILE (ليس في Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>صنف WM_CLASS للنافذة في X11، ومعرّف تطبيقها في Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>اسم مثيل WM_CLASS للنافذة في X11، ومعرّف تطبيقها في Wayland دون --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 «%2» ليس تاريخًا من %3 إلى %4 بالصيغة YYYY-MM-DD، مع وقت بالصيغة THH:MM أو بدونه</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>يتطلب --minute-step الخيار --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step «%1» ليس عددًا من 1 إلى 30 يقسم 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>يختار وقتًا من اليوم أيضًا ويطبعه بعد التاريخ (الصيغة الافتراضية yyyy-MM-dd HH:mm)؛ وعندئذٍ تقبل --date و--min-date و--max-date الصيغة YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>مع --time، يعرض فقط الدقائق التي هي مضاعفات هذا العدد (من 1 إلى 30، من قواسم 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 لا يترك أي وقت من %2 إلى %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>الساعة المحلية تتخطى كل الأوقات من %1 إلى %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>تعذّر فتح نافذة: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>لا شاشة (DISPLAY و WAYLAND_DISPLAY غير مضبوطين)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>فُقد الاتصال بالشاشة</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>دمّر برنامج آخر النافذة</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>غدًا</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>أمس</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>أول هذا الشهر</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>آخر هذا الشهر</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>أول الشهر الماضي</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>آخر الشهر الماضي</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>أول الشهر القادم</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>آخر الشهر القادم</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>انسخ «%1»</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>انسخ %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>ألصق التاريخ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>طبّق</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>أنهِ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>احفظ</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>الأسبوع %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: فشلت الرسالة 0x%1: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: فشل الرسم: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>منتقي التاريخ</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>تعذّر بناء النافذة.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>تعذّر بناء النافذة: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>تعذّرت كتابة التاريخ: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>تعذّرت كتابة معرّف النافذة في %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: تعذّر بدء الأمر «%2»
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>تعذّرت كتابة النص: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>شهر</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>يوم</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سنة</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ساعة</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>ص/م</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>خطأ وقت التشغيل %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيط غير صالح</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>فيض</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>الفهرس خارج النطاق</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>عدم تطابق النوع</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>تعذّر إنشاء الكائن</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>الكائن لا يدعم هذه الخاصية أو الطريقة</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>عدد وسائط خاطئ أو تعيين خاصية غير صالح</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>خطأ معرَّف من التطبيق أو الكائن</translation>
    </message>
</context>
</TS>
