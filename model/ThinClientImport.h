#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class ThinClient;

// Merging a list of devices: lines of serial number, ",,," and description;
// "#" starts a comment. Any other line that is not blank is skipped, and said.
namespace ThinClientImport {

struct Stats {
    int added = 0;
    int updated = 0;
    int rejected = 0;
    QStringList skipped; // lines that are not SERIAL,,,Description, as read
};

// Merges content into thinClients: a known serial number (one that names the
// same file) gets the new description, an unknown one a new device at the end,
// in upper case. rejectedLine is called with each entry whose serial number
// cannot name a file.
Stats merge(const QByteArray& content, QList<ThinClient*>& thinClients,
            const std::function<void(const QString& line)>& rejectedLine);

// The status report shown after an import; the skipped lines are counted
// there, and listed by the caller.
QString statusText(const Stats& stats);

} // namespace ThinClientImport
