<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 «%2» تاریخی از %3 تا %4 در قالب YYYY-MM-DD نیست</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>انتخاب تاریخ در پنجره‌ای کوچک. با --print از کاربر تاریخی می‌پرسد و آن را برای یک اسکریپت چاپ می‌کند.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>دکمه‌های انصراف و تأیید را نشان می‌دهد. تأیید یا Enter تاریخ را چاپ می‌کند و با وضعیت 0 خارج می‌شود؛ انصراف، Escape یا بستن پنجره چیزی چاپ نمی‌کند و با وضعیت 1 خارج می‌شود.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>به‌جای امروز از این تاریخ شروع می‌کند.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>تاریخ را در این قالب تاریخ Qt و به زبان کاربر چاپ می‌کند (پیش‌فرض yyyy-MM-dd؛ برای نمونه dd.MM.yyyy یا &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>نخستین تاریخی که می‌توان انتخاب کرد.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>آخرین تاریخی که می‌توان انتخاب کرد.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>عنوان پنجره (پیش‌فرض Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>آرگومان غیرمنتظره: «%1».</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 پس از --max-date %2 است</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format خالی است؛ یک قالب تاریخ Qt مانند yyyy-MM-dd بدهید</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format «%1» یک % دارد؛ --format قالب تاریخ Qt مانند yyyy-MM-dd می‌گیرد، نه %Y-%m-%d در strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format «%1» نقل‌قولی را باز می‌کند که نمی‌بندد</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format «%1» هیچ بخشی از تاریخ را نمی‌نویسد؛ یک قالب تاریخ Qt مانند yyyy-MM-dd بدهید</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>وضعیت خروج: 0 تاریخ چاپ شد (یا، بدون --print، پنجره بسته شد)؛ 1 کاربر نپذیرفت؛ 2 خط فرمان رد شد؛ 3 گفت‌وگو شکست خورد (نمایشگری نیست، نمایشگر از دست رفت، پنجره ساخته نشد، تاریخ نوشته نشد)؛ 5 با --timeout پایان یافت.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 «%2» عدد صحیحی از 1 به بالا نیست</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date را نمی‌توان همراه با --day، --month یا --year داد</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>روز %1 از ماه %2 از سال %3 تاریخی از %4 تا %5 نیست</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format و --date-format را نمی‌توان با هم داد</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>راهنمای گزینه‌های خط فرمان را نمایش می‌دهد.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>اطلاعات نسخه را نمایش می‌دهد.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>مانند --print تاریخی می‌پرسد و آن را به‌صورت %x کتابخانهٔ C چاپ می‌کند، مگر آنکه --date-format چیز دیگری بگوید؛ پایان مهلت با وضعیت 5 تمام می‌شود.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>پیامی بالای تاریخ؛ \n سطر تازه‌ای آغاز می‌کند. برچسب‌های نشانه‌گذاری حذف و موجودیت‌ها رمزگشایی می‌شوند.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>--text را همان‌طور که هست نشان می‌دهد.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>از این روز شروع می‌کند؛ بخشی که داده نشود از امروز گرفته می‌شود.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>از این ماه شروع می‌کند (1 تا 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>از این سال شروع می‌کند.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>تاریخ را در این قالب strftime چاپ می‌کند، مانند %Y-%m-%d یا %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>پس از این تعداد ثانیه خودبه‌خود پایان می‌یابد، تاریخ آن لحظه را چاپ می‌کند و با وضعیت 5 خارج می‌شود.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>برچسب دکمهٔ تأیید.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>برچسب دکمهٔ انصراف.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>کمترین پهنای پنجره به پیکسل.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>کمترین بلندی پنجره به پیکسل.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>پذیرفته و نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>گزینه‌ها:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>گزینه‌های دیگر گفت‌وگوهای تقویم:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format «%1» هیچ بخشی از تاریخ را نمی‌نویسد؛ یک قالب strftime مانند %Y-%m-%d بدهید</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>طرز کار: %1 [گزینه‌ها]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 «%2» یکی از مقدارهای %3 نیست</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button «%1» با وضعیتی بیرون از بازهٔ 0 تا 255 پایان می‌یابد</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details «%1» خوانده نمی‌شود: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 «%2» عدد صحیح نیست</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry «%1» در قالب WxH+X+Y نیست</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 «%2» عدد صحیحِ 0 یا بیشتر نیست</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>آنچه گزینه نیست نادیده گرفته شد: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>دکمه‌ای به‌جای انصراف و تأیید می‌افزاید و می‌توان آن را تکرار کرد. این دکمه با وضعیت ID پایان می‌یابد و اگر ID زوج باشد تاریخ را چاپ می‌کند؛ ID‌ای که عدد نیست فرمانی برای اجراست.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>هیچ دکمه‌ای نشان نمی‌دهد؛ Enter می‌پذیرد و Escape رد می‌کند.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>پس از تأیید دکمه‌ای می‌افزاید که برچسب خود را چاپ می‌کند و با وضعیت 1 پایان می‌یابد؛ می‌توان آن را تکرار کرد.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>هفتهٔ ISO تاریخ برگزیده را زیر سرصفحه نشان می‌دهد.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>روزها را با سطرهای «DATE TEXT» این پرونده توصیف می‌کند، DATE در قالب --date-format؛ این روزها پررنگ‌اند.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>سطرهای --text را تراز می‌کند: left، center، right یا fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape گفت‌وگو را پایان نمی‌دهد.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape تاریخ را مانند تأیید می‌پذیرد.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>با هر دکمه‌ای که گفت‌وگو پایان یابد، تاریخ را چاپ می‌کند.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 «%2» به صورت %3 خوانده می‌شود</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>پنجره را در وسط صفحه باز کن (نه در Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>پنجره را در مرکز نشانگر و درون صفحه باز کن (نه در Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>لبهٔ چپ پنجره را X پیکسل از لبهٔ صفحه قرار بده؛ X منفی از لبهٔ راست شمرده می‌شود (نه در Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>لبهٔ بالای پنجره را Y پیکسل از لبهٔ صفحه قرار بده؛ Y منفی از لبهٔ پایین شمرده می‌شود (نه در Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>کمترین اندازه و جای پنجره، آن‌گونه که X11 می‌نویسد، مانند 300x200-10+20 (جای پنجره نه در Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>پنجره را بدون نوار عنوان و قاب نشان بده.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>نگذار اندازهٔ پنجره تغییر کند.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>پنجره را بالای پنجره‌های دیگر نگه دار.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>پنجره را در همهٔ فضاهای کاری نشان بده.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>پنجره را در نوار وظیفه نشان نده.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>پنجره را بیشینه و با محتوا در وسط باز کن.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>پنجره را تمام‌صفحه و با محتوا در وسط باز کن.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>پنجره را بدون گرفتن تمرکز صفحه‌کلید باز کن.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>پنجره را به‌شکل صفحهٔ آغازین نشان بده که مدیران پنجره آن را بدون قاب نشان می‌دهند.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>وقتی پنجرهٔ دیگری تمرکز صفحه‌کلید را می‌گیرد، با وضعیت 1 رد کن.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>پنجره را با این تعداد پیکسل پیرامون محتوا، اندازهٔ آن کن (حداکثر 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>همهٔ متن‌ها را با خانواده و اندازهٔ این قلم بنویس، مانند «Sans Bold 12».</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>با --timeout، زمان باقی‌مانده را به‌صورت نواری در این سمت نشان بده: top، bottom، left یا right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>شناسهٔ X پنجره را بدون پایان خط در خروجی خطای استاندارد یا در FILE بنویس (نه در Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>کلاس WM_CLASS پنجره در X11 و شناسهٔ برنامهٔ آن در Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>نام نمونهٔ WM_CLASS پنجره در X11 و شناسهٔ برنامهٔ آن در Wayland بدون --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 «%2» تاریخی از %3 تا %4 در قالب YYYY-MM-DD، با یا بدون زمانی در قالب THH:MM، نیست</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step به --time نیاز دارد</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step «%1» عددی از 1 تا 30 که 60 بر آن بخش‌پذیر باشد نیست</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>زمانی از روز را هم برمی‌گزیند و آن را پس از تاریخ چاپ می‌کند (قالب پیش‌فرض yyyy-MM-dd HH:mm)؛ آنگاه --date و --min-date و --max-date قالب YYYY-MM-DDTHH:MM را می‌پذیرند.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>با --time فقط دقیقه‌هایی را پیشنهاد می‌کند که مضرب این عدد باشند (1 تا 30، مقسوم‌علیه 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 هیچ زمانی از %2 تا %3 باقی نمی‌گذارد</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>ساعت محلی همهٔ زمان‌ها از %1 تا %2 را جا می‌اندازد</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>نمی‌توان پنجره‌ای باز کرد: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>نمایشگری نیست (DISPLAY و WAYLAND_DISPLAY تنظیم نشده‌اند)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>اتصال به نمایشگر از دست رفت</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>برنامهٔ دیگری پنجره را از بین برد</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>امروز</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>فردا</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>دیروز</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>اول این ماه</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>آخر این ماه</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>اول ماه گذشته</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>آخر ماه گذشته</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>اول ماه آینده</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>آخر ماه آینده</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>کپی «%1»</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>کپی %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>انصراف</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>چسباندن تاریخ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>بله</translation>
    </message>
    <message>
        <source>No</source>
        <translation>خیر</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>اعمال</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>هفتهٔ %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>اکنون</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: پیام 0x%1 شکست خورد: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: رسم شکست خورد: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>انتخابگر تاریخ</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>پنجره ساخته نشد.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>پنجره ساخته نشد: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>تاریخ نوشته نشد: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>شناسهٔ پنجره در %1 نوشته نشد: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: فرمان «%2» اجرا نشد
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>متن نوشته نشد: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>ماه</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>روز</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ساعت</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقیقه</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>ق.ظ./ب.ظ.</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>خطای زمان اجرا %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>فراخوانی رویه یا آرگومان نامعتبر</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>سرریز</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>اندیس خارج از محدوده</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>ناسازگاری نوع</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>نمی‌توان شیء را ساخت</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>شیء از این ویژگی یا متد پشتیبانی نمی‌کند</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>تعداد آرگومان‌ها نادرست است یا انتساب ویژگی نامعتبر است</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>خطای تعریف‌شده توسط برنامه یا شیء</translation>
    </message>
</context>
</TS>
