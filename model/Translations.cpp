#include "model/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kOwnTranslations = QStringLiteral(":/i18n");

// "de_DE.UTF-8@euro" is the language "de_DE".
QString languageOf(const QString& locale)
{
    return locale.section(u'.', 0, 0).section(u'@', 0, 0);
}

bool isPlainC(const QString& locale)
{
    const QString language = languageOf(locale);
    return language.isEmpty() || language == QLatin1String("C") || language == QLatin1String("POSIX");
}

// Kept for the program's lifetime: the application only holds a pointer.
bool installFrom(QCoreApplication& app, const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace

namespace Translations {

QStringList messageLanguages(const QProcessEnvironment& environment)
{
    QString messagesLocale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messagesLocale = environment.value(QLatin1String(name));
        if (!messagesLocale.isEmpty())
            break;
    }
    if (isPlainC(messagesLocale))
        return {};
    QStringList languages;
    for (const QString& listed : environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts))
        languages << languageOf(listed);
    languages << languageOf(messagesLocale);
    languages.removeDuplicates();
    return languages;
}

void install(QCoreApplication& app, const QProcessEnvironment& environment)
{
    installFrom(app, QStringLiteral("zev_en"), kOwnTranslations);
    for (const QString& language : messageLanguages(environment)) {
        if (language.startsWith(QLatin1String("en")))
            return;
        // "zev_de_AT" falls back to "zev_de" by itself.
        if (installFrom(app, QStringLiteral("zev_") + language, kOwnTranslations)) {
            installFrom(app, QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

QString joinedParts(const QStringList& parts)
{
    //: Between the parts of one message, as in "Saved zev.conf and 1 device file; 99 already up to date"
    return parts.join(QCoreApplication::translate("Translations", "; "));
}

} // namespace Translations
