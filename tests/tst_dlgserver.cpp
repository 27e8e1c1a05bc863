#include "dialogs/server/DlgServer.h"
#include "fixtures/RecordText.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "support/SampleRecords.h"

#include <QComboBox>
#include <QtTest>

#include <memory>

namespace {

// The option combo boxes and the names the protocol file gives them.
const std::pair<const char*, const char*> kOptions[] = {
    {"cmbxColorDepth", "Color depth"},       {"cmbxGraphicsQuality", "Graphics quality"},
    {"cmbxAudioQuality", "Audio quality"},   {"cmbxRedirectAudio", "Redirect audio"},
    {"cmbxRedirectMic", "Redirect mic"},     {"cmbxLatency", "Latency"},
    {"cmbxSecurity", "Security"},            {"cmbxWindowSize", "Window size"}};

template <typename T>
T* child(const QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(name);
}

QComboBox* combo(const QWidget& dialog, const char* name)
{
    return child<QComboBox>(dialog, name);
}

QLineEdit* edit(const QWidget& dialog, const char* name)
{
    return child<QLineEdit>(dialog, name);
}

QPushButton* button(const QWidget& dialog, const char* name)
{
    return child<QPushButton>(dialog, name);
}

// The dialog's options as the protocol file writes them.
QStringList shownOptions(const DlgServer& dialog)
{
    QStringList lines{QStringLiteral("remote application: ") +
                      (edit(dialog, "tbxRemoteApp")->isEnabled() ? "enabled" : "disabled")};
    for (const auto& [name, label] : kOptions) {
        const QComboBox* box = combo(dialog, name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << (i == box->currentIndex() ? "*" : "") + box->itemText(i);
        lines << QStringLiteral("%1: %2").arg(label, items.isEmpty() ? "-" : items.join(" | "));
    }
    return lines;
}

QStringList storedOptions(const Server& s)
{
    const QStringList fields = fieldsOf(s);
    QStringList values;
    QStringList indexes;
    for (const QString& field : fields) {
        const QString value = field.section(u'=', 1);
        if (field.startsWith("rps_") && !field.startsWith("rps_hostname") && !field.startsWith("rps_window_p"))
            values << value;
        if (field.startsWith("index_"))
            indexes << value;
    }
    return {"stored: " + values.join(", "), "indexes: " + indexes.join(u' ')};
}

} // namespace

class TestDlgServer : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePrompts> prompts;
    QRect bounds{0, 0, 1000, 700};
    QList<Server*> servers;

    void fillAndSave(DlgServer& dialog, const QString& name, const QString& host)
    {
        edit(dialog, "tbxDispName")->setText(name);
        edit(dialog, "tbxHostname")->setText(host);
        button(dialog, "btnSave")->click();
    }

private slots:
    void initTestCase() { initGuiTest(); }

    void init()
    {
        prompts = std::make_unique<FakePrompts>();
        servers = {sampleServer(), new Server};
        servers[0]->rps_hostname_port = "srv.example";
        servers[0]->remote_app = "App";
        servers[0]->index_color_depth = 2; // choices away from the defaults, so that loading them is seen
        servers[0]->index_security = 2;
        servers[0]->rps_window_percentage = "64";
        servers[1]->rps_hostname_port = "other";
    }

    void cleanup()
    {
        QCOMPARE(prompts->unexpected, 0);
        prompts.reset();
        qDeleteAll(servers);
        servers.clear();
    }

    // Each protocol's lists, defaults and stored values, against the file written from the protocol tables.
    void protocolTables_data()
    {
        QTest::addColumn<QStringList>("expected");
        const QString all = QString::fromUtf8(readTestFile(ZEV_TEST_DATA "/protocols.txt"));
        for (const QString& block : all.split(QStringLiteral("\nprotocol ")).mid(1)) {
            const QStringList lines = block.trimmed().split(u'\n');
            QTest::newRow(qPrintable(lines[0])) << lines.mid(1);
        }
    }

    void protocolTables()
    {
        QFETCH(QStringList, expected);
        DlgServer dialog(nullptr, &bounds, &servers);
        QComboBox* protocol = combo(dialog, "cmbxConxType");
        edit(dialog, "tbxRemoteApp")->setText("app");
        protocol->setCurrentIndex(protocol->findText(QString::fromLatin1(QTest::currentDataTag())));
        const QStringList shown = shownOptions(dialog);
        for (const auto& [name, label] : kOptions)
            combo(dialog, name)->setCurrentIndex(0);
        button(dialog, "btnSetDefaults")->click();
        QCOMPARE(shownOptions(dialog), shown);
        fillAndSave(dialog, "Name", "host.example");
        QCOMPARE(shown + storedOptions(*servers.last()), expected);
        QCOMPARE(servers.last()->remote_app, shown[0].endsWith("enabled") ? "app" : "");
    }

    void validation_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("app");
        QTest::addColumn<int>("windowSize");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("box"); // "kind|title|text", empty for none
        QTest::addColumn<bool>("saved");
        const QString dup = "information|Input Validation|\nDuplicate hostname found! Hostname and Remote application "
                            "pair has been assigned to another server! \n\nHostname and Remote application pairs "
                            "must be unique";
        const QString local = "warning|Input validation|When hostname is set to localhost, Remote application field "
                              "cannot be empty";
        const QString range = "warning|Invalid percentage|\n'Percent of screen' value must be in the range 1-100";
        const QString exe = "information|Filename extension not allowed|\n.exe extension has been removed from ";
        QTest::newRow("empty name") << "new" << "" << "h" << "" << 2 << "" << "information|Input validation|\nDisplay name cannot be empty" << false;
        QTest::newRow("blank name and host") << "new" << "  " << "   " << "" << 2 << "" << "" << true;
        QTest::newRow("empty host") << "new" << "N" << "" << "" << 2 << "" << "information|Input validation|\nServer hostname cannot be empty" << false;
        QTest::newRow("localhost") << "new" << "N" << "LocalHost" << "" << 2 << "" << local << false;
        QTest::newRow("loopback") << "new" << "N" << "127.0.0.1" << "" << 2 << "" << local << false;
        QTest::newRow("untrimmed localhost") << "new" << "N" << " localhost" << "" << 2 << "" << "" << true;
        QTest::newRow("exe removed") << "new" << "N" << "h" << "calc.EXE" << 2 << "" << exe + "calc" << true;
        QTest::newRow("exe inside") << "new" << "N" << "h" << "my.exe.tool" << 2 << "" << "" << true;
        QTest::newRow("duplicate any case") << "new" << "N" << "SRV.example" << "app" << 2 << "" << dup << false;
        QTest::newRow("exe then duplicate") << "new" << "N" << "srv.example" << "App.exe" << 2 << "" << exe + "App//" + dup << false;
        QTest::newRow("empty app differs") << "new" << "N" << "srv.example" << "" << 2 << "" << "" << true;
        QTest::newRow("both apps empty") << "new" << "N" << "other" << "" << 2 << "" << dup << false;
        QTest::newRow("edit unchanged") << "edit" << "N" << "srv.example" << "App" << 2 << "" << "" << true;
        QTest::newRow("clone unchanged") << "clone" << "N" << "srv.example" << "App" << 2 << "" << dup << false;
        QTest::newRow("clone changed") << "clone" << "N" << "srv2.example" << "App" << 2 << "" << "" << true;
        QTest::newRow("percent 0") << "new" << "N" << "h" << "" << 1 << "0" << range << false;
        QTest::newRow("percent 101") << "new" << "N" << "h" << "" << 1 << "101" << range << false;
        QTest::newRow("percent empty") << "new" << "N" << "h" << "" << 1 << "" << range << false;
        QTest::newRow("percent 1") << "new" << "N" << "h" << "" << 1 << "1" << "" << true;
        QTest::newRow("percent 100") << "new" << "N" << "h" << "" << 1 << "100" << "" << true;
        QTest::newRow("percent unchecked when not chosen") << "new" << "N" << "h" << "" << 0 << "0" << "" << true;
    }

    void validation()
    {
        QFETCH(QString, mode);
        QFETCH(QString, name);
        QFETCH(QString, host);
        QFETCH(QString, app);
        QFETCH(int, windowSize);
        QFETCH(QString, percent);
        QFETCH(QString, box);
        QFETCH(bool, saved);
        const auto dialog = mode == "new" ? std::make_unique<DlgServer>(nullptr, &bounds, &servers)
                                          : std::make_unique<DlgServer>(nullptr, &bounds, &servers, servers[0],
                                                                        mode == "clone");
        QSignalSpy changed(dialog.get(), &DlgServer::onDataChanged);
        edit(*dialog, "tbxDispName")->setText(name);
        edit(*dialog, "tbxHostname")->setText(host);
        edit(*dialog, "tbxRemoteApp")->setText(app);
        combo(*dialog, "cmbxWindowSize")->setCurrentIndex(windowSize);
        edit(*dialog, "tbxWindowPercentage")->setText(percent);
        const QString sourceName = servers[0]->display_name;

        button(*dialog, "btnSave")->click();

        QStringList boxes;
        for (const FakePrompts::Call& call : prompts->calls)
            boxes << call.kind + "|" + call.title + "|" + call.text;
        QCOMPARE(boxes.join("//"), box);
        QCOMPARE(changed.size(), saved ? 1 : 0);
        QCOMPARE(servers.size(), saved && mode != "edit" ? 3 : 2);
        QCOMPARE(servers[0]->display_name, saved && mode == "edit" ? name : sourceName);
        QCOMPARE(edit(*dialog, "tbxHostname")->text(), host);
        if (box.contains("range"))
            QCOMPARE(edit(*dialog, "tbxWindowPercentage")->text(), QStringLiteral("000"));
        if (saved && mode == "new")
            QCOMPARE(servers.last()->remote_app, app.endsWith(".EXE") ? "calc" : app);
    }

    // Each mode: its title, what it loads, which signals a save sends, and where the record lands.
    void modes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("signalOrder");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("new") << "new" << "Creating new server" << QStringList{"new", "data"} << QPoint(0, 0);
        QTest::newRow("new at a point") << "point" << "Creating new server" << QStringList{"new", "data"}
                                        << QPoint(60, 10);
        QTest::newRow("edit") << "edit" << "Edit server properties" << QStringList{"data"} << QPoint(10, 20);
        QTest::newRow("clone") << "clone" << "Cloning server" << QStringList{"new", "data"} << QPoint(0, 0);
    }

    void modes()
    {
        QFETCH(QString, mode);
        QFETCH(QString, title);
        QFETCH(QStringList, signalOrder);
        QFETCH(QPoint, position);
        Server* source = servers[0];
        const QString sourceId = source->server_id;
        const auto dialog = mode == "new"     ? std::make_unique<DlgServer>(nullptr, &bounds, &servers)
                            : mode == "point" ? std::make_unique<DlgServer>(nullptr, &bounds, &servers, QPoint(100, 50))
                                              : std::make_unique<DlgServer>(nullptr, &bounds, &servers, source,
                                                                            mode == "clone");
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(button(*dialog, "btnSavePlusNew")->isEnabled(), mode == "new" || mode == "point");
        if (mode == "edit" || mode == "clone") {
            QCOMPARE(edit(*dialog, "tbxDispName")->text(), source->display_name);
            QCOMPARE(edit(*dialog, "tbxRemoteApp")->text(), QStringLiteral("App"));
            QCOMPARE(combo(*dialog, "cmbxColorDepth")->currentText(), QStringLiteral("True color (24 bit)"));
            QCOMPARE(combo(*dialog, "cmbxSecurity")->currentText(), QStringLiteral("NLA"));
            QCOMPARE(edit(*dialog, "tbxWindowPercentage")->text(), QStringLiteral("64"));
            QVERIFY(edit(*dialog, "tbxWindowPercentage")->isEnabled());
        }
        QStringList order;
        connect(dialog.get(), &DlgServer::onNewServer, this, [&](Server* s) { order << (s == servers.last() ? "new" : "?"); });
        connect(dialog.get(), &DlgServer::onDataChanged, this, [&] { order << "data"; });
        fillAndSave(*dialog, "Renamed", "fresh.example");
        QCOMPARE(order, signalOrder);
        QCOMPARE(servers.size(), mode == "edit" ? 2 : 3);
        const Server* saved = servers[mode == "edit" ? 0 : 2];
        QCOMPARE(saved->display_name, QStringLiteral("Renamed"));
        QCOMPARE(saved->server_id == sourceId, mode == "edit");
        QCOMPARE(QRect(saved->xpos, saved->ypos, saved->width, saved->height), QRect(position, QSize(75, 75)));
        QCOMPARE(saved->index_color_depth, mode == "edit" || mode == "clone" ? 2 : 4);
    }

    // Save + New empties only the host and places the next label 77 pixels on, wrapping at the picture's edge.
    void savePlusNewLinesLabelsUp_data()
    {
        QTest::addColumn<QRect>("imageRect");
        QTest::addColumn<QList<QPoint>>("positions");
        QTest::newRow("wide") << QRect(0, 0, 1000, 700) << QList<QPoint>{{0, 0}, {77, 0}, {154, 0}};
        QTest::newRow("wraps") << QRect(100, 0, 230, 700) << QList<QPoint>{{0, 0}, {77, 0}, {0, 77}};
    }

    void savePlusNewLinesLabelsUp()
    {
        QFETCH(QRect, imageRect);
        QFETCH(QList<QPoint>, positions);
        bounds = imageRect;
        DlgServer dialog(nullptr, &bounds, &servers);
        edit(dialog, "tbxDispName")->setText("Row");
        edit(dialog, "tbxRemoteApp")->setText("app");
        for (int i = 0; i < positions.size(); ++i) {
            edit(dialog, "tbxHostname")->setText(QStringLiteral("host%1").arg(i));
            button(dialog, "btnSavePlusNew")->click();
            QCOMPARE(edit(dialog, "tbxHostname")->text(), QString());
            QCOMPARE(edit(dialog, "tbxDispName")->text(), QStringLiteral("Row"));
            QCOMPARE(edit(dialog, "tbxRemoteApp")->text(), QStringLiteral("app"));
            const Server* s = servers.last();
            QCOMPARE(QPoint(s->xpos, s->ypos), positions[i]);
            QVERIFY(s->server_id != servers[servers.size() - 2]->server_id);
        }
        bounds = QRect(0, 0, 1000, 700);
    }

    // "localhost" or "127.0.0.1", trimmed and in any case, fixes the protocol and
    // options and opens "Remote Application", also when a saved server is opened again.
    void localHost_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("app");
        QTest::newRow("LocalHost with blanks") << " LocalHost " << "calc";
        QTest::newRow("loopback") << "127.0.0.1" << "browser";
        QTest::newRow("other") << "localhost2" << "";
    }

    void localHost()
    {
        QFETCH(QString, host);
        QFETCH(QString, app);
        const bool local = !app.isEmpty();
        DlgServer create(nullptr, &bounds, &servers);
        combo(create, "cmbxConxType")->setCurrentIndex(3); // VNC, which has no remote application
        edit(create, "tbxHostname")->setText(host);
        for (const char* name : {"cmbxConxType", "cmbxColorDepth", "cmbxSecurity"})
            QCOMPARE(combo(create, name)->isEnabled(), !local);
        QVERIFY(combo(create, "cmbxWindowSize")->isEnabled() && button(create, "btnSetDefaults")->isEnabled());
        QCOMPARE(edit(create, "tbxRemoteApp")->isEnabled(), local);
        edit(create, "tbxRemoteApp")->setText(app);
        fillAndSave(create, "Name", host);
        const QStringList before = fieldsOf(*servers.last());

        DlgServer reopened(nullptr, &bounds, &servers, servers.last(), false);
        QCOMPARE(edit(reopened, "tbxRemoteApp")->text(), app);
        QCOMPARE(edit(reopened, "tbxRemoteApp")->isEnabled(), local);
        button(reopened, "btnSave")->click();
        QCOMPARE(fieldsOf(*servers.last()), before);
        edit(reopened, "tbxHostname")->setText("remote.example");
        QVERIFY(combo(reopened, "cmbxConxType")->isEnabled() && !edit(reopened, "tbxRemoteApp")->isEnabled());
        QVERIFY(edit(reopened, "tbxRemoteApp")->text().isEmpty());
    }

    // Return in a field presses no button: neither Save nor "Set default values".
    void returnInAFieldPressesNoButton()
    {
        DlgServer dialog(nullptr, &bounds, &servers);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        combo(dialog, "cmbxColorDepth")->setCurrentIndex(3);
        edit(dialog, "tbxHostname")->setText("new.example");
        for (const char* field : {"tbxDispName", "tbxHostname", "tbxRemoteApp"}) {
            edit(dialog, field)->setFocus();
            QTest::keyClick(edit(dialog, field), Qt::Key_Return);
            QTest::keyClick(edit(dialog, field), Qt::Key_Enter);
        }
        QVERIFY(dialog.isVisible() && prompts->calls.isEmpty());
        QCOMPARE(combo(dialog, "cmbxColorDepth")->currentText(), QStringLiteral("True color (32 bit)"));
        QCOMPARE(servers.size(), 2);
    }
};

QTEST_MAIN(TestDlgServer)
#include "tst_dlgserver.moc"
