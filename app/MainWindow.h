#pragma once

#include "model/Workspace.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

namespace Ui {
class MainWindow;
}

class ConfigWatcher;
class DlgServer;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QPushButton;
struct LoadOutcome;
class Server;
class QScrollArea;
class QStatusBar;
class ServerLabel;
class TLabel;
class ThinClient;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The boxes for what loading zev.conf found: 0 when it was read, -1 otherwise.
    int readConfigFile(const LoadOutcome& loaded);
    // Saves through the workspace and reports the outcome; false unless every file was written.
    bool saveConfiguration();
    void createServerLabels();

    const QList<Server*>& serverList() const { return workspace.servers(); }
    const QList<ThinClient*>& thinClientList() const { return workspace.thinClients(); }
    // The document the window shows: every change to the records is one of its operations.
    Workspace& document() { return workspace; }
    const QList<ServerLabel*>& serverLabelList() const { return serverLabels; }
    TLabel* topologyLabel() const { return imageLabel; }
    bool isModified() const { return workspace.isModified(); }

public slots:
    void undo();
    void redo();
    void setStatusMsg(QString msg);

private slots:
    void on_btnLoadImage_triggered();
    void on_btnNewServer_triggered();
    void on_btnNewThinclient_triggered();
    void on_btnServerAssignment_triggered();
    void on_menuEditThinclients_triggered();
    void on_btnSaveChanges_triggered();
    void on_actionOnline_help_triggered();
    void on_actionAbout_Pelta_triggered();
    void onLogoClicked();
    void on_actionSave_backup_triggered();
    void onImageClicked(QPoint pos);
    void on_actionImport_thinclient_list_triggered();
    void on_actionMerge_from_disk_triggered();
    void on_actionReload_from_disk_triggered();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A picture file dropped on the window loads as if chosen in the file dialog.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildLogoButton();
    void showTopologyImage(const LoadOutcome& loaded, const QString& fileName);
    void enableImageCommands();
    void setSaveActionsEnabled(bool enabled);
    void openProductWebPage();
    void runNewServerDialog(const QPoint* clicked);
    void runServerDialog(quint64 handle, bool clone);
    // The labels follow the workspace's records.
    void addServerLabel(const Server& server);
    ServerLabel* labelOf(quint64 handle) const;
    void remakeServerLabels();
    void showServerChange(quint64 handle);
    void removeServerLabel(quint64 handle);
    void buildEditMenu();
    void buildStartHint();
    QAction* addToolsCommand(const QString& text, const QString& name, void (MainWindow::*command)());
    void loadPicture(const QString& fileName);
    void giveKeyboardToPicture();
    QString droppedPicture(const QDropEvent* event) const;
    void checkConfiguration();
    void checkConnection(quint64 handle);
    void checkAllServers();
    void showAnswer(quint64 handle, bool answered);
    void reportLoaded(const QString& picturePath);
    void followHistory();
    // What the last merge took from another program, behind the status bar's "Details".
    void showMergeDetails(const MergeOutcome& merged);

    std::unique_ptr<Ui::MainWindow> ui;
    TLabel* imageLabel = nullptr;
    QScrollArea* scrollArea = nullptr;
    QString workingDir;
    bool showingRecords = false; // the picture is loaded and its labels are shown
    QRect labelBounds;
    QPixmap logoPixmap;
    QPushButton* logoButton = nullptr;
    QStatusBar* statusBar = nullptr;
    Workspace workspace; // the records, their history and the folder on disk
    QList<ServerLabel*> serverLabels;
    QAction* checkAction = nullptr;
    QAction* checkServersAction = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    ConfigWatcher* configWatcher = nullptr;
    QPushButton* mergeDetailsButton = nullptr;
    QString lastMergeDetails;
};
