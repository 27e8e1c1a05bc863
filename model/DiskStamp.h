#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

#include <sys/stat.h>

struct FileRead;

// A file's identity and times: any write, rename or replacement moves them,
// and no user can set a change time back.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    struct timespec modified {};
    struct timespec changed {};

    static FileStamp of(const struct stat& seen);
    // Of the regular file at name in folder, not through a link; none for anything else.
    static std::optional<FileStamp> at(int folder, const QString& name);
    bool operator==(const FileStamp& other) const;
    // The file written, now put in place: renaming it moves its change time alone.
    // The stamp found at name, when it is that file.
    std::optional<FileStamp> placedAt(int folder, const QString& name) const;
    // Changed at least a second ago. A file read just after a change might be
    // changed again within the same clock tick without its stamp moving: what
    // was read of it is not taken as lasting until then.
    bool settled() const;
};

// What zev.conf was on disk when the program last read or wrote it, to notice
// that another program changed it since: its device and inode numbers, size,
// modification and change times (no user can set a change time back), and its
// content (shared with the copy the program holds anyway, never copied).
class DiskStamp {
public:
    // Of the file as read: its metadata taken from the descriptor before reading.
    static DiskStamp of(const FileRead& read);
    // Of the file as written: its metadata taken from the descriptor written, before it was put in place.
    static DiskStamp ofWritten(const struct stat& written, const QByteArray& content);
    // Once the written file is in place at name: putting it there moved its
    // change time. Taken when name still is the file written (same device,
    // inode, size and modification time), so that the next look need not read
    // and compare it again.
    void followPlacing(int folder, const QString& name);

    // Whether name in folder still is what this stamp says: one stat, and a
    // read only when the metadata differ (a file rewritten with the same bytes
    // is the same file).
    bool stillMatches(int folder, const QString& name) const;

private:
    enum class State { Missing, Refused, Read };
    State state = State::Missing;
    FileStamp metadata;
    QByteArray bytes;
    // The file as last read and compared, and whether it held the same bytes.
    mutable std::optional<std::pair<FileStamp, bool>> lookedAt;
};
