#include "app/WindowOptionReader.h"

#include "app/WindowOptions.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace app {

namespace {

/// The whole number a value begins with, as yad reads a position: "30--title=x", a script's
/// missing space, is 30 and a warning. Nothing when it begins with no number.
std::optional<int> ReadLeadingInteger(const OptionValues& values, const char* name, QStringList& warnings)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^[+-]?\\d+"));
    const QString value = values.Value(name);
    const QString number = leadingNumber.match(value).captured();
    bool isNumber = false;
    const int read = number.toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    if (number.size() < value.size())
        warnings << QCoreApplication::translate("CommandLine", "--%1 \"%2\" is read as %3")
                        .arg(QLatin1String(name), value)
                        .arg(read);
    return read;
}

QString ReadWindowPlacement(const OptionValues& values, PickerOptions& options, QStringList& warnings)
{
    options.center = values.IsSet("center");
    options.mouse = values.IsSet("mouse");
    for (const auto& [name, position] : {std::pair{"posx", &options.posX}, std::pair{"posy", &options.posY}}) {
        if (!values.IsSet(name))
            continue;
        *position = ReadLeadingInteger(values, name, warnings);
        if (!*position)
            return values.NotAnInteger(name);
    }
    // A size, a position or both, as X11 writes geometries: 300x200, +10-20, 300x200+10+20.
    options.geometry = values.Value("geometry");
    if (values.IsSet("geometry") && !ParseWindowGeometry(options.geometry))
        return QCoreApplication::translate("CommandLine", "--geometry \"%1\" is not of the form WxH+X+Y")
            .arg(options.geometry);
    return {};
}

void ReadWindowFlags(const OptionValues& values, PickerOptions& options)
{
    for (const auto& [name, flag] :
         {std::pair{"undecorated", &options.undecorated}, std::pair{"fixed", &options.fixed},
          std::pair{"on-top", &options.onTop}, std::pair{"sticky", &options.sticky},
          std::pair{"skip-taskbar", &options.skipTaskbar}, std::pair{"maximized", &options.maximized},
          std::pair{"fullscreen", &options.fullscreen}, std::pair{"no-focus", &options.noFocus},
          std::pair{"splash", &options.splash}, std::pair{"close-on-unfocus", &options.closeOnUnfocus}})
        *flag = values.IsSet(name);
}

QString ReadWindowKind(const OptionValues& values, PickerOptions& options)
{
    ReadWindowFlags(values, options);
    if (values.IsSet("borders")) {
        options.borders = values.ReadInteger("borders").value_or(-1);
        if (options.borders < 0)
            return QCoreApplication::translate("CommandLine", "--%1 \"%2\" is not a whole number from 0 up")
                .arg(QStringLiteral("borders"), values.Value("borders"));
    }
    options.fontName = values.Value("fontname");
    options.timeoutIndicator = values.Value("timeout-indicator");
    static const QStringList sides{"top", "bottom", "left", "right"};
    if (values.IsSet("timeout-indicator") && !sides.contains(options.timeoutIndicator))
        return values.NotOneOf("timeout-indicator", sides.join(QStringLiteral(", ")));
    if (values.IsSet("print-xid"))
        options.printXid = values.Value("print-xid");
    options.windowClass = values.Value("class");
    options.windowName = values.Value("name");
    return {};
}

} // namespace

QString ReadWindowOptions(const OptionValues& values, PickerOptions& options, QStringList& warnings)
{
    if (QString problem = ReadWindowPlacement(values, options, warnings); !problem.isEmpty())
        return problem;
    return ReadWindowKind(values, options);
}

} // namespace app
