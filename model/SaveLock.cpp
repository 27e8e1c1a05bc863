#include "model/SaveLock.h"

#include "model/SharedFolder.h"

#include <QElapsedTimer>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr const char* kLockFile = SaveLock::kFileName;

// Writable by whoever may write the folder: its owner, and its group or
// everyone where the folder lets them write.
mode_t lockFileMode(const struct stat& folder)
{
    return 0600 | ((folder.st_mode & S_IWGRP) ? 0060 : 0) | ((folder.st_mode & S_IWOTH) ? 0006 : 0);
}

// A new lock file, made as the folder's owner would have made it, with the
// folder's group so that every member may open it. It is made whole under a
// name of its own and only then given its name: a save that finds it there
// can always open it. errno EEXIST: another save made it first.
Descriptor createLockFile(int folder)
{
    struct stat seen;
    if (::fstat(folder, &seen) != 0)
        return {};
    const QByteArray prefix = QByteArray(kLockFile) + ".new-" + QByteArray::number(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray draft = attempt == 0 ? prefix : prefix + '-' + QByteArray::number(attempt);
        Descriptor file(::openat(folder, draft.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!file.isOpen() && errno == EEXIST)
            continue; // a name someone else has taken is passed over
        if (!file.isOpen())
            return {};
        SharedFolder::giveToFolder(file.get(), seen);
        ::fchmod(file.get(), lockFileMode(seen));
        const bool named = ::linkat(folder, draft.constData(), folder, kLockFile, 0) == 0;
        const int error = errno;
        ::unlinkat(folder, draft.constData(), 0);
        errno = error;
        return named ? std::move(file) : Descriptor();
    }
    return {};
}

// The lock file, opened for writing. What no save can hold as its lock (a
// link, a pipe, a folder, a device) is removed and replaced, never opened in
// a way that could block. A plain file another save may hold is never
// removed: when this user cannot open it, there is no lock to be had.
Descriptor openLockFile(int folder)
{
    // Each round sees what another save or user did meanwhile (created the file first, swapped it).
    for (int round = 0; round < 100; ++round) {
        struct stat seen;
        if (::fstatat(folder, kLockFile, &seen, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                return {};
            Descriptor created = createLockFile(folder);
            if (created.isOpen() || errno != EEXIST)
                return created;
            continue;
        }
        if (!S_ISREG(seen.st_mode)) {
            if (::unlinkat(folder, kLockFile, S_ISDIR(seen.st_mode) ? AT_REMOVEDIR : 0) != 0 && errno != ENOENT)
                return {};
            continue;
        }
        Descriptor file(::openat(folder, kLockFile, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!file.isOpen() && errno != ENOENT && errno != ELOOP && errno != ENXIO)
            return {};
        if (file.isOpen() && ::fstat(file.get(), &seen) == 0 && S_ISREG(seen.st_mode))
            return file;
    }
    errno = EAGAIN;
    return {};
}

// True when the lock is taken; false with errno EAGAIN or EACCES while another holds it.
bool tryLock(int fd)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0)
        return true;
    // A file system without locks still saves; only a lock held by another save waits.
    return errno != EAGAIN && errno != EACCES && errno != EINTR;
}

} // namespace

SaveLock::SaveLock(int folder, const KeepWaiting& keepWaiting, int waitMs)
{
    file = openLockFile(folder);
    if (!file.isOpen()) {
        failure = errno;
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (!tryLock(file.get())) {
        if (waited.elapsed() >= waitMs) {
            state = Status::Busy;
            return;
        }
        if (!keepWaiting) {
            ::usleep(50 * 1000);
        } else if (!keepWaiting(waited.elapsed())) {
            state = Status::Cancelled;
            return;
        }
    }
    state = Status::Held;
}
