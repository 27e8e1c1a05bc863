// The device-list import: never crashes, keeps serial numbers unique without
// regard to case, stores new ones in upper case and usable as file names,
// counts what it did, and its result saves and reads back unchanged.
#include "fuzz/FuzzChecks.h"
#include "model/ClientConfigFile.h"
#include "model/Lookup.h"
#include "model/ThinClientImport.h"

#include <QSet>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray content = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    Records records;
    records.thinClients << new ThinClient(QStringLiteral("Existing"), QStringLiteral("TC1001"))
                        << new ThinClient(QStringLiteral("Other"), QStringLiteral("ab12"));
    int reported = 0;
    const auto stats = ThinClientImport::merge(content, records.thinClients, [&](const QString&) { ++reported; });

    FUZZ_REQUIRE(stats.rejected == reported);
    FUZZ_REQUIRE(records.thinClients.size() == 2 + stats.added);
    QSet<QString> keys;
    for (qsizetype i = 0; i < records.thinClients.size(); ++i) {
        const QString& serial = records.thinClients[i]->serial_number;
        FUZZ_REQUIRE(!keys.contains(serial.toUpper())); // one device per file name
        keys.insert(serial.toUpper());
        if (i >= 2) {
            FUZZ_REQUIRE(serial == serial.toUpper());
            FUZZ_REQUIRE(!ClientConfigFile::fileName(serial).isEmpty());
        }
    }
    checkRoundTrip(records.servers, records.thinClients);
    return 0;
}
