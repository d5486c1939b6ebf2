#pragma once

#include "runtime/Date.h"

#include <optional>
#include <string>

namespace runtime {

/// The date that `text` names, white space around it ignored, in one of the forms a date is
/// copied in: ISO 8601 ("2024-02-29", also with a time, which is ignored), the header's own
/// form in the user's language, the user's locale's short and long date formats with the year
/// in full, or "dd.MM.yyyy". Direction marks and NULs in the text are passed over. Nothing for
/// any other text, for a time that is no time of day, and for a day the calendar lacks.
std::optional<Date> DateFromText(const std::string& text);

/// `text` made fit for matching what a user types: accents dropped and case folded, so that
/// "mär", "MAR" and "März" all begin alike.
std::string FoldedForMatching(const std::string& text);

} // namespace runtime
