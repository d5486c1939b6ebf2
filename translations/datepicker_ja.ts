<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 「%2」は %3 から %4 までの YYYY-MM-DD 形式の日付ではありません</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>小さなウィンドウで日付を選択します。--print を指定すると、ユーザーに日付を尋ねてスクリプト向けに出力します。</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>キャンセルと OK を表示します。OK または Enter で日付を出力してステータス 0 で終了します。キャンセル、Escape またはウィンドウを閉じると何も出力せずステータス 1 で終了します。</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>今日の代わりにこの日付から始めます。</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>日付をこの Qt の日付書式で、ユーザーの言語で出力します (既定値 yyyy-MM-dd、例: dd.MM.yyyy や &quot;dddd, d MMMM yyyy&quot;)。</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>選択できる最初の日付です。</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>選択できる最後の日付です。</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>ウィンドウのタイトル (既定値 Form1) です。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1 が --max-date %2 より後です</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format が空です。yyyy-MM-dd などの Qt の日付書式を指定してください</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format「%1」に % が含まれています。--format には strftime の %Y-%m-%d ではなく、yyyy-MM-dd などの Qt の日付書式を指定します</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format「%1」は引用符を開いたまま閉じていません</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format「%1」は日付のどの部分も出力しません。yyyy-MM-dd などの Qt の日付書式を指定してください</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>終了ステータス: 0 日付を出力した (--print なしではウィンドウを閉じた)、1 ユーザーが断った、2 コマンドラインが拒否された、3 ダイアログが失敗した (ディスプレイがない、ディスプレイが失われた、ウィンドウを作成できない、日付を書き込めない)、5 --timeout で終了した。</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1「%2」は 1 以上の整数ではありません</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date は --day、--month、--year と同時に指定できません</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>%3 年 %2 月 %1 日は %4 から %5 までの日付ではありません</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format と --date-format は同時に指定できません</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示します。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>バージョン情報を表示します。</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>--print と同じように日付を尋ね、--date-format で指定がなければ C ライブラリの %x 形式で出力します。タイムアウトするとステータス 5 で終了します。</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>日付の上に表示するメッセージです。\n で改行します。マークアップのタグは取り除かれ、エンティティは展開されます。</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>--text をそのまま表示します。</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>この日から始めます。指定しなかった部分は今日の日付になります。</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>この月 (1 から 12) から始めます。</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>この年から始めます。</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>日付をこの strftime 書式 (例: %Y-%m-%d や %A %d %B %Y) で出力します。</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>この秒数が経つと自動的に終了し、その時点の日付を出力してステータス 5 を返します。</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>OK ボタンのラベルです。</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>キャンセルボタンのラベルです。</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>ウィンドウの最小の幅 (ピクセル) です。</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>ウィンドウの最小の高さ (ピクセル) です。</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>受け付けますが無視します。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>ほかのカレンダーダイアログのオプション:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format「%1」は日付のどの部分も出力しません。%Y-%m-%d などの strftime 書式を指定してください</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使い方: %1 [オプション]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1「%2」は %3 のいずれでもありません</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button「%1」の終了ステータスが 0 から 255 の範囲外です</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1「%2」は整数ではありません</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry「%1」は WxH+X+Y の形式ではありません</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1「%2」は 0 以上の整数ではありません</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>オプションではないものを無視しました: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>キャンセルと OK の代わりにボタンを追加します。繰り返し指定できます。ボタンはステータス ID で終了し、ID が偶数のときは日付を出力します。数値でない ID は実行するコマンドです。</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>ボタンを表示しません。Enter で確定し、Escape で取り消します。</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>OK の後に、自身のラベルを出力してステータス 1 で終了するボタンを追加します。繰り返し指定できます。</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>選択した日付の ISO 週番号を見出しの下に表示します。</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>このファイルの「DATE TEXT」形式の行で日に説明を付けます。DATE は --date-format の形式です。説明のある日は太字になります。</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>--text の行を揃えます: left、center、right または fill。</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape でダイアログを終了しません。</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape で OK と同じように日付を確定します。</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>どのボタンでダイアログを終了しても日付を出力します。</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1「%2」は %3 として読み取られます</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>ウィンドウを画面の中央に開きます (Wayland では無効)。</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>ウィンドウをポインターを中心に、画面内に収めて開きます (Wayland では無効)。</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>ウィンドウの左端を画面の左端から X ピクセルに置きます。負の X は右端から数えます (Wayland では無効)。</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>ウィンドウの上端を画面の上端から Y ピクセルに置きます。負の Y は下端から数えます (Wayland では無効)。</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>ウィンドウの最小サイズと位置を X11 の書き方で指定します。例: 300x200-10+20 (位置は Wayland では無効)。</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>ウィンドウをタイトルバーと枠なしで表示します。</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>ウィンドウのサイズを変更できないようにします。</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>ウィンドウを他のウィンドウより前面に保ちます。</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>ウィンドウをすべてのワークスペースに表示します。</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>ウィンドウをタスクバーに表示しません。</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>ウィンドウを最大化して開き、内容を中央に置きます。</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>ウィンドウを全画面で開き、内容を中央に置きます。</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>キーボードフォーカスを取らずにウィンドウを開きます。</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>ウィンドウをスプラッシュ画面として表示します。ウィンドウマネージャーは枠なしで表示します。</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>別のウィンドウがキーボードフォーカスを取ると、ステータス 1 で拒否します。</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>ウィンドウを内容に合わせ、周囲にこのピクセル数の余白を取ります (最大 500)。</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>すべてのテキストをこのフォントのファミリーとサイズで書きます。例:「Sans Bold 12」。</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>--timeout と共に、残り時間をこの辺のバーで表示します: top、bottom、left、right。</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>ウィンドウの X ID を改行なしで標準エラー出力または FILE に書き出します (Wayland では無効)。</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>X11 ではウィンドウの WM_CLASS のクラス、Wayland ではアプリ ID。</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>X11 ではウィンドウの WM_CLASS のインスタンス名、--class がないとき Wayland ではアプリ ID。</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 「%2」は %3 から %4 までの YYYY-MM-DD 形式（THH:MM 形式の時刻は任意）の日付ではありません</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step には --time が必要です</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step 「%1」は 60 を割り切る 1 から 30 までの数ではありません</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>時刻も選び、日付の後に出力します（既定の形式は yyyy-MM-dd HH:mm）。このとき --date、--min-date、--max-date は YYYY-MM-DDTHH:MM を受け付けます。</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>--time とともに、この数の倍数の分だけを選べるようにします（1 から 30 まで、60 の約数）。</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1 では %2 から %3 までに選べる時刻がありません</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>現地時刻では %1 から %2 までのすべての時刻が飛ばされます</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>ウィンドウを開けません: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>ディスプレイがありません (DISPLAY と WAYLAND_DISPLAY が設定されていません)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>ディスプレイとの接続が失われました</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>ウィンドウが別のプログラムによって破棄されました</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>明日</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>今月の初日</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>今月の末日</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>先月の初日</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>先月の末日</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>来月の初日</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>来月の末日</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>「%1」をコピー</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 をコピー</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>日付を貼り付け</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
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
        <translation>datepicker: メッセージ 0x%1 が失敗しました: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: 描画に失敗しました: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>日付の選択</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>ウィンドウを作成できませんでした。

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>ウィンドウを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>日付を書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>ウィンドウの ID を %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: コマンド「%2」を起動できませんでした
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>テキストを書き込めませんでした: %1</translation>
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
        <translation>午前/午後</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>実行時エラー %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>オブジェクトを作成できません</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>オブジェクトは、このプロパティまたはメソッドをサポートしていません</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>引数の数が一致していません。または不正なプロパティを指定しています</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>アプリケーション定義またはオブジェクト定義のエラーです</translation>
    </message>
</context>
</TS>
