// The record dialogs and the two table dialogs, worked as a user works them.
#include "dialogs/ConflictDialog.h"
#include "dialogs/server/DlgServer.h"
#include "dialogs/thinclient/AssignmentModel.h"
#include "dialogs/thinclient/DlgAssignServers.h"
#include "dialogs/thinclient/DlgEditThinClient.h"
#include "dialogs/thinclient/DlgThinClient.h"
#include "fixtures/RecordText.h"
#include "model/ClientConfigFile.h"
#include "prompts/AccessibleText.h"
#include "prompts/Announcer.h"
#include "prompts/TextFieldFocus.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "support/InLanguage.h"
#include "support/SampleRecords.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

template <typename T = QLineEdit>
T* child(const QObject& dialog, const char* name)
{
    return dialog.findChild<T*>(name);
}

// The option combo boxes and the names the protocol file gives them.
const std::pair<const char*, const char*> kOptions[] = {
    {"cmbxColorDepth", "Color depth"},     {"cmbxGraphicsQuality", "Graphics quality"}, {"cmbxAudioQuality", "Audio quality"},
    {"cmbxRedirectAudio", "Redirect audio"}, {"cmbxRedirectMic", "Redirect mic"},     {"cmbxLatency", "Latency"},
    {"cmbxSecurity", "Security"},          {"cmbxWindowSize", "Window size"}};

// The dialog's options as the protocol file writes them.
QStringList shownOptions(const DlgServer& dialog)
{
    QStringList lines{QStringLiteral("remote application: ") +
                      (child(dialog, "tbxRemoteApp")->isEnabled() ? "enabled" : "disabled") +
                      (child<QComboBox>(dialog, "cmbxConxType")->isEnabled() ? "" : ", protocol fixed")};
    for (const auto& [name, label] : kOptions) {
        const auto* box = child<QComboBox>(dialog, name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << (i == box->currentIndex() ? "*" : "") + box->itemText(i);
        lines << QStringLiteral("%1%2: %3").arg(label, box->isEnabled() ? "" : " (fixed)", items.isEmpty() ? "-" : items.join(" | "));
    }
    return lines;
}

// A saved server's option values and indexes, as the protocol file writes them.
QStringList storedOptions(const Server& s)
{
    const auto values = [fields = fieldsOf(s)](const char* keys) {
        return fields.filter(QRegularExpression(keys)).replaceInStrings(QRegularExpression("^[^=]*="), QString());
    };
    return {"stored: " + values("^rps_(?!hostname|window_p)").join(", "), "indexes: " + values("^index_").join(u' ')};
}

// Clicks the check box of a cell (or the middle of a text cell) as a user would.
void clickCell(QAbstractItemView* view, int row, int col, Qt::KeyboardModifiers modifiers)
{
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(view->model()->index(row, col));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, col < 2 ? option.rect.center() : box.center());
}

// "1" checked, "0" not, per check-box cell from the third column on; rows separated by "/".
QString checks(const QAbstractItemModel* model)
{
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QString row;
        for (int c = 2; c < model->columnCount(); ++c)
            row += model->index(r, c).data(Qt::CheckStateRole).toInt() == Qt::Checked ? '1' : '0';
        rows << row;
    }
    return rows.join(u'/');
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePrompts> prompts;
    QRect bounds{0, 0, 1000, 700};
    QList<Server*> servers;
    QList<ThinClient*> clients;

    QString devices() const
    {
        QStringList rows;
        for (const ThinClient* c : clients)
            rows << c->serial_number + "=" + c->desc + "@" + c->server_ids.join(',');
        return rows.join(u';');
    }

    // The list editor or the assignment grid, shown.
    std::unique_ptr<QDialog> tableDialog(bool editor)
    {
        std::unique_ptr<QDialog> dialog(editor ? static_cast<QDialog*>(new DlgEditThinClient(nullptr, &clients, &servers))
                                               : new DlgAssignServers(nullptr, &servers, &clients));
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("the table dialog did not become active");
        return dialog;
    }

private slots:
    void initTestCase() { initGuiTest(); }

    void init()
    {
        prompts = std::make_unique<FakePrompts>();
        servers = {sampleServer(), SyntheticFleet::rdpServer("s2", "", "other", "", {}),
                   SyntheticFleet::rdpServer("s3", "", "third", "x", {})};
        servers[0]->rps_hostname_port = "srv.example";
        servers[0]->remote_app = "App";
        servers[0]->index_color_depth = 2; // choices away from the defaults, so that loading them is seen
        servers[0]->index_security = 2;
        servers[0]->rps_window_percentage = "64";
        servers[0]->server_id = "s1";
        clients = {new ThinClient("first", "XAB1"), new ThinClient("second", "YAB2"), new ThinClient("third", "Z3"),
                   new ThinClient("sharp s", "SS"), new ThinClient("dotless i", "I")};
        clients[0]->server_ids = QStringList{"s1", "S2", "gone"};
        clients[1]->server_ids = QStringList{"s3", "s1"};
    }

    void cleanup()
    {
        QCOMPARE(prompts->unexpected, 0);
        prompts.reset();
        qDeleteAll(servers); // init() fills both lists anew
        qDeleteAll(clients);
    }

    // Each protocol's lists, defaults and stored values, against the file written
    // from the protocol tables; in German, the lists read in German and store the same.
    void protocolTables_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        const QString all = QString::fromUtf8(readTestFile(ZEV_TEST_DATA "/protocols.txt"));
        for (const QString& block : all.split(QStringLiteral("\nprotocol ")).mid(1)) {
            const QStringList lines = block.trimmed().split(u'\n');
            for (const QString language : {"en", "de"})
                QTest::addRow("%s, %s", qPrintable(lines[0]), qPrintable(language)) << lines[0] << language << lines.mid(1);
        }
    }

    void protocolTables()
    {
        QFETCH(QString, tag); // "<protocol>[ at <host>]"
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        const InLanguage speaking(language);
        QVERIFY(speaking.isLoaded());
        const QString host = tag.contains(" at ") ? tag.section(" at ", 1) : "host.example";
        DlgServer dialog(nullptr, &bounds, &servers);
        auto* protocol = child<QComboBox>(dialog, "cmbxConxType");
        child(dialog, "tbxRemoteApp")->setText("app");
        protocol->setCurrentIndex(protocol->findText(tag.section(" at ", 0, 0)));
        child(dialog, "tbxHostname")->setText("localhost"); // first: what it fixes, the real host must free again
        child(dialog, "tbxHostname")->setText(host);
        if (child(dialog, "tbxRemoteApp")->isEnabled())
            child(dialog, "tbxRemoteApp")->setText("app");
        QStringList shown = shownOptions(dialog);
        for (const auto& [name, label] : kOptions)
            child<QComboBox>(dialog, name)->setCurrentIndex(0);
        child<QPushButton>(dialog, "btnSetDefaults")->click();
        QCOMPARE(shownOptions(dialog), shown);
        child(dialog, "tbxDispName")->setText("Name");
        child<QPushButton>(dialog, "btnSave")->click();
        const QStringList stored = storedOptions(*servers.last());
        QCOMPARE(stored, expected.mid(expected.size() - stored.size()));
        if (language == "en")
            QCOMPARE(shown + stored, expected);
        else if (tag != "Authentic8")
            QVERIFY(shown != expected.mid(0, shown.size()));
        QCOMPARE(servers.last()->remote_app, shown[0].contains("enabled") ? "app" : "");
        DlgServer reopened(nullptr, &bounds, &servers, servers.last(), false);
        QCOMPARE(shownOptions(reopened) << child(reopened, "tbxRemoteApp")->text(), shown << servers.last()->remote_app);
    }

    // In each language every label and button of the record dialogs shows its
    // whole text inside the dialog, and no two buttons overlap.
    void recordDialogsFitTheirTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("server");
        for (const char* language : {"en", "de", "fr"}) {
            QTest::addRow("server dialog, %s", language) << language << true;
            QTest::addRow("thinclient dialog, %s", language) << language << false;
        }
    }
    void recordDialogsFitTheirTexts()
    {
        QFETCH(QString, language);
        QFETCH(bool, server);
        const InLanguage speaking(language);
        QVERIFY(speaking.isLoaded());
        std::unique_ptr<QDialog> dialog(server ? static_cast<QDialog*>(new DlgServer(nullptr, &bounds, &servers))
                                               : new DlgThinClient(nullptr, &clients));
        QList<QWidget*> texts;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            texts << label;
        QList<QRect> buttons;
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            texts << button;
            for (const QRect& other : std::as_const(buttons))
                QVERIFY2(!other.intersects(button->geometry()), qPrintable(button->text()));
            buttons << button->geometry();
        }
        for (QWidget* widget : std::as_const(texts)) {
            const QRect inDialog(widget->mapTo(dialog.get(), QPoint(0, 0)), widget->size());
            QVERIFY2(widget->width() >= widget->sizeHint().width() && dialog->rect().contains(inDialog),
                     qPrintable(widget->objectName()));
        }
    }

    // What the record dialogs refuse, the boxes they show, and what they save: the
    // server dialog in each mode (fields: name|host|application[|window size
    // index|percentage]) and the device dialog (description|serial number, saved
    // upper-cased); a last field "Return" presses Return in the field, "Return on
    // Save" on the Save button, instead of clicking it. A new or
    // cloned server is announced before the change, with a label at (0, 0) or 40
    // up and left of a click; an edited one keeps its place.
    void recordValidation_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("boxes"); // the titles of the boxes shown
        QTest::addColumn<QString>("saved"); // the saved remote application or serial number; null when refused
        const QString validation = "Input validation";
        const QString taken = "Input Validation";
        QTest::newRow("empty name") << "new" << "|h||2|" << validation << QString();
        QTest::newRow("blank name and host") << "new" << "  |   ||2|" << "" << "";
        QTest::newRow("empty host") << "new" << "N|||2|" << validation << QString();
        QTest::newRow("localhost") << "new" << "N|LocalHost||2|" << validation << QString();
        QTest::newRow("loopback") << "new" << "N|127.0.0.1||2|" << validation << QString();
        QTest::newRow("untrimmed localhost") << "new" << "N| localhost||2|" << "" << "";
        QTest::newRow("exe removed") << "new" << "N|h|calc.EXE|2|" << "Filename extension not allowed" << "calc";
        QTest::newRow("exe inside") << "new" << "N|h|my.exe.tool|2|" << "" << "my.exe.tool";
        QTest::newRow("duplicate any case") << "new" << "N|SRV.example|app|2|" << taken << QString();
        QTest::newRow("exe then duplicate") << "new" << "N|srv.example|App.exe|2|" << "Filename extension not allowed/" + taken
                                            << QString();
        QTest::newRow("empty app differs") << "new" << "N|srv.example||2|" << "" << "";
        QTest::newRow("both apps empty") << "new" << "N|other||2|" << taken << QString();
        QTest::newRow("edit unchanged") << "edit" << "N|srv.example|App" << "" << "App";
        QTest::newRow("clone unchanged") << "clone" << "N|srv.example|App" << taken << QString();
        QTest::newRow("clone changed") << "clone" << "N|srv2.example|App" << "" << "App";
        QTest::newRow("percent 0") << "new" << "N|h||1|0" << "Invalid percentage" << QString();
        QTest::newRow("percent 101") << "new" << "N|h||1|101" << "Invalid percentage" << QString();
        QTest::newRow("percent 1") << "new" << "N|h||1|1" << "" << "";
        QTest::newRow("percent 100") << "new" << "N|h||1|100" << "" << "";
        QTest::newRow("percent unchecked when not chosen") << "new" << "N|h||0|0" << "" << "";
        QTest::newRow("device upper-cased") << "device" << "Lab 3|ab12" << "" << "AB12";
        QTest::newRow("device of blanks") << "device" << "  | " << "" << " ";
        QTest::newRow("Return in the serial number") << "device" << "Lab 4|cd5|Return" << "" << "CD5";
        QTest::newRow("Return in the host name") << "new" << "N|h|a|2||Return" << "" << QString();
        QTest::newRow("Return on the Save button") << "new" << "N|h|a|2||Return on Save" << "" << "a";
        QTest::newRow("device without description") << "device" << "|ab12" << taken << QString();
        QTest::newRow("device without serial") << "device" << "d|" << taken << QString();
        QTest::newRow("serial taken in other case") << "device" << "d|xAb1" << taken << QString();
        QTest::newRow("sharp s names the file of SS") << "device" << QString::fromUtf8("d|\xC3\x9F") << taken << QString();
        QTest::newRow("dotless i names the file of I") << "device" << QString::fromUtf8("d|\xC4\xB1") << taken << QString();
        QTest::newRow("slash") << "device" << "d|../x" << taken << QString();
    }

    void recordValidation()
    {
        QFETCH(QString, mode);
        QFETCH(QString, fields);
        QFETCH(QString, boxes);
        QFETCH(QString, saved);
        const QStringList f = fields.split(u'|');
        std::unique_ptr<QDialog> dialog;
        DlgServer* server = nullptr;
        if (mode == "device") {
            dialog = std::make_unique<DlgThinClient>(nullptr, &clients);
            child(*dialog, "tbxDesc")->setText(f[0]);
            child(*dialog, "tbxSerialNumber")->setText(f[1]);
        } else {
            server = mode == "new" ? new DlgServer(nullptr, &bounds, &servers)
                                   : new DlgServer(nullptr, &bounds, &servers, servers[0], mode == "clone");
            dialog.reset(server);
            child(*dialog, "tbxDispName")->setText(f[0]);
            child(*dialog, "tbxHostname")->setText(f[1]);
            child(*dialog, "tbxRemoteApp")->setText(f[2]);
            if (f.size() > 3) { // else the window size and percentage stay as loaded
                child<QComboBox>(*dialog, "cmbxWindowSize")->setCurrentIndex(f[3].toInt());
                QCOMPARE(child(*dialog, "tbxWindowPercentage")->isEnabled(), f[3] == "1"); // "Percent of screen"
                child(*dialog, "tbxWindowPercentage")->setText(f[4]);
            }
        }
        QSignalSpy changed(dialog.get(), SIGNAL(onDataChanged()));
        qsizetype changesBeforeNewServer = -1;
        if (server)
            connect(server, &DlgServer::onNewServer, this, [&] { changesBeforeNewServer = changed.size(); });
        if (f.last() == "Return") { // in the last field: the device dialog saves, the server dialog presses no button
            dialog->show();
            QTest::keyClick(child(*dialog, mode == "device" ? "tbxSerialNumber" : "tbxHostname"), Qt::Key_Return);
        } else if (f.last() == "Return on Save") { // a button with the keyboard is pressed by Return as by Space
            dialog->show();
            QTest::keyClick(child<QPushButton>(*dialog, "btnSave"), Qt::Key_Return);
        } else {
            child<QPushButton>(*dialog, "btnSave")->click();
        }
        QCOMPARE(prompts->shown.join(u'/'), boxes);
        if (boxes.contains("percentage"))
            QCOMPARE(child(*dialog, "tbxWindowPercentage")->text(), QStringLiteral("000"));
        QCOMPARE(changed.size(), saved.isNull() ? 0 : 1);
        QCOMPARE(servers.size() + clients.size(), saved.isNull() || mode == "edit" ? 8 : 9);
        if (!saved.isNull())
            QCOMPARE(mode == "device" ? clients.last()->serial_number : servers[mode == "edit" ? 0 : 3]->remote_app, saved);
        if (mode == "edit")
            QVERIFY(servers[0]->display_name == "N" && servers[0]->rps_window_percentage == "64");
        if (saved.isNull() || mode == "device")
            return;
        const Server* record = servers[mode == "edit" ? 0 : 3];
        const QPoint place = mode == "edit" ? QPoint(10, 20) : QPoint(); // at a click: the window's undo table
        QCOMPARE(QRect(record->xpos, record->ypos, record->width, record->height), QRect(place, QSize(75, 75)));
        QCOMPARE(changesBeforeNewServer, mode == "edit" ? -1 : 0);
        QCOMPARE(record->server_id == "s1", mode == "edit");
    }

    // Save + New empties only the host and places the next label 77 pixels on, wrapping at the picture's edge.
    void savePlusNewLinesLabelsUp()
    {
        bounds = QRect(100, 0, 230, 700);
        DlgServer dialog(nullptr, &bounds, &servers);
        child(dialog, "tbxDispName")->setText("Row");
        QStringList placed;
        for (const char* host : {"a", "b", "c"}) {
            child(dialog, "tbxHostname")->setText(host);
            child<QPushButton>(dialog, "btnSavePlusNew")->click();
            QVERIFY(child(dialog, "tbxHostname")->text().isEmpty() && child(dialog, "tbxDispName")->text() == "Row");
            placed << QStringLiteral("%1,%2").arg(servers.last()->xpos).arg(servers.last()->ypos);
        }
        QCOMPARE(placed.join(u' '), QStringLiteral("0,0 77,0 0,77"));
    }

    // A row of boxes wider than one machine word: each box keeps its own state,
    // OK takes them in server order, and boxes set back as they were are no change.
    void assignmentPastSixtyFourServers()
    {
        QObject owner;
        QList<Server*> many;
        for (int i = 0; i < 130; ++i) {
            many << new Server(&owner);
            many.last()->server_id = QString::number(i);
        }
        ThinClient first(QStringLiteral("first"), QStringLiteral("A1"));
        ThinClient second(QStringLiteral("second"), QStringLiteral("B2"));
        first.server_ids = QStringList{"129", "64", "63", "0"};
        const QList<ThinClient*> devices{&first, &second};
        AssignmentModel model(many, devices);
        const auto box = [&model](int row, int server) { return model.index(row, AssignmentModel::kFirstServerColumn + server); };
        QCOMPARE(model.checkedServerIds(0), QStringList({"0", "63", "64", "129"}));
        QVERIFY(model.setData(box(0, 64), Qt::Unchecked, Qt::CheckStateRole));
        model.fillRow(1, Qt::Checked);
        QCOMPARE(model.checkedServerIds(0), QStringList({"0", "63", "129"}));
        QCOMPARE(model.checkedServerIds(1).size(), 130);
        QCOMPARE(model.checkState(1, AssignmentModel::kFirstServerColumn + 127), int(Qt::Checked));
        QVERIFY(model.differsFromStart());
        model.setData(box(0, 64), Qt::Checked, Qt::CheckStateRole);
        model.fillRow(1, Qt::Unchecked);
        QVERIFY(!model.differsFromStart());
    }

    // The first device is assigned "S2": in the grid, the server "s2" (ids match in any case).
    // Modifier clicks copy the clicked box's state: in the grid Shift the row,
    // Control the column, both the grid; in the editor Control the column. With
    // "Show matching only" ticked, only over the rows shown. Space with the same
    // modifiers does the same from the keyboard.
    void modifierClicks_data()
    {
        QTest::addColumn<QString>("filter"); // a search text shown matching only, or empty
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QPoint>("cell"); // column, row
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("after");
        const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
        const auto control = Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("plain toggles one") << "" << false << QPoint(3, 2) << Qt::KeyboardModifiers() << "110/101/010/000/000";
        QTest::newRow("plain on text") << "" << false << QPoint(0, 2) << Qt::KeyboardModifiers() << "110/101/000/000/000";
        QTest::newRow("Shift row") << "" << false << QPoint(3, 2) << shift << "110/101/111/000/000";
        QTest::newRow("Shift on text clears the row") << "" << false << QPoint(0, 1) << shift << "110/000/000/000/000";
        QTest::newRow("Control column") << "" << false << QPoint(3, 2) << control << "110/111/010/010/010";
        QTest::newRow("Control clears column") << "" << false << QPoint(2, 2) << control << "110/101/100/100/100";
        QTest::newRow("Control+Shift grid") << "" << false << QPoint(4, 2) << (control | shift) << "111/111/111/111/111";
        QTest::newRow("editor: plain") << "" << true << QPoint(2, 1) << Qt::KeyboardModifiers() << "0/1/0/0/0";
        QTest::newRow("editor: Control column") << "" << true << QPoint(2, 1) << control << "1/1/1/1/1";
        QTest::newRow("editor: Shift plays no part") << "" << true << QPoint(2, 1) << shift << "0/1/0/0/0";
        QTest::newRow("editor: Control on text") << "" << true << QPoint(1, 1) << control << "0/0/0/0/0";
        QTest::newRow("Control column, shown only") << "ab" << false << QPoint(3, 1) << control << "110/111/000/000/000";
        QTest::newRow("Control+Shift, shown only") << "ab" << false << QPoint(4, 0) << (control | shift) << "111/111/000/000/000";
        QTest::newRow("editor: Control, shown only") << "ab" << true << QPoint(2, 1) << control << "1/1/0/0/0";
        // The same from the keyboard: Space with the modifiers on the current cell.
        QTest::newRow("keys: Shift+Space row") << "" << false << QPoint(3, 2) << shift << "110/101/111/000/000";
        QTest::newRow("keys: Control+Space column") << "" << false << QPoint(3, 2) << control << "110/111/010/010/010";
        QTest::newRow("keys: Control+Shift+Space grid") << "" << false << QPoint(4, 2) << (control | shift) << "111/111/111/111/111";
        QTest::newRow("keys: editor, Control+Space column") << "" << true << QPoint(2, 1) << control << "1/1/1/1/1";
        QTest::newRow("shown only, as the file name makes it") << "ß" << false << QPoint(3, 3) << control
                                                               << "110/101/000/010/010"; // "dotless i" holds "SS" too
    }

    void modifierClicks()
    {
        QFETCH(QString, filter);
        QFETCH(bool, editor);
        QFETCH(QPoint, cell);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, after);
        const auto dialog = tableDialog(editor);
        auto* view = dialog->findChild<QTableView*>();
        QSignalSpy changed(dialog.get(), SIGNAL(onDataChanged()));
        view->setCurrentIndex(view->model()->index(2, 0)); // a device the filter hides
        child(*dialog, "tbxSearch")->setText(filter);
        child<QCheckBox>(*dialog, "chkMatchingOnly")->setChecked(!filter.isEmpty());
        QCOMPARE(view->isRowHidden(2), !filter.isEmpty());
        if (editor) // "Show file" never shows a hidden device
            QCOMPARE(child<QPushButton>(*dialog, "btnShowFile")->isEnabled(), filter.isEmpty());
        if (QString(QTest::currentDataTag()).startsWith("keys")) {
            view->setCurrentIndex(view->model()->index(cell.y(), cell.x()));
            QTest::keyClick(view, Qt::Key_Space, modifiers);
            dialog->show(); // and Tab leaves the table, so that OK can be reached
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
            view->setFocus();
            QTest::keyClick(view, Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != view);
        } else {
            clickCell(view, cell.y(), cell.x(), modifiers);
        }
        QCOMPARE(checks(view->model()), after);
        if (cell.x() < 2 && modifiers & Qt::ControlModifier)
            QCOMPARE(view->model()->index(3, cell.x()).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        if (editor)
            return;
        // Changed is what differs from the start: a box set as it was is no change.
        QCOMPARE(static_cast<const AssignmentModel*>(view->model())->differsFromStart(), after != "110/101/000/000/000");
        // What a screen reader says of a box: the device, the server, and whether it is assigned.
        const QModelIndex box = view->model()->index(0, 2);
        QCOMPARE(box.data(Qt::AccessibleTextRole).toString(),
                 view->model()->index(0, 0).data().toString() + " – " +
                     view->model()->headerData(2, Qt::Horizontal).toString() +
                     (box.data(Qt::CheckStateRole).toInt() == Qt::Checked ? ": assigned" : ": not assigned"));
        dialog->accept(); // a click on any cell, even a text cell, is a change
        QCOMPARE(changed.size(), 1);
    }

    // Space ticks a box, Return in the search field finds the next match (and
    // nothing else), and the editor's "Show file" shows the file of the device
    // found. OK writes the table and tells the window; in the editor an empty
    // description refuses, and marked devices are confirmed and go.
    void keyboardAndOk_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<int>("spaceRow");
        QTest::addColumn<QString>("descriptions"); // the first two devices' in the editor, or empty
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("titles");
        QTest::addColumn<QString>("after"); // the devices, or "open", "Escape", "Escape, kept" or "Cancel" with nothing changed
        QTest::newRow("assignment grid") << false << 2 << "" << "" << ""
                                         << "XAB1=first@s1,s2;YAB2=second@s1,s3;Z3=third@s2;SS=sharp s@;I=dotless i@";
        // With changes, Escape (as Cancel and the title bar) asks before throwing them away.
        QTest::newRow("assignment grid, Escape") << false << 2 << "" << "Yes" << "Discard changes" << "Escape";
        QTest::newRow("assignment grid, Escape, No") << false << 2 << "" << "No" << "Discard changes" << "Escape, kept";
        QTest::newRow("list editor, Escape") << true << 2 << "" << "Yes" << "Discard changes" << "Escape";
        QTest::newRow("assignment grid, Cancel") << false << 2 << "" << "Yes" << "Discard changes" << "Cancel";
        QTest::newRow("list editor") << true << 2 << "" << "Yes" << "Confirm deletion"
                                     << "XAB1=first@s1,S2,gone;YAB2=second@s3,s1;SS=sharp s@;I=dotless i@";
        QTest::newRow("list editor, No keeps the marks") << true << 2 << "" << "No" << "Confirm deletion" << "open";
        QTest::newRow("empty description") << true << 2 << "one|" << "" << "Validating input" << "open";
        QTest::newRow("empty but marked") << true << 1 << "one|" << "Yes" << "Confirm deletion"
                                          << "XAB1=one@s1,S2,gone;Z3=third@;SS=sharp s@;I=dotless i@";
    }

    void keyboardAndOk()
    {
        QFETCH(bool, editor);
        QFETCH(int, spaceRow);
        QFETCH(QString, descriptions);
        QFETCH(QString, answer);
        QFETCH(QString, titles);
        QFETCH(QString, after);
        const QString before = devices();
        const auto dialog = tableDialog(editor);
        auto* view = dialog->findChild<QTableView*>();
        auto* showFile = child<QPushButton>(*dialog, "btnShowFile");
        QSignalSpy changed(dialog.get(), SIGNAL(onDataChanged()));
        for (int row = 0; !descriptions.isEmpty() && row < 2; ++row)
            view->model()->setData(view->model()->index(row, 1), descriptions.section(u'|', row, row));
        view->setFocus();
        view->setCurrentIndex(view->model()->index(spaceRow, editor ? 2 : 3));
        QTest::keyClick(view, Qt::Key_Space);
        // A screen reader hears what the box now is.
        QCOMPARE(Announcer::lastSaid(view), editor ? "Delete device: ticked" : QString("Z3 – : assigned"));
        auto* search = child(*dialog, "tbxSearch");
        search->setFocus();
        QStringList seen;
        for (const char* text : {"AB", "ab", "ab", "nowhere", "THIR", ""}) {
            search->setText(text);
            QTest::keyClick(search, seen.size() % 2 ? Qt::Key_Enter : Qt::Key_Return);
            const QModelIndexList selected = view->selectionModel()->selectedIndexes();
            seen << (selected.size() == 1 ? selected[0].data().toString() : "?");
        }
        QCOMPARE(seen, QStringList({"XAB1", "YAB2", "XAB1", "XAB1", "third", "third"}));
        if (showFile) { // the file of the device found, as the next save will write it; Copy copies it
            QString shown;
            QString copied;
            QTimer::singleShot(0, this, [&] {
                QWidget* view = QApplication::activeModalWidget();
                view->findChild<QPushButton*>("btnCopy")->click();
                shown = view->windowTitle() + u'\n' + view->findChild<QPlainTextEdit*>()->toPlainText();
                copied = QGuiApplication::clipboard()->text();
                view->close();
            });
            showFile->click();
            QCOMPARE(shown, "Z3.conf\n" + QString::fromUtf8(ClientConfigFile::serialize(*clients[2], servers)));
            QCOMPARE("Z3.conf\n" + copied, shown);
        }
        QVERIFY(dialog->isVisible());
        if (!answer.isEmpty())
            prompts->answers << (answer == "Yes" ? QMessageBox::Yes : QMessageBox::No);
        if (after.startsWith("Escape"))
            QTest::keyClick(view, Qt::Key_Escape);
        else
            dialog->findChild<QDialogButtonBox*>()->button(after == "Cancel" ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)->click();
        QCOMPARE(prompts->shown.join(u'/'), titles);
        if (titles == "Confirm deletion") // how many go, hidden rows included
            QCOMPARE(prompts->questions.last().section(u'\n', 0, 0), "1 thinclient will be deleted.");
        QCOMPARE(dialog->isVisible(), after == "open" || after.endsWith("kept"));
        QCOMPARE(changed.size(), after.contains(u'=') ? 1 : 0);
        QCOMPARE(devices(), after.contains(u'=') ? after : before);
    }

    // A field reached with Tab tells the screen reader before itself; keys typed
    // at once still replace its text, as without a screen reader.
    void typingRightAfterTab()
    {
        sayTextFieldsOnFocus(*qApp);
        QWidget form;
        auto* first = new QLineEdit(&form);
        auto* serial = new QLineEdit("SERIAL-OLD", &form);
        auto* layout = new QVBoxLayout(&form);
        layout->addWidget(first);
        layout->addWidget(serial);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Tab);
        QTest::keyClicks(serial, "AB"); // before the held focus event is handled
        QCoreApplication::processEvents();
        QTest::keyClicks(serial, "C123");
        QCOMPARE(serial->text(), "ABC123");
    }

    // What a screen reader reads of a text, piece by piece (Qt 6.4's own reading
    // froze on some words): "Terminal farm 2" is read at, before (-1) or after (+1) an offset.
    void readingPieces_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("piece"); // "-" when there is none
        QTest::addColumn<int>("start");
        const int word = QAccessible::WordBoundary;
        QTest::newRow("word at its start") << 0 << word << 0 << "Terminal" << 0;
        QTest::newRow("word at its middle") << 5 << word << 0 << "Terminal" << 0;
        QTest::newRow("next word") << 9 << word << 0 << "farm" << 9;
        QTest::newRow("word at the end") << 15 << word << 0 << "2" << 14;
        QTest::newRow("word before") << 9 << word << -1 << " " << 8;
        QTest::newRow("word after") << 0 << word << 1 << " " << 8;
        QTest::newRow("nothing after the end") << 15 << word << 1 << "-" << -1;
        QTest::newRow("nothing before the start") << 0 << word << -1 << "-" << -1;
        QTest::newRow("character") << 3 << int(QAccessible::CharBoundary) << 0 << "m" << 3;
        QTest::newRow("sentence") << 3 << int(QAccessible::SentenceBoundary) << 0 << "Terminal farm 2" << 0;
        QTest::newRow("line") << 4 << int(QAccessible::LineBoundary) << 0 << "Terminal farm 2" << 0;
        QTest::newRow("no line before") << 4 << int(QAccessible::LineBoundary) << -1 << "-" << -1;
        QTest::newRow("past the end") << 16 << word << 0 << "-" << -1;
    }

    void readingPieces()
    {
        QFETCH(int, offset);
        QFETCH(int, boundary);
        QFETCH(int, step);
        QFETCH(QString, piece);
        QFETCH(int, start);
        int from = 0;
        int to = 0;
        const QString read = textSegment("Terminal farm 2", offset, QAccessible::TextBoundaryType(boundary), step, &from, &to);
        QCOMPARE(read.isEmpty() ? "-" : read, piece);
        QCOMPARE(from, start);
        QCOMPARE(to, start < 0 ? -1 : start + int(read.size()));
    }

    // A field and a list as a screen reader reads them: the field's word at
    // the caret (-2) and the end (-1) in one run of text, the list's value as
    // text; a new protocol is said.
    void readableFieldsAndLists()
    {
        installReadableLineEdits();
        DlgServer dialog(nullptr, &bounds, &servers);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* name = child(dialog, "tbxDispName");
        name->setText("Terminal farm 2");
        name->setCursorPosition(10);
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(name)->textInterface();
        int from = 0;
        int to = 0;
        QCOMPARE(text->textAtOffset(-2, QAccessible::WordBoundary, &from, &to), "farm");
        QCOMPARE(text->textAtOffset(-1, QAccessible::WordBoundary, &from, &to), "2");
        text->attributes(4, &from, &to);
        QCOMPARE(from, 0);
        QCOMPARE(to, 15);

        auto* protocol = child<QComboBox>(dialog, "cmbxConxType");
        protocol->setFocus();
        QTest::keyClick(protocol, Qt::Key_Down);
        QAccessibleTextInterface* value = QAccessible::queryAccessibleInterface(protocol)->textInterface();
        QCOMPARE(value->text(0, value->characterCount()), protocol->currentText());
        QCOMPARE(Announcer::lastSaid(protocol), protocol->currentText());
    }

    // The conflict dialog keeps mine unless told otherwise; "All theirs" and one
    // row's choice (Down and Space) are what OK gives; Copy has the table; Tab
    // leaves the table; Escape cancels.
    void conflictDialog()
    {
        const auto conflict = [](const QString& record, const QString& field, const QStringList& values) {
            return MergeConflict{ConfigRecords::Kind::Server, record, field, record, values[0], values[1], values[2], false, std::nullopt};
        };
        const QList<MergeConflict> conflicts{conflict("Thinclient “A1”", "desc", {"Desk", "Mine", "Theirs"}),
                                             conflict("Server “One” (1)", "xpos", {"0", "10", "20"})};
        ConflictDialog dialog(nullptr, conflicts);
        QCOMPARE(dialog.takeTheirs(), QList<bool>({false, false}));
        dialog.findChild<QPushButton*>("btnAllTheirs")->click();
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.table()->setFocus();
        QTest::keyClick(dialog.table(), Qt::Key_Down); // to the second row's choice,
        QTest::keyClick(dialog.table(), Qt::Key_Space); // switched back to mine
        QCOMPARE(dialog.takeTheirs(), QList<bool>({true, false}));
        dialog.findChild<QPushButton*>("btnCopy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), "Thinclient “A1”\tdesc\tDesk\tMine\tTheirs\ttheirs\n"
                                                       "Server “One” (1)\txpos\t0\t10\t20\tmine\n");
        QTest::keyClick(dialog.table(), Qt::Key_Tab);
        QVERIFY(qobject_cast<QPushButton*>(QApplication::focusWidget()));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
