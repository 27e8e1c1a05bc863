#include "app/MainWindow.h"
#include "canvas/ServerLabel.h"
#include "canvas/TLabel.h"
#include "dialogs/server/DlgServer.h"
#include "model/Server.h"
#include "model/ThinClient.h"
#include "support/FakePrompts.h"
#include "support/GuiTestSupport.h"
#include "support/SampleRecords.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = {})
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

void hover(QWidget* label, QPoint pos)
{
    sendMouse(label, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

// The label as it looks over a white picture.
QImage onWhite(QWidget* label)
{
    QImage image(label->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawPixmap(0, 0, label->grab());
    return image;
}

int darkestLightness(const QImage& image)
{
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            darkest = qMin(darkest, image.pixelColor(x, y).lightness());
    }
    return darkest;
}

} // namespace

class TestServerLabel : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePrompts> prompts;
    std::unique_ptr<QWidget> picture;
    std::unique_ptr<Server> server;
    QList<Server*> servers;
    QRect bounds;

    ServerLabel* makeLabel()
    {
        return new ServerLabel(picture.get(), &bounds, &servers, server.get());
    }

private slots:
    void initTestCase() { initZevResources(); }

    void init()
    {
        isolateSettings();
        prompts = std::make_unique<FakePrompts>();
        picture = std::make_unique<QWidget>();
        picture->resize(600, 400);
        server.reset(sampleServer());
        server->xpos = 100;
        server->ypos = 100;
        servers = {server.get()};
        bounds = QRect(0, 0, 1024, 768);
    }

    void cleanup()
    {
        QCOMPARE(prompts->unexpected, 0);
        picture.reset();
        server.reset();
        prompts.reset();
    }

    void constructionShowsTheServer()
    {
        ServerLabel* label = makeLabel();
        QCOMPARE(label->geometry(), QRect(100, 100, 75, 75));
        QCOMPARE(label->text(), QStringLiteral(" Main office "));
        QCOMPARE(int(label->alignment()), 0xC4);
        QVERIFY(label->hasMouseTracking());
        QCOMPARE(label->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    void hoverSetsTheCursorOfTheZone()
    {
        ServerLabel* label = makeLabel();
        hover(label, QPoint(2, 2));
        QCOMPARE(label->cursor().shape(), Qt::SizeFDiagCursor);
        hover(label, QPoint(70, 37));
        QCOMPARE(label->cursor().shape(), Qt::SizeHorCursor);
        hover(label, QPoint(37, 37));
        QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(bounds, QRect(0, 0, 600, 400));
    }

    void onlyALeftDragAfterAPressMoves_data()
    {
        QTest::addColumn<Qt::MouseButton>("pressButton"); // NoButton: no press seen
        QTest::addColumn<Qt::MouseButtons>("held");
        QTest::addColumn<bool>("moves");
        QTest::newRow("left drag") << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton) << true;
        QTest::newRow("right drag") << Qt::RightButton << Qt::MouseButtons(Qt::RightButton) << false;
        QTest::newRow("left and right") << Qt::LeftButton << (Qt::LeftButton | Qt::RightButton) << false;
        QTest::newRow("no press seen") << Qt::NoButton << Qt::MouseButtons(Qt::LeftButton) << false;
    }

    void onlyALeftDragAfterAPressMoves()
    {
        QFETCH(Qt::MouseButton, pressButton);
        QFETCH(Qt::MouseButtons, held);
        QFETCH(bool, moves);
        ServerLabel* label = makeLabel();
        QSignalSpy changed(label, &ServerLabel::onDataChanged);
        hover(label, QPoint(37, 37));
        if (pressButton != Qt::NoButton)
            sendMouse(label, QEvent::MouseButtonPress, QPoint(37, 37), pressButton, pressButton);
        for (int step = 1; step <= 3; ++step)
            sendMouse(label, QEvent::MouseMove, QPoint(37 + 10, 37 + 5), Qt::NoButton, held);

        QCOMPARE(changed.size(), moves ? 3 : 0);
        QCOMPARE(label->pos(), moves ? QPoint(130, 115) : QPoint(100, 100));
        QCOMPARE(QPoint(server->xpos, server->ypos), label->pos());

        sendMouse(label, QEvent::MouseButtonRelease, QPoint(37, 37), Qt::LeftButton, Qt::NoButton);
        sendMouse(label, QEvent::MouseMove, QPoint(50, 50), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(changed.size(), moves ? 3 : 0);
    }

    void dragKeepsItsZoneAndResizes()
    {
        ServerLabel* label = makeLabel();
        hover(label, QPoint(74, 37)); // right edge
        sendMouse(label, QEvent::MouseButtonPress, QPoint(74, 37), Qt::LeftButton, Qt::LeftButton);
        sendMouse(label, QEvent::MouseMove, QPoint(94, 37), Qt::NoButton, Qt::LeftButton);
        sendMouse(label, QEvent::MouseMove, QPoint(40, 37), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(label->geometry(), QRect(100, 100, 41, 75));
        sendMouse(label, QEvent::MouseMove, QPoint(0, 37), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(label->geometry(), QRect(100, 100, 30, 75));
        QCOMPARE(server->width, 30);
    }

    void ctrlClickOnALabelCreatesNoServer()
    {
        TLabel image;
        image.resize(600, 400);
        auto* label = new ServerLabel(&image, &bounds, &servers, server.get());
        image.show();
        QVERIFY(QTest::qWaitForWindowExposed(&image));
        QSignalSpy clicked(&image, &TLabel::onLabelClicked);
        QTest::mouseClick(label, Qt::LeftButton, Qt::ControlModifier, QPoint(37, 37));
        QCOMPARE(clicked.size(), 0);
        QTest::mouseClick(&image, Qt::LeftButton, Qt::ControlModifier, QPoint(400, 300));
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked[0][0].toPoint(), QPoint(400, 300));
        QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(1, 1));
    }
};

// The context menu through the main window, which owns the records and the labels.
class TestServerLabelMenu : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<FakePrompts> prompts;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> window;

    ServerLabel* firstLabel() const { return window->serverLabelList().first(); }

private slots:
    void initTestCase() { initZevResources(); }

    void init()
    {
        isolateSettings();
        prompts = std::make_unique<FakePrompts>();
        dir = std::make_unique<QTemporaryDir>();
        QFile::copy(ZEV_TEST_DATA "/zev_golden.conf", dir->filePath("zev.conf"));
        window = std::make_unique<MainWindow>();
        prompts->fileNames << writeTestPicture(dir->path());
        window->findChild<QAction*>("btnLoadImage")->trigger();
        prompts->calls.clear();
    }

    void cleanup()
    {
        QCOMPARE(prompts->unexpected, 0);
        window.reset();
        dir.reset();
        prompts.reset();
    }

    void cloneMakesANewServerAndLabel()
    {
        Server* source = firstLabel()->serverRecord();
        QTimer::singleShot(0, window.get(), [] { saveServerInModalDialog("Copy", "copy.example"); });
        QMetaObject::invokeMethod(firstLabel(), "onCloneServerClicked");
        QCOMPARE(window->serverList().size(), 3);
        QCOMPARE(window->serverLabelList().size(), 3);
        Server* clone = window->serverList().last();
        QVERIFY(clone->server_id != source->server_id);
        QCOMPARE(window->serverLabelList().last()->serverRecord(), clone);
        QCOMPARE(source->display_name, QStringLiteral(" Main office "));
        QCOMPARE(clone->index_window_size, source->index_window_size);
        QVERIFY(window->isModified());
    }

    void editShowsTheNewName()
    {
        QTimer::singleShot(0, window.get(), [] {
            QCOMPARE(QApplication::activeModalWidget()->windowTitle(), QStringLiteral("Edit server properties"));
            saveServerInModalDialog("Renamed", "RDP://Host.Example:3389");
        });
        QMetaObject::invokeMethod(firstLabel(), "onEditServerClicked");
        QCOMPARE(firstLabel()->text(), QStringLiteral("Renamed"));
        QCOMPARE(window->serverList().size(), 2);
        QVERIFY(window->isModified());
    }

    void deleteServer_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("Yes") << QMessageBox::Yes;
        QTest::newRow("No") << QMessageBox::No;
    }

    void deleteServer()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QPointer<ServerLabel> label = firstLabel();
        QPointer<Server> server = label->serverRecord();
        const QString id = server->server_id;
        window->thinClientList()[1]->server_ids << id;
        prompts->answers << answer;

        QMetaObject::invokeMethod(label, "onDeleteServerClicked");
        QCOMPARE(prompts->calls.size(), 1);
        QCOMPARE(prompts->calls[0].title, QStringLiteral("Confirm delete server"));
        QCOMPARE(prompts->calls[0].text,
                 QStringLiteral("\nAre you sure you want to delete this server?\n\nThis operation cannot be undone!"));
        QCOMPARE(prompts->calls[0].defaultButton, QMessageBox::Yes);

        const bool deleted = answer == QMessageBox::Yes;
        QCOMPARE(window->serverList().contains(server), !deleted);
        QCOMPARE(window->serverLabelList().contains(label), !deleted);
        QCOMPARE(window->thinClientList()[0]->server_ids.contains(id), !deleted);
        QCOMPARE(window->thinClientList()[1]->server_ids.contains(id), !deleted);
        QCOMPARE(window->isModified(), deleted);
        QCOMPARE(label->isHidden(), deleted);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(label.isNull(), deleted);
        QCOMPARE(server.isNull(), deleted);
    }

    // The real popup: the label stays visible, highlighted, while its menu is open,
    // and is deleted only after the menu has closed.
    void deleteFromTheRealMenu()
    {
        QPointer<ServerLabel> label = firstLabel();
        QVERIFY2(darkestLightness(onWhite(label)) < 100, "the server name must be dark on a light picture");
        prompts->answers << QMessageBox::Yes;
        QStringList entries;
        QColor highlight;
        QTimer::singleShot(0, window.get(), [&entries, &highlight, label] {
            highlight = onWhite(label).pixelColor(2, 2);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions())
                entries << action->text();
            menu->actions().last()->trigger();
            menu->close();
        });
        QMetaObject::invokeMethod(label, "onRightClick", Q_ARG(QPoint, QPoint(5, 5)));
        QCOMPARE(entries, QStringList({"Clone this server", "Edit server settings", "Delete server"}));
        QCOMPARE(highlight, QColor(0, 156, 181));
        QVERIFY(label);
        QCOMPARE(label->styleSheet(), QStringLiteral("background-color: rgba(0, 0, 0, 80);"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(label.isNull());
        QCOMPARE(window->serverList().size(), 1);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int failures = 0;
    {
        TestServerLabel events;
        failures += QTest::qExec(&events, argc, argv);
    }
    {
        TestServerLabelMenu menu;
        failures += QTest::qExec(&menu, argc, argv);
    }
    return failures;
}

#include "tst_serverlabel.moc"
