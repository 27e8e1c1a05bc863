#include "dialogs/thinclient/DlgAssignServers.h"
#include "dialogs/thinclient/DlgEditThinClient.h"
#include "dialogs/thinclient/DlgThinClient.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "support/SampleRecords.h"

#include <QDialogButtonBox>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

// Clicks the check box of a cell (or the middle of a text cell) as a user would.
void clickCell(QAbstractItemView* view, int row, int col, Qt::KeyboardModifiers modifiers = {})
{
    const QModelIndex index = view->model()->index(row, col);
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QPoint point = index.flags() & Qt::ItemIsUserCheckable
                             ? view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view).center()
                             : option.rect.center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, point);
}

// "1" checked, "0" not, per check-box cell from column first on; rows separated by "/".
QString checks(const QAbstractItemModel* model, int first)
{
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QString row;
        for (int c = first; c < model->columnCount(); ++c)
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

} // namespace

class TestThinClientDialogs : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePrompts> prompts;
    QList<Server*> servers;
    QList<ThinClient*> clients;

    QString devices() const
    {
        QStringList rows;
        for (const ThinClient* c : clients)
            rows << c->serial_number + "=" + c->desc + "@" + c->server_ids.join(',');
        return rows.join(u';');
    }

    // The grid or the editor, shown; its table, and the first check-box column.
    std::unique_ptr<QDialog> table(bool editor, QAbstractItemView*& view)
    {
        std::unique_ptr<QDialog> dialog;
        if (editor) {
            auto* list = new DlgEditThinClient(nullptr, &clients);
            view = list->table();
            dialog.reset(list);
        } else {
            auto* grid = new DlgAssignServers(nullptr, &servers, &clients);
            view = grid->grid();
            dialog.reset(grid);
        }
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
        for (const char* id : {"s1", "s2", "s3"}) {
            servers << new Server;
            servers.last()->server_id = id;
        }
        clients = {new ThinClient("first", "XAB1"), new ThinClient("second", "YAB2"), new ThinClient("third", "Z3"),
                   new ThinClient("sharp s", "SS"), new ThinClient("dotless i", "I")};
        clients[0]->server_ids = QStringList{"s1", "S2", "gone"};
        clients[1]->server_ids = QStringList{"s3", "s1"};
    }

    void cleanup()
    {
        QCOMPARE(prompts->unexpected, 0);
        prompts.reset();
        qDeleteAll(servers);
        qDeleteAll(clients);
        servers.clear();
        clients.clear();
    }

    void addDevice_data()
    {
        QTest::addColumn<QString>("desc");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("refusal"); // empty when saved as the upper-cased serial number
        const QString empty = "\nDescription and Serial number fields cannot be empty";
        const QString taken = "\nThe specified serial number has been assigned to another thinclient device! "
                              "Serial numbers must be unique";
        const QString path = "\nSerial numbers cannot contain the characters / and \\ because they name the "
                             "thinclient's configuration file";
        QTest::newRow("upper-cased") << "Lab 3" << "ab12" << "";
        QTest::newRow("blanks only") << "  " << " " << "";
        QTest::newRow("empty description") << "" << "ab12" << empty;
        QTest::newRow("empty serial") << "d" << "" << empty;
        QTest::newRow("duplicate in other case") << "d" << "xAb1" << taken;
        QTest::newRow("sharp s names the file of SS") << "d" << QString::fromUtf8("\xC3\x9F") << taken;
        QTest::newRow("dotless i names the file of I") << "d" << QString::fromUtf8("\xC4\xB1") << taken;
        QTest::newRow("slash") << "d" << "../x" << path;
        QTest::newRow("backslash") << "d" << "a\\b" << path;
    }

    void addDevice()
    {
        QFETCH(QString, desc);
        QFETCH(QString, serial);
        QFETCH(QString, refusal);
        DlgThinClient dialog(nullptr, &clients);
        QSignalSpy changed(&dialog, &DlgThinClient::onDataChanged);
        QSignalSpy status(&dialog, &DlgThinClient::setStatusMsg);
        dialog.findChild<QLineEdit*>("tbxDesc")->setText(desc);
        dialog.findChild<QLineEdit*>("tbxSerialNumber")->setText(serial);
        dialog.findChild<QPushButton*>("btnSave")->click();
        QCOMPARE(prompts->titles(), refusal.isEmpty() ? QStringList() : QStringList("Input Validation"));
        QCOMPARE(prompts->calls.value(0).text, refusal);
        QCOMPARE(clients.size(), refusal.isEmpty() ? 6 : 5);
        QCOMPARE(clients.last()->serial_number, refusal.isEmpty() ? serial.toUpper() : QStringLiteral("I"));
        QCOMPARE(changed.size(), refusal.isEmpty() ? 1 : 0);
        QCOMPARE(status.value(0).value(0).toString(), refusal.isEmpty() ? "Added new Thinclient: " + desc : QString());
    }

    // Return in the serial number field saves and starts the next device; elsewhere it presses nothing.
    void returnSavesAndStartsTheNext()
    {
        DlgThinClient dialog(nullptr, &clients);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClicks(dialog.findChild<QLineEdit*>("tbxDesc"), "Lab");
        QTest::keyClick(dialog.findChild<QLineEdit*>("tbxDesc"), Qt::Key_Return);
        QTest::keyClicks(dialog.findChild<QLineEdit*>("tbxSerialNumber"), "n1");
        QTest::keyClick(dialog.findChild<QLineEdit*>("tbxSerialNumber"), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(clients.last()->serial_number, QStringLiteral("N1"));
        QCOMPARE(dialog.findChild<QLineEdit*>("tbxSerialNumber")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), dialog.findChild<QLineEdit*>("tbxDesc"));
        QVERIFY(prompts->calls.isEmpty());
    }

    // Modifier clicks copy the clicked box's state: in the grid Shift the row,
    // Control the column, both the grid; in the editor Control the column.
    void modifierClicks_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("after");
        const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
        const auto control = Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("plain toggles one") << false << 2 << 3 << Qt::KeyboardModifiers() << "100/101/010/000/000";
        QTest::newRow("plain on text") << false << 2 << 0 << Qt::KeyboardModifiers() << "100/101/000/000/000";
        QTest::newRow("Shift row") << false << 2 << 3 << shift << "100/101/111/000/000";
        QTest::newRow("Shift on text clears the row") << false << 1 << 0 << shift << "100/000/000/000/000";
        QTest::newRow("Shift+Alt acts as Shift") << false << 2 << 3 << (shift | Qt::AltModifier) << "100/101/111/000/000";
        QTest::newRow("Control column") << false << 2 << 3 << control << "110/111/010/010/010";
        QTest::newRow("Control clears column") << false << 2 << 2 << control << "100/101/100/100/100";
        QTest::newRow("Control+Shift grid") << false << 2 << 4 << (control | shift) << "111/111/111/111/111";
        QTest::newRow("Control+Shift on text") << false << 0 << 0 << (control | shift) << "000/000/000/000/000";
        QTest::newRow("editor: plain") << true << 1 << 2 << Qt::KeyboardModifiers() << "0/1/0/0/0";
        QTest::newRow("editor: Control column") << true << 1 << 2 << control << "1/1/1/1/1";
        QTest::newRow("editor: Control+Shift acts as Control") << true << 1 << 2 << (control | shift) << "1/1/1/1/1";
        QTest::newRow("editor: Shift plays no part") << true << 1 << 2 << shift << "0/1/0/0/0";
        QTest::newRow("editor: Control on text") << true << 1 << 1 << control << "0/0/0/0/0";
    }

    void modifierClicks()
    {
        QFETCH(bool, editor);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, after);
        QAbstractItemView* view = nullptr;
        const auto dialog = table(editor, view);
        QSignalSpy changed(dialog.get(), SIGNAL(onDataChanged()));
        clickCell(view, row, col, modifiers);
        QCOMPARE(checks(view->model(), 2), after);
        if (col < 2 && modifiers & Qt::ControlModifier)
            QCOMPARE(view->model()->index(3, col).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        if (editor)
            return;
        dialog->accept(); // a click on any cell, even a text cell, is a change
        QCOMPARE(changed.size(), 1);
        QCOMPARE(clients[0]->server_ids.join(','), after.startsWith("111")   ? "s1,s2,s3"
                                                   : after.startsWith("110") ? "s1,s2"
                                                   : after.startsWith("1")   ? "s1"
                                                                             : "");
    }

    // Space ticks a box, Return in the search field finds the next match (and
    // nothing else); OK then writes the table and tells the window.
    void keyboardAndSearch_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QString>("after");
        QTest::newRow("assignment grid") << false << "XAB1=first@s1;YAB2=second@s1,s3;Z3=third@s2;SS=sharp s@;I=dotless i@";
        QTest::newRow("list editor") << true << "XAB1=first@s1,S2,gone;YAB2=second@s3,s1;SS=sharp s@;I=dotless i@";
    }

    void keyboardAndSearch()
    {
        QFETCH(bool, editor);
        QFETCH(QString, after);
        QAbstractItemView* view = nullptr;
        const auto dialog = table(editor, view);
        QSignalSpy changed(dialog.get(), SIGNAL(onDataChanged()));
        view->setFocus();
        view->setCurrentIndex(view->model()->index(2, editor ? 2 : 3));
        QTest::keyClick(view, Qt::Key_Space);
        auto* search = dialog->findChild<QLineEdit*>("tbxSearch");
        search->setFocus();
        QStringList seen;
        for (const char* text : {"AB", "ab", "ab", "nowhere", "THIR", ""}) {
            search->setText(text);
            QTest::keyClick(search, seen.size() % 2 ? Qt::Key_Enter : Qt::Key_Return);
            seen << selectedTexts(view).join(u',');
        }
        QCOMPARE(seen, QStringList({"XAB1", "YAB2", "XAB1", "XAB1", "third", "third"}));
        QVERIFY(dialog->isVisible());
        if (editor)
            prompts->answers << QMessageBox::Yes;
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(devices(), after);
    }

    // OK in the editor: empty descriptions refuse, marked devices are confirmed and go.
    void editorOk_data()
    {
        QTest::addColumn<QStringList>("descriptions");
        QTest::addColumn<QList<int>>("marked");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("box"); // "" none, "validate", "confirm"
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("accepted");
        const QString before = "XAB1=first;YAB2=second;Z3=third;SS=sharp s;I=dotless i";
        const QStringList same{"first", "second", "third", "sharp s", "dotless i"};
        QTest::newRow("no edits") << same << QList<int>{} << QMessageBox::NoButton << "" << before << true;
        QTest::newRow("renamed") << QStringList{"one", "second", " ", "sharp s", "dotless i"} << QList<int>{}
                                 << QMessageBox::NoButton << "" << "XAB1=one;YAB2=second;Z3= ;SS=sharp s;I=dotless i" << true;
        QTest::newRow("empty description") << QStringList{"one", "", "third", "sharp s", "dotless i"} << QList<int>{}
                                           << QMessageBox::NoButton << "validate" << before << false;
        QTest::newRow("empty but marked") << QStringList{"one", "", "third", "sharp s", "dotless i"} << QList<int>{1}
                                          << QMessageBox::Yes << "confirm" << "XAB1=one;Z3=third;SS=sharp s;I=dotless i" << true;
        QTest::newRow("No keeps the marks") << same << QList<int>{0, 2} << QMessageBox::No << "confirm" << before << false;
        QTest::newRow("Yes deletes the marked") << same << QList<int>{0, 2} << QMessageBox::Yes << "confirm"
                                                << "YAB2=second;SS=sharp s;I=dotless i" << true;
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
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit thinclient  properties"));
        QSignalSpy changed(&dialog, &DlgEditThinClient::onDataChanged);
        for (int row = 0; row < descriptions.size(); ++row)
            dialog.table()->item(row, 1)->setText(descriptions[row]);
        for (int row : marked)
            dialog.table()->item(row, 2)->setCheckState(Qt::Checked);
        if (answer != QMessageBox::NoButton)
            prompts->answers << answer;
        dialog.accept();
        const QStringList titles{box == "validate" ? "Validating input" : "Confirm deletion"};
        QCOMPARE(prompts->titles(), box.isEmpty() ? QStringList() : titles);
        QCOMPARE(prompts->calls.value(0).text,
                 box == "validate"  ? "Found one or more thinclients with empty description fields! \n\nPlease enter a "
                                      "description for them"
                 : box == "confirm" ? "One or more thinclients will be deleted.\n\nThis operation cannot be undone. "
                                      "Are you sure you want to continue?"
                                    : "");
        QCOMPARE(changed.size(), accepted ? 1 : 0);
        QCOMPARE(dialog.result(), accepted ? int(QDialog::Accepted) : 0);
        QStringList now;
        for (const ThinClient* c : clients)
            now << c->serial_number + "=" + c->desc;
        QCOMPARE(now.join(';'), after);
    }
};

QTEST_MAIN(TestThinClientDialogs)
#include "tst_thinclientdialogs.moc"
