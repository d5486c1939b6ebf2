#pragma once

#include <QString>

#include <vector>

namespace app {

/// Where --help lists an option.
enum class OptionGroup {
    /// The picker's own options.
    Picker,
    /// The options of other calendar dialogs, taken so that their scripts run unchanged.
    OtherCalendars,
    /// Those that only yad has, which zenity refuses; --help lists them with the other dialogs'.
    OnlyYad,
};

/// What a shell may complete after an option that takes a value: nothing, a file name, or one
/// of the option's Choices.
enum class ValueCompletion { Nothing, File, Choices };

/// Whether an option's value must be given.
enum class ValueNeed {
    Required,
    /// The option may stand alone ("--print-xid") or carry a value ("--print-xid=FILE").
    Optional,
};

/// One option of the command line: the parser, --help, the manual page and the shell completion are
/// all made from these.
struct OptionDeclaration {
    /// The long name, without dashes ("date-format").
    const char* Name;
    /// The one-letter name, or nullptr.
    const char* ShortName;
    /// The value's placeholder in --help ("FORMAT"), or nullptr for an option without a value.
    const char* ValueName;
    /// What it does, in English; translated in the context "CommandLine".
    const char* Description;
    OptionGroup Group;
    ValueCompletion Completion = ValueCompletion::Nothing;
    ValueNeed Need = ValueNeed::Required;
    /// The values a shell offers with ValueCompletion::Choices, separated by spaces; an option
    /// that takes one of a few words lists them here, so that the completion offers them.
    const char* Choices = nullptr;
};

/// Every option, in the order --help lists them.
const std::vector<OptionDeclaration>& OptionTable();

/// The option of this long or one-letter name, without dashes, or nullptr.
const OptionDeclaration* FindOption(const QString& name);

/// The help text: the usage line, the description, and the options by group.
QString HelpText(const QString& description);

/// A bash completion script for every option.
QString BashCompletion();

} // namespace app
