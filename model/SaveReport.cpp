#include "model/SaveReport.h"

#include <QDir>

namespace {

QString counted(const QLocale& locale, int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(locale.toString(count), QLatin1String(count == 1 ? one : many));
}

} // namespace

namespace SaveReport {

QString merged(const MergeOutcome& merged, const QLocale& locale)
{
    return QStringLiteral("Merged with the changes on disk: %1, %2")
        .arg(counted(locale, merged.serversTaken, "server", "servers"),
             counted(locale, merged.devicesTaken, "device", "devices"));
}

QString saved(const SaveOutcome& saved, const QLocale& locale)
{
    const QString devices = counted(locale, saved.devicesWritten, "device file", "device files");
    QString written = saved.configWritten        ? QStringLiteral("Saved zev.conf and %1").arg(devices)
                      : saved.devicesWritten > 0 ? QStringLiteral("Saved %1").arg(devices)
                                                 : QStringLiteral("Saved: nothing to write");
    if (saved.devicesUnchanged > 0)
        written += QStringLiteral("; %1 already up to date").arg(locale.toString(saved.devicesUnchanged));
    return saved.merged ? merged(*saved.merged, locale) + QStringLiteral("; ") + written : written;
}

QString displacedChange(const SaveOutcome& saved)
{
    if (!saved.displacedChange)
        return {};
    return QStringLiteral("Another program changed zev.conf while it was being saved; its version was replaced.")
           + (saved.displacedCopy.isEmpty()
                  ? QString()
                  : QStringLiteral("\n\nIt is kept as:\n%1").arg(QDir::toNativeSeparators(saved.displacedCopy)));
}

QString devicesBehind(qsizetype count, const QLocale& locale)
{
    if (count == 0)
        return {};
    return count == 1 ? QStringLiteral("1 device file does not match zev.conf — Save writes it")
                      : QStringLiteral("%1 device files do not match zev.conf — Save writes them").arg(locale.toString(count));
}

} // namespace SaveReport
