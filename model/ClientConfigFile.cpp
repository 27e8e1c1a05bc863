#include "model/ClientConfigFile.h"

#include "model/BatchSave.h"
#include "model/Lookup.h"
#include "model/ServerFields.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray serverBlock(const Server& server)
{
    QString out = QStringLiteral("[SERVER]\n");
    for (const ServerField& field : serverFields()) {
        if (field.deviceKey.isNull())
            continue;
        const QString value = field.valueOf(server);
        appendKeyValue(out, field.deviceKey, field.lowerCaseOnDevice ? value.toLower() : value);
    }
    out += u'\n';
    return out.toUtf8();
}

// Every device file is the header and some server blocks: each block is
// made once per save, and found by id through the index, not by walking the list.
class ServerBlocks {
public:
    explicit ServerBlocks(const QList<Server*>& servers)
        : header(configFileHeader("zev_tc.conf").toUtf8()), headerDigest(digestOf(header)), index(servers)
    {
    }

    // What the file for client is made of, without making it: the digests of
    // its header and blocks in order.
    QByteArray makingOf(const ThinClient& client) const
    {
        QByteArray making = headerDigest;
        making.reserve(headerDigest.size() * (client.server_ids.size() + 1));
        for (const QString& id : client.server_ids) {
            auto known = digestOfId.constFind(id);
            if (known == digestOfId.cend())
                known = digestOfId.insert(id, digestOf(blockFor(id)));
            making += *known;
        }
        return making;
    }

    QByteArray fileFor(const ThinClient& client) const
    {
        QByteArray out = header;
        for (const QString& id : client.server_ids)
            out += blockFor(id);
        return out;
    }

    // Whether bytes are exactly the file for client, compared piece by piece
    // without making it.
    bool isFileFor(const ThinClient& client, QByteArrayView bytes) const
    {
        if (!bytes.startsWith(header))
            return false;
        qsizetype at = header.size();
        for (const QString& id : client.server_ids) {
            const QByteArray block = blockFor(id);
            if (bytes.sliced(at).first(qMin(block.size(), bytes.size() - at)) != block)
                return false;
            at += block.size();
        }
        return at == bytes.size();
    }

private:
    // The block of the server a device names by id (empty for none), looked up
    // once per id as devices write it, not once per device.
    QByteArray blockFor(const QString& id) const
    {
        auto known = blockOfId.constFind(id);
        if (known == blockOfId.cend()) {
            const Server* server = index.find(id);
            known = blockOfId.insert(id, server ? blockOf(*server) : QByteArray());
        }
        return *known;
    }

    const QByteArray& blockOf(const Server& server) const
    {
        auto found = blocks.find(&server);
        if (found == blocks.end())
            found = blocks.insert(&server, serverBlock(server));
        return *found;
    }

    // 128 bits of SHA-256: no two blocks a fleet holds share one.
    static QByteArray digestOf(const QByteArray& bytes)
    {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).first(16);
    }

    QByteArray header;
    QByteArray headerDigest;
    ServerIndex index;
    mutable QHash<const Server*, QByteArray> blocks;
    mutable QHash<QString, QByteArray> blockOfId;
    mutable QHash<QString, QByteArray> digestOfId;
};

// A device file longer than this is not one ZEV wrote.
constexpr qint64 kLargestDeviceFile = 16 * 1024 * 1024;

bool readWhole(int fd, qint64 size, QByteArray& bytes)
{
    bytes.resize(size);
    return ::pread(fd, bytes.data(), size_t(size), 0) == size;
}

} // namespace

namespace ClientConfigFile {

bool isUsableSerial(QStringView serialNumber)
{
    return !serialNumber.isEmpty() && !serialNumber.contains(u'/') && !serialNumber.contains(u'\\') &&
           !serialNumber.contains(QChar(0));
}

QString fileName(const QString& serialNumber)
{
    return isUsableSerial(serialNumber) ? serialNumber.toUpper() + QStringLiteral(".conf") : QString();
}

QByteArray serialize(const ThinClient& client, const QList<Server*>& servers)
{
    return ServerBlocks(servers).fileFor(client);
}

Staging stageAll(BatchSave& batch, int folder, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
                 const ContinueQuestion& continueAfterFailure, const Progress& progress, const KnownFiles* known)
{
    const ServerBlocks blocks(servers);
    Staging staging;
    QStringList names;
    names.reserve(thinClients.size());
    for (const ThinClient* client : thinClients)
        names << fileName(client->serial_number);
    // Two serial numbers may name one file: only the last device's content is written there.
    QHash<QString, qsizetype> lastOfName;
    if (known) {
        lastOfName.reserve(names.size());
        for (qsizetype i = 0; i < names.size(); ++i)
            lastOfName.insert(names[i], i);
    }
    for (qsizetype i = 0; i < thinClients.size(); ++i) {
        const ThinClient* client = thinClients[i];
        const QString& name = names[i];
        int error = name.isEmpty() ? int(kUnusableName) : 0;
        if (error == 0 && !known) {
            error = batch.stage(name, blocks.fileFor(*client));
            staging.staged += error == 0;
        } else if (error == 0 && lastOfName.value(name) == i) {
            QByteArray making = blocks.makingOf(*client);
            const auto was = known->constFind(name);
            if (was != known->cend() && was->madeOf == making && FileStamp::at(folder, name) == was->stamp) {
                ++staging.unchanged;
            } else if (struct stat placed; (error = batch.stage(name, blocks.fileFor(*client), &placed)) == 0) {
                ++staging.staged;
                staging.written.append({name, std::move(making), FileStamp::of(placed)});
            }
        }
        if (error == 0) {
            if (progress && !progress(int(i + 1), int(thinClients.size()))) {
                staging.stopped = staging.cancelled = true;
                break;
            }
            continue;
        }
        staging.allStaged = false;
        const QString shownName = name.isEmpty() ? client->serial_number.toUpper() + QStringLiteral(".conf") : name;
        if (!continueAfterFailure(batch.targetPath(shownName), error)) {
            staging.stopped = true;
            break;
        }
    }
    return staging;
}

void remember(int folder, const Staging& staging, KnownFiles& known)
{
    for (const Staging::Written& file : staging.written) {
        if (const std::optional<FileStamp> placed = file.stamp.placedAt(folder, file.name))
            known.insert(file.name, {*placed, file.madeOf});
        else
            known.remove(file.name);
    }
}

QList<FileBehind> filesBehind(int folder, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
                              KnownFiles* known)
{
    const ServerBlocks blocks(servers);
    QList<FileBehind> behind;
    QSet<QString> seen;
    seen.reserve(thinClients.size());
    QByteArray onDisk;
    // Two serial numbers may name one file: the last device's content is the one a save writes.
    for (auto client = thinClients.crbegin(); client != thinClients.crend(); ++client) {
        const QString name = fileName((*client)->serial_number);
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        const Descriptor file(::openat(folder, QFile::encodeName(name).constData(),
                                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!file.isOpen() && errno == ENOENT) {
            behind.append({name, true});
            continue;
        }
        // Only a regular file of at most that size is read through: a pipe or a huge file is simply behind.
        struct stat found;
        const bool same = file.isOpen() && ::fstat(file.get(), &found) == 0 && S_ISREG(found.st_mode) &&
                          found.st_size <= kLargestDeviceFile && readWhole(file.get(), found.st_size, onDisk) &&
                          blocks.isFileFor(**client, onDisk);
        if (!same)
            behind.append({name, false});
        else if (known)
            known->insert(name, {FileStamp::of(found), blocks.makingOf(**client)});
    }
    std::reverse(behind.begin(), behind.end());
    return behind;
}

bool writeAll(BatchSave& batch, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
              const ContinueQuestion& continueAfterFailure)
{
    const Staging staging = stageAll(batch, -1, servers, thinClients, continueAfterFailure);
    // After a stop, the devices before it keep their files and nothing more is asked.
    return batch.commit(staging.stopped ? BatchSave::Failed() : continueAfterFailure) && staging.allStaged;
}

} // namespace ClientConfigFile
