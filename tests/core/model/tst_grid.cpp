// The grid store: counts, cell access, layout, and how changes are told to observers.
#include "model/grid.h"

#include <QSignalSpy>
#include <QTest>

using orve::model::CellAlignment;
using orve::model::Grid;
using orve::model::GridSignals;
using orve::model::RedrawSuspender;
using orve::model::TextStyle;

class TestGrid : public QObject
{
    Q_OBJECT

private slots:
    void resizingKeepsCellsThatFit()
    {
        Grid grid(3, 3, 1, 1);
        grid.setText({1, 1}, QStringLiteral("a"));
        grid.setText({2, 2}, QStringLiteral("b"));
        grid.setColumnCount(5);
        QCOMPARE(grid.text({1, 1}), QStringLiteral("a"));
        QCOMPARE(grid.text({2, 2}), QStringLiteral("b"));
        grid.setSize(2, 2);
        QCOMPARE(grid.text({1, 1}), QStringLiteral("a"));
        QVERIFY(!grid.contains({2, 2}));
        grid.setRowCount(3);
        QVERIFY(grid.text({2, 1}).isEmpty());
    }

    void readingOutsideGivesEmptyAndWritingOutsideDoesNothing()
    {
        Grid grid(2, 2);
        grid.setText({5, 5}, QStringLiteral("x"));
        grid.setText({-1, 0}, QStringLiteral("x"));
        QVERIFY(grid.text({5, 5}).isEmpty());
        QVERIFY(grid.text({-1, 0}).isEmpty());
        QCOMPARE(grid.cell({9, 9}).style, TextStyle::Flat);
    }

    void insertAndRemoveRowsMoveCellsAndHeights()
    {
        Grid grid(3, 2, 1, 0);
        for (int r = 0; r < 3; ++r)
            grid.setText({r, 0}, QString::number(r));
        grid.setRowHeight(2, 700);
        grid.insertRows(1, 2);
        QCOMPARE(grid.rowCount(), 5);
        QCOMPARE(grid.text({3, 0}), QStringLiteral("1"));
        QVERIFY(grid.text({1, 0}).isEmpty());
        QCOMPARE(grid.rowHeight(4), 700);
        grid.removeRows(0, 3);
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.text({0, 0}), QStringLiteral("1"));
        QCOMPARE(grid.text({1, 0}), QStringLiteral("2"));
        grid.insertRows(2); // at the end
        QCOMPARE(grid.rowCount(), 3);
    }

    void swapCellsExchangesEveryAttribute()
    {
        Grid grid(2, 3, 0, 0);
        grid.setText({0, 0}, QStringLiteral("语文  张三"));
        grid.setBackColour({0, 0}, 0x00159D00);
        grid.setTextColour({0, 0}, 0x000000FF);
        grid.setTextStyle({0, 0}, TextStyle::RaisedLight);
        grid.setText({1, 2}, QStringLiteral("数学  王芳"));
        grid.swapCells({0, 0}, {1, 2});
        QCOMPARE(grid.text({0, 0}), QStringLiteral("数学  王芳"));
        QCOMPARE(grid.cell({0, 0}).backColour, 0u);
        QCOMPARE(grid.text({1, 2}), QStringLiteral("语文  张三"));
        QCOMPARE(grid.cell({1, 2}).backColour, 0x00159D00u);
        QCOMPARE(grid.cell({1, 2}).textColour, 0x000000FFu);
        QCOMPARE(grid.cell({1, 2}).style, TextStyle::RaisedLight);
    }

    void clearEmptiesTextsAndFormatsButKeepsLayout()
    {
        Grid grid(3, 3);
        grid.setText({1, 1}, QStringLiteral("x"));
        grid.setAlignment({1, 1}, CellAlignment::CenterCenter);
        grid.setCellFontSize({1, 1}, 12);
        grid.setRowHeight(1, 900);
        grid.clearCells();
        QVERIFY(grid.text({1, 1}).isEmpty());
        QVERIFY(!grid.cell({1, 1}).hasFormat());
        QCOMPARE(grid.rowCount(), 3);
        QCOMPARE(grid.rowHeight(1), 900);
    }

    void changesAreToldAtOnceWhileRedrawIsOn()
    {
        Grid grid(3, 3);
        QSignalSpy cells(&grid.changes(), &GridSignals::cellsChanged);
        grid.setText({1, 2}, QStringLiteral("x"));
        QCOMPARE(cells.count(), 1);
        QCOMPARE(cells.at(0).at(0).toInt(), 1);
        QCOMPARE(cells.at(0).at(1).toInt(), 2);
        grid.setText({1, 2}, QStringLiteral("x")); // unchanged: nothing to tell
        QCOMPARE(cells.count(), 1);
    }

    void changesWhileRedrawIsOffAreToldOnce()
    {
        Grid grid(10, 10);
        QSignalSpy cells(&grid.changes(), &GridSignals::cellsChanged);
        QSignalSpy structure(&grid.changes(), &GridSignals::structureChanged);
        QSignalSpy current(&grid.changes(), &GridSignals::currentCellChanged);
        grid.setRedraw(false);
        grid.setText({2, 3}, QStringLiteral("a"));
        grid.setText({7, 1}, QStringLiteral("b"));
        grid.setCurrentCell({4, 4});
        grid.setCurrentCell({5, 5});
        QCOMPARE(cells.count(), 0);
        QCOMPARE(current.count(), 0);
        grid.setRedraw(true);
        QCOMPARE(cells.count(), 1);
        const QList<QVariant> range = cells.takeFirst();
        QCOMPARE(range.at(0).toInt(), 2); // top
        QCOMPARE(range.at(1).toInt(), 1); // left
        QCOMPARE(range.at(2).toInt(), 7); // bottom
        QCOMPARE(range.at(3).toInt(), 3); // right
        QCOMPARE(structure.count(), 0);
        QCOMPARE(current.count(), 1);
        QCOMPARE(current.at(0).at(0).toInt(), 5);

        grid.setRedraw(false);
        grid.setText({1, 1}, QStringLiteral("c"));
        grid.setRowCount(20);
        grid.setRowHeight(3, 400);
        grid.setRedraw(true);
        QCOMPARE(structure.count(), 1); // a structure change covers the cell changes
        QCOMPARE(cells.count(), 0);
    }

    void suspenderRestoresThePreviousState()
    {
        Grid grid(3, 3);
        QSignalSpy cells(&grid.changes(), &GridSignals::cellsChanged);
        {
            RedrawSuspender outer(grid);
            {
                RedrawSuspender inner(grid);
                grid.setText({0, 0}, QStringLiteral("x"));
            }
            QVERIFY(!grid.redraw()); // the inner scope must not switch it on early
            QCOMPARE(cells.count(), 0);
        }
        QVERIFY(grid.redraw());
        QCOMPARE(cells.count(), 1);
    }

    void currentCellStaysInsideTheGrid()
    {
        Grid grid(5, 5);
        grid.setCurrentCell({4, 4});
        grid.setCurrentCell({9, 1}); // outside: ignored
        QCOMPARE(grid.currentRow(), 4);
        grid.setSize(3, 3);
        QCOMPARE(grid.currentRow(), 2);
        QCOMPARE(grid.currentColumn(), 2);
    }

    // Assignment takes cells and layout; listeners and the view size stay with the target,
    // and a copy starts without listeners.
    void assignmentTakesContentButNotListeners()
    {
        Grid source(4, 3, 2, 1);
        source.setText({3, 2}, QStringLiteral("x"));
        source.setColumnWidth(1, 1234);
        source.setMergeRow(0, true);
        source.setFontSize(12);
        QSignalSpy sourceCells(&source.changes(), &GridSignals::cellsChanged);
        Grid target(1, 1);
        target.setViewSize(900, 800);
        QSignalSpy structure(&target.changes(), &GridSignals::structureChanged);
        QSignalSpy texts(&target.changes(), &GridSignals::textsChanged);
        target = source;
        QCOMPARE(target.rowCount(), 4);
        QCOMPARE(target.text({3, 2}), QStringLiteral("x"));
        QCOMPARE(target.columnWidth(1), 1234);
        QVERIFY(target.mergeRow(0));
        QCOMPARE(target.fixedRows(), 2);
        QCOMPARE(target.fontSize(), 12);
        QCOMPARE(target.viewWidth(), 900);
        QCOMPARE(structure.count(), 1);
        QCOMPARE(texts.count(), 1);

        Grid copy(source);
        copy.setText({2, 2}, QStringLiteral("y"));
        QCOMPARE(sourceCells.count(), 0);
        QCOMPARE(source.text({2, 2}), QString());
    }

    void textAndFormatChangesAreToldApart()
    {
        Grid grid(3, 3);
        QSignalSpy texts(&grid.changes(), &GridSignals::textsChanged);
        QSignalSpy formats(&grid.changes(), &GridSignals::formatsChanged);
        grid.setBackColour({1, 1}, 0x00FF00);
        QCOMPARE(formats.count(), 1);
        QCOMPARE(texts.count(), 0);
        {
            RedrawSuspender suspended(grid);
            grid.setTextStyle({1, 2}, TextStyle::Inset);
            grid.setText({2, 2}, QStringLiteral("a"));
        }
        QCOMPARE(texts.count(), 1);
        QCOMPARE(formats.count(), 1); // a batch with a text change is a text change
    }
};

QTEST_APPLESS_MAIN(TestGrid)
#include "tst_grid.moc"
