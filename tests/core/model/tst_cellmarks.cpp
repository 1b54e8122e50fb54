// Exchanging lessons with their marks, and removing the colour marks.
#include "model/cellmarks.h"
#include "model/grid.h"
#include "model/layouts.h"

#include <QTest>

using namespace orve::model;

class TestCellMarks : public QObject
{
    Q_OBJECT

    Grid timetable;
    const CellColours normal{};

private slots:
    void init()
    {
        timetable = Grid();
        layOutMasterFrame(timetable, {QStringLiteral("A"), QStringLiteral("B")}, 5, 5,
                          masterDayName, true);
        timetable.setText({2, 1}, QStringLiteral(u"语文  张三"));
        timetable.setBackColour({2, 1}, SwappableColour);
        timetable.setTextStyle({2, 1}, FixedMark);
        timetable.setText({2, 4}, QStringLiteral(u"数学  王芳"));
        timetable.setBackColour({2, 4}, HighlightColour);
        timetable.setTextColour({2, 4}, 0x000000FF);
        timetable.setBackColour({3, 2}, ClashingColour);
        timetable.setTextStyle({3, 2}, CheckedMark);
    }

    void swapMovesEveryMarkWithTheLesson()
    {
        timetable.swapCells({2, 1}, {2, 4});
        QCOMPARE(timetable.text({2, 4}), QStringLiteral(u"语文  张三"));
        QCOMPARE(timetable.cell({2, 4}).style, FixedMark);
        QCOMPARE(timetable.cell({2, 4}).backColour, SwappableColour);
        QCOMPARE(timetable.text({2, 1}), QStringLiteral(u"数学  王芳"));
        QCOMPARE(timetable.cell({2, 1}).backColour, HighlightColour);
        QCOMPARE(timetable.cell({2, 1}).textColour, 0x000000FFu);
        QCOMPARE(timetable.cell({2, 1}).style, TextStyle::Flat);
    }

    void qysClearsColoursOfEveryClassRowButKeepsStylesAndHeaders()
    {
        timetable.setBackColour({0, 3}, HighlightColour); // header: not a slot cell of a class
        timetable.setCurrentCell({3, 5});
        int cells = 0;
        clearMarks(timetable, normal, [&cells] { ++cells; });
        for (int r = 2; r < 4; ++r)
            for (int c = 1; c < timetable.columnCount(); ++c) {
                QCOMPARE(timetable.cell({r, c}).backColour, normal.back);
                QCOMPARE(timetable.cell({r, c}).textColour, normal.text);
            }
        QCOMPARE(timetable.cell({2, 1}).style, FixedMark);
        QCOMPARE(timetable.cell({3, 2}).style, CheckedMark);
        QCOMPARE(timetable.cell({0, 3}).backColour, HighlightColour);
        QCOMPARE(timetable.currentRow(), 3);
        QCOMPARE(timetable.currentColumn(), 5);
        QCOMPARE(cells, 2 * 25); // once per cell keeps the window painted
    }

    void qcysClearsOneRowOnly()
    {
        timetable.setTextColour({2, 1}, 0x000000FF);
        clearRowMarks(timetable, 2, normal.back);
        QCOMPARE(timetable.cell({2, 1}).backColour, normal.back);
        QCOMPARE(timetable.cell({2, 4}).backColour, normal.back);
        QCOMPARE(timetable.cell({2, 1}).textColour, 0x000000FFu); // text colour stays
        QCOMPARE(timetable.cell({3, 2}).backColour, ClashingColour);
    }
};

QTEST_APPLESS_MAIN(TestCellMarks)
#include "tst_cellmarks.moc"
