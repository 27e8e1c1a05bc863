#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>

// Decodes file content as UTF-8 (dropping a leading byte-order mark) and hands
// each line to visit without its line end. LF, CRLF and a lone CR all end a line.
void forEachLine(const QByteArray& content, const std::function<void(QStringView)>& visit);

// A value is always written on one line: line breaks inside it become blanks,
// so a pasted text can never turn into keys or block headers on reading.
QString oneLine(const QString& value);

// Appends key, the value in UTF-8 on one line, and a line end.
void appendKeyValueLine(QByteArray& out, const char* key, const QString& value);
