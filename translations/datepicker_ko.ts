<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD</source>
        <translation>--%1 “%2”은(는) %3부터 %4까지의 YYYY-MM-DD 형식 날짜가 아닙니다</translation>
    </message>
    <message>
        <source>Pick a date in a small window. With --print, ask a user for a date and print it for a script.</source>
        <translation>작은 창에서 날짜를 선택합니다. --print를 쓰면 사용자에게 날짜를 물어 스크립트용으로 출력합니다.</translation>
    </message>
    <message>
        <source>Show Cancel and OK. OK or Enter prints the date and exits with status 0; Cancel, Escape or closing the window prints nothing and exits with status 1.</source>
        <translation>취소와 확인을 표시합니다. 확인 또는 Enter를 누르면 날짜를 출력하고 상태 0으로 끝나며, 취소, Escape 또는 창을 닫으면 아무것도 출력하지 않고 상태 1로 끝납니다.</translation>
    </message>
    <message>
        <source>Start on this date instead of today.</source>
        <translation>오늘 대신 이 날짜에서 시작합니다.</translation>
    </message>
    <message>
        <source>Print the date in this Qt date format, in the user&apos;s language (default yyyy-MM-dd; for example dd.MM.yyyy or &quot;dddd, d MMMM yyyy&quot;).</source>
        <translation>날짜를 이 Qt 날짜 형식으로 사용자의 언어로 출력합니다(기본값 yyyy-MM-dd, 예: dd.MM.yyyy 또는 &quot;dddd, d MMMM yyyy&quot;).</translation>
    </message>
    <message>
        <source>The first date that may be picked.</source>
        <translation>선택할 수 있는 첫 날짜입니다.</translation>
    </message>
    <message>
        <source>The last date that may be picked.</source>
        <translation>선택할 수 있는 마지막 날짜입니다.</translation>
    </message>
    <message>
        <source>The window title (default Form1).</source>
        <translation>창 제목입니다(기본값 Form1).</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>예상하지 못한 인수 “%1”.</translation>
    </message>
    <message>
        <source>--min-date %1 lies after --max-date %2</source>
        <translation>--min-date %1이(가) --max-date %2보다 뒤입니다</translation>
    </message>
    <message>
        <source>--format is empty; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format이 비어 있습니다. yyyy-MM-dd 같은 Qt 날짜 형식을 지정하십시오</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; holds a %; --format takes a Qt date format such as yyyy-MM-dd, not the %Y-%m-%d of strftime</source>
        <translation>--format “%1”에 %가 있습니다. --format은 strftime의 %Y-%m-%d가 아니라 yyyy-MM-dd 같은 Qt 날짜 형식을 받습니다</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; opens a quote that it does not close</source>
        <translation>--format “%1”이(가) 따옴표를 열고 닫지 않습니다</translation>
    </message>
    <message>
        <source>--format &quot;%1&quot; writes no part of the date; give a Qt date format such as yyyy-MM-dd</source>
        <translation>--format “%1”은(는) 날짜의 어떤 부분도 쓰지 않습니다. yyyy-MM-dd 같은 Qt 날짜 형식을 지정하십시오</translation>
    </message>
    <message>
        <source>Exit status: 0 the date was printed (or, without --print, the window was closed); 1 the user declined; 2 the command line was refused; 3 the dialog failed (no display, display lost, window not built, date not written); 5 --timeout ended it.</source>
        <translation>종료 상태: 0 날짜를 출력함(--print가 없으면 창을 닫음), 1 사용자가 거절함, 2 명령행이 거부됨, 3 대화 상자가 실패함(디스플레이 없음, 디스플레이 끊김, 창을 만들지 못함, 날짜를 쓰지 못함), 5 --timeout으로 끝남.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 1 up</source>
        <translation>--%1 “%2”은(는) 1 이상의 정수가 아닙니다</translation>
    </message>
    <message>
        <source>--date cannot be given together with --day, --month or --year</source>
        <translation>--date는 --day, --month, --year와 함께 지정할 수 없습니다</translation>
    </message>
    <message>
        <source>day %1 of month %2 of year %3 is not a date from %4 to %5</source>
        <translation>%3년 %2월 %1일은 %4부터 %5까지의 날짜가 아닙니다</translation>
    </message>
    <message>
        <source>--format and --date-format cannot be given together</source>
        <translation>--format과 --date-format은 함께 지정할 수 없습니다</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>명령행 옵션 도움말을 표시합니다.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>버전 정보를 표시합니다.</translation>
    </message>
    <message>
        <source>Ask for a date as --print does, and print it as the C library&apos;s %x unless --date-format says otherwise; a timeout ends with status 5.</source>
        <translation>--print처럼 날짜를 묻고, --date-format이 따로 지정하지 않으면 C 라이브러리의 %x 형식으로 출력합니다. 시간이 초과되면 상태 5로 끝납니다.</translation>
    </message>
    <message>
        <source>A prompt above the date; \n starts a new line. Markup tags are removed and entities decoded.</source>
        <translation>날짜 위에 표시할 안내문입니다. \n은 새 줄을 시작합니다. 마크업 태그는 제거되고 엔티티는 해석됩니다.</translation>
    </message>
    <message>
        <source>Show the --text as it stands.</source>
        <translation>--text를 있는 그대로 표시합니다.</translation>
    </message>
    <message>
        <source>Start on this day; a part not given is today&apos;s.</source>
        <translation>이 날에서 시작합니다. 지정하지 않은 부분은 오늘 날짜를 따릅니다.</translation>
    </message>
    <message>
        <source>Start on this month (1 to 12).</source>
        <translation>이 달(1~12)에서 시작합니다.</translation>
    </message>
    <message>
        <source>Start on this year.</source>
        <translation>이 해에서 시작합니다.</translation>
    </message>
    <message>
        <source>Print the date in this strftime format, such as %Y-%m-%d or %A %d %B %Y.</source>
        <translation>날짜를 이 strftime 형식(예: %Y-%m-%d 또는 %A %d %B %Y)으로 출력합니다.</translation>
    </message>
    <message>
        <source>End by itself after this many seconds, printing the date then, with status 5.</source>
        <translation>이 시간(초)이 지나면 스스로 끝나며, 그때의 날짜를 출력하고 상태 5를 돌려줍니다.</translation>
    </message>
    <message>
        <source>The OK button&apos;s caption.</source>
        <translation>확인 단추의 레이블입니다.</translation>
    </message>
    <message>
        <source>The Cancel button&apos;s caption.</source>
        <translation>취소 단추의 레이블입니다.</translation>
    </message>
    <message>
        <source>The window&apos;s least width in pixels.</source>
        <translation>창의 최소 너비(픽셀)입니다.</translation>
    </message>
    <message>
        <source>The window&apos;s least height in pixels.</source>
        <translation>창의 최소 높이(픽셀)입니다.</translation>
    </message>
    <message>
        <source>Accepted and ignored.</source>
        <translation>받아들이지만 무시합니다.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>옵션:</translation>
    </message>
    <message>
        <source>Options of other calendar dialogs:</source>
        <translation>다른 달력 대화 상자의 옵션:</translation>
    </message>
    <message>
        <source>--date-format &quot;%1&quot; writes no part of the date; give a strftime format such as %Y-%m-%d</source>
        <translation>--date-format “%1”은(는) 날짜의 어떤 부분도 쓰지 않습니다. %Y-%m-%d 같은 strftime 형식을 지정하십시오</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>사용 방법: %1 [옵션]</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not one of %3</source>
        <translation>--%1 “%2”은(는) %3 중 하나가 아닙니다</translation>
    </message>
    <message>
        <source>--button &quot;%1&quot; ends with a status outside 0 to 255</source>
        <translation>--button “%1”의 종료 상태가 0~255 범위를 벗어납니다</translation>
    </message>
    <message>
        <source>--details &quot;%1&quot; cannot be read: %2</source>
        <translation>--details “%1”을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number</source>
        <translation>--%1 “%2”은(는) 정수가 아닙니다</translation>
    </message>
    <message>
        <source>--geometry &quot;%1&quot; is not of the form WxH+X+Y</source>
        <translation>--geometry “%1”은(는) WxH+X+Y 형식이 아닙니다</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a whole number from 0 up</source>
        <translation>--%1 “%2”은(는) 0 이상의 정수가 아닙니다</translation>
    </message>
    <message>
        <source>ignored what is no option: %1</source>
        <translation>옵션이 아닌 것을 무시했습니다: %1</translation>
    </message>
    <message>
        <source>Add a button in place of Cancel and OK, repeatable. It ends with status ID and prints the date when ID is even; an ID that is no number is a command to run.</source>
        <translation>취소와 확인 대신 단추를 추가하며, 여러 번 지정할 수 있습니다. 단추는 상태 ID로 끝나고 ID가 짝수이면 날짜를 출력합니다. 숫자가 아닌 ID는 실행할 명령입니다.</translation>
    </message>
    <message>
        <source>Show no buttons; Enter accepts and Escape declines.</source>
        <translation>단추를 표시하지 않습니다. Enter는 확인하고 Escape는 취소합니다.</translation>
    </message>
    <message>
        <source>Add a button after OK that prints its caption and ends with status 1, repeatable.</source>
        <translation>확인 뒤에 자신의 이름을 출력하고 상태 1로 끝나는 단추를 추가하며, 여러 번 지정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Show the ISO week of the selected date under the header.</source>
        <translation>선택한 날짜의 ISO 주 번호를 머리글 아래에 표시합니다.</translation>
    </message>
    <message>
        <source>Describe days with the lines &quot;DATE TEXT&quot; of this file, DATE in the --date-format; such days are bold.</source>
        <translation>이 파일의 “DATE TEXT” 줄로 날짜에 설명을 붙입니다. DATE는 --date-format 형식이며, 설명이 있는 날은 굵게 표시됩니다.</translation>
    </message>
    <message>
        <source>Align the lines of --text: left, center, right or fill.</source>
        <translation>--text의 줄을 정렬합니다: left, center, right 또는 fill.</translation>
    </message>
    <message>
        <source>Escape does not end the dialog.</source>
        <translation>Escape로 대화 상자를 끝내지 않습니다.</translation>
    </message>
    <message>
        <source>Escape accepts the date as OK does.</source>
        <translation>Escape가 확인과 같이 날짜를 확정합니다.</translation>
    </message>
    <message>
        <source>Print the date whichever button ends the dialog.</source>
        <translation>어느 단추로 대화 상자를 끝내든 날짜를 출력합니다.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is read as %3</source>
        <translation>--%1 “%2”은(는) %3(으)로 읽힙니다</translation>
    </message>
    <message>
        <source>Open the window in the middle of the screen (not on Wayland).</source>
        <translation>창을 화면 가운데에 엽니다(Wayland에서는 안 됨).</translation>
    </message>
    <message>
        <source>Open the window centred on the pointer, kept on the screen (not on Wayland).</source>
        <translation>창을 포인터 중심에 화면 안으로 엽니다(Wayland에서는 안 됨).</translation>
    </message>
    <message>
        <source>Put the window&apos;s left edge X pixels from the screen&apos;s; a negative X counts from the right edge (not on Wayland).</source>
        <translation>창의 왼쪽 가장자리를 화면 가장자리에서 X픽셀에 둡니다. 음수 X는 오른쪽 가장자리부터 셉니다(Wayland에서는 안 됨).</translation>
    </message>
    <message>
        <source>Put the window&apos;s top edge Y pixels from the screen&apos;s; a negative Y counts from the bottom edge (not on Wayland).</source>
        <translation>창의 위쪽 가장자리를 화면 가장자리에서 Y픽셀에 둡니다. 음수 Y는 아래쪽 가장자리부터 셉니다(Wayland에서는 안 됨).</translation>
    </message>
    <message>
        <source>The window&apos;s least size and its place, as X11 writes them, such as 300x200-10+20 (the place not on Wayland).</source>
        <translation>X11 형식으로 쓴 창의 최소 크기와 위치, 예: 300x200-10+20(위치는 Wayland에서는 안 됨).</translation>
    </message>
    <message>
        <source>Show the window without a title bar or frame.</source>
        <translation>창을 제목 표시줄과 테두리 없이 표시합니다.</translation>
    </message>
    <message>
        <source>Keep the window from being resized.</source>
        <translation>창 크기를 바꿀 수 없게 합니다.</translation>
    </message>
    <message>
        <source>Keep the window above other windows.</source>
        <translation>창을 다른 창 위에 유지합니다.</translation>
    </message>
    <message>
        <source>Show the window on every workspace.</source>
        <translation>창을 모든 작업 공간에 표시합니다.</translation>
    </message>
    <message>
        <source>Leave the window out of the taskbar.</source>
        <translation>창을 작업 표시줄에 표시하지 않습니다.</translation>
    </message>
    <message>
        <source>Open the window maximized, its content in the middle.</source>
        <translation>창을 최대화하여 열고 내용을 가운데에 둡니다.</translation>
    </message>
    <message>
        <source>Open the window full screen, its content in the middle.</source>
        <translation>창을 전체 화면으로 열고 내용을 가운데에 둡니다.</translation>
    </message>
    <message>
        <source>Open the window without taking the keyboard focus.</source>
        <translation>키보드 포커스를 가져가지 않고 창을 엽니다.</translation>
    </message>
    <message>
        <source>Show the window as a splash screen, which window managers show without a frame.</source>
        <translation>창을 시작 화면으로 표시합니다. 창 관리자는 이를 테두리 없이 표시합니다.</translation>
    </message>
    <message>
        <source>Decline, with status 1, when another window takes the keyboard focus.</source>
        <translation>다른 창이 키보드 포커스를 가져가면 상태 1로 거절합니다.</translation>
    </message>
    <message>
        <source>Fit the window to its content with this many pixels around it (at most 500).</source>
        <translation>창을 내용에 맞추고 둘레에 이만큼의 픽셀을 둡니다(최대 500).</translation>
    </message>
    <message>
        <source>Write every text in this font&apos;s family and size, such as &quot;Sans Bold 12&quot;.</source>
        <translation>모든 텍스트를 이 글꼴의 패밀리와 크기로 씁니다. 예: “Sans Bold 12”.</translation>
    </message>
    <message>
        <source>With --timeout, show the time left as a bar on this side: top, bottom, left or right.</source>
        <translation>--timeout과 함께 남은 시간을 이쪽의 막대로 표시합니다: top, bottom, left 또는 right.</translation>
    </message>
    <message>
        <source>Write the window&apos;s X id on standard error, or into FILE, without a line&apos;s end (not on Wayland).</source>
        <translation>창의 X ID를 줄 끝 없이 표준 오류 또는 FILE에 씁니다(Wayland에서는 안 됨).</translation>
    </message>
    <message>
        <source>The class of the window&apos;s WM_CLASS on X11, and its app id on Wayland.</source>
        <translation>X11에서 창의 WM_CLASS 클래스, Wayland에서 앱 ID.</translation>
    </message>
    <message>
        <source>The instance name of the window&apos;s WM_CLASS on X11, and its app id on Wayland without --class.</source>
        <translation>X11에서 창의 WM_CLASS 인스턴스 이름, --class가 없을 때 Wayland에서 앱 ID.</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot; is not a date from %3 to %4 in the form YYYY-MM-DD, with or without a time in the form THH:MM</source>
        <translation>--%1 “%2”은(는) %3부터 %4까지의 YYYY-MM-DD 형식 날짜(THH:MM 형식의 시각은 선택)가 아닙니다</translation>
    </message>
    <message>
        <source>--minute-step needs --time</source>
        <translation>--minute-step에는 --time이 필요합니다</translation>
    </message>
    <message>
        <source>--minute-step &quot;%1&quot; is not a number from 1 to 30 that divides 60</source>
        <translation>--minute-step “%1”은(는) 60의 약수인 1에서 30 사이의 수가 아닙니다</translation>
    </message>
    <message>
        <source>Pick a time of day too, and print it after the date (default format yyyy-MM-dd HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM.</source>
        <translation>시각도 선택하여 날짜 뒤에 출력합니다(기본 형식 yyyy-MM-dd HH:mm). 이때 --date, --min-date, --max-date는 YYYY-MM-DDTHH:MM 형식을 받습니다.</translation>
    </message>
    <message>
        <source>With --time, offer only every so many minutes (1 to 30, dividing 60).</source>
        <translation>--time과 함께 쓰면 이 수의 배수인 분만 제공합니다(1에서 30 사이, 60의 약수).</translation>
    </message>
    <message>
        <source>--minute-step %1 leaves no time from %2 to %3</source>
        <translation>--minute-step %1(으)로는 %2부터 %3까지 남는 시각이 없습니다</translation>
    </message>
    <message>
        <source>the local clock skips every time from %1 to %2</source>
        <translation>현지 시계가 %1부터 %2까지의 모든 시각을 건너뜁니다</translation>
    </message>
</context>
<context>
    <name>DialogFailure</name>
    <message>
        <source>cannot open a window: %1</source>
        <translation>창을 열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>no display (DISPLAY and WAYLAND_DISPLAY are unset)</source>
        <translation>디스플레이가 없습니다(DISPLAY와 WAYLAND_DISPLAY가 설정되지 않음)</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>디스플레이와의 연결이 끊어졌습니다</translation>
    </message>
    <message>
        <source>the window was destroyed by another program</source>
        <translation>다른 프로그램이 창을 없앴습니다</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>내일</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>어제</translation>
    </message>
    <message>
        <source>First of this month</source>
        <translation>이번 달 첫날</translation>
    </message>
    <message>
        <source>Last of this month</source>
        <translation>이번 달 마지막 날</translation>
    </message>
    <message>
        <source>First of last month</source>
        <translation>지난달 첫날</translation>
    </message>
    <message>
        <source>Last of last month</source>
        <translation>지난달 마지막 날</translation>
    </message>
    <message>
        <source>First of next month</source>
        <translation>다음 달 첫날</translation>
    </message>
    <message>
        <source>Last of next month</source>
        <translation>다음 달 마지막 날</translation>
    </message>
    <message>
        <source>Copy “%1”</source>
        <translation>“%1” 복사</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 복사</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Paste date</source>
        <translation>날짜 붙여넣기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>%1주</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>지금</translation>
    </message>
</context>
<context>
    <name>HostWindow</name>
    <message>
        <source>datepicker: message 0x%1 failed: %2</source>
        <translation>datepicker: 메시지 0x%1 처리 실패: %2</translation>
    </message>
    <message>
        <source>datepicker: painting failed: %1</source>
        <translation>datepicker: 그리기 실패: %1</translation>
    </message>
</context>
<context>
    <name>RunPicker</name>
    <message>
        <source>Date picker</source>
        <translation>날짜 선택기</translation>
    </message>
    <message>
        <source>The window could not be built.

%1</source>
        <translation>창을 만들 수 없습니다.

%1</translation>
    </message>
    <message>
        <source>the window could not be built: %1</source>
        <translation>창을 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the date could not be written: %1</source>
        <translation>날짜를 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>the window&apos;s id could not be written to %1: %2</source>
        <translation>창 ID를 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1: the command &quot;%2&quot; could not be started
</source>
        <translation>%1: “%2” 명령을 시작할 수 없습니다
</translation>
    </message>
    <message>
        <source>the text could not be written: %1</source>
        <translation>텍스트를 쓸 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>Month</source>
        <translation>월</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>연도</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>시</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>분</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <translation>오전/오후</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>런타임 오류 %1: %2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>프로시저 호출 또는 인수가 잘못되었습니다</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>오버플로</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>첨자가 범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>형식이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Can&apos;t create object</source>
        <translation>개체를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>개체가 이 속성 또는 메서드를 지원하지 않습니다</translation>
    </message>
    <message>
        <source>Wrong number of arguments or invalid property assignment</source>
        <translation>인수의 개수가 잘못되었거나 속성 할당이 잘못되었습니다</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>응용 프로그램 정의 또는 개체 정의 오류</translation>
    </message>
</context>
</TS>
