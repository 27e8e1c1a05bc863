#include "model/ThinClientImport.h"

#include "model/ClientConfigFile.h"
#include "model/Lookup.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"


namespace {

constexpr qsizetype kSeparatorSize = 3; // ",,,"

// Where ",,," starts at or after from, or -1. A plain scan: far quicker than a
// general substring search for a needle this short.
qsizetype findSeparator(QStringView line, qsizetype from)
{
    for (qsizetype i = from; i + kSeparatorSize <= line.size(); ++i) {
        if (line[i] == u',' && line[i + 1] == u',' && line[i + 2] == u',')
            return i;
    }
    return -1;
}

bool isAscii(QStringView text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Splits an entry line at ",,,"; false unless it holds the separator exactly once.
bool splitEntry(QStringView line, QStringView& serial, QStringView& desc)
{
    const qsizetype separator = findSeparator(line, 0);
    if (separator < 0 || findSeparator(line, separator + kSeparatorSize) >= 0)
        return false;
    serial = line.first(separator);
    desc = line.sliced(separator + kSeparatorSize);
    return true;
}

} // namespace

namespace ThinClientImport {

Stats merge(const QByteArray& content, QList<ThinClient*>& thinClients,
            const std::function<void(const QString& line)>& rejectedLine)
{
    SerialIndex index(thinClients);
    return merge(content, thinClients, index, rejectedLine);
}

Stats merge(const QByteArray& content, QList<ThinClient*>& thinClients, const SerialIndex& index,
            const std::function<void(const QString& line)>& rejectedLine)
{
    Stats stats;
    forEachLine(content, [&](QStringView line) {
        QStringView part;
        QStringView desc;
        if (line.startsWith(u'#') || !splitEntry(line, part, desc))
            return;
        // The serial number names the device's file, so it must be usable as a file name.
        if (!ClientConfigFile::isUsableSerial(part)) {
            ++stats.rejected;
            rejectedLine(line.toString());
            return;
        }
        // For ASCII, the upper-cased serial and the typed one find the same device.
        QString serial;
        if (!isAscii(part))
            serial = part.toString().toUpper();
        if (ThinClient* existing = index.find(serial.isNull() ? part : QStringView(serial))) {
            if (existing->desc != desc)
                existing->desc = desc.toString();
            ++stats.updated;
            return;
        }
        if (serial.isNull())
            serial = part.toString().toUpper();
        thinClients.append(new ThinClient(desc.toString(), serial)); // the index picks it up by itself
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
