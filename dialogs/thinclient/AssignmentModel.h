#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <array>
#include <vector>

class Server;
class ThinClient;

// The assignment grid's working copy: one row per device, the serial number
// and description, then one check-box column per server. Kept as a bit per
// cell rather than an item per cell, so a fleet of thousands opens at once.
class AssignmentModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kFirstServerColumn = 2;

    AssignmentModel(const QList<Server*>& servers, const QList<ThinClient*>& thinClients, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // 0 unchecked, 2 checked; a text cell counts as 0.
    int checkState(int row, int column) const;
    void fillRow(int row, int state);
    // Column and grid fill only the rows shown: those the filter lets through (all by default).
    void fillColumn(int column, int state);
    void fillGrid(int state);
    void setRowsShown(std::vector<bool> shown) { rowsShown = std::move(shown); }
    // Whether any box differs from what the records gave it.
    bool differsFromStart() const { return cellsChanged > 0; }

    // The ids of the servers ticked in row, in server-list order.
    QStringList checkedServerIds(int row) const;

private:
    void fillRowCells(int row, int state);
    bool isShown(int row) const { return rowsShown.empty() || rowsShown[size_t(row)]; }
    // A row's boxes are the bits of its own words, so that OK finds the ticked
    // ones of 100,000 devices by words rather than box by box.
    static constexpr int kBitsPerWord = 64;
    size_t wordOf(int row, int serverIndex) const { return size_t(row) * wordsPerRow + serverIndex / kBitsPerWord; }
    static quint64 bitOf(int serverIndex) { return quint64(1) << (serverIndex % kBitsPerWord); }
    bool isChecked(int row, int serverIndex) const { return cells[wordOf(row, serverIndex)] & bitOf(serverIndex); }
    // Counts the boxes that differ from the start as it goes: comparing the
    // whole grid at OK took a tenth of a second at 100,000 devices.
    void setChecked(int row, int serverIndex, bool checked)
    {
        const size_t word = wordOf(row, serverIndex);
        const quint64 bit = bitOf(serverIndex);
        if (bool(cells[word] & bit) == checked)
            return;
        cells[word] ^= bit;
        cellsChanged += checked != bool(cellsAtStart[word] & bit) ? 1 : -1;
    }

    const QList<Server*>& servers;
    const QList<ThinClient*>& thinClients;
    size_t wordsPerRow;
    std::vector<quint64> cells;
    std::vector<quint64> cellsAtStart;
    qsizetype cellsChanged = 0;
    std::vector<bool> rowsShown;
    // A Control click on a text column gives its cells an (unchecked) check state.
    std::array<bool, kFirstServerColumn> textColumnHasCheckState{};
};
