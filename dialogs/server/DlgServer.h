#pragma once

#include "dialogs/RecordDialog.h"
#include "model/Server.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace Ui {
class DlgServer;
}

class QComboBox;

// Creates, edits or clones a server. The protocol combo box drives the eight
// option combo boxes from the protocol table.
class DlgServer : public RecordDialog {
    Q_OBJECT
public:
    // Edit mode, or clone mode when clone is true.
    DlgServer(QWidget* parent, QRect* imageRect, QList<Server*>* serverList, Server* server, bool clone);
    // New mode with the first label near the clicked point.
    DlgServer(QWidget* parent, QRect* imageRect, QList<Server*>* serverList, QPoint point);
    // New mode with the first label at (0, 0).
    DlgServer(QWidget* parent, QRect* imageRect, QList<Server*>* serverList);
    ~DlgServer() override;

signals:
    void onNewServer(Server* s);
    void onDataChanged();

private slots:
    void onConxnTypeChanged(int index);
    void onWndSizeChanged(int index);
    void onSetDefaults();
    void onHostnameTextChanged(QString str);

private:
    DlgServer(QWidget* parent, QRect* imageRect, QList<Server*>* serverList, Server* server, const QString& title);

    bool saveRecord() override;
    void prepareNextRecord() override;

    void initDialog();
    void loadFromServer();
    int validateAndSave();
    bool isDuplicate(const QString& hostname, const QString& remoteApp) const;
    void setOptionCombosEnabled(bool enabled);
    void setupProtocolOptions(int index);
    void collectValues(Server* target) const;
    static void setChoices(QComboBox* box, const QStringList& items, int index);
    void enableRemoteApp();
    void disableRemoteApp();
    void selectDefaultWindowSize();
    void createServer();
    bool percentageInRange() const;

    // Colour depth .. security, in the order of the stored keys; window size is apart.
    std::array<QComboBox*, 7> optionCombos() const;
    // A box and the field it edits: a line edit's text, a combo box's position
    // (a number) or its wording (a text).
    struct FieldBox {
        QString Server::*text;
        qint32 Server::*number;
        QWidget* box;
    };
    std::vector<FieldBox> fieldBoxes() const;

    std::unique_ptr<Ui::DlgServer> ui;
    QList<Server*>* serverList;
    Server* server;
    QRect* imageRect;
    QString conxnType;
    int nextXpos = 0;
    int nextYpos = 0;
    bool isClone = false;
    bool wndSizeLock = false;
};
