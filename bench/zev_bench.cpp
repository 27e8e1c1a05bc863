// Times ZEV's file and dialog operations on a synthetic fleet against a raw
// baseline doing the same I/O in the same run, and prints one table.
//
//   zev_bench [S|L|bare|all] [--runs N]

#include "fixtures/SyntheticFleet.h"
#include "dialogs/thinclient/DlgAssignServers.h"
#include "dialogs/thinclient/DlgEditThinClient.h"
#include "app/MainWindow.h"
#include "prompts/Prompts.h"
#include "model/ClientConfigFile.h"
#include "model/RecordCopies.h"
#include "model/ConfigCheck.h"
#include "model/ConfigFile.h"
#include "model/ConfigCompare.h"
#include "model/ConfigMerge.h"
#include "model/EditHistory.h"
#include "model/BatchSave.h"
#include "model/ThinClientImport.h"
#include "model/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QImage>
#include <QStandardPaths>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Size {
    const char* name;
    int devices;
    int servers;
    int perDevice;
};

const Size kSizes[] = {{"S", 1000, 50, 5}, {"L", 20000, 200, 5}, {"XL", 100000, 1000, 5}};

qint64 statusKiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

qint64 rssMiB()
{
    return statusKiB("VmRSS:") / 1024;
}

// From here on the peak column measures only what follows: memory freed so far
// goes back to the system, and the kernel's high-water mark starts again.
void restartPeak()
{
    ::malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double timedMs(const std::function<void()>& work)
{
    // Every run starts with nothing left to write back, so one run's disk
    // traffic does not land on the next one's clock.
    ::sync();
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Median wall time in milliseconds of runs calls of work; prepare runs untimed
// before each. One untimed run comes first: a working folder has been saved
// to before, and the caches are warm.
double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = -1; i < runs; ++i) {
        if (prepare)
            prepare();
        const double ms = timedMs(work);
        if (i >= 0)
            times.push_back(ms);
    }
    return median(times);
}

struct Comparison {
    double ours;
    double baseline;
};

// Runs ours and the baseline in turn, so that both meet the machine in the
// same state (the disk's and the other programs' moods drift within seconds).
Comparison compareMs(int runs, const std::function<void()>& ours, const std::function<void()>& baseline)
{
    std::vector<double> oursTimes;
    std::vector<double> baselineTimes;
    for (int i = -1; i < runs; ++i) {
        const double oursMs = timedMs(ours);
        const double baselineMs = timedMs(baseline);
        if (i >= 0) {
            oursTimes.push_back(oursMs);
            baselineTimes.push_back(baselineMs);
        }
    }
    return {median(oursTimes), median(baselineTimes)};
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The baseline of a durable save: the bytes to a new file, made durable, renamed over the target.
void writeDurably(const QString& path, const QByteArray& bytes)
{
    QFile file(path + QStringLiteral(".new"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        ::fdatasync(file.handle()) != 0)
        return;
    file.close();
    std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData());
}

// The baseline of every reader: the same file read and split into lines.
qsizetype readAndSplit(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll()).split(u'\n').size();
}

class Table {
public:
    Table() { std::printf("%-34s %-4s %10s %12s %7s %9s %9s\n", "operation", "size", "ours ms", "baseline ms", "ratio",
                          "target", "peak MiB"); }
    void row(const char* operation, const char* size, Comparison times, const char* target)
    {
        row(operation, size, times.ours, times.baseline, target);
    }
    void row(const char* operation, const char* size, double ours, double baseline, const char* target)
    {
        const qint64 peak = statusKiB("VmHWM:") / 1024;
        if (baseline > 0)
            std::printf("%-34s %-4s %10.1f %12.1f %7.2f %9s %9lld\n", operation, size, ours, baseline,
                        ours / baseline, target, peak);
        else
            std::printf("%-34s %-4s %10.1f %12s %7s %9s %9lld\n", operation, size, ours, "-", "-", target, peak);
        std::fflush(stdout);
    }
    void note(const char* operation, const char* size, const QString& text)
    {
        std::printf("%-34s %-4s %s\n", operation, size, qPrintable(text));
        std::fflush(stdout);
    }
};

void benchFiles(const Size& size, int runs, Table& table)
{
    SyntheticFleet fleet(size.devices, size.servers, size.perDevice);
    QTemporaryDir work(QDir::current().filePath(QStringLiteral("zev-bench-XXXXXX")));
    const Descriptor folder = TrustedNames::openFolder(work.path());
    const QByteArray configBytes = ConfigFile::serialize(fleet.servers, fleet.thinClients);

    const Comparison write = compareMs(
        runs,
        [&] {
            BatchSave save(folder.get(), work.path());
            save.stage(QStringLiteral("zev.conf"), ConfigFile::serialize(fleet.servers, fleet.thinClients));
            save.commit();
        },
        [&] { writeDurably(work.filePath("raw.conf"), configBytes); });
    table.row("writeConfigFile", size.name, write, "<= 1.5x");

    const Comparison read = compareMs(
        runs,
        [&] {
            QList<Server*> servers;
            QList<ThinClient*> clients;
            ConfigFile::parse(readFileAt(folder.get(), QStringLiteral("zev.conf"), ConfigFile::kLargestConfig).content,
                              servers, clients);
            qDeleteAll(servers); // freeing is timed too: a real run frees the records at the end
            qDeleteAll(clients);
        },
        [&] { readAndSplit(work.filePath(QStringLiteral("zev.conf"))); });
    table.row("readConfigFile", size.name, read, "<= 3x");

    QByteArray importBytes;
    for (int i = 0; i < size.devices; ++i)
        importBytes += SyntheticFleet::serial(i).toLower().toUtf8() + ",,,Imported desk " + QByteArray::number(i) + '\n';
    const QString importFile = work.filePath(QStringLiteral("devices.txt"));
    writeRaw(importFile, importBytes);
    const Comparison import = compareMs(
        runs,
        [&] {
            QFile file(importFile);
            file.open(QIODevice::ReadOnly);
            ThinClientImport::merge(file.readAll(), fleet.thinClients, [](const QString&) {});
        },
        [&] { readAndSplit(importFile); });
    table.row("import into existing devices", size.name, import, "<= 4x");
    const QString clientDir = work.filePath(QStringLiteral("clients"));
    const QString rawDir = work.filePath(QStringLiteral("raw"));
    QDir().mkpath(clientDir);
    QDir().mkpath(rawDir);
    std::vector<std::pair<QString, QByteArray>> clientFiles;
    for (const ThinClient* client : std::as_const(fleet.thinClients))
        clientFiles.emplace_back(rawDir + u'/' + ClientConfigFile::fileName(client->serial_number),
                                 ClientConfigFile::serialize(*client, fleet.servers));
    const auto writeRawClientFiles = [&] {
        for (const auto& [path, bytes] : clientFiles)
            writeRaw(path, bytes);
    };
    const Comparison clients = compareMs(
        runs,
        [&] {
            const Descriptor clientFolder = TrustedNames::openFolder(clientDir);
            BatchSave batch(clientFolder.get(), clientDir);
            ClientConfigFile::writeAll(batch, fleet.servers, fleet.thinClients, [](const QString&, int) { return true; });
        },
        writeRawClientFiles);
    table.row("writeClientConfigFiles", size.name, clients, "<= 1x");
    // For comparison: the same files saved one by one, each synced on its own.
    const double perFileSync = medianMs(1, {}, [&] {
        for (const auto& [path, bytes] : clientFiles) {
            QSaveFile file(path);
            if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
                file.commit();
        }
    });
    table.row("  (one QSaveFile per device file)", size.name, {perFileSync, clients.baseline}, "-");
}

// Answers the picture dialog with one file, as a user would.
class PictureChooser : public Prompts {
public:
    explicit PictureChooser(const QString& picture) : picture(picture) { install(this); }
    ~PictureChooser() override { install(nullptr); }
    void information(QWidget*, const QString&, const QString&, const QString& = QString()) override {}
    void warning(QWidget*, const QString&, const QString&, const QString& = QString()) override {}
    QMessageBox::StandardButton question(QWidget*, const QString&, const QString&, QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton, QMessageBox::StandardButton,
                                         const QMap<QMessageBox::StandardButton, QString>&) override
    {
        return QMessageBox::No;
    }
    bool settleConflicts(QWidget*, QList<MergeConflict>&) override { return false; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return picture; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }

private:
    QString picture;
};

// A plain picture in the working folder, as the folder's topology; its path.
QString writePicture(const QTemporaryDir& folder)
{
    QImage picture(1600, 1200, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QString path = folder.filePath(QStringLiteral("topology.png"));
    picture.save(path);
    return path;
}

// Opening a working folder as a user does: the window shown, the picture
// chosen, zev.conf read and a label made for every server. Then one edit
// undone in the window: the records and labels rebuilt from the history.
void benchWindow(const Size& size, int runs, Table& table)
{
    SyntheticFleet fleet(size.devices, size.servers, size.perDevice);
    QTemporaryDir work(QDir::current().filePath(QStringLiteral("zev-bench-XXXXXX")));
    writeRaw(work.filePath(QStringLiteral("zev.conf")), ConfigFile::serialize(fleet.servers, fleet.thinClients));
    const Descriptor folder = TrustedNames::openFolder(work.path());
    BatchSave deviceFiles(folder.get(), work.path());
    ClientConfigFile::writeAll(deviceFiles, fleet.servers, fleet.thinClients, [](const QString&, int) { return true; });
    // Loading reads every device file back, to find those a killed save left behind zev.conf.
    table.row("read back the device files", size.name,
              medianMs(runs, {}, [&] { ClientConfigFile::filesBehind(folder.get(), fleet.servers, fleet.thinClients); }), 0,
              "<= 500 ms");
    PictureChooser chooser(writePicture(work));
    // "Load image" in that folder: the file dialog lists it, ours against Qt's own.
    const auto listFolder = [&work](bool quick) {
        QFileDialog dialog(nullptr, QStringLiteral("Select network topology image file"), work.path(),
                           QStringLiteral("Images (*.png *.bmp *.jpg)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (quick)
            makeQuick(dialog);
        QEventLoop listed;
        QObject::connect(dialog.findChild<QFileSystemModel*>(), &QFileSystemModel::directoryLoaded, &listed, &QEventLoop::quit);
        QTimer::singleShot(120000, &listed, &QEventLoop::quit);
        dialog.show();
        listed.exec();
    };
    table.row("list the folder in Load image", size.name,
              compareMs(runs, [&] { listFolder(true); }, [&] { listFolder(false); }), "<= 300 ms");
    std::unique_ptr<MainWindow> window;
    const double open = medianMs(
        runs, [&] { window.reset(); },
        [&] {
            window = std::make_unique<MainWindow>();
            window->show();
            window->findChild<QAction*>(QStringLiteral("btnLoadImage"))->trigger();
            QCoreApplication::processEvents();
        });
    table.row("open a working folder", size.name, open, 0, "<= 1000 ms");

    // A save after one device changed writes zev.conf and that device's file alone.
    int round = 0;
    const double saveOne = medianMs(
        runs,
        [&] {
            RecordCopies<ThinClient> devices(window->thinClientList());
            devices.list[0]->server_ids = {fleet.servers[++round % fleet.servers.size()]->server_id};
            window->document().assignServers(devices.list);
        },
        [&] { window->saveConfiguration(); });
    table.row("save after one device changed", size.name, saveOne, 0, "<= 300 ms");

    window->document().addThinClient(QStringLiteral("One more"), QStringLiteral("BENCH1"));
    const double undo = medianMs(
        runs, [&] { window->redo(); },
        [&] {
            window->undo();
            QCoreApplication::processEvents();
        });
    table.row("undo in the window", size.name, undo, 0, "<= 200 ms");

    // Each operation as the window takes it, its views following.
    const auto inWindow = [&](const char* operation, const std::function<void()>& prepare, const std::function<void()>& act) {
        table.row(operation, size.name, medianMs(runs, prepare, [&] {
            act();
            QCoreApplication::processEvents();
        }), 0, "<= 200 ms");
    };
    inWindow("redo in the window", [&] { window->undo(); }, [&] { window->redo(); });
    std::unique_ptr<RecordCopies<ThinClient>> edited;
    const auto editDevices = [&](const std::function<void(ThinClient&)>& edit) {
        return [&, edit] {
            edited = std::make_unique<RecordCopies<ThinClient>>(window->thinClientList());
            edit(*edited->list[++round % edited->list.size()]);
        };
    };
    inWindow("OK in the assignment grid",
             editDevices([&](ThinClient& device) { device.server_ids = {fleet.servers[round % fleet.servers.size()]->server_id}; }),
             [&] { window->document().assignServers(edited->list); });
    inWindow("OK in the thin-client editor",
             editDevices([&](ThinClient& device) { device.desc = QStringLiteral("Edited %1").arg(round); }),
             [&] { window->document().editThinClients(edited->list); });
    inWindow("a label moved", {}, [&] {
        const Server* server = window->serverList()[0];
        window->document().placeLabel(server->handle, QRect(++round % 500, 10, 75, 75), false, false);
    });
    inWindow("a device added", {}, [&] {
        window->document().addThinClient(QStringLiteral("Added"), QStringLiteral("ADDED%1").arg(++round));
    });

    // Another program changes zev.conf (one byte, the same size): the look the watcher takes.
    const QString configPath = work.filePath(QStringLiteral("zev.conf"));
    QFile configFile(configPath);
    const QByteArray onDisk = configFile.open(QIODevice::ReadOnly) ? configFile.readAll() : QByteArray();
    table.row("an outside change looked at", size.name, medianMs(runs, [&] {
        QByteArray changed = onDisk;
        changed[changed.size() / 2] = changed[changed.size() / 2] == 'x' ? 'y' : 'x';
        writeRaw(configPath, changed);
    }, [&] { window->document().lookAtDisk(); }), 0, "<= 50 ms");
    window.reset();
}

// A hand-made zev.conf of nothing but 50,000 "[SERVER]" lines: small on disk,
// it must not cost more to open than a real fleet.
void benchBareServers(Table& table)
{
    QTemporaryDir work(QDir::current().filePath(QStringLiteral("zev-bench-XXXXXX")));
    writeRaw(work.filePath(QStringLiteral("zev.conf")), QByteArray("[SERVER]\n").repeated(50000));
    PictureChooser chooser(writePicture(work));
    const qint64 before = rssMiB();
    MainWindow window;
    window.show();
    const double open = timedMs([&] {
        window.findChild<QAction*>(QStringLiteral("btnLoadImage"))->trigger();
        QCoreApplication::processEvents();
    });
    table.row("open 50,000 bare [SERVER] lines", "-", open, 0, "<= 2000 ms");
    table.note("  memory of the open folder", "-",
               QStringLiteral("%1 MiB above the program (target <= 300 MiB)").arg(rssMiB() - before));

    // Another program's file repeating one device 20,000 times: merged, compared
    // and shown in time proportional to its size.
    const QByteArray device("[THINCLIENT]\ndesc=Reception\nserial_number=TC1003\nserver=1\n\n");
    const QByteArray repeated = device.repeated(20000);
    const double merge = timedMs([&] { mergeConfigurations(device, device, repeated).text(); });
    table.row("merge 20,000 repeated blocks", "-", merge, 0, "<= 1000 ms");
    const double compare = timedMs([&] { ConfigCompare::differences(device, repeated); ConfigCompare::describe(repeated); });
    table.row("diff and show them", "-", compare, 0, "<= 1000 ms");
}

void benchDialogs(const Size& size, int runs, Table& table)
{
    SyntheticFleet fleet(size.devices, size.servers, size.perDevice);
    std::vector<qint64> growth;
    std::unique_ptr<DlgAssignServers> grid;
    const double openGrid = medianMs(
        runs, [&] { grid.reset(); },
        [&] {
            const qint64 before = rssMiB();
            grid = std::make_unique<DlgAssignServers>(nullptr, &fleet.servers, &fleet.thinClients);
            grid->show();
            QCoreApplication::processEvents();
            growth.push_back(rssMiB() - before);
        });
    std::sort(growth.begin(), growth.end());
    table.row("open assignment grid", size.name, openGrid, 0, "<= 500 ms");
    table.note("  memory of the open grid", size.name,
               QStringLiteral("%1 MiB above the program (target <= 150 MB)").arg(growth[growth.size() / 2]));

    const double okGrid = medianMs(
        runs,
        [&] {
            grid = std::make_unique<DlgAssignServers>(nullptr, &fleet.servers, &fleet.thinClients);
            grid->show();
            QCoreApplication::processEvents();
        },
        [&] { grid->accept(); });
    grid.reset();
    table.row("OK of assignment grid", size.name, okGrid, 0, "<= 300 ms");

    // "Show matching only" ticked: each key press in the search field filters the rows again.
    grid = std::make_unique<DlgAssignServers>(nullptr, &fleet.servers, &fleet.thinClients);
    grid->show();
    grid->findChild<QCheckBox*>(QStringLiteral("chkMatchingOnly"))->setChecked(true);
    auto* search = grid->findChild<QLineEdit*>(QStringLiteral("tbxSearch"));
    int keys = 0;
    const double filter = medianMs(runs, {}, [&] {
        search->setText(++keys % 2 ? QStringLiteral("TC0") : QStringLiteral("TC1")); // all rows, then none
        QCoreApplication::processEvents();
    });
    grid.reset();
    table.row("filter the grid after a key press", size.name, filter, 0, "<= 100 ms");

    std::unique_ptr<DlgEditThinClient> editor;
    const double openEditor = medianMs(
        runs, [&] { editor.reset(); },
        [&] {
            editor = std::make_unique<DlgEditThinClient>(nullptr, &fleet.thinClients, &fleet.servers);
            editor->show();
            QCoreApplication::processEvents();
        });
    editor.reset();
    table.row("open thin-client list editor", size.name, openEditor, 0, "<= 300 ms");
}

// Merging another administrator's save: 1,000 devices and 20 servers changed on each side.
void benchMerge(const Size& size, int runs, Table& table)
{
    SyntheticFleet fleet(size.devices, size.servers, size.perDevice);
    const QByteArray base = ConfigFile::serialize(fleet.servers, fleet.thinClients);
    const auto changed = [&fleet](int firstDevice, int firstServer, const QString& mark) {
        for (int i = firstDevice; i < firstDevice + 1000; ++i)
            fleet.thinClients[i]->desc += mark;
        for (int i = firstServer; i < firstServer + 20; ++i)
            fleet.servers[i]->display_name += mark;
        const QByteArray text = ConfigFile::serialize(fleet.servers, fleet.thinClients);
        for (int i = firstDevice; i < firstDevice + 1000; ++i)
            fleet.thinClients[i]->desc.chop(mark.size());
        for (int i = firstServer; i < firstServer + 20; ++i)
            fleet.servers[i]->display_name.chop(mark.size());
        return text;
    };
    const QByteArray mine = changed(0, 0, QStringLiteral(" (mine)"));
    const QByteArray theirs = changed(1000, 20, QStringLiteral(" (theirs)"));
    table.row("merge another's save", size.name, medianMs(runs, {}, [&] { mergeConfigurations(base, mine, theirs).text(); }), 0,
              "<= 200 ms");
}

// The configuration check run after loading and from Tools.
void benchConfigurationCheck(const Size& size, int runs, Table& table)
{
    SyntheticFleet fleet(size.devices, size.servers, size.perDevice);
    const double check =
        medianMs(runs, {}, [&] { configurationProblems(fleet.servers, fleet.thinClients, QSize(1600, 1200)); });
    table.row("check configuration", size.name, check, 0, "<= 100 ms");
}

// One undo step as the window takes it: the records written out as zev.conf's
// text and kept in the history; and what 100 such steps hold.
void benchHistory(const Size& size, int runs, Table& table)
{
    SyntheticFleet fleet(size.devices, size.servers, size.perDevice);
    EditHistory history;
    history.reset(ConfigFile::serialize(fleet.servers, fleet.thinClients));
    int edits = 0;
    const auto step = [&] {
        fleet.thinClients[edits % fleet.thinClients.size()]->desc += u'+';
        ++edits;
        history.record(QStringLiteral("Edit thinclients"), ConfigFile::serialize(fleet.servers, fleet.thinClients));
    };
    table.row("one undo step", size.name, medianMs(runs, {}, step), 0, "<= 50 ms");
    const qint64 before = rssMiB();
    // Counted in edits: past the byte budget the history drops its oldest steps.
    for (int i = 0; i < 100; ++i)
        step();
    table.note("  memory of 100 undo steps", size.name,
               QStringLiteral("%1 steps, %2 MiB kept, %3 MiB above the program (target <= 150 MiB)")
                   .arg(history.steps())
                   .arg(history.bytes() / (1024 * 1024))
                   .arg(rssMiB() - before));
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the window remembers its folder: not in the user's settings
    Q_INIT_RESOURCE(images);
    const QStringList args = app.arguments().mid(1);
    const QString which = args.value(0, QStringLiteral("all")).toUpper();
    const int runsAt = args.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt >= 0 ? qMax(3, args.value(runsAt + 1).toInt()) : 3;

    Table table;
    if (which == QLatin1String("BARE") || which == QLatin1String("ALL")) {
        restartPeak();
        benchBareServers(table);
    }
    for (const Size& size : kSizes) {
        if (which != QLatin1String("ALL") && which != QLatin1String(size.name))
            continue;
        for (const auto bench : {benchFiles, benchWindow, benchDialogs, benchHistory, benchConfigurationCheck, benchMerge}) {
            restartPeak();
            bench(size, runs, table);
        }
    }
    return 0;
}
