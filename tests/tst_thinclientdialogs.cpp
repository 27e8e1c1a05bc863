#include "dialogs/thinclient/AssignmentModel.h"
#include "dialogs/thinclient/DlgAssignServers.h"
#include "dialogs/thinclient/DlgEditThinClient.h"
#include "dialogs/thinclient/DlgThinClient.h"
#include "model/Server.h"
#include "model/ThinClient.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

QLineEdit* edit(const QWidget& dialog, const char* name)
{
    return dialog.findChild<QLineEdit*>(name);
}

QPushButton* button(const QWidget& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(name);
}

// Clicks the check box of a cell (or the middle of a text cell) as a user would.
void clickCell(QAbstractItemView* view, int row, int col, Qt::KeyboardModifiers modifiers = {})
{
    const QModelIndex index = view->model()->index(row, col);
    view->scrollTo(index);
    QPoint point = view->visualRect(index).center();
    if (index.flags() & Qt::ItemIsUserCheckable) {
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.rect = view->visualRect(index);
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        point = view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view).center();
    }
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, point);
}

// "1" ticked, "0" not, per server cell; rows separated by "/".
QString ticks(const QAbstractItemModel* model)
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

QStringList selectedTexts(const QAbstractItemView* view)
{
    QStringList texts;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
        texts << index.data().toString();
    return texts;
}

Server* makeServer(const QString& id, const QString& name)
{
    auto* server = new Server;
    server->server_id = id;
    server->display_name = name;
    return server;
}

ThinClient* makeClient(const QString& serial, const QString& desc, const QStringList& ids = {})
{
    auto* client = new ThinClient(desc, serial);
    client->server_ids = ids;
    return client;
}

} // namespace

class TestThinClientDialogs : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePrompts> prompts;
    QList<Server*> servers;
    QList<ThinClient*> clients;

    QStringList boxes() const
    {
        QStringList result;
        for (const FakePrompts::Call& call : prompts->calls)
            result << call.kind + "|" + call.title + "|" + call.text;
        return result;
    }

private slots:
    void initTestCase() { initZevResources(); }

    void init()
    {
        prompts = std::make_unique<FakePrompts>();
        servers = {makeServer("s1", "One"), makeServer("s2", "Two"), makeServer("s3", "Three")};
        clients = {makeClient("XAB1", "first", {"s1", "S2", "gone"}), makeClient("YAB2", "second", {"s3", "s1"}),
                   makeClient("Z3", "third")};

    }

    void cleanup()
    {
        QCOMPARE(prompts->unexpected, 0);
        qDeleteAll(servers);
        qDeleteAll(clients);
        servers.clear();
        clients.clear();
        prompts.reset();
    }

    // ---- adding devices ----------------------------------------------------

    void addDevice_data()
    {
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("refusal"); // empty when saved
        QTest::addColumn<QString>("stored");

        const QString empty = "\nDescription and Serial number fields cannot be empty";
        const QString taken = "\nThe specified serial number has been assigned to another thinclient device! "
                              "Serial numbers must be unique";
        QTest::newRow("upper-cased") << "Lab 3" << "ab12" << "" << "AB12";
        QTest::newRow("blanks only") << "  " << " " << "" << " ";
        QTest::newRow("empty description") << "" << "ab12" << empty << "";
        QTest::newRow("empty serial") << "d" << "" << empty << "";
        QTest::newRow("duplicate") << "d" << "XAB1" << taken << "";
        QTest::newRow("duplicate other case") << "d" << "xAb1" << taken << "";
        QTest::newRow("sharp s names the file of SS") << "d" << QString::fromUtf8("\xC3\x9F") << taken << "";
        QTest::newRow("dotless i names the file of I") << "d" << QString::fromUtf8("\xC4\xB1") << taken << "";
        QTest::newRow("slash") << "d" << "../x" << "path" << "";
        QTest::newRow("backslash") << "d" << "a\\b" << "path" << "";
    }

    void addDevice()
    {
        QFETCH(QString, desc);
        QFETCH(QString, serial);
        QFETCH(QString, refusal);
        QFETCH(QString, stored);
        clients << makeClient("SS", "sharp s") << makeClient("I", "dotless i");
        DlgThinClient dialog(nullptr, &clients);
        QSignalSpy changed(&dialog, &DlgThinClient::onDataChanged);
        QSignalSpy status(&dialog, &DlgThinClient::setStatusMsg);
        edit(dialog, "tbxDesc")->setText(desc);
        edit(dialog, "tbxSerialNumber")->setText(serial);
        button(dialog, "btnSave")->click();

        if (refusal.isEmpty()) {
            QVERIFY(prompts->calls.isEmpty());
            QCOMPARE(clients.size(), 6);
            QCOMPARE(clients.last()->serial_number, stored);
            QCOMPARE(clients.last()->desc, desc);
            QVERIFY(clients.last()->server_ids.isEmpty());
            QCOMPARE(changed.size(), 1);
            QCOMPARE(status.value(0).value(0).toString(), QStringLiteral("Added new Thinclient: ") + desc);
            return;
        }
        QCOMPARE(prompts->calls.size(), 1);
        QCOMPARE(prompts->calls[0].kind, QStringLiteral("information"));
        QCOMPARE(prompts->calls[0].title, QStringLiteral("Input Validation"));
        if (refusal == "path")
            QVERIFY(prompts->calls[0].text.contains("/ and \\"));
        else
            QCOMPARE(prompts->calls[0].text, refusal);
        QCOMPARE(clients.size(), 5);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(edit(dialog, "tbxSerialNumber")->text(), serial);
    }

    void savePlusNewAndReturnKeepTheDialogOpen()
    {
        DlgThinClient dialog(nullptr, &clients);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.size(), QSize(400, 155));
        for (const char* name : {"btnCancel", "btnSave", "btnSavePlusNew"})
            QVERIFY(!button(dialog, name)->autoDefault() && !button(dialog, name)->isDefault());

        edit(dialog, "tbxDesc")->setText("Lab");
        edit(dialog, "tbxSerialNumber")->setText("n1");
        button(dialog, "btnSavePlusNew")->click();
        QCOMPARE(edit(dialog, "tbxSerialNumber")->text(), QString());
        QCOMPARE(edit(dialog, "tbxDesc")->text(), QStringLiteral("Lab"));
        QCOMPARE(QApplication::focusWidget(), edit(dialog, "tbxDesc"));

        QTest::keyClicks(edit(dialog, "tbxSerialNumber"), "n2");
        QTest::keyClick(edit(dialog, "tbxSerialNumber"), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(clients.size(), 5);
        QCOMPARE(clients.last()->serial_number, QStringLiteral("N2"));

        QTest::keyClick(edit(dialog, "tbxSerialNumber"), Qt::Key_Return);
        QCOMPARE(prompts->calls.size(), 1);
        QTest::keyClick(edit(dialog, "tbxDesc"), Qt::Key_Return);
        QCOMPARE(prompts->calls.size(), 1);

        button(dialog, "btnCancel")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(clients.size(), 5);
    }

    // ---- assignment grid ----------------------------------------------------

    void gridLayout()
    {
        DlgAssignServers dialog(nullptr, &servers, &clients);
        QCOMPARE(dialog.objectName(), QStringLiteral("DlgAssignServers"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Assign servers to thinclients"));
        QCOMPARE(dialog.size(), QSize(800, 300));
        const QAbstractItemModel* model = dialog.grid()->model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->columnCount(), 5);
        QStringList headers;
        for (int c = 0; c < 5; ++c)
            headers << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, QStringList({"Serial number", "Description", "One", "Two", "Three"}));
        QCOMPARE(int(model->index(0, 0).flags()), 33);
        QCOMPARE(int(model->index(0, 1).flags()), 33);
        QCOMPARE(int(model->index(0, 2).flags()), 48);
        QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("second"));
        QVERIFY(!model->index(0, 0).data(Qt::CheckStateRole).isValid());
        QCOMPARE(ticks(model), QStringLiteral("100/101/000"));
        QCOMPARE(dialog.grid()->columnWidth(0), 300);
        QCOMPARE(dialog.grid()->columnWidth(1), 130);
        QVERIFY(dialog.grid()->horizontalHeader()->stretchLastSection());
    }

    void modifierClicks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("after");
        QTest::newRow("plain toggles one") << 2 << 3 << Qt::KeyboardModifiers() << "100/101/010";
        QTest::newRow("plain on text") << 2 << 0 << Qt::KeyboardModifiers() << "100/101/000";
        QTest::newRow("Shift row") << 2 << 3 << Qt::KeyboardModifiers(Qt::ShiftModifier) << "100/101/111";
        QTest::newRow("Shift clears row") << 1 << 2 << Qt::KeyboardModifiers(Qt::ShiftModifier) << "100/000/000";
        QTest::newRow("Shift+Alt acts as Shift")
            << 2 << 3 << (Qt::ShiftModifier | Qt::AltModifier) << "100/101/111";
        QTest::newRow("Shift on text cell") << 1 << 0 << Qt::KeyboardModifiers(Qt::ShiftModifier) << "100/000/000";
        QTest::newRow("Control column") << 2 << 3 << Qt::KeyboardModifiers(Qt::ControlModifier) << "110/111/010";
        QTest::newRow("Control clears column") << 2 << 2 << Qt::KeyboardModifiers(Qt::ControlModifier)
                                               << "100/101/100";
        QTest::newRow("Control on text column") << 0 << 1 << Qt::KeyboardModifiers(Qt::ControlModifier)
                                                << "100/101/000";
        QTest::newRow("Control+Shift grid") << 2 << 4 << (Qt::ControlModifier | Qt::ShiftModifier) << "111/111/111";
        QTest::newRow("Control+Shift on text") << 0 << 0 << (Qt::ControlModifier | Qt::ShiftModifier)
                                               << "000/000/000";
    }

    void modifierClicks()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, after);
        DlgAssignServers dialog(nullptr, &servers, &clients);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy changed(&dialog, &DlgAssignServers::onDataChanged);
        clickCell(dialog.grid(), row, col, modifiers);
        QCOMPARE(ticks(dialog.grid()->model()), after);
        if (col == 1 && modifiers == Qt::ControlModifier)
            QCOMPARE(dialog.grid()->model()->index(2, 1).data(Qt::CheckStateRole).toInt(), 0);

        dialog.accept();
        QCOMPARE(changed.size(), 1);
        const QStringList expectedFirst = after.startsWith("111")   ? QStringList{"s1", "s2", "s3"}
                                          : after.startsWith("110") ? QStringList{"s1", "s2"}
                                          : after.startsWith("1")   ? QStringList{"s1"}
                                                                    : QStringList();
        QCOMPARE(clients[0]->server_ids, expectedFirst);
    }

    void okWithoutClicksRebuildsSilently()
    {
        DlgAssignServers dialog(nullptr, &servers, &clients);
        QSignalSpy changed(&dialog, &DlgAssignServers::onDataChanged);
        dialog.accept();
        QCOMPARE(changed.size(), 0);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(clients[0]->server_ids, QStringList({"s1"}));
        QCOMPARE(clients[1]->server_ids, QStringList({"s1", "s3"}));
        QCOMPARE(clients[2]->server_ids, QStringList());
    }

    void cancelWritesNothing()
    {
        DlgAssignServers dialog(nullptr, &servers, &clients);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy changed(&dialog, &DlgAssignServers::onDataChanged);
        clickCell(dialog.grid(), 0, 2, Qt::ControlModifier | Qt::ShiftModifier);
        dialog.reject();
        QCOMPARE(changed.size(), 0);
        QCOMPARE(clients[0]->server_ids, QStringList({"s1", "S2", "gone"}));
    }

    void gridWithoutServersOrDevices()
    {
        QList<Server*> noServers;
        DlgAssignServers noColumns(nullptr, &noServers, &clients);
        QCOMPARE(noColumns.grid()->model()->columnCount(), 2);
        noColumns.accept();
        for (const ThinClient* client : clients)
            QVERIFY(client->server_ids.isEmpty());

        QList<ThinClient*> noClients;
        DlgAssignServers noRows(nullptr, &servers, &noClients);
        QCOMPARE(noRows.grid()->model()->rowCount(), 0);
        edit(noRows, "tbxSearch")->setText("a");
        button(noRows, "btnSearch")->click();
        noRows.accept();
    }

    void findNextCycles()
    {
        DlgAssignServers dialog(nullptr, &servers, &clients);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        edit(dialog, "tbxSearch")->setText("ab");
        QStringList seen;
        for (int press = 0; press < 3; ++press) {
            button(dialog, "btnSearch")->click();
            seen << selectedTexts(dialog.grid()).join(',');
        }
        QCOMPARE(seen, QStringList({"XAB1", "YAB2", "XAB1"}));

        edit(dialog, "tbxSearch")->setText("nowhere");
        QTest::keyClick(edit(dialog, "tbxSearch"), Qt::Key_Return);
        QCOMPARE(selectedTexts(dialog.grid()), QStringList({"XAB1"}));

        edit(dialog, "tbxSearch")->setText("THIRD");
        button(dialog, "btnSearch")->click();
        QCOMPARE(selectedTexts(dialog.grid()), QStringList({"third"}));
        edit(dialog, "tbxSearch")->clear();
        button(dialog, "btnSearch")->click();
        QCOMPARE(selectedTexts(dialog.grid()), QStringList({"third"}));
    }

    // Space ticks a box, Return in the search field searches, and neither loses
    // the table's work: OK still writes it and tells the window.
    void keyboardKeepsTheTablesWork_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QString>("after"); // serial=servers after OK
        QTest::newRow("assignment grid") << false << "XAB1=s1;YAB2=s1,s3;Z3=s2";
        QTest::newRow("list editor") << true << "XAB1=s1,S2,gone;YAB2=s3,s1";
    }

    void keyboardKeepsTheTablesWork()
    {
        QFETCH(bool, editor);
        QFETCH(QString, after);
        std::unique_ptr<QDialog> dialog;
        QAbstractItemView* view = nullptr;
        if (editor) {
            auto* list = new DlgEditThinClient(nullptr, &clients);
            view = list->table();
            dialog.reset(list);
            prompts->answers << QMessageBox::Yes;
        } else {
            auto* grid = new DlgAssignServers(nullptr, &servers, &clients);
            view = grid->grid();
            dialog.reset(grid);
        }
        QSignalSpy changed(dialog.get(), SIGNAL(onDataChanged()));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

        view->setFocus();
        view->setCurrentIndex(view->model()->index(2, editor ? 2 : 3));
        QTest::keyClick(view, Qt::Key_Space);
        edit(*dialog, "tbxSearch")->setFocus();
        QTest::keyClicks(edit(*dialog, "tbxSearch"), "THI");
        QTest::keyClick(edit(*dialog, "tbxSearch"), Qt::Key_Return);
        QTest::keyClick(edit(*dialog, "tbxSearch"), Qt::Key_Enter);
        QVERIFY(dialog->isVisible());
        QCOMPARE(selectedTexts(view), QStringList({"third"}));

        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(changed.size(), 1);
        QStringList now;
        for (const ThinClient* c : clients)
            now << c->serial_number + "=" + c->server_ids.join(',');
        QCOMPARE(now.join(';'), after);
    }

    // ---- list editor ----------------------------------------------------------

    void editorLayout()
    {
        DlgEditThinClient dialog(nullptr, &clients);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit thinclient  properties"));
        QCOMPARE(dialog.size(), QSize(576, 300));
        QTableWidget* table = dialog.table();
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Delete device"));
        QCOMPARE(int(table->item(0, 0)->flags()), 33);
        QCOMPARE(table->item(0, 1)->flags(), QTableWidgetItem().flags());
        QCOMPARE(int(table->item(0, 2)->flags()), 48);
        QCOMPARE(table->item(0, 2)->checkState(), Qt::Unchecked);

        QList<ThinClient*> none;
        DlgEditThinClient empty(nullptr, &none);
        QVERIFY(!empty.table());
    }

    void editorOk_data()
    {
        QTest::addColumn<QStringList>("descriptions"); // new texts per row
        QTest::addColumn<QList<int>>("marked");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("box"); // "" none, "validate", "confirm"
        QTest::addColumn<QString>("after"); // serial=desc; empty when unchanged
        QTest::addColumn<bool>("accepted");

        QTest::newRow("no edits") << QStringList{"first", "second", "third"} << QList<int>{} << QMessageBox::NoButton
                                  << "" << "XAB1=first;YAB2=second;Z3=third" << true;
        QTest::newRow("renamed") << QStringList{"one", "second", " "} << QList<int>{} << QMessageBox::NoButton << ""
                                 << "XAB1=one;YAB2=second;Z3= " << true;
        QTest::newRow("empty description") << QStringList{"one", "", "third"} << QList<int>{}
                                           << QMessageBox::NoButton << "validate" << "" << false;
        QTest::newRow("empty but marked") << QStringList{"one", "", "third"} << QList<int>{1} << QMessageBox::Yes
                                          << "confirm" << "XAB1=one;Z3=third" << true;
        QTest::newRow("No keeps marks") << QStringList{"one", "second", "third"} << QList<int>{0, 2}
                                        << QMessageBox::No << "confirm" << "" << false;
        QTest::newRow("Yes deletes marked") << QStringList{"first", "second", "third"} << QList<int>{0, 2}
                                            << QMessageBox::Yes << "confirm" << "YAB2=second" << true;
    }

    void editorOk()
    {
        QFETCH(QStringList, descriptions);
        QFETCH(QList<int>, marked);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, box);
        QFETCH(QString, after);
        QFETCH(bool, accepted);
        DlgEditThinClient dialog(nullptr, &clients);
        QSignalSpy changed(&dialog, &DlgEditThinClient::onDataChanged);
        for (int row = 0; row < 3; ++row)
            dialog.table()->item(row, 1)->setText(descriptions[row]);
        for (int row : marked)
            dialog.table()->item(row, 2)->setCheckState(Qt::Checked);
        if (answer != QMessageBox::NoButton)
            prompts->answers << answer;

        dialog.accept();

        QStringList shown;
        for (const FakePrompts::Call& call : prompts->calls)
            shown << call.title;
        QCOMPARE(shown, box == "validate"  ? QStringList{"Validating input"}
                        : box == "confirm" ? QStringList{"Confirm deletion"}
                                           : QStringList());
        if (box == "validate")
            QCOMPARE(prompts->calls[0].text, QStringLiteral("Found one or more thinclients with empty description "
                                                            "fields! \n\nPlease enter a description for them"));
        if (box == "confirm") {
            QCOMPARE(prompts->calls[0].text, QStringLiteral("One or more thinclients will be deleted.\n\nThis "
                                                            "operation cannot be undone. Are you sure you want to "
                                                            "continue?"));
            QCOMPARE(prompts->calls[0].defaultButton, QMessageBox::Yes);
        }
        QCOMPARE(changed.size(), accepted ? 1 : 0);
        QCOMPARE(dialog.result(), accepted ? int(QDialog::Accepted) : 0);
        QStringList now;
        for (const ThinClient* c : clients)
            now << c->serial_number + "=" + c->desc;
        QCOMPARE(now.join(';'), accepted ? after : QStringLiteral("XAB1=first;YAB2=second;Z3=third"));
        if (!accepted) {
            for (int row : marked)
                QCOMPARE(dialog.table()->item(row, 2)->checkState(), Qt::Checked);
        }
    }

    void editorControlClickAndSearch()
    {
        DlgEditThinClient dialog(nullptr, &clients);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget* table = dialog.table();
        clickCell(table, 1, 2, Qt::ControlModifier);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(table->item(row, 2)->checkState(), Qt::Checked);
        clickCell(table, 0, 2, Qt::ControlModifier | Qt::ShiftModifier);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(table->item(row, 2)->checkState(), Qt::Unchecked);
        clickCell(table, 2, 2, Qt::ShiftModifier);
        QCOMPARE(table->item(0, 2)->checkState(), Qt::Unchecked);
        QCOMPARE(table->item(2, 2)->checkState(), Qt::Checked);
        clickCell(table, 0, 1, Qt::ControlModifier);
        QCOMPARE(table->item(1, 1)->data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));

        table->clearSelection();
        table->item(2, 1)->setText("Edited Text");
        edit(dialog, "tbxSearch")->setText("ED t");
        button(dialog, "btnSearch")->click();
        QCOMPARE(selectedTexts(table), QStringList({"Edited Text"}));
        edit(dialog, "tbxSearch")->setText("ab");
        button(dialog, "btnSearch")->click();
        QCOMPARE(selectedTexts(table), QStringList({"XAB1"}));
        button(dialog, "btnSearch")->click();
        QCOMPARE(selectedTexts(table), QStringList({"YAB2"}));
    }
};

QTEST_MAIN(TestThinClientDialogs)
#include "tst_thinclientdialogs.moc"
