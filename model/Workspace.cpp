#include "model/Workspace.h"

#include "model/BatchSave.h"
#include "model/ConfigCheck.h"
#include "model/ConfigFile.h"
#include "model/ServerFields.h"
#include "model/SharedFolder.h"
#include "model/Server.h"
#include "model/ThinClient.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A topology picture larger than this is not one.
constexpr qint64 kLargestPicture = 256 * 1024 * 1024;

} // namespace

Workspace::~Workspace()
{
    clearRecords();
}

void Workspace::clearRecords()
{
    qDeleteAll(serverRecords);
    serverRecords.clear();
    qDeleteAll(clientRecords);
    clientRecords.clear();
}

LoadOutcome Workspace::load(const QString& picturePath)
{
    const QFileInfo picture(picturePath);
    LoadOutcome outcome = open(picture.absolutePath());
    if (!outcome.folderError.isError())
        outcome.picture = readFileAt(folder.get(), picture.fileName(), kLargestPicture);
    return outcome;
}

LoadOutcome Workspace::open(const QString& folderPath)
{
    LoadOutcome outcome;
    outcome.folder = folderPath;
    Descriptor opened = TrustedNames::openFolder(outcome.folder);
    if (!opened.isOpen()) {
        outcome.folderError = errno;
        return outcome;
    }
    const FileRead config = readConfigAt(opened.get());
    if (config.error.code() == kUnresolvedConflicts) {
        outcome.conflictLine = ConfigFile::conflictMarkerLine(config.content);
        return outcome;
    }
    folder = std::move(opened);
    path = QFileInfo(folderPath).absoluteFilePath();

    clearRecords();
    outcome.config = config.status;
    outcome.configError = config.error;
    takeAsBase(config);
    ConfigFile::parse(config.content, serverRecords, clientRecords);
    giveHandles();
    steps.reset(ConfigFile::serialize(serverRecords, clientRecords));
    noticeFilesBehind();
    emit recordsReset();
    followHistory();
    return outcome;
}

// Device files that do not hold what zev.conf gives them make the records
// unsaved: the devices run something zev.conf no longer says until a save.
void Workspace::noticeFilesBehind()
{
    knownFiles.clear();
    behindFiles = ClientConfigFile::filesBehind(folder.get(), serverRecords, clientRecords, &knownFiles);
    if (!behindFiles.isEmpty())
        steps.markNothingSaved();
}

FileError Workspace::createFolder(const QString& folderPath)
{
    if (::mkdir(TrustedNames::nativeName(folderPath).constData(), 0777) != 0 && errno != EEXIST)
        return errno;
    const Descriptor created = TrustedNames::openFolder(folderPath);
    if (!created.isOpen())
        return errno;
    BatchSave config(created.get(), folderPath, BatchSave::PreviousVersions::NotKept);
    config.keepExistingFiles(); // never over a zev.conf, nor through a link at its name
    struct stat seen;
    if (::fstatat(created.get(), kConfigFileName.toUtf8().constData(), &seen, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return config.save(kConfigFileName, ConfigFile::serialize({}, {}));
}

FileRead Workspace::readConfig() const
{
    return readConfigAt(folder.get());
}

// A zev.conf holding conflict markers is refused as unreadable: read as records it
// would mix both sides. Its content stays, to say where the markers are.
FileRead Workspace::readConfigAt(int at)
{
    FileRead config = readFileAt(at, kConfigFileName, ConfigFile::kLargestConfig);
    if (config.status == FileRead::Status::Read && ConfigFile::conflictMarkerLine(config.content) > 0) {
        config.status = FileRead::Status::Refused;
        config.error = kUnresolvedConflicts;
    }
    return config;
}

void Workspace::takeAsBase(const FileRead& config)
{
    configOnDisk = DiskStamp::of(config);
    configText = config.content;
    configBase = config.content;
}

bool Workspace::recordStep(const QString& name, bool continuing)
{
    const bool recorded = steps.record(name, ConfigFile::serialize(serverRecords, clientRecords), continuing);
    followHistory();
    return recorded;
}

void Workspace::followHistory()
{
    modified = !steps.isAtSavedState();
    emit stateChanged();
}

void Workspace::giveHandles()
{
    for (Server* server : std::as_const(serverRecords))
        server->handle = ++lastHandle;
    for (ThinClient* client : std::as_const(clientRecords))
        client->handle = ++lastHandle;
}

Server* Workspace::findServer(quint64 handle) const
{
    for (Server* server : serverRecords) {
        if (server->handle == handle)
            return server;
    }
    return nullptr;
}

const Server* Workspace::server(quint64 handle) const
{
    return findServer(handle);
}

quint64 Workspace::addServer(const Server& values)
{
    return addServer(values, tr("New server “%1”"));
}

quint64 Workspace::cloneServer(const Server& values)
{
    return addServer(values, tr("Clone server “%1”"));
}

quint64 Workspace::addServer(const Server& values, const QString& stepName)
{
    Server* added = copyOf(values);
    added->handle = ++lastHandle;
    serverRecords.append(added);
    emit serverAdded(added->handle);
    recordStep(stepName.arg(added->display_name));
    return added->handle;
}

bool Workspace::editServer(quint64 handle, const Server& values)
{
    Server* server = findServer(handle);
    if (!server)
        return false;
    assignFields(*server, values);
    emit serverChanged(handle);
    return recordStep(tr("Edit server “%1”").arg(server->display_name));
}

bool Workspace::deleteServer(quint64 handle)
{
    Server* server = findServer(handle);
    if (!server)
        return false;
    const QString name = server->display_name;
    serverRecords.removeOne(server);
    for (ThinClient* client : std::as_const(clientRecords))
        client->server_ids.removeOne(server->server_id);
    delete server;
    emit serverRemoved(handle);
    emit thinClientsChanged();
    return recordStep(tr("Delete server “%1”").arg(name));
}

bool Workspace::placeLabel(quint64 handle, const QRect& box, bool resize, bool continuing)
{
    Server* server = findServer(handle);
    if (!server)
        return false;
    server->xpos = box.x();
    server->ypos = box.y();
    server->width = box.width();
    server->height = box.height();
    emit serverChanged(handle);
    const QString step = resize ? tr("Resize label “%1”") : tr("Move label “%1”");
    return recordStep(step.arg(server->display_name), continuing);
}

bool Workspace::addThinClient(const QString& desc, const QString& serialNumber)
{
    auto* added = new ThinClient(desc, serialNumber);
    added->handle = ++lastHandle;
    clientRecords.append(added);
    emit thinClientsChanged();
    return recordStep(tr("Add thinclient “%1”").arg(desc));
}

bool Workspace::editThinClients(const QList<ThinClient*>& edited)
{
    return replaceThinClients(edited, tr("Edit thinclients"));
}

bool Workspace::assignServers(const QList<ThinClient*>& edited)
{
    return replaceThinClients(edited, tr("Assign servers"));
}

// The edited copies take the records' place; a copy of a record keeps its handle.
bool Workspace::replaceThinClients(const QList<ThinClient*>& edited, const QString& stepName)
{
    QList<ThinClient*> replaced;
    replaced.reserve(edited.size());
    for (const ThinClient* client : edited) {
        replaced << copyOf(*client);
        if (replaced.last()->handle == 0)
            replaced.last()->handle = ++lastHandle;
    }
    qDeleteAll(clientRecords);
    clientRecords = std::move(replaced);
    emit thinClientsChanged();
    return recordStep(stepName);
}

ThinClientImport::Stats Workspace::importThinClients(const QByteArray& list,
                                                     const std::function<void(const QString&)>& rejected)
{
    const ThinClientImport::Stats stats = ThinClientImport::merge(list, clientRecords, rejected);
    for (ThinClient* client : std::as_const(clientRecords)) {
        if (client->handle == 0)
            client->handle = ++lastHandle;
    }
    if (stats.added > 0 || stats.updated > 0) {
        emit thinClientsChanged();
        recordStep(tr("Import thinclient list"));
    }
    return stats;
}

void Workspace::undo()
{
    if (!steps.canUndo())
        return;
    std::optional<QByteArray> base;
    restore(steps.undo(&base));
    moveBase(base);
}

void Workspace::redo()
{
    if (!steps.canRedo())
        return;
    std::optional<QByteArray> base;
    restore(steps.redo(&base));
    moveBase(base);
}

// Undoing a merge puts back the base from before it, so that what it brought
// in counts again as another program's; records that are what the disk holds
// need no merge at all.
void Workspace::moveBase(const std::optional<QByteArray>& base)
{
    if (base)
        configBase = *base;
    if (configBase != configText && ConfigFile::serialize(serverRecords, clientRecords) == configText)
        configBase = configText;
}

void Workspace::restore(const QByteArray& state)
{
    clearRecords();
    ConfigFile::parse(state, serverRecords, clientRecords);
    giveHandles();
    emit recordsReset();
    followHistory();
}

// One transaction: under the lock, zev.conf first, and nothing else when it
// cannot be written; the data count as saved only when every file was.
SaveOutcome Workspace::save(const SaveQuestions& questions)
{
    SaveOutcome outcome;
    outcome.stoppedAt = configPath();
    const auto stopWith = [&outcome](SaveOutcome::Status status, int error = 0) {
        outcome.status = status;
        outcome.error = error;
        return outcome;
    };
    const SaveLock lock(folder.get(), questions.keepWaiting);
    if (!isHeld(lock, outcome))
        return outcome;

    // Another program's change found while the files were being written is
    // asked about as one found before: nothing is put in place meanwhile.
    for (;;) {
        DiskStamp expected = configOnDisk;
        if (!settleChangeOnDisk(questions, outcome, expected))
            return outcome;
        // An empty configuration is never written: the file on disk keeps what it holds.
        if (serverRecords.isEmpty() && clientRecords.isEmpty())
            break;
        const QByteArray config = ConfigFile::serialize(serverRecords, clientRecords);
        // zev.conf kept elsewhere through a link is saved where the link points,
        // but only through links this user or root made.
        const TrustedNames::Place place = TrustedNames::followTrustedLinks(folder.get(), kConfigFileName.toUtf8());
        if (!place.folder.isOpen())
            return stopWith(SaveOutcome::Status::ConfigRefused, kUntrustedLink);
        const QString configName = QFile::decodeName(place.name);
        BatchSave configSave(place.folder.get(), path);
        struct stat written;
        if (const int error = configSave.stage(configName, config, &written)) {
            outcome.advice = SharedFolder::advice(place.folder.get(), configName);
            return stopWith(SaveOutcome::Status::ConfigRefused, error);
        }

        const auto deviceFailed = [this, &outcome, &questions](const QString& file, int error) {
            outcome.failedDevices.append(failure(file, error));
            return !questions.continueAfterFailure || questions.continueAfterFailure(file, error);
        };
        BatchSave deviceSave(folder.get(), path); // what it staged is discarded if zev.conf fails
        const ClientConfigFile::Staging staging = ClientConfigFile::stageAll(
            deviceSave, folder.get(), serverRecords, clientRecords, deviceFailed, questions.progress, &knownFiles);
        if (staging.cancelled)
            return stopWith(SaveOutcome::Status::Cancelled);
        if (!expected.stillMatches(folder.get(), kConfigFileName)) {
            outcome.failedDevices.clear();
            continue;
        }

        const int deviceFiles = int(deviceSave.stagedFiles()); // two serial numbers may name one file
        if (const int configError = configSave.commitOrFail())
            return stopWith(SaveOutcome::Status::ConfigRefused, configError);
        // What the swap displaced is what was expected there, or another program's late change.
        if (const int displacedIn = configSave.displacedFolder(configName); displacedIn >= 0) {
            outcome.displacedChange = !expected.stillMatches(displacedIn, configName);
            if (outcome.displacedChange)
                outcome.displacedCopy = configSave.previousVersionPath(configName);
        }
        configOnDisk = DiskStamp::ofWritten(written, config);
        configOnDisk.followPlacing(place.folder.get(), configName);
        configText = config;
        configBase = config;
        outcome.configWritten = true;
        const bool placed = deviceSave.commit(staging.stopped ? BatchSave::Failed() : BatchSave::Failed(deviceFailed));
        rememberWritten(staging, placed);
        if (!staging.allStaged || !placed) {
            steps.markNothingSaved();
            followHistory();
            return stopWith(SaveOutcome::Status::DevicesFailed);
        }
        outcome.devicesWritten = deviceFiles;
        outcome.devicesUnchanged = staging.unchanged;
        break;
    }
    behindFiles.clear();
    steps.markSaved();
    followHistory();
    return outcome;
}

// A file that could not be put in place is not known to be anything: after a
// failed commit, the next save writes every file again.
void Workspace::rememberWritten(const ClientConfigFile::Staging& staging, bool placed)
{
    if (placed)
        ClientConfigFile::remember(folder.get(), staging, knownFiles);
    else
        knownFiles.clear();
}

// Whether the lock is held; otherwise outcome says why not.
bool Workspace::isHeld(const SaveLock& lock, SaveOutcome& outcome) const
{
    switch (lock.status()) {
    case SaveLock::Status::Held:
        return true;
    case SaveLock::Status::Busy:
        outcome.status = SaveOutcome::Status::Busy;
        return false;
    case SaveLock::Status::Cancelled:
        outcome.status = SaveOutcome::Status::Cancelled;
        return false;
    case SaveLock::Status::Refused:
        outcome.status = SaveOutcome::Status::LockRefused;
        outcome.error = lock.error();
        outcome.stoppedAt = path + u'/' + SaveLock::kFileName;
        if (const QString advice = SharedFolder::advice(folder.get(), SaveLock::kFileName); !advice.isEmpty())
            //: %1 says what the owner of the lock file can do
            outcome.advice = tr("%1, or remove it while nobody is saving").arg(advice);
        return false;
    }
    return false;
}

FileFailure Workspace::failure(const QString& file, int error) const
{
    return {file, error, SharedFolder::advice(folder.get(), QFileInfo(file).fileName())};
}

SaveOutcome Workspace::writeDeviceFiles()
{
    SaveOutcome outcome;
    outcome.stoppedAt = configPath();
    const SaveLock lock(folder.get());
    if (!isHeld(lock, outcome))
        return outcome;
    // The device files of another version than the one read would be wrong.
    if (!configOnDisk.stillMatches(folder.get(), kConfigFileName)) {
        outcome.status = SaveOutcome::Status::Cancelled;
        return outcome;
    }
    BatchSave deviceSave(folder.get(), path);
    const auto deviceFailed = [this, &outcome](const QString& file, int error) {
        outcome.failedDevices.append(failure(file, error));
        return true;
    };
    const ClientConfigFile::Staging staging =
        ClientConfigFile::stageAll(deviceSave, folder.get(), serverRecords, clientRecords, deviceFailed, {}, &knownFiles);
    const int deviceFiles = int(deviceSave.stagedFiles()); // two serial numbers may name one file
    const bool placed = deviceSave.commit(deviceFailed);
    rememberWritten(staging, placed);
    if (!placed || !staging.allStaged) {
        outcome.status = SaveOutcome::Status::DevicesFailed;
        return outcome;
    }
    outcome.devicesWritten = deviceFiles;
    outcome.devicesUnchanged = staging.unchanged;
    behindFiles.clear();
    return outcome;
}

bool Workspace::settleChangeOnDisk(const SaveQuestions& questions, SaveOutcome& outcome, DiskStamp& expected)
{
    const ConfigChange change = changeOnDisk();
    if (change == ConfigChange::None)
        return true;
    const ChangedConfigAnswer answer =
        questions.changedConfig ? questions.changedConfig(change) : ChangedConfigAnswer::Cancel;
    if (answer == ChangedConfigAnswer::Cancel || (answer == ChangedConfigAnswer::Merge && !canMerge(change))) {
        outcome.status = SaveOutcome::Status::Cancelled;
        return false;
    }
    if (answer == ChangedConfigAnswer::Replace) {
        expected = DiskStamp::of(readConfig()); // theirs, as the user chose to replace it
        return true;
    }
    outcome.merged = mergeFromDisk(questions.settleConflicts);
    if (outcome.merged->status == MergeOutcome::Status::Merged) {
        expected = configOnDisk;
        return true;
    }
    if (outcome.merged->status == MergeOutcome::Status::Unreadable) {
        outcome.status = SaveOutcome::Status::ConfigRefused;
        outcome.error = outcome.merged->error;
    } else {
        outcome.status = SaveOutcome::Status::Cancelled;
    }
    return false;
}

ConfigChange Workspace::changeOnDisk() const
{
    struct stat seen;
    const bool present = ::fstatat(folder.get(), kConfigFileName.toUtf8().constData(), &seen, AT_SYMLINK_NOFOLLOW) == 0;
    if (configOnDisk.stillMatches(folder.get(), kConfigFileName) && configBase == configText)
        return ConfigChange::None;
    if (!present)
        return ConfigChange::Deleted;
    return configBase.isEmpty() ? ConfigChange::Created : ConfigChange::Changed;
}

ConfigChange Workspace::lookAtDisk()
{
    const ConfigChange change = changeOnDisk();
    if (change == ConfigChange::Deleted && !modified) {
        steps.markNothingSaved();
        followHistory();
    }
    return change;
}

MergeOutcome Workspace::mergeFromDisk(const SettleConflicts& settle)
{
    MergeOutcome outcome;
    outcome.change = changeOnDisk();
    if (!canMerge(outcome.change)) {
        outcome.status = MergeOutcome::Status::NothingToMerge;
        return outcome;
    }
    const FileRead theirs = readConfig();
    if (theirs.status == FileRead::Status::Refused) {
        outcome.status = MergeOutcome::Status::Unreadable;
        outcome.error = theirs.error;
        return outcome;
    }
    MergeResult merged = mergeConfigurations(configBase, ConfigFile::serialize(serverRecords, clientRecords), theirs.content);
    if (!merged.conflicts.isEmpty() && !(settle && settle(merged.conflicts))) {
        outcome.status = MergeOutcome::Status::Cancelled;
        return outcome;
    }
    outcome.changes = merged.changes();
    outcome.serversTaken = merged.recordsTaken(ConfigRecords::Kind::Server);
    outcome.devicesTaken = merged.recordsTaken(ConfigRecords::Kind::Device);
    const QByteArray text = merged.text();
    const QByteArray baseBefore = configBase;
    takeAsBase(theirs);
    restore(text);
    steps.record(tr("Merge changes from disk"), ConfigFile::serialize(serverRecords, clientRecords), false,
                 EditHistory::BaseMove{baseBefore, configBase});
    // Unless the other program's file already held it all, the disk holds no state of the history.
    if (text == theirs.content)
        steps.markSaved();
    else
        steps.markNothingSaved();
    followHistory();
    return outcome;
}

bool Workspace::reloadFromDisk(FileError* error)
{
    const FileRead theirs = readConfig();
    if (theirs.status == FileRead::Status::Refused) {
        if (error)
            *error = theirs.error;
        return false;
    }
    const QByteArray baseBefore = configBase;
    takeAsBase(theirs);
    restore(theirs.content);
    steps.record(tr("Reload from disk"), ConfigFile::serialize(serverRecords, clientRecords), false,
                 EditHistory::BaseMove{baseBefore, configBase});
    steps.markSaved();
    noticeFilesBehind();
    followHistory();
    return true;
}

QStringList Workspace::problems(const QSize& picture) const
{
    return configurationProblems(serverRecords, clientRecords, picture, namesIn(folder.get()));
}

QStringList Workspace::sharingProblems() const
{
    QStringList names{kConfigFileName, QString::fromLatin1(SaveLock::kFileName)};
    for (const ThinClient* client : clientRecords)
        names << ClientConfigFile::fileName(client->serial_number);
    names.removeAll(QString());
    names.removeDuplicates();
    QStringList problems;
    for (const QString& name : std::as_const(names)) {
        if (const QString advice = SharedFolder::advice(folder.get(), name); !advice.isEmpty())
            problems << advice;
    }
    return problems;
}

BackupOutcome Workspace::backup(const QString& targetPath) const
{
    BackupOutcome outcome;
    outcome.failedFile = targetPath;
    const auto failed = [&outcome](BackupOutcome::Status status, const FileError& error) {
        outcome.status = status;
        outcome.error = error;
        return outcome;
    };
    const QFileInfo target(targetPath);
    FileError folderError;
    const Descriptor targetFolder = TrustedNames::openChosenFolder(target.absolutePath(), folderError);
    if (!targetFolder.isOpen())
        return failed(BackupOutcome::Status::Failed, folderError);
    // A new file only: never over an existing one, never through a link at that name.
    struct stat seen;
    if (::fstatat(targetFolder.get(), TrustedNames::nativeName(target.fileName()).constData(), &seen,
                  AT_SYMLINK_NOFOLLOW) == 0)
        return failed(BackupOutcome::Status::Exists, EEXIST);
    const FileRead config = readConfig();
    if (config.status != FileRead::Status::Read) {
        outcome.failedFile = configPath();
        return failed(BackupOutcome::Status::Failed, config.error);
    }
    BatchSave file(targetFolder.get(), target.absolutePath(), BatchSave::PreviousVersions::NotKept);
    file.limitNewFiles(config.seen.st_mode & 0664);
    file.keepExistingFiles();
    // A file made there meanwhile is not replaced: that is "exists" too.
    if (const int error = file.save(target.fileName(), config.content))
        return failed(error == EEXIST ? BackupOutcome::Status::Exists : BackupOutcome::Status::Failed, error);
    return outcome;
}
