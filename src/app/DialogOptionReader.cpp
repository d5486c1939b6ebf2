#include "app/DialogOptionReader.h"

#include "app/DateDetails.h"
#include "app/PromptText.h"

#include <QCoreApplication>

namespace app {

namespace {

QString ReadDialogLook(const OptionValues& values, PickerOptions& options)
{
    // Other calendar dialogs' --calendar is the dialog of --print.
    options.print = values.IsSet("print") || values.IsSet("calendar");
    options.title = values.Value("title");
    options.okLabel = values.Value("ok-label");
    options.cancelLabel = values.Value("cancel-label");
    if (values.IsSet("text"))
        options.prompt =
            PromptText(values.Value("text"), values.IsSet("no-markup") ? TextMarkup::Plain : TextMarkup::Pango);
    for (const auto& [name, count] :
         {std::pair{"timeout", &options.timeoutSeconds}, std::pair{"width", &options.minimumWidth},
          std::pair{"height", &options.minimumHeight}}) {
        if (!values.IsSet(name))
            continue;
        const std::optional<int> value = values.ReadCount(name);
        if (!value)
            return values.NotACount(name);
        *count = *value;
    }
    return {};
}

QString ReadButtons(const OptionValues& values, PickerOptions& options)
{
    for (const QString& value : values.Values("button")) {
        const std::optional<ScriptButton> button = ReadScriptButton(value);
        if (!button)
            return QCoreApplication::translate("CommandLine", "--button \"%1\" ends with a status outside 0 to 255")
                .arg(value);
        options.buttons.push_back(*button);
    }
    for (const QString& caption : values.Values("extra-button"))
        options.extraButtons.push_back(ExtraButton(caption));
    options.noButtons = values.IsSet("no-buttons");
    options.noEscape = values.IsSet("no-escape");
    options.escapeOk = values.IsSet("escape-ok");
    options.alwaysPrintResult = values.IsSet("always-print-result");
    // Accepted and ignored, but a script's typo in it is still worth a line.
    if (values.IsSet("response") && !values.ReadInteger("response"))
        return values.NotAnInteger("response");
    return {};
}

QString ReadDayDescriptions(const OptionValues& values, PickerOptions& options)
{
    options.showWeeks = values.IsSet("show-weeks");
    options.textAlign = values.Value("text-align");
    static const QStringList alignments{"left", "center", "right", "fill"};
    if (values.IsSet("text-align") && !alignments.contains(options.textAlign))
        return values.NotOneOf("text-align", alignments.join(QStringLiteral(", ")));
    if (!values.IsSet("details"))
        return {};
    const QString format = values.IsSet("date-format") ? options.dateFormat : QStringLiteral("%x");
    QString problem;
    options.details = ReadDateDetails(values.Value("details"), format, problem);
    if (!problem.isEmpty())
        return QCoreApplication::translate("CommandLine", "--details \"%1\" cannot be read: %2")
            .arg(values.Value("details"), problem);
    return {};
}

} // namespace

QString ReadDialogOptions(const OptionValues& values, PickerOptions& options)
{
    for (const auto read : {ReadDialogLook, ReadButtons, ReadDayDescriptions})
        if (QString problem = read(values, options); !problem.isEmpty())
            return problem;
    return {};
}

} // namespace app
