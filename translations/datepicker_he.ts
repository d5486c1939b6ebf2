<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 ”%2” אינו תאריך בין %3 ל־%4 בתבנית YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>בחירת תאריך בחלון קטן. עם --print, מבקש מהמשתמש תאריך ומדפיס אותו עבור סקריפט.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>הצגת הכפתורים ביטול ואישור. אישור או Enter מדפיסים את התאריך ויוצאים במצב 0; ביטול, Escape או סגירת החלון אינם מדפיסים דבר ויוצאים במצב 1.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>להתחיל בתאריך זה במקום היום.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>הדפסת התאריך בתבנית תאריך זו של Qt, בשפת המשתמש (ברירת המחדל yyyy-MM-dd; למשל dd.MM.yyyy או &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>התאריך הראשון שאפשר לבחור.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>התאריך האחרון שאפשר לבחור.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>כותרת החלון (ברירת המחדל Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ארגומנט לא צפוי ”%1”.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 מאוחר מ־--max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format ריק; יש לתת תבנית תאריך של Qt כגון yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format ”%1” מכיל %; --format מקבל תבנית תאריך של Qt כגון yyyy-MM-dd, לא את %Y-%m-%d של strftime</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format ”%1” פותח מירכאות ואינו סוגר אותן</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format ”%1” אינו כותב אף חלק מהתאריך; יש לתת תבנית תאריך של Qt כגון yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>מצב יציאה: 0 התאריך הודפס (או, בלי --print, החלון נסגר); 1 המשתמש סירב; 2 שורת הפקודה נדחתה; 3 תיבת הדו־שיח נכשלה (אין תצוגה, התצוגה אבדה, החלון לא נבנה, התאריך לא נכתב); 5 --timeout סיים אותה.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 ”%2” אינו מספר שלם מ־1 ומעלה</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>אי אפשר לתת את --date יחד עם --day, --month או --year</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>יום %1 בחודש %2 בשנה %3 אינו תאריך בין %4 ל־%5</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>אי אפשר לתת את --format ואת --date-format יחד</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>הצגת עזרה על אפשרויות שורת הפקודה.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>הצגת מידע על הגרסה.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>בקשת תאריך כמו --print והדפסתו כ־%x של ספריית C, אלא אם --date-format קובע אחרת; תום הזמן מסתיים במצב 5.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>הנחיה מעל התאריך; \n מתחיל שורה חדשה. תגי סימון מוסרים וישויות מפוענחות.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>הצגת ה־--text כפי שהוא.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>להתחיל ביום זה; חלק שלא ניתן נלקח מהיום.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>להתחיל בחודש זה (1 עד 12).</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>להתחיל בשנה זו.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>הדפסת התאריך בתבנית strftime זו, כגון %Y-%m-%d או %A %d %B %Y.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>סיום מעצמו אחרי מספר שניות זה, תוך הדפסת התאריך של אותו רגע, במצב 5.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>הכיתוב של כפתור האישור.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>הכיתוב של כפתור הביטול.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>הרוחב הקטן ביותר של החלון בפיקסלים.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>הגובה הקטן ביותר של החלון בפיקסלים.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>מתקבל ומתעלמים ממנו.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>אפשרויות:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>אפשרויות של תיבות דו־שיח אחרות של לוח שנה:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format ”%1” אינו כותב אף חלק מהתאריך; יש לתת תבנית strftime כגון %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>שימוש: %1 [אפשרויות]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 ”%2” אינו אחד מהערכים %3</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button ”%1” מסתיים במצב שמחוץ לטווח 0 עד 255</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>לא ניתן לקרוא את --details ”%1”: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 ”%2” אינו מספר שלם</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry ”%1” אינו בתבנית WxH+X+Y</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 ”%2” אינו מספר שלם מ־0 ומעלה</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>מה שאינו אפשרות לא נלקח בחשבון: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>הוספת כפתור במקום ביטול ואישור, ניתן לחזור על כך. הכפתור יוצא במצב ID ומדפיס את התאריך כאשר ID זוגי; ID שאינו מספר הוא פקודה להרצה.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>הסתרת הכפתורים; Enter מאשר ו־Escape דוחה.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>הוספת כפתור אחרי אישור שמדפיס את התווית שלו ויוצא במצב 1, ניתן לחזור על כך.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>הצגת שבוע ה־ISO של התאריך הנבחר מתחת לכותרת.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>תיאור ימים בשורות ”DATE TEXT” של קובץ זה, DATE בתבנית של --date-format; ימים אלו מודגשים.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>יישור השורות של --text: left, center, right או fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape אינו מסיים את תיבת הדו־שיח.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape מקבל את התאריך כמו אישור.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>הדפסת התאריך לא משנה איזה כפתור מסיים את תיבת הדו־שיח.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 ”%2” נקרא כ־%3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>פתיחת החלון באמצע המסך (לא ב־Wayland).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>פתיחת החלון ממורכז על הסמן, בתוך המסך (לא ב־Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>הצבת הקצה השמאלי של החלון X פיקסלים מזה של המסך; X שלילי נספר מהקצה הימני (לא ב־Wayland).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>הצבת הקצה העליון של החלון Y פיקסלים מזה של המסך; Y שלילי נספר מהקצה התחתון (לא ב־Wayland).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>הגודל המזערי של החלון ומקומו, כפי ש־X11 כותב אותם, למשל 300x200-10+20 (המקום לא ב־Wayland).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>הצגת החלון בלי שורת כותרת ומסגרת.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>מניעת שינוי גודל החלון.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>השארת החלון מעל חלונות אחרים.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>הצגת החלון בכל מרחבי העבודה.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>השמטת החלון משורת המשימות.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>פתיחת החלון מוגדל, עם התוכן באמצע.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>פתיחת החלון במסך מלא, עם התוכן באמצע.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>פתיחת החלון בלי לקחת את מיקוד המקלדת.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>הצגת החלון כמסך פתיחה, שמנהלי חלונות מציגים בלי מסגרת.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>סירוב, עם מצב 1, כשחלון אחר לוקח את מיקוד המקלדת.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>התאמת החלון לתוכנו עם מספר פיקסלים זה מסביב (500 לכל היותר).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>כתיבת כל טקסט במשפחה ובגודל של גופן זה, למשל ”Sans Bold 12”.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>עם --timeout, הצגת הזמן שנותר כפס בצד זה: top, bottom, left או right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>כתיבת מזהה ה־X של החלון בלי סוף שורה לפלט השגיאה התקני או ל־FILE (לא ב־Wayland).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>המחלקה של WM_CLASS של החלון ב־X11, ומזהה היישום שלו ב־Wayland.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>שם המופע של WM_CLASS של החלון ב־X11, ומזהה היישום שלו ב־Wayland בלי --class.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 ”%2” אינו תאריך בין %3 ל־%4 בתבנית YYYY-MM-DD, עם או בלי שעה בתבנית THH:MM</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step דורש את --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step ”%1” אינו מספר בין 1 ל־30 שמחלק את 60</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>לבחור גם שעה ביום ולהדפיס אותה אחרי התאריך (תבנית ברירת המחדל yyyy-MM-dd HH:mm); אז --date, --min-date ו־--max-date מקבלים YYYY-MM-DDTHH:MM.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>עם --time, להציע רק דקות שהן כפולות של מספר זה (1 עד 30, מחלק של 60).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 לא משאיר אף שעה מ־%2 עד %3</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>השעון המקומי מדלג על כל שעה מ־%1 עד %2</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>לא ניתן לפתוח חלון: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>אין תצוגה (DISPLAY ו־WAYLAND_DISPLAY אינם מוגדרים)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>החיבור לתצוגה אבד</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>החלון הושמד על ידי תכנית אחרת</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>היום</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>מחר</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>אתמול</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>תחילת החודש</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>סוף החודש</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>תחילת החודש הקודם</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>סוף החודש הקודם</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>תחילת החודש הבא</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>סוף החודש הבא</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>העתקת ”%1”</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>העתקת %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>הדבקת תאריך</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>החלה</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>שבוע %1</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>עכשיו</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: ההודעה 0x%1 נכשלה: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: הציור נכשל: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>בוחר תאריכים</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>לא ניתן היה לבנות את החלון.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>לא ניתן היה לבנות את החלון: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>לא ניתן היה לכתוב את התאריך: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>לא ניתן היה לכתוב את מזהה החלון אל %1: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: לא ניתן היה להפעיל את הפקודה ”%2”
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>לא ניתן היה לכתוב את הטקסט: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>חודש</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>יום</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>שנה</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>שעה</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>דקה</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>לפנה״צ/אחה״צ</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>שגיאת זמן ריצה %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>קריאה לא חוקית לפרוצדורה או ארגומנט לא חוקי</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>גלישה</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>האינדקס מחוץ לטווח</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>אי התאמה של סוגים</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>לא ניתן ליצור את האובייקט</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>האובייקט אינו תומך במאפיין או בשיטה זו</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>מספר ארגומנטים שגוי או השמת מאפיין לא חוקית</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>שגיאה שהוגדרה על ידי היישום או האובייקט</translation>
    </message>
</context>
</TS>
