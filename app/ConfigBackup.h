#pragma once

#include <QString>

#include <functional>

class QWidget;

// "Save backup": copies zev.conf of workingDir to a new file the user names.
// It offers to save unsaved changes first and never overwrites a file.
void runConfigBackup(QWidget* parent, const QString& workingDir, bool modified, const std::function<void()>& save);
