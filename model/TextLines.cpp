#include "model/TextLines.h"

#include <cstring>

QString decodedText(const QByteArray& content)
{
    QString text = QString::fromUtf8(content);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

void forEachLine(const QByteArray& content, const std::function<void(QStringView)>& visit)
{
    forEachLine(QStringView(decodedText(content)), visit);
}

void forEachLine(QStringView all, const std::function<void(QStringView)>& visit)
{
    qsizetype start = 0;
    const qsizetype size = all.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && all[end] != u'\n' && all[end] != u'\r')
            ++end;
        visit(all.mid(start, end - start));
        if (end < size && all[end] == u'\r' && end + 1 < size && all[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
}

KeyValueLines::KeyValueLines(qsizetype expectedSize)
{
    buffer.resize(expectedSize);
    start = buffer.data();
}

void KeyValueLines::grow(qsizetype bytes)
{
    buffer.resize(qMax(2 * buffer.size(), used + bytes));
    start = buffer.data();
}

void KeyValueLines::append(QByteArrayView bytes)
{
    std::memcpy(room(bytes.size()), bytes.data(), size_t(bytes.size()));
    used += bytes.size();
}

void KeyValueLines::appendLine(QLatin1StringView key, const QString& value)
{
    const qsizetype keySize = key.size();
    const qsizetype valueSize = value.size();
    // UTF-8 never needs more than three bytes for one UTF-16 code unit.
    char* out = room(keySize + 3 * valueSize + 1);
    std::memcpy(out, key.data(), size_t(keySize));
    out += keySize;
    const char16_t* chars = reinterpret_cast<const char16_t*>(value.constData());
    char16_t special = 0;
    for (qsizetype i = 0; i < valueSize; ++i) {
        const char16_t c = chars[i];
        out[i] = char(c);
        special |= char16_t(c >= 0x80) | char16_t(c == u'\n') | char16_t(c == u'\r');
    }
    qsizetype valueBytes = valueSize;
    if (special) {
        const QByteArray converted = oneLine(value).toUtf8();
        std::memcpy(out, converted.constData(), size_t(converted.size()));
        valueBytes = converted.size();
    }
    out[valueBytes] = '\n';
    used += keySize + valueBytes + 1;
}

QByteArray KeyValueLines::take()
{
    buffer.truncate(used);
    used = 0;
    start = nullptr;
    return std::move(buffer);
}

QString oneLine(const QString& value)
{
    if (!value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    QString result = value;
    result.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    result.replace(u'\r', u' ');
    result.replace(u'\n', u' ');
    return result;
}
