#pragma once

#include <QByteArray>
#include <QStringList>

// zev.conf in words, for people and for version control.
namespace ConfigCompare {

// Every record as lines "Server “<name>” (<id>): <key> = <value>" and
// "Thinclient “<serial>”: <key> = <value>" (its servers by name: "servers =
// “One”, “Two”"), servers then devices, each sorted by id or serial number:
// two files with the same records give the same lines, whatever their order.
QStringList describe(const QByteArray& text);

// What changed from older to newer, a line each: a record added or removed, a
// field changed ("old" → "new"), the servers a device gained or lost (by name,
// with the id where two servers share one).
QStringList differences(const QByteArray& older, const QByteArray& newer);

} // namespace ConfigCompare
