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
    const QString sought = serial.toUpper();
    for (ThinClient* client : thinClients) {
        if (client->serial_number.toUpper() == sought)
            return client;
    }
    return nullptr;
}

void setSerialKey(QString& key, QStringView serial)
{
    key = serial.toString().toUpper();
}

QString caseInsensitiveKey(QStringView text)
{
    QString key;
    setCaseInsensitiveKey(key, text);
    return key;
}

void setCaseInsensitiveKey(QString& key, QStringView text)
{
    key.resize(text.size());
    QChar* out = key.data();
    qsizetype i = 0;
    for (; i < text.size(); ++i) { // the common case: plain ASCII, folded in place
        const char16_t c = text[i].unicode();
        if (c >= 0x80)
            break;
        out[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c);
    }
    if (i == text.size())
        return;
    key.truncate(i);
    for (; i < text.size(); ++i) {
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
}
