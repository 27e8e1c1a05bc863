#include "canvas/LabelGeometry.h"

#include <QtTest>

Q_DECLARE_METATYPE(LabelBox)

namespace {

LabelBox box(int x, int y, int w, int h, bool holdH = false, bool holdV = false)
{
    return {x, y, w, h, holdH, holdV};
}

} // namespace

namespace QTest {
template <>
char* toString(const LabelBox& b)
{
    return qstrdup(QStringLiteral("(%1,%2 %3x%4%5%6)")
                       .arg(b.xpos)
                       .arg(b.ypos)
                       .arg(b.width)
                       .arg(b.height)
                       .arg(b.horizontalHold ? " holdH" : "", b.verticalHold ? " holdV" : "")
                       .toUtf8());
}
} // namespace QTest

class TestLabelGeometry : public QObject {
    Q_OBJECT
private slots:
    void zones_data()
    {
        QTest::addColumn<QPoint>("pointer"); // in a label of 100 x 80
        QTest::addColumn<int>("zone");
        QTest::addColumn<Qt::CursorShape>("cursor");
        QTest::newRow("top-left corner") << QPoint(10, 10) << 1 << Qt::SizeFDiagCursor;
        QTest::newRow("top-left origin") << QPoint(0, 0) << 1 << Qt::SizeFDiagCursor;
        QTest::newRow("top band only") << QPoint(11, 10) << 7 << Qt::SizeVerCursor;
        QTest::newRow("left band only") << QPoint(10, 11) << 5 << Qt::SizeHorCursor;
        QTest::newRow("top-right corner") << QPoint(91, 10) << 2 << Qt::SizeBDiagCursor;
        QTest::newRow("right band starts at W-9") << QPoint(91, 40) << 6 << Qt::SizeHorCursor;
        QTest::newRow("just inside right band") << QPoint(90, 40) << 0 << Qt::ArrowCursor;
        QTest::newRow("bottom-left corner") << QPoint(10, 71) << 3 << Qt::SizeBDiagCursor;
        QTest::newRow("bottom band starts at H-9") << QPoint(50, 71) << 8 << Qt::SizeVerCursor;
        QTest::newRow("just inside bottom band") << QPoint(50, 70) << 0 << Qt::ArrowCursor;
        QTest::newRow("bottom-right corner") << QPoint(99, 79) << 4 << Qt::SizeFDiagCursor;
        QTest::newRow("middle") << QPoint(50, 40) << 0 << Qt::ArrowCursor;
    }

    void zones()
    {
        QFETCH(QPoint, pointer);
        QFETCH(int, zone);
        QFETCH(Qt::CursorShape, cursor);
        QCOMPARE(labelZoneAt(pointer.x(), pointer.y(), 100, 80), zone);
        QCOMPARE(cursorForZone(zone), cursor);
    }

    void dragSteps_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<LabelBox>("before");
        QTest::addColumn<QPoint>("last");
        QTest::addColumn<QPoint>("now");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<LabelBox>("after");
        const QPoint none;

        QTest::newRow("move") << 0 << box(100, 100, 75, 75) << none << QPoint(120, 125) << QPoint(10, 10)
                              << box(110, 115, 75, 75);
        QTest::newRow("move stops at right") << 0 << box(500, 10, 75, 75) << none << QPoint(560, 20) << QPoint(10, 10)
                                             << box(525, 10, 75, 75);
        QTest::newRow("move stops at left and top") << 0 << box(20, 20, 75, 75) << none << QPoint(5, 5)
                                                    << QPoint(10, 10) << box(0, 0, 75, 75);
        QTest::newRow("move stops at bottom") << 0 << box(20, 300, 75, 75) << none << QPoint(30, 420)
                                              << QPoint(10, 10) << box(20, 325, 75, 75);
        QTest::newRow("right edge grows") << 6 << box(100, 100, 75, 75) << QPoint(175, 120) << QPoint(185, 120)
                                          << none << box(100, 100, 85, 75);
        QTest::newRow("right edge shrinks") << 6 << box(100, 100, 75, 75) << QPoint(175, 120) << QPoint(140, 120)
                                            << none << box(100, 100, 40, 75);
        QTest::newRow("right edge pins at 30") << 6 << box(100, 100, 40, 75) << QPoint(140, 120) << QPoint(110, 120)
                                               << none << box(100, 100, 30, 75, true);
        QTest::newRow("pinned right edge waits") << 6 << box(100, 100, 30, 75, true) << QPoint(110, 120)
                                                 << QPoint(129, 120) << none << box(100, 100, 30, 75, true);
        QTest::newRow("pinned right edge follows again") << 6 << box(100, 100, 30, 75, true) << QPoint(125, 120)
                                                         << QPoint(135, 120) << none << box(100, 100, 40, 75);
        QTest::newRow("right edge stops at picture") << 6 << box(500, 100, 75, 75) << QPoint(575, 120)
                                                     << QPoint(650, 120) << none << box(500, 100, 100, 75);
        QTest::newRow("no horizontal movement") << 6 << box(100, 100, 75, 75) << QPoint(175, 120)
                                                << QPoint(175, 150) << none << box(100, 100, 75, 75);
        QTest::newRow("left edge grows") << 5 << box(100, 100, 75, 75) << QPoint(100, 120) << QPoint(90, 120) << none
                                         << box(90, 100, 85, 75);
        QTest::newRow("left edge shrinks") << 5 << box(100, 100, 75, 75) << QPoint(100, 120) << QPoint(110, 120)
                                           << none << box(110, 100, 65, 75);
        QTest::newRow("left edge pins at 30") << 5 << box(100, 100, 40, 75) << QPoint(100, 120) << QPoint(120, 120)
                                              << none << box(110, 100, 30, 75, true);
        QTest::newRow("pinned left edge waits") << 5 << box(110, 100, 30, 75, true) << QPoint(120, 120)
                                                << QPoint(115, 120) << none << box(110, 100, 30, 75, true);
        QTest::newRow("pinned left edge follows again") << 5 << box(110, 100, 30, 75, true) << QPoint(115, 120)
                                                        << QPoint(105, 120) << none << box(100, 100, 40, 75);
        QTest::newRow("left edge past the picture") << 5 << box(20, 100, 75, 75) << QPoint(20, 120) << QPoint(-5, 120)
                                                    << none << box(0, 100, 95, 75);
        QTest::newRow("top edge grows") << 7 << box(100, 100, 75, 75) << QPoint(120, 100) << QPoint(120, 90) << none
                                        << box(100, 90, 75, 85);
        QTest::newRow("top edge pins at 30") << 7 << box(100, 100, 75, 40) << QPoint(120, 100) << QPoint(120, 120)
                                             << none << box(100, 110, 75, 30, false, true);
        QTest::newRow("pinned top edge waits") << 7 << box(100, 110, 75, 30, false, true) << QPoint(120, 120)
                                               << QPoint(120, 115) << none << box(100, 110, 75, 30, false, true);
        QTest::newRow("pinned top edge follows again") << 7 << box(100, 110, 75, 30, false, true) << QPoint(120, 115)
                                                       << QPoint(120, 105) << none << box(100, 100, 75, 40);
        QTest::newRow("top edge past the picture") << 7 << box(100, 20, 75, 75) << QPoint(120, 20) << QPoint(120, -3)
                                                   << none << box(100, 0, 75, 95);
        QTest::newRow("bottom edge grows") << 8 << box(100, 100, 75, 75) << QPoint(120, 175) << QPoint(120, 185)
                                           << none << box(100, 100, 75, 85);
        QTest::newRow("bottom edge pins at 30") << 8 << box(100, 100, 75, 40) << QPoint(120, 140) << QPoint(120, 120)
                                                << none << box(100, 100, 75, 30, false, true);
        QTest::newRow("bottom edge stops at picture") << 8 << box(100, 350, 75, 40) << QPoint(120, 390)
                                                      << QPoint(120, 420) << none << box(100, 350, 75, 50);
        QTest::newRow("corner up and left stops at 30x30") << 4 << box(100, 100, 40, 40) << QPoint(140, 140)
                                                           << QPoint(100, 100) << none
                                                           << box(100, 100, 30, 30, true, true);
        QTest::newRow("corner pinned further") << 4 << box(100, 100, 30, 30, true, true) << QPoint(100, 100)
                                               << QPoint(90, 90) << none << box(100, 100, 30, 30, true, true);
        QTest::newRow("corner back past the minimum") << 4 << box(100, 100, 30, 30, true, true) << QPoint(90, 90)
                                                      << QPoint(140, 150) << none << box(100, 100, 80, 90);
        QTest::newRow("top-left corner") << 1 << box(100, 100, 75, 75) << QPoint(100, 100) << QPoint(90, 80) << none
                                         << box(90, 80, 85, 95);
        QTest::newRow("top-right corner") << 2 << box(100, 100, 75, 75) << QPoint(175, 100) << QPoint(185, 110)
                                          << none << box(100, 110, 85, 65);
        QTest::newRow("bottom-left corner") << 3 << box(100, 100, 75, 75) << QPoint(100, 175) << QPoint(95, 180)
                                            << none << box(95, 100, 80, 80);
    }

    void dragSteps()
    {
        QFETCH(int, zone);
        QFETCH(LabelBox, before);
        QFETCH(QPoint, last);
        QFETCH(QPoint, now);
        QFETCH(QPoint, press);
        QFETCH(LabelBox, after);
        const DragInput input{zone, QRect(0, 0, 600, 400), last, now, press};
        QCOMPARE(dragStep(input, before), after);
    }

    void labelLargerThanThePicture()
    {
        const DragInput input{0, QRect(0, 0, 50, 50), QPoint(), QPoint(1, 1), QPoint(0, 0)};
        QCOMPARE(dragStep(input, box(0, 0, 75, 75)), box(-25, -25, 75, 75));
    }
};

QTEST_GUILESS_MAIN(TestLabelGeometry)
#include "tst_labelgeometry.moc"
