#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/ConfigBackup.h"
#include "app/ConnectionCheck.h"
#include "app/ServerCheckDialog.h"
#include "model/ProductInfo.h"
#include "app/WorkspaceReports.h"
#include "prompts/Announcer.h"
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
#include "model/GitSetup.h"
#include "model/RecentFolder.h"
#include "model/RecordCopies.h"
#include "model/SaveReport.h"
#include "model/ThinClient.h"
#include "model/Translations.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
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
#include <QTimer>
#include <QUrl>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    buildLogoButton();
    buildEditMenu();
    buildStartHint();
    checkAction = addToolsCommand(tr("Check configuration"), QStringLiteral("actionCheck_configuration"),
                                  &MainWindow::checkConfiguration);
    checkServersAction = addToolsCommand(tr("Check all servers"), QStringLiteral("actionCheck_all_servers"),
                                         &MainWindow::checkAllServers);
    setAcceptDrops(true);

    statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(statusBar);
    // What a sighted user reads in the status bar, a screen reader says.
    connect(statusBar, &QStatusBar::messageChanged, this, [this](const QString& message) { Announcer::announce(this, message); });
    configWatcher = new ConfigWatcher(workspace, this);
    connect(configWatcher, &ConfigWatcher::changedOnDisk, this, [this](ConfigChange change) {
        reportChangeOnDisk(this, change);
        followHistory(); // a deleted zev.conf turns Save on
    });
    WidgetPrompts::setConflictSettler(&ConflictDialog::settle);
    connect(&workspace, &Workspace::recordsReset, this, &MainWindow::remakeServerLabels);
    connect(&workspace, &Workspace::serverAdded, this, [this](quint64 handle) {
        addServerLabel(*workspace.server(handle));
        ServerLabel::setReadingOrder(serverLabels);
    });
    connect(&workspace, &Workspace::serverChanged, this, &MainWindow::showServerChange);
    connect(&workspace, &Workspace::serverRemoved, this, &MainWindow::removeServerLabel);
    connect(&workspace, &Workspace::stateChanged, this, &MainWindow::followHistory);

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
    auto* menu = new QMenu(tr("&Edit"), this);
    menu->setObjectName(QStringLiteral("menuEdit"));
    ui->menuBar->insertMenu(ui->menuTools->menuAction(), menu);
    undoAction = menu->addAction(tr("Undo"), this, &MainWindow::undo);
    undoAction->setObjectName(QStringLiteral("actionUndo"));
    undoAction->setShortcuts(QKeySequence::Undo);
    redoAction = menu->addAction(tr("Redo"), this, &MainWindow::redo);
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
    auto* hint = new QLabel(tr("Load the topology picture of your network to begin: File ▸ Load image"), this);
    hint->setObjectName(QStringLiteral("startHint"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setFocusPolicy(Qt::TabFocus); // and has the keyboard: a screen reader says it at start
    setCentralWidget(hint);
    hint->setFocus();
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
    const SaveOutcome outcome = runSave(this, workspace);
    if (outcome.merged)
        showMergeDetails(*outcome.merged);
    return outcome.saved();
}

// ---- slots ---------------------------------------------------------------

// Said in the status bar, and so to a screen reader, as the label or record changes back.
void MainWindow::undo()
{
    if (!workspace.history().canUndo())
        return;
    const QString step = workspace.history().undoName();
    workspace.undo();
    //: %1 the name of the step undone
    setStatusMsg(tr("Undone: %1").arg(step));
}

void MainWindow::redo()
{
    if (!workspace.history().canRedo())
        return;
    const QString step = workspace.history().redoName();
    workspace.redo();
    //: %1 the name of the step redone
    setStatusMsg(tr("Redone: %1").arg(step));
}

void MainWindow::on_actionMerge_from_disk_triggered()
{
    showMergeDetails(runMergeFromDisk(this, workspace));
}

void MainWindow::on_actionReload_from_disk_triggered()
{
    runReloadFromDisk(this, workspace);
}

// When the records are made anew (a state of the history, a merge), their
// labels go and come back, with the red borders of servers still there (a
// border lasts until the server's next check or edit) and the keyboard on the
// same server. The old labels are not touched meanwhile: every dialog is modal
// and a label's menu holds the keyboard.
void MainWindow::remakeServerLabels()
{
    if (!showingRecords)
        return;
    const ServerLabel::Marks marks = ServerLabel::marksOf(serverLabels);
    qDeleteAll(serverLabels);
    serverLabels.clear();
    createServerLabels();
    ServerLabel::restoreMarks(serverLabels, marks);
}

ServerLabel* MainWindow::labelOf(quint64 handle) const
{
    for (ServerLabel* label : serverLabels) {
        if (label->serverHandle() == handle)
            return label;
    }
    return nullptr;
}

void MainWindow::showServerChange(quint64 handle)
{
    ServerLabel* label = labelOf(handle);
    if (!label)
        return;
    label->showServer(*workspace.server(handle));
    ServerLabel::setReadingOrder(serverLabels); // it may have moved
}

// The label may be inside its own menu's slot: it goes once the menu has closed.
void MainWindow::removeServerLabel(quint64 handle)
{
    ServerLabel* label = labelOf(handle);
    if (!label)
        return;
    serverLabels.removeOne(label);
    label->dismiss();
}

void MainWindow::showMergeDetails(const MergeOutcome& merged)
{
    if (merged.status != MergeOutcome::Status::Merged)
        return;
    lastMergeDetails = mergeDetails(merged);
    if (!mergeDetailsButton) {
        mergeDetailsButton = new QPushButton(tr("Details"), statusBar);
        mergeDetailsButton->setObjectName(QStringLiteral("btnMergeDetails"));
        mergeDetailsButton->setAccessibleName(tr("Details of the last merge"));
        statusBar->addPermanentWidget(mergeDetailsButton);
        connect(mergeDetailsButton, &QPushButton::clicked, this, [this] {
            TextViewDialog dialog(this, tr("Merged changes"), lastMergeDetails);
            dialog.exec();
        });
    }
    mergeDetailsButton->setAccessibleDescription(lastMergeDetails);
    mergeDetailsButton->setVisible(!lastMergeDetails.isEmpty());
}

// The save actions and the Edit menu follow the workspace: back at the state
// on disk, there is nothing to save.
void MainWindow::followHistory()
{
    const EditHistory& history = workspace.history();
    setSaveActionsEnabled(workspace.isModified());
    undoAction->setEnabled(history.canUndo());
    //: The Edit menu's Undo: %1 the name of the step it undoes
    undoAction->setText(history.canUndo() ? tr("Undo %1").arg(history.undoName()) : tr("Undo"));
    redoAction->setEnabled(history.canRedo());
    //: The Edit menu's Redo: %1 the name of the step it redoes
    redoAction->setText(history.canRedo() ? tr("Redo %1").arg(history.redoName()) : tr("Redo"));
}

void MainWindow::addServerLabel(const Server& server)
{
    if (!showingRecords)
        return;
    auto* label = new ServerLabel(imageLabel, &labelBounds, server);
    serverLabels.append(label);
    connect(label, &ServerLabel::placed, &workspace, &Workspace::placeLabel);
    connect(label, &ServerLabel::serverDialogRequested, this, &MainWindow::runServerDialog);
    connect(label, &ServerLabel::deleteRequested, &workspace, &Workspace::deleteServer);
    connect(label, &ServerLabel::connectionCheckRequested, this, &MainWindow::checkConnection);
}

// The answer shows in the status bar; the window goes on meanwhile.
void MainWindow::checkConnection(quint64 handle)
{
    const Server* server = workspace.server(handle);
    if (!server)
        return;
    const ServerAddress address = serverAddress(server->rps_hostname_port, server->rps_connection_type);
    const QString name = server->display_name;
    const QString where = address.text();
    auto* check = new ConnectionCheck(address, this);
    // An undo or a delete may take the server meanwhile: its handle then shows nothing.
    connect(check, &ConnectionCheck::finished, this,
            [this, check, handle, name, where](bool answered, const QString& result) {
                //: A connection check's answer: %1 the server's name, %2 its address, %3 the result ("answers",
                //: "does not answer: …" or "cannot be checked: …")
                statusBar->showMessage(tr("%1: %2 %3").arg(name, where, result));
                showAnswer(handle, answered);
                check->deleteLater();
            });
}

void MainWindow::checkAllServers()
{
    ServerCheckDialog dialog(this, workspace.servers());
    connect(&dialog, &ServerCheckDialog::checked, this, &MainWindow::showAnswer);
    dialog.exec();
}

void MainWindow::showAnswer(quint64 handle, bool answered)
{
    if (ServerLabel* label = labelOf(handle))
        label->setUnanswered(!answered);
}

void MainWindow::createServerLabels()
{
    for (const Server* server : workspace.servers())
        addServerLabel(*server);
    ServerLabel::setReadingOrder(serverLabels); // once for all: a fleet may have thousands of servers
}

void MainWindow::setStatusMsg(QString msg)
{
    statusBar->showMessage(msg, 5000);
}

void MainWindow::on_btnLoadImage_triggered()
{
    const QString fileName = Prompts::current().openFileName(this, tr("Select network topology image file"),
                                                             workingDir,
                                                             //: The file dialog's filter: the words are translated,
                                                             //: the patterns in brackets are kept
                                                             tr("Images (*.png *.bmp *.jpg)"));
    if (!fileName.isEmpty())
        loadPicture(fileName);
}

void MainWindow::loadPicture(const QString& fileName)
{
    const LoadOutcome loaded = workspace.load(fileName);
    if (!reportFolder(this, loaded) || !reportUnresolvedConflicts(this, loaded))
        return;
    workingDir = workspace.folderPath();
    RecentFolder::remember(workingDir);
    showTopologyImage(loaded, fileName);
    enableImageCommands();
    labelBounds = QRect(0, 0, width(), height());
    readConfigFile(loaded);
    showingRecords = true;
    remakeServerLabels();
    followHistory();
    for (QAction* action : {ui->actionSave_backup, ui->actionMerge_from_disk, ui->actionReload_from_disk})
        action->setEnabled(true);
    configWatcher->watch();
    reportLoaded(fileName);
    QTimer::singleShot(0, this, &MainWindow::giveKeyboardToPicture);
}

// The file dialog has just closed, and what had the keyboard went with the old
// central widget: the window takes the keyboard back and puts it on the first
// label in reading order, or on the picture when it has none.
void MainWindow::giveKeyboardToPicture()
{
    activateWindow();
    if (ServerLabel* first = ServerLabel::firstInReadingOrder(serverLabels))
        first->setFocus(Qt::OtherFocusReason);
    else
        imageLabel->setFocus(Qt::OtherFocusReason);
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

// What was loaded, and what needs looking at: shown until the next message
// when there is something to look at.
void MainWindow::reportLoaded(const QString& picturePath)
{
    const qsizetype servers = workspace.servers().size();
    const qsizetype clients = workspace.thinClients().size();
    //: What loading found: %1 the picture's file name, %2 how many servers, %3 how many thinclients
    QStringList found{tr("Loaded %1: %2, %3")
                          .arg(QFileInfo(picturePath).fileName(), tr("%Ln servers", nullptr, int(servers)),
                               tr("%Ln thinclients", nullptr, int(clients)))};
    if (const QString behind = SaveReport::devicesBehind(workspace.devicesBehind().size());
        !behind.isEmpty())
        found << behind;
    if (const qsizetype count = workspace.problems(imageLabel->size()).size(); count > 0)
        found << tr("zev.conf: %Ln problems — Tools ▸ Check configuration", nullptr, int(count));
    if (const QString git = GitSetup::missing(workspace.folderPath()); !git.isEmpty())
        found << git;
    statusBar->showMessage(Translations::joinedParts(found), found.size() > 1 ? 0 : 5000);
}

void MainWindow::checkConfiguration()
{
    const QStringList problems = workspace.problems(imageLabel->size());
    TextViewDialog dialog(this, tr("Check configuration"),
                          problems.isEmpty() ? tr("No problems found.") : problems.join(u'\n'));
    dialog.exec();
}

// The picture is decoded from the bytes the workspace read; a file that is not
// one (a pipe, a device, a huge file) is said at once and leaves the picture empty.
void MainWindow::showTopologyImage(const LoadOutcome& loaded, const QString& fileName)
{
    const QPixmap picture = QPixmap::fromImage(QImage::fromData(loaded.picture.content));
    reportPicture(this, fileName, loaded, !picture.isNull());
    scrollArea = new QScrollArea(this);
    imageLabel = new TLabel(scrollArea);
    //: %1 the picture's file name
    imageLabel->setAccessibleName(tr("Network topology picture, %1").arg(QFileInfo(fileName).fileName()));
    imageLabel->setAccessibleDescription(fileName);
    imageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imageLabel->setPixmap(picture);
    imageLabel->resize(picture.size());
    connect(imageLabel, &TLabel::onLabelClicked, this, &MainWindow::onImageClicked);


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
    runNewServerDialog(nullptr);
}

// The dialogs edit copies of the records, handed back to the workspace as each is saved.
void MainWindow::runNewServerDialog(const QPoint* clicked)
{
    RecordCopies<Server> copies(workspace.servers());
    std::unique_ptr<DlgServer> dialog = clicked ? std::make_unique<DlgServer>(imageLabel, &labelBounds, &copies.list, *clicked)
                                                : std::make_unique<DlgServer>(imageLabel, &labelBounds, &copies.list);
    connect(dialog.get(), &DlgServer::onNewServer, &workspace, [this](Server* created) { workspace.addServer(*created); });
    dialog->exec();
}

void MainWindow::runServerDialog(quint64 handle, bool clone)
{
    RecordCopies<Server> copies(workspace.servers());
    Server* server = copies.find(handle);
    if (!server)
        return;
    DlgServer dialog(imageLabel, &labelBounds, &copies.list, server, clone);
    if (clone) {
        connect(&dialog, &DlgServer::onNewServer, &workspace, [this](Server* created) { workspace.cloneServer(*created); });
    } else {
        connect(&dialog, &DlgServer::onDataChanged, &workspace, [this, handle, server] {
            if (ServerLabel* label = labelOf(handle))
                label->setUnanswered(false); // an edited server is checked afresh
            workspace.editServer(handle, *server);
        });
    }
    dialog.exec();
}

void MainWindow::on_btnNewThinclient_triggered()
{
    RecordCopies<ThinClient> copies(workspace.thinClients());
    DlgThinClient dialog(this, &copies.list);
    connect(&dialog, &DlgThinClient::onDataChanged, &workspace,
            [this, &copies] { workspace.addThinClient(copies.list.last()->desc, copies.list.last()->serial_number); });
    connect(&dialog, &DlgThinClient::setStatusMsg, this, &MainWindow::setStatusMsg);
    dialog.exec();
}

void MainWindow::on_btnServerAssignment_triggered()
{
    RecordCopies<ThinClient> copies(workspace.thinClients());
    DlgAssignServers dialog(this, &workspace.servers(), &copies.list);
    connect(&dialog, &DlgAssignServers::onDataChanged, &workspace, [this, &copies] { workspace.assignServers(copies.list); });
    dialog.exec();
}

void MainWindow::on_menuEditThinclients_triggered()
{
    if (workspace.thinClients().isEmpty()) {
        Prompts::current().information(this, tr("Edit Thinclients"), tr("No thinclients have been defined yet"));
        return;
    }
    RecordCopies<ThinClient> copies(workspace.thinClients());
    DlgEditThinClient dialog(this, &copies.list, &workspace.servers());
    connect(&dialog, &DlgEditThinClient::onDataChanged, &workspace, [this, &copies] { workspace.editThinClients(copies.list); });
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
    AboutDialog dialog(this, versionText());
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
    runNewServerDialog(&pos);
}

void MainWindow::on_actionImport_thinclient_list_triggered()
{
    runThinClientImport(this, workspace);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Escape and the title bar's close save too: only a plain No throws the changes away.
    if (workspace.isModified() &&
        Prompts::askYesNo(this, tr("Save changes"),
                          tr("\nDo you want to save changes before closing this application?"),
                          QMessageBox::Yes) != QMessageBox::No) {
        // The box has just said the data were NOT saved: keep the window, and the data, open.
        if (!saveConfiguration()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}
