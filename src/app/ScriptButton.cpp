#include "app/ScriptButton.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <utility>

namespace app {
namespace {

// The stock names of GTK and yad, and the captions they stand for, translated.
const std::pair<const char*, const char*> StockCaptions[] = {
    {"ok", QT_TRANSLATE_NOOP("Form1", "OK")},       {"cancel", QT_TRANSLATE_NOOP("Form1", "Cancel")},
    {"close", QT_TRANSLATE_NOOP("Form1", "Close")}, {"yes", QT_TRANSLATE_NOOP("Form1", "Yes")},
    {"no", QT_TRANSLATE_NOOP("Form1", "No")},       {"apply", QT_TRANSLATE_NOOP("Form1", "Apply")},
    {"quit", QT_TRANSLATE_NOOP("Form1", "Quit")},   {"save", QT_TRANSLATE_NOOP("Form1", "Save")},
};

// "_Save" as the button shows it: an underscore marks the next letter as the access key, and
// two stand for one.
QString WithoutMnemonic(const QString& label)
{
    QString shown;
    for (qsizetype at = 0; at < label.size(); ++at) {
        if (label[at] == u'_' && at + 1 < label.size())
            ++at;
        shown += label[at];
    }
    return shown;
}

// The letter after the first underscore that does not stand for one, lower-cased, or 0.
char32_t AccessKeyOf(const QString& label)
{
    for (qsizetype at = 0; at + 1 < label.size(); ++at) {
        if (label[at] != u'_')
            continue;
        if (label[at + 1] != u'_')
            return QChar::toLower(label.mid(at + 1, 2).toUcs4().value(0));
        ++at;
    }
    return 0;
}

QString Caption(const QString& label)
{
    for (const QLatin1String prefix : {QLatin1String("gtk-"), QLatin1String("yad-")}) {
        if (!label.startsWith(prefix))
            continue;
        for (const auto& [name, caption] : StockCaptions)
            if (label.mid(prefix.size()) == QLatin1String(name))
                return QCoreApplication::translate("Form1", caption);
    }
    return WithoutMnemonic(label);
}

} // namespace

std::optional<ScriptButton> ReadScriptButton(const QString& value)
{
    // The ID follows the last colon, so a label may hold one; a value without any is a label.
    const qsizetype colon = value.lastIndexOf(u':');
    const QString label = colon < 0 ? value : value.left(colon);
    const QString id = colon < 0 ? QString() : value.mid(colon + 1);
    ScriptButton button;
    button.caption = Caption(label.section(u'!', 0, 0));
    button.accessKey = AccessKeyOf(label.section(u'!', 0, 0));
    button.tooltip = label.section(u'!', 2);
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch number = leadingNumber.match(id);
    if (!number.hasMatch() && !id.trimmed().isEmpty()) {
        button.command = id;
        return button;
    }
    bool inRange = true;
    button.status = number.hasMatch() ? number.captured(1).toInt(&inRange) : 0;
    if (!inRange || button.status < 0 || button.status > 255)
        return std::nullopt;
    return button;
}

ScriptButton ExtraButton(const QString& caption) { return {caption, {}, 1, {}, true}; }

std::vector<ScriptButton> DialogButtonRow(const std::vector<ScriptButton>& buttons,
                                          const std::vector<ScriptButton>& extraButtons, bool noButtons,
                                          const QString& cancelLabel, const QString& okLabel)
{
    if (noButtons)
        return {};
    if (!buttons.empty())
        return buttons;
    std::vector<ScriptButton> row{{cancelLabel, {}, 1, {}, false}, {okLabel, {}, 0, {}, false}};
    row.insert(row.end(), extraButtons.begin(), extraButtons.end());
    return row;
}

} // namespace app
