#include "model/ThinClientImport.h"

#include "model/ClientConfigFile.h"
#include "model/Lookup.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"

#include <thread>
#include <vector>


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

// An entry line of the list and what it asks for, found without changing anything.
struct Entry {
    enum Kind : quint8 { Rejected, Known, Unknown };
    Kind kind;
    QStringView line;
    ThinClient* known;
};

void classifyLines(QStringView text, const SerialIndex& index, std::vector<Entry>& entries)
{
    constexpr qsizetype kShortestEntryLine = 24; // room for most lists without growing
    entries.reserve(size_t(text.size() / kShortestEntryLine));
    QString scratch;
    forEachLine(text, [&](QStringView line) {
        QStringView serial;
        QStringView desc;
        if (line.startsWith(u'#') || !splitEntry(line, serial, desc))
            return;
        // The serial number names the device's file, so it must be usable as a file name.
        if (!ClientConfigFile::isUsableSerial(serial)) {
            entries.push_back({Entry::Rejected, line, nullptr});
            return;
        }
        ThinClient* known = index.find(serial, scratch);
        entries.push_back({known ? Entry::Known : Entry::Unknown, line, known});
    });
}

// Where the second half of text starts: just after a line end near its middle.
qsizetype middleLineStart(QStringView text)
{
    const qsizetype middle = text.indexOf(u'\n', text.size() / 2);
    return middle < 0 ? text.size() : middle + 1;
}

void describe(ThinClient& client, QStringView desc)
{
    if (client.desc != desc)
        client.desc = desc.toString();
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
    // Finding what each line asks for only reads, so a long list is read in
    // two halves at once on two cores; the changes are then made in list order.
    const QString text = decodedText(content);
    const QStringView all(text);
    constexpr qsizetype kShareFrom = 256 * 1024;
    const qsizetype secondHalf = all.size() >= kShareFrom ? middleLineStart(all) : all.size();
    std::vector<Entry> first;
    std::vector<Entry> second;
    index.refresh();
    std::thread helper;
    if (secondHalf < all.size())
        helper = std::thread([&] { classifyLines(all.sliced(secondHalf), index, second); });
    classifyLines(all.first(secondHalf), index, first);
    if (helper.joinable())
        helper.join();

    Stats stats;
    for (const std::vector<Entry>* entries : {&first, &second}) {
        for (const Entry& entry : *entries) {
            if (entry.kind == Entry::Rejected) {
                ++stats.rejected;
                rejectedLine(entry.line.toString());
                continue;
            }
            QStringView serial;
            QStringView desc;
            splitEntry(entry.line, serial, desc);
            if (entry.kind == Entry::Known) {
                describe(*entry.known, desc);
                ++stats.updated;
                continue;
            }
            // An unknown serial number may have come in on an earlier line of this list.
            const QString upperSerial = serial.toString().toUpper();
            if (ThinClient* added = index.find(upperSerial)) {
                describe(*added, desc);
                ++stats.updated;
            } else {
                thinClients.append(new ThinClient(desc.toString(), upperSerial)); // the index picks it up
                ++stats.added;
            }
        }
    }
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
