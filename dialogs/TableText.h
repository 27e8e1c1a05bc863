#pragma once

#include <QString>

class QTableWidget;

// A table as text for the clipboard: a line per row, its cells separated by tabs.
QString tableText(const QTableWidget& table);
