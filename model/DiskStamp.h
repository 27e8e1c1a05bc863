#pragma once

#include <QByteArray>
#include <QString>

// What a file was on disk when the program last read or wrote it: whether it
// existed, its size, the time of its last change and a hash of its content.
// Kept for zev.conf, to notice that another program changed it since.
class DiskStamp {
public:
    // The file's metadata now. Taken before reading it, so that a change made
    // while it is read shows as a change.
    static DiskStamp of(const QString& folder, const QString& name);
    // The content that was read from the file or written to it.
    void setContent(const QByteArray& content);

    // Whether the file still is what this stamp says: one stat, and a read
    // only when its size or time differ (a file rewritten with the same bytes
    // is the same file).
    bool stillMatches(const QString& folder, const QString& name) const;

private:
    bool exists = false;
    qint64 size = 0;
    qint64 changedNs = 0;
    QByteArray hash;
};
