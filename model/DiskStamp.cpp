#include "model/DiskStamp.h"

#include "model/ConfigFile.h"
#include "model/TrustedNames.h"

#include <QFile>


#include <ctime>
#include <fcntl.h>

namespace {

bool sameTime(const struct timespec& a, const struct timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

FileStamp FileStamp::of(const struct stat& seen)
{
    return {seen.st_dev, seen.st_ino, seen.st_size, seen.st_mtim, seen.st_ctim};
}

std::optional<FileStamp> FileStamp::at(int folder, const QString& name)
{
    struct stat seen;
    if (::fstatat(folder, QFile::encodeName(name).constData(), &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seen.st_mode))
        return std::nullopt;
    return of(seen);
}

std::optional<FileStamp> FileStamp::placedAt(int folder, const QString& name) const
{
    std::optional<FileStamp> found = at(folder, name);
    if (!found)
        return std::nullopt;
    FileStamp renamed = *this;
    renamed.changed = found->changed;
    return renamed == *found ? found : std::nullopt;
}

bool FileStamp::settled() const
{
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - changed.tv_sec > 1 || (now.tv_sec - changed.tv_sec == 1 && now.tv_nsec >= changed.tv_nsec);
}

bool FileStamp::operator==(const FileStamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size &&
           sameTime(modified, other.modified) && sameTime(changed, other.changed);
}

DiskStamp DiskStamp::of(const FileRead& read)
{
    DiskStamp stamp;
    if (read.status == FileRead::Status::Missing)
        return stamp;
    if (read.status == FileRead::Status::Refused) {
        stamp.state = State::Refused;
        return stamp;
    }
    stamp = ofWritten(read.seen, read.content);
    return stamp;
}

DiskStamp DiskStamp::ofWritten(const struct stat& written, const QByteArray& content)
{
    DiskStamp stamp;
    stamp.state = State::Read;
    stamp.metadata = FileStamp::of(written);
    stamp.bytes = content; // shared with the caller's copy, not copied
    return stamp;
}

void DiskStamp::followPlacing(int folder, const QString& name)
{
    if (state != State::Read)
        return;
    if (const std::optional<FileStamp> placed = metadata.placedAt(folder, name))
        metadata = *placed;
}

bool DiskStamp::stillMatches(int folder, const QString& name) const
{
    // A file of another size holds other bytes, and one looked at before has
    // not changed since: neither is read and compared again.
    enum class Known { No, Same, Other } known = Known::No;
    const FileRead now = readFileAt(folder, name, ConfigFile::kLargestConfig, [this, &known](const struct stat& seen) {
        const FileStamp stamp = FileStamp::of(seen);
        if (stamp == metadata)
            known = Known::Same;
        else if (seen.st_size != metadata.size)
            known = Known::Other;
        else if (lookedAt && lookedAt->first == stamp)
            known = lookedAt->second ? Known::Same : Known::Other;
        return known != Known::No;
    });
    switch (now.status) {
    case FileRead::Status::Missing:
        return state == State::Missing;
    case FileRead::Status::Refused:
        return state == State::Refused;
    case FileRead::Status::Read:
        if (state != State::Read)
            return false;
        if (known == Known::No) {
            const FileStamp seen = FileStamp::of(now.seen);
            const bool same = now.content == bytes;
            if (seen.settled())
                lookedAt = {seen, same};
            return same;
        }
        return known == Known::Same;
    }
    return false;
}
