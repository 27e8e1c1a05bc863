#include "model/ThinClientImport.h"

#include "model/ClientConfigFile.h"
#include "model/Lookup.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"

namespace ThinClientImport {

Stats merge(const QByteArray& content, QList<ThinClient*>& thinClients,
            const std::function<void(const QString& line)>& rejectedLine)
{
    SerialIndex index(thinClients);
    Stats stats;
    forEachLine(content, [&](QStringView line) {
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            return;
        const QList<QStringView> parts = line.split(u",,,");
        if (parts.size() != 2) {
            stats.skipped << line.toString();
            return;
        }
        // The serial number names the device's file, so it must be usable as a file name.
        if (!ClientConfigFile::isUsableSerial(parts[0])) {
            ++stats.rejected;
            rejectedLine(line.toString());
            return;
        }
        const QString serial = serialKey(parts[0].toString());
        if (ThinClient* known = index.find(serial)) {
            known->desc = parts[1].toString();
            ++stats.updated;
            return;
        }
        auto* added = new ThinClient(parts[1].toString(), serial);
        thinClients.append(added);
        index.add(added);
        ++stats.added;
    });
    return stats;
}

QString statusText(const Stats& stats)
{
    const QString counts = QStringLiteral("\nImport completed. Here are the stats:\n\nNew entries:\t\t%1\nUpdated entries:\t%2\n"
                                          "Rejected entries:\t%3")
                               .arg(stats.added)
                               .arg(stats.updated)
                               .arg(stats.rejected);
    if (stats.skipped.isEmpty())
        return counts;
    return counts + QStringLiteral("\nSkipped lines (not SERIAL,,,Description): %1").arg(stats.skipped.size());
}

} // namespace ThinClientImport
