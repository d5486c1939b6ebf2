#include "app/CommandLine.h"
#include "app/OptionTable.h"
#include "support/TestEnvironment.h"

#include <QTemporaryDir>
#include <QTemporaryFile>

#include <fstream>
#include <initializer_list>
#include <sys/stat.h>
#include <thread>
#include <map>
#include <optional>

namespace {

QString DateText(const std::optional<runtime::Date>& date)
{
    return date ? QString::asprintf("%04d-%02d-%02d", date->Year(), date->Month(), date->Day()) : QStringLiteral("-");
}

QString& QtMessages()
{
    static QString said;
    return said;
}

// The command line read, and whatever Qt said meanwhile after " qt: ".
app::CommandLine Read(const QStringList& line)
{
    QtMessages().clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            QtMessages() += QStringLiteral(" qt: ") + text;
        });
    app::CommandLine read = app::ParseCommandLine(line);
    qInstallMessageHandler(previous);
    return read;
}

// What the picker makes of a command line, in one line: the options it runs with, or what it prints
// instead.
QString Outcome(std::initializer_list<const char*> arguments)
{
    QStringList line{QStringLiteral("datepicker")};
    for (const char* argument : arguments)
        line << QString::fromUtf8(argument);
    const app::CommandLine read = Read(line);
    switch (read.outcome) {
    case app::CommandLineOutcome::Refuse:
        return QStringLiteral("exit 2: ") + read.text.trimmed() + QtMessages();
    case app::CommandLineOutcome::Inform:
        return QStringLiteral("exit 0: ") + read.text.section('\n', 0, 0);
    case app::CommandLineOutcome::Run:
        break;
    }
    const app::PickerOptions& options = read.options;
    QString outcome = QStringLiteral("start %1 min %2 max %3 format %4%5%6")
                          .arg(DateText(options.startDate), DateText(options.minDate), DateText(options.maxDate),
                               options.format, options.print ? QStringLiteral(" print") : QString(),
                               options.title.isEmpty() ? QString() : QStringLiteral(" title ") + options.title);
    // What only the options of other calendar dialogs set, where they set it.
    const std::pair<const char*, QString> dialog[] = {
        {" date-format ", options.dateFormat},
        {" prompt ", options.prompt},
        {" timeout ", options.timeoutSeconds ? QString::number(options.timeoutSeconds) : QString()},
        {" labels ", options.okLabel.isEmpty() ? QString() : options.cancelLabel + '/' + options.okLabel},
        {" size ",
         options.minimumWidth ? QStringLiteral("%1x%2").arg(options.minimumWidth).arg(options.minimumHeight)
                              : QString()},
    };
    for (const auto& [name, value] : dialog)
        if (!value.isNull())
            outcome += QLatin1String(name) + value;
    for (const auto& [name, set] :
         {std::pair{" center", options.center}, {" mouse", options.mouse}, {" undecorated", options.undecorated},
          {" fixed", options.fixed}, {" on-top", options.onTop}, {" sticky", options.sticky},
          {" skip-taskbar", options.skipTaskbar}, {" maximized", options.maximized},
          {" fullscreen", options.fullscreen}, {" no-focus", options.noFocus}, {" splash", options.splash},
          {" close-on-unfocus", options.closeOnUnfocus}, {" no-buttons", options.noButtons},
          {" no-escape", options.noEscape}, {" escape-ok", options.escapeOk},
          {" always-print-result", options.alwaysPrintResult}, {" show-weeks", options.showWeeks}})
        outcome += set ? QLatin1String(name) : QLatin1String();
    if (options.posX || options.posY)
        outcome += QStringLiteral(" at %1,%2").arg(options.posX.value_or(0)).arg(options.posY.value_or(0));
    if (options.borders >= 0 || !options.geometry.isEmpty() || !options.fontName.isEmpty())
        outcome += QStringLiteral(" borders %1 geometry %2 font %3")
                       .arg(options.borders)
                       .arg(options.geometry, options.fontName);
    if (options.printXid)
        outcome += QStringLiteral(" xid '%1'").arg(*options.printXid);
    if (!options.timeoutIndicator.isEmpty() || !options.windowClass.isEmpty() || !options.windowName.isEmpty())
        outcome += QStringLiteral(" indicator %1 class %2/%3")
                       .arg(options.timeoutIndicator, options.windowClass, options.windowName);
    if (!read.windowSystemArguments.isEmpty())
        outcome += QStringLiteral(" qt ") + read.windowSystemArguments.join(u' ');
    for (const auto& buttons : {options.buttons, options.extraButtons})
        for (const app::ScriptButton& button : buttons)
            outcome += QStringLiteral(" [%1|%2|%3%4%5]")
                           .arg(button.caption + (button.tooltip.isEmpty() ? QString() : u'!' + button.tooltip))
                           .arg(button.status)
                           .arg(button.command, button.printsCaption ? QStringLiteral("|prints") : QString(),
                                button.accessKey ? "|alt+" + QString::fromUcs4(&button.accessKey, 1) : QString());
    for (const auto& [day, description] : options.details)
        outcome += QStringLiteral(" detail %1=%2").arg(DateText(day), description);
    if (!options.textAlign.isEmpty())
        outcome += QStringLiteral(" align ") + options.textAlign;
    const auto minute = [](std::optional<int> value) { return value ? QString::number(*value) : QStringLiteral("-"); };
    if (options.time)
        outcome += QStringLiteral(" time %1/%2/%3 step %4")
                       .arg(minute(options.startMinute), minute(options.minMinute), minute(options.maxMinute))
                       .arg(options.minuteStep);
    return outcome + (read.warning.isEmpty() ? QString() : QStringLiteral(" warning ") + read.warning.trimmed()) +
           QtMessages();
}

const char* const BadDate = "is not a date from 1000-01-01 to 9997-12-31 in the form YYYY-MM-DD";

} // namespace

TEST(CommandLine, ReadsEveryOptionAndRefusesBadValuesWithOneLine)
{
    app::DescribeApplication();
    const FixedToday today(Ymd(2026, 12, 7));
    const struct {
        std::initializer_list<const char*> arguments;
        QString outcome;
        const char* zone = "UTC";
    } cases[] = {
        {{}, "start - min - max - format yyyy-MM-dd"},
        {{"--date", "2024-02-29"}, "start 2024-02-29 min - max - format yyyy-MM-dd"},
        {{"--date", "2023-02-29"}, QString("exit 2: datepicker: --date \"2023-02-29\" ") + BadDate},
        {{"--date", "2024-2-9"}, QString("exit 2: datepicker: --date \"2024-2-9\" ") + BadDate},
        {{"--date", "1000-01-01"}, "start 1000-01-01 min - max - format yyyy-MM-dd"},
        {{"--date", "9997-12-31"}, "start 9997-12-31 min - max - format yyyy-MM-dd"},
        {{"--date", "0999-12-31"}, QString("exit 2: datepicker: --date \"0999-12-31\" ") + BadDate},
        {{"--date", "9998-01-01"}, QString("exit 2: datepicker: --date \"9998-01-01\" ") + BadDate},
        {{"--max-date", "9998-01-01"}, QString("exit 2: datepicker: --max-date \"9998-01-01\" ") + BadDate},
        {{"--min-date", "2024-02-30"}, QString("exit 2: datepicker: --min-date \"2024-02-30\" ") + BadDate},
        {{"--min-date", "2024-06-01", "--max-date", "2024-05-31"},
         "exit 2: datepicker: --min-date 2024-06-01 lies after --max-date "
         "2024-05-31"},
        // A start outside the bounds, given or today, starts on the nearer bound.
        {{"--date", "2024-01-15", "--min-date", "2024-06-01"},
         "start 2024-06-01 min 2024-06-01 max - format yyyy-MM-dd"},
        {{"--date", "2024-08-15", "--max-date", "2024-06-30"},
         "start 2024-06-30 min - max 2024-06-30 format yyyy-MM-dd"},
        {{"--min-date", "2030-01-01"}, "start 2030-01-01 min 2030-01-01 max - format yyyy-MM-dd"},
        {{"--min-date", "2024-06-01", "--max-date", "2024-06-01"},
         "start 2024-06-01 min 2024-06-01 max 2024-06-01 format yyyy-MM-dd"},
        {{"--min-date", "2026-01-01"}, "start 2026-12-07 min 2026-01-01 max - format yyyy-MM-dd"},
        {{"--print", "--format", "dd.MM.yyyy", "--title", "Date of birth"},
         "start - min - max - format dd.MM.yyyy print title Date of birth"},
        {{"--format", ""},
         "exit 2: datepicker: --format is empty; give a Qt date format such as "
         "yyyy-MM-dd"},
        {{"--format", "%Y-%m-%d"},
         "exit 2: datepicker: --format \"%Y-%m-%d\" holds a %, but --format takes a Qt date format such as "
         "yyyy-MM-dd; for strftime's % fields use --date-format \"%Y-%m-%d\""},
        {{"--max-date", "2026-12-06 10:00", "--print"},
         "exit 2: datepicker: --max-date \"2026-12-06 10:00\" holds a time of day, which needs --time; without "
         "it give a date in the form YYYY-MM-DD"},
        {{"--format", "'"},
         "exit 2: datepicker: --format \"'\" opens a quote that it does not "
         "close"},
        {{"--format", "'day' dd 'of"},
         "exit 2: datepicker: --format \"'day' dd 'of\" opens a quote that it "
         "does not close"},
        {{"--format", "'yyyy'"},
         "exit 2: datepicker: --format \"'yyyy'\" writes no part of the date; "
         "give a Qt date "
         "format such as yyyy-MM-dd"},
        {{"--format", "'100%' yyyy ''d''"}, "start - min - max - format '100%' yyyy ''d''"},
        // Other calendar dialogs' options: a part of the start date not given is today's.
        {{"--calendar", "--day", "10", "--month", "8", "--year", "2004"},
         "start 2004-08-10 min - max - format yyyy-MM-dd print "
         "date-format %x"},
        {{"--print",
          "--month",
          "2",
          "--date-format",
          "%A %d %B %Y",
          "--text",
          "<b>Pick</b> a &lt;day&gt;\\nnow &#x263A;",
          "--timeout",
          "30",
          "--ok-label",
          "Take",
          "--cancel-label",
          "Leave",
          "--width",
          "600",
          "--height",
          "300",
          "--modal",
          "--attach=5",
          "--window-icon=x.png",
          "--icon",
          "y",
          "--icon-name=z"},
         "start 2026-02-07 min - max - format yyyy-MM-dd print date-format %A %d "
         "%B %Y prompt Pick a <day>\nnow \u263A "
         "timeout 30 labels Leave/Take size 600x300"},
        {{"--text", "a < b and c > d: <span foreground='red' size=\"9\">x</span><br/>y</b >"},
         "start - min - max - format yyyy-MM-dd prompt a < b and c > d: xy"},
        {{"--text", "<i>as</i> &amp; is\\tthere", "--no-markup"},
         "start - min - max - format yyyy-MM-dd prompt <i>as</i> &amp; "
         "is\tthere"},
        {{"--calendar", "--format", "d.M.yy"}, "start - min - max - format d.M.yy print"},
        {{"--day", "31", "--month", "2"},
         "exit 2: datepicker: day 31 of month 2 of year 2026 is not a date from "
         "1000-01-01 to 9997-12-31"},
        {{"--year", "999"},
         "exit 2: datepicker: day 7 of month 12 of year 999 is not a date from "
         "1000-01-01 to 9997-12-31"},
        {{"--day", "x"}, "exit 2: datepicker: --day \"x\" is not a whole number from 1 up"},
        {{"--date", "2024-01-01", "--day", "3"},
         "exit 2: datepicker: --date cannot be given together with --day, "
         "--month or --year"},
        {{"--format", "x", "--date-format", "%F"},
         "exit 2: datepicker: --format and --date-format cannot be given "
         "together"},
        {{"--date-format", "%% and %n %Q"},
         "exit 2: datepicker: --date-format \"%% and %n %Q\" writes no part of the "
         "date; give a strftime format such as %Y-%m-%d"},
        // German writes no a.m. or p.m.
        {{"--date-format", "%p"},
         "exit 2: datepicker: --date-format \"%p\" writes no part of the date; give a strftime format such as %Y-%m-%d"},
        {{"--day", "99999999", "--month", "8", "--year", "2024"},
         "exit 2: datepicker: day 99999999 of month 8 of year 2024 is not a date from 1000-01-01 to 9997-12-31"},
        {{"--day", "367", "--month", "1", "--year", "2024"},
         "exit 2: datepicker: day 367 of month 1 of year 2024 is not a date from 1000-01-01 to 9997-12-31"},
        {{"--day", "366", "--month", "1", "--year", "9997"},
         "exit 2: datepicker: day 366 of month 1 of year 9997 is not a date from 1000-01-01 to 9997-12-31"},
        {{"--timeout", "0"}, "exit 2: datepicker: --timeout \"0\" is not a whole number from 1 up"},
        // A time of day only with --time; a start before the first bound starts at its time.
        {{"--date", "2026-12-06T09:37"},
         "exit 2: datepicker: --date \"2026-12-06T09:37\" holds a time of day, which needs --time; without it give a "
         "date in the form YYYY-MM-DD"},
        {{"--time", "--date", "2026-12-06 09:37", "--minute-step", "15", "--max-date", "2026-12-08"},
         "start 2026-12-06 min - max 2026-12-08 format yyyy-MM-dd HH:mm time 577/-/1425 step 15"},
        {{"--time", "--date", "2024-01-15T10:00", "--min-date", "2024-06-01T09:00"},
         "start 2024-06-01 min 2024-06-01 max - format yyyy-MM-dd HH:mm time 540/540/- step 1"},
        {{"--time", "--min-date", "2024-06-01T09:00", "--max-date", "2024-06-01T08:59"},
         "exit 2: datepicker: --min-date 2024-06-01T09:00 lies after --max-date 2024-06-01T08:59"},
        {{"--time", "--date", "2026-12-06T24:00"},
         QString("exit 2: datepicker: --date \"2026-12-06T24:00\" ") + BadDate +
             ", with or without a time in the form THH:MM"},
        {{"--calendar", "--time", "--format", "HH:mm"}, "start - min - max - format HH:mm print time -/-/- step 1"},
        {{"--calendar", "--time"}, "start - min - max - format yyyy-MM-dd HH:mm print date-format %x %R time -/-/- step 1"},
        {{"--time", "--minute-step", "7"},
         "exit 2: datepicker: --minute-step \"7\" is not a number from 1 to 30 that divides 60"},
        {{"--minute-step", "15"}, "exit 2: datepicker: --minute-step needs --time"},
        {{"--time", "--minute-step", "15", "--min-date", "2026-12-06T23:50", "--max-date", "2026-12-06T23:55"},
         "exit 2: datepicker: --minute-step 15 leaves no time from 2026-12-06T23:50 to 2026-12-06T23:55"},
        // With a time, the bounds narrow to times the local clock shows on the step; none left is refused.
        {{"--time", "--date", "2018-11-05T12:00", "--max-date", "2018-11-04T00:30"},
         "start 2018-11-03 min - max 2018-11-03 format yyyy-MM-dd HH:mm time 1439/-/1439 step 1", "America/Sao_Paulo"},
        {{"--time", "--date", "2011-12-20T12:00", "--min-date", "2011-12-30"},
         "start 2011-12-31 min 2011-12-31 max - format yyyy-MM-dd HH:mm time 0/0/- step 1", "Pacific/Apia"},
        {{"--time", "--min-date", "2026-06-01T23:50", "--minute-step", "15", "--date", "2026-06-01T12:00"},
         "start 2026-06-02 min 2026-06-02 max - format yyyy-MM-dd HH:mm time 0/0/- step 15"},
        {{"--time", "--min-date", "9997-12-31T23:50", "--minute-step", "15"},
         "exit 2: datepicker: --minute-step 15 leaves no time from 9997-12-31T23:50 to 9997-12-31T23:59"},
        {{"--time", "--min-date", "2026-03-29T02:10", "--max-date", "2026-03-29T02:50"},
         "exit 2: datepicker: the local clock skips every time from 2026-03-29T02:10 to 2026-03-29T02:50", "Europe/Berlin"},
        {{"--width", "-5"}, "exit 2: datepicker: --width \"-5\" is not a whole number from 1 up"},
        // An unknown option is named as written, with the option a slip of typing most likely meant.
        {{"--frobnicate"}, "exit 2: datepicker: unknown option --frobnicate (see --help)"},
        {{"--titel=x"}, "exit 2: datepicker: unknown option --titel; did you mean --title? (see --help)"},
        {{"-mindate", "2026-01-01"}, "exit 2: datepicker: unknown option -mindate; did you mean --min-date? (see --help)"},
        {{"--cal"}, "exit 2: datepicker: unknown option --cal; did you mean --calendar? (see --help)"},
        {{"--prnt"}, "exit 2: datepicker: unknown option --prnt; did you mean --print? (see --help)"},
        {{"--date"}, "exit 2: datepicker: Missing value after '--date'."},
        {{"2024-02-29"}, "exit 2: datepicker: Unexpected argument '2024-02-29'."},
        {{"--print", "height=50"}, "exit 2: datepicker: Unexpected argument 'height=50'."},
        {{"--print", "one\ntwo\r"}, "exit 2: datepicker: Unexpected argument 'one\\ntwo\\r'."},
        // Under --calendar, words that are no options are passed over, as other calendar dialogs do.
        {{"--calendar", "--format", "d.M.yy", "height=50", "x\ny"},
         "start - min - max - format d.M.yy print warning datepicker: ignored these words, which are not options: "
         "height=50 x\\ny"},
        // yad's window options; --print-xid standing alone does not take the next word as its file.
        {{"--format", "d", "--center", "--mouse", "--undecorated", "--fixed", "--on-top", "--sticky",
          "--skip-taskbar", "--maximized", "--fullscreen", "--no-focus", "--splash", "--close-on-unfocus",
          "--posx=-20", "--posy", "15", "--geometry=300x200-5+7", "--borders=0", "--fontname=Sans 12",
          "--timeout-indicator=left", "--print-xid", "--class", "Cal", "--name=cal"},
         "start - min - max - format d center mouse undecorated fixed on-top sticky skip-taskbar maximized "
         "fullscreen no-focus splash close-on-unfocus at -20,15 borders 0 geometry 300x200-5+7 font Sans 12 "
         "xid '' indicator left class Cal/cal"},
        {{"--format", "d", "--print-xid=/tmp/xid", "--geometry", "+0-0"},
         "start - min - max - format d borders -1 geometry +0-0 font  xid '/tmp/xid'"},
        // yad's buttons: a stock name shows its caption, the ID follows the last colon and may be a
        // command; zenity's extra buttons print their caption with status 1. Then the options
        // that are accepted and ignored.
        {{"--format", "d", "--button=gtk-ok:0", "--button=_Save!icon!tip:3", "--button=Say:echo a:b",
          "--button=Plain", "--button=My___Ärger__:4", "--button=yad-close: 7x", "--extra-button=More", "--no-buttons", "--no-escape",
          "--escape-ok", "--always-print-result", "--show-weeks", "--text-align=center", "--response=3",
          "--image=x.png", "--image-on-top", "--icon-theme=t", "--expander", "--selectable-labels", "--kill-parent",
          "--tabnum=2", "--plug=5", "--theme", "--buttons-layout=edge"},
         "start - min - max - format d no-buttons no-escape escape-ok always-print-result show-weeks [OK|0|] "
         "[Save!tip|3||alt+s] [Say:echo a|0|b] [Plain|0|] [My_Ärger_|4||alt+ä] [Close|7|] [More|1||prints] align center"},
        {{"--button=A:256"}, "exit 2: datepicker: --button \"A:256\" ends with a status outside 0 to 255"},
        {{"--button=A:-1"}, "exit 2: datepicker: --button \"A:-1\" ends with a status outside 0 to 255"},
        {{"--text-align=middle"},
         "exit 2: datepicker: --text-align \"middle\" is not one of left, center, right, fill"},
        {{"--details=/nonexistent"},
         "exit 2: datepicker: --details \"/nonexistent\" cannot be read: No such file or directory"},
        {{"--posx=x"}, "exit 2: datepicker: --posx \"x\" is not a whole number"},
        {{"--posy= 7"}, "exit 2: datepicker: --posy \" 7\" is not a whole number"},
        {{"--geometry", "300x200+99999999999+50"},
         "exit 2: datepicker: --geometry \"300x200+99999999999+50\" is not of the form WxH+X+Y"},
        {{"--details="}, "exit 2: datepicker: --details \"\" cannot be read: No such file or directory"},
        {{"--details=/dev/zero"}, "exit 2: datepicker: --details \"/dev/zero\" cannot be read: it is larger than 64 MiB"},
        // yad reads the number a position begins with: a script's missing space costs a warning.
        {{"--format", "d", "--posy=30--title=calendar", "--posx", "+12px"},
         "start - min - max - format d at 12,30 warning datepicker: --posx \"+12px\" is read as 12\n"
         "datepicker: --posy \"30--title=calendar\" is read as 30"},
        // A value is a value, even one that names an option whose own value may be left out.
        {{"--title", "--theme", "--text", "--print-xid", "--print-xid"},
         "start - min - max - format yyyy-MM-dd title --theme prompt --print-xid xid ''"},
        // yad passes over options it does not know, zenity refuses them: so does the picker in a
        // call that uses none of yad's own options.
        {{"--calendar", "--format", "d", "--heigth=380", "--mouse", "--text", "--frob", "-wide", "stray", "--", "--x"},
         "start - min - max - format d print prompt --frob mouse warning datepicker: ignored these words, which are "
         "not options: --heigth=380 -wide stray --x"},
        {{"--calendar", "--heigth=380", "--title", "--mouse"},
         "exit 2: datepicker: unknown option --heigth; did you mean --height? (see --help)"},
        {{"--geometry=300x"}, "exit 2: datepicker: --geometry \"300x\" is not of the form WxH+X+Y"},
        {{"--geometry="}, "exit 2: datepicker: --geometry \"\" is not of the form WxH+X+Y"},
        {{"--borders=-1"}, "exit 2: datepicker: --borders \"-1\" is not a whole number from 0 up"},
        {{"--timeout-indicator=up"},
         "exit 2: datepicker: --timeout-indicator \"up\" is not one of top, bottom, left, right"},
        // Qt's own window system options go on to QApplication.
        {{"-platform", "offscreen", "-reverse"}, "start - min - max - format yyyy-MM-dd qt -platform offscreen -reverse"},
        {{"--display=:5"}, "start - min - max - format yyyy-MM-dd qt -display :5"},
        // and nothing else does: neither a value that looks like one of them, nor --icon.
        {{"--text", "-platform", "--title", "Hello", "--icon", "x.png"},
         "start - min - max - format yyyy-MM-dd title Hello prompt -platform"},
        {{"--version"}, QString("exit 0: datepicker ") + DATEPICKER_VERSION},
        {{"--help", "--date", "nonsense"}, "exit 0: Usage: datepicker [options]"},
    };
    for (const auto& c : cases) {
        const LocalZone zone(c.zone);
        QStringList shown;
        for (const char* argument : c.arguments)
            shown << argument;
        EXPECT_EQ(Outcome(c.arguments).toStdString(), c.outcome.toStdString()) << shown.join(' ').toStdString();
    }
}

TEST(CommandLine, ReadsTheDescriptionsOfDaysAndPassesOverLinesItCannotRead)
{
    app::DescribeApplication();
    QTemporaryFile details;
    ASSERT_TRUE(details.open());
    details.write("2026-12-08 <b>Dentist</b> &amp; co\n"
                  "no date here\n"
                  "2026-02-30 no such day\n"
                  "2026-12-10\n"
                  "2026-12-013 glued to the date\n"
                  "2026-12-14x glued\n"
                  "2026-12-11   Party  \n"
                  "2026-12-08 and then lunch\n");
    // One unbroken word of a megabyte is cut to what a note can show.
    details.write("2026-12-12 " + QByteArray(1 << 20, 'a') + "\n");
    details.close();
    const QByteArray path = details.fileName().toUtf8();
    EXPECT_EQ(Outcome({"--date-format=%Y-%m-%d", "--details", path.constData()}),
              "start - min - max - format yyyy-MM-dd date-format %Y-%m-%d detail 2026-12-08=Dentist & co\nand then "
              "lunch detail 2026-12-11=Party detail 2026-12-12=" + QString(489, u'a') + QChar(0x2026));
}

// A pipe is read if its writer comes within a second, and refused after it otherwise.
TEST(CommandLine, ReadsADescriptionsPipeOnlyWhileItIsWrittenInTime)
{
    app::DescribeApplication();
    QTemporaryDir folder;
    const std::string pipe = folder.filePath("pipe").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(Outcome({"--details", pipe.c_str()}).toStdString(),
              "exit 2: datepicker: --details \"" + pipe + "\" cannot be read: it did not end within a second");
    std::thread writer([&] { std::ofstream(pipe) << "2026-12-08 Dentist\n"; });
    EXPECT_EQ(Outcome({"--date-format=%F", "--details", pipe.c_str()}),
              "start - min - max - format yyyy-MM-dd date-format %F detail 2026-12-08=Dentist");
    writer.join();
}

// --help tells what each option does: no two options that do something share a description.
TEST(CommandLine, DescribesEachOptionOnItsOwn)
{
    std::map<std::string_view, const char*> describedBy;
    for (const app::OptionDeclaration& option : app::OptionTable()) {
        if (std::string_view(option.Description) == "Accepted and ignored.")
            continue;
        const auto [first, isNew] = describedBy.emplace(option.Description, option.Name);
        EXPECT_TRUE(isNew) << "--" << option.Name << " is described as --" << first->second << " is";
    }
}

// Each line is read one way, as a whole: as UTF-8, as the picker prints, or else in the
// locale's codeset.
TEST(CommandLine, ReadsTheDescriptionsOfDaysAsThePickerPrintsTheDatesInAnyCodeset)
{
    QTemporaryFile details;
    ASSERT_TRUE(details.open());
    details.write("05 M\xc3\xa4rz 2024 In UTF-8 \xc3\xbc\n06 M\xe4rz 2024 In Latin-1 \xfc\n");
    details.close();
    const QByteArray userLocale = qgetenv("LC_ALL");
    const char* const utf8Line = " detail 2024-03-05=In UTF-8 \xc3\xbc";
    for (const auto& [locale, read] : {std::pair{"de_DE.UTF-8", std::string(utf8Line)},
                                       {"de_DE.ISO-8859-1", utf8Line + std::string(" detail 2024-03-06=In Latin-1 \xc3\xbc")}}) {
        qputenv("LC_ALL", locale);
        const QString outcome = Outcome({"--date-format=%d %B %Y", "--details", details.fileName().toUtf8().constData()});
        EXPECT_EQ(outcome.mid(outcome.indexOf(" detail")).toStdString(), read) << locale;
    }
    qputenv("LC_ALL", userLocale);
}

// The options taken only for other dialogs' scripts share one entry that names each of them; the
// help ends with an example and where to read more.
TEST(CommandLine, HelpGathersTheIgnoredOptionsAndEndsWithAnExample)
{
    const QString help = Read({QStringLiteral("datepicker"), QStringLiteral("--help")}).text;
    const QString ignored = help.section(QStringLiteral("Accepted and ignored: "), 1).section(u'.', 0, 0) + u',';
    EXPECT_EQ(help.count(QStringLiteral("Accepted and ignored")), 1);
    for (const app::OptionDeclaration& option : app::OptionTable())
        EXPECT_EQ(ignored.contains(QStringLiteral("--%1,").arg(option.Name)),
                  std::string_view(option.Description) == "Accepted and ignored.")
            << option.Name;
    EXPECT_TRUE(help.endsWith("Examples:\n  $ day=$(datepicker --print --title \"Delivery day\") || exit 1\n\n"
                              "The keys, the exit statuses and more: man datepicker\n"));
}
