#pragma once

#include "model/Server.h"
#include "model/ThinClient.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// First match in list order, letter case ignored; nullptr when there is none.
// Two serial numbers are one device when they name one file, so they are
// compared in upper case, as the file name is made ("ß" is "SS").
Server* findServerById(const QList<Server*>& servers, const QString& id);
ThinClient* findThinClientBySerial(const QList<ThinClient*>& thinClients, const QString& serial);

// The text with every character case-folded on its own, as QString's
// case-insensitive comparison does: two texts compare equal without regard to
// case exactly when their keys are equal.
QString caseInsensitiveKey(QStringView text);
// The same key, written into key (reusing its storage).
void setCaseInsensitiveKey(QString& key, QStringView text);
// A serial number's key: its upper-case form, which names the device's file.
void setSerialKey(QString& key, QStringView serial);

// The same look-up as above through a hash, for callers that look up many
// keys. It follows the list it indexes: invalidate() after records were
// changed, removed or replaced; appends are noticed by themselves.
template <typename Record, QString Record::*Key, void (*SetKey)(QString&, QStringView) = setCaseInsensitiveKey>
class CaseInsensitiveIndex {
public:
    explicit CaseInsensitiveIndex(const QList<Record*>& list) : list(list) {}

    Record* find(QStringView key) const { return find(key, scratchKey); }

    // The same, folding the key into the caller's scratch. Once refresh() has
    // run and while the list does not change, threads may look up at once.
    Record* find(QStringView key, QString& scratch) const
    {
        refresh();
        SetKey(scratch, key);
        return firstOfKey.value(scratch, nullptr);
    }

    void invalidate() { stale = true; }

    void refresh() const
    {
        if (!stale && indexedSize == list.size())
            return;
        if (stale || indexedSize > list.size()) {
            firstOfKey.clear();
            indexedSize = 0;
        }
        firstOfKey.reserve(list.size());
        QString key;
        for (qsizetype i = indexedSize; i < list.size(); ++i) {
            SetKey(key, list[i]->*Key);
            if (!firstOfKey.contains(key)) // the first record in list order wins
                firstOfKey.insert(key, list[i]);
        }
        indexedSize = list.size();
        stale = false;
    }

private:
    const QList<Record*>& list;
    mutable QHash<QString, Record*> firstOfKey;
    mutable qsizetype indexedSize = 0;
    mutable bool stale = true;
    mutable QString scratchKey; // saves an allocation per look-up
};

using ServerIndex = CaseInsensitiveIndex<Server, &Server::server_id>;
using SerialIndex = CaseInsensitiveIndex<ThinClient, &ThinClient::serial_number, setSerialKey>;
