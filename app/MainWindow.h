#pragma once

#include "model/DiskStamp.h"
#include "model/EditHistory.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

namespace Ui {
class MainWindow;
}

class DlgServer;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QPushButton;
class SaveSession;
class Server;
class QScrollArea;
class QSettings;
class QStatusBar;
class ServerLabel;
class TLabel;
class ThinClient;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // File operations: 0 for success, -1 for failure; the boxes are shown here.
    int readConfigFile(const QString& path);
    int writeConfigFile(const SaveSession& session);
    // Returns false when zev.conf could not be written (the data stay modified).
    bool saveConfiguration();
    void writeClientConfigFiles(const SaveSession& session);
    void createServerLabels();

    QList<Server*>& serverList() { return servers; }
    QList<ThinClient*>& thinClientList() { return thinClients; }
    const QList<ServerLabel*>& serverLabelList() const { return serverLabels; }
    TLabel* topologyLabel() const { return imageLabel; }
    QString workingDirectory() const { return workingDir; }
    bool isModified() const { return modified; }

public slots:
    void onDataChanged();
    // One change a user would name, such as "Move label": a step to undo. A
    // change that left the records as they were adds none.
    void recordStep(const QString& name);
    void undo();
    void redo();
    void onNewServer(Server* s);
    void setStatusMsg(QString msg);

private slots:
    void on_btnLoadImage_triggered();
    void on_btnNewServer_triggered();
    void on_btnNewThinclient_triggered();
    void on_btnServerAssignment_triggered();
    void onDeleteServer(Server* server, ServerLabel* serverLabel);
    void on_menuEditThinclients_triggered();
    void on_menuNewServer_triggered();
    void on_menuNewThinclient_triggered();
    void on_menuAssignServers_triggered();
    void on_menuExit_triggered();
    void on_btnSaveChanges_triggered();
    void on_actionSave_triggered();
    void on_actionOnline_help_triggered();
    void on_actionAbout_Pelta_triggered();
    void onLogoClicked();
    void on_actionSave_backup_triggered();
    void onImageClicked(QPoint pos);
    void on_actionImport_thinclient_list_triggered();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A picture file dropped on the window loads as if chosen in the file dialog.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildLogoButton();
    void showTopologyImage(const QString& fileName);
    void enableImageCommands();
    void setSaveActionsEnabled(bool enabled);
    QString configFilePath() const;
    void openProductWebPage();
    void runNewServerDialog(DlgServer& dialog);
    void buildEditMenu();
    void buildStartHint();
    QAction* addToolsCommand(const QString& text, const QString& name, void (MainWindow::*command)());
    void loadPicture(const QString& fileName);
    QString droppedPicture(const QDropEvent* event) const;
    void checkConfiguration();
    void checkConnection(Server* server);
    void checkAllServers();
    void showAnswer(const Server* server, bool answered);
    void reportConfigurationProblems();
    void followHistory();
    void restoreState(const QByteArray& state);
    bool mayReplaceConfigOnDisk();

    std::unique_ptr<Ui::MainWindow> ui;
    QString versionText;
    TLabel* imageLabel = nullptr;
    QScrollArea* scrollArea = nullptr;
    QString workingDir;
    QSettings* settings = nullptr;
    QRect labelBounds;
    bool modified = false;
    QPixmap logoPixmap;
    QPushButton* logoButton = nullptr;
    QStatusBar* statusBar = nullptr;
    QList<Server*> servers;
    QList<ServerLabel*> serverLabels;
    QList<ThinClient*> thinClients;
    QAction* checkAction = nullptr;
    QAction* checkServersAction = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    EditHistory history;
    DiskStamp configOnDisk;
};
