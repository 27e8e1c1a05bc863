#include "model/DiskStamp.h"

#include "model/ConfigFile.h"
#include "model/TrustedNames.h"

#include <QCryptographicHash>

namespace {

QByteArray hashOf(const QByteArray& content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

bool sameTime(const struct timespec& a, const struct timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

FileStamp FileStamp::of(const struct stat& seen)
{
    return {seen.st_dev, seen.st_ino, seen.st_size, seen.st_mtim, seen.st_ctim};
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
    stamp.hash = hashOf(content);
    return stamp;
}

bool DiskStamp::stillMatches(int folder, const QString& name) const
{
    const FileRead now = readFileAt(folder, name, ConfigFile::kLargestConfig,
                                    [this](const struct stat& seen) { return FileStamp::of(seen) == metadata; });
    switch (now.status) {
    case FileRead::Status::Missing:
        return state == State::Missing;
    case FileRead::Status::Refused:
        return state == State::Refused;
    case FileRead::Status::Read:
        return state == State::Read && (FileStamp::of(now.seen) == metadata || hashOf(now.content) == hash);
    }
    return false;
}
