#include "model/Lookup.h"

#include "model/Server.h"
#include "model/ThinClient.h"

Server* findServerById(const QList<Server*>& servers, const QString& id)
{
    for (Server* server : servers) {
        if (server->server_id.compare(id, Qt::CaseInsensitive) == 0)
            return server;
    }
    return nullptr;
}

ThinClient* findThinClientBySerial(const QList<ThinClient*>& thinClients, const QString& serial)
{
    for (ThinClient* client : thinClients) {
        if (client->serial_number.compare(serial, Qt::CaseInsensitive) == 0)
            return client;
    }
    return nullptr;
}

QString caseInsensitiveKey(QStringView text)
{
    QString key;
    key.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const char32_t folded = QChar::toCaseFolded(c);
        if (QChar::requiresSurrogates(folded)) {
            key += QChar(QChar::highSurrogate(folded));
            key += QChar(QChar::lowSurrogate(folded));
        } else {
            key += QChar(char16_t(folded));
        }
    }
    return key;
}
