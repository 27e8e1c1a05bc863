#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// One thin-client device. It refers to its servers by id, never by pointer.
class ThinClient : public QObject {
    Q_OBJECT
public:
    ThinClient();
    ThinClient(const QString& desc, const QString& serialNumber);

    QString desc;
    QString serial_number;
    QStringList server_ids;
    quint64 handle = 0; // as a server's
};

// A new record holding the same values, the handle included.
ThinClient* copyOf(const ThinClient& client);
