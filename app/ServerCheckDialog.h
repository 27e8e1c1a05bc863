#pragma once

#include <QDialog>
#include <QList>

class QTableWidget;
class Server;

// "Check all servers": a table of server, address, result and time, filled in
// as the answers come, with at most 32 checks under way at once; "Copy" copies it as text.
class ServerCheckDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMostAtOnce = 32;

    ServerCheckDialog(QWidget* parent, const QList<Server*>& servers);

    QTableWidget* table() const { return results; }

signals:
    void checked(quint64 serverHandle, bool answered);

private:
    void startChecks();

    QList<Server*> servers; // read only, while the dialog is open
    QTableWidget* results = nullptr;
    int nextRow = 0;
    int underWay = 0;
};
