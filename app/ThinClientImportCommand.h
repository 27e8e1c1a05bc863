#pragma once

#include <QList>

#include <functional>

class QWidget;
class ThinClient;

// "Import thinclient list": asks for a file, merges it into thinClients and
// reports what it did. dataChanged runs when a device was added or updated.
void runThinClientImport(QWidget* parent, QList<ThinClient*>& thinClients, const std::function<void()>& dataChanged);
