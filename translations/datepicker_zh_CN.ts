<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 “%2”不是 %3 到 %4 之间 YYYY-MM-DD 格式的日期</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>在小窗口中选择日期。使用 --print 时，向用户询问日期并为脚本输出。</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>显示“取消”和“确定”。“确定”或 Enter 输出日期并以状态 0 退出；“取消”、Escape 或关闭窗口不输出任何内容并以状态 1 退出。</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>从此日期开始，而不是今天。</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>以此 Qt 日期格式、用用户的语言输出日期（默认为 yyyy-MM-dd；例如 dd.MM.yyyy 或 &quot;dddd, d MMMM yyyy&quot;）。</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>可以选择的最早日期。</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>可以选择的最晚日期。</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>窗口标题（默认为 Form1）。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 晚于 --max-date %2</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format 为空；请给出 Qt 日期格式，例如 yyyy-MM-dd</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format “%1”含有 %；--format 接受 Qt 日期格式，例如 yyyy-MM-dd，而不是 strftime 的 %Y-%m-%d</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format “%1”打开了引号但没有关闭</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format “%1”不输出日期的任何部分；请给出 Qt 日期格式，例如 yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>退出状态：0 已输出日期（或在没有 --print 时已关闭窗口）；1 用户已拒绝；2 命令行被拒绝；3 对话框失败（没有显示器、显示器连接丢失、无法创建窗口、无法写入日期）；5 因 --timeout 结束。</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 “%2”不是大于等于 1 的整数</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date 不能与 --day、--month 或 --year 同时使用</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>%3 年 %2 月 %1 日不是 %4 到 %5 之间的日期</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format 和 --date-format 不能同时使用</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>像 --print 一样询问日期，除非 --date-format 另有指定，否则以 C 库的 %x 格式输出；超时则以状态 5 结束。</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>显示在日期上方的提示；\n 开始新的一行。标记标签会被移除，实体会被解码。</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>按原样显示 --text。</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>从这一天开始；未给出的部分取今天的。</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>从这个月开始（1 到 12）。</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>从这一年开始。</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>以此 strftime 格式输出日期，例如 %Y-%m-%d 或 %A %d %B %Y。</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>经过这么多秒后自动结束，输出当时的日期，并以状态 5 退出。</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>“确定”按钮的文字。</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>“取消”按钮的文字。</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>窗口的最小宽度（像素）。</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>窗口的最小高度（像素）。</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>接受但忽略。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>其他日历对话框的选项：</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format “%1”不输出日期的任何部分；请给出 strftime 格式，例如 %Y-%m-%d</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 “%2”不是 %3 之一</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button “%1”的退出状态不在 0 到 255 之间</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取 --details “%1”：%2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 “%2”不是整数</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry “%1”不是 WxH+X+Y 格式</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 “%2”不是大于或等于 0 的整数</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>已忽略非选项内容：%1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>添加一个按钮代替“取消”和“确定”，可重复使用。按钮以状态 ID 退出，ID 为偶数时输出日期；不是数字的 ID 是要运行的命令。</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>不显示按钮；Enter 确认，Escape 取消。</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>在“确定”之后添加一个按钮，它输出自己的标签并以状态 1 退出，可重复使用。</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>在标题下显示所选日期的 ISO 周数。</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>用此文件中“DATE TEXT”形式的行描述日期，DATE 采用 --date-format 格式；这些日期以粗体显示。</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>对齐 --text 的各行：left、center、right 或 fill。</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape 不结束对话框。</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape 像“确定”一样接受日期。</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>无论用哪个按钮结束对话框都输出日期。</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 “%2”读作 %3</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>在屏幕中央打开窗口（Wayland 下无效）。</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>以指针为中心打开窗口，并保持在屏幕内（Wayland 下无效）。</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>将窗口左边缘放在距屏幕左边缘 X 像素处；负的 X 从右边缘算起（Wayland 下无效）。</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>将窗口上边缘放在距屏幕上边缘 Y 像素处；负的 Y 从下边缘算起（Wayland 下无效）。</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>窗口的最小尺寸和位置，按 X11 的写法，例如 300x200-10+20（位置在 Wayland 下无效）。</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>显示不带标题栏和边框的窗口。</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>不允许调整窗口大小。</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>使窗口保持在其他窗口之上。</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>在每个工作区显示窗口。</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>不在任务栏中显示窗口。</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>以最大化方式打开窗口，内容居中。</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>以全屏方式打开窗口，内容居中。</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>打开窗口而不获取键盘焦点。</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>将窗口显示为启动画面，窗口管理器会不带边框地显示它。</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>当另一个窗口获得键盘焦点时，以状态 1 拒绝。</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>使窗口贴合内容，四周留出这么多像素（最多 500）。</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>以此字体的字族和大小书写所有文字，例如“Sans Bold 12”。</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>配合 --timeout，在这一侧以进度条显示剩余时间：top、bottom、left 或 right。</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>将窗口的 X ID 不带换行地写到标准错误或 FILE（Wayland 下无效）。</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>X11 下窗口 WM_CLASS 的类名，Wayland 下的应用 ID。</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>X11 下窗口 WM_CLASS 的实例名，未给出 --class 时为 Wayland 下的应用 ID。</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 “%2”不是 %3 到 %4 之间 YYYY-MM-DD 格式（可带 THH:MM 格式的时间）的日期</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step 需要 --time</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step “%1”不是 1 到 30 之间能整除 60 的数</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>同时选择时间，并将其输出在日期之后（默认格式 yyyy-MM-dd HH:mm）；此时 --date、--min-date 和 --max-date 接受 YYYY-MM-DDTHH:MM。</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>与 --time 一起使用时，只提供该数倍数的分钟（1 到 30，且能整除 60）。</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 在 %2 到 %3 之间不留任何时间</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>本地时钟跳过了从 %1 到 %2 的所有时间</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>无法打开窗口：%1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>没有显示器（未设置 DISPLAY 和 WAYLAND_DISPLAY）</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>与显示器的连接已丢失</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>窗口已被其他程序销毁</translation>
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
        <translation>本月最后一天</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>上月第一天</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>上月最后一天</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>下月第一天</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>下月最后一天</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>复制“%1”</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>复制 %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>粘贴日期</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>应用</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>第 %1 周</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>现在</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker：消息 0x%1 处理失败：%2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker：绘制失败：%1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>日期选择器</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>无法创建窗口。

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>无法创建窗口：%1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>无法写入日期：%1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>无法将窗口 ID 写入 %1：%2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1：无法启动命令“%2”
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>无法写入文本：%1</translation>
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
        <translation>时</translation>
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
        <translation>运行时错误 %1：%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>无法创建对象</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>对象不支持此属性或方法</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>参数个数错误或属性赋值无效</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>应用程序定义或对象定义的错误</translation>
    </message>
</context>
</TS>
