// Exchanging lessons with their marks, and removing the colour marks.
#include "fakeuiport.h"
#include "model/cellmarks.h"
#include "model/layouts.h"
#include "workspace.h"

#include <QTest>

using namespace orve;
using namespace orve::model;

class TestCellMarks : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;

private slots:
    void init()
    {
        ws.List1 = QStringList{QStringLiteral("A"), QStringLiteral("B")};
        ws.periodsPerDay = 5;
        zkcb(ws);
        ws.MSGrid.setText({2, 1}, QStringLiteral(u"语文  张三"));
        ws.MSGrid.setBackColour({2, 1}, SwappableColour);
        ws.MSGrid.setTextStyle({2, 1}, FixedMark);
        ws.MSGrid.setText({2, 4}, QStringLiteral(u"数学  王芳"));
        ws.MSGrid.setBackColour({2, 4}, HighlightColour);
        ws.MSGrid.setTextColour({2, 4}, 0x000000FF);
        ws.MSGrid.setBackColour({3, 2}, ClashingColour);
        ws.MSGrid.setTextStyle({3, 2}, CheckedMark);
    }

    void swapMovesEveryMarkWithTheLesson()
    {
        swapCells(ws, {2, 1}, {2, 4});
        QCOMPARE(ws.MSGrid.text({2, 4}), QStringLiteral(u"语文  张三"));
        QCOMPARE(ws.MSGrid.cell({2, 4}).style, FixedMark);
        QCOMPARE(ws.MSGrid.cell({2, 4}).backColour, SwappableColour);
        QCOMPARE(ws.MSGrid.text({2, 1}), QStringLiteral(u"数学  王芳"));
        QCOMPARE(ws.MSGrid.cell({2, 1}).backColour, HighlightColour);
        QCOMPARE(ws.MSGrid.cell({2, 1}).textColour, 0x000000FFu);
        QCOMPARE(ws.MSGrid.cell({2, 1}).style, TextStyle::Flat);
    }

    void qysClearsColoursOfEveryClassRowButKeepsStylesAndHeaders()
    {
        ws.MSGrid.setBackColour({0, 3}, HighlightColour); // header: not a slot cell of a class
        ws.MSGrid.setCurrentCell({3, 5});
        ui.processedEvents = 0;
        qys(ws, ui);
        for (int r = 2; r < 4; ++r)
            for (int c = 1; c < ws.MSGrid.columnCount(); ++c) {
                QCOMPARE(ws.MSGrid.cell({r, c}).backColour, ws.normalBackColour);
                QCOMPARE(ws.MSGrid.cell({r, c}).textColour, ws.normalTextColour);
            }
        QCOMPARE(ws.MSGrid.cell({2, 1}).style, FixedMark);
        QCOMPARE(ws.MSGrid.cell({3, 2}).style, CheckedMark);
        QCOMPARE(ws.MSGrid.cell({0, 3}).backColour, HighlightColour);
        QCOMPARE(ws.MSGrid.currentRow(), 3);
        QCOMPARE(ws.MSGrid.currentColumn(), 5);
        QCOMPARE(ui.processedEvents, 2 * 25); // once per cell keeps the window painted
    }

    void qcysClearsOneRowOnly()
    {
        ws.MSGrid.setTextColour({2, 1}, 0x000000FF);
        qcys(ws, 2);
        QCOMPARE(ws.MSGrid.cell({2, 1}).backColour, ws.normalBackColour);
        QCOMPARE(ws.MSGrid.cell({2, 4}).backColour, ws.normalBackColour);
        QCOMPARE(ws.MSGrid.cell({2, 1}).textColour, 0x000000FFu); // text colour stays
        QCOMPARE(ws.MSGrid.cell({3, 2}).backColour, ClashingColour);
    }
};

QTEST_APPLESS_MAIN(TestCellMarks)
#include "tst_cellmarks.moc"
