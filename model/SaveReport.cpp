#include "model/SaveReport.h"

#include "model/Translations.h"

#include <QCoreApplication>
#include <QDir>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SaveReport)
};

} // namespace

namespace SaveReport {

QString merged(const MergeOutcome& merged)
{
    return Text::tr("Merged with the changes on disk: %1, %2")
        .arg(Text::tr("%Ln servers", nullptr, merged.serversTaken),
             Text::tr("%Ln devices", nullptr, merged.devicesTaken));
}

QString saved(const SaveOutcome& saved)
{
    const int devices = saved.devicesWritten;
    QStringList parts;
    if (saved.merged)
        parts << merged(*saved.merged);
    parts << (saved.configWritten ? Text::tr("Saved zev.conf and %Ln device files", nullptr, devices)
              : devices > 0       ? Text::tr("Saved %Ln device files", nullptr, devices)
                                  : Text::tr("Saved: nothing to write"));
    if (saved.devicesUnchanged > 0)
        //: %Ln counts device files left as they were
        parts << Text::tr("%Ln already up to date", nullptr, saved.devicesUnchanged);
    return Translations::joinedParts(parts);
}

QString displacedChange(const SaveOutcome& saved)
{
    if (!saved.displacedChange)
        return {};
    const QString text =
        Text::tr("Another program changed zev.conf while it was being saved; its version was replaced.");
    if (saved.displacedCopy.isEmpty())
        return text;
    //: %1 is the path of the copy
    return text + QStringLiteral("\n\n")
           + Text::tr("It is kept as:\n%1").arg(QDir::toNativeSeparators(saved.displacedCopy));
}

QString devicesBehind(qsizetype count)
{
    if (count == 0)
        return {};
    return Text::tr("%Ln device files do not match zev.conf — Save writes them", nullptr, int(count));
}

} // namespace SaveReport
