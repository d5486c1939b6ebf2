#include "app/OptionTable.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace app {
namespace {

constexpr qsizetype HelpWidth = 79;

// The description of the options taken only so that other dialogs' scripts run unchanged.
const char* const Ignored = "Accepted and ignored.";

// The names as --help writes them: "-h, --help" or "--date-format FORMAT".
QString Names(const OptionDeclaration& option)
{
    QString names = option.ShortName ? QStringLiteral("-%1, ").arg(QLatin1String(option.ShortName)) : QString();
    names += QStringLiteral("--") + QLatin1String(option.Name);
    if (option.ValueName && option.Need == ValueNeed::Optional)
        names += QStringLiteral("[=<%1>]").arg(QLatin1String(option.ValueName));
    else if (option.ValueName)
        names += QStringLiteral(" <%1>").arg(QLatin1String(option.ValueName));
    return names;
}

// Breaks `text` into lines of at most `width` characters at spaces.
QStringList Wrapped(const QString& text, qsizetype width)
{
    QStringList lines{QString()};
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.last().isEmpty() && lines.last().size() + 1 + word.size() > width)
            lines.append(QString());
        lines.last() += (lines.last().isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return lines;
}

// The ignored options are listed by name only, together, after the others.
bool IsIgnored(const OptionDeclaration& option) { return option.Description == Ignored; }

QString GroupHelp(std::initializer_list<OptionGroup> groups, qsizetype namesWidth)
{
    QString text;
    for (const OptionDeclaration& option : OptionTable()) {
        if (std::find(groups.begin(), groups.end(), option.Group) == groups.end() || IsIgnored(option))
            continue;
        const QString names = QStringLiteral("  ") + Names(option);
        const QStringList lines =
            Wrapped(QCoreApplication::translate("CommandLine", option.Description), HelpWidth - namesWidth - 2);
        text += names.leftJustified(namesWidth + 2) + lines.first() + u'\n';
        for (qsizetype line = 1; line < lines.size(); ++line)
            text += QString(namesWidth + 2, u' ') + lines[line] + u'\n';
    }
    return text;
}

QString IgnoredHelp()
{
    QStringList names;
    for (const OptionDeclaration& option : OptionTable())
        if (IsIgnored(option))
            names << QStringLiteral("--") + QLatin1String(option.Name);
    const QString text =
        QCoreApplication::translate("CommandLine", "Accepted and ignored: %1.").arg(names.join(QStringLiteral(", ")));
    // A paragraph of its own, unindented, so that no line of it reads as an option's.
    return u'\n' + Wrapped(text, HelpWidth).join(u'\n') + u'\n';
}

// One call a script can start from, and where the rest is told.
QString HelpEnding()
{
    return u'\n' + QCoreApplication::translate("CommandLine", "Examples:") +
           QStringLiteral("\n  $ day=$(datepicker --print --title \"%1\") || exit 1\n\n")
               .arg(QCoreApplication::translate("CommandLine", "Delivery day")) +
           // The page is the package's, whatever the program is called.
           QCoreApplication::translate("CommandLine", "The keys, the exit statuses and more: man %1")
               .arg(QStringLiteral("datepicker")) +
           u'\n';
}

} // namespace

const std::vector<OptionDeclaration>& OptionTable()
{
    using enum OptionGroup;
    static const std::vector<OptionDeclaration> table = {
        {"help", "h", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Displays help on commandline options."), Picker},
        {"version", "v", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Displays version information."), Picker},
        {"print", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine",
                           "Show Cancel and OK. OK or Enter prints the date and "
                           "exits with status 0; "
                           "Cancel, Escape or closing the window prints nothing "
                           "and exits with status 1."),
         Picker},
        {"date", nullptr, "YYYY-MM-DD", QT_TRANSLATE_NOOP("CommandLine", "Start on this date instead of today."),
         Picker},
        {"format", nullptr, "FORMAT",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Print the date in this Qt date format, in the user's language "
                           "(default yyyy-MM-dd; for example dd.MM.yyyy or \"dddd, d MMMM "
                           "yyyy\")."),
         Picker},
        {"min-date", nullptr, "YYYY-MM-DD", QT_TRANSLATE_NOOP("CommandLine", "The first date that may be picked."),
         Picker},
        {"max-date", nullptr, "YYYY-MM-DD", QT_TRANSLATE_NOOP("CommandLine", "The last date that may be picked."),
         Picker},
        {"title", nullptr, "TEXT",
         QT_TRANSLATE_NOOP("CommandLine",
                           "The window title (default \"Select a date\" in a dialog, Form1 in the window alone)."),
         Picker},
        {"time", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine",
                           "Pick a time of day too, and print it after the date (default format yyyy-MM-dd "
                           "HH:mm); --date, --min-date and --max-date then take YYYY-MM-DDTHH:MM."),
         Picker},
        {"minute-step", nullptr, "MINUTES",
         QT_TRANSLATE_NOOP("CommandLine", "With --time, offer only every so many minutes (1 to 30, dividing 60)."),
         Picker},

        {"calendar", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine",
                           "Ask for a date as --print does, and print it as the C library's %x "
                           "unless --date-format says otherwise; a timeout ends with status "
                           "5."),
         OtherCalendars},
        {"text", nullptr, "TEXT",
         QT_TRANSLATE_NOOP("CommandLine",
                           "A prompt above the date; \\n starts a "
                           "new line. Markup tags are removed "
                           "and entities decoded."),
         OtherCalendars},
        {"no-markup", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show the --text as it stands."),
         OtherCalendars},
        {"day", nullptr, "DAY", QT_TRANSLATE_NOOP("CommandLine", "Start on this day; a part not given is today's."),
         OtherCalendars},
        {"month", nullptr, "MONTH", QT_TRANSLATE_NOOP("CommandLine", "Start on this month (1 to 12)."), OtherCalendars},
        {"year", nullptr, "YEAR", QT_TRANSLATE_NOOP("CommandLine", "Start on this year."), OtherCalendars},
        {"date-format", nullptr, "PATTERN",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Print the date in this strftime format, such as "
                           "%Y-%m-%d or %A %d %B %Y."),
         OtherCalendars},
        {"timeout", nullptr, "SECONDS",
         QT_TRANSLATE_NOOP("CommandLine",
                           "End by itself after this many seconds, printing the "
                           "date then, with status 5."),
         OtherCalendars},
        {"ok-label", nullptr, "TEXT", QT_TRANSLATE_NOOP("CommandLine", "The OK button's caption."), OtherCalendars},
        {"cancel-label", nullptr, "TEXT", QT_TRANSLATE_NOOP("CommandLine", "The Cancel button's caption."),
         OtherCalendars},
        {"width", nullptr, "WIDTH", QT_TRANSLATE_NOOP("CommandLine", "The window's least width in pixels."),
         OtherCalendars},
        {"height", nullptr, "HEIGHT", QT_TRANSLATE_NOOP("CommandLine", "The window's least height in pixels."),
         OtherCalendars},
        {"modal", nullptr, nullptr, Ignored, OtherCalendars},
        {"attach", nullptr, "WINDOW", Ignored, OtherCalendars},
        {"window-icon", nullptr, "ICON", Ignored, OtherCalendars,
         ValueCompletion::File},
        {"icon", nullptr, "ICON", Ignored, OtherCalendars,
         ValueCompletion::File},
        {"icon-name", nullptr, "ICON", Ignored, OtherCalendars},

        // yad's options of the dialog's content and buttons.
        {"button", nullptr, "LABEL:ID",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Add a button in place of Cancel and OK, repeatable. It ends with status ID and "
                           "prints the date when ID is even; an ID that is no number is a command to run."),
         OnlyYad},
        {"no-buttons", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine", "Show no buttons; Enter accepts and Escape declines."), OnlyYad},
        {"extra-button", nullptr, "TEXT",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Add a button after OK that prints its caption and ends with status 1, repeatable."),
         OtherCalendars},
        {"show-weeks", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine", "Show the ISO week of the selected date under the header."),
         OnlyYad},
        {"details", nullptr, "FILE",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Describe days with the lines \"DATE TEXT\" of this file, DATE in the "
                           "--date-format; such days are bold."),
         OnlyYad, ValueCompletion::File},
        {"text-align", nullptr, "ALIGN",
         QT_TRANSLATE_NOOP("CommandLine", "Align the lines of --text: left, center, right or fill."), OnlyYad,
         ValueCompletion::Choices, ValueNeed::Required, "left center right fill"},
        {"no-escape", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "Escape does not end the dialog."),
         OnlyYad},
        {"escape-ok", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "Escape accepts the date as OK does."),
         OnlyYad},
        {"always-print-result", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine", "Print the date whichever button ends the dialog."), OnlyYad},
        {"response", nullptr, "STATUS", Ignored, OnlyYad},
        {"image", nullptr, "IMAGE", Ignored, OnlyYad, ValueCompletion::File},
        {"image-on-top", nullptr, nullptr, Ignored, OnlyYad},
        {"icon-theme", nullptr, "THEME", Ignored, OnlyYad},
        {"expander", nullptr, "TEXT", Ignored, OnlyYad, ValueCompletion::Nothing, ValueNeed::Optional},
        {"selectable-labels", nullptr, nullptr, Ignored, OnlyYad},
        {"kill-parent", nullptr, "SIGNAL", Ignored, OnlyYad, ValueCompletion::Nothing, ValueNeed::Optional},
        {"tabnum", nullptr, "NUMBER", Ignored, OnlyYad},
        {"plug", nullptr, "KEY", Ignored, OnlyYad},
        {"theme", nullptr, "THEME", Ignored, OnlyYad, ValueCompletion::Nothing, ValueNeed::Optional},
        {"buttons-layout", nullptr, "LAYOUT", Ignored, OnlyYad},

        // yad's window options.
        {"center", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine", "Open the window in the middle of the screen (not on Wayland)."),
         OnlyYad},
        {"mouse", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine",
                           "Open the window centred on the pointer, kept on the screen (not on Wayland)."),
         OnlyYad},
        {"posx", nullptr, "X",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Put the window's left edge X pixels from the screen's; a negative X counts from the "
                           "right edge (not on Wayland)."),
         OnlyYad},
        {"posy", nullptr, "Y",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Put the window's top edge Y pixels from the screen's; a negative Y counts from the "
                           "bottom edge (not on Wayland)."),
         OnlyYad},
        {"geometry", nullptr, "WxH+X+Y",
         QT_TRANSLATE_NOOP("CommandLine",
                           "The window's least size and its place, as X11 writes them, such as 300x200-10+20 (the "
                           "place not on Wayland)."),
         OnlyYad},
        {"undecorated", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine", "Show the window without a title bar or frame."),
         OnlyYad},
        {"fixed", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "Keep the window from being resized."), OnlyYad},
        {"on-top", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "Keep the window above other windows."), OnlyYad},
        {"sticky", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show the window on every workspace."), OnlyYad},
        {"skip-taskbar", nullptr, nullptr, QT_TRANSLATE_NOOP("CommandLine", "Leave the window out of the taskbar."),
         OnlyYad},
        {"maximized", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine", "Open the window maximized, its content in the middle."),
         OnlyYad},
        {"fullscreen", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine", "Open the window full screen, its content in the middle."),
         OnlyYad},
        {"no-focus", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine", "Open the window without taking the keyboard focus."),
         OnlyYad},
        {"splash", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine",
                           "Show the window as a splash screen, which window managers show without a frame."),
         OnlyYad},
        {"close-on-unfocus", nullptr, nullptr,
         QT_TRANSLATE_NOOP("CommandLine", "Decline, with status 1, when another window takes the keyboard focus."),
         OnlyYad},
        {"borders", nullptr, "PIXELS",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Fit the window to its content with this many pixels around it (at most 500)."),
         OnlyYad},
        {"fontname", nullptr, "FONT",
         QT_TRANSLATE_NOOP("CommandLine", "Write every text in this font's family and size, such as \"Sans Bold 12\"."),
         OnlyYad},
        {"timeout-indicator", nullptr, "SIDE",
         QT_TRANSLATE_NOOP("CommandLine",
                           "With --timeout, show the time left as a bar on this side: top, bottom, left or right."),
         OnlyYad, ValueCompletion::Choices, ValueNeed::Required, "top bottom left right"},
        {"print-xid", nullptr, "FILE",
         QT_TRANSLATE_NOOP("CommandLine",
                           "Write the window's X id on standard error, or into FILE, without a line's end (not on "
                           "Wayland)."),
         OnlyYad, ValueCompletion::File, ValueNeed::Optional},
        {"class", nullptr, "CLASS",
         QT_TRANSLATE_NOOP("CommandLine", "The class of the window's WM_CLASS on X11, and its app id on Wayland."),
         OtherCalendars},
        {"name", nullptr, "NAME",
         QT_TRANSLATE_NOOP("CommandLine",
                           "The instance name of the window's WM_CLASS on X11, and its app id on Wayland "
                           "without --class."),
         OtherCalendars},
    };
    return table;
}

const OptionDeclaration* FindOption(const QString& name)
{
    const auto named = [&](const OptionDeclaration& option) {
        return name == QLatin1String(option.Name) || (option.ShortName && name == QLatin1String(option.ShortName));
    };
    const auto found = std::find_if(OptionTable().begin(), OptionTable().end(), named);
    return found == OptionTable().end() ? nullptr : &*found;
}

QString HelpText(const QString& description)
{
    qsizetype namesWidth = 0;
    for (const OptionDeclaration& option : OptionTable())
        namesWidth = std::max(namesWidth, Names(option).size() + 2);
    namesWidth = std::min<qsizetype>(namesWidth, 30);
    return QCoreApplication::translate("CommandLine", "Usage: %1 [options]").arg(QCoreApplication::applicationName()) +
           QStringLiteral("\n%1\n\n").arg(description) +
        QCoreApplication::translate("CommandLine", "Options:") + u'\n' + GroupHelp({OptionGroup::Picker}, namesWidth) +
        u'\n' + QCoreApplication::translate("CommandLine", "Options of other calendar dialogs:") + u'\n' +
        GroupHelp({OptionGroup::OtherCalendars, OptionGroup::OnlyYad}, namesWidth) + IgnoredHelp() + HelpEnding();
}

QString BashCompletion()
{
    QStringList words;
    QStringList withFile;
    QStringList withValue;
    QString withChoices;
    for (const OptionDeclaration& option : OptionTable()) {
        const QString name = QStringLiteral("--") + QLatin1String(option.Name);
        // An option whose value may be left out takes one only after "=": the next word is not
        // its value.
        const bool optional = option.Need == ValueNeed::Optional;
        words << (optional ? name + u'=' : name);
        if (option.ShortName)
            words << QStringLiteral("-") + QLatin1String(option.ShortName);
        if (!option.ValueName)
            continue;
        const QString patterns = optional ? name + u'=' : QStringLiteral("%1|%1=").arg(name);
        if (option.Completion == ValueCompletion::File)
            withFile << patterns;
        else if (option.Completion == ValueCompletion::Choices)
            withChoices += QStringLiteral("    %1)\n        mapfile -t COMPREPLY < <(compgen -W \"%2\" -- \"$cur\")\n"
                                          "        return ;;\n")
                               .arg(patterns, QLatin1String(option.Choices));
        else
            withValue << patterns;
    }
    return QStringLiteral("# bash completion for datepicker, made from its option table "
                          "when it is built.\n"
                          "_datepicker()\n"
                          "{\n"
                          "    local cur=${COMP_WORDS[COMP_CWORD]} "
                          "prev=${COMP_WORDS[COMP_CWORD-1]}\n"
                          "    # \"=\" breaks words: \"--option=value\" arrives as three, and prev becomes\n"
                          "    # \"--option=\" and cur the value.\n"
                          "    if [[ $cur == = ]]; then\n"
                          "        prev+== cur=\n"
                          "    elif [[ $prev == = && COMP_CWORD -gt 1 ]]; then\n"
                          "        prev=${COMP_WORDS[COMP_CWORD-2]}=\n"
                          "    fi\n"
                          "    case $prev in\n"
                          "    %1)\n"
                          "        compopt -o filenames\n"
                          "        mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n"
                          "        return ;;\n"
                          "%2"
                          "    %3)\n"
                          "        return ;;\n"
                          "    esac\n"
                          "    [[ $cur == -* ]] || return\n"
                          "    mapfile -t COMPREPLY < <(compgen -W \"%4\" -- \"$cur\")\n"
                          "    [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *= ]] && compopt -o nospace\n"
                          "}\n"
                          "complete -F _datepicker datepicker\n")
        .arg(withFile.join(u'|'), withChoices, withValue.join(u'|'), words.join(u' '));
}

} // namespace app
