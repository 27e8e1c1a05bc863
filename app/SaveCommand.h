#pragma once

#include "model/Workspace.h"

class QWidget;

// A save from the window: the workspace asks its questions through the boxes
// (another program's change, a device file that cannot be written), a small
// progress dialog shows while another program holds the lock, and the
// outcome is reported in a box.
SaveOutcome runSave(QWidget* parent, Workspace& workspace);
