#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "canvas/ServerLabel.h"
#include "canvas/TLabel.h"
#include "dialogs/thinclient/DlgEditThinClient.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "support/SampleRecords.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

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

void trigger(MainWindow& window, const char* actionName)
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
    std::unique_ptr<UrlRecorder> browser;
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
        prompts->calls.clear();
        return *window;
    }

private slots:
    void initTestCase()
    {
        initGuiTest();
    }

    void init()
    {
        clearSettings();
        prompts = std::make_unique<FakePrompts>();
        browser = std::make_unique<UrlRecorder>();
        dir = std::make_unique<QTemporaryDir>();
    }

    void cleanup()
    {
        window.reset();
        QCOMPARE(prompts->unexpected, 0);
        prompts.reset();
        browser.reset();
    }

    // Before the picture only loading, exit, help and About; the picture's folder
    // is remembered, zev.conf read and a label made for each server.
    void loadingThePicture()
    {
        QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).setValue("workingDir", "/remembered");
        MainWindow fresh;
        QCOMPARE(fresh.workingDirectory(), QStringLiteral("/remembered"));
        QCOMPARE(enabledActions(fresh), QStringList({"actionAbout_Pelta", "actionOnline_help", "btnLoadImage", "menuExit"}));
        prompts->fileNames << QString();
        trigger(fresh, "btnLoadImage");
        QCOMPARE(prompts->calls[0].title + prompts->calls[0].text + prompts->calls[0].dir,
                 QStringLiteral("Select network topology image fileImages (*.png *.bmp *.jpg)/remembered"));

        MainWindow& window = open();
        QCOMPARE(QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).value("workingDir").toString(), dir->path());
        QCOMPARE(enabledActions(window).size(), 12);
        QVERIFY(!enabledActions(window).contains("btnLoadImage") && !enabledActions(window).contains("actionSave"));
        QCOMPARE(window.topologyLabel()->size(), QSize(600, 400));
        QCOMPARE(window.thinClientList().size(), 2);
        QCOMPARE(window.serverLabelList().size(), 2);
        QCOMPARE(window.serverLabelList()[0]->geometry(), QRect(10, 20, 75, 75));
        QVERIFY(!window.isModified());
    }

    void unreadableConfigurationIsReported()
    {
        QVERIFY(QDir(dir->path()).mkdir("zev.conf"));
        MainWindow window;
        prompts->fileNames << writeTestPicture(dir->path());
        trigger(window, "btnLoadImage");
        QCOMPARE(prompts->titles(), QStringList({"Select network topology image file", "ZEV - Loading Configuration"}));
        QVERIFY(window.serverList().isEmpty());
    }

    // Save writes only modified data: both files as the golden ones, then the save actions go off.
    void saveWritesOnlyWhenModified()
    {
        MainWindow& window = open();
        QFile::remove(workPath("zev.conf"));
        trigger(window, "actionSave");
        QVERIFY(!QFileInfo::exists(workPath("zev.conf")));
        window.onDataChanged();
        trigger(window, "btnSaveChanges");
        QCOMPARE(readTestFile(workPath("zev.conf")), readTestFile(ZEV_TEST_DATA "/zev_golden.conf"));
        QCOMPARE(readTestFile(workPath("AB12.conf")), readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
        QVERIFY(!window.isModified() && !window.findChild<QAction*>("actionSave")->isEnabled());
        QVERIFY(prompts->calls.isEmpty());
    }

    // A save that could not write zev.conf says so and keeps the data modified;
    // a device without its file is asked about and reported at the end.
    void failedSaves_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("modified");
        const QString notAll = "Not all thinclient configuration fileshave been created";
        const QString asked = "\nError creating file: %1/B/2.conf\nDo you want to continue?";
        QTest::newRow("zev.conf") << "folder" << QMessageBox::NoButton
                                  << QStringList{"\nError opening configuration file; your data has NOT been saved!"} << true;
        QTest::newRow("device file, Yes") << "device" << QMessageBox::Yes << QStringList{asked, notAll} << false;
        QTest::newRow("device file, No") << "device" << QMessageBox::No << QStringList{asked, notAll} << false;
    }

    void failedSaves()
    {
        QFETCH(QString, cause);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, texts);
        QFETCH(bool, modified);
        MainWindow& window = open(false);
        window.thinClientList() << new ThinClient("a", "A1") << new ThinClient("b", cause == "device" ? "B/2" : "B2")
                                << new ThinClient("c", "C3");
        window.onDataChanged();
        if (cause == "folder")
            QVERIFY(QDir(dir->path()).mkdir("zev.conf"));
        prompts->answers << answer;
        trigger(window, "actionSave");
        QStringList seen;
        for (const FakePrompts::Call& call : prompts->calls)
            seen << call.text;
        QCOMPARE(seen.join("//"), texts.join("//").arg(dir->path()));
        QCOMPARE(prompts->calls[0].title, cause == "folder" ? "ZEV - Saving Configuration" : "Creating thinclient configuration");
        QCOMPARE(window.isModified(), modified);
        QCOMPARE(window.findChild<QAction*>("actionSave")->isEnabled(), modified);
        QCOMPARE(QFileInfo::exists(workPath("C3.conf")), answer != QMessageBox::No);
    }

    // Any answer but No saves: the fake prompt's Yes and No, and the real box's Escape, close and No.
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
        MainWindow& window = open();
        QFile::remove(workPath("zev.conf"));
        if (modified)
            window.onDataChanged();
        if (realBox.isEmpty() && modified)
            prompts->answers << answer;
        if (realBox == "fails") {
            prompts->answers << answer;
            QVERIFY(QDir(dir->path()).mkdir("zev.conf"));
            QVERIFY(!window.close());
            QVERIFY(window.isModified());
            return;
        }
        if (!realBox.isEmpty()) {
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
        QVERIFY(window.close());
        Prompts::install(prompts.get());
        QCOMPARE(prompts->titles(), modified && realBox.isEmpty() ? QStringList("Save changes") : QStringList());
        QCOMPARE(prompts->calls.value(0).text, modified && realBox.isEmpty() ? "\nDo you want to save changes before closing this application?" : "");
        QCOMPARE(QFileInfo::exists(workPath("zev.conf")), saved);
    }

    void backup_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QMessageBox::StandardButton>("saveAnswer");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("shown");  // kind:title of each box
        QTest::addColumn<QByteArray>("copy"); // "old", "new" or empty for none
        const QString file = "save:Create backup file";
        const QString ask = "question:Save changes?//";
        QTest::newRow("unmodified") << false << QMessageBox::NoButton << "copy.conf" << file << QByteArray("old");
        QTest::newRow("save first") << true << QMessageBox::Yes << "copy.conf" << ask + file << QByteArray("new");
        QTest::newRow("no save") << true << QMessageBox::No << "copy.conf" << ask + file << QByteArray("old");
        QTest::newRow("cancelled after saving") << true << QMessageBox::Yes << "" << ask + file << QByteArray();
        QTest::newRow("existing file") << false << QMessageBox::NoButton << "existing.conf"
                                       << file + "//warning:Operation not allowed" << QByteArray();
        QTest::newRow("unwritable") << false << QMessageBox::NoButton << "missing/copy.conf"
                                    << file + "//warning:File write error" << QByteArray();
    }

    void backup()
    {
        QFETCH(bool, modified);
        QFETCH(QMessageBox::StandardButton, saveAnswer);
        QFETCH(QString, target);
        QFETCH(QString, shown);
        QFETCH(QByteArray, copy);
        MainWindow& window = open();
        const QByteArray old = readTestFile(workPath("zev.conf"));
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
        QStringList boxes;
        for (const FakePrompts::Call& call : prompts->calls)
            boxes << call.kind + ":" + call.title;
        QCOMPARE(boxes.join("//"), shown);
        QCOMPARE(readTestFile(workPath("existing.conf")), QByteArray("keep"));
        QCOMPARE(readTestFile(workPath("copy.conf")), copy == "old" ? old : copy == "new" ? readTestFile(workPath("zev.conf")) : QByteArray());
        QVERIFY(copy != "new" || readTestFile(workPath("copy.conf")).contains("desc=changed"));
    }

    // Only a Ctrl-click on the picture itself opens the new-server dialog, at the click less 40.
    void ctrlClickOnThePicture_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("onLabel");
        QTest::addColumn<bool>("opens");
        QTest::newRow("plain click") << Qt::KeyboardModifiers() << false << false;
        QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << false;
        QTest::newRow("Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << false << true;
        QTest::newRow("Ctrl+Shift") << (Qt::ControlModifier | Qt::ShiftModifier) << false << true;
        QTest::newRow("Ctrl on a label") << Qt::KeyboardModifiers(Qt::ControlModifier) << true << false;
    }

    void ctrlClickOnThePicture()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, onLabel);
        QFETCH(bool, opens);
        MainWindow& window = open();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString seenTitle;
        QTimer::singleShot(0, &window, [&] { seenTitle = saveServerInModalDialog("Clicked", "clicked.example"); });
        QWidget* target = onLabel ? static_cast<QWidget*>(window.serverLabelList()[0]) : window.topologyLabel();
        QTest::mouseClick(target, Qt::LeftButton, modifiers, onLabel ? QPoint(37, 37) : QPoint(100, 90));
        QCoreApplication::processEvents();
        // The application remembers the modifiers of the last input event: leave none held.
        QTest::mouseClick(window.topologyLabel(), Qt::RightButton, {}, QPoint(1, 1));
        QCOMPARE(seenTitle, opens ? QStringLiteral("Creating new server") : QString());
        QCOMPARE(window.serverLabelList().size(), opens ? 3 : 2);
        if (opens)
            QCOMPARE(window.serverLabelList().last()->geometry(), QRect(60, 50, 75, 75));
        QCOMPARE(window.isModified(), opens);
    }

    // The tool bar and the menu open the new-server dialog; its record gets a label at (0, 0).
    void newServerCommands()
    {
        MainWindow& window = open(false);
        for (const char* action : {"btnNewServer", "menuNewServer"}) {
            QTimer::singleShot(0, &window, [action] { saveServerInModalDialog(action, action); });
            trigger(window, action);
        }
        QCOMPARE(window.serverLabelList().size(), 2);
        QCOMPARE(window.serverLabelList()[1]->text(), QStringLiteral("menuNewServer"));
        QCOMPARE(window.serverLabelList()[1]->geometry(), QRect(0, 0, 75, 75));
        QVERIFY(window.isModified());
    }

    void importThroughTheWindow_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: the file cannot be opened
        QTest::addColumn<QString>("texts");
        QTest::addColumn<bool>("modified");
        const QString rejected = "Invalid serial number found, discarding following entry:\n\n,,,x//";
        const QString status = "\nImport completed. Here are the stats:\n\nNew entries:\t\t%1\nUpdated entries:\t0\n"
                               "Rejected entries:\t%2";
        QTest::newRow("merged") << QByteArray("ab1,,,Desk\n,,,x\n") << rejected + status.arg(1).arg(1) << true;
        QTest::newRow("only rejects") << QByteArray(",,,x\n") << rejected + status.arg(0).arg(1) << false;
        QTest::newRow("cannot open") << QByteArray() << "Error opening file\n\n%1/devices.txt" << false;
    }

    void importThroughTheWindow()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, texts);
        QFETCH(bool, modified);
        MainWindow& window = open(false);
        QFile file(workPath("devices.txt"));
        if (!content.isNull())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        prompts->fileNames << file.fileName();
        trigger(window, "actionImport_thinclient_list");
        QCOMPARE(prompts->calls[0].title + prompts->calls[0].text, QStringLiteral("Import from fileText files (*.txt)"));
        QStringList seen;
        for (const FakePrompts::Call& call : prompts->calls.mid(1))
            seen << call.text;
        QCOMPARE(seen.join("//"), texts.arg(dir->path()));
        QCOMPARE(window.isModified(), modified);
        QCOMPARE(window.thinClientList().size(), modified ? 1 : 0);
    }

    void editThinclients()
    {
        MainWindow& window = open(false);
        trigger(window, "menuEditThinclients");
        QCOMPARE(prompts->titles(), QStringList("Edit Thinclients"));
        QCOMPARE(prompts->calls[0].text, QStringLiteral("No thinclients have been defined yet"));
        window.thinClientList() << new ThinClient("d", "T1");
        QTimer::singleShot(0, &window, [] {
            auto* dialog = qobject_cast<DlgEditThinClient*>(QApplication::activeModalWidget());
            dialog->table()->item(0, 1)->setText("Renamed");
            dialog->accept();
        });
        trigger(window, "menuEditThinclients");
        QCOMPARE(window.thinClientList()[0]->desc, QStringLiteral("Renamed"));
        QVERIFY(window.isModified());
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
        QTest::newRow("delete, No") << 2 << QMessageBox::No << " Main office |Spare server";
        QTest::newRow("delete, Yes") << 2 << QMessageBox::Yes << "Spare server";
    }

    void labelMenu()
    {
        QFETCH(int, entry);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, after);
        MainWindow& window = open();
        window.serverList()[1]->display_name = "Spare server";
        window.serverLabelList()[1]->setText("Spare server");
        QPointer<ServerLabel> label = window.serverLabelList()[0];
        const QString id = label->serverRecord()->server_id;
        window.thinClientList()[1]->server_ids = QStringList{id, "other", id};
        const QImage normal = onWhite(label);
        int darkest = 255;
        for (int y = 0; y < normal.height(); ++y) {
            for (int x = 0; x < normal.width(); ++x)
                darkest = qMin(darkest, normal.pixelColor(x, y).lightness());
        }
        QVERIFY2(darkest < 100, "the server name must be dark on a light picture");
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
        QMetaObject::invokeMethod(label, "onRightClick", Q_ARG(QPoint, QPoint(5, 5)));
        QCOMPARE(entries, QStringList({"Clone this server", "Edit server settings", "Delete server"}));
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
        if (entry < 2)
            QCOMPARE(window.serverList().size(), entry == 0 ? 3 : 2);
    }

    void webPageAndAbout()
    {
        MainWindow window;
        trigger(window, "actionOnline_help");
        window.findChild<QPushButton*>()->click();
        QTimer::singleShot(0, this, [] {
            QWidget* about = QApplication::activeModalWidget();
            QCOMPARE(about->windowTitle(), QStringLiteral("About Quorvane Connection Manager"));
            about->findChild<QPushButton*>("btnWebsite")->click();
        });
        trigger(window, "actionAbout_Pelta");
        QCOMPARE(browser->urls.size(), 3);
        QVERIFY(browser->urls[0].isValid() && browser->urls[0] == browser->urls[1] && browser->urls[1] == browser->urls[2]);
    }

    // A full disk (a 256 KiB tmpfs) fails the save and keeps the previous files whole.
    void fullDisk()
    {
        QTemporaryDir mountPoint;
        QProcess mount;
        mount.start("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", mountPoint.path()});
        if (!mount.waitForFinished() || mount.exitCode() != 0)
            QSKIP("cannot mount a small tmpfs here; the full-disk test needs root");
        dir.reset(new QTemporaryDir(mountPoint.path() + "/XXXXXX"));
        MainWindow& window = open();
        for (int i = 0; i < 4000; ++i)
            window.thinClientList() << new ThinClient(QString(100, u'd'), QStringLiteral("FULL%1").arg(i));
        window.onDataChanged();
        prompts->answers << QMessageBox::No;
        trigger(window, "actionSave");
        QCOMPARE(prompts->titles().mid(0, 2), QStringList({"ZEV - Saving Configuration", "Creating thinclient configuration"}));
        QVERIFY(window.isModified());
        QCOMPARE(readTestFile(workPath("zev.conf")), readTestFile(ZEV_TEST_DATA "/zev_golden.conf"));
        this->window.reset();
        dir.reset();
        QProcess::execute("umount", {mountPoint.path()});
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
