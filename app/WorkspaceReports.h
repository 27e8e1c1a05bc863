#pragma once

#include "model/Workspace.h"

class QWidget;

// What opening the working folder found, in boxes: a folder that cannot be
// opened, a picture that cannot be read (said at once: a pipe cannot make the
// window wait), a zev.conf that cannot be read. Each returns whether all was well.
bool reportFolder(QWidget* parent, const LoadOutcome& loaded);
// decoded: whether the bytes read made a picture.
bool reportPicture(QWidget* parent, const QString& picturePath, const LoadOutcome& loaded, bool decoded);
// zev.conf holds merge conflict markers: said, and nothing is loaded. False then.
bool reportUnresolvedConflicts(QWidget* parent, const LoadOutcome& loaded);
bool reportConfig(QWidget* parent, const QString& configPath, const LoadOutcome& loaded);

// A save from the window: the workspace asks its questions through the boxes
// (another program's change, a device file that cannot be written), a small
// progress dialog shows while another program holds the lock and while the
// device files of a save slower than half a second are written, and the
// outcome is reported in a box or the status bar.
SaveOutcome runSave(QWidget* parent, Workspace& workspace);

// The status bar's word when another program changed zev.conf.
void reportChangeOnDisk(QWidget* parent, ConfigChange change);
// File ▸ Merge changes from disk and Reload from disk: each says what it did.
// The records were made anew (their labels must follow) when the merge's status
// is Merged, or when the reload returns true.
MergeOutcome runMergeFromDisk(QWidget* parent, Workspace& workspace);
bool runReloadFromDisk(QWidget* parent, Workspace& workspace);
// The changes a merge took from another program, a line each.
QString mergeDetails(const MergeOutcome& merged);
