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

void appendOneLine(QString& out, const QString& value)
{
    const qsizetype start = out.size();
    out += value;
    QChar* chars = out.data() + start;
    for (qsizetype i = 0, size = value.size(); i < size; ++i) {
        if (chars[i] == u'\n' || chars[i] == u'\r') {
            out.truncate(start);
            out += oneLine(value);
            return;
        }
    }
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
