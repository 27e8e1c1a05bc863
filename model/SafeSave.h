#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

#include <sys/types.h>

class QIODevice;

// Writes all of bytes, or reports false: a short write is a failed write.
bool writeFully(QIODevice& device, QByteArrayView bytes);

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : fd(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        reset(other.release());
        return *this;
    }

    int get() const { return fd; }
    bool isOpen() const { return fd >= 0; }
    int release()
    {
        const int held = fd;
        fd = -1;
        return held;
    }
    void reset(int newFd = -1);

private:
    int fd = -1;
};

// The working folder is shared with other users and served to the devices,
// so every name in it is untrusted. A save opens the folder once, takes its
// lock, and from then on works only relative to that descriptor: replacing
// a folder or a file there by a link at any moment cannot make a byte land,
// a file move or a file vanish anywhere else.
//
// One save at a time per folder: the lock is held for the whole save (zev.conf
// and every device file), and a second program waits for it a while.
class SaveSession {
public:
    static constexpr int kLockWaitMs = 10000;
    enum class Status { Ready, NoFolder, Busy };

    explicit SaveSession(const QString& folderPath, int lockWaitMs = kLockWaitMs);

    Status status() const { return state; }
    bool isReady() const { return state == Status::Ready; }
    int folder() const { return folderFd.get(); }
    const QString& folderPath() const { return path; }

private:
    QString path;
    Descriptor folderFd;
    Status state = Status::NoFolder;
};

// Every file the program writes goes through here, so that a crash, a kill or
// a full disk never leaves a file half-written: each one is replaced whole or
// not at all.
//
// A file's new content is first written over its previous version in the
// hidden folder ".zev-previous" beside it, every staged file is made durable
// with one sync, and only then does each new version swap places with its
// target in one step. The old content thus becomes the previous version,
// which the next save writes over in its turn: saves reuse the disk space of
// the files they replace instead of creating and freeing thousands of files,
// which on some file systems costs far more than the writing itself.
//
// Nothing another user owns is written into or reused: where the folder or a
// previous version is not this user's, the file is written as a new file
// beside its target and renamed over it.
class BatchSave {
public:
    // Files in the session's folder.
    explicit BatchSave(const SaveSession& session);
    // Files in the folder open as folderFd (not taken over).
    BatchSave(int folderFd, const QString& folderPath);
    ~BatchSave();
    BatchSave(const BatchSave&) = delete;
    BatchSave& operator=(const BatchSave&) = delete;

    // Writes the new content of fileName; false when that failed, or when the
    // file exists and this user may not write it.
    using Writer = std::function<bool(QIODevice& device)>;
    bool stage(const QString& fileName, const Writer& write);
    bool stage(const QString& fileName, const QByteArray& bytes);

    // Makes the staged files durable and puts them in place, in staging
    // order. A target that cannot be replaced is handed to failed with its
    // path; failed returning false abandons the rest. Returns true only when
    // every staged file was put in place.
    bool commit(const std::function<bool(const QString& path)>& failed);

private:
    // A file's new content waiting to be put in place: over its previous
    // version, or, where that cannot be used, beside the target.
    struct Staged {
        QByteArray name;        // the target's name in the folder
        QByteArray stagingName; // in the previous-versions folder, or in the folder itself
        bool overPreviousVersion;
    };

    void openPreviousVersionsFolder();
    int openStagingFile(const QByteArray& name, bool targetExists, mode_t mode, Staged& staging);
    bool putInPlace(const Staged& file);
    bool syncStaged() const;
    int stagingFolder(const Staged& file) const;
    void discardFrom(qsizetype first);
    QString targetPath(const QByteArray& name) const;

    Descriptor folder;
    Descriptor previousVersions; // not open where it cannot be used
    QString folderPath;
    uid_t folderOwner = 0;
    bool previousVersionsChecked = false;
    QList<Staged> staged;
    QHash<QByteArray, qsizetype> stagedIndex; // file name -> its place in staged
};

// One file saved the same way. zev.conf kept elsewhere through a link is saved
// where the link points, but only through links this user or root owns.
bool saveFile(const SaveSession& session, const QString& fileName, const BatchSave::Writer& write);
// The same in a session of its own, for the folder of path.
bool saveFile(const QString& path, const BatchSave::Writer& write);

// Reads the file name in folderPath, following links only as saveFile does.
// Anything but a regular file of at most maxSize bytes is refused unread, so
// a pipe or a device planted there can neither block nor flood the program.
enum class ReadResult { Read, Missing, Refused };
ReadResult readFile(const QString& folderPath, const QString& name, qint64 maxSize, QByteArray& content);

// For tests: called at each step of a save; false at Sync makes the sync fail
// as a failing disk would. An empty hook restores the normal course.
enum class SaveStep { Started, Staged, Sync, Placed };
void setSaveStepHook(std::function<bool(SaveStep)> hook);
