#pragma once

class QLocale;

/// The program's own texts and Qt's follow one language at a time.
namespace translations {

/// Shows the program's texts and Qt's own in the language of `locale`, in place of any
/// language chosen before. A language without a translation keeps the English texts.
void UseLanguage(const QLocale& locale);

} // namespace translations
