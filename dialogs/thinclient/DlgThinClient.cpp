#include "dialogs/thinclient/DlgThinClient.h"

#include "model/ClientConfigFile.h"
#include "model/Lookup.h"
#include "model/ThinClient.h"
#include "ui_dlgthinclient.h"

DlgThinClient::DlgThinClient(QWidget* parent, QList<ThinClient*>* thinClients)
    : RecordDialog(parent), ui(std::make_unique<Ui::DlgThinClient>()), thinClients(thinClients)
{
    ui->setupUi(this);
    ui->tbxDesc->setFocus();
    connectRecordButtons(ui->btnCancel, ui->btnSave, ui->btnSavePlusNew);
    // Return in the serial number field stores the device and gets ready for the next.
    connect(ui->tbxSerialNumber, &QLineEdit::returnPressed, ui->btnSavePlusNew, &QPushButton::click);
}

DlgThinClient::~DlgThinClient() = default;

bool DlgThinClient::saveRecord()
{
    const QString desc = ui->tbxDesc->text();
    const QString serial = ui->tbxSerialNumber->text();
    if (desc.isEmpty() || serial.isEmpty())
        return refuse(BoxKind::Information, tr("Input Validation"),
                      tr("\nDescription and Serial number fields cannot be empty"));
    // The serial number names the device's file in the working directory.
    if (ClientConfigFile::fileName(serial).isEmpty())
        return refuse(BoxKind::Information, tr("Input Validation"),
                      tr("\nSerial numbers cannot contain the characters / and \\ because they name the thinclient's "
                         "configuration file"));
    if (findThinClientBySerial(*thinClients, serial))
        return refuse(BoxKind::Information, tr("Input Validation"),
                      tr("\nThe specified serial number has been assigned to another thinclient device! Serial "
                         "numbers must be unique"));

    auto* client = new ThinClient(desc, serial.toUpper());
    thinClients->append(client);
    emit onDataChanged();
    //: %1 is the new device's description
    emit setStatusMsg(tr("Added new Thinclient: %1").arg(client->desc));
    return true;
}

void DlgThinClient::prepareNextRecord()
{
    ui->tbxSerialNumber->setText(QString());
    ui->tbxDesc->setFocus();
}
