#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "canvas/ServerLabel.h"
#include "canvas/TLabel.h"
#include "dialogs/server/DlgServer.h"
#include "dialogs/thinclient/DlgAssignServers.h"
#include "dialogs/thinclient/DlgEditThinClient.h"
#include "model/ConfigFile.h"
#include "model/Server.h"
#include "model/ThinClient.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "support/SampleRecords.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QStringList kStartEnabled = {"btnLoadImage", "menuExit", "actionOnline_help", "actionAbout_Pelta"};
const QStringList kEnabledByImage = {"btnNewServer",      "btnNewThinclient",  "btnServerAssignment",
                                     "menuNewServer",     "menuNewThinclient", "menuAssignServers",
                                     "menuEditThinclients", "actionImport_thinclient_list", "actionSave_backup"};

QStringList enabledActions(const MainWindow& window)
{
    QStringList names;
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (!action->objectName().isEmpty() && action->isEnabled())
            names << action->objectName();
    }
    names.sort();
    return names;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

void trigger(MainWindow& window, const char* actionName)
{
    QAction* action = window.findChild<QAction*>(actionName);
    QVERIFY2(action, actionName);
    action->trigger();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePrompts> prompts;
    std::unique_ptr<UrlRecorder> browser;
    std::unique_ptr<QTemporaryDir> dir;

    QString workPath(const QString& name) const { return dir->filePath(name); }

    QString makePicture() { return writeTestPicture(dir->path()); }

    void installGoldenConfig() { QFile::copy(ZEV_TEST_DATA "/zev_golden.conf", workPath("zev.conf")); }

    // Loads the picture through the file dialog, as a user would.
    void loadPicture(MainWindow& window)
    {
        prompts->fileNames << makePicture();
        trigger(window, "btnLoadImage");
        prompts->calls.clear();
    }

private slots:
    void initTestCase()
    {
        initZevResources();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void init()
    {
        isolateSettings();
        prompts = std::make_unique<FakePrompts>();
        browser = std::make_unique<UrlRecorder>();
        dir = std::make_unique<QTemporaryDir>();
    }

    void cleanup()
    {
        QCOMPARE(prompts->unexpected, 0);
        prompts.reset();
        browser.reset();
        dir.reset();
    }

    void remembersTheWorkingDirectory()
    {
        QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).setValue("workingDir", dir->path());
        MainWindow window;
        QCOMPARE(window.workingDirectory(), dir->path());
        prompts->fileNames << QString();
        trigger(window, "btnLoadImage");
        QCOMPARE(prompts->calls.size(), 1);
        QCOMPARE(prompts->calls[0].title, QStringLiteral("Select network topology image file"));
        QCOMPARE(prompts->calls[0].text, QStringLiteral("Images (*.png *.bmp *.jpg)"));
        QCOMPARE(prompts->calls[0].dir, dir->path());
        QVERIFY(!window.topologyLabel());
        QCOMPARE(enabledActions(window), sorted(kStartEnabled));
    }

    void loadingThePictureReadsTheConfiguration()
    {
        installGoldenConfig();
        MainWindow window;
        loadPicture(window);

        QCOMPARE(window.workingDirectory(), dir->path());
        QCOMPARE(QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).value("workingDir").toString(),
                 dir->path());
        QCOMPARE(enabledActions(window), sorted(QStringList(kEnabledByImage) << "menuExit" << "actionOnline_help"
                                                                             << "actionAbout_Pelta"));
        QVERIFY(window.topologyLabel());
        QCOMPARE(window.topologyLabel()->size(), QSize(600, 400));
        QCOMPARE(window.serverList().size(), 2);
        QCOMPARE(window.thinClientList().size(), 2);
        QCOMPARE(window.serverLabelList().size(), 2);
        ServerLabel* label = window.serverLabelList().first();
        QCOMPARE(label->parentWidget(), window.topologyLabel());
        QCOMPARE(label->geometry(), QRect(10, 20, 75, 75));
        QCOMPARE(label->text(), QStringLiteral(" Main office "));
        QCOMPARE(label->styleSheet(), QStringLiteral("background-color: rgba(0, 0, 0, 80);"));
        QVERIFY(!window.isModified());
    }

    void unreadableConfigurationIsReported()
    {
        QVERIFY(QDir(dir->path()).mkdir("zev.conf"));
        MainWindow window;
        prompts->fileNames << makePicture();
        trigger(window, "btnLoadImage");
        QCOMPARE(prompts->kinds(), QStringList({"open", "warning"}));
        QCOMPARE(prompts->calls[1].title, QStringLiteral("ZEV - Loading Configuration"));
        QVERIFY(prompts->calls[1].text.contains(workPath("zev.conf")));
        QVERIFY(window.serverList().isEmpty());
    }

    void saveWritesOnlyWhenModified()
    {
        installGoldenConfig();
        MainWindow window;
        loadPicture(window);
        QFile::remove(workPath("zev.conf"));

        trigger(window, "actionSave");
        QVERIFY(!QFileInfo::exists(workPath("zev.conf")));

        window.onDataChanged();
        QVERIFY(window.isModified());
        QVERIFY(window.findChild<QAction*>("btnSaveChanges")->isEnabled());
        trigger(window, "btnSaveChanges");
        QCOMPARE(readTestFile(workPath("zev.conf")), readTestFile(ZEV_TEST_DATA "/zev_golden.conf"));
        QCOMPARE(readTestFile(workPath("AB12.conf")), readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
        QVERIFY(QFileInfo::exists(workPath("CD34.conf")));
        QVERIFY(!window.isModified());
        QVERIFY(!window.findChild<QAction*>("btnSaveChanges")->isEnabled());
        QVERIFY(!window.findChild<QAction*>("actionSave")->isEnabled());
        QVERIFY(prompts->calls.isEmpty());
    }

    void failedMainFileKeepsTheDataModified()
    {
        MainWindow window;
        loadPicture(window);
        window.thinClientList() << new ThinClient("d", "T1");
        window.onDataChanged();
        QVERIFY(QDir(dir->path()).mkdir("zev.conf"));

        trigger(window, "actionSave");
        QCOMPARE(prompts->kinds(), QStringList({"information"}));
        QCOMPARE(prompts->calls[0].title, QStringLiteral("ZEV - Saving Configuration"));
        QCOMPARE(prompts->calls[0].text,
                 QStringLiteral("\nError opening configuration file; your data has NOT been saved!"));
        QVERIFY(window.isModified());
        QVERIFY(window.findChild<QAction*>("actionSave")->isEnabled());
        QVERIFY2(QFileInfo::exists(workPath("T1.conf")), "per-client files are still written");
    }

    void clientFileQuestion_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("Yes") << QMessageBox::Yes;
        QTest::newRow("No") << QMessageBox::No;
    }

    void clientFileQuestion()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        MainWindow window;
        loadPicture(window);
        window.thinClientList() << new ThinClient("a", "A1") << new ThinClient("b", "B/2") << new ThinClient("c", "C3");
        window.onDataChanged();
        prompts->answers << answer;

        trigger(window, "actionSave");
        QCOMPARE(prompts->calls[0].kind, QStringLiteral("question"));
        QCOMPARE(prompts->calls[0].title, QStringLiteral("Creating thinclient configuration"));
        QCOMPARE(prompts->calls[0].text,
                 QStringLiteral("\nError creating file: %1/B/2.conf\nDo you want to continue?").arg(dir->path()));
        QCOMPARE(prompts->calls[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(prompts->calls[0].defaultButton, QMessageBox::Yes);
        QCOMPARE(QFileInfo::exists(workPath("C3.conf")), answer == QMessageBox::Yes);
        // After Yes as after No, the save ends by saying that a device has no file.
        QCOMPARE(prompts->kinds(), QStringList({"question", "information"}));
        QCOMPARE(prompts->calls[1].text, QStringLiteral("Not all thinclient configuration fileshave been created"));
        QVERIFY(!window.isModified());
    }

    void savingAnEmptiedConfigurationWritesTheHeader()
    {
        installGoldenConfig();
        MainWindow window;
        loadPicture(window);
        while (!window.serverLabelList().isEmpty()) {
            ServerLabel* label = window.serverLabelList().first();
            QMetaObject::invokeMethod(&window, "onDeleteServer", Q_ARG(Server*, label->serverRecord()),
                                      Q_ARG(ServerLabel*, label));
        }
        qDeleteAll(window.thinClientList());
        window.thinClientList().clear();
        window.onDataChanged();
        trigger(window, "actionSave");

        QList<Server*> servers;
        QList<ThinClient*> thinClients;
        QCOMPARE(ConfigFile::read(workPath("zev.conf"), servers, thinClients), ConfigFile::ReadStatus::Read);
        QVERIFY(servers.isEmpty() && thinClients.isEmpty());
        QVERIFY(!window.isModified());
    }

    void deleteServerRemovesTheFirstMatchingId()
    {
        installGoldenConfig();
        MainWindow window;
        loadPicture(window);
        ServerLabel* label = window.serverLabelList().first();
        Server* server = label->serverRecord();
        const QString id = server->server_id;
        window.thinClientList()[1]->server_ids = QStringList({id, "other", id});
        window.thinClientList() << new ThinClient("lower", "L1");
        window.thinClientList()[2]->server_ids << id.toLower() + "x";

        QMetaObject::invokeMethod(&window, "onDeleteServer", Q_ARG(Server*, nullptr), Q_ARG(ServerLabel*, label));
        QCOMPARE(window.serverList().size(), 2);
        QVERIFY(!window.isModified());

        QMetaObject::invokeMethod(&window, "onDeleteServer", Q_ARG(Server*, server), Q_ARG(ServerLabel*, label));
        QCOMPARE(window.serverList().size(), 1);
        QVERIFY(!window.serverList().contains(server));
        QVERIFY(!window.serverLabelList().contains(label));
        QCOMPARE(window.thinClientList()[0]->server_ids, QStringList("gone"));
        QCOMPARE(window.thinClientList()[1]->server_ids, QStringList({"other", id}));
        QVERIFY(window.isModified());
    }

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("realBox"); // how the real box is answered, or empty for the fake one
        QTest::addColumn<bool>("saved");
        QTest::newRow("unmodified") << false << QMessageBox::NoButton << "" << false;
        QTest::newRow("Yes") << true << QMessageBox::Yes << "" << true;
        QTest::newRow("No") << true << QMessageBox::No << "" << false;
        QTest::newRow("Escape on the real box") << true << QMessageBox::NoButton << "Escape" << true;
        QTest::newRow("real box closed") << true << QMessageBox::NoButton << "close" << true;
        QTest::newRow("No on the real box") << true << QMessageBox::NoButton << "No" << false;
    }

    void closeQuestion()
    {
        QFETCH(bool, modified);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, realBox);
        QFETCH(bool, saved);
        installGoldenConfig();
        MainWindow window;
        loadPicture(window);
        QFile::remove(workPath("zev.conf"));
        if (modified)
            window.onDataChanged();
        if (realBox.isEmpty()) {
            prompts->answers << answer;
        } else {
            Prompts::install(nullptr);
            window.show();
            QTimer::singleShot(0, this, [&realBox] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
                if (realBox == "Escape")
                    QTest::keyClick(box, Qt::Key_Escape);
                else if (realBox == "close")
                    box->close();
                else
                    QTest::keyClick(box->button(QMessageBox::No), Qt::Key_Space);
            });
        }

        QVERIFY(window.close());
        Prompts::install(prompts.get());
        QCOMPARE(prompts->calls.size(), modified && realBox.isEmpty() ? 1 : 0);
        if (!prompts->calls.isEmpty()) {
            QCOMPARE(prompts->calls[0].title, QStringLiteral("Save changes"));
            QCOMPARE(prompts->calls[0].text,
                     QStringLiteral("\nDo you want to save changes before closing this application?"));
            QCOMPARE(prompts->calls[0].defaultButton, QMessageBox::Yes);
        }
        QCOMPARE(QFileInfo::exists(workPath("zev.conf")), saved);
    }

    void closeStaysOpenWhenTheSaveFailed()
    {
        MainWindow window;
        loadPicture(window);
        window.thinClientList() << new ThinClient("d", "T1");
        window.onDataChanged();
        QVERIFY(QDir(dir->path()).mkdir("zev.conf"));
        prompts->answers << QMessageBox::Yes;

        QVERIFY(!window.close());
        QCOMPARE(prompts->kinds(), QStringList({"question", "information"}));
        QVERIFY(window.isModified());
    }

    void editThinclientsWithoutDevices()
    {
        MainWindow window;
        loadPicture(window);
        trigger(window, "menuEditThinclients");
        QCOMPARE(prompts->kinds(), QStringList({"information"}));
        QCOMPARE(prompts->calls[0].title, QStringLiteral("Edit Thinclients"));
        QCOMPARE(prompts->calls[0].text, QStringLiteral("No thinclients have been defined yet"));
    }

    void backup_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QMessageBox::StandardButton>("saveAnswer");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("expectedKinds");
        QTest::addColumn<QByteArray>("expectedCopy"); // "old", "new" or empty for none

        QTest::newRow("unmodified") << false << QMessageBox::NoButton << "copy.conf" << QStringList({"save"})
                                    << QByteArray("old");
        QTest::newRow("save first") << true << QMessageBox::Yes << "copy.conf" << QStringList({"question", "save"})
                                    << QByteArray("new");
        QTest::newRow("no save") << true << QMessageBox::No << "copy.conf" << QStringList({"question", "save"})
                                 << QByteArray("old");
        QTest::newRow("cancelled after saving") << true << QMessageBox::Yes << "" << QStringList({"question", "save"})
                                                << QByteArray();
        QTest::newRow("existing file") << false << QMessageBox::NoButton << "existing.conf"
                                       << QStringList({"save", "warning"}) << QByteArray();
        QTest::newRow("unwritable") << false << QMessageBox::NoButton << "missing/copy.conf"
                                    << QStringList({"save", "warning"}) << QByteArray();
    }

    void backup()
    {
        QFETCH(bool, modified);
        QFETCH(QMessageBox::StandardButton, saveAnswer);
        QFETCH(QString, target);
        QFETCH(QStringList, expectedKinds);
        QFETCH(QByteArray, expectedCopy);
        installGoldenConfig();
        MainWindow window;
        loadPicture(window);
        const QByteArray oldContent = readTestFile(workPath("zev.conf"));
        QFile existing(workPath("existing.conf"));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("keep") == 4);
        existing.close();
        if (modified) {
            window.thinClientList().first()->desc = "changed";
            window.onDataChanged();
            prompts->answers << saveAnswer;
        }
        prompts->fileNames << (target.isEmpty() ? QString() : workPath(target));

        trigger(window, "actionSave_backup");
        QCOMPARE(prompts->kinds(), expectedKinds);
        const FakePrompts::Call& fileDialog = prompts->calls[expectedKinds.indexOf("save")];
        QCOMPARE(fileDialog.title, QStringLiteral("Create backup file"));
        QCOMPARE(fileDialog.dir, dir->path());
        QCOMPARE(readTestFile(workPath("existing.conf")), QByteArray("keep"));
        if (expectedCopy == "old")
            QCOMPARE(readTestFile(workPath("copy.conf")), oldContent);
        else if (expectedCopy == "new")
            QVERIFY(readTestFile(workPath("copy.conf")).contains("desc=changed"));
        else
            QVERIFY(!QFileInfo::exists(workPath("copy.conf")));
        if (target == "existing.conf")
            QCOMPARE(prompts->calls.last().text,
                     QStringLiteral("\nZEV cannot overwrite existing files! Backup file not created"));
        if (target.startsWith("missing"))
            QCOMPARE(prompts->calls.last().title, QStringLiteral("File write error"));
    }

    void ctrlClickOnThePictureCreatesAServer_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("plain click") << Qt::KeyboardModifiers() << false;
        QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
        QTest::newRow("Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+Shift") << (Qt::ControlModifier | Qt::ShiftModifier) << true;
    }

    void ctrlClickOnThePictureCreatesAServer()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, opens);
        MainWindow window;
        loadPicture(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString seenTitle;
        QTimer::singleShot(0, &window, [&] { seenTitle = saveServerInModalDialog("Clicked", "clicked.example"); });

        QTest::mouseClick(window.topologyLabel(), Qt::LeftButton, modifiers, QPoint(100, 90));
        QCoreApplication::processEvents();
        // The application remembers the modifiers of the last input event: leave none held.
        QTest::mouseMove(window.topologyLabel(), QPoint(1, 1));
        QTest::mouseClick(window.topologyLabel(), Qt::RightButton, {}, QPoint(1, 1));
        QCOMPARE(QGuiApplication::keyboardModifiers(), Qt::NoModifier);

        QCOMPARE(seenTitle, opens ? QStringLiteral("Creating new server") : QString());
        QCOMPARE(window.serverList().size(), opens ? 1 : 0);
        QCOMPARE(window.serverLabelList().size(), opens ? 1 : 0);
        QCOMPARE(window.isModified(), opens);
        if (opens) {
            QCOMPARE(window.serverLabelList()[0]->geometry(), QRect(60, 50, 75, 75));
            QCOMPARE(window.serverLabelList()[0]->text(), QStringLiteral("Clicked"));
        }
    }

    void newServerCommandsOpenTheDialog_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("tool bar") << "btnNewServer";
        QTest::newRow("menu") << "menuNewServer";
    }

    void newServerCommandsOpenTheDialog()
    {
        QFETCH(QString, action);
        MainWindow window;
        loadPicture(window);
        QString seenTitle;
        QTimer::singleShot(0, &window, [&] { seenTitle = saveServerInModalDialog("Menu", "menu.example"); });
        trigger(window, action.toLatin1());
        QCOMPARE(seenTitle, QStringLiteral("Creating new server"));
        QCOMPARE(window.serverLabelList().size(), 1);
        QCOMPARE(window.serverLabelList()[0]->geometry(), QRect(0, 0, 75, 75));
        QVERIFY(window.isModified());
        QCOMPARE(window.findChild<QAction*>("menuNewServer")->shortcut(), QKeySequence("Ctrl+Shift+N"));
    }

    void devicesAssignedAndSaved()
    {
        MainWindow window;
        loadPicture(window);
        QTimer::singleShot(0, &window, [] { saveServerInModalDialog("Farm", "farm.example"); });
        trigger(window, "btnNewServer");

        QTimer::singleShot(0, &window, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog->objectName() == "DlgThinClient");
            dialog->findChild<QLineEdit*>("tbxDesc")->setText("Reception");
            dialog->findChild<QLineEdit*>("tbxSerialNumber")->setText("tc1");
            dialog->findChild<QPushButton*>("btnSavePlusNew")->click();
            dialog->findChild<QLineEdit*>("tbxSerialNumber")->setText("tc2");
            dialog->findChild<QPushButton*>("btnSave")->click();
        });
        trigger(window, "menuNewThinclient");
        QCOMPARE(window.thinClientList().size(), 2);
        QCOMPARE(static_cast<QMainWindow&>(window).statusBar()->currentMessage(), QStringLiteral("Added new Thinclient: Reception"));

        QTimer::singleShot(0, &window, [] {
            auto* dialog = qobject_cast<DlgAssignServers*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QAbstractItemModel* model = dialog->grid()->model();
            model->setData(model->index(1, 2), Qt::Checked, Qt::CheckStateRole);
            QMetaObject::invokeMethod(dialog, "onCellClicked", Q_ARG(int, 1), Q_ARG(int, 2));
            dialog->accept();
        });
        trigger(window, "btnServerAssignment");
        trigger(window, "actionSave");
        QVERIFY(prompts->calls.isEmpty());

        const QByteArray config = readTestFile(workPath("zev.conf"));
        const QString id = window.serverList()[0]->server_id;
        QVERIFY(config.contains("[THINCLIENT]\ndesc=Reception\nserial_number=TC1\n\n"));
        QVERIFY(config.contains(QStringLiteral("serial_number=TC2\nserver=%1\n\n").arg(id).toUtf8()));
        QVERIFY(config.contains("display_name=Farm\n"));
        QVERIFY(!readTestFile(workPath("TC1.conf")).contains("[SERVER]"));
        const QByteArray second = readTestFile(workPath("TC2.conf"));
        QVERIFY(second.contains("[SERVER]\ndisplay_name=Farm\nremote_app=\nrps_hostname_port=farm.example\n"
                                "rps_connection_type=rdp\nrps_color_depth=auto\n"));
        QVERIFY(!window.isModified());
    }

    void importThroughTheWindow_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: the file cannot be opened
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("modified");
        QTest::newRow("merged") << QByteArray("ab1,,,Desk\n,,,x\n")
                                << QStringList{"Import from file", "Import error", "Import status"} << true;
        QTest::newRow("only rejects") << QByteArray(",,,x\n") << QStringList{"Import from file", "Import error", "Import status"}
                                      << false;
        QTest::newRow("nothing") << QByteArray("") << QStringList{"Import from file", "Import status"} << false;
        QTest::newRow("cannot open") << QByteArray() << QStringList{"Import from file", "Open error"} << false;
    }

    void importThroughTheWindow()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, titles);
        QFETCH(bool, modified);
        MainWindow window;
        loadPicture(window);
        const QString list = workPath("devices.txt");
        if (!content.isNull()) {
            QFile file(list);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        prompts->fileNames << list;

        trigger(window, "actionImport_thinclient_list");
        QCOMPARE(prompts->titles(), titles);
        QCOMPARE(prompts->calls[0].text, QStringLiteral("Text files (*.txt)"));
        QVERIFY(prompts->calls[0].dir.isEmpty());
        QCOMPARE(window.isModified(), modified);
        QCOMPARE(window.findChild<QAction*>("actionSave")->isEnabled(), modified);
        if (content.isNull())
            QCOMPARE(prompts->calls[1].text, QStringLiteral("Error opening file\n\n") + list);
        if (titles.contains("Import error"))
            QCOMPARE(prompts->calls[1].text,
                     QStringLiteral("Invalid serial number found, discarding following entry:\n\n,,,x"));
        if (modified) {
            QCOMPARE(window.thinClientList().size(), 1);
            QCOMPARE(window.thinClientList()[0]->serial_number, QStringLiteral("AB1"));
            QCOMPARE(prompts->calls.last().text,
                     QStringLiteral("\nImport completed. Here are the stats:\n\nNew entries:\t\t1\n"
                                    "Updated entries:\t0\nRejected entries:\t1"));
        }
    }

    void editThinclientsOpensTheEditor()
    {
        installGoldenConfig();
        MainWindow window;
        loadPicture(window);
        QTimer::singleShot(0, &window, [] {
            auto* dialog = qobject_cast<DlgEditThinClient*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->table()->item(0, 1)->setText("Renamed");
            dialog->accept();
        });
        trigger(window, "menuEditThinclients");
        QCOMPARE(window.thinClientList()[0]->desc, QStringLiteral("Renamed"));
        QVERIFY(window.isModified());
    }

    void onlineHelpAndLogoOpenTheWebPage()
    {
        MainWindow window;
        trigger(window, "actionOnline_help");
        window.findChild<QPushButton*>()->click();
        QCOMPARE(browser->urls.size(), 2);
        QCOMPARE(browser->urls[0], browser->urls[1]);
        QVERIFY(browser->urls[0].isValid());
    }

    void aboutDialogWebsiteButton()
    {
        QWidget parent;
        AboutDialog dialog(&parent, QStringLiteral("Quorvane Connection Manager Ver 1.4"));
        dialog.show();
        dialog.findChild<QPushButton*>("btnWebsite")->click();
        QCOMPARE(browser->urls.size(), 1);
        QVERIFY(!dialog.isVisible());
    }

    // The one test that shows the real modal About box, and closes it as a user would.
    void aboutCommandShowsTheRealModalBox()
    {
        MainWindow window;
        QString seenTitle;
        QTimer::singleShot(0, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            seenTitle = modal->windowTitle();
            modal->findChild<QPushButton*>("btnClose")->click();
        });
        trigger(window, "actionAbout_Pelta");
        QCOMPARE(seenTitle, QStringLiteral("About Quorvane Connection Manager"));
        QVERIFY(browser->urls.isEmpty());
    }

    void realPromptsShowARealMessageBox()
    {
        Prompts::install(nullptr);
        QString seenText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenText = box->text();
            box->button(QMessageBox::No)->click();
        });
        const auto answer = Prompts::askYesNo(nullptr, QStringLiteral("Title"), QStringLiteral("Sure?"));
        Prompts::install(prompts.get());
        QCOMPARE(answer, QMessageBox::No);
        QCOMPARE(seenText, QStringLiteral("Sure?"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
