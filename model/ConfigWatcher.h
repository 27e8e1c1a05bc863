#pragma once

#include "model/Workspace.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Tells at once when another program changes zev.conf in the working folder.
// The folder is watched (a save by rename shows there) and the file itself (a
// change in place); the file is watched again after each change, as a rename
// ends its watch. What changed is judged by the workspace, through its folder
// (a deleted zev.conf makes its records unsaved).
class ConfigWatcher : public QObject {
    Q_OBJECT
public:
    ConfigWatcher(Workspace& workspace, QObject* parent);
    // From now on, the workspace's folder (after each load).
    void watch();

signals:
    void changedOnDisk(ConfigChange change);

private:
    void look();

    Workspace& workspace;
    QFileSystemWatcher watcher;
    QTimer settle; // a save is several changes: looked at once they are over
    ConfigChange told = ConfigChange::None;
};
