// The main window driven through its actions, every box answered by FakePrompts.
#include "app/MainWindow.h"
#include "app/ServerCheckDialog.h"
#include "canvas/ServerLabel.h"
#include "canvas/TLabel.h"
#include "model/ConfigFile.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "support/SampleRecords.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QStatusBar>
#include <QTcpServer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

int enabledActions(const MainWindow& window)
{
    int enabled = 0;
    for (const QAction* action : window.findChildren<QAction*>())
        enabled += !action->objectName().isEmpty() && action->isEnabled() ? 1 : 0;
    return enabled;
}

void trigger(MainWindow& window, const QString& actionName)
{
    window.findChild<QAction*>(actionName)->trigger();
}

// The label as it looks over a white picture.
QImage onWhite(QWidget* label)
{
    QImage image(label->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawPixmap(0, 0, label->grab());
    return image;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePrompts> prompts;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> window;

    QString workPath(const QString& name) const { return dir->filePath(name); }

    // A window with the picture loaded through the file dialog, as a user would;
    // with the sample zev.conf when golden is set.
    MainWindow& open(bool golden = true)
    {
        if (golden)
            QFile::copy(ZEV_TEST_DATA "/zev_golden.conf", workPath("zev.conf"));
        window = std::make_unique<MainWindow>();
        prompts->fileNames << writeTestPicture(dir->path());
        trigger(*window, "btnLoadImage");
        prompts->shown.clear();
        return *window;
    }

private slots:
    void initTestCase() { initGuiTest(); }

    void init()
    {
        clearSettings();
        prompts = std::make_unique<FakePrompts>();
        dir = std::make_unique<QTemporaryDir>();
    }

    void cleanup()
    {
        window.reset();
        QCOMPARE(prompts->unexpected, 0);
        prompts.reset();
    }

    // Before the picture only loading, exit, help and About; the picture's folder
    // is remembered, zev.conf read and a label made for each server.
    void loadingThePicture()
    {
        QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).setValue("workingDir", "/remembered");
        MainWindow fresh;
        QCOMPARE(enabledActions(fresh), 4); // loading, exit, help and About
        prompts->fileNames << QString();
        trigger(fresh, "btnLoadImage");
        QCOMPARE(prompts->shown, QStringList("open|Select network topology image file|Images (*.png *.bmp *.jpg)|/remembered"));
        QCOMPARE(fresh.centralWidget()->objectName(), QStringLiteral("startHint"));

        MainWindow& window = open();
        QCOMPARE(QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).value("workingDir").toString(), dir->path());
        QCOMPARE(enabledActions(window), 14);
        QCOMPARE(static_cast<QMainWindow&>(window).statusBar()->currentMessage(), "zev.conf: 2 problems — Tools ▸ Check configuration"); // "gone", and a label at -1,-1
        QVERIFY(!window.findChild<QAction*>("btnLoadImage")->isEnabled() && !window.findChild<QAction*>("actionSave")->isEnabled());
        QCOMPARE(window.topologyLabel()->size(), QSize(600, 400));
        QCOMPARE(window.thinClientList().size(), 2);
        QCOMPARE(window.serverLabelList().size(), 2);
        QCOMPARE(window.serverLabelList()[0]->geometry(), QRect(10, 20, 75, 75));

        QVERIFY(QFile::remove(workPath("zev.conf")) && QDir(dir->path()).mkdir("zev.conf"));
        MainWindow unreadable; // a picture dropped on the window loads as if chosen; another file does not
        for (const QString& dropped : {workPath("zev.conf"), writeTestPicture(dir->path())}) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(dropped)});
            QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&unreadable, &enter);
            QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&unreadable, &drop);
            QCOMPARE(unreadable.topologyLabel() != nullptr, dropped.endsWith(".png"));
        }
        QCOMPARE(prompts->titles().last(), QStringLiteral("ZEV - Loading Configuration"));
        QVERIFY(unreadable.serverList().isEmpty());
    }

    // A save that could not write zev.conf says so and keeps the data modified and
    // the previous file whole; a device without its file is asked about and reported
    // at the end. The full disk is a 256 KiB tmpfs.
    void failedSaves_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("shown"); // the boxes, each "title|text" or a title, "//" between them
        QTest::addColumn<bool>("modified");
        const QString device = "Creating thinclient configuration";
        const QString asked = device + "|\nError creating file: %1/B/2.conf\nDo you want to continue?";
        const QString notAll = device + "|Not all thinclient configuration fileshave been created";
        QTest::newRow("zev.conf is a folder") << "folder" << QMessageBox::NoButton
                                              << "ZEV - Saving Configuration|\nError opening configuration file; your data has NOT been saved!" << true;
        QTest::newRow("full disk") << "full" << QMessageBox::No << "ZEV - Saving Configuration//" + device + "//" + device << true;
        QTest::newRow("device file, Yes") << "device" << QMessageBox::Yes << asked + "//" + notAll << false;
        QTest::newRow("device file, No") << "device" << QMessageBox::No << asked + "//" + notAll << false;
    }

    void failedSaves()
    {
        QFETCH(QString, cause);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, shown);
        QFETCH(bool, modified);
        QTemporaryDir mountPoint;
        if (cause == "full") {
            if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", mountPoint.path()}) != 0)
                QSKIP("cannot mount a small tmpfs here; the full-disk test needs root");
            dir.reset(new QTemporaryDir(mountPoint.path() + "/XXXXXX"));
        }
        if (cause == "folder") // there at loading: no change by another program
            QVERIFY(QDir(dir->path()).mkdir("zev.conf"));
        MainWindow& window = open(cause == "full");
        for (int i = 0; cause == "full" && i < 4000; ++i)
            window.thinClientList() << new ThinClient(QString(100, u'd'), QStringLiteral("FULL%1").arg(i));
        window.thinClientList() << new ThinClient("a", "A1") << new ThinClient("b", cause == "device" ? "B/2" : "B2")
                                << new ThinClient("c", "C3");
        window.onDataChanged();
        prompts->answers << answer;
        trigger(window, "actionSave");
        QStringList seen;
        for (const QString& box : std::as_const(prompts->shown))
            seen << (shown.contains(u'|') ? box.section(u'|', 1) : box.section(u'|', 1, 1));
        QCOMPARE(seen.join("//"), QString(shown).replace("%1", dir->path()));
        QCOMPARE(window.isModified(), modified);
        QCOMPARE(window.findChild<QAction*>("actionSave")->isEnabled(), modified);
        QCOMPARE(window.findChild<QAction*>("btnSaveChanges")->isEnabled(), modified);
        QCOMPARE(QFileInfo::exists(workPath("C3.conf")), answer != QMessageBox::No);
        if (cause == "full") {
            QCOMPARE(readTestFile(workPath("zev.conf")), readTestFile(ZEV_TEST_DATA "/zev_golden.conf"));
            this->window.reset();
            dir.reset();
            QProcess::execute("umount", {mountPoint.path()});
        }
    }

    // Only modified data is saved on closing, and then on any answer but No: the fake
    // prompt's Yes and No, and the real box's Escape, close and No. Both files come out
    // as the golden ones.
    void closeQuestion_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("realBox"); // how the real box is answered, or empty for the fake one
        QTest::addColumn<bool>("saved");
        QTest::newRow("unmodified") << false << QMessageBox::NoButton << "" << false;
        QTest::newRow("Yes") << true << QMessageBox::Yes << "" << true;
        QTest::newRow("Yes, but the save fails: stays open") << true << QMessageBox::Yes << "fails" << false;
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
        if (realBox == "fails")
            QVERIFY(QDir(dir->path()).mkdir("zev.conf"));
        MainWindow& window = open(realBox != "fails");
        if (modified)
            window.onDataChanged();
        const bool fakeBox = modified && (realBox.isEmpty() || realBox == "fails");
        if (fakeBox)
            prompts->answers << answer;
        if (!fakeBox && modified) {
            Prompts::install(nullptr);
            window.show();
            QTimer::singleShot(0, this, [&realBox] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box && box->defaultButton() == box->button(QMessageBox::Yes));
                if (realBox == "close")
                    box->close();
                else if (realBox == "No")
                    QTest::keyClick(box->button(QMessageBox::No), Qt::Key_Space);
                else
                    QTest::keyClick(box, Qt::Key_Escape);
            });
        }
        QCOMPARE(window.close(), realBox != "fails");
        Prompts::install(prompts.get());
        QCOMPARE(prompts->shown.value(0),
                 fakeBox ? "question|Save changes|\nDo you want to save changes before closing this application?" : "");
        QCOMPARE(QFileInfo::exists(workPath("AB12.conf")), saved);
        if (saved) {
            QCOMPARE(readTestFile(workPath("zev.conf")), readTestFile(ZEV_TEST_DATA "/zev_golden.conf"));
            QCOMPARE(readTestFile(workPath("AB12.conf")), readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
        }
    }

    void backup_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QMessageBox::StandardButton>("saveAnswer");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("titles");
        QTest::addColumn<QByteArray>("copy"); // "old", "new" or empty for none
        QTest::newRow("unmodified") << false << QMessageBox::NoButton << "copy.conf" << "Create backup file" << QByteArray("old");
        QTest::newRow("save first") << true << QMessageBox::Yes << "copy.conf" << "Save changes?|Create backup file" << QByteArray("new");
        QTest::newRow("no save") << true << QMessageBox::No << "copy.conf" << "Save changes?|Create backup file" << QByteArray("old");
        QTest::newRow("existing file") << false << QMessageBox::NoButton << "existing.conf"
                                       << "Create backup file|Operation not allowed" << QByteArray();
        QTest::newRow("unwritable") << false << QMessageBox::NoButton << "missing/copy.conf"
                                    << "Create backup file|File write error" << QByteArray();
    }

    void backup()
    {
        QFETCH(bool, modified);
        QFETCH(QMessageBox::StandardButton, saveAnswer);
        QFETCH(QString, target);
        QFETCH(QString, titles);
        QFETCH(QByteArray, copy);
        MainWindow& window = open();
        const QByteArray old = readTestFile(workPath("zev.conf"));
        QFile::copy(ZEV_TEST_DATA "/client_golden.conf", workPath("existing.conf"));
        if (modified) {
            window.thinClientList().first()->desc = "changed";
            window.onDataChanged();
            prompts->answers << saveAnswer;
        }
        prompts->fileNames << workPath(target);
        trigger(window, "actionSave_backup");
        QCOMPARE(prompts->titles().join(u'|'), titles);
        QCOMPARE(readTestFile(workPath("existing.conf")), readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
        QCOMPARE(readTestFile(workPath("copy.conf")), copy == "old" ? old : readTestFile(workPath(copy == "new" ? "zev.conf" : "none")));
        QVERIFY(copy != "new" || readTestFile(workPath("copy.conf")).contains("desc=changed"));
    }

    // A new server from the tool bar or the menu gets a label at (0, 0); from a
    // Ctrl-click on the picture itself (not on a label) at the click less 40.
    void newServer_data()
    {
        QTest::addColumn<QString>("how"); // an action, or the modifiers of a click
        QTest::addColumn<bool>("onLabel");
        QTest::addColumn<QRect>("label"); // of the new server; empty when none
        QTest::newRow("tool bar") << "btnNewServer" << false << QRect(0, 0, 75, 75);
        QTest::newRow("plain click") << "" << false << QRect();
        QTest::newRow("Ctrl+Shift") << "Ctrl+Shift" << false << QRect(60, 50, 75, 75);
        QTest::newRow("Ctrl on a label") << "Ctrl" << true << QRect();
    }

    void newServer()
    {
        QFETCH(QString, how);
        QFETCH(bool, onLabel);
        QFETCH(QRect, label);
        MainWindow& window = open();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString seenTitle;
        QTimer::singleShot(0, &window, [&] { seenTitle = saveServerInModalDialog("Clicked", "clicked.example"); });
        if (how.contains("NewServer")) {
            trigger(window, how);
        } else {
            const Qt::KeyboardModifiers modifiers((how.contains("Ctrl") ? Qt::ControlModifier : Qt::NoModifier) |
                                                  (how.contains("Shift") ? Qt::ShiftModifier : Qt::NoModifier));
            QWidget* target = onLabel ? static_cast<QWidget*>(window.serverLabelList()[0]) : window.topologyLabel();
            QTest::mouseClick(target, Qt::LeftButton, modifiers, onLabel ? QPoint(37, 37) : QPoint(100, 90));
            QCoreApplication::processEvents();
            // The application remembers the modifiers of the last input event: leave none held.
            QTest::mouseClick(window.topologyLabel(), Qt::RightButton, {}, QPoint(1, 1));
        }
        QCOMPARE(seenTitle, label.isEmpty() ? QString() : QStringLiteral("Creating new server"));
        QCOMPARE(window.serverLabelList().size(), label.isEmpty() ? 2 : 3);
        if (!label.isEmpty())
            QCOMPARE(window.serverLabelList().last()->geometry(), label);
        QCOMPARE(window.isModified(), !label.isEmpty());
    }

    void importThroughTheWindow_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: the file cannot be opened
        QTest::addColumn<QString>("shown");
        const QString asked = "open|Import from file|Text files (*.txt)|//";
        QTest::newRow("merged") << QByteArray("ab1,,,Desk\n,,,x\n")
                                << asked + "information|Import error|Invalid serial number found, discarding following "
                                           "entry:\n\n,,,x//information|Import status|\nImport completed. Here are the "
                                           "stats:\n\nNew entries:\t\t1\nUpdated entries:\t0\nRejected entries:\t1";
        QTest::newRow("cannot open") << QByteArray() << asked + "warning|Open error|Error opening file\n\n%1/devices.txt";
    }

    void importThroughTheWindow()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, shown);
        MainWindow& window = open(false);
        QFile file(workPath("devices.txt"));
        QVERIFY(content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content) == content.size()));
        file.close();
        prompts->fileNames << file.fileName();
        trigger(window, "actionImport_thinclient_list");
        QCOMPARE(prompts->shown.join("//"), QString(shown).replace("%1", dir->path()));
        QCOMPARE(window.isModified(), !content.isNull());
        QCOMPARE(window.thinClientList().size(), content.isNull() ? 0 : 1);
    }

    // Each kind of step is undone and redone whole: zev.conf's text and the labels
    // as before and after it; the modified flag follows, and a save keeps the history.
    void undoRedo_data()
    {
        QTest::addColumn<QString>("step"); // the name the Edit menu gives it; empty: no step
        QTest::newRow("new server") << "New server “Added”";
        QTest::newRow("edit server") << "Edit server “Added”";
        QTest::newRow("delete server") << "Delete server “ Main office ”";
        QTest::newRow("drag") << "Move label";
        QTest::newRow("add device") << "Add thinclient “Desk”";
        QTest::newRow("assign") << "Assign servers";
        QTest::newRow("edit devices") << "Edit thinclients";
        QTest::newRow("edit devices, OK alone") << "";
        QTest::newRow("import") << "Import thinclient list";
    }

    void undoRedo()
    {
        QFETCH(QString, step);
        const QString kind = QString::fromLatin1(QTest::currentDataTag());
        MainWindow& window = open();
        window.show();
        const auto state = [&window] {
            QString labels;
            for (const ServerLabel* label : window.serverLabelList())
                labels += QStringLiteral("%1 %2,%3\n").arg(label->text()).arg(label->x()).arg(label->y());
            return ConfigFile::serialize(window.serverList(), window.thinClientList()) + labels.toUtf8();
        };
        const QByteArray before = state();
        ServerLabel* label = window.serverLabelList()[0];
        const auto inDialog = [&window](const std::function<void(QWidget*)>& work) {
            QTimer::singleShot(0, &window, [work] { work(QApplication::activeModalWidget()); });
        };
        const auto ok = [](QWidget* dialog) {
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        };
        if (kind == "new server" || kind == "edit server") {
            inDialog([](QWidget*) { saveServerInModalDialog("Added", "added.example"); });
            if (kind == "new server")
                trigger(window, "btnNewServer");
            else
                QMetaObject::invokeMethod(label, "onEditServerClicked");
        } else if (kind == "delete server") {
            prompts->answers << QMessageBox::Yes;
            QMetaObject::invokeMethod(label, "onDeleteServerClicked");
        } else if (kind == "drag") {
            sendMouse(label, QEvent::MouseMove, QPoint(37, 37), Qt::NoButton, Qt::NoButton);
            sendMouse(label, QEvent::MouseButtonPress, QPoint(37, 37), Qt::LeftButton, Qt::LeftButton);
            for (int x : {40, 50, 60})
                sendMouse(label, QEvent::MouseMove, QPoint(x, 40), Qt::NoButton, Qt::LeftButton);
            sendMouse(label, QEvent::MouseButtonRelease, QPoint(60, 40), Qt::LeftButton, Qt::NoButton);
        } else if (kind == "add device") {
            inDialog([](QWidget* dialog) {
                dialog->findChild<QLineEdit*>("tbxDesc")->setText("Desk");
                dialog->findChild<QLineEdit*>("tbxSerialNumber")->setText("NEW1");
                dialog->findChild<QPushButton*>("btnSave")->click();
                dialog->close();
            });
            trigger(window, "btnNewThinclient");
        } else if (kind == "assign") {
            inDialog([&ok](QWidget* dialog) {
                auto* view = dialog->findChild<QAbstractItemView*>();
                view->model()->setData(view->model()->index(1, 2), Qt::Checked, Qt::CheckStateRole);
                ok(dialog);
            });
            trigger(window, "btnServerAssignment");
        } else if (kind.startsWith("edit devices")) {
            inDialog([&kind, &ok](QWidget* dialog) {
                if (kind == "edit devices")
                    dialog->findChild<QTableWidget*>()->item(0, 1)->setText("Renamed");
                ok(dialog);
            });
            trigger(window, "menuEditThinclients");
        } else {
            QFile list(workPath("devices.txt"));
            QVERIFY(list.open(QIODevice::WriteOnly) && list.write("NEW2,,,Imported\n") > 0);
            list.close();
            prompts->fileNames << list.fileName();
            trigger(window, "actionImport_thinclient_list");
        }
        const QByteArray after = state();
        QCOMPARE(after == before, step.isEmpty());
        QAction* undo = window.findChild<QAction*>("actionUndo");
        QAction* redo = window.findChild<QAction*>("actionRedo");
        QCOMPARE(undo->text(), step.isEmpty() ? "Undo" : "Undo " + step);
        QCOMPARE(window.isModified(), !step.isEmpty());
        if (step.isEmpty())
            return;
        undo->trigger();
        QCOMPARE(state(), before);
        QVERIFY(!window.isModified() && !undo->isEnabled() && redo->text() == "Redo " + step);
        redo->trigger();
        QCOMPARE(state(), after);
        QVERIFY(window.isModified() && !redo->isEnabled());
        trigger(window, "actionSave");
        undo->trigger();
        QVERIFY(window.isModified());
        redo->trigger();
        QVERIFY(!window.isModified());
    }

    // Before writing anything, a save asks whether to replace a zev.conf another
    // program changed, deleted or created since; No writes nothing at all.
    void outsideChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("none") << "" << QMessageBox::NoButton << true;
        QTest::newRow("same bytes written again") << "rewritten" << QMessageBox::NoButton << true;
        QTest::newRow("changed, No") << "changed" << QMessageBox::No << false;
        QTest::newRow("changed, Yes") << "changed" << QMessageBox::Yes << true;
        QTest::newRow("deleted, No") << "deleted" << QMessageBox::No << false;
        QTest::newRow("created, Yes") << "created" << QMessageBox::Yes << true;
    }

    void outsideChange()
    {
        QFETCH(QString, change);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, saved);
        MainWindow& window = open(change != "created");
        const QByteArray theirs = change == "changed" ? "# theirs\n" : readTestFile(ZEV_TEST_DATA "/zev_golden.conf");
        QFile::remove(workPath("zev.conf"));
        if (change != "deleted")
            QVERIFY(QFile::copy(ZEV_TEST_DATA "/client_golden.conf", workPath("zev.conf")));
        QFile file(workPath("zev.conf"));
        QVERIFY(change == "deleted" || (file.open(QIODevice::WriteOnly) && file.write(theirs) == theirs.size()));
        file.close();
        window.thinClientList() << new ThinClient("Mine", "MINE1");
        window.onDataChanged();
        if (answer != QMessageBox::NoButton)
            prompts->answers << answer;
        trigger(window, "actionSave");
        QCOMPARE(prompts->shown.join("//"), answer == QMessageBox::NoButton ? QString() :
                 "question|ZEV - Saving Configuration|\nzev.conf was changed by another program after ZEV read it.\n\n"
                 "Replace those changes with yours?");
        QCOMPARE(readTestFile(workPath("zev.conf")).contains("MINE1"), saved);
        QCOMPARE(QFileInfo::exists(workPath("MINE1.conf")), saved);
        QCOMPARE(window.isModified(), !saved);
    }

    // A label's "Check connection" and "Check all servers" try the servers'
    // addresses while the window goes on: a listening local port answers, a closed one does not.
    void connectionCheck()
    {
        QTcpServer listening;
        QTcpServer closed;
        QVERIFY(listening.listen(QHostAddress::LocalHost) && closed.listen(QHostAddress::LocalHost));
        const QStringList addresses{QStringLiteral("127.0.0.1:%1").arg(listening.serverPort()),
                                    QStringLiteral("127.0.0.1:%1").arg(closed.serverPort())};
        closed.close();
        MainWindow& window = open();
        for (int i : {0, 1})
            window.serverList()[i]->rps_hostname_port = addresses[i];
        emit window.serverLabelList()[1]->connectionCheckRequested(window.serverList()[1]);
        QTRY_VERIFY(static_cast<QMainWindow&>(window).statusBar()->currentMessage().startsWith(
            ": " + addresses[1] + " does not answer: "));
        QVERIFY(window.serverLabelList()[1]->styleSheet().contains("red"));
        ServerCheckDialog all(&window, window.serverList());
        QTRY_VERIFY(all.table()->item(0, 3) && all.table()->item(1, 3)); // their times, once answered
        for (int i : {0, 1}) {
            QCOMPARE(all.table()->item(i, 1)->text(), addresses[i]);
            QCOMPARE(all.table()->item(i, 2)->text().startsWith("answers"), i == 0);
        }
    }

    // A label's menu: its server is cloned, edited, or deleted (with the first
    // matching id of every device). The label stays visible and highlighted while
    // its real menu is open, and is deleted only after the menu has closed.
    void labelMenu_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("after"); // the labels' texts
        QTest::newRow("clone") << 0 << QMessageBox::NoButton << " Main office |Spare server|Copy";
        QTest::newRow("edit") << 1 << QMessageBox::NoButton << "Copy|Spare server";
        QTest::newRow("delete, No") << 3 << QMessageBox::No << " Main office |Spare server";
        QTest::newRow("delete, Yes") << 3 << QMessageBox::Yes << "Spare server";
    }

    void labelMenu()
    {
        QFETCH(int, entry);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, after);
        MainWindow& window = open();
        window.serverLabelList()[1]->setText("Spare server");
        QPointer<ServerLabel> label = window.serverLabelList()[0];
        const QString id = label->serverRecord()->server_id;
        window.thinClientList()[1]->server_ids = QStringList{id, "other", id};
        QCOMPARE(label->palette().color(label->foregroundRole()), QColor(Qt::black)); // not the picture's colours
        prompts->answers << answer;
        QColor highlight;
        QStringList entries;
        QTimer::singleShot(0, &window, [&] {
            highlight = onWhite(label).pixelColor(2, 2);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : menu->actions())
                entries << action->text();
            if (entry < 2)
                QTimer::singleShot(0, &window, [] { saveServerInModalDialog("Copy", "copy.example"); });
            menu->actions()[entry]->trigger();
            menu->close();
        });
        emit label->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(entries, QStringList({"Clone this server", "Edit server settings", "Check connection", "Delete server"}));
        QCOMPARE(highlight, QColor(0, 156, 181));
        QCOMPARE(label->styleSheet(), QStringLiteral("background-color: rgba(0, 0, 0, 80);"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList texts;
        for (const ServerLabel* shown : window.serverLabelList())
            texts << shown->text();
        QCOMPARE(texts.join(u'|'), after);
        QCOMPARE(label.isNull(), answer == QMessageBox::Yes);
        QCOMPARE(window.thinClientList()[1]->server_ids.join(','), answer == QMessageBox::Yes ? "other," + id : id + ",other," + id);
        QCOMPARE(window.isModified(), answer != QMessageBox::No);
        QCOMPARE(window.serverList().size(), 3 - (entry == 0 ? 0 : 1) - (answer == QMessageBox::Yes ? 1 : 0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
