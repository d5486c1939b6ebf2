#pragma once

#include "runtime/Date.h"

#include <QString>

#include <map>

namespace app {

/// The descriptions of days in the file of --details: each line a date in the strftime `format`
/// (read with the names of the user's LC_TIME), a space and the description, whose markup is
/// removed as for --text. A line that does not begin with such a date, or has no description, is
/// passed over; descriptions of one day join line by line. When the file cannot be read, says why
/// in `problem`.
std::map<runtime::Date, QString> ReadDateDetails(const QString& path, const QString& format, QString& problem);

} // namespace app
