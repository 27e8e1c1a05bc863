#include "model/SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The hidden folder beside the saved files that holds each of them as it was
// before the last save.
constexpr char kPreviousVersionsFolder[] = ".zev-previous";

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

bool writeBytes(int fd, const char* data, qint64 left)
{
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

// Writes straight to a file descriptor. A large file is started on its way to
// the disk as it is written, so the sync at the end has little left to wait for.
class DescriptorDevice : public QIODevice {
public:
    explicit DescriptorDevice(int fd) : fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    qint64 written() const { return total; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (!writeBytes(fd, data, size))
            return -1;
        total += size;
#ifdef __linux__
        constexpr qint64 kStartWritingAfter = 512 * 1024;
        if (total - started >= kStartWritingAfter) {
            ::sync_file_range(fd, started, total - started, SYNC_FILE_RANGE_WRITE);
            started = total;
        }
#endif
        return size;
    }

private:
    int fd;
    qint64 total = 0;
    qint64 started = 0;
};

// Opens the previous version of a file to write the new one over it. It is
// reused only when nothing else can see the writing: a plain file under this
// one name, of a target that is still there. Anything else (a link, a file
// with a second name, a version of a file since removed) is replaced by a new
// file.
int openOverPreviousVersion(const QByteArray& path, bool targetExists)
{
    if (targetExists) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
        struct stat seen;
        if (fd >= 0 && ::fstat(fd, &seen) == 0 && S_ISREG(seen.st_mode) && seen.st_nlink == 1)
            return fd;
        if (fd >= 0)
            ::close(fd);
    }
    ::unlink(path.constData());
    return ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
}

// Puts the new version in the target's place. When asked to keep the previous
// version, a plain file there swaps places with it in the same step; anything
// else (nothing yet, a link, a folder) is handled as a rename handles it.
bool putInPlace(const QByteArray& newVersion, const QByteArray& target, bool keepPrevious)
{
#ifdef __linux__
    struct stat seen;
    if (keepPrevious && ::lstat(target.constData(), &seen) == 0 && S_ISREG(seen.st_mode) &&
        ::renameat2(AT_FDCWD, newVersion.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0)
        return true;
    // A file system without the swap (some network ones) still gets a safe rename.
#else
    Q_UNUSED(keepPrevious);
#endif
    return ::rename(newVersion.constData(), target.constData()) == 0;
}

enum class Sync { File, Folder, FileSystem };

bool syncPath(const QString& path, Sync what)
{
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int result = 0;
    switch (what) {
    case Sync::File:
        result = ::fdatasync(fd);
        break;
    case Sync::Folder:
        result = ::fsync(fd);
        break;
    case Sync::FileSystem:
#ifdef __linux__
        result = ::syncfs(fd);
#else
        result = ::fsync(fd);
#endif
        break;
    }
    ::close(fd);
    return result == 0;
}

std::function<bool(SaveStep)> saveStepHook;

} // namespace

void setSaveStepHook(std::function<bool(SaveStep)> hook)
{
    saveStepHook = std::move(hook);
}

bool writeAll(QIODevice& device, QByteArrayView bytes)
{
    return device.write(bytes.data(), bytes.size()) == bytes.size();
}

BatchSave::BatchSave(const QString& folder)
    : folder(folder), previousVersionsFolder(folder + u'/' + QLatin1String(kPreviousVersionsFolder))
{
}

BatchSave::~BatchSave()
{
    discardFrom(0);
    if (previousVersionsLock >= 0)
        ::close(previousVersionsLock);
}

QString BatchSave::targetPath(const QString& fileName) const
{
    return folder + u'/' + fileName;
}

bool BatchSave::makePreviousVersionsFolder()
{
    if (previousVersionsFolderState == 0) {
        const QByteArray path = nativePath(previousVersionsFolder);
        // Made with the working folder's own permissions, so that whoever may save there may save here.
        struct stat seen;
        if (::mkdir(path.constData(), 0700) == 0 && ::stat(nativePath(folder).constData(), &seen) == 0)
            ::chmod(path.constData(), seen.st_mode & 07777);
        // Never followed through a link: the files staged there stay beside their targets.
        const bool usable = ::lstat(path.constData(), &seen) == 0 && S_ISDIR(seen.st_mode) &&
                            ::access(path.constData(), W_OK | X_OK) == 0;
        // Another program saving into this folder right now is writing over the same
        // previous versions: this save then stays out of their way.
        if (usable)
            previousVersionsLock = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
        const bool ownFolder = previousVersionsLock >= 0 && ::flock(previousVersionsLock, LOCK_EX | LOCK_NB) == 0;
        previousVersionsFolderState = ownFolder ? 1 : -1;
    }
    return previousVersionsFolderState == 1;
}

int BatchSave::openStagingFile(const QString& fileName, bool targetExists, Staged& staging)
{
    if (makePreviousVersionsFolder()) {
        staging = {fileName, nativePath(previousVersionsFolder + u'/' + fileName), true};
        const int fd = openOverPreviousVersion(staging.path, targetExists);
        if (fd >= 0)
            return fd;
    }
    // Someone else's previous version, a folder this user may not write to, or
    // another save at work there: a new file beside the target, named for this
    // program alone, renamed over it.
    staging = {fileName,
               nativePath(folder + QStringLiteral("/.%1.zev-new-%2").arg(fileName).arg(::getpid())),
               false};
    return ::open(staging.path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
}

bool BatchSave::stage(const QString& fileName, const QByteArray& bytes)
{
    return stage(fileName, [&bytes](QIODevice& device) { return writeAll(device, bytes); });
}

bool BatchSave::stage(const QString& fileName, const Writer& write)
{
    struct stat target;
    const QByteArray targetName = nativePath(targetPath(fileName));
    const bool targetExists = ::stat(targetName.constData(), &target) == 0;
    // A file this user may not write stays as it is, as it would for a plain
    // open for writing: a read-only zev.conf is the administrator's own guard.
    if (targetExists && ::access(targetName.constData(), W_OK) != 0)
        return false;
    Staged staging;
    const int fd = openStagingFile(fileName, targetExists, staging);
    if (fd < 0)
        return false;
    // The replaced file keeps its permissions.
    if (targetExists)
        ::fchmod(fd, target.st_mode & 07777);
    DescriptorDevice device(fd);
    bool written = write(device);
    struct stat seen;
    if (written && (::fstat(fd, &seen) != 0 || seen.st_size != device.written()))
        written = ::ftruncate(fd, device.written()) == 0; // a longer previous version loses its tail
#ifndef __linux__
    written = written && ::fsync(fd) == 0;
#endif
    if (::close(fd) != 0 || !written) {
        ::unlink(staging.path.constData());
        return false;
    }
    // A name staged twice (two serial numbers that differ only in case) keeps its last content.
    const auto known = stagedIndex.constFind(fileName);
    if (known != stagedIndex.constEnd()) {
        staged[*known] = staging;
    } else {
        stagedIndex.insert(fileName, staged.size());
        staged.append(staging);
    }
    return true;
}

// Nothing may be put in place before its new content is durable. One file
// is synced on its own; many at once with one sync of their file system.
bool BatchSave::syncStaged() const
{
    if (saveStepHook && !saveStepHook(SaveStep::Sync))
        return false;
#ifdef __linux__
    if (staged.size() == 1)
        return syncPath(QFile::decodeName(staged.first().path), Sync::File);
    return syncPath(folder, Sync::FileSystem);
#else
    return true; // each file was synced as it was staged
#endif
}

bool BatchSave::commit(const std::function<bool(const QString& path)>& failed)
{
    if (staged.isEmpty())
        return true;
    if (!syncStaged()) {
        // Nothing is put in place: every file is a failure, asked about until the caller stops.
        qsizetype i = 0;
        while (i < staged.size() && failed(targetPath(staged[i].fileName)))
            ++i;
        discardFrom(0);
        return false;
    }
    bool allInPlace = true;
    for (qsizetype i = 0; i < staged.size(); ++i) {
        const Staged& file = staged[i];
        if (putInPlace(file.path, nativePath(targetPath(file.fileName)), file.overPreviousVersion))
            continue;
        ::unlink(file.path.constData());
        allInPlace = false;
        if (!failed(targetPath(file.fileName))) {
            discardFrom(i + 1);
            break;
        }
    }
    staged.clear();
    stagedIndex.clear();
    // The swaps and renames themselves. A journalling file system records a
    // swap in both folders at once, so syncing one of them makes both durable.
    syncPath(folder, Sync::Folder);
    return allInPlace;
}

// A staged file that is not put in place holds a new version, not a previous one.
void BatchSave::discardFrom(qsizetype first)
{
    for (qsizetype i = first; i < staged.size(); ++i)
        ::unlink(staged[i].path.constData());
    staged.clear();
    stagedIndex.clear();
}

bool saveFile(const QString& path, const BatchSave::Writer& write)
{
    // A link is followed to the file it names, which is saved in its own folder
    // and stays where the link expects it.
    QFileInfo target(path);
    for (int depth = 0; depth < 40 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    BatchSave save(target.absolutePath());
    return save.stage(target.fileName(), write) && save.commit([](const QString&) { return false; });
}
