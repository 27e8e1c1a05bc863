#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/ConfigBackup.h"
#include "app/ConnectionCheck.h"
#include "app/ServerCheckDialog.h"
#include "app/ProductInfo.h"
#include "prompts/Prompts.h"
#include "canvas/ServerLabel.h"
#include "canvas/TLabel.h"
#include "app/ThinClientImportCommand.h"
#include "dialogs/TextViewDialog.h"
#include "dialogs/server/DlgServer.h"
#include "dialogs/thinclient/DlgAssignServers.h"
#include "dialogs/thinclient/DlgEditThinClient.h"
#include "dialogs/thinclient/DlgThinClient.h"
#include "model/ClientConfigFile.h"
#include "model/ConfigCheck.h"
#include "model/ConfigFile.h"
#include "model/SafeSave.h"
#include "model/Server.h"
#include "model/ThinClient.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QUrl>

namespace {

const QString kWorkingDirKey = QStringLiteral("workingDir");
const QString kSavingTitle = QStringLiteral("ZEV - Saving Configuration");
const QString kConfigFileName = QStringLiteral("zev.conf");

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), versionText(QString::fromLatin1(kVersionText))
{
    ui->setupUi(this);
    buildLogoButton();
    buildEditMenu();
    buildStartHint();
    checkAction = addToolsCommand(QStringLiteral("Check configuration"), QStringLiteral("actionCheck_configuration"),
                                  &MainWindow::checkConfiguration);
    checkServersAction = addToolsCommand(QStringLiteral("Check all servers"), QStringLiteral("actionCheck_all_servers"),
                                         &MainWindow::checkAllServers);
    setAcceptDrops(true);

    statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(statusBar);

    for (QAction* action : {ui->btnNewServer, ui->btnNewThinclient, ui->btnServerAssignment, ui->btnSaveChanges,
                            ui->menuNewServer, ui->menuNewThinclient, ui->menuAssignServers, ui->menuEditThinclients,
                            ui->actionSave, ui->actionSave_backup, ui->actionImport_thinclient_list})
        action->setEnabled(false);
    ui->mainToolBar->setFloatable(false);

    settings = new QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV"));
    if (settings->contains(kWorkingDirKey))
        workingDir = settings->value(kWorkingDirKey).toString();
}

MainWindow::~MainWindow()
{
    qDeleteAll(servers);
    qDeleteAll(thinClients);
    delete settings;
}

void MainWindow::buildLogoButton()
{
    logoPixmap = QPixmap(QStringLiteral(":/images/resources/images/qv_small_logo.jpg"));
    logoButton = new QPushButton(this);
    logoButton->setFlat(true);
    logoButton->setIcon(QIcon(logoPixmap));
    logoButton->setIconSize(logoPixmap.size());
    connect(logoButton, &QPushButton::clicked, this, &MainWindow::onLogoClicked);
    ui->mainToolBar->addWidget(logoButton);
}

void MainWindow::buildEditMenu()
{
    auto* menu = new QMenu(QStringLiteral("Edit"), this);
    menu->setObjectName(QStringLiteral("menuEdit"));
    ui->menuBar->insertMenu(ui->menuTools->menuAction(), menu);
    undoAction = menu->addAction(QStringLiteral("Undo"), this, &MainWindow::undo);
    undoAction->setObjectName(QStringLiteral("actionUndo"));
    undoAction->setShortcuts(QKeySequence::Undo);
    redoAction = menu->addAction(QStringLiteral("Redo"), this, &MainWindow::redo);
    redoAction->setObjectName(QStringLiteral("actionRedo"));
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y);
    redoAction->setShortcuts(redoKeys);
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
}

// A command at the end of Tools, off until a picture is loaded.
QAction* MainWindow::addToolsCommand(const QString& text, const QString& name, void (MainWindow::*command)())
{
    QAction* action = ui->menuTools->addAction(text, this, command);
    action->setObjectName(name);
    action->setEnabled(false);
    return action;
}

// The empty window says what to do; the picture replaces the text.
void MainWindow::buildStartHint()
{
    auto* hint = new QLabel(QStringLiteral("Load the topology picture of your network to begin: File ▸ Load image"), this);
    hint->setObjectName(QStringLiteral("startHint"));
    hint->setAlignment(Qt::AlignCenter);
    setCentralWidget(hint);
}

QString MainWindow::configFilePath() const
{
    return workingDir + u'/' + kConfigFileName;
}

void MainWindow::setSaveActionsEnabled(bool enabled)
{
    ui->btnSaveChanges->setEnabled(enabled);
    ui->actionSave->setEnabled(enabled);
}

// ---- data ----------------------------------------------------------------

int MainWindow::readConfigFile(const QString& path)
{
    const QFileInfo file(path);
    configOnDisk = DiskStamp::of(file.absolutePath(), file.fileName());
    QByteArray content;
    const ConfigFile::ReadStatus status = ConfigFile::read(path, servers, thinClients, &content);
    configOnDisk.setContent(content);
    if (status == ConfigFile::ReadStatus::Unreadable) {
        // Starting empty in silence would let the next save replace a file the user still has.
        Prompts::current().warning(this, QStringLiteral("ZEV - Loading Configuration"),
                                   QStringLiteral("\nThe configuration file could not be read:\n%1\n\nZEV starts "
                                                  "with an empty configuration. Saving will replace that file.")
                                       .arg(QDir::toNativeSeparators(path)));
    }
    return status == ConfigFile::ReadStatus::Read ? 0 : -1;
}

int MainWindow::writeConfigFile(const SaveSession& session)
{
    const QByteArray content = ConfigFile::serialize(servers, thinClients);
    if (saveFile(session, kConfigFileName, [&content](QIODevice& device) { return writeFully(device, content); })) {
        configOnDisk = DiskStamp::of(workingDir, kConfigFileName);
        configOnDisk.setContent(content);
        return 0;
    }
    Prompts::current().information(this, kSavingTitle,
                                   QStringLiteral("\nError opening configuration file; your data has NOT been saved!"));
    return -1;
}

void MainWindow::writeClientConfigFiles(const SaveSession& session)
{
    const QString title = QStringLiteral("Creating thinclient configuration");
    const auto askToContinue = [this, &title](const QString& path) {
        return Prompts::askYesNo(this, title,
                                 QStringLiteral("\nError creating file: %1\nDo you want to continue?").arg(path)) !=
               QMessageBox::No;
    };
    if (!ClientConfigFile::writeAll(session, servers, thinClients, askToContinue))
        Prompts::current().information(this, title,
                                       QStringLiteral("Not all thinclient configuration fileshave been created"));
}

bool MainWindow::saveConfiguration()
{
    const SaveSession session(workingDir);
    if (session.status() == SaveSession::Status::Busy) {
        Prompts::current().information(this, kSavingTitle,
                                       QStringLiteral("\nAnother program is saving into the working folder; your "
                                                      "data has NOT been saved!\n\nPlease try again in a moment."));
        return false;
    }
    if (!mayReplaceConfigOnDisk())
        return false;
    const int mainFileResult = writeConfigFile(session);
    writeClientConfigFiles(session);
    if (mainFileResult != 0)
        return false;
    history.markSaved();
    setSaveActionsEnabled(false);
    modified = false;
    return true;
}

// Before anything is written: zev.conf changed by another program since it was
// read or written here is replaced only when the user says so.
bool MainWindow::mayReplaceConfigOnDisk()
{
    if (configOnDisk.stillMatches(workingDir, kConfigFileName))
        return true;
    return Prompts::current().question(
               this, kSavingTitle,
               QStringLiteral("\nzev.conf was changed by another program after ZEV read it.\n\nReplace those changes "
                              "with yours?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

// ---- slots ---------------------------------------------------------------

void MainWindow::onDataChanged()
{
    modified = true;
    setSaveActionsEnabled(true);
}

void MainWindow::recordStep(const QString& name)
{
    history.record(name, ConfigFile::serialize(servers, thinClients));
    followHistory();
}

void MainWindow::undo()
{
    if (history.canUndo())
        restoreState(history.undo());
}

void MainWindow::redo()
{
    if (history.canRedo())
        restoreState(history.redo());
}

// Records and labels rebuilt from a state of the history. Every dialog is
// modal and a label's menu holds the keyboard, so nothing holds a record now.
void MainWindow::restoreState(const QByteArray& state)
{
    qDeleteAll(serverLabels);
    serverLabels.clear();
    qDeleteAll(servers);
    servers.clear();
    qDeleteAll(thinClients);
    thinClients.clear();
    ConfigFile::parse(state, servers, thinClients);
    createServerLabels();
    followHistory();
}

// The modified flag and the Edit menu follow the history: back at the state on
// disk, there is nothing to save.
void MainWindow::followHistory()
{
    modified = !history.isAtSavedState();
    setSaveActionsEnabled(modified);
    undoAction->setEnabled(history.canUndo());
    undoAction->setText(history.canUndo() ? QStringLiteral("Undo ") + history.undoName() : QStringLiteral("Undo"));
    redoAction->setEnabled(history.canRedo());
    redoAction->setText(history.canRedo() ? QStringLiteral("Redo ") + history.redoName() : QStringLiteral("Redo"));
}

void MainWindow::onNewServer(Server* s)
{
    auto* label = new ServerLabel(imageLabel, &labelBounds, &servers, s);
    serverLabels.append(label);
    connect(label, &ServerLabel::onDeleteServer, this, &MainWindow::onDeleteServer);
    connect(label, &ServerLabel::onNewServer, this, &MainWindow::onNewServer);
    connect(label, &ServerLabel::onDataChanged, this, &MainWindow::onDataChanged);
    connect(label, &ServerLabel::stepDone, this, &MainWindow::recordStep);
    connect(label, &ServerLabel::connectionCheckRequested, this, &MainWindow::checkConnection);
}

// The answer shows in the status bar; the window goes on meanwhile.
void MainWindow::checkConnection(Server* server)
{
    const ServerAddress address = serverAddress(server->rps_hostname_port, server->rps_connection_type);
    const QString checked = server->display_name + QStringLiteral(": ") + address.text() + u' ';
    const QPointer<Server> record(server); // an undo or a delete may take it meanwhile
    auto* check = new ConnectionCheck(address, this);
    connect(check, &ConnectionCheck::finished, this, [this, check, record, checked](bool answered, const QString& reason) {
        statusBar->showMessage(checked + ConnectionCheck::resultText(answered, reason));
        if (record)
            showAnswer(record, answered);
        check->deleteLater();
    });
}

void MainWindow::checkAllServers()
{
    ServerCheckDialog dialog(this, servers);
    connect(&dialog, &ServerCheckDialog::checked, this, &MainWindow::showAnswer);
    dialog.exec();
}

void MainWindow::showAnswer(const Server* server, bool answered)
{
    for (ServerLabel* label : std::as_const(serverLabels)) {
        if (label->serverRecord() == server)
            label->setUnanswered(!answered);
    }
}

void MainWindow::createServerLabels()
{
    for (Server* server : std::as_const(servers))
        onNewServer(server);
}

void MainWindow::setStatusMsg(QString msg)
{
    statusBar->showMessage(msg, 5000);
}

void MainWindow::on_btnLoadImage_triggered()
{
    const QString fileName = Prompts::current().openFileName(this, QStringLiteral("Select network topology image file"),
                                                             workingDir, QStringLiteral("Images (*.png *.bmp *.jpg)"));
    if (!fileName.isEmpty())
        loadPicture(fileName);
}

void MainWindow::loadPicture(const QString& fileName)
{
    workingDir = QFileInfo(fileName).absolutePath();
    settings->setValue(kWorkingDirKey, workingDir);
    showTopologyImage(fileName);
    enableImageCommands();
    labelBounds = QRect(0, 0, width(), height());
    readConfigFile(configFilePath());
    createServerLabels();
    history.reset(ConfigFile::serialize(servers, thinClients));
    followHistory();
    ui->actionSave_backup->setEnabled(true);
    reportConfigurationProblems();
}

QString MainWindow::droppedPicture(const QDropEvent* event) const
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!ui->btnLoadImage->isEnabled() || urls.size() != 1 || !urls[0].isLocalFile())
        return {};
    const QString path = urls[0].toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    return QStringList{"png", "bmp", "jpg", "jpeg"}.contains(suffix) ? path : QString();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedPicture(event).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString picture = droppedPicture(event);
    if (picture.isEmpty())
        return;
    event->acceptProposedAction();
    loadPicture(picture);
}

void MainWindow::reportConfigurationProblems()
{
    const qsizetype count = configurationProblems(servers, thinClients, imageLabel->size()).size();
    if (count > 0)
        statusBar->showMessage(QStringLiteral("zev.conf: %1 problems — Tools ▸ Check configuration").arg(count));
}

void MainWindow::checkConfiguration()
{
    const QStringList problems = configurationProblems(servers, thinClients, imageLabel->size());
    TextViewDialog dialog(this, QStringLiteral("Check configuration"),
                          problems.isEmpty() ? QStringLiteral("No problems found.") : problems.join(u'\n'));
    dialog.exec();
}

void MainWindow::showTopologyImage(const QString& fileName)
{
    imageLabel = new TLabel;
    imageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap picture(fileName);
    imageLabel->setPixmap(picture);
    imageLabel->resize(picture.size());
    connect(imageLabel, &TLabel::onLabelClicked, this, &MainWindow::onImageClicked);

    scrollArea = new QScrollArea;
    scrollArea->setBackgroundRole(QPalette::Dark);
    scrollArea->setWidget(imageLabel);
    setCentralWidget(scrollArea);
}

void MainWindow::enableImageCommands()
{
    ui->btnLoadImage->setEnabled(false);
    for (QAction* action : {ui->btnNewServer, ui->btnNewThinclient, ui->btnServerAssignment, ui->menuNewServer,
                            ui->menuNewThinclient, ui->menuAssignServers, ui->menuEditThinclients,
                            ui->actionImport_thinclient_list, checkAction, checkServersAction})
        action->setEnabled(true);
}

void MainWindow::on_btnNewServer_triggered()
{
    DlgServer dialog(imageLabel, &labelBounds, &servers);
    runNewServerDialog(dialog);
}

void MainWindow::runNewServerDialog(DlgServer& dialog)
{
    connect(&dialog, &DlgServer::onNewServer, this, &MainWindow::onNewServer);
    connect(&dialog, &DlgServer::onDataChanged, this,
            [this] { recordStep(QStringLiteral("New server “%1”").arg(servers.last()->display_name)); });
    dialog.exec();
}

void MainWindow::on_btnNewThinclient_triggered()
{
    DlgThinClient dialog(this, &thinClients);
    connect(&dialog, &DlgThinClient::onDataChanged, this,
            [this] { recordStep(QStringLiteral("Add thinclient “%1”").arg(thinClients.last()->desc)); });
    connect(&dialog, &DlgThinClient::setStatusMsg, this, &MainWindow::setStatusMsg);
    dialog.exec();
}

void MainWindow::on_btnServerAssignment_triggered()
{
    DlgAssignServers dialog(this, &servers, &thinClients);
    connect(&dialog, &DlgAssignServers::onDataChanged, this, [this] { recordStep(QStringLiteral("Assign servers")); });
    dialog.exec();
}

void MainWindow::onDeleteServer(Server* server, ServerLabel* serverLabel)
{
    if (!server || !serverLabel)
        return;
    servers.removeOne(server);
    serverLabels.removeOne(serverLabel);
    for (ThinClient* client : std::as_const(thinClients))
        client->server_ids.removeOne(server->server_id);
    modified = true;
    // The label is still inside its own slot: it destroys itself (and with it
    // the record, the last thing that refers to it) once its menu has closed.
    server->setParent(serverLabel);
}

void MainWindow::on_menuEditThinclients_triggered()
{
    if (thinClients.isEmpty()) {
        Prompts::current().information(this, QStringLiteral("Edit Thinclients"),
                                       QStringLiteral("No thinclients have been defined yet"));
        return;
    }
    DlgEditThinClient dialog(this, &thinClients, &servers);
    connect(&dialog, &DlgEditThinClient::onDataChanged, this, [this] { recordStep(QStringLiteral("Edit thinclients")); });
    dialog.exec();
}

void MainWindow::on_menuNewServer_triggered()
{
    on_btnNewServer_triggered();
}

void MainWindow::on_menuNewThinclient_triggered()
{
    on_btnNewThinclient_triggered();
}

void MainWindow::on_menuAssignServers_triggered()
{
    on_btnServerAssignment_triggered();
}

void MainWindow::on_menuExit_triggered()
{
    close();
}

void MainWindow::on_btnSaveChanges_triggered()
{
    if (modified)
        saveConfiguration();
}

void MainWindow::on_actionSave_triggered()
{
    on_btnSaveChanges_triggered();
}

void MainWindow::openProductWebPage()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kProductWebPage)));
}

void MainWindow::on_actionOnline_help_triggered()
{
    openProductWebPage();
}

void MainWindow::onLogoClicked()
{
    openProductWebPage();
}

void MainWindow::on_actionAbout_Pelta_triggered()
{
    AboutDialog dialog(this, versionText);
    dialog.exec();
}

void MainWindow::on_actionSave_backup_triggered()
{
    runConfigBackup(this, workingDir, modified, [this] { saveConfiguration(); });
}

void MainWindow::onImageClicked(QPoint pos)
{
    if (!(QGuiApplication::keyboardModifiers() & Qt::ControlModifier))
        return;
    DlgServer dialog(imageLabel, &labelBounds, &servers, pos);
    runNewServerDialog(dialog);
}

void MainWindow::on_actionImport_thinclient_list_triggered()
{
    runThinClientImport(this, thinClients, [this] { recordStep(QStringLiteral("Import thinclient list")); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Escape and the title bar's close save too: only a plain No throws the changes away.
    if (modified &&
        Prompts::askYesNo(this, QStringLiteral("Save changes"),
                          QStringLiteral("\nDo you want to save changes before closing this application?"),
                          QMessageBox::Yes) != QMessageBox::No) {
        // The box has just said the data were NOT saved: keep the window, and the data, open.
        if (!saveConfiguration()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}
