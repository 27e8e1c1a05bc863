#include "model/TextLines.h"

void forEachLine(const QByteArray& content, const std::function<void(QStringView)>& visit)
{
    QString text = QString::fromUtf8(content);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != u'\n' && all[end] != u'\r')
            ++end;
        visit(all.sliced(start, end - start));
        if (end + 1 < all.size() && all[end] == u'\r' && all[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
}

void appendKeyValue(QString& out, QLatin1StringView key, const QString& value)
{
    out += key;
    if (!value.contains(u'\r') && !value.contains(u'\n')) {
        out += value;
    } else {
        QString line = value;
        line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        line.replace(u'\r', u' ');
        line.replace(u'\n', u' ');
        out += line;
    }
    out += u'\n';
}
