#include "model/SafeSave.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeBytes(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool syncFolder(const QString& folder, bool wholeFileSystem)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
#ifdef __linux__
    // One call flushes every file staged in this folder's file system.
    const bool synced = (wholeFileSystem ? ::syncfs(fd) : ::fsync(fd)) == 0;
#else
    Q_UNUSED(wholeFileSystem);
    const bool synced = ::fsync(fd) == 0;
#endif
    ::close(fd);
    return synced;
}

} // namespace

bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size();
}

bool saveFile(const QString& path, const std::function<bool(QIODevice&)>& write, QString* errorText)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    if (!write(file)) {
        if (errorText)
            *errorText = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorText)
            *errorText = file.errorString();
        return false;
    }
    return true;
}

BatchSave::BatchSave(const QString& folder) : folder(folder) {}

BatchSave::~BatchSave()
{
    discardFrom(0);
}

QString BatchSave::targetPath(const QString& fileName) const
{
    return folder + u'/' + fileName;
}

QString BatchSave::temporaryPath(const QString& fileName) const
{
    return folder + QStringLiteral("/.") + fileName + QStringLiteral(".zev-new");
}

bool BatchSave::stage(const QString& fileName, const QByteArray& bytes)
{
    const QByteArray path = QFile::encodeName(temporaryPath(fileName));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    // A replaced file keeps the permissions it had, as QSaveFile does for zev.conf.
    struct stat existing;
    if (::stat(QFile::encodeName(targetPath(fileName)).constData(), &existing) == 0)
        ::fchmod(fd, existing.st_mode & 07777);
#ifndef __linux__
    const bool written = writeBytes(fd, bytes) && ::fsync(fd) == 0;
#else
    const bool written = writeBytes(fd, bytes);
#endif
    if (::close(fd) != 0 || !written) {
        ::unlink(path.constData());
        return false;
    }
    // A name staged twice (two serial numbers that differ only in case) keeps its last content.
    if (!stagedNames.contains(fileName)) {
        stagedNames.insert(fileName);
        staged.append(fileName);
    }
    return true;
}

bool BatchSave::commit(const std::function<bool(const QString& path)>& failed)
{
    if (staged.isEmpty())
        return true;
    if (!syncFolder(folder, true)) {
        // Nothing may be renamed over a target before its new content is durable.
        bool goOn = true;
        for (qsizetype i = 0; i < staged.size() && goOn; ++i)
            goOn = failed(targetPath(staged[i]));
        discardFrom(0);
        return goOn;
    }
    bool goOn = true;
    for (qsizetype i = 0; i < staged.size() && goOn; ++i) {
        const QByteArray temporary = QFile::encodeName(temporaryPath(staged[i]));
        if (::rename(temporary.constData(), QFile::encodeName(targetPath(staged[i])).constData()) == 0)
            continue;
        ::unlink(temporary.constData());
        goOn = failed(targetPath(staged[i]));
        if (!goOn)
            discardFrom(i + 1);
    }
    staged.clear();
    stagedNames.clear();
    syncFolder(folder, false); // the renames themselves
    return goOn;
}

void BatchSave::discardFrom(qsizetype first)
{
    for (qsizetype i = first; i < staged.size(); ++i)
        ::unlink(QFile::encodeName(temporaryPath(staged[i])).constData());
    staged.clear();
    stagedNames.clear();
}
