#include "model/TrustedNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// What is wrong with a file, after its name: "zev.conf: not a plain file".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileError)
};

// As many links as the kernel itself follows in one path.
constexpr int kMaxLinks = 40;

using TrustedNames::duplicate;

bool isThisUserOrRoot(uid_t user)
{
    return user == ::geteuid() || user == 0;
}

// A link is followed only when nobody but this user or root could have made
// it, or moved it to where it is: it is theirs, and so is the folder holding
// it, which lets nobody else write or is sticky (in a sticky folder only an
// entry's owner, the folder's owner and root may rename the entry). A link
// keeps its owner when a colleague renames it, so its owner alone says little.
bool isTrustedLink(const struct stat& link, int folder)
{
    struct stat holder;
    if (::fstat(folder, &holder) != 0)
        return false;
    const bool othersMayRename = (holder.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (holder.st_mode & S_ISVTX) == 0;
    return isThisUserOrRoot(link.st_uid) && isThisUserOrRoot(holder.st_uid) && !othersMayRename;
}

QByteArray readLink(int folder, const QByteArray& name)
{
    QByteArray target(PATH_MAX, '\0');
    const ssize_t size = ::readlinkat(folder, name.constData(), target.data(), size_t(target.size()));
    return size > 0 ? target.left(size) : QByteArray();
}

// Opens the folder at path, relative to from, following only trusted links;
// untrusted says when one of another user's links stopped it.
Descriptor openFolderAt(int from, const QByteArray& path, int& linksLeft, bool& untrusted)
{
    Descriptor current =
        path.startsWith('/') ? Descriptor(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) : duplicate(from);
    for (const QByteArray& part : path.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        Descriptor next(::openat(current.get(), part.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.isOpen()) {
            struct stat seen;
            if (::fstatat(current.get(), part.constData(), &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(seen.st_mode))
                return {};
            untrusted = !isTrustedLink(seen, current.get());
            if (untrusted)
                return {};
            if (--linksLeft < 0) {
                errno = ELOOP;
                return {};
            }
            next = openFolderAt(current.get(), readLink(current.get(), part), linksLeft, untrusted);
            if (!next.isOpen())
                return {};
        }
        current = std::move(next);
    }
    return current;
}

// Reads the whole of an open regular file, refusing one that grows past maxSize.
int readAll(int fd, qint64 maxSize, QByteArray& content)
{
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (content.size() + got > maxSize)
            return kTooLarge;
        if (got == 0)
            return 0;
        content.append(chunk, got);
    }
}

FileRead readOpened(Descriptor file, qint64 maxSize, const std::function<bool(const struct stat&)>& unchanged)
{
    FileRead read;
    read.status = FileRead::Status::Refused;
    if (!file.isOpen()) {
        read.error = errno;
        if (read.error.code() == ENOENT)
            read.status = FileRead::Status::Missing;
        return read;
    }
    if (::fstat(file.get(), &read.seen) != 0)
        read.error = errno;
    else if (!S_ISREG(read.seen.st_mode))
        read.error = kNotPlainFile;
    else if (read.seen.st_size > maxSize)
        read.error = kTooLarge;
    else if (unchanged && unchanged(read.seen))
        read.status = FileRead::Status::Read;
    else {
        read.content.reserve(read.seen.st_size);
        read.error = readAll(file.get(), maxSize, read.content);
        read.status = !read.error.isError() ? FileRead::Status::Read : FileRead::Status::Refused;
    }
    return read;
}

constexpr int kReadFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

} // namespace

void Descriptor::reset(int newFd)
{
    if (fd >= 0)
        ::close(fd);
    fd = newFd;
}

QString FileError::text() const
{
    switch (value) {
    case kNotPlainFile:
        return Text::tr("not a plain file");
    case kTooLarge:
        return Text::tr("larger than 256 MiB");
    case kUntrustedLink:
        return Text::tr("a link another user made or could have moved here");
    case kReadOnly:
        return Text::tr("read-only (no write permission set)");
    case kUnresolvedConflicts:
        return Text::tr("holds unresolved merge conflicts");
    case kUnusableName:
        return Text::tr("not a usable file name");
    default:
        return QString::fromLocal8Bit(std::strerror(value));
    }
}

namespace TrustedNames {

QByteArray nativeName(const QString& name)
{
    return QFile::encodeName(name);
}

Descriptor duplicate(int fd)
{
    return Descriptor(fd >= 0 ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : -1);
}

Descriptor openFolder(const QString& path)
{
    return Descriptor(::open(nativeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}


Descriptor openChosenFolder(const QString& path, FileError& error)
{
    int linksLeft = kMaxLinks;
    bool untrusted = false;
    Descriptor folder = openFolderAt(-1, nativeName(QFileInfo(path).absoluteFilePath()), linksLeft, untrusted);
    error = folder.isOpen() ? 0 : untrusted ? int(kUntrustedLink) : errno;
    return folder;
}

Place followTrustedLinks(int folder, const QByteArray& name)
{
    Place place{duplicate(folder), name};
    int linksLeft = kMaxLinks;
    struct stat seen;
    while (place.folder.isOpen() &&
           ::fstatat(place.folder.get(), place.name.constData(), &seen, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(seen.st_mode)) {
        const QByteArray target = readLink(place.folder.get(), place.name);
        if (!isTrustedLink(seen, place.folder.get()) || --linksLeft < 0 || target.isEmpty() || target.endsWith('/'))
            return {};
        const qsizetype slash = target.lastIndexOf('/');
        bool untrusted = false;
        if (slash >= 0)
            place.folder = openFolderAt(place.folder.get(), target.left(slash + 1), linksLeft, untrusted);
        place.name = target.mid(slash + 1);
    }
    return place;
}

} // namespace TrustedNames

FileRead readFileAt(int folder, const QString& name, qint64 maxSize,
                    const std::function<bool(const struct stat&)>& unchanged)
{
    const TrustedNames::Place place = TrustedNames::followTrustedLinks(folder, TrustedNames::nativeName(name));
    if (!place.folder.isOpen()) {
        FileRead refused;
        refused.status = FileRead::Status::Refused;
        refused.error = kUntrustedLink;
        return refused;
    }
    return readOpened(Descriptor(::openat(place.folder.get(), place.name.constData(), kReadFlags)), maxSize, unchanged);
}

QStringList namesIn(int folder)
{
    QStringList names;
    const int listed = ::fcntl(folder, F_DUPFD_CLOEXEC, 0); // the listing takes this descriptor over
    DIR* entries = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (!entries) {
        if (listed >= 0)
            ::close(listed);
        return names;
    }
    ::rewinddir(entries);
    while (const dirent* entry = ::readdir(entries)) {
        if (entry->d_name[0] != '.')
            names << QFile::decodeName(entry->d_name);
    }
    ::closedir(entries);
    names.sort();
    return names;
}

FileRead readChosenFile(const QString& path, qint64 maxSize)
{
    const QFileInfo chosen(path);
    FileError error;
    const Descriptor folder = TrustedNames::openChosenFolder(chosen.absolutePath(), error);
    if (!folder.isOpen()) {
        FileRead unreadable;
        unreadable.error = error;
        unreadable.status = error.code() == ENOENT ? FileRead::Status::Missing : FileRead::Status::Refused;
        return unreadable;
    }
    return readFileAt(folder.get(), chosen.fileName(), maxSize);
}
