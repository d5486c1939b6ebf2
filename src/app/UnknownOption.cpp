#include "app/UnknownOption.h"

#include "app/OptionTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace app {
namespace {

// The edits that turn one name into the other: a letter added, left out, changed, or two
// neighbours swapped, the usual slips of typing.
qsizetype EditDistance(const QString& from, const QString& to)
{
    const qsizetype columns = to.size() + 1;
    std::vector<qsizetype> rows(static_cast<size_t>((from.size() + 1) * columns));
    const auto at = [&](qsizetype row, qsizetype column) -> qsizetype& {
        return rows[static_cast<size_t>(row * columns + column)];
    };
    for (qsizetype row = 0; row <= from.size(); ++row)
        for (qsizetype column = 0; column <= to.size(); ++column) {
            if (row == 0 || column == 0) {
                at(row, column) = row + column;
                continue;
            }
            const bool same = from[row - 1] == to[column - 1];
            at(row, column) = std::min({at(row - 1, column) + 1, at(row, column - 1) + 1,
                                        at(row - 1, column - 1) + (same ? 0 : 1)});
            if (row > 1 && column > 1 && from[row - 1] == to[column - 2] && from[row - 2] == to[column - 1])
                at(row, column) = std::min(at(row, column), at(row - 2, column - 2) + 1);
        }
    return at(from.size(), to.size());
}

// The option a slip of typing most likely meant: one a short name is the start of, or one at
// most two edits away (one for a name of four letters or fewer). Nothing when none is.
QString CloseOption(const QString& name)
{
    QString closest;
    qsizetype fewest = name.size() <= 4 ? 2 : 3;
    for (const OptionDeclaration& option : OptionTable()) {
        const QString candidate = QLatin1String(option.Name);
        const qsizetype distance = name.size() >= 3 && candidate.startsWith(name) ? 0 : EditDistance(name, candidate);
        if (distance < fewest) {
            fewest = distance;
            closest = candidate;
        }
    }
    return closest;
}

// The option as it was written: "--frob" or "-frob", without any "=value".
QString WrittenName(const QString& name, const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        const QString written = argument.section(u'=', 0, 0);
        if (written.startsWith(u'-') && (written == u'-' + name || written == QStringLiteral("--") + name))
            return written;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

QString UnknownOptionText(const QString& name, const QStringList& arguments)
{
    const QString written = WrittenName(name, arguments);
    const QString meant = CloseOption(name);
    if (meant.isEmpty())
        return QCoreApplication::translate("CommandLine", "unknown option %1 (see --help)").arg(written);
    return QCoreApplication::translate("CommandLine", "unknown option %1; did you mean %2? (see --help)")
        .arg(written, QStringLiteral("--") + meant);
}

} // namespace app
