#include "app/PreparedArguments.h"

#include "app/OptionTable.h"
#include "app/QtOptions.h"

#include <vector>

namespace app {

namespace {

/// An argument that begins with a dash, as the parser will read it.
struct OptionWord {
    /// The picker's option of that name, or nullptr (Qt's own, or one nobody knows).
    const OptionDeclaration* Declaration = nullptr;
    /// Whether any option of the picker's or Qt's has that name.
    bool Known = false;
    /// Whether the value is the next argument: the option needs one and has no "=value".
    bool ValueFollows = false;
};

OptionWord ReadOptionWord(const QString& argument)
{
    const QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1).section(u'=', 0, 0);
    OptionWord word;
    word.Declaration = FindOption(name);
    const QtOption qtOption = QtOptionNamed(name);
    word.Known = word.Declaration || qtOption != QtOption::None;
    const OptionDeclaration* option = word.Declaration;
    const bool needsValue =
        qtOption == QtOption::Valued || (option && option->ValueName && option->Need == ValueNeed::Required);
    word.ValueFollows = needsValue && !argument.contains(u'=');
    return word;
}

} // namespace

PreparedArguments PrepareArguments(const QStringList& arguments)
{
    PreparedArguments prepared;
    std::vector<qsizetype> unknown;
    bool callsYad = false;
    qsizetype at = 0;
    for (; at < arguments.size() && arguments[at] != u"--"; ++at) {
        const QString& argument = arguments[at];
        if (at == 0 || argument.size() < 2 || !argument.startsWith(u'-')) {
            prepared.Arguments << argument;
            continue;
        }
        const OptionWord word = ReadOptionWord(argument);
        if (!word.Known)
            unknown.push_back(prepared.Arguments.size());
        callsYad = callsYad || (word.Declaration && word.Declaration->Group == OptionGroup::OnlyYad);
        const bool standsAlone =
            word.Declaration && word.Declaration->Need == ValueNeed::Optional && !argument.contains(u'=');
        prepared.Arguments << (standsAlone ? argument + u'=' : argument);
        if (word.ValueFollows && at + 1 < arguments.size())
            prepared.Arguments << arguments[++at];
    }
    // After "--" every argument is a word, not an option.
    prepared.Arguments += arguments.mid(at);
    if (callsYad)
        for (auto index = unknown.rbegin(); index != unknown.rend(); ++index)
            prepared.PassedOver.prepend(prepared.Arguments.takeAt(*index));
    return prepared;
}

} // namespace app
