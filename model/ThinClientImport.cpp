#include "model/ThinClientImport.h"

#include "model/ClientConfigFile.h"
#include "model/Lookup.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ThinClientImport)
};

} // namespace

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
    //: the tabs line up the numbers; keep them so
    const QString counts = Text::tr("\nImport completed. Here are the stats:\n\n"
                                    "New entries:\t\t%L1\nUpdated entries:\t%L2\nRejected entries:\t%L3")
                               .arg(stats.added)
                               .arg(stats.updated)
                               .arg(stats.rejected);
    if (stats.skipped.isEmpty())
        return counts;
    //: SERIAL,,,Description is the form of a line of the list, and stays as it is
    return counts + u'\n' + Text::tr("Skipped lines (not SERIAL,,,Description): %L1").arg(stats.skipped.size());
}

} // namespace ThinClientImport
