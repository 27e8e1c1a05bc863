#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <functional>

// Decodes file content as UTF-8 (dropping a leading byte-order mark) and hands
// each line to visit without its line end. LF, CRLF and a lone CR all end a line.
void forEachLine(const QByteArray& content, const std::function<void(QStringView)>& visit);

// Appends key, the value on one line, and a line end. Line breaks inside the
// value become blanks, so a pasted text can never turn into keys or block
// headers on reading.
void appendKeyValue(QString& out, QLatin1StringView key, const QString& value);
