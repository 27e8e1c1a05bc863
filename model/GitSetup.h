#pragma once

#include <QString>
#include <QStringList>

// A working folder kept in a git work tree, one clone per site: zev.conf
// merges by record through zevctl's driver, and hooks write the device files
// whenever the checked-out zev.conf changes (they are generated, so git keeps
// none of them).
namespace GitSetup {

// What setting up the repository around folder did, a line each, or why it
// could not ("not in a git work tree"). zevctl is the program the driver and
// the hooks run. Running it again changes nothing.
struct Outcome {
    bool done = false;
    QStringList lines;
};
Outcome setUp(const QString& folder, const QString& zevctl);

// The working folders git-setup was run for in the repository around folder.
QStringList folders(const QString& folder);

// Said when folder is in a git work tree whose clone lacks the driver or the
// hooks (they do not travel with a clone); empty otherwise, and outside git.
QString missing(const QString& folder);

} // namespace GitSetup
