#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;

// Writes all of bytes, or reports false: a short write is a failed write.
bool writeAll(QIODevice& device, QByteArrayView bytes);

// Every file the program writes goes through here, so that a crash, a kill or
// a full disk never leaves a file half-written: each one is replaced whole or
// not at all.
//
// A file's new content is first written over its previous version in the
// hidden folder ".zev-previous" beside it, every staged file is made durable
// with one sync, and only then does each new version swap places with its
// target in one step. The old
// content thus becomes the previous version, which the next save writes over
// in its turn: saves reuse the disk space of the files they replace instead of
// creating and freeing thousands of files, which on some file systems costs far
// more than the writing itself.
class BatchSave {
public:
    explicit BatchSave(const QString& folder);
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
    // version, or, where that folder cannot be used, beside the target.
    struct Staged {
        QString fileName;
        QByteArray path;
        bool overPreviousVersion;
    };

    QString targetPath(const QString& fileName) const;
    bool makePreviousVersionsFolder();
    int openStagingFile(const QString& fileName, bool targetExists, Staged& staging);
    bool syncStaged() const;
    void discardFrom(qsizetype first);

    QString folder;
    QString previousVersionsFolder;
    int previousVersionsFolderState = 0; // 0 not yet checked, 1 usable, -1 unusable
    int previousVersionsLock = -1;       // held while this save uses the folder
    QList<Staged> staged;
    QHash<QString, qsizetype> stagedIndex; // file name -> its place in staged
};

// For tests: called at each step of a save; false at Sync makes the sync
// fail as a failing disk would. An empty hook restores the normal course.
enum class SaveStep { Sync };
void setSaveStepHook(std::function<bool(SaveStep)> hook);

// One file saved the same way; false when it was left as it was. A link in
// its place is followed, so the file it names is the one saved.
bool saveFile(const QString& path, const BatchSave::Writer& write);
