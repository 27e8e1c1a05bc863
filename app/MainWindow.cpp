#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/ConfigBackup.h"
#include "app/ConnectionCheck.h"
#include "app/ServerCheckDialog.h"
#include "app/ProductInfo.h"
#include "app/WorkspaceReports.h"
#include "prompts/Prompts.h"
#include "canvas/ServerLabel.h"
#include "canvas/TLabel.h"
#include "app/ThinClientImportCommand.h"
#include "dialogs/ConflictDialog.h"
#include "dialogs/TextViewDialog.h"
#include "dialogs/server/DlgServer.h"
#include "dialogs/thinclient/DlgAssignServers.h"
#include "dialogs/thinclient/DlgEditThinClient.h"
#include "dialogs/thinclient/DlgThinClient.h"
#include "model/Server.h"
#include "model/ConfigWatcher.h"
#include "model/RecentFolder.h"
#include "model/ThinClient.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QUrl>

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
    configWatcher = new ConfigWatcher(workspace, this);
    connect(configWatcher, &ConfigWatcher::changedOnDisk, this, [this](ConfigChange change) {
        reportChangeOnDisk(this, change);
        followHistory(); // a deleted zev.conf turns Save on
    });
    WidgetPrompts::setConflictSettler(&ConflictDialog::settle);

    ui->mainToolBar->setFloatable(false);

    workingDir = RecentFolder::last();
}

// The labels go with the picture, before the workspace deletes the records they show.
MainWindow::~MainWindow()
{
    delete takeCentralWidget();
}

// The form makes the logo button (its picture is built into the program) as
// the tool bar's first entry; it belongs last, after the separator.
void MainWindow::buildLogoButton()
{
    logoButton = ui->logoButton;
    logoPixmap = logoButton->icon().pixmap(logoButton->iconSize());
    connect(logoButton, &QPushButton::clicked, this, &MainWindow::onLogoClicked);
    QAction* logoEntry = ui->mainToolBar->actions().constFirst();
    ui->mainToolBar->removeAction(logoEntry);
    ui->mainToolBar->addAction(logoEntry);
    logoButton->show();
}

void MainWindow::buildEditMenu()
{
    auto* menu = new QMenu(QStringLiteral("&Edit"), this);
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

void MainWindow::setSaveActionsEnabled(bool enabled)
{
    ui->btnSaveChanges->setEnabled(enabled);
    ui->actionSave->setEnabled(enabled);
}

// ---- data ----------------------------------------------------------------

int MainWindow::readConfigFile(const LoadOutcome& loaded)
{
    return reportConfig(this, workspace.configPath(), loaded) ? 0 : -1;
}

bool MainWindow::saveConfiguration()
{
    bool saved = false;
    // A merge with another program's changes makes the records anew.
    rebuildLabels([this, &saved] {
        const SaveOutcome outcome = runSave(this, workspace);
        saved = outcome.saved();
        if (outcome.merged)
            showMergeDetails(*outcome.merged);
        return outcome.merged && outcome.merged->status == MergeOutcome::Status::Merged;
    });
    return saved;
}

// ---- slots ---------------------------------------------------------------

void MainWindow::onDataChanged()
{
    workspace.markChanged();
    setSaveActionsEnabled(true);
}

void MainWindow::recordStep(const QString& name, bool continuing)
{
    workspace.recordStep(name, continuing);
    ServerLabel::setReadingOrder(serverLabels); // a label moved or came
    followHistory();
}

void MainWindow::undo()
{
    rebuildLabels([this] { return workspace.undo(), true; });
}

void MainWindow::redo()
{
    rebuildLabels([this] { return workspace.redo(), true; });
}

void MainWindow::on_actionMerge_from_disk_triggered()
{
    rebuildLabels([this] {
        const MergeOutcome merged = runMergeFromDisk(this, workspace);
        showMergeDetails(merged);
        return merged.status == MergeOutcome::Status::Merged;
    });
}

void MainWindow::on_actionReload_from_disk_triggered()
{
    rebuildLabels([this] { return runReloadFromDisk(this, workspace); });
}

// When the records are made anew (a state of the history, a merge), their
// labels go and come back, with the red borders of servers still there (a
// border lasts until the server's next check or edit) and the keyboard on the
// same server. The old labels are not touched meanwhile: every dialog is modal
// and a label's menu holds the keyboard.
void MainWindow::rebuildLabels(const std::function<bool()>& remakeRecords)
{
    const ServerLabel::Marks marks = ServerLabel::marksOf(serverLabels);
    if (remakeRecords()) {
        qDeleteAll(serverLabels);
        serverLabels.clear();
        createServerLabels();
        ServerLabel::restoreMarks(serverLabels, marks);
    }
    followHistory();
}

void MainWindow::showMergeDetails(const MergeOutcome& merged)
{
    if (merged.status != MergeOutcome::Status::Merged)
        return;
    lastMergeDetails = mergeDetails(merged);
    if (!mergeDetailsButton) {
        mergeDetailsButton = new QPushButton(QStringLiteral("Details"), statusBar);
        mergeDetailsButton->setObjectName(QStringLiteral("btnMergeDetails"));
        mergeDetailsButton->setAccessibleName(QStringLiteral("Details of the last merge"));
        statusBar->addPermanentWidget(mergeDetailsButton);
        connect(mergeDetailsButton, &QPushButton::clicked, this, [this] {
            TextViewDialog dialog(this, QStringLiteral("Merged changes"), lastMergeDetails);
            dialog.exec();
        });
    }
    mergeDetailsButton->setVisible(!lastMergeDetails.isEmpty());
}

// The save actions and the Edit menu follow the workspace: back at the state
// on disk, there is nothing to save.
void MainWindow::followHistory()
{
    const EditHistory& history = workspace.history();
    setSaveActionsEnabled(workspace.isModified());
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
    connect(check, &ConnectionCheck::finished, this, [this, check, record, checked](bool answered, const QString& result) {
        statusBar->showMessage(checked + result);
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
    ServerLabel::setReadingOrder(serverLabels);
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
    const LoadOutcome loaded = workspace.load(fileName);
    if (!reportFolder(this, loaded))
        return;
    workingDir = workspace.folderPath();
    RecentFolder::remember(workingDir);
    showTopologyImage(loaded, fileName);
    enableImageCommands();
    labelBounds = QRect(0, 0, width(), height());
    readConfigFile(loaded);
    createServerLabels();
    followHistory();
    for (QAction* action : {ui->actionSave_backup, ui->actionMerge_from_disk, ui->actionReload_from_disk})
        action->setEnabled(true);
    configWatcher->watch();
    reportConfigurationProblems();
}

QString MainWindow::droppedPicture(const QDropEvent* event) const
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!ui->btnLoadImage->isEnabled() || urls.size() != 1 || !urls[0].isLocalFile())
        return {};
    const QString name = urls[0].fileName();
    const QString suffix = name.mid(name.lastIndexOf(u'.') + 1).toLower(); // the whole name when it has no dot
    return name.contains(u'.') && QStringList{"png", "bmp", "jpg", "jpeg"}.contains(suffix) ? urls[0].toLocalFile()
                                                                                          : QString();
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
    const qsizetype count = workspace.problems(imageLabel->size()).size();
    if (count > 0)
        statusBar->showMessage(QStringLiteral("zev.conf: %1 problems — Tools ▸ Check configuration").arg(count));
}

void MainWindow::checkConfiguration()
{
    const QStringList problems = workspace.problems(imageLabel->size());
    TextViewDialog dialog(this, QStringLiteral("Check configuration"),
                          problems.isEmpty() ? QStringLiteral("No problems found.") : problems.join(u'\n'));
    dialog.exec();
}

// The picture is decoded from the bytes the workspace read; a file that is not
// one (a pipe, a device, a huge file) is said at once and leaves the picture empty.
void MainWindow::showTopologyImage(const LoadOutcome& loaded, const QString& fileName)
{
    reportPicture(this, fileName, loaded);
    imageLabel = new TLabel;
    imageLabel->setAccessibleDescription(fileName);
    imageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap picture = QPixmap::fromImage(QImage::fromData(loaded.picture.content));
    imageLabel->setPixmap(picture);
    imageLabel->resize(picture.size());
    connect(imageLabel, &TLabel::onLabelClicked, this, &MainWindow::onImageClicked);

    scrollArea = new QScrollArea;
    scrollArea->setFocusPolicy(Qt::NoFocus); // Tab goes to the labels; the area follows the one focused
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
    workspace.removeServer(server);
    serverLabels.removeOne(serverLabel);
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

void MainWindow::on_btnSaveChanges_triggered()
{
    if (workspace.isModified())
        saveConfiguration();
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
    runConfigBackup(this, workspace, [this] { return saveConfiguration(); });
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
    if (workspace.isModified() &&
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
