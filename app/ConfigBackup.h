#pragma once

#include <functional>

class QWidget;
class Workspace;

// "Save backup": copies zev.conf of the working folder to a new file the user
// names. It offers to save unsaved changes first (save returns whether it
// did), and never overwrites a file.
void runConfigBackup(QWidget* parent, const Workspace& workspace, const std::function<bool()>& save);
