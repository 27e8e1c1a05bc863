#pragma once

#include "dialogs/RecordDialog.h"

#include <QList>

#include <memory>

namespace Ui {
class DlgThinClient;
}

class ThinClient;

// Adds devices one at a time: a description and a unique serial number.
class DlgThinClient : public RecordDialog {
    Q_OBJECT
public:
    DlgThinClient(QWidget* parent, QList<ThinClient*>* thinClients);
    ~DlgThinClient() override;

signals:
    void onDataChanged();
    void setStatusMsg(QString msg);

private:
    bool saveRecord() override;
    void prepareNextRecord() override;

    std::unique_ptr<Ui::DlgThinClient> ui;
    QList<ThinClient*>* thinClients;
};
