#include "fixtures/SyntheticFleet.h"
#include "dialogs/server/DlgServer.h"
#include "model/Server.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "fixtures/RecordText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const char* const kOptionNames[] = {"cmbxColorDepth",  "cmbxGraphicsQuality", "cmbxAudioQuality",
                                    "cmbxRedirectAudio", "cmbxRedirectMic",    "cmbxLatency",
                                    "cmbxSecurity",      "cmbxWindowSize"};

QComboBox* combo(const QDialog& dialog, const char* name)
{
    return dialog.findChild<QComboBox*>(name);
}

QLineEdit* edit(const QDialog& dialog, const char* name)
{
    return dialog.findChild<QLineEdit*>(name);
}

QPushButton* button(const QDialog& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(name);
}

// "item|*default item|item" for one combo box; empty when it has no items.
QString describe(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << (i == box->currentIndex() ? "*" : "") + box->itemText(i);
    return items.join(u'|');
}

QString storedValues(const Server& s)
{
    return QStringLiteral("%1 cd=%2 gq=%3 aq=%4 ra=%5 rm=%6 lat=%7 sec=%8 ws=%9 idx=%10")
        .arg(s.rps_connection_type, s.rps_color_depth, s.rps_graphics_quality, s.rps_audio_quality,
             s.rps_redirect_audio, s.rps_redirect_mic, s.rps_latency, s.rps_security, s.rps_window_size)
        .arg(QStringList({QString::number(s.index_conxn_type), QString::number(s.index_color_depth),
                          QString::number(s.index_graphics_quality), QString::number(s.index_audio_quality),
                          QString::number(s.index_redirect_audio), QString::number(s.index_redirect_mic),
                          QString::number(s.index_latency), QString::number(s.index_security),
                          QString::number(s.index_window_size)})
                 .join(u','));
}

Server* makeServer(const QString& host, const QString& app)
{
    auto* server = new Server;
    server->server_id = "1" + host;
    server->display_name = "Name of " + host;
    server->rps_hostname_port = host;
    server->remote_app = app;
    SyntheticFleet::applyRdpDefaults(server);
    // Choices away from the defaults, so that restoring them is seen.
    server->index_color_depth = 2;
    server->index_redirect_audio = 1;
    server->index_security = 2;
    server->index_window_size = 1;
    server->rps_window_percentage = "64";
    server->xpos = 5;
    server->ypos = 6;
    server->width = 70;
    server->height = 80;
    return server;
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
    void initTestCase() { initZevResources(); }

    void init()
    {
        prompts = std::make_unique<FakePrompts>();
        servers = {makeServer("srv.example", "App"), makeServer("other", "")};
    }

    void cleanup()
    {
        QCOMPARE(prompts->unexpected, 0);
        qDeleteAll(servers);
        servers.clear();
        prompts.reset();
    }

    void valueMapping_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<QString>("comboName");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("RDP 8 bit") << 2 << "cmbxColorDepth" << 0 << "cd=8";
        QTest::newRow("RDP 16 bit") << 2 << "cmbxColorDepth" << 1 << "cd=16";
        QTest::newRow("RDP 24 bit") << 2 << "cmbxColorDepth" << 2 << "cd=24";
        QTest::newRow("RDP 32 bit") << 2 << "cmbxColorDepth" << 3 << "cd=32";
        QTest::newRow("Spice 32 bit") << 5 << "cmbxColorDepth" << 1 << "cd=32";
        QTest::newRow("LAN") << 2 << "cmbxLatency" << 0 << "lat=Low";
        QTest::newRow("WAN") << 2 << "cmbxLatency" << 1 << "lat=Medium";
        QTest::newRow("Internet") << 2 << "cmbxLatency" << 2 << "lat=High";
        QTest::newRow("full screen") << 2 << "cmbxWindowSize" << 0 << "ws=Fullscreen";
        QTest::newRow("percent") << 2 << "cmbxWindowSize" << 1 << "ws=Percentage";
        QTest::newRow("security") << 2 << "cmbxSecurity" << 2 << "sec=NLA";
    }

    void valueMapping()
    {
        QFETCH(int, protocol);
        QFETCH(QString, comboName);
        QFETCH(int, index);
        QFETCH(QString, expected);
        DlgServer dialog(nullptr, &bounds, &servers);
        combo(dialog, "cmbxConxType")->setCurrentIndex(protocol);
        combo(dialog, comboName.toLatin1())->setCurrentIndex(index);
        fillAndSave(dialog, "Name", "host.example");
        QCOMPARE(servers.size(), 3);
        QVERIFY2(storedValues(*servers.last()).contains(" " + expected + " "), qPrintable(storedValues(*servers.last())));
    }

    void setDefaults_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<bool>("optionsReset");
        for (int protocol = 0; protocol < 12; ++protocol)
            QTest::addRow("protocol %d", protocol) << protocol << (protocol != 8 && protocol != 9 && protocol != 11);
    }

    void setDefaults()
    {
        QFETCH(int, protocol);
        QFETCH(bool, optionsReset);
        DlgServer dialog(nullptr, &bounds, &servers);
        combo(dialog, "cmbxConxType")->setCurrentIndex(protocol);
        QStringList defaults;
        for (const char* name : kOptionNames)
            defaults << describe(combo(dialog, name));
        for (const char* name : kOptionNames) {
            QComboBox* box = combo(dialog, name);
            if (box->count() > 1)
                box->setCurrentIndex((box->currentIndex() + 1) % box->count());
        }
        QLineEdit* percentage = edit(dialog, "tbxWindowPercentage");
        if (combo(dialog, "cmbxWindowSize")->count() > 0) {
            combo(dialog, "cmbxWindowSize")->setCurrentIndex(1);
            QVERIFY(percentage->isEnabled());
            QCOMPARE(percentage->text(), QStringLiteral("80"));
            percentage->setText("55");
        }
        const QString tn3270Security = describe(combo(dialog, "cmbxSecurity"));

        button(dialog, "btnSetDefaults")->click();

        QStringList after;
        for (const char* name : kOptionNames)
            after << describe(combo(dialog, name));
        if (optionsReset)
            QCOMPARE(after, defaults);
        if (protocol == 9) {
            QCOMPARE(tn3270Security, QStringLiteral("Default|*SSL"));
            QCOMPARE(after[6], QStringLiteral("*Default|SSL"));
        }
        if (protocol != 11) {
            QCOMPARE(after[7], QStringLiteral("Full screen|Percent of screen|*Auto"));
            QCOMPARE(percentage->text(), QStringLiteral("55"));
        }
        QVERIFY(!percentage->isEnabled());

        fillAndSave(dialog, "Name", "host.example");
        if (protocol != 11)
            QCOMPARE(servers.last()->rps_window_percentage, QStringLiteral("55"));
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
        QTest::newRow("empty name") << "new" << "" << "h" << "" << 2 << "" << "information|Input validation|\nDisplay name cannot be empty" << false;
        QTest::newRow("blank name") << "new" << "  " << "h" << "" << 2 << "" << "" << true;
        QTest::newRow("empty host") << "new" << "N" << "" << "" << 2 << "" << "information|Input validation|\nServer hostname cannot be empty" << false;
        QTest::newRow("blank host") << "new" << "N" << "   " << "" << 2 << "" << "" << true;
        QTest::newRow("localhost") << "new" << "N" << "LocalHost" << "" << 2 << "" << local << false;
        QTest::newRow("loopback") << "new" << "N" << "127.0.0.1" << "" << 2 << "" << local << false;
        QTest::newRow("untrimmed localhost") << "new" << "N" << " localhost" << "" << 2 << "" << "" << true;
        QTest::newRow("exe removed") << "new" << "N" << "h" << "calc.EXE" << 2 << ""
                                     << "information|Filename extension not allowed|\n.exe extension has been removed from calc" << true;
        QTest::newRow("exe inside") << "new" << "N" << "h" << "my.exe.tool" << 2 << "" << "" << true;
        QTest::newRow("duplicate any case") << "new" << "N" << "SRV.example" << "app" << 2 << "" << dup << false;
        QTest::newRow("exe then duplicate") << "new" << "N" << "srv.example" << "App.exe" << 2 << ""
                                            << "information|Filename extension not allowed|\n.exe extension has been "
                                               "removed from App//" + dup
                                            << false;
        QTest::newRow("empty app differs") << "new" << "N" << "other" << "a" << 2 << "" << "" << true;
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

        std::unique_ptr<DlgServer> dialog;
        if (mode == "new")
            dialog = std::make_unique<DlgServer>(nullptr, &bounds, &servers);
        else
            dialog = std::make_unique<DlgServer>(nullptr, &bounds, &servers, servers[0], mode == "clone");
        QStringList signalsSeen;
        connect(dialog.get(), &DlgServer::onDataChanged, this, [&] { signalsSeen << "data"; });
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
        QCOMPARE(signalsSeen.size(), saved ? 1 : 0);
        QCOMPARE(servers.size(), (saved && mode != "edit") ? 3 : 2);
        QCOMPARE(servers[0]->display_name, (saved && mode == "edit") ? name : sourceName);
        if (box.contains("range"))
            QCOMPARE(edit(*dialog, "tbxWindowPercentage")->text(), QStringLiteral("000"));
        if (!box.isEmpty() && !saved) {
            QCOMPARE(edit(*dialog, "tbxDispName")->text(), name);
            QCOMPARE(edit(*dialog, "tbxHostname")->text(), host);
        }
        if (saved && app.endsWith(".EXE"))
            QCOMPARE(servers.last()->remote_app, QStringLiteral("calc"));
    }

    void modes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("savePlusNew");
        QTest::addColumn<QStringList>("signalOrder");
        QTest::newRow("new") << "new" << "Creating new server" << true << QStringList{"new", "data"};
        QTest::newRow("new at a point") << "point" << "Creating new server" << true << QStringList{"new", "data"};
        QTest::newRow("edit") << "edit" << "Edit server properties" << false << QStringList{"data"};
        QTest::newRow("clone") << "clone" << "Cloning server" << false << QStringList{"new", "data"};
    }

    void modes()
    {
        QFETCH(QString, mode);
        QFETCH(QString, title);
        QFETCH(bool, savePlusNew);
        QFETCH(QStringList, signalOrder);
        Server* source = servers[0];
        std::unique_ptr<DlgServer> dialog;
        if (mode == "new")
            dialog = std::make_unique<DlgServer>(nullptr, &bounds, &servers);
        else if (mode == "point")
            dialog = std::make_unique<DlgServer>(nullptr, &bounds, &servers, QPoint(100, 50));
        else
            dialog = std::make_unique<DlgServer>(nullptr, &bounds, &servers, source, mode == "clone");
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(button(*dialog, "btnSavePlusNew")->isEnabled(), savePlusNew);

        if (mode == "edit" || mode == "clone") {
            QCOMPARE(edit(*dialog, "tbxDispName")->text(), source->display_name);
            QCOMPARE(describe(combo(*dialog, "cmbxColorDepth")),
                     QStringLiteral("8 bit|High color (16 bit)|*True color (24 bit)|True color (32 bit)|Auto"));
            QCOMPARE(combo(*dialog, "cmbxSecurity")->currentText(), QStringLiteral("NLA"));
            QCOMPARE(edit(*dialog, "tbxWindowPercentage")->text(), QStringLiteral("64"));
            QVERIFY(edit(*dialog, "tbxWindowPercentage")->isEnabled());
            QCOMPARE(edit(*dialog, "tbxRemoteApp")->text(), QStringLiteral("App"));
        }

        QStringList order;
        Server* announced = nullptr;
        connect(dialog.get(), &DlgServer::onNewServer, this, [&](Server* s) {
            order << "new";
            announced = s;
        });
        connect(dialog.get(), &DlgServer::onDataChanged, this, [&] { order << "data"; });
        fillAndSave(*dialog, "Renamed", "fresh.example");
        QCOMPARE(order, signalOrder);

        if (mode == "edit") {
            QCOMPARE(servers.size(), 2);
            QCOMPARE(source->display_name, QStringLiteral("Renamed"));
            QCOMPARE(source->server_id, QStringLiteral("1srv.example"));
            QCOMPARE(QRect(source->xpos, source->ypos, source->width, source->height), QRect(5, 6, 70, 80));
            QCOMPARE(source->index_color_depth, 2);
            return;
        }
        QCOMPARE(servers.size(), 3);
        QCOMPARE(announced, servers.last());
        QVERIFY(!announced->server_id.isEmpty() && announced->server_id != source->server_id);
        QCOMPARE(source->display_name, QStringLiteral("Name of srv.example"));
        const QPoint expected = mode == "point" ? QPoint(60, 10) : QPoint(0, 0);
        QCOMPARE(QRect(announced->xpos, announced->ypos, announced->width, announced->height),
                 QRect(expected, QSize(75, 75)));
        if (mode == "clone")
            QCOMPARE(announced->index_color_depth, 2);
    }

    void savePlusNewLinesLabelsUp_data()
    {
        QTest::addColumn<QRect>("imageRect");
        QTest::addColumn<QList<QPoint>>("positions");
        QTest::newRow("wide") << QRect(0, 0, 1000, 700) << QList<QPoint>{{0, 0}, {77, 0}, {154, 0}};
        QTest::newRow("wraps") << QRect(0, 0, 200, 700) << QList<QPoint>{{0, 0}, {77, 0}, {0, 77}};
        QTest::newRow("offset rect") << QRect(100, 0, 230, 700) << QList<QPoint>{{0, 0}, {77, 0}, {0, 77}};
    }

    void savePlusNewLinesLabelsUp()
    {
        QFETCH(QRect, imageRect);
        QFETCH(QList<QPoint>, positions);
        bounds = imageRect;
        DlgServer dialog(nullptr, &bounds, &servers);
        combo(dialog, "cmbxConxType")->setCurrentIndex(3);
        edit(dialog, "tbxDispName")->setText("Row");
        for (int i = 0; i < positions.size(); ++i) {
            edit(dialog, "tbxHostname")->setText(QStringLiteral("host%1").arg(i));
            button(dialog, "btnSavePlusNew")->click();
            QCOMPARE(edit(dialog, "tbxHostname")->text(), QString());
            QCOMPARE(edit(dialog, "tbxDispName")->text(), QStringLiteral("Row"));
        }
        QCOMPARE(servers.size(), 2 + positions.size());
        QSet<QString> ids;
        for (int i = 0; i < positions.size(); ++i) {
            const Server* s = servers[2 + i];
            QCOMPARE(QPoint(s->xpos, s->ypos), positions[i]);
            ids.insert(s->server_id);
        }
        QCOMPARE(ids.size(), positions.size());
        bounds = QRect(0, 0, 1000, 700);
    }

    void savePlusNewEmptiesTheRemoteAppOutsideRdp()
    {
        DlgServer dialog(nullptr, &bounds, &servers);
        edit(dialog, "tbxHostname")->setText("localhost");
        combo(dialog, "cmbxConxType")->setCurrentIndex(2);
        edit(dialog, "tbxDispName")->setText("N");
        edit(dialog, "tbxRemoteApp")->setText("app");
        button(dialog, "btnSavePlusNew")->click();
        QCOMPARE(edit(dialog, "tbxRemoteApp")->text(), QStringLiteral("app"));

        edit(dialog, "tbxHostname")->setText("vnc-host");
        combo(dialog, "cmbxConxType")->setCurrentIndex(3);
        button(dialog, "btnSavePlusNew")->click();
        QCOMPARE(servers.size(), 4);
        QVERIFY(edit(dialog, "tbxRemoteApp")->text().isEmpty());
    }

    void localHostRule_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("local");
        QTest::newRow("LocalHost with blanks") << " LocalHost " << true;
        QTest::newRow("loopback") << "127.0.0.1" << true;
        QTest::newRow("other") << "localhost2" << false;
        QTest::newRow("blank") << "  " << false;
    }

    void localHostRule()
    {
        QFETCH(QString, host);
        QFETCH(bool, local);
        DlgServer dialog(nullptr, &bounds, &servers);
        combo(dialog, "cmbxConxType")->setCurrentIndex(3);
        QVERIFY(!edit(dialog, "tbxRemoteApp")->isEnabled());
        edit(dialog, "tbxHostname")->setText(host);

        for (const char* name : {"cmbxConxType", "cmbxColorDepth", "cmbxGraphicsQuality", "cmbxAudioQuality",
                                 "cmbxRedirectAudio", "cmbxRedirectMic", "cmbxLatency", "cmbxSecurity"})
            QCOMPARE(combo(dialog, name)->isEnabled(), !local);
        QVERIFY(combo(dialog, "cmbxWindowSize")->isEnabled());
        QVERIFY(button(dialog, "btnSetDefaults")->isEnabled());
        QCOMPARE(edit(dialog, "tbxRemoteApp")->isEnabled(), local);

        edit(dialog, "tbxHostname")->setText("remote.example");
        QVERIFY(combo(dialog, "cmbxConxType")->isEnabled());
        QVERIFY(!edit(dialog, "tbxRemoteApp")->isEnabled());
    }

    // A server saved by the dialog, opened again and saved unchanged, stays exactly as it was.
    void reopenedServerSavesUnchanged_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("app");
        QTest::newRow("local host, VNC") << 3 << "localhost" << "calc";
        QTest::newRow("loopback, Web") << 7 << " 127.0.0.1" << "browser";
        QTest::newRow("RDP with application") << 2 << "rdp.example" << "word";
        QTest::newRow("VNC") << 3 << "vnc.example" << "";
    }

    void reopenedServerSavesUnchanged()
    {
        QFETCH(int, protocol);
        QFETCH(QString, host);
        QFETCH(QString, app);
        DlgServer create(nullptr, &bounds, &servers);
        combo(create, "cmbxConxType")->setCurrentIndex(protocol);
        combo(create, "cmbxColorDepth")->setCurrentIndex(0);
        edit(create, "tbxHostname")->setText(host);
        edit(create, "tbxRemoteApp")->setText(app);
        edit(create, "tbxDispName")->setText("Name");
        button(create, "btnSave")->click();
        QCOMPARE(servers.size(), 3);
        Server* saved = servers.last();
        QCOMPARE(saved->remote_app, app);
        const QStringList before = fieldsOf(*saved);

        DlgServer reopened(nullptr, &bounds, &servers, saved, false);
        QCOMPARE(edit(reopened, "tbxRemoteApp")->text(), app);
        QCOMPARE(edit(reopened, "tbxRemoteApp")->isEnabled(), !app.isEmpty());
        button(reopened, "btnSave")->click();
        QVERIFY(prompts->calls.isEmpty());
        QCOMPARE(fieldsOf(*saved), before);
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
        QVERIFY(dialog.isVisible());
        QCOMPARE(combo(dialog, "cmbxColorDepth")->currentText(), QStringLiteral("True color (32 bit)"));
        QCOMPARE(servers.size(), 2);
        QVERIFY(prompts->calls.isEmpty());
    }

    void switchingProtocolsEmptiesTheRemoteApp()
    {
        DlgServer dialog(nullptr, &bounds, &servers);
        edit(dialog, "tbxRemoteApp")->setText("word");
        combo(dialog, "cmbxConxType")->setCurrentIndex(3);
        QCOMPARE(edit(dialog, "tbxRemoteApp")->text(), QString());
        combo(dialog, "cmbxConxType")->setCurrentIndex(2);
        QCOMPARE(edit(dialog, "tbxRemoteApp")->text(), QString());
        QVERIFY(edit(dialog, "tbxRemoteApp")->isEnabled());
    }

    void editingANonRdpServerKeepsItsOptions()
    {
        Server* vnc = servers[1];
        vnc->rps_connection_type = "vnc";
        vnc->index_conxn_type = 3;
        vnc->index_security = 1;
        vnc->index_window_size = 0;
        DlgServer dialog(nullptr, &bounds, &servers, vnc, false);
        QCOMPARE(combo(dialog, "cmbxConxType")->currentText(), QStringLiteral("VNC"));
        QCOMPARE(describe(combo(dialog, "cmbxSecurity")), QStringLiteral("Default|*SSL"));
        QCOMPARE(describe(combo(dialog, "cmbxAudioQuality")), QString());
        QVERIFY(!edit(dialog, "tbxWindowPercentage")->isEnabled());
        button(dialog, "btnSave")->click();
        QCOMPARE(vnc->rps_connection_type, QStringLiteral("vnc"));
        QCOMPARE(vnc->rps_security, QStringLiteral("SSL"));
        QCOMPARE(vnc->rps_window_size, QStringLiteral("Fullscreen"));
    }
};

QTEST_MAIN(TestDlgServer)
#include "tst_dlgserver.moc"
