#include "dialogs/thinclient/DlgThinClient.h"

#include "model/ClientConfigFile.h"
#include "model/Lookup.h"
#include "model/ThinClient.h"
#include "ui_dlgthinclient.h"

namespace {

const QString kInputValidation = QStringLiteral("Input Validation");

} // namespace

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
        return refuse(BoxKind::Information, kInputValidation,
                      QStringLiteral("\nDescription and Serial number fields cannot be empty"));
    // The serial number names the device's file in the working directory.
    if (ClientConfigFile::fileName(serial).isEmpty())
        return refuse(BoxKind::Information, kInputValidation,
                      QStringLiteral("\nSerial numbers cannot contain the characters / and \\ because they name "
                                     "the thinclient's configuration file"));
    if (findThinClientBySerial(*thinClients, serial))
        return refuse(BoxKind::Information, kInputValidation,
                      QStringLiteral("\nThe specified serial number has been assigned to another thinclient "
                                     "device! Serial numbers must be unique"));

    auto* client = new ThinClient(desc, serial.toUpper());
    thinClients->append(client);
    emit onDataChanged();
    emit setStatusMsg(QStringLiteral("Added new Thinclient: ") + client->desc);
    return true;
}

void DlgThinClient::prepareNextRecord()
{
    ui->tbxSerialNumber->setText(QString());
    ui->tbxDesc->setFocus();
}
