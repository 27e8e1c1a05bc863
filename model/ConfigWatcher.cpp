#include "model/ConfigWatcher.h"

ConfigWatcher::ConfigWatcher(Workspace& workspace, QObject* parent) : QObject(parent), workspace(workspace)
{
    settle.setSingleShot(true);
    settle.setInterval(200);
    connect(&settle, &QTimer::timeout, this, &ConfigWatcher::look);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, &settle, qOverload<>(&QTimer::start));
    connect(&watcher, &QFileSystemWatcher::fileChanged, &settle, qOverload<>(&QTimer::start));
}

void ConfigWatcher::watch()
{
    if (!watcher.directories().isEmpty())
        watcher.removePaths(watcher.directories());
    if (!watcher.files().isEmpty())
        watcher.removePaths(watcher.files());
    told = ConfigChange::None;
    watcher.addPath(workspace.folderPath());
    watcher.addPath(workspace.configPath()); // fails quietly while there is no zev.conf
}

void ConfigWatcher::look()
{
    if (!watcher.files().contains(workspace.configPath()))
        watcher.addPath(workspace.configPath());
    const ConfigChange change = workspace.lookAtDisk();
    if (change != told && change != ConfigChange::None)
        emit changedOnDisk(change);
    told = change;
}
