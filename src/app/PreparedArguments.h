#pragma once

#include <QStringList>

namespace app {

/// The arguments as the parser is to read them, and the unknown options taken out of them.
struct PreparedArguments {
    /// The program's name, the options and the words, for QCommandLineParser::parse.
    QStringList Arguments;
    /// The options nobody knows that a call of yad's passes over, for the warning.
    QStringList PassedOver;
};

/// Walks the options as the parser will, stepping over the value after an option that needs one.
/// An option whose value may be left out is given an empty one when it stands alone
/// ("--print-xid" as "--print-xid="), so that the parser does not take the next argument as its
/// value. In a call that uses one of yad's own options, an option that no dialog knows (a script's
/// typo) is taken out, as yad passes over it; in zenity's calls the parser refuses it, as zenity does.
PreparedArguments PrepareArguments(const QStringList& arguments);

} // namespace app
