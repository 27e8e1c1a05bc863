// The main window driven through its actions, every box answered by FakePrompts.
#include "app/MainWindow.h"
#include "app/ServerCheckDialog.h"
#include "canvas/ServerLabel.h"
#include "canvas/TLabel.h"
#include "dialogs/server/DlgServer.h"
#include "model/BatchSave.h"
#include "model/ConfigFile.h"
#include "model/RecordCopies.h"
#include "model/Workspace.h"
#include "prompts/Announcer.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "support/InLanguage.h"
#include "support/SampleRecords.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTcpServer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePrompts> prompts;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> window;
    QMap<QString, qint64> loadedDeviceFiles; // when each golden device file was written before loading
    bool deviceFileMissing = false;

    QString workPath(const QString& name) const { return dir->filePath(name); }
    static void trigger(MainWindow& window, const QString& action) { window.findChild<QAction*>(action)->trigger(); }

    // A plain white 600 x 400 topology picture in the working folder.
    QString picture() const
    {
        QImage image(600, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(workPath("topology.png"));
        return workPath("topology.png");
    }

    // When the file was last written, to the nanosecond.
    qint64 writtenAt(const QString& name) const
    {
        struct stat seen {};
        ::stat(QFile::encodeName(workPath(name)).constData(), &seen);
        return qint64(seen.st_mtim.tv_sec) * 1000000000 + seen.st_mtim.tv_nsec;
    }

    bool writeWorkFile(const QString& name, const QByteArray& content)
    {
        QFile file(workPath(name));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

    // A window with the picture loaded through the file dialog, as a user would,
    // and zev.conf holding content (its device files as a save wrote them), or
    // no zev.conf when content is null.
    MainWindow& open(const QByteArray& content = readTestFile(ZEV_TEST_DATA "/zev_golden.conf"))
    {
        if (!content.isNull()) {
            writeWorkFile("zev.conf", content);
            const SampleFleet fleet(content);
            for (const ThinClient* client : fleet.thinClients)
                writeWorkFile(ClientConfigFile::fileName(client->serial_number),
                              ClientConfigFile::serialize(*client, fleet.servers));
            for (const QString name : {"AB12.conf", "CD34.conf"})
                loadedDeviceFiles[name] = writtenAt(name); // a save puts a new file in its place
            if (deviceFileMissing) // as a save killed midway leaves it
                QFile::remove(workPath("CD34.conf"));
        }
        window = std::make_unique<MainWindow>();
        prompts->fileNames << picture();
        trigger(*window, "btnLoadImage");
        prompts->shown.clear();
        prompts->details.clear();
        return *window;
    }

    // zev.conf and copy.conf as "golden" (as loaded), "saved" (the window's
    // records) or "other"; AB12.conf when a save wrote it as the device file of
    // the golden records; MINE1.conf when written.
    QString onDisk(MainWindow& window) const
    {
        const QByteArray golden = readTestFile(ZEV_TEST_DATA "/zev_golden.conf");
        const QByteArray records = ConfigFile::serialize(window.serverList(), window.thinClientList());
        QStringList seen;
        for (const QString name : {"zev.conf", "copy.conf"}) {
            const QByteArray content = readTestFile(workPath(name));
            if (QFileInfo(workPath(name)).isFile())
                seen << name + "=" + (content == golden ? "golden" : content == records ? "saved" : "other");
        }
        // The golden devices' files that a save wrote again (or anew), and whether they hold what the window gives them.
        for (const QString name : {"AB12.conf", "CD34.conf"}) {
            if (!QFileInfo(workPath(name)).isFile() || writtenAt(name) == loadedDeviceFiles.value(name))
                continue;
            const ThinClient* client = nullptr;
            for (const ThinClient* each : window.thinClientList())
                client = ClientConfigFile::fileName(each->serial_number) == name ? each : client;
            const bool right = client && readTestFile(workPath(name)) == ClientConfigFile::serialize(*client, window.serverList());
            seen << name + (right ? "" : "=wrong");
        }
        if (QFileInfo(workPath("MINE1.conf")).isFile())
            seen << "MINE1.conf";
        return seen.join(u' ');
    }

    static void renameFirstDevice(MainWindow& window, const QString& desc)
    {
        RecordCopies<ThinClient> devices(window.thinClientList());
        devices.list[0]->desc = desc;
        window.document().editThinClients(devices.list);
    }

    // Closes the shown window; the save question goes to the fake prompts, or to
    // the real box (whose default is Yes), answered with Escape.
    void close(MainWindow& window, bool realBox)
    {
        window.show();
        if (realBox) {
            Prompts::install(nullptr);
            QTimer::singleShot(0, this, [] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box && box->defaultButton() == box->button(QMessageBox::Yes));
                QTest::keyClick(box, Qt::Key_Escape);
            });
        }
        window.close();
        Prompts::install(prompts.get());
    }

private slots:
    void initTestCase() { initGuiTest(); }

    void init()
    {
        QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).clear();
        prompts = std::make_unique<FakePrompts>();
        dir = std::make_unique<QTemporaryDir>();
        deviceFileMissing = false;
    }

    void cleanup()
    {
        window.reset();
        QCOMPARE(prompts->unexpected, 0);
        prompts.reset();
    }

    // In each language the menu bar reads in it, its menus have accelerator
    // letters of their own, and so do the items of each menu.
    void menusInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("firstMenu");
        QTest::newRow("English") << "en" << "&File";
        QTest::newRow("German") << "de" << "&Datei";
        QTest::newRow("French") << "fr" << "&Fichier";
    }
    void menusInEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, firstMenu);
        const InLanguage speaking(language);
        QVERIFY(speaking.isLoaded());
        MainWindow translated;
        const auto uniqueMnemonics = [](const QList<QAction*>& actions) {
            QSet<QKeySequence> seen;
            for (const QAction* action : actions) {
                const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
                if (!mnemonic.isEmpty() && seen.contains(mnemonic))
                    return false;
                seen.insert(mnemonic);
            }
            return true;
        };
        const QList<QAction*> menus = translated.menuBar()->actions();
        QCOMPARE(menus.first()->text(), firstMenu);
        QVERIFY(uniqueMnemonics(menus));
        for (const QAction* menu : menus) {
            QVERIFY2(!QKeySequence::mnemonic(menu->text()).isEmpty(), qPrintable(menu->text()));
            QVERIFY2(uniqueMnemonics(menu->menu()->actions()), qPrintable(menu->text()));
        }
    }

    // Before the picture only loading, exit, help and About; the picture's folder
    // is remembered, zev.conf read and a label made for each server.
    void loadingThePicture()
    {
        QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).setValue("workingDir", "/remembered");
        MainWindow fresh;
        int enabled = 0;
        for (const QAction* action : fresh.findChildren<QAction*>(QRegularExpression("."))) // the named ones
            enabled += action->isEnabled() ? 1 : 0;
        QCOMPARE(enabled, 4); // loading, exit, help and About
        QString version;
        QTimer::singleShot(0, &fresh, [&version] {
            QWidget* about = QApplication::activeModalWidget();
            version = about->findChild<QLabel*>("lblVersion")->text();
            about->close();
        });
        trigger(fresh, "actionAbout_Pelta");
        QCOMPARE(version, "Quorvane Connection Manager Ver " ZEV_VERSION);
        prompts->fileNames << QString();
        trigger(fresh, "btnLoadImage");
        QCOMPARE(prompts->folder, QStringLiteral("/remembered"));

        QVERIFY(writeWorkFile("OLD1.conf", "#\n"));
        MainWindow& window = open();
        QCOMPARE(QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).value("workingDir").toString(), dir->path());
        // What was loaded, and the three problems: a device assigned the id "gone", a label at -1,-1,
        // and the file of no device; a screen reader is told as much.
        const QString loaded = "Loaded topology.png: 2 servers, 2 thinclients; zev.conf: 3 problems — Tools ▸ Check configuration";
        QCOMPARE(static_cast<QMainWindow&>(window).statusBar()->currentMessage(), loaded);
        QCOMPARE(Announcer::lastSaid(&window), loaded);
        QCOMPARE(window.topologyLabel()->accessibleName(), "Network topology picture, topology.png");
        QVERIFY(!window.findChild<QAction*>("btnLoadImage")->isEnabled() && !window.findChild<QAction*>("actionSave")->isEnabled());
        QCOMPARE(window.serverLabelList()[0]->geometry(), QRect(10, 20, 75, 75));

        // A picture dropped on the window loads as if chosen; another file does not. A
        // pipe in the picture's place is said at once, as is a zev.conf that cannot be read.
        QVERIFY(QFile::remove(workPath("zev.conf")) && QDir(dir->path()).mkdir("zev.conf"));
        QVERIFY(::mkfifo(QFile::encodeName(workPath("pipe.png")).constData(), 0644) == 0);
        MainWindow unreadable;
        for (const QString& dropped : {workPath("zev.conf"), workPath("pipe.png")}) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(dropped)});
            QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&unreadable, &enter);
            QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&unreadable, &drop);
            QCOMPARE(unreadable.topologyLabel() != nullptr, dropped.endsWith(".png"));
        }
        QCOMPARE(prompts->shown.join(u'/'), QStringLiteral("ZEV - Loading Image/ZEV - Loading Configuration"));
        QVERIFY(unreadable.serverList().isEmpty());
        // A file that is no picture is said as well, not shown as an empty one in silence.
        QVERIFY(writeWorkFile("text.png", "not a picture\n"));
        MainWindow notPicture;
        prompts->fileNames << workPath("text.png");
        trigger(notPicture, "btnLoadImage");
        QCOMPARE(prompts->details.mid(prompts->details.size() - 2, 1), QStringList("not a PNG, BMP or JPEG picture"));
        // A zev.conf a merge left with conflict markers is two versions at once: nothing is loaded.
        QVERIFY(QDir(workPath("zev.conf")).removeRecursively() &&
                writeWorkFile("zev.conf", "[THINCLIENT]\n<<<<<<< ours\ndesc=A\n=======\ndesc=B\n>>>>>>> theirs\n"));
        MainWindow marked;
        prompts->fileNames << picture();
        trigger(marked, "btnLoadImage");
        QVERIFY(prompts->texts.last().contains("zev.conf holds unresolved merge conflicts, line 2."));
        QVERIFY(marked.topologyLabel() == nullptr && marked.findChild<QAction*>("btnLoadImage")->isEnabled());
    }

    // Every way a save starts: Save, closing with changes (the fake question, or
    // the real box answered from the keyboard) and the backup. Our change is a new
    // device MINE1; the scene is what stands in the way: zev.conf a folder, a full
    // disk (a 256 KiB tmpfs), a folder where MINE1's file belongs, another
    // program's change to zev.conf after it was read, or another program's save
    // under way (whose wait Escape cancels). A save never writes over what it was
    // not allowed to, writes nothing when zev.conf fails, and the data stay
    // modified until every file is saved.
    void saving_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QString>("how");     // an action, "close[:Escape on the real box]" or "backup:<file>"
        QTest::addColumn<QString>("answers"); // to the questions asked, in order
        QTest::addColumn<QString>("titles");  // of the boxes and file dialogs shown
        QTest::addColumn<QString>("files");   // as onDisk() writes them
        QTest::addColumn<QString>("after");   // the window: modified or not, and still open
        // A save writes the new device's file and leaves alone the ones that already hold what they would be given.
        const QString all = "zev.conf=saved MINE1.conf";
        const QString golden = "zev.conf=golden";
        const QString saving = "ZEV - Saving Configuration"; // a failed save, and the question about another's change
        const QString device = "Creating thinclient configuration/Creating thinclient configuration";
        const QString backup = "Create backup file";
        QTest::newRow("save") << "" << "actionSave" << "" << "" << all << "clean";
        QTest::newRow("a device repeated in zev.conf") << "repeated" << "actionSave" << "" << "" << all << "clean";
        QTest::newRow("zev.conf is a folder") << "folder" << "actionSave" << "" << saving << "" << "modified";
        QTest::newRow("full disk") << "full" << "actionSave" << "" << saving << golden << "modified";
        QTest::newRow("device file blocked, close") << "blocked" << "close" << "Yes,Yes" << "Save changes/" + device
                                                    << "zev.conf=saved" << "modified open";
        QTest::newRow("another save under way, Escape") << "locked" << "actionSave" << "" << "" << golden << "modified";
        // Slow: every device file must be written (the others were removed after loading).
        QTest::newRow("slow save") << "slow" << "actionSave" << "" << "" << "zev.conf=saved AB12.conf CD34.conf MINE1.conf" << "clean";
        QTest::newRow("slow save, Escape") << "slow:Escape" << "actionSave" << "" << "" << golden << "modified";
        QTest::newRow("a device file behind zev.conf") << "behind unmodified" << "actionSave" << "" << ""
                                                       << "zev.conf=golden CD34.conf" << "clean";
        QTest::newRow("close unmodified") << "unmodified" << "close" << "" << "" << golden << "clean";
        QTest::newRow("close, Yes") << "" << "close" << "Yes" << "Save changes" << all << "clean";
        QTest::newRow("close, No") << "" << "close" << "No" << "Save changes" << golden << "modified";
        QTest::newRow("close, the save fails") << "folder" << "close" << "Yes" << "Save changes/" + saving << ""
                                               << "modified open";
        QTest::newRow("close, Escape") << "" << "close:Escape" << "" << "" << all << "clean";
        QTest::newRow("backup") << "unmodified" << "backup:copy.conf" << "" << backup << golden + " copy.conf=golden" << "clean";
        QTest::newRow("backup, save first") << "" << "backup:copy.conf" << "Yes" << "Save changes?/" + backup
                                            << "zev.conf=saved copy.conf=saved MINE1.conf" << "clean";
        QTest::newRow("backup, no save") << "" << "backup:copy.conf" << "No" << "Save changes?/" + backup
                                         << golden + " copy.conf=golden" << "modified";
        QTest::newRow("backup, their change kept") << "changed" << "backup:copy.conf" << "Yes,Cancel"
                                                   << "Save changes?/" + saving + "/Save backup" << "zev.conf=other" << "modified";
        QTest::newRow("backup over a file") << "unmodified" << "backup:topology.png" << "" << backup + "/Operation not allowed"
                                            << golden << "clean";
        QTest::newRow("backup unwritable") << "unmodified" << "backup:no/copy.conf" << "" << backup + "/File write error"
                                           << golden << "clean";
        QTest::newRow("same bytes written again") << "rewritten" << "actionSave" << "" << "" << all << "clean";
        QTest::newRow("changed, Cancel") << "changed" << "actionSave" << "Cancel" << saving << "zev.conf=other" << "modified";
        QTest::newRow("changed, Replace theirs") << "changed" << "actionSave" << "Replace" << saving << all << "clean";
        QTest::newRow("changed, Merge") << "changed" << "actionSave" << "Merge" << saving << all << "clean theirs";
        QTest::newRow("conflict, theirs kept") << "conflict" << "actionSave" << "Merge,theirs" << saving + "/Merge conflicts"
                                               << all << "clean theirs";
        QTest::newRow("conflict, Cancel") << "conflict" << "actionSave" << "Merge,cancel" << saving + "/Merge conflicts"
                                          << "zev.conf=other" << "modified";
        QTest::newRow("deleted, Cancel") << "deleted" << "actionSave" << "Cancel" << saving << "" << "modified";
        QTest::newRow("deleted, Save") << "deleted" << "actionSave" << "Save" << saving << all << "clean";
        QTest::newRow("deleted, nothing unsaved") << "deleted unmodified" << "actionSave" << "Save" << saving
                                                  << "zev.conf=golden" << "clean";
        QTest::newRow("merge undone, then saved") << "changed" << "actionSave,actionUndo,actionSave" << "Merge,Merge"
                                                  << saving + "/" + saving << all << "clean theirs";
        QTest::newRow("merge undone, replaced") << "changed" << "actionSave,actionUndo,actionSave" << "Merge,Replace"
                                                << saving + "/" + saving << all << "clean";
        QTest::newRow("changed while saving, Merge") << "changed while saving" << "actionSave" << "Merge" << saving
                                                     << all << "clean theirs";
        QTest::newRow("changed at the swap") << "changed at the swap" << "actionSave" << "" << saving << all << "clean";
        QTest::newRow("changed while saving, Cancel") << "changed while saving" << "actionSave" << "Cancel" << saving
                                                      << "zev.conf=other" << "modified";
        QTest::newRow("created, Merge") << "created" << "actionSave" << "Merge" << saving
                                        << "zev.conf=saved AB12.conf CD34.conf MINE1.conf" << "clean";
        QTest::newRow("theirs the same, device file blocked") << "same blocked" << "actionSave" << "Merge,Yes"
                                                               << saving + "/" + device << "zev.conf=saved" << "modified";
        QTest::newRow("merge from disk") << "changed" << "actionMerge_from_disk" << "" << "" << "zev.conf=other"
                                         << "modified theirs";
        QTest::newRow("reload from disk, Yes") << "changed" << "actionReload_from_disk" << "Yes"
                                               << "ZEV - Loading Configuration" << "zev.conf=saved" << "clean theirs";
        QTest::newRow("reload from disk, No") << "changed" << "actionReload_from_disk" << "No"
                                              << "ZEV - Loading Configuration" << "zev.conf=other" << "modified";
        QTest::newRow("changed, close, Cancel") << "changed" << "close" << "Yes,Cancel" << "Save changes/" + saving
                                                << "zev.conf=other" << "modified open";
    }

    void saving()
    {
        QFETCH(QString, scene);
        QFETCH(QString, how);
        QFETCH(QString, answers);
        QFETCH(QString, titles);
        QFETCH(QString, files);
        QFETCH(QString, after);
        const QByteArray golden = readTestFile(ZEV_TEST_DATA "/zev_golden.conf");
        QTemporaryDir mountPoint;
        if (scene == "full") {
            if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", mountPoint.path()}) != 0)
                QSKIP("cannot mount a small tmpfs here; the full-disk test needs root");
            dir.reset(new QTemporaryDir(mountPoint.path() + "/XXXXXX"));
        }
        if (scene == "folder") // there at loading: no change by another program
            QVERIFY(QDir(dir->path()).mkdir("zev.conf"));
        const qsizetype firstDevice = golden.indexOf("[THINCLIENT]");
        const QByteArray repeated = golden + golden.mid(firstDevice, golden.indexOf("[THINCLIENT]", firstDevice + 1) - firstDevice);
        deviceFileMissing = scene == "behind unmodified";
        MainWindow& window = open(scene == "folder" || scene == "created" ? QByteArray() : scene == "repeated" ? repeated : golden);
        if (deviceFileMissing)
            QCOMPARE(static_cast<QMainWindow&>(window).statusBar()->currentMessage().section("; ", 1, 1),
                     "1 device file does not match zev.conf — Save writes it");
        if (scene == "full") {
            RecordCopies<ThinClient> devices(window.thinClientList());
            for (int i = 0; i < 4000; ++i)
                devices.list << new ThinClient(QString(100, u'd'), QStringLiteral("FULL%1").arg(i));
            window.document().editThinClients(devices.list);
        }
        if (!scene.endsWith("unmodified"))
            window.document().addThinClient("Mine", "MINE1");
        if (scene.startsWith("slow"))
            QVERIFY(QFile::remove(workPath("AB12.conf")) && QFile::remove(workPath("CD34.conf")));
        if (scene.endsWith("blocked"))
            QVERIFY(QDir(dir->path()).mkdir("MINE1.conf"));
        if (scene == "same blocked") // another program wrote what the window holds
            QVERIFY(writeWorkFile("zev.conf", ConfigFile::serialize(window.serverList(), window.thinClientList())));
        const Descriptor lockHolder(scene == "locked" ? ::open(QFile::encodeName(workPath(".zev-lock")), O_WRONLY | O_CREAT, 0600) : -1);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        QVERIFY(scene != "locked" || ::fcntl(lockHolder.get(), F_OFD_SETLK, &lock) == 0);
        QTimer::singleShot(300, &window, [&window] {
            if (auto* waiting = window.findChild<QProgressDialog*>("waitingForLock"))
                QTest::keyClick(waiting, Qt::Key_Escape);
        });
        // A save slower than half a second shows how far it has got, and may be stopped.
        QStringList progress;
        QTimer watchProgress;
        if (scene.startsWith("slow")) {
            setSaveStepHook([](SaveStep step) {
                if (step == SaveStep::Staged)
                    QThread::msleep(400);
                return true;
            });
            connect(&watchProgress, &QTimer::timeout, &window, [&] {
                auto* shown = window.findChild<QProgressDialog*>("savingFiles");
                if (!shown || !shown->isVisible() || progress.contains(shown->labelText()))
                    return;
                progress << shown->labelText();
                if (scene.endsWith("Escape"))
                    QTest::keyClick(shown, Qt::Key_Escape);
            });
            watchProgress.start(10);
        }
        // Another program's change: a device's description (and here the same one, otherwise).
        QByteArray theirs = golden;
        theirs.replace("desc=Front desk", "desc=Front desk (theirs)");
        if (scene == "conflict")
            renameFirstDevice(window, "Front desk (mine)");
        if (QStringList{"rewritten", "changed", "conflict", "deleted", "created"}.contains(scene.section(u' ', 0, 0))) {
            QFile::remove(workPath("zev.conf"));
            QVERIFY(scene.startsWith("deleted") || writeWorkFile("zev.conf", scene == "changed" || scene == "conflict" ? theirs : golden));
        }
        if (scene == "deleted unmodified") { // the disk no longer holds the records: Save comes on
            QTRY_VERIFY(window.findChild<QAction*>("actionSave")->isEnabled());
            QCOMPARE(static_cast<QMainWindow&>(window).statusBar()->currentMessage(),
                     "zev.conf was deleted by another program — Save writes it again");
        }
        if (scene.startsWith("changed ")) { // while the files are written, or after the last look at zev.conf
            const SaveStep when = scene == "changed while saving" ? SaveStep::Staged : SaveStep::Sync;
            setSaveStepHook([this, theirs, when](SaveStep step) {
                if (step == when && !QFileInfo::exists(workPath("zev.conf.theirs"))) {
                    writeWorkFile("zev.conf", theirs);
                    writeWorkFile("zev.conf.theirs", theirs);
                }
                return true;
            });
        }
        if (scene == "changed" || scene == "conflict" || scene == "created") // noticed at once, before any save
            QTRY_VERIFY(static_cast<QMainWindow&>(window).statusBar()->currentMessage().startsWith(
                QStringLiteral("zev.conf was %1 by another program").arg(scene == "created" ? "created" : "changed")));
        const QMap<QString, QMessageBox::StandardButton> buttons{{"Yes", QMessageBox::Yes}, {"No", QMessageBox::No},
                                                                 {"Merge", QMessageBox::Yes}, {"Replace", QMessageBox::No},
                                                                 {"Cancel", QMessageBox::Cancel}, {"Save", QMessageBox::Save}};
        for (const QString& answer : answers.split(u',', Qt::SkipEmptyParts)) {
            if (answer.front().isLower())
                prompts->settlements << answer; // to the conflict dialog
            else
                prompts->answers << buttons[answer];
        }
        if (how.startsWith("backup:")) {
            prompts->fileNames << workPath(how.section(u':', 1));
            trigger(window, "actionSave_backup");
        } else if (how.startsWith("close")) {
            close(window, how.endsWith("Escape"));
        } else {
            for (const QString& action : how.split(u','))
                trigger(window, action);
        }
        setSaveStepHook({});
        QFile::remove(workPath("zev.conf.theirs"));
        QCOMPARE(prompts->shown.join(u'/'), titles);
        if ((scene.isEmpty() || scene == "slow" || scene == "repeated") && how == "actionSave") // a save says what it wrote, a file once
            QCOMPARE(static_cast<QMainWindow&>(window).statusBar()->currentMessage(),
                     scene == "slow" ? "Saved zev.conf and 3 device files" : "Saved zev.conf and 1 device file; 2 already up to date");
        if (answers == "Merge" && scene == "changed")
            QCOMPARE(static_cast<QMainWindow&>(window).statusBar()->currentMessage(),
                     "Merged with the changes on disk: 0 servers, 1 device; Saved zev.conf and 1 device file; 2 already up to date");
        if (how.endsWith("_from_disk") && answers != "No") // one step, named
            QCOMPARE(window.findChild<QAction*>("actionUndo")->text(),
                     how.contains("Merge") ? "Undo Merge changes from disk" : "Undo Reload from disk");
        if (after.endsWith("theirs") && !how.contains("Reload")) // what the merge took, behind the status bar's Details
            QCOMPARE(window.findChild<QPushButton*>("btnMergeDetails")->accessibleDescription(),
                     scene == "conflict" ? "Thinclient “AB12”: desc settled for theirs" : "Thinclient “AB12”: desc from theirs");
        if (scene == "conflict")
            QCOMPARE(prompts->conflicts, QStringList("Thinclient “AB12”/desc/Front desk/Front desk (mine)/Front desk (theirs)"));
        if (scene.startsWith("slow")) {
            QCOMPARE(QDir(dir->path()).entryList({"*.zev-new-*"}, QDir::Files | QDir::Hidden), QStringList());
            QCOMPARE(progress.join(u'/'), scene == "slow" ? "Writing device files: 1 of 3/Writing device files: 2 of 3/Putting 3 device files in place…"
                                                          : "Writing device files: 1 of 3");
        }
        if (scene == "changed at the swap") // never lost in silence: the box says where theirs is
            QVERIFY(prompts->texts.last().endsWith(QDir::toNativeSeparators(workPath(".zev-previous/zev.conf"))));
        if (scene == "folder") // a failure names the file and the reason behind "Show Details..."
            QCOMPARE(prompts->details, QStringList(workPath("zev.conf") + ": Is a directory"));
        QCOMPARE(onDisk(window), files);
        const bool theirsKept = window.thinClientList().value(0) && window.thinClientList()[0]->desc == "Front desk (theirs)";
        QCOMPARE(QString(window.isModified() ? "modified" : "clean") + (window.isVisible() ? " open" : "") +
                     (theirsKept ? " theirs" : ""), after);
        for (const char* save : {"actionSave", "btnSaveChanges"})
            QCOMPARE(window.findChild<QAction*>(save)->isEnabled(), window.isModified());
        if (scene == "full") {
            this->window.reset();
            dir.reset();
            QProcess::execute("umount", {mountPoint.path()});
        }
    }

    // Each kind of step, taken as a user takes it, is undone and redone whole:
    // zev.conf's text and the labels as before and after it. The modified flag
    // follows, and a save keeps the history. A label's menu acts on its server
    // while the label stays, highlighted; a delete takes the first matching id
    // from every device.
    void undoRedo_data()
    {
        // how: an action (its dialog filled in), "click [Ctrl][+Shift] [label]", "label menu
        // <entry> [answer]", "drag [right|unpressed]", or "import [none]" (a list that cannot be opened)
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("step");   // the name the Edit menu gives it; empty: no step
        QTest::addColumn<QString>("titles"); // of the boxes shown
        QTest::addColumn<QString>("holds");  // what the state after it holds, "|" between
        const QString main = " Main office  10,20";
        const QString deleted = "Confirm delete server";
        QTest::newRow("new server") << "btnNewServer" << "New server “Added”" << "" << main + "|Added 0,0";
        QTest::newRow("new server at a click") << "click Ctrl+Shift" << "New server “Added”" << "" << "Added 60,50";
        QTest::newRow("plain click") << "click" << "" << "" << "";
        QTest::newRow("Control click on a label") << "click Ctrl label" << "" << "" << "";
        QTest::newRow("clone") << "label menu 0" << "Clone server “Added”" << "" << main + "|Added 0,0";
        QTest::newRow("edit server") << "label menu 1" << "Edit server “Added”" << "" << "Added 10,20";
        QTest::newRow("delete server") << "label menu 3 Yes" << "Delete server “ Main office ”" << deleted
                                       << "serial_number=AB12\nserver=gone\n|serial_number=cd34\nserver=other\nserver=1252026947045\n";
        QTest::newRow("delete server, No") << "label menu 3 No" << "" << deleted << "";
        QTest::newRow("drag") << "drag" << "Move label “ Main office ”" << "" << " Main office  49,29";
        QTest::newRow("keys move, one step") << "keys Right Right Shift+Right Down" << "Move label “ Main office ”" << ""
                                             << " Main office  22,21";
        QTest::newRow("keys resize") << "keys Ctrl+Shift+Right Ctrl+Down" << "Resize label “ Main office ”" << ""
                                     << "width=85\nheight=76";
        QTest::newRow("keys edit") << "keys Return" << "Edit server “Added”" << "" << "Added 10,20";
        QTest::newRow("keys delete") << "keys Delete Yes" << "Delete server “ Main office ”" << deleted << "";
        QTest::newRow("right drag") << "drag right" << "" << "" << "";
        QTest::newRow("drag without a press") << "drag unpressed" << "" << "" << "";
        QTest::newRow("add device") << "btnNewThinclient" << "Add thinclient “Desk”" << "" << "desc=Desk\nserial_number=NEW1\n";
        QTest::newRow("assign") << "btnServerAssignment" << "Assign servers" << "" << "serial_number=AB12\n\n";
        QTest::newRow("edit devices") << "menuEditThinclients" << "Edit thinclients" << "" << "desc=Renamed";
        QTest::newRow("edit devices, OK alone") << "menuEditThinclients alone" << "" << "" << "";
        QTest::newRow("import") << "import" << "Import thinclient list" << "Import from file/Import error/Import status"
                                << "serial_number=NEW2\n";
        QTest::newRow("import, cannot open") << "import none" << "" << "Import from file/Open error" << "";
        QTest::newRow("import, nothing new") << "import same" << "" << "Import from file/Import status" << "";
    }

    void undoRedo()
    {
        QFETCH(QString, how);
        QFETCH(QString, step);
        QFETCH(QString, titles);
        QFETCH(QString, holds);
        MainWindow& window = open(readTestFile(ZEV_TEST_DATA "/zev_golden.conf") + "server=1252026947045\nserver=other\n"
                                  "server=1252026947045\n");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto state = [&window] {
            QString labels;
            for (const ServerLabel* label : window.serverLabelList())
                labels += QStringLiteral("%1 %2,%3\n").arg(label->text()).arg(label->x()).arg(label->y());
            return QString::fromUtf8(ConfigFile::serialize(window.serverList(), window.thinClientList())) + labels;
        };
        const QString before = state();
        ServerLabel* label = window.serverLabelList()[0];
        QColor highlight;
        // Works whatever the step opens as a user would: a label's menu (the entry
        // named in how), then a server dialog, a table dialog or the device dialog.
        std::function<void()> work = [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                highlight = label->grab().toImage().pixelColor(2, 2);
                QTimer::singleShot(0, &window, work);
                menu->actions()[how.section(u' ', 2, 2).toInt()]->trigger();
                menu->close();
                return;
            }
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            auto* view = dialog->findChild<QAbstractItemView*>();
            const auto type = [dialog](const char* field, const QString& text) { dialog->findChild<QLineEdit*>(field)->setText(text); };
            if (qobject_cast<DlgServer*>(dialog)) {
                type("tbxDispName", "Added");
                type("tbxHostname", "added.example");
            } else if (view) { // the assignment grid or the device list editor
                if (how == "btnServerAssignment")
                    view->model()->setData(view->model()->index(0, 2), Qt::Unchecked, Qt::CheckStateRole);
                else if (!how.endsWith("alone"))
                    view->model()->setData(view->model()->index(0, 1), "Renamed");
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                return;
            } else {
                type("tbxDesc", "Desk");
                type("tbxSerialNumber", "NEW1");
            }
            dialog->findChild<QPushButton*>("btnSave")->click();
            dialog->close();
        };
        QTimer::singleShot(0, &window, work);
        if (how.startsWith("label menu")) {
            if (how.count(u' ') == 3) // the answer to the delete question
                prompts->answers << (how.endsWith("Yes") ? QMessageBox::Yes : QMessageBox::No);
            const QPointer<ServerLabel> shown = label;
            emit label->customContextMenuRequested(QPoint(5, 5));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(highlight, QColor(0, 156, 181));
            QCOMPARE(shown.isNull(), how.endsWith("Yes")); // a deleted label goes once its menu has closed
        } else if (how.startsWith("click")) {
            const Qt::KeyboardModifiers modifiers((how.contains("Ctrl") ? Qt::ControlModifier : Qt::NoModifier) |
                                                  (how.contains("Shift") ? Qt::ShiftModifier : Qt::NoModifier));
            const bool onLabel = how.endsWith("label");
            QWidget* target = onLabel ? static_cast<QWidget*>(label) : window.topologyLabel();
            QTest::mouseClick(target, Qt::LeftButton, modifiers, onLabel ? QPoint(37, 37) : QPoint(100, 90));
            QCoreApplication::processEvents();
            // The application remembers the modifiers of the last input event: leave none held.
            QTest::mouseClick(window.topologyLabel(), Qt::RightButton, {}, QPoint(1, 1));
        } else if (how.startsWith("drag")) { // a left drag moves; a right one, or one without a press, does not
            const Qt::MouseButton button = how.endsWith("right") ? Qt::RightButton : Qt::LeftButton;
            sendMouse(label, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
            QCOMPARE(label->cursor().shape(), Qt::SizeFDiagCursor); // a corner resizes
            sendMouse(label, QEvent::MouseMove, QPoint(37, 37), Qt::NoButton, Qt::NoButton);
            QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
            if (!how.endsWith("unpressed"))
                sendMouse(label, QEvent::MouseButtonPress, QPoint(37, 37), button, button);
            for (int x : {40, 50, 60})
                sendMouse(label, QEvent::MouseMove, QPoint(x, 40), Qt::NoButton, button);
            sendMouse(label, QEvent::MouseButtonRelease, QPoint(60, 40), button, Qt::NoButton);
            sendMouse(label, QEvent::MouseMove, QPoint(70, 70), Qt::NoButton, Qt::LeftButton); // released: no move
        } else if (how.startsWith("keys")) { // on the focused label, each key pressed and released
            const QMap<QString, Qt::Key> keys{{"Right", Qt::Key_Right}, {"Down", Qt::Key_Down},
                                              {"Return", Qt::Key_Return}, {"Delete", Qt::Key_Delete}};
            if (how.endsWith("Yes")) // to the delete question
                prompts->answers << QMessageBox::Yes;
            for (const QString& key : how.split(u' ').mid(1)) {
                if (key == "Yes")
                    continue;
                const Qt::KeyboardModifiers modifiers((key.contains("Ctrl") ? Qt::ControlModifier : Qt::NoModifier) |
                                                      (key.contains("Shift") ? Qt::ShiftModifier : Qt::NoModifier));
                QTest::keyClick(label, keys[key.section(u'+', -1)], modifiers);
            }
        } else if (how.startsWith("import")) {
            QVERIFY(how.endsWith("none") ||
                    writeWorkFile("devices.txt", how.endsWith("same") ? "# nothing\n" : "NEW2,,,Imported\n,,,x\n"));
            prompts->fileNames << workPath("devices.txt");
            trigger(window, "actionImport_thinclient_list");
        } else {
            trigger(window, how.section(u' ', 0, 0));
        }
        QCOMPARE(prompts->shown.join(u'/'), titles);
        const QString after = state();
        for (const QString& part : holds.split(u'|', Qt::SkipEmptyParts))
            QVERIFY2(after.contains(part), qPrintable(part));
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
        QCOMPARE(Announcer::lastSaid(&window), "Undone: " + step);
        redo->trigger();
        QCOMPARE(state(), after);
        QCOMPARE(Announcer::lastSaid(&window), "Redone: " + step);
        QVERIFY(window.isModified() && !redo->isEnabled());
        trigger(window, "actionSave");
        undo->trigger();
        QVERIFY(window.isModified());
        redo->trigger();
        QVERIFY(!window.isModified());
    }

    // Loading puts the keyboard on the first label as one reads the picture,
    // top to bottom, then left to right; Tab goes on in that order, Shift+Tab
    // goes back. A screen reader hears a label as a button named by its server,
    // place and size, that can be pressed or opened as a menu; an arrow says the
    // new place and Control with an arrow the new size. Other keys go on to the picture.
    void readingOrder()
    {
        QByteArray conf;
        for (const auto& [name, x, y] : {std::tuple("Low", 300, 200), std::tuple("Top", 100, 20), std::tuple("Left", 50, 200)})
            conf += QStringLiteral("[SERVER]\nserver_id=%1\ndisplay_name=%1\nrps_hostname_port=%1.example\n"
                                   "rps_connection_type=rdp\nxpos=%2\nypos=%3\nwidth=75\nheight=75\n")
                        .arg(name).arg(x).arg(y).toUtf8();
        MainWindow& window = open(conf);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList order;
        for (int press = 0; press < 4; ++press) {
            if (press > 0)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* label = qobject_cast<ServerLabel*>(QApplication::focusWidget());
            order << (label ? label->text() : "-");
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        order << qobject_cast<ServerLabel*>(QApplication::focusWidget())->text();
        QCOMPARE(order.join(u' '), "Top Left Low Top Low");

        auto* low = qobject_cast<ServerLabel*>(QApplication::focusWidget());
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(low);
        QCOMPARE(heard->role(), QAccessible::Button);
        QCOMPARE(heard->actionInterface()->actionNames(),
                 QStringList({QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::showMenuAction()}));
        QTest::keyClick(low, Qt::Key_Right);
        QCOMPARE(Announcer::lastSaid(low), "at 301, 200");
        QTest::keyClick(low, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(Announcer::lastSaid(low), "size 75 by 76");
        low->setUnanswered(true);
        QCOMPARE(heard->text(QAccessible::Name), "Server Low, Low.example, RDP, at 301, 200, 75 by 76, did not answer");
        // Keys a label has no use for reach the picture around it: Page Down scrolls.
        window.resize(200, 150);
        auto* area = window.findChild<QScrollArea*>();
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QVERIFY(area->verticalScrollBar()->value() > 0);
    }

    // A label's "Check connection" and "Check all servers" try the servers'
    // addresses while the window goes on: a listening local port answers, a closed one does not.
    // The red border lasts until the server's next check or edit, an undo notwithstanding.
    void connectionCheck()
    {
        QTcpServer listening;
        QTcpServer closed;
        QVERIFY(listening.listen(QHostAddress::LocalHost) && closed.listen(QHostAddress::LocalHost));
        const QStringList addresses{QStringLiteral("127.0.0.1:%1").arg(listening.serverPort()),
                                    QStringLiteral("127.0.0.1:%1").arg(closed.serverPort())};
        closed.close();
        MainWindow& window = open();
        // A check that fails at once (no socket may reach a broadcast address)
        // still answers; a name that does not exist is not found (not timed
        // out); an address that cannot be right says what is wrong with it.
        const char* checks[][2] = {{"255.255.255.255:9", ": 255.255.255.255:9 does not answer"},
                                   {"nosuch.invalid:9", ": nosuch.invalid:9 does not answer: Host not found"},
                                   {"h:abc", ": h:abc cannot be checked: the port “abc” is not a number"}};
        const auto setAddress = [&window](int i, const QString& address) {
            RecordCopies<Server> servers(window.serverList());
            servers.list[i]->rps_hostname_port = address;
            window.document().editServer(servers.list[i]->handle, *servers.list[i]);
        };
        for (const auto& [written, result] : checks) {
            setAddress(0, written);
            emit window.serverLabelList()[0]->connectionCheckRequested(window.serverList()[0]->handle);
            QTRY_VERIFY(static_cast<QMainWindow&>(window).statusBar()->currentMessage().contains(QString::fromUtf8(result)));
        }
        for (int i : {0, 1})
            setAddress(i, addresses[i]);
        emit window.serverLabelList()[1]->connectionCheckRequested(window.serverList()[1]->handle);
        QTRY_VERIFY(static_cast<QMainWindow&>(window).statusBar()->currentMessage().startsWith(
            ": " + addresses[1] + " does not answer: "));
        const auto redBorder = [&window](int i) {
            ServerLabel* label = window.serverLabelList()[i];
            label->resize(10, 10); // these servers have no size of their own
            return label->grab().toImage().pixelColor(0, 0) == Qt::red;
        };
        QVERIFY(redBorder(1));
        // "Check all servers" shows its table; it is read once both have their times, then closed.
        QStringList rows;
        int tries = 0;
        std::function<void()> readTable = [&] {
            auto* all = qobject_cast<ServerCheckDialog*>(QApplication::activeModalWidget());
            if ((!all || !all->table()->item(0, 3) || !all->table()->item(1, 3)) && ++tries < 250)
                return QTimer::singleShot(20, &window, readTable);
            if (!all)
                return;
            all->findChild<QPushButton*>("btnCopy")->click(); // the table as text, a line per server
            for (const QString& line : QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts))
                rows << line.section(u'\t', 1, 1) + u' ' + line.section(u'\t', 2, 2).section(u':', 0, 0);
            all->close();
        };
        QTimer::singleShot(0, &window, readTable);
        trigger(window, "actionCheck_all_servers");
        QCOMPARE(rows, QStringList({addresses[0] + " answers", addresses[1] + " does not answer"}));
        // An undo makes the labels anew; the border stays on the server that did not answer.
        renameFirstDevice(window, "changed");
        window.undo();
        QVERIFY(redBorder(1) && !redBorder(0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
