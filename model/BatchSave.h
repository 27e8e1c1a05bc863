#pragma once

#include "model/TrustedNames.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

// Writes all of bytes to a descriptor: 0, or the errno value of the failure
// (a short write is a failed write).
int writeWhole(int fd, const QByteArray& bytes);

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
// A team shares the folder: a replaced file keeps its permission bits (never
// set-id bits, never world-write) and its group, and when root saves, its
// owner too, so whoever could save before still can. A previous version is
// written over only when it grants nobody more than the new file will;
// otherwise, and where the previous-versions folder is not this user's, the
// file is written afresh.
class BatchSave {
public:
    // Outside a working folder (a file of a version-control checkout), no
    // previous versions are kept: each file is written afresh beside its target.
    enum class PreviousVersions { Kept, NotKept };

    // Files in the folder open as folderFd (not taken over); folderPath only names them in reports.
    BatchSave(int folderFd, const QString& folderPath, PreviousVersions previous = PreviousVersions::Kept);
    ~BatchSave();
    BatchSave(const BatchSave&) = delete;
    BatchSave& operator=(const BatchSave&) = delete;

    // Writes the new content of fileName; 0, or why it failed (an errno value
    // or a FileRefusal). A file that exists and that this user may not write, or
    // that has no write bit at all (also for root), is not replaced. written,
    // when given, receives the metadata of the new file as written.
    int stage(const QString& fileName, const QByteArray& bytes, struct stat* written = nullptr);

    // Makes the staged files durable and puts them in place, in staging
    // order. A target that cannot be replaced is handed to failed with its
    // path and the reason; failed returning false (or none given) abandons
    // the rest. Returns true only when every staged file was put in place.
    using Failed = std::function<bool(const QString& path, int error)>;
    bool commit(const Failed& failed = {});
    // The same, stopping at the first file that cannot be put in place: 0, or why.
    int commitOrFail();
    // One file alone, staged and put in place at once: 0, or why it failed.
    int save(const QString& fileName, const QByteArray& bytes);

    QString targetPath(const QString& fileName) const;
    // How many files are staged: a name staged twice counts once.
    qsizetype stagedFiles() const { return staged.size(); }
    // A new file grants no more than mode (a copy readable by no one the original is not).
    void limitNewFiles(mode_t mode) { newFileLimit = mode; }
    // Puts nothing in place of an existing file (a backup written as a new file only).
    void keepExistingFiles() { existingKept = true; }
    // After commit: where the file that fileName's new version swapped places
    // with now is (the previous-versions folder, as a descriptor, and its path),
    // or -1 when no file was there or it was replaced without a swap.
    int displacedFolder(const QString& fileName) const;
    QString previousVersionPath(const QString& fileName) const;

private:
    // A file's new content waiting to be put in place: over its previous
    // version, or, where that cannot be used, beside the target.
    struct Staged {
        QByteArray name;        // the target's name in the folder
        QByteArray stagingName; // in the previous-versions folder, or in the folder itself
        bool overPreviousVersion;
    };
    // What the new version of a file is to be: its permission bits and owners.
    struct NewFile {
        mode_t mode;
        uid_t owner;
        gid_t group;
    };

    void openPreviousVersionsFolder();
    NewFile newFileFor(const struct stat* target) const;
    int openStagingFile(const QByteArray& name, bool targetExists, const NewFile& file, Staged& staging);
    int putInPlace(const Staged& file);
    bool syncStaged() const;
    int stagingFolder(const Staged& file) const;
    void discard(const Staged& file) const;
    void discardFrom(qsizetype first);
    QString targetPath(const QByteArray& name) const;

    Descriptor folder;
    Descriptor previousVersions; // not open where it cannot be used
    QString folderPath;
    struct stat folderSeen {};
    bool previousVersionsChecked = false;
    mode_t newFileLimit = 07777;
    bool existingKept = false;
    QList<Staged> staged;
    QHash<QByteArray, qsizetype> stagedIndex; // file name -> its place in staged
    QSet<QByteArray> swapped;                 // put in place by swapping with the file there
};

// For tests: called at each step of a save; false at Sync makes the sync fail
// as a failing disk would. An empty hook restores the normal course. Leased:
// while a previous version about to be reused is checked for readers.
enum class SaveStep { Started, Staged, Sync, Placed, Leased };
void setSaveStepHook(std::function<bool(SaveStep)> hook);
