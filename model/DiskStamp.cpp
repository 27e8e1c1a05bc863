#include "model/DiskStamp.h"

#include "model/ConfigFile.h"
#include "model/SafeSave.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>

namespace {

QByteArray hashOf(const QByteArray& content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

} // namespace

DiskStamp DiskStamp::of(const QString& folder, const QString& name)
{
    DiskStamp stamp;
    struct stat seen {};
    // Follows a link as loading and saving do; a stat can neither block nor read anything.
    if (::stat(QFile::encodeName(folder + u'/' + name).constData(), &seen) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = seen.st_size;
    stamp.changedNs = qint64(seen.st_mtim.tv_sec) * 1000000000 + seen.st_mtim.tv_nsec;
    return stamp;
}

void DiskStamp::setContent(const QByteArray& content)
{
    hash = hashOf(content);
}

bool DiskStamp::stillMatches(const QString& folder, const QString& name) const
{
    const DiskStamp now = of(folder, name);
    if (now.exists != exists)
        return false;
    if (!exists || (now.size == size && now.changedNs == changedNs))
        return true;
    QByteArray content;
    return readFile(folder, name, ConfigFile::kLargestConfig, content) == ReadResult::Read && hashOf(content) == hash;
}
