<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1「%2」不是 %3 到 %4 之間 YYYY-MM-DD 格式的日期</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>在小視窗中選擇日期。使用 --print 時，會向使用者詢問日期並為指令稿輸出。</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>顯示「取消」和「確定」。「確定」或 Enter 會輸出日期並以狀態 0 結束；「取消」、Escape 或關閉視窗則不輸出任何內容並以狀態 1 結束。</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>從這個日期開始，而不是今天。</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>以這個 Qt 日期格式、用使用者的語言輸出日期（預設為 yyyy-MM-dd；例如 dd.MM.yyyy 或 &quot;dddd, d MMMM yyyy&quot;）。</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>可以選擇的最早日期。</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>可以選擇的最晚日期。</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>視窗標題（預設為 Form1）。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>未預期的引數「%1」。</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 晚於 --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format 是空的；請提供 Qt 日期格式，例如 yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format「%1」含有 %；--format 接受 Qt 日期格式，例如 yyyy-MM-dd，而不是 strftime 的 %Y-%m-%d</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format「%1」開啟了引號卻沒有關閉</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format「%1」不會輸出日期的任何部分；請提供 Qt 日期格式，例如 yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>結束狀態：0 已輸出日期（或在沒有 --print 時已關閉視窗）；1 使用者已拒絕；2 指令列遭拒；3 對話框失敗（沒有顯示器、與顯示器的連線中斷、無法建立視窗、無法寫入日期）；5 因 --timeout 而結束。</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1「%2」不是大於或等於 1 的整數</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date 不能與 --day、--month 或 --year 同時使用</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>%3 年 %2 月 %1 日不是 %4 到 %5 之間的日期</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format 和 --date-format 不能同時使用</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>顯示指令列選項的說明。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>顯示版本資訊。</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>像 --print 一樣詢問日期，除非 --date-format 另有指定，否則以 C 函式庫的 %x 格式輸出；逾時則以狀態 5 結束。</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>顯示在日期上方的提示；\n 開始新的一行。標記標籤會被移除，實體會被解碼。</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>照原樣顯示 --text。</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>從這一天開始；未提供的部分取今天的。</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>從這個月開始（1 到 12）。</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>從這一年開始。</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>以這個 strftime 格式輸出日期，例如 %Y-%m-%d 或 %A %d %B %Y。</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>經過這麼多秒後自動結束，輸出當時的日期，並以狀態 5 結束。</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>「確定」按鈕的文字。</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>「取消」按鈕的文字。</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>視窗的最小寬度（像素）。</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>視窗的最小高度（像素）。</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>接受但忽略。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>選項：</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>其他日曆對話框的選項：</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format「%1」不會輸出日期的任何部分；請提供 strftime 格式，例如 %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [選項]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1「%2」不是 %3 其中之一</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button「%1」的結束狀態不在 0 到 255 之間</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>無法讀取 --details「%1」：%2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1「%2」不是整數</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry「%1」不是 WxH+X+Y 格式</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1「%2」不是大於或等於 0 的整數</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>已忽略非選項的內容：%1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>新增按鈕取代「取消」和「確定」，可重複使用。按鈕會以狀態 ID 結束，ID 為偶數時輸出日期；不是數字的 ID 則是要執行的指令。</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>不顯示按鈕；Enter 確認，Escape 取消。</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>在「確定」之後新增按鈕，它會輸出自己的標籤並以狀態 1 結束，可重複使用。</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>在標題下方顯示所選日期的 ISO 週數。</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>以這個檔案中「DATE TEXT」形式的行描述日期，DATE 採用 --date-format 格式；這些日期會以粗體顯示。</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>對齊 --text 的各行：left、center、right 或 fill。</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape 不會結束對話框。</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape 會像「確定」一樣接受日期。</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>無論用哪個按鈕結束對話框，都會輸出日期。</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1「%2」讀作 %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>在螢幕中央開啟視窗（Wayland 下無效）。</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>以指標為中心開啟視窗，並保持在螢幕內（Wayland 下無效）。</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>將視窗左緣放在距螢幕左緣 X 像素處；負的 X 從右緣算起（Wayland 下無效）。</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>將視窗上緣放在距螢幕上緣 Y 像素處；負的 Y 從下緣算起（Wayland 下無效）。</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>視窗的最小尺寸和位置，依 X11 的寫法，例如 300x200-10+20（位置在 Wayland 下無效）。</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>顯示沒有標題列和邊框的視窗。</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>不允許調整視窗大小。</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>讓視窗保持在其他視窗之上。</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>在每個工作區顯示視窗。</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>不在工作列中顯示視窗。</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>以最大化方式開啟視窗，內容置中。</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>以全螢幕方式開啟視窗，內容置中。</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>開啟視窗而不取得鍵盤焦點。</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>將視窗顯示為啟動畫面，視窗管理員會以無邊框方式顯示它。</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>當另一個視窗取得鍵盤焦點時，以狀態 1 拒絕。</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>讓視窗貼合內容，四周留下這麼多像素（最多 500）。</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>以此字型的字族和大小書寫所有文字，例如「Sans Bold 12」。</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>搭配 --timeout，在這一側以進度列顯示剩餘時間：top、bottom、left 或 right。</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>將視窗的 X ID 不帶換行地寫到標準錯誤或 FILE（Wayland 下無效）。</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>X11 下視窗 WM_CLASS 的類別名稱，Wayland 下的應用程式 ID。</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>X11 下視窗 WM_CLASS 的實例名稱，未指定 --class 時為 Wayland 下的應用程式 ID。</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1「%2」不是 %3 到 %4 之間 YYYY-MM-DD 格式（可帶 THH:MM 格式的時間）的日期</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step 需要 --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step「%1」不是 1 到 30 之間能整除 60 的數</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>同時選擇時間，並將其輸出在日期之後（預設格式 yyyy-MM-dd HH:mm）；此時 --date、--min-date 和 --max-date 接受 YYYY-MM-DDTHH:MM。</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>與 --time 一起使用時，只提供該數倍數的分鐘（1 到 30，且能整除 60）。</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 在 %2 到 %3 之間不留任何時間</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>本地時鐘跳過了從 %1 到 %2 的所有時間</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>無法開啟視窗：%1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>沒有顯示器（未設定 DISPLAY 和 WAYLAND_DISPLAY）</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>與顯示器的連線已中斷</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>視窗已被其他程式銷毀</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>明天</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>本月第一天</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>本月最後一天</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>上個月第一天</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>上個月最後一天</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>下個月第一天</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>下個月最後一天</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>複製「%1」</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>複製 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>貼上日期</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>第 %1 週</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker：訊息 0x%1 處理失敗：%2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker：繪製失敗：%1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>日期選擇器</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>無法建立視窗。

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>無法建立視窗：%1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>無法寫入日期：%1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>無法將視窗 ID 寫入 %1：%2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1：無法啟動指令「%2」
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>無法寫入文字：%1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>時</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>上午/下午</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>執行階段錯誤 %1：%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>無效的程序呼叫或引數</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢位</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>陣列索引超出範圍</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型態不符合</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>無法建立物件</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>物件不支援此屬性或方法</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>引數的數目錯誤或屬性指定無效</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>應用程式定義或物件定義的錯誤</translation>
    </message>
</context>
</TS>
