#include "app/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace translations {
namespace {

// Installed for the life of the program; QCoreApplication only keeps a pointer to each.
QTranslator& ProgramTexts()
{
    static QTranslator translator;
    return translator;
}

QTranslator& QtTexts()
{
    static QTranslator translator;
    return translator;
}

// Chinese is translated once for each script, as zh_CN and zh_TW (so are Qt's own texts): a
// reader in Hong Kong, Macau or Singapore gets the one written in the script of their locale.
QLocale SameScriptTranslated(const QLocale& locale)
{
    if (locale.language() != QLocale::Chinese)
        return locale;
    if (locale.script() == QLocale::TraditionalHanScript)
        return QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan);
    return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
}

void Load(QTranslator& translator, const QLocale& locale, const QString& name, const QString& folder)
{
    QCoreApplication::removeTranslator(&translator);
    // English is the language the texts are written in: there is nothing to look for.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return;
    const QLocale sameScript = SameScriptTranslated(locale);
    if (translator.load(locale, name, "_", folder) ||
        (sameScript != locale && translator.load(sameScript, name, "_", folder)))
        QCoreApplication::installTranslator(&translator);
}

// Qt's own translation of a language tells Qt which way it is written. Where Qt's translations
// are not installed, the language of the picker's own translation decides.
void FollowProgramTextsDirection()
{
    // Only a GUI application has a layout direction to set.
    if (!QtTexts().isEmpty() || ProgramTexts().isEmpty() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (QLocale(ProgramTexts().language()).textDirection() == Qt::RightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
}

} // namespace

void UseLanguage(const QLocale& locale)
{
    Load(QtTexts(), locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Load(ProgramTexts(), locale, "datepicker", ":/i18n");
    FollowProgramTextsDirection();
}

} // namespace translations
