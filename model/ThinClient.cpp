#include "model/ThinClient.h"

ThinClient::ThinClient() = default;

ThinClient::ThinClient(const QString& desc, const QString& serialNumber) : desc(desc), serial_number(serialNumber) {}

ThinClient* copyOf(const ThinClient& client)
{
    auto* copy = new ThinClient(client.desc, client.serial_number);
    copy->server_ids = client.server_ids;
    copy->handle = client.handle;
    return copy;
}
