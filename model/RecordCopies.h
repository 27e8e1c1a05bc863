#pragma once

#include <QList>

// Copies of a workspace's records for a dialog to edit before they are handed
// back to the workspace; owned, and deleted with the holder (a dialog that
// removes one deletes it itself). Each copy carries its original's handle.
template <typename Record>
class RecordCopies {
public:
    explicit RecordCopies(const QList<Record*>& records)
    {
        list.reserve(records.size());
        for (const Record* record : records)
            list << copyOf(*record);
    }
    ~RecordCopies() { qDeleteAll(list); }
    RecordCopies(const RecordCopies&) = delete;
    RecordCopies& operator=(const RecordCopies&) = delete;

    Record* find(quint64 handle) const
    {
        for (Record* record : list) {
            if (record->handle == handle)
                return record;
        }
        return nullptr;
    }

    QList<Record*> list;
};
