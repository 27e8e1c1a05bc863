#pragma once

#include <QProcessEnvironment>
#include <QStringList>

class QCoreApplication;

namespace Translations {

// The languages the user reads messages in, most wanted first, as the C library's
// message catalogues choose them: the messages locale is the first set of LC_ALL,
// LC_MESSAGES and LANG; "C" or "POSIX" there means English whatever else is set
// (so LC_ALL=C gives scripts English); otherwise LANGUAGE, a colon-separated list,
// comes before the locale's own language. Empty means English.
QStringList messageLanguages(const QProcessEnvironment& environment);

// Installs the program's texts and Qt's own for the first of those languages that
// ZEV has, over the English plural forms, which are always installed.
void install(QCoreApplication& app, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The parts of one message in a row, with the language's separator between them ("; ").
QString joinedParts(const QStringList& parts);

} // namespace Translations
