#include "model/SafeSave.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The hidden folder beside the saved files that holds each of them as it was
// before the last save.
constexpr char kPreviousVersionsFolder[] = ".zev-previous";
// As many links as the kernel itself follows in one path.
constexpr int kMaxLinks = 40;

std::function<bool(SaveStep)> saveStepHook;

bool reached(SaveStep step)
{
    return !saveStepHook || saveStepHook(step);
}

QByteArray nativeName(const QString& name)
{
    return QFile::encodeName(name);
}

Descriptor duplicate(int fd)
{
    return Descriptor(fd >= 0 ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : -1);
}

// Folders and files a save may reuse: this user's, and when root saves, also
// those of the owner of the folder it saves into.
bool isTrustedOwner(uid_t owner, uid_t folderOwner)
{
    const uid_t self = ::geteuid();
    return owner == self || (self == 0 && owner == folderOwner);
}

// The rule the kernel applies to links in shared sticky folders: a link is
// followed only when this user or root made it.
bool isTrustedLink(const struct stat& link)
{
    return link.st_uid == ::geteuid() || link.st_uid == 0;
}

// The permissions a new file gets when it replaces nothing of this user's.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QByteArray readLink(int folder, const QByteArray& name)
{
    QByteArray target(PATH_MAX, '\0');
    const ssize_t size = ::readlinkat(folder, name.constData(), target.data(), size_t(target.size()));
    return size > 0 ? target.left(size) : QByteArray();
}

// Opens the folder at path, relative to from, following only trusted links.
Descriptor openFolderAt(int from, const QByteArray& path, int& linksLeft)
{
    Descriptor current = path.startsWith('/') ? Descriptor(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC))
                                              : duplicate(from);
    for (const QByteArray& part : path.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        Descriptor next(::openat(current.get(), part.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.isOpen()) {
            struct stat seen;
            if (::fstatat(current.get(), part.constData(), &seen, AT_SYMLINK_NOFOLLOW) != 0 ||
                !S_ISLNK(seen.st_mode) || !isTrustedLink(seen) || --linksLeft < 0)
                return {};
            next = openFolderAt(current.get(), readLink(current.get(), part), linksLeft);
            if (!next.isOpen())
                return {};
        }
        current = std::move(next);
    }
    return current;
}

// Where name in folder leads: the folder and name of the file itself, past the
// trusted links on the way. The folder is not open when an untrusted link (or
// a loop of links) is on the way.
struct Place {
    Descriptor folder;
    QByteArray name;
};

Place followTrustedLinks(int folder, const QByteArray& name)
{
    Place place{duplicate(folder), name};
    int linksLeft = kMaxLinks;
    struct stat seen;
    while (place.folder.isOpen() &&
           ::fstatat(place.folder.get(), place.name.constData(), &seen, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(seen.st_mode)) {
        const QByteArray target = readLink(place.folder.get(), place.name);
        if (!isTrustedLink(seen) || --linksLeft < 0 || target.isEmpty() || target.endsWith('/'))
            return {};
        const qsizetype slash = target.lastIndexOf('/');
        if (slash >= 0)
            place.folder = openFolderAt(place.folder.get(), target.left(slash + 1), linksLeft);
        place.name = target.mid(slash + 1);
    }
    return place;
}

// Opens the previous version of a file to write the new one over it. It is
// reused only when nothing else can see the writing: a plain file of a trusted
// owner under this one name, of a target that is still there. Anything else (a
// link, a pipe, a second name, another user's file, a version of a file since
// removed) is removed and replaced by a new file.
int openPreviousVersion(int folder, uid_t folderOwner, const QByteArray& name, bool targetExists, mode_t mode)
{
    if (targetExists) {
        const int fd = ::openat(folder, name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat seen;
        if (fd >= 0 && ::fstat(fd, &seen) == 0 && S_ISREG(seen.st_mode) && seen.st_nlink == 1 &&
            isTrustedOwner(seen.st_uid, folderOwner))
            return fd;
        if (fd >= 0)
            ::close(fd);
    }
    ::unlinkat(folder, name.constData(), 0);
    return ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

} // namespace

void Descriptor::reset(int newFd)
{
    if (fd >= 0)
        ::close(fd);
    fd = newFd;
}

void setSaveStepHook(std::function<bool(SaveStep)> hook)
{
    saveStepHook = std::move(hook);
}

bool writeFully(QIODevice& device, QByteArrayView bytes)
{
    return device.write(bytes.data(), bytes.size()) == bytes.size();
}

// ---- the session -------------------------------------------------------------

SaveSession::SaveSession(const QString& folderPath, int lockWaitMs) : path(folderPath)
{
    folderFd.reset(::open(nativeName(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.isOpen())
        return;
    QElapsedTimer waited;
    waited.start();
    // A file system without locks still saves; only a lock held by another save waits.
    while (::flock(folderFd.get(), LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || errno == EINTR)) {
        if (waited.elapsed() >= lockWaitMs) {
            folderFd.reset();
            state = Status::Busy;
            return;
        }
        ::usleep(50 * 1000);
    }
    state = Status::Ready;
}

// ---- a batch of files -----------------------------------------------------------

BatchSave::BatchSave(const SaveSession& session) : BatchSave(session.folder(), session.folderPath()) {}

BatchSave::BatchSave(int folderFd, const QString& folderPath) : folder(duplicate(folderFd)), folderPath(folderPath)
{
}

BatchSave::~BatchSave()
{
    discardFrom(0);
}

QString BatchSave::targetPath(const QByteArray& name) const
{
    return folderPath + u'/' + QFile::decodeName(name);
}

int BatchSave::stagingFolder(const Staged& file) const
{
    return file.overPreviousVersion ? previousVersions.get() : folder.get();
}

void BatchSave::openPreviousVersionsFolder()
{
    previousVersionsChecked = true;
    struct stat seen;
    if (::fstat(folder.get(), &seen) != 0)
        return;
    folderOwner = seen.st_uid;
    const bool created = ::mkdirat(folder.get(), kPreviousVersionsFolder, 0700) == 0;
    Descriptor opened(
        ::openat(folder.get(), kPreviousVersionsFolder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat own;
    if (!opened.isOpen() || ::fstat(opened.get(), &own) != 0 || !isTrustedOwner(own.st_uid, folderOwner))
        return;
    if (created) {
        // Readable as the folder is (its group kept for new files too); written only by its
        // owner, whose files alone a save reuses.
        ::fchmod(opened.get(), seen.st_mode & 02755);
        // Root saving into another user's folder leaves that user a folder they can clear.
        if (own.st_uid != seen.st_uid)
            ::fchown(opened.get(), seen.st_uid, seen.st_gid);
    }
    if (::faccessat(opened.get(), ".", W_OK | X_OK, 0) == 0)
        previousVersions = std::move(opened);
    reached(SaveStep::Started);
}

int BatchSave::openStagingFile(const QByteArray& name, bool targetExists, mode_t mode, Staged& staging)
{
    if (previousVersions.isOpen()) {
        const int fd = openPreviousVersion(previousVersions.get(), folderOwner, name, targetExists, mode);
        if (fd >= 0) {
            staging = {name, name, true};
            return fd;
        }
    }
    // Beside the target, a new file under a name of this program's own; a name
    // someone else has taken is passed over, never opened.
    const QByteArray prefix = '.' + name + ".zev-new-" + QByteArray::number(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray stagingName = attempt == 0 ? prefix : prefix + '-' + QByteArray::number(attempt);
        const int fd =
            ::openat(folder.get(), stagingName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            staging = {name, stagingName, false};
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    return -1;
}

bool BatchSave::stage(const QString& fileName, const QByteArray& bytes)
{
    return stage(fileName, [&bytes](QIODevice& device) { return writeFully(device, bytes); });
}

bool BatchSave::stage(const QString& fileName, const Writer& write)
{
    const QByteArray name = nativeName(fileName);
    if (!folder.isOpen() || name.isEmpty() || name == "." || name == ".." || name.contains('/'))
        return false;
    if (!previousVersionsChecked)
        openPreviousVersionsFolder();
    struct stat target;
    const bool targetExists = ::fstatat(folder.get(), name.constData(), &target, AT_SYMLINK_NOFOLLOW) == 0;
    const bool regularTarget = targetExists && S_ISREG(target.st_mode);
    // A file this user may not write stays as it is, as it would for a plain
    // open for writing: a read-only zev.conf is the administrator's own guard.
    if (regularTarget && ::faccessat(folder.get(), name.constData(), W_OK, 0) != 0)
        return false;
    // The old permissions carry over only from a file of this user's, and never set-id bits.
    const mode_t mode = regularTarget && target.st_uid == ::geteuid() ? (target.st_mode & 0777) : newFileMode();
    Staged staging;
    const int fd = openStagingFile(name, regularTarget, mode, staging);
    if (fd < 0)
        return false;
    ::fchmod(fd, mode);
    QFile file;
    bool written = file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle) && write(file) && file.flush();
    // A longer previous version loses its tail.
    written = written && ::ftruncate(fd, file.pos()) == 0;
    file.close();
    if (::close(fd) != 0 || !written) {
        ::unlinkat(stagingFolder(staging), staging.stagingName.constData(), 0);
        return false;
    }
    // A name staged twice (two serial numbers that differ only in case) keeps its last content.
    const auto known = stagedIndex.constFind(name);
    if (known != stagedIndex.constEnd()) {
        staged[*known] = staging;
    } else {
        stagedIndex.insert(name, staged.size());
        staged.append(staging);
    }
    reached(SaveStep::Staged);
    return true;
}

// Nothing may be put in place before its new content is durable. One file
// is synced on its own; many at once with one sync of their file system.
bool BatchSave::syncStaged() const
{
    if (!reached(SaveStep::Sync))
        return false;
    if (staged.size() > 1)
        return ::syncfs(folder.get()) == 0;
    const Staged& file = staged.first();
    const Descriptor fd(
        ::openat(stagingFolder(file), file.stagingName.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    return fd.isOpen() && ::fdatasync(fd.get()) == 0;
}

// Puts the new version in the target's place. Over a previous version, a plain
// file there swaps places with it in the same step; anything else (nothing
// yet, a link, a pipe) is replaced as a rename replaces it.
bool BatchSave::putInPlace(const Staged& file)
{
    const char* name = file.name.constData();
    struct stat seen;
    if (file.overPreviousVersion && ::fstatat(folder.get(), name, &seen, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(seen.st_mode) &&
        ::renameat2(previousVersions.get(), name, folder.get(), name, RENAME_EXCHANGE) == 0)
        return true;
    // A file system without the swap (some network ones) still gets a safe rename.
    if (::renameat(stagingFolder(file), file.stagingName.constData(), folder.get(), name) != 0)
        return false;
    // Saved the plain way: a previous version left behind would be older than this save's.
    if (!file.overPreviousVersion && previousVersions.isOpen())
        ::unlinkat(previousVersions.get(), name, 0);
    return true;
}

bool BatchSave::commit(const std::function<bool(const QString& path)>& failed)
{
    if (staged.isEmpty())
        return true;
    if (!syncStaged()) {
        // Nothing is put in place: every file is a failure, asked about until the caller stops.
        qsizetype i = 0;
        while (i < staged.size() && failed(targetPath(staged[i].name)))
            ++i;
        discardFrom(0);
        return false;
    }
    bool allInPlace = true;
    for (qsizetype i = 0; i < staged.size(); ++i) {
        const Staged& file = staged[i];
        if (putInPlace(file)) {
            reached(SaveStep::Placed);
            continue;
        }
        ::unlinkat(stagingFolder(file), file.stagingName.constData(), 0);
        allInPlace = false;
        if (!failed(targetPath(file.name))) {
            discardFrom(i + 1);
            break;
        }
    }
    staged.clear();
    stagedIndex.clear();
    // The swaps and renames themselves. A journalling file system records a
    // swap in both folders at once, so syncing one of them makes both durable.
    ::fsync(folder.get());
    return allInPlace;
}

// A staged file that is not put in place holds a new version, not a previous one.
void BatchSave::discardFrom(qsizetype first)
{
    for (qsizetype i = first; i < staged.size(); ++i)
        ::unlinkat(stagingFolder(staged[i]), staged[i].stagingName.constData(), 0);
    staged.clear();
    stagedIndex.clear();
}

// ---- one file ------------------------------------------------------------------

bool saveFile(const SaveSession& session, const QString& fileName, const BatchSave::Writer& write)
{
    if (!session.isReady())
        return false;
    const Place place = followTrustedLinks(session.folder(), nativeName(fileName));
    if (!place.folder.isOpen())
        return false;
    BatchSave save(place.folder.get(), session.folderPath());
    return save.stage(QFile::decodeName(place.name), write) && save.commit([](const QString&) { return false; });
}

bool saveFile(const QString& path, const BatchSave::Writer& write)
{
    const QFileInfo file(path);
    return saveFile(SaveSession(file.absolutePath()), file.fileName(), write);
}

ReadResult readFile(const QString& folderPath, const QString& name, qint64 maxSize, QByteArray& content)
{
    content.clear();
    const Descriptor folder(::open(nativeName(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Refused;
    const Place place = followTrustedLinks(folder.get(), nativeName(name));
    if (!place.folder.isOpen())
        return ReadResult::Refused;
    const Descriptor file(
        ::openat(place.folder.get(), place.name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen())
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Refused;
    struct stat seen;
    if (::fstat(file.get(), &seen) != 0 || !S_ISREG(seen.st_mode) || seen.st_size > maxSize)
        return ReadResult::Refused;
    content.reserve(seen.st_size);
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || content.size() + got > maxSize) // a file still growing is refused too
            return ReadResult::Refused;
        if (got == 0)
            return ReadResult::Read;
        content.append(chunk, got);
    }
}
