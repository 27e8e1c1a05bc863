// The geometry of a label on the picture: its zones and the steps of a drag.
// (The label's own mouse handling is driven through the window: tst_mainwindow.)
#include "canvas/LabelGeometry.h"

#include <QtTest>

namespace {

// "x,y,w,h" with "H" and "V" for the holds, as the drag table writes a box.
LabelBox box(const QString& text)
{
    const QStringList n = text.split(QRegularExpression("[,HV]"), Qt::SkipEmptyParts);
    return {n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt(), text.contains(u'H'), text.contains(u'V')};
}

QPoint point(const QString& text)
{
    return text == "-" ? QPoint() : QPoint(text.section(u',', 0, 0).toInt(), text.section(u',', 1, 1).toInt());
}

} // namespace

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void zones_data()
    {
        QTest::addColumn<QPoint>("pointer"); // in a label of 100 x 80
        QTest::addColumn<int>("zone");
        const int rows[][3] = {{0, 0, 1},   {10, 10, 1}, {11, 10, 7}, {10, 11, 5}, {91, 10, 2}, {91, 40, 6},
                               {90, 40, 0}, {10, 71, 3}, {50, 71, 8}, {50, 70, 0}, {99, 79, 4}, {50, 40, 0}};
        for (const auto& [x, y, zone] : rows)
            QTest::addRow("%d,%d", x, y) << QPoint(x, y) << zone;
    }

    void zones()
    {
        QFETCH(QPoint, pointer);
        QFETCH(int, zone);
        QCOMPARE(labelZoneAt(pointer.x(), pointer.y(), 100, 80), zone);
    }

    // One drag step in a 600 x 400 picture: zone, box before, last and new
    // pointer (parent coordinates), press point (label coordinates), box after.
    void dragSteps_data()
    {
        QTest::addColumn<QString>("step");
        for (const char* step : {
                 "0 100,100,75,75 - 120,125 10,10 110,115,75,75",   // move
                 "0 500,10,75,75 - 560,20 10,10 525,10,75,75",      // stops at the right
                 "0 20,20,75,75 - 5,5 10,10 0,0,75,75",             // stops at the left and top
                 "0 20,300,75,75 - 30,420 10,10 20,325,75,75",      // stops at the bottom
                 "6 100,100,75,75 175,120 185,120 - 100,100,85,75", // right edge grows
                 "6 100,100,40,75 140,120 110,120 - 100,100,30,75H",        // pins at 30
                 "6 100,100,30,75H 110,120 129,120 - 100,100,30,75H",       // pinned: waits
                 "6 100,100,30,75H 125,120 135,120 - 100,100,40,75",        // follows again
                 "6 500,100,75,75 575,120 650,120 - 500,100,100,75",        // stops at the picture
                 "6 100,100,75,75 175,120 175,150 - 100,100,75,75",         // no horizontal move
                 "5 100,100,75,75 100,120 90,120 - 90,100,85,75",           // left edge grows
                 "5 100,100,40,75 100,120 120,120 - 110,100,30,75H",        // pins at 30
                 "5 110,100,30,75H 120,120 115,120 - 110,100,30,75H",       // pinned: waits
                 "5 110,100,30,75H 115,120 105,120 - 100,100,40,75",        // follows again
                 "5 20,100,75,75 20,120 -5,120 - 0,100,95,75",              // past the picture
                 "7 100,100,75,75 120,100 120,90 - 100,90,75,85",           // top edge grows
                 "7 100,100,75,40 120,100 120,120 - 100,110,75,30V",        // pins at 30
                 "7 100,110,75,30V 120,120 120,115 - 100,110,75,30V",       // pinned: waits
                 "7 100,110,75,30V 120,115 120,105 - 100,100,75,40",        // follows again
                 "7 100,20,75,75 120,20 120,-3 - 100,0,75,95",              // past the picture
                 "8 100,100,75,75 120,175 120,185 - 100,100,75,85",         // bottom edge grows
                 "8 100,100,75,40 120,140 120,120 - 100,100,75,30V",        // pins at 30
                 "8 100,100,75,30V 120,125 120,129 - 100,100,75,30V",       // pinned: waits
                 "8 100,100,75,30V 120,129 120,135 - 100,100,75,36",        // follows again
                 "8 100,350,75,40 120,390 120,420 - 100,350,75,50",         // stops at the picture
                 "4 100,100,40,40 140,140 100,100 - 100,100,30,30HV",       // corner stops at 30 x 30
                 "4 100,100,30,30HV 90,90 140,150 - 100,100,80,90",         // until back past it
                 "move 100,100,75,75 1,0 - - 101,100,75,75",                // Right
                 "move 5,100,75,75 -10,0 - - 0,100,75,75",                  // Shift+Left, stops at the picture
                 "move 100,320,75,75 0,10 - - 100,325,75,75",               // Shift+Down, stops at the bottom
                 "size 100,100,75,75 10,1 - - 100,100,85,76",               // Ctrl+Shift+Right, Ctrl+Down
                 "size 100,100,35,75 -10,0 - - 100,100,30,75",              // Ctrl+Shift+Left, stops at 30
                 "size 520,100,75,75 10,0 - - 520,100,80,75",               // Ctrl+Shift+Right, stops at the picture
                 "1 100,100,75,75 100,100 90,80 - 90,80,85,95",             // top-left corner
                 "2 100,100,75,75 175,100 185,110 - 100,110,85,65",         // top-right corner
                 "3 100,100,75,75 100,175 95,180 - 95,100,80,80",           // bottom-left corner
                 "6 2147483640,100,30,75H 110,120 129,120 - 16777216,100,30,75H"}) // from a hand-edited file: no overflow
            QTest::newRow(step) << QString::fromLatin1(step);
    }

    void dragSteps()
    {
        QFETCH(QString, step);
        const QStringList f = step.split(u' ');
        const QRect picture(0, 0, 600, 400);
        if (f[0] == "move" || f[0] == "size") // a key step: the pixels in place of the pointers
            QCOMPARE(keyStep(picture, box(f[1]), point(f[2]), f[0] == "size"), box(f[5]));
        else
            QCOMPARE(dragStep({f[0].toInt(), picture, point(f[2]), point(f[3]), point(f[4])}, box(f[1])), box(f[5]));
    }
};

QTEST_GUILESS_MAIN(TestCanvas)
#include "tst_canvas.moc"
