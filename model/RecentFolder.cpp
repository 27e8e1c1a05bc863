#include "model/RecentFolder.h"

#include <QSettings>

namespace {

const QString kOrganization = QStringLiteral("Quorvane");
const QString kApplication = QStringLiteral("ZEV");
const QString kKey = QStringLiteral("workingDir");

} // namespace

namespace RecentFolder {

QString last()
{
    return QSettings(kOrganization, kApplication).value(kKey).toString();
}

void remember(const QString& folder)
{
    QSettings(kOrganization, kApplication).setValue(kKey, folder);
}

} // namespace RecentFolder
