// The zev.conf reader: never crashes or hangs on any input, and what it
// reads survives a write and a second read unchanged; the configuration
// check takes whatever it read.
#include "fuzz/FuzzChecks.h"
#include "model/ConfigCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    Records records(content);
    checkRoundTrip(records.servers, records.thinClients);
    configurationProblems(records.servers, records.thinClients, QSize(1600, 1200)); // its sums must not overflow
    return 0;
}
