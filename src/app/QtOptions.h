#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace app {

/// Whether an option is one that Qt's window system reads itself, and whether it takes a value.
enum class QtOption {
    /// Not one of Qt's.
    None,
    /// One without a value (-reverse).
    Flag,
    /// One with a value (-platform offscreen).
    Valued,
};

/// Which kind of Qt's own options `name` (without dashes) is; --help-all counts as a flag.
QtOption QtOptionNamed(const QString& name);

/// Lets the window system's own options (-platform offscreen, -reverse) through `parser`,
/// unlisted in any help.
void AcceptQtOptions(QCommandLineParser& parser);

/// The window system's options that `parser` read, each value after its option, for QApplication.
QStringList WindowSystemArguments(const QCommandLineParser& parser);

} // namespace app
