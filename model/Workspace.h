#pragma once

#include "model/ClientConfigFile.h"
#include "model/ConfigMerge.h"
#include "model/DiskStamp.h"
#include "model/EditHistory.h"
#include "model/SaveLock.h"
#include "model/ThinClientImport.h"
#include "model/TrustedNames.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class Server;
class ThinClient;

struct FileFailure {
    QString path;
    FileError error;
    QString advice; // what its owner can do, for a file an earlier save left unwritable by the team
};

// What opening the working folder found.
struct LoadOutcome {
    QString folder;      // the picture's folder, as its path was given
    FileError folderError; // the folder could not be opened: nothing else was tried
    FileRead picture;    // its bytes, to be decoded by the caller
    FileRead::Status config = FileRead::Status::Missing;
    FileError configError;
    // zev.conf holds merge conflict markers from this line on: it is two
    // versions at once, and nothing was loaded (the folder was not opened).
    qsizetype conflictLine = 0;
};

// How zev.conf on disk differs from what the records were last merged with.
enum class ConfigChange { None, Changed, Deleted, Created };
enum class ChangedConfigAnswer { Merge, Replace, Cancel };
// A deleted zev.conf has nothing to merge: merging with nothing would delete
// every record not changed here. Saving the records again is the way back.
inline bool canMerge(ConfigChange change)
{
    return change == ConfigChange::Changed || change == ConfigChange::Created;
}
// Sets each conflict's choice; false cancels the merge.
using SettleConflicts = std::function<bool(QList<MergeConflict>&)>;

// What merging the changes on disk into the records did.
struct MergeOutcome {
    enum class Status { Merged, Cancelled, Unreadable, NothingToMerge };
    Status status = Status::Merged;
    FileError error;
    ConfigChange change = ConfigChange::None; // what was found on disk
    QList<MergeChange> changes; // what came from the other program, and how each conflict was settled
    int serversTaken = 0;       // records that took another program's changes
    int devicesTaken = 0;
};

// What a save did. Nothing at all is written unless the lock was held, the
// user merged or chose to replace another program's change, and zev.conf was written.
struct SaveOutcome {
    enum class Status {
        Saved,         // zev.conf and every device file, or nothing to write
        Busy,          // another program held the lock for the whole wait
        Cancelled,     // the user stopped waiting, merging or writing, or kept the other program's zev.conf
        LockRefused,   // the lock file could not be opened: a folder this user may not write (error)
        ConfigRefused, // zev.conf could not be written (error)
        DevicesFailed, // zev.conf written, but not every device file (failedDevices)
    };
    Status status = Status::Saved;
    FileError error;
    QString stoppedAt; // the file that stopped it: zev.conf, or the lock file
    QString advice;    // what the owner of that file can do, when the team may not write it
    bool configWritten = false;
    std::optional<MergeOutcome> merged; // another program's changes, merged in before writing
    int devicesWritten = 0;
    int devicesUnchanged = 0; // files left alone: they already held what they would be given
    QList<FileFailure> failedDevices;
    // Another program changed zev.conf in the instant before it was replaced:
    // where its version is now (empty: nothing of the kind, or it is lost).
    bool displacedChange = false;
    QString displacedCopy;

    bool saved() const { return status == Status::Saved; }
};

// The decisions a save needs from its user; each may be left empty (waiting
// sleeps, another program's change is kept, conflicts cancel the merge, a
// failed device file goes on, the device files are written without a word).
struct SaveQuestions {
    SaveLock::KeepWaiting keepWaiting;
    std::function<ChangedConfigAnswer(ConfigChange)> changedConfig;
    SettleConflicts settleConflicts;
    ClientConfigFile::ContinueQuestion continueAfterFailure;
    ClientConfigFile::Progress progress;
};

struct BackupOutcome {
    enum class Status { Written, Exists, Failed };
    Status status = Status::Written;
    FileError error;
    QString failedFile; // zev.conf when it could not be read, else the backup
};

// The working folder as one document, from loading the picture to closing:
// the folder opened once (every later read and write goes through that
// descriptor; its path is never resolved again), the records, the undo
// history, and what zev.conf was on disk when last read or written.
//
// Every change to the records is one of its operations: each changes them,
// records its own named undo step and says what changed. It alone creates and
// deletes records; views keep a record's handle, not the record, across calls.
class Workspace : public QObject {
    Q_OBJECT
public:
    static inline const QString kConfigFileName = QStringLiteral("zev.conf");

    explicit Workspace(QObject* parent = nullptr) : QObject(parent) {}
    ~Workspace() override;

    // Opens the folder of picturePath, reads the picture's bytes and zev.conf,
    // and starts a new history.
    LoadOutcome load(const QString& picturePath);
    // The same without a picture: the folder and its zev.conf (the command line's way in).
    LoadOutcome open(const QString& folderPath);
    // Makes a new working folder at folderPath (the folder when missing) with
    // a zev.conf holding no records; EEXIST when there is one already.
    static FileError createFolder(const QString& folderPath);
    bool isOpen() const { return folder.isOpen(); }
    const QString& folderPath() const { return path; }
    QString configPath() const { return path + u'/' + kConfigFileName; }

    // The records, to read within a call; none is kept across one.
    const QList<Server*>& servers() const { return serverRecords; }
    const QList<ThinClient*>& thinClients() const { return clientRecords; }
    const Server* server(quint64 handle) const;

    // The operations, one undo step each; each returns whether anything changed.
    // values: the fields of a server (their handle is not used).
    quint64 addServer(const Server& values);
    quint64 cloneServer(const Server& values);
    bool editServer(quint64 handle, const Server& values);
    // Also takes the server out of every device's assignments.
    bool deleteServer(quint64 handle);
    // A label's place (or size) after a drag or a key; a continuing step (a
    // run of keys on one label) goes on with the last one.
    bool placeLabel(quint64 handle, const QRect& box, bool resize, bool continuing = false);
    bool addThinClient(const QString& desc, const QString& serialNumber);
    // The whole device list as edited (copies of the records, see RecordCopies).
    bool editThinClients(const QList<ThinClient*>& edited);
    bool assignServers(const QList<ThinClient*>& edited);
    // Merges a device list into the devices (see ThinClientImport); rejected is
    // told each line refused.
    ThinClientImport::Stats importThinClients(const QByteArray& list, const std::function<void(const QString&)>& rejected);
    // Each rebuilds the records from the history: nothing may hold one across the call.
    void undo();
    void redo();
    const EditHistory& history() const { return steps; }
    // Device files found on loading (or reloading) not to hold what zev.conf
    // gives them; none after a save.
    const QList<ClientConfigFile::FileBehind>& devicesBehind() const { return behindFiles; }
    bool isModified() const { return modified; }

    SaveOutcome save(const SaveQuestions& questions = {});
    // The device files alone, from zev.conf as it was read, under the same
    // lock; zev.conf itself is left as it is (version control compares it).
    // Cancelled when zev.conf changed since it was read.
    SaveOutcome writeDeviceFiles();
    // Whether zev.conf on disk holds what the records were last merged with:
    // another program changed it since it was last read or written, or an undo
    // took back a merge of its changes.
    ConfigChange changeOnDisk() const;
    // The same, and a zev.conf deleted by another program makes the records
    // unsaved: the disk no longer holds them.
    ConfigChange lookAtDisk();
    // Brings another program's changes on disk into the records: a three-way
    // merge against what was last read or written, one undo step. Conflicts
    // are settled through settle (none given: the merge is cancelled).
    MergeOutcome mergeFromDisk(const SettleConflicts& settle);
    // The records as zev.conf on disk holds them, the window's changes
    // discarded: one undo step. False when the file could not be read (error).
    bool reloadFromDisk(FileError* error = nullptr);
    // What "Check configuration" finds in the records and the folder, for a picture of that size.
    QStringList problems(const QSize& picture) const;
    // Files an earlier save left that the folder's group may not write (so
    // colleagues' saves fail on them), each with what its owner can do.
    QStringList sharingProblems() const;
    // Copies zev.conf as it is on disk to a new file at targetPath.
    BackupOutcome backup(const QString& targetPath) const;

signals:
    // Every record was made anew (loading, undo, redo, a merge, a reload):
    // handles taken before are void.
    void recordsReset();
    void serverAdded(quint64 handle);
    void serverChanged(quint64 handle);
    void serverRemoved(quint64 handle);
    void thinClientsChanged();
    // The history or what is on disk changed: what undo and redo would do, whether there is anything to save.
    void stateChanged();

private:
    void clearRecords();
    void restore(const QByteArray& state);
    void giveHandles();
    Server* findServer(quint64 handle) const;
    // Records the step of a change just made; false, and no step, when nothing changed.
    bool recordStep(const QString& name, bool continuing = false);
    quint64 addServer(const Server& values, const QString& stepName);
    bool replaceThinClients(const QList<ThinClient*>& edited, const QString& stepName);
    void followHistory();
    void noticeFilesBehind();
    void rememberWritten(const ClientConfigFile::Staging& staging, bool placed);
    bool isHeld(const SaveLock& lock, SaveOutcome& outcome) const;
    FileFailure failure(const QString& file, int error) const;
    void moveBase(const std::optional<QByteArray>& base);
    // What to expect on disk at the moment zev.conf is replaced; false when
    // the user chose not to go on (outcome says why).
    bool settleChangeOnDisk(const SaveQuestions& questions, SaveOutcome& outcome, DiskStamp& expected);
    // zev.conf as it is on disk now, through the folder.
    FileRead readConfig() const;
    static FileRead readConfigAt(int folder);
    // zev.conf as read now becomes what the records are compared with.
    void takeAsBase(const FileRead& config);

    Descriptor folder;
    QString path;
    QList<Server*> serverRecords;
    QList<ThinClient*> clientRecords;
    quint64 lastHandle = 0;
    EditHistory steps;
    DiskStamp configOnDisk;
    QByteArray configText; // zev.conf as last read or written
    QByteArray configBase; // the base of the next merge: configText, unless an undo took back a merge
    QList<ClientConfigFile::FileBehind> behindFiles;
    // Device files as last written or found right: a save writes only the others.
    ClientConfigFile::KnownFiles knownFiles;
    bool modified = false;
};
