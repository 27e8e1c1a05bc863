#include "model/DiskStamp.h"

#include "model/ConfigFile.h"
#include "model/TrustedNames.h"

#include <QCryptographicHash>

namespace {

QByteArray hashOf(const QByteArray& content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256);
}

bool operator==(const struct timespec& a, const struct timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

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
    stamp.device = written.st_dev;
    stamp.inode = written.st_ino;
    stamp.size = written.st_size;
    stamp.modified = written.st_mtim;
    stamp.changed = written.st_ctim;
    stamp.hash = hashOf(content);
    return stamp;
}

bool DiskStamp::sameMetadata(const struct stat& seen) const
{
    return seen.st_dev == device && seen.st_ino == inode && seen.st_size == size && seen.st_mtim == modified &&
           seen.st_ctim == changed;
}

bool DiskStamp::stillMatches(int folder, const QString& name) const
{
    const FileRead now = readFileAt(folder, name, ConfigFile::kLargestConfig,
                                    [this](const struct stat& seen) { return sameMetadata(seen); });
    switch (now.status) {
    case FileRead::Status::Missing:
        return state == State::Missing;
    case FileRead::Status::Refused:
        return state == State::Refused;
    case FileRead::Status::Read:
        return state == State::Read && (sameMetadata(now.seen) || hashOf(now.content) == hash);
    }
    return false;
}
