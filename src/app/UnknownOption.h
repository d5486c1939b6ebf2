#pragma once

#include <QString>
#include <QStringList>

namespace app {

/// Why the command line is refused for an option nobody knows, named as `arguments` write it
/// ("--frobnicate"), with the picker's option of a name close to it where there is one.
QString UnknownOptionText(const QString& name, const QStringList& arguments);

} // namespace app
