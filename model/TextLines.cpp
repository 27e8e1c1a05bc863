#include "model/TextLines.h"

void forEachLine(const QByteArray& content, const std::function<void(QStringView)>& visit)
{
    QString text = QString::fromUtf8(content);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const QStringView all(text);
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

void appendKeyValueLine(QByteArray& out, const char* key, const QString& value)
{
    out.append(key);
    // Most values are plain ASCII on one line: copied as they are, without a conversion.
    const qsizetype start = out.size();
    const qsizetype size = value.size();
    out.resize(start + size);
    char* bytes = out.data() + start;
    const QChar* chars = value.constData();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        if (c >= 0x80 || c == u'\n' || c == u'\r') {
            out.truncate(start);
            out.append(oneLine(value).toUtf8());
            break;
        }
        bytes[i] = char(c);
    }
    out.append('\n');
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
