#include "dialogs/server/DlgServer.h"

#include "dialogs/server/ProtocolTable.h"
#include "prompts/ReadableComboBox.h"
#include "model/Lookup.h"
#include "model/Server.h"
#include "model/ServerFields.h"
#include "model/ServerId.h"
#include "prompts/Prompts.h"
#include "ui_dlgserver.h"

namespace {

constexpr int kLabelSize = 75;
constexpr int kLabelStep = 77;
constexpr int kClickOffset = 40;
constexpr int kWrapDistance = 153; // room for this label and the next one, less a pixel

bool isLocalHost(const QString& host)
{
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
           host.compare(QLatin1String("127.0.0.1"), Qt::CaseInsensitive) == 0;
}

bool allowsRemoteApp(int protocolIndex)
{
    return protocolIndex >= 0 && protocolIndex < kProtocolCount && protocolTable()[protocolIndex].remoteAppAllowed;
}

// The first of the candidates found in text, or fallback.
QString firstFound(const QString& text, std::initializer_list<const char*> candidates, const QString& fallback)
{
    for (const char* candidate : candidates) {
        if (text.contains(QLatin1String(candidate)))
            return QString::fromLatin1(candidate);
    }
    return fallback;
}

QString windowSizeValue(const QString& text)
{
    if (text.contains(QLatin1String("Full")))
        return QStringLiteral("Fullscreen");
    if (text.contains(QLatin1String("Percent")))
        return QStringLiteral("Percentage");
    return QStringLiteral("Auto");
}

// What a combo box's English wording is stored as, where that is not the wording itself.
QString storedWording(QString Server::*field, const QString& shown)
{
    if (field == &Server::rps_color_depth)
        return firstFound(shown, {"8", "16", "24", "32"}, QStringLiteral("Auto"));
    if (field == &Server::rps_latency)
        return firstFound(shown, {"Low", "Medium", "High", "Auto"}, QString());
    if (field == &Server::rps_window_size)
        return windowSizeValue(shown);
    return shown;
}

} // namespace

DlgServer::DlgServer(QWidget* parent, QRect* imageRect, QList<Server*>* serverList, Server* server,
                     const QString& title)
    : RecordDialog(parent), ui(std::make_unique<Ui::DlgServer>()), serverList(serverList), server(server),
      imageRect(imageRect)
{
    installReadableComboBoxes();
    ui->setupUi(this);
    setWindowTitle(title);
}

DlgServer::DlgServer(QWidget* parent, QRect* imageRect, QList<Server*>* serverList, Server* server, bool clone)
    : DlgServer(parent, imageRect, serverList, server,
                clone ? tr("Cloning server") : tr("Edit server properties"))
{
    ui->btnSavePlusNew->setEnabled(false);
    initDialog();
    isClone = clone;
    loadFromServer();
}

DlgServer::DlgServer(QWidget* parent, QRect* imageRect, QList<Server*>* serverList, QPoint point)
    : DlgServer(parent, imageRect, serverList, nullptr, tr("Creating new server"))
{
    initDialog();
    nextXpos = point.x() - kClickOffset;
    nextYpos = point.y() - kClickOffset;
}

DlgServer::DlgServer(QWidget* parent, QRect* imageRect, QList<Server*>* serverList)
    : DlgServer(parent, imageRect, serverList, nullptr, tr("Creating new server"))
{
    initDialog();
}

DlgServer::~DlgServer() = default;

// In the order of the stored keys: the texts, then the combo boxes' positions.
// The id, the protocol's wording and the label's place are set otherwise.
std::vector<DlgServer::FieldBox> DlgServer::fieldBoxes() const
{
    using S = Server;
    return {
        {&S::display_name, nullptr, ui->tbxDispName},
        {&S::remote_app, nullptr, ui->tbxRemoteApp},
        {&S::rps_hostname_port, nullptr, ui->tbxHostname},
        {&S::rps_color_depth, nullptr, ui->cmbxColorDepth},
        {&S::rps_graphics_quality, nullptr, ui->cmbxGraphicsQuality},
        {&S::rps_audio_quality, nullptr, ui->cmbxAudioQuality},
        {&S::rps_redirect_audio, nullptr, ui->cmbxRedirectAudio},
        {&S::rps_redirect_mic, nullptr, ui->cmbxRedirectMic},
        {&S::rps_latency, nullptr, ui->cmbxLatency},
        {&S::rps_security, nullptr, ui->cmbxSecurity},
        {&S::rps_window_size, nullptr, ui->cmbxWindowSize},
        {&S::rps_window_percentage, nullptr, ui->tbxWindowPercentage},
        {nullptr, &S::index_conxn_type, ui->cmbxConxType},
        {nullptr, &S::index_color_depth, ui->cmbxColorDepth},
        {nullptr, &S::index_graphics_quality, ui->cmbxGraphicsQuality},
        {nullptr, &S::index_audio_quality, ui->cmbxAudioQuality},
        {nullptr, &S::index_redirect_audio, ui->cmbxRedirectAudio},
        {nullptr, &S::index_redirect_mic, ui->cmbxRedirectMic},
        {nullptr, &S::index_latency, ui->cmbxLatency},
        {nullptr, &S::index_security, ui->cmbxSecurity},
        {nullptr, &S::index_window_size, ui->cmbxWindowSize},
    };
}

std::array<QComboBox*, 7> DlgServer::optionCombos() const
{
    return {ui->cmbxColorDepth,    ui->cmbxGraphicsQuality, ui->cmbxAudioQuality, ui->cmbxRedirectAudio,
            ui->cmbxRedirectMic, ui->cmbxLatency,         ui->cmbxSecurity};
}

void DlgServer::initDialog()
{
    connectRecordButtons(ui->btnCancel, ui->btnSave, ui->btnSavePlusNew);
    ui->tbxDispName->setFocus();
    wndSizeLock = true;

    ui->tbxWindowPercentage->setEnabled(false);
    ui->tbxWindowPercentage->setCursorPosition(0);
    ui->tbxWindowPercentage->setInputMask(QStringLiteral("999"));
    ui->tbxWindowPercentage->setText(QStringLiteral("80"));
    ui->tbxWindowPercentage->setMaxLength(3);

    for (const Protocol& protocol : protocolTable())
        ui->cmbxConxType->addItem(protocol.displayText);
    ui->cmbxConxType->setCurrentIndex(kRdpIndex);
    setupProtocolOptions(kRdpIndex);
    conxnType = protocolTable()[kRdpIndex].shortName;

    for (QComboBox* box : optionCombos())
        sayChoices(box);
    sayChoices(ui->cmbxConxType);
    sayChoices(ui->cmbxWindowSize);
    connect(ui->cmbxConxType, &QComboBox::currentIndexChanged, this, &DlgServer::onConxnTypeChanged);
    connect(ui->cmbxWindowSize, &QComboBox::currentIndexChanged, this, &DlgServer::onWndSizeChanged);
    connect(ui->btnSetDefaults, &QPushButton::clicked, this, &DlgServer::onSetDefaults);
    connect(ui->tbxHostname, &QLineEdit::textChanged, this, &DlgServer::onHostnameTextChanged);
}

// Every box the field table names: the positions of the combo boxes first (the
// protocol's before the choices it offers), then the texts, so that a loaded
// percentage is not replaced by the one a window-size choice puts in.
void DlgServer::loadFromServer()
{
    conxnType = server->rps_connection_type;
    const std::vector<FieldBox> boxes = fieldBoxes();
    for (const FieldBox& field : boxes) {
        if (auto* combo = qobject_cast<QComboBox*>(field.box); combo && field.number)
            combo->setCurrentIndex(server->*field.number);
    }
    for (const FieldBox& field : boxes) {
        if (auto* edit = qobject_cast<QLineEdit*>(field.box))
            edit->setText(server->*field.text); // the host's text keeps the application only where allowed
    }
}

// ---- protocol options ------------------------------------------------------

void DlgServer::onConxnTypeChanged(int index)
{
    if (index < 0 || index >= kProtocolCount)
        return;
    conxnType = protocolTable()[index].shortName;
    setupProtocolOptions(index);
}

void DlgServer::setupProtocolOptions(int index)
{
    const Protocol& protocol = protocolTable()[index];
    if (protocol.remoteAppAllowed)
        enableRemoteApp();
    else
        disableRemoteApp();

    const auto combos = optionCombos();
    for (int i = 0; i < kOptionCount; ++i) {
        const OptionChoices& choices = protocol.options[i];
        setChoices(combos[i], choices.items, choices.items.isEmpty() ? -1 : choices.defaultIndex);
    }
    wndSizeLock = true;
    setChoices(ui->cmbxWindowSize, protocol.hasWindowSize ? windowSizeItems() : QStringList(),
               protocol.hasWindowSize ? kWindowSizeDefault : -1);
    wndSizeLock = false;
    ui->tbxWindowPercentage->setEnabled(false); // the default size is never a share of the screen
}

// A list is filled anew only where the protocol offers other choices: each
// change is an event for a screen reader, which drops a flood of them unheard.
void DlgServer::setChoices(QComboBox* box, const QStringList& items, int index)
{
    QStringList offered;
    for (int i = 0; i < box->count(); ++i)
        offered << box->itemData(i).toString();
    if (offered != items) {
        box->clear();
        for (const QString& item : items)
            box->addItem(shownChoice(item), item);
    }
    if (box->currentIndex() != index)
        box->setCurrentIndex(index);
}

void DlgServer::onSetDefaults()
{
    const int index = ui->cmbxConxType->currentIndex();
    if (index >= 0 && index < kProtocolCount) {
        const Protocol& protocol = protocolTable()[index];
        const auto combos = optionCombos();
        for (int i = 0; i < kOptionCount; ++i) {
            const bool reset = protocol.defaultsReset == DefaultsReset::AllOptions ||
                               (protocol.defaultsReset == DefaultsReset::SecurityOnly && combos[i] == ui->cmbxSecurity);
            if (reset && !protocol.options[i].items.isEmpty())
                combos[i]->setCurrentIndex(protocol.defaultsReset == DefaultsReset::SecurityOnly
                                               ? 0
                                               : protocol.options[i].defaultIndex);
        }
        if (protocol.hasWindowSize)
            selectDefaultWindowSize();
    }
    ui->tbxWindowPercentage->setEnabled(false);
}

void DlgServer::selectDefaultWindowSize()
{
    wndSizeLock = true;
    ui->cmbxWindowSize->setCurrentIndex(kWindowSizeDefault);
    wndSizeLock = false;
}

void DlgServer::onWndSizeChanged(int index)
{
    if (wndSizeLock)
        return;
    if (index == kPercentOfScreen) {
        ui->tbxWindowPercentage->setEnabled(true);
        ui->tbxWindowPercentage->setText(QStringLiteral("80"));
    } else {
        ui->tbxWindowPercentage->setEnabled(false);
    }
}

void DlgServer::collectValues(Server* target) const
{
    if (!target)
        return;
    target->rps_connection_type = conxnType;
    for (const FieldBox& field : fieldBoxes()) {
        if (auto* edit = qobject_cast<QLineEdit*>(field.box))
            target->*field.text = edit->text();
        else if (auto* combo = qobject_cast<QComboBox*>(field.box); combo && field.number)
            target->*field.number = combo->currentIndex();
        else if (combo)
            target->*field.text = storedWording(field.text, combo->currentData().toString());
    }
}

// ---- remote application and local host ------------------------------------

void DlgServer::enableRemoteApp()
{
    ui->tbxRemoteApp->setEnabled(true);
}

void DlgServer::disableRemoteApp()
{
    ui->tbxRemoteApp->setText(QString());
    ui->tbxRemoteApp->setEnabled(false);
}

void DlgServer::setOptionCombosEnabled(bool enabled)
{
    ui->cmbxConxType->setEnabled(enabled);
    for (QComboBox* combo : optionCombos())
        combo->setEnabled(enabled);
}

void DlgServer::onHostnameTextChanged(QString str)
{
    // A local host runs a local application: protocol and options are then fixed.
    if (isLocalHost(str.trimmed())) {
        enableRemoteApp();
        setOptionCombosEnabled(false);
        return;
    }
    setOptionCombosEnabled(true);
    if (allowsRemoteApp(ui->cmbxConxType->currentIndex()))
        enableRemoteApp();
    else
        disableRemoteApp();
}

// ---- saving ----------------------------------------------------------------

bool DlgServer::saveRecord()
{
    return validateAndSave() == 0;
}

void DlgServer::prepareNextRecord()
{
    ui->tbxHostname->setText(QString());
    ui->tbxDispName->setFocus();
}

int DlgServer::validateAndSave()
{
    if (ui->tbxDispName->text().isEmpty()) {
        refuse(BoxKind::Information, tr("Input validation"), tr("\nDisplay name cannot be empty"));
        return -1;
    }
    if (ui->tbxHostname->text().isEmpty()) {
        refuse(BoxKind::Information, tr("Input validation"), tr("\nServer hostname cannot be empty"));
        return -1;
    }
    // Untrimmed on purpose: only the exact local host names demand a remote application.
    if (isLocalHost(ui->tbxHostname->text()) && ui->tbxRemoteApp->text().isEmpty()) {
        refuse(BoxKind::Warning, tr("Input validation"),
               tr("When hostname is set to localhost, Remote application field cannot be empty"));
        return -1;
    }

    const QString remoteApp = ui->tbxRemoteApp->text();
    if (remoteApp.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        ui->tbxRemoteApp->setText(remoteApp.chopped(4));
        Prompts::current().information(this, tr("Filename extension not allowed"),
                                       //: %1 is the remote application, its .exe removed
                                       tr("\n.exe extension has been removed from %1").arg(ui->tbxRemoteApp->text()));
    }

    if (isDuplicate(ui->tbxHostname->text(), ui->tbxRemoteApp->text())) {
        refuse(BoxKind::Information, tr("Input Validation"),
               tr("\nDuplicate hostname found! Hostname and Remote application pair has been assigned to another "
                  "server! \n\nHostname and Remote application pairs must be unique"));
        return -1;
    }

    if (ui->cmbxWindowSize->currentIndex() == kPercentOfScreen && !percentageInRange()) {
        ui->tbxWindowPercentage->setText(QStringLiteral("000"));
        refuse(BoxKind::Warning, tr("Invalid percentage"),
               tr("\n'Percent of screen' value must be in the range 1-100"));
        return -1;
    }

    if (server && !isClone) {
        collectValues(server);
        emit onDataChanged();
    } else {
        createServer();
    }
    return 0;
}

bool DlgServer::percentageInRange() const
{
    bool ok = false;
    const int percent = ui->tbxWindowPercentage->text().toInt(&ok, 10);
    return ok && percent >= 1 && percent <= 100;
}

void DlgServer::createServer()
{
    auto* created = new Server;
    created->server_id = makeServerId(*serverList);
    collectValues(created);
    created->xpos = nextXpos;
    created->ypos = nextYpos;
    created->width = kLabelSize;
    created->height = kLabelSize;

    // Labels of a series of new servers go side by side, wrapping into the next row.
    const int oldX = nextXpos;
    nextXpos += kLabelStep;
    if (oldX + kWrapDistance > imageRect->right() - imageRect->left()) {
        nextXpos = 0;
        nextYpos += kLabelStep;
    }

    serverList->append(created);
    emit onNewServer(created);
    emit onDataChanged();
}

bool DlgServer::isDuplicate(const QString& hostname, const QString& remoteApp) const
{
    if (!serverList)
        return false;
    const QString key = hostAndApplicationKey(hostname, remoteApp);
    for (const Server* other : *serverList) {
        if ((other != server || isClone) && hostAndApplicationKey(*other) == key)
            return true;
    }
    return false;
}
