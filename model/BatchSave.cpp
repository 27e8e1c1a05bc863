#include "model/BatchSave.h"

#include "model/SharedFolder.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using TrustedNames::nativeName;

namespace {

// The hidden folder beside the saved files that holds each of them as it was
// before the last save.
constexpr char kPreviousVersionsFolder[] = ".zev-previous";
// Permission bits a saved file may carry: no set-id bits, no world-write.
constexpr mode_t kKeptBits = 0775;

std::function<bool(SaveStep)> saveStepHook;

bool reached(SaveStep step)
{
    return !saveStepHook || saveStepHook(step);
}

// The previous-versions folder is reused when it is this user's, or, when root
// saves, the working folder owner's.
bool isTrustedOwner(uid_t owner, uid_t folderOwner)
{
    const uid_t self = ::geteuid();
    return owner == self || (self == 0 && owner == folderOwner);
}

// The permissions a new file gets from this user's umask.
mode_t umaskMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Whoever could open the previous version could still hold it open when it is
// written over and put in place: it is reused only when it grants nobody more
// than the new file will.
bool grantsNoMore(const struct stat& previous, mode_t mode, uid_t owner, gid_t group)
{
    return S_ISREG(previous.st_mode) && previous.st_nlink == 1 && previous.st_uid == owner &&
           (previous.st_mode & 07777 & ~mode) == 0 && (previous.st_gid == group || (previous.st_mode & 0070) == 0);
}

// The kernel tells a lease's holder that someone opens the file with SIGIO,
// whose default action ends the program: a reader of the previous versions
// (a backup job, a virus scanner) must not. Nothing here uses the signal.
void ignoreLeaseBreaks()
{
    struct sigaction current {};
    if (::sigaction(SIGIO, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        ::signal(SIGIO, SIG_IGN);
}

// Nor may anyone hold it open: a handle taken while it was wider, or while it
// was the live file before a chmod, would reach the new file. The kernel
// grants a write lease only on a file nobody else has open, and breaks it when
// someone opens the file meanwhile.
bool openByNobodyElse(int fd)
{
    ignoreLeaseBreaks();
    if (::fcntl(fd, F_SETLEASE, F_WRLCK) != 0)
        return false;
    reached(SaveStep::Leased);
    const bool kept = ::fcntl(fd, F_GETLEASE) == F_WRLCK;
    ::fcntl(fd, F_SETLEASE, F_UNLCK);
    return kept;
}

// The written file gets its owners, then its bits (a change of owner clears set-id bits, not others).
int giveOwnersAndMode(int fd, mode_t mode, uid_t owner, gid_t group)
{
    if (::geteuid() == 0) {
        if (::fchown(fd, owner, group) != 0)
            return errno;
    } else if (::fchown(fd, uid_t(-1), group) != 0) {
        mode &= ~0070; // a group this user is not in: the group's rights are not handed to another
    }
    return ::fchmod(fd, mode) == 0 ? 0 : errno;
}

} // namespace

int writeWhole(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return wrote < 0 ? errno : ENOSPC;
        done += wrote;
    }
    return 0;
}

void setSaveStepHook(std::function<bool(SaveStep)> hook)
{
    saveStepHook = std::move(hook);
}

BatchSave::BatchSave(int folderFd, const QString& folderPath, PreviousVersions previous)
    : folder(TrustedNames::duplicate(folderFd)), folderPath(folderPath),
      previousVersionsChecked(previous == PreviousVersions::NotKept)
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

QString BatchSave::targetPath(const QString& fileName) const
{
    return folderPath + u'/' + fileName;
}

int BatchSave::displacedFolder(const QString& fileName) const
{
    return swapped.contains(nativeName(fileName)) ? previousVersions.get() : -1;
}

QString BatchSave::previousVersionPath(const QString& fileName) const
{
    return folderPath + u'/' + QFile::decodeName(kPreviousVersionsFolder) + u'/' + fileName;
}

int BatchSave::stagingFolder(const Staged& file) const
{
    return file.overPreviousVersion ? previousVersions.get() : folder.get();
}

void BatchSave::openPreviousVersionsFolder()
{
    previousVersionsChecked = true;
    if (::fstat(folder.get(), &folderSeen) != 0)
        return;
    const bool created = ::mkdirat(folder.get(), kPreviousVersionsFolder, 0700) == 0;
    Descriptor opened(::openat(folder.get(), kPreviousVersionsFolder, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat own;
    if (!opened.isOpen() || ::fstat(opened.get(), &own) != 0 || !isTrustedOwner(own.st_uid, folderSeen.st_uid))
        return;
    if (created) {
        // Readable as the folder is (its group kept for new files too); written only by its
        // owner, whose files alone a save reuses.
        // Root saving into another user's folder leaves that user a folder they can clear.
        SharedFolder::giveToFolder(opened.get(), folderSeen);
        ::fchmod(opened.get(), folderSeen.st_mode & 02755);
    }
    if (::faccessat(opened.get(), ".", W_OK | X_OK, AT_EACCESS) == 0)
        previousVersions = std::move(opened);
    reached(SaveStep::Started);
}

// A replaced file keeps its bits and group, and for root its owner. A new one
// has this user's umask, with the group's write where the folder's group may
// write, and the folder's group where this user belongs to it (set-group-id
// folder or not); root gives it to the folder's owner and group.
BatchSave::NewFile BatchSave::newFileFor(const struct stat* target) const
{
    const bool root = ::geteuid() == 0;
    if (target)
        return {target->st_mode & kKeptBits, root ? target->st_uid : ::geteuid(), target->st_gid};
    const mode_t mode = (umaskMode() | ((folderSeen.st_mode & S_IWGRP) ? 0060 : 0)) & kKeptBits & newFileLimit;
    if (root)
        return {mode, folderSeen.st_uid, folderSeen.st_gid};
    return {mode, ::geteuid(), SharedFolder::groupFor(folderSeen)};
}

int BatchSave::openStagingFile(const QByteArray& name, bool targetExists, const NewFile& file, Staged& staging)
{
    if (previousVersions.isOpen()) {
        const int at = previousVersions.get();
        if (targetExists) {
            Descriptor previous(::openat(at, name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
            struct stat seen;
            if (previous.isOpen() && ::fstat(previous.get(), &seen) == 0 &&
                grantsNoMore(seen, file.mode, file.owner, file.group) && openByNobodyElse(previous.get())) {
                staging = {name, name, true};
                return previous.release();
            }
        }
        // Anything else there (a link, a pipe, a second name, a wider or another
        // user's file, a version of a file since removed) goes; a new one takes its place.
        ::unlinkat(at, name.constData(), 0);
        const int fd = ::openat(at, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
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
            ::openat(folder.get(), stagingName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            staging = {name, stagingName, false};
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    return -1;
}

int BatchSave::stage(const QString& fileName, const QByteArray& bytes, struct stat* written)
{
    const QByteArray name = nativeName(fileName);
    if (!folder.isOpen())
        return EBADF;
    if (name.isEmpty() || name == "." || name == ".." || name.contains('/'))
        return kUnusableName;
    if (!previousVersionsChecked)
        openPreviousVersionsFolder();
    struct stat target;
    const bool regularTarget =
        ::fstatat(folder.get(), name.constData(), &target, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(target.st_mode);
    // A file without any write bit is the administrator's own guard, for root
    // too; otherwise what this user may not write stays as it is.
    if (regularTarget && (target.st_mode & 0222) == 0)
        return kReadOnly;
    if (regularTarget && ::faccessat(folder.get(), name.constData(), W_OK, AT_EACCESS) != 0)
        return errno;
    const NewFile file = newFileFor(regularTarget ? &target : nullptr);
    Staged staging;
    const int fd = openStagingFile(name, regularTarget, file, staging);
    if (fd < 0)
        return errno;
    int error = writeWhole(fd, bytes);
    // A longer previous version loses its tail.
    if (error == 0 && ::ftruncate(fd, bytes.size()) != 0)
        error = errno;
    if (error == 0)
        error = giveOwnersAndMode(fd, file.mode, file.owner, file.group);
    if (error == 0 && written && ::fstat(fd, written) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        discard(staging);
        return error;
    }
    // A name staged twice (two serial numbers that differ only in case) keeps its last content.
    const auto known = stagedIndex.constFind(name);
    if (known != stagedIndex.constEnd()) {
        if (staged[*known].stagingName != staging.stagingName ||
            staged[*known].overPreviousVersion != staging.overPreviousVersion)
            discard(staged[*known]);
        staged[*known] = staging;
    } else {
        stagedIndex.insert(name, staged.size());
        staged.append(staging);
    }
    reached(SaveStep::Staged);
    return 0;
}

// Nothing may be put in place before its new content is durable. One file
// is synced on its own; many at once with one sync of their file system.
bool BatchSave::syncStaged() const
{
    if (!reached(SaveStep::Sync)) {
        errno = EIO;
        return false;
    }
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
int BatchSave::putInPlace(const Staged& file)
{
    const char* name = file.name.constData();
    struct stat seen;
    if (file.overPreviousVersion && ::fstatat(folder.get(), name, &seen, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(seen.st_mode) && ::renameat2(previousVersions.get(), name, folder.get(), name, RENAME_EXCHANGE) == 0) {
        swapped.insert(file.name);
        return 0;
    }
    if (existingKept) {
        return ::renameat2(stagingFolder(file), file.stagingName.constData(), folder.get(), name, RENAME_NOREPLACE) == 0
                   ? 0
                   : errno;
    }
    // A file system without the swap (some network ones) still gets a safe rename.
    if (::renameat(stagingFolder(file), file.stagingName.constData(), folder.get(), name) != 0)
        return errno;
    // Saved the plain way: a previous version left behind would be older than this save's.
    if (!file.overPreviousVersion && previousVersions.isOpen())
        ::unlinkat(previousVersions.get(), name, 0);
    return 0;
}

bool BatchSave::commit(const Failed& failed)
{
    if (staged.isEmpty())
        return true;
    if (!syncStaged()) {
        // Nothing is put in place: every file is a failure, asked about until the caller stops.
        const int error = errno;
        qsizetype i = 0;
        while (i < staged.size() && failed && failed(targetPath(staged[i].name), error))
            ++i;
        discardFrom(0);
        return false;
    }
    bool allInPlace = true;
    for (qsizetype i = 0; i < staged.size(); ++i) {
        const Staged& file = staged[i];
        const int error = putInPlace(file);
        if (error == 0) {
            reached(SaveStep::Placed);
            continue;
        }
        discard(file);
        allInPlace = false;
        if (!failed || !failed(targetPath(file.name), error)) {
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

int BatchSave::commitOrFail()
{
    int error = 0;
    commit([&error](const QString&, int why) {
        error = why;
        return false;
    });
    return error;
}

int BatchSave::save(const QString& fileName, const QByteArray& bytes)
{
    const int error = stage(fileName, bytes);
    return error != 0 ? error : commitOrFail();
}

void BatchSave::discard(const Staged& file) const
{
    ::unlinkat(stagingFolder(file), file.stagingName.constData(), 0);
}

// A staged file that is not put in place holds a new version, not a previous one.
void BatchSave::discardFrom(qsizetype first)
{
    for (qsizetype i = first; i < staged.size(); ++i)
        discard(staged[i]);
    staged.clear();
    stagedIndex.clear();
}
