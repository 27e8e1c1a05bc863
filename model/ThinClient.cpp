#include "model/ThinClient.h"

ThinClient::ThinClient() = default;

ThinClient::ThinClient(const QString& desc, const QString& serialNumber) : desc(desc), serial_number(serialNumber) {}
