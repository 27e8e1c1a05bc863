#pragma once

#include <QString>

// The working folder last opened, remembered in the user's own settings (never
// in a working folder), for the picture dialog to start in.
namespace RecentFolder {

QString last();
void remember(const QString& folder);

} // namespace RecentFolder
