#pragma once

#include "model/Workspace.h"

#include <QString>

// What a save or a merge did, in the words both the window's status bar and
// the command line use, in the user's language; numbers in the default locale.
namespace SaveReport {

// "Merged with the changes on disk: 2 servers, 4 devices"
QString merged(const MergeOutcome& merged);
// "Saved zev.conf and 3 device files", "Saved 3 device files" (zev.conf left as it
// was) or "Saved: nothing to write", after what a merge did first, and then how
// many device files needed no writing ("; 97 already up to date").
QString saved(const SaveOutcome& saved);
// Another program's change that came in the instant before zev.conf was
// replaced, and where it is kept; empty when there was none.
QString displacedChange(const SaveOutcome& saved);

// "1,234 device files do not match zev.conf — Save writes them"; empty for none.
QString devicesBehind(qsizetype count);

} // namespace SaveReport
