#pragma once

#include "model/Server.h"
#include "model/ThinClient.h"

#include <QHash>
#include <QList>
#include <QString>

// First match in list order, letter case ignored; nullptr when there is none.
// Two serial numbers are one device when they name one file, so they are
// compared in upper case, as the file name is made ("ß" is "SS").
Server* findServerById(const QList<Server*>& servers, const QString& id);
ThinClient* findThinClientBySerial(const QList<ThinClient*>& thinClients, const QString& serial);

// The keys those look-ups compare: equal keys, equal records.
QString caseInsensitiveKey(const QString& text);
QString serialKey(const QString& serial);
// Two servers with the same host and remote application, in any letter case, are one server.
QString hostAndApplicationKey(const QString& host, const QString& remoteApplication);
QString hostAndApplicationKey(const Server& server);

// The same look-ups through a hash, for callers that look up many keys.
template <typename Record, QString Record::*Field, QString (*KeyOf)(const QString&)>
class RecordIndex {
public:
    explicit RecordIndex(const QList<Record*>& records)
    {
        firstOfKey.reserve(records.size());
        for (Record* record : records)
            add(record);
    }

    // Takes in a record appended to the list after the index was made.
    void add(Record* record)
    {
        const QString key = KeyOf(record->*Field);
        if (!firstOfKey.contains(key)) // the first record in list order wins
            firstOfKey.insert(key, record);
    }

    Record* find(const QString& key) const { return firstOfKey.value(KeyOf(key), nullptr); }

private:
    QHash<QString, Record*> firstOfKey;
};

using ServerIndex = RecordIndex<Server, &Server::server_id, caseInsensitiveKey>;
using SerialIndex = RecordIndex<ThinClient, &ThinClient::serial_number, serialKey>;
