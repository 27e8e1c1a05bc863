#pragma once

#include <QCoreApplication>
#include <QTranslator>

// ZEV's own texts in a language for as long as it lives; "en" keeps the English ones.
class InLanguage {
public:
    explicit InLanguage(const QString& language)
    {
        loaded = language == QLatin1String("en") ||
                 (translator.load(QStringLiteral("zev_") + language, QStringLiteral(":/i18n")) &&
                  QCoreApplication::installTranslator(&translator));
    }
    bool isLoaded() const { return loaded; }

private:
    QTranslator translator;
    bool loaded = false;
};
