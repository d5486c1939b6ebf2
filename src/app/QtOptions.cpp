#include "app/QtOptions.h"

#include <QCommandLineParser>

#include <algorithm>
#include <iterator>

namespace app {

namespace {

// Options that Qt's window system reads from the command line (-platform, -style, ...), with a
// value and without one.
// yad's --geometry and zenity's --name are options of the dialog, not Qt's.
constexpr const char* QtValueOptions[] = {"platform",     "platformpluginpath", "platformtheme", "plugin",
                                          "qwindowgeometry", "qwindowicon",  "qwindowtitle",  "display",
                                          "session",      "style",              "stylesheet"};
constexpr const char* QtFlagOptions[] = {"reverse", "testability", "widgetcount"};

bool IsNamedIn(const QString& name, const char* const* first, const char* const* last)
{
    return std::any_of(first, last, [&](const char* option) { return name == QLatin1String(option); });
}

} // namespace

QtOption QtOptionNamed(const QString& name)
{
    if (IsNamedIn(name, std::begin(QtValueOptions), std::end(QtValueOptions)))
        return QtOption::Valued;
    if (name == u"help-all" || IsNamedIn(name, std::begin(QtFlagOptions), std::end(QtFlagOptions)))
        return QtOption::Flag;
    return QtOption::None;
}

void AcceptQtOptions(QCommandLineParser& parser)
{
    for (const char* name : QtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "testability", "widgetcount", "help-all"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QStringList WindowSystemArguments(const QCommandLineParser& parser)
{
    QStringList arguments;
    for (const char* name : QtValueOptions)
        for (const QString& value : parser.values(QString::fromLatin1(name)))
            arguments << u'-' + QString::fromLatin1(name) << value;
    for (const char* name : QtFlagOptions)
        if (parser.isSet(QString::fromLatin1(name)))
            arguments << u'-' + QString::fromLatin1(name);
    return arguments;
}

} // namespace app
