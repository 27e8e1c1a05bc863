#include "model/ThinClientImport.h"

#include "model/ClientConfigFile.h"
#include "model/Lookup.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"


namespace {

const QString kSeparator = QStringLiteral(",,,");

} // namespace

namespace ThinClientImport {

Stats merge(const QByteArray& content, QList<ThinClient*>& thinClients,
            const std::function<void(const QString& line)>& rejectedLine)
{
    Stats stats;
    SerialIndex index(thinClients);
    forEachLine(content, [&](QStringView line) {
        if (line.startsWith(u'#'))
            return;
        const QList<QStringView> parts = line.split(kSeparator, Qt::KeepEmptyParts, Qt::CaseSensitive);
        if (parts.size() != 2)
            return;
        const QString serial = parts[0].toString().toUpper();
        // The serial number names the device's file, so it must be usable as a file name.
        if (ClientConfigFile::fileName(serial).isEmpty()) {
            ++stats.rejected;
            rejectedLine(line.toString());
            return;
        }
        if (ThinClient* existing = index.find(serial)) {
            existing->desc = parts[1].toString();
            ++stats.updated;
            return;
        }
        thinClients.append(new ThinClient(parts[1].toString(), serial)); // the index picks it up by itself
        ++stats.added;
    });
    return stats;
}

QString statusText(const Stats& stats)
{
    return QStringLiteral("\nImport completed. Here are the stats:\n\nNew entries:\t\t%1\nUpdated entries:\t%2\n"
                          "Rejected entries:\t%3")
        .arg(stats.added)
        .arg(stats.updated)
        .arg(stats.rejected);
}

} // namespace ThinClientImport
