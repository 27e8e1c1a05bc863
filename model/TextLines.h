#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <functional>

// Decodes file content as UTF-8 (dropping a leading byte-order mark) and hands
// each line to visit without its line end. LF, CRLF and a lone CR all end a line.
void forEachLine(const QByteArray& content, const std::function<void(QStringView)>& visit);
// The same for text already decoded.
void forEachLine(QStringView text, const std::function<void(QStringView)>& visit);
// content decoded, without a leading byte-order mark.
QString decodedText(const QByteArray& content);

// A value is always written on one line: line breaks inside it become blanks,
// so a pasted text can never turn into keys or block headers on reading.
QString oneLine(const QString& value);

// Builds the UTF-8 text of a configuration file one "key=value" line at a
// time. A save of a large fleet writes hundreds of thousands of lines, so a
// plain ASCII value is copied straight through a pointer; only a value with
// other characters or a line break in it takes the slower, converting path.
class KeyValueLines {
public:
    explicit KeyValueLines(qsizetype expectedSize = 0);

    void append(QByteArrayView bytes);
    // key, the value on one line, and a line end.
    void appendLine(QLatin1StringView key, const QString& value);
    QByteArray take();

private:
    char* room(qsizetype bytes)
    {
        if (buffer.size() - used < bytes)
            grow(bytes);
        return start + used;
    }
    void grow(qsizetype bytes);

    QByteArray buffer;
    char* start = nullptr;
    qsizetype used = 0;
};
