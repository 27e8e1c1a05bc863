// A save onto a full disk reports failure, keeps the data marked modified
// and leaves the previous zev.conf whole. The disk is a small tmpfs mounted
// for the test; where mounting is not allowed the test is skipped.
#include "app/MainWindow.h"
#include "model/ConfigFile.h"
#include "model/Server.h"
#include "model/ThinClient.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "support/SampleRecords.h"

#include <QAction>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestDiskFull : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> mountPoint;
    bool mounted = false;

private slots:
    void initTestCase()
    {
        initZevResources();
        isolateSettings();
        mountPoint = std::make_unique<QTemporaryDir>();
        QProcess mount;
        mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=256k", "tmpfs", mountPoint->path()});
        mounted = mount.waitForFinished() && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
        if (!mounted)
            QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here (%1); the full-disk test needs root")
                                 .arg(QString::fromLocal8Bit(mount.readAllStandardError()).trimmed())));
    }

    void cleanupTestCase()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {mountPoint->path()});
    }

    void fullDiskKeepsThePreviousFiles()
    {
        const QString folder = mountPoint->path();
        const QByteArray oldConfig = readTestFile(ZEV_TEST_DATA "/zev_golden.conf");
        QFile config(folder + "/zev.conf");
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write(oldConfig) == oldConfig.size());
        config.close();

        FakePrompts prompts;
        MainWindow window;
        prompts.fileNames << writeTestPicture(folder);
        window.findChild<QAction*>("btnLoadImage")->trigger();
        QCOMPARE(window.thinClientList().size(), 2);

        // Far more than 256 KiB of configuration.
        for (int i = 0; i < 4000; ++i)
            window.thinClientList() << new ThinClient(QString(100, u'd'), QStringLiteral("FULL%1").arg(i));
        window.onDataChanged();
        prompts.calls.clear();
        prompts.answers << QMessageBox::No;
        window.findChild<QAction*>("actionSave")->trigger();

        QCOMPARE(prompts.calls.value(0).title, QStringLiteral("ZEV - Saving Configuration"));
        QCOMPARE(prompts.titles(), QStringList({"ZEV - Saving Configuration", "Creating thinclient configuration",
                                                "Creating thinclient configuration"}));
        QVERIFY(window.isModified());
        QVERIFY(window.findChild<QAction*>("actionSave")->isEnabled());
        QCOMPARE(readTestFile(folder + "/zev.conf"), oldConfig);
        QCOMPARE(readTestFile(folder + "/AB12.conf"), readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
    }
};

QTEST_MAIN(TestDiskFull)
#include "tst_diskfull.moc"
