// The grid view over a core Grid: the item-model adapter, spans of merged neighbours, the
// frozen fixed rows and columns, and the presses it reports.
#include "grid/gridmodel.h"
#include "grid/gridview.h"
#include "model/grid.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using orve::model::CellAlignment;
using orve::model::Grid;
using orve::model::TextStyle;
using orve::ui::GridModel;
using orve::ui::GridView;

class TestGridModel : public QObject
{
    Q_OBJECT

private slots:
    void adapterFollowsTheGrid()
    {
        Grid grid(3, 4, 1, 1);
        GridModel model(grid);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 3);
        grid.setText({1, 2}, QStringLiteral(u"语文  张三"));
        grid.setBackColour({1, 2}, 0x00159D00);
        grid.setTextColour({1, 2}, 0x000000FF);
        grid.setTextStyle({1, 2}, TextStyle::Inset);
        grid.setAlignment({1, 2}, CellAlignment::CenterCenter);
        grid.setCellFontSize({1, 2}, 12);
        const QModelIndex cell = model.index(1, 2);
        QCOMPARE(cell.data().toString(), QStringLiteral(u"语文  张三"));
        QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(0, 157, 21));
        QCOMPARE(cell.data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
        QCOMPARE(cell.data(GridModel::TextStyleRole).toInt(), int(TextStyle::Inset));
        QCOMPARE(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
        QCOMPARE(cell.data(Qt::FontRole).value<QFont>().pointSize(), 12);
        QVERIFY(!model.index(2, 2).data(Qt::BackgroundRole).isValid()); // standard colour
        QVERIFY(model.index(0, 3).data(GridModel::FixedCellRole).toBool());
        QVERIFY(model.index(2, 0).data(GridModel::FixedCellRole).toBool());
        QVERIFY(!model.index(2, 2).data(GridModel::FixedCellRole).toBool());
        QCOMPARE(model.index(2, 2).data(Qt::FontRole).value<QFont>().pointSize(), grid.fontSize());

        grid.setSize(10, 2);
        QCOMPARE(model.rowCount(), 10);
        QCOMPARE(model.columnCount(), 2);
        grid.insertRows(3, 2);
        grid.removeRows(0, 4);
        QCOMPARE(model.rowCount(), 8);
    }

    void batchedChangesArriveAsOneRange()
    {
        Grid grid(20, 20);
        GridModel model(grid);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        {
            orve::model::RedrawSuspender suspended(grid);
            for (int r = 3; r < 15; ++r)
                grid.setText({r, r}, QStringLiteral("x"));
            // The model keeps its counts until the batch is told.
            grid.setRowCount(25);
            QCOMPARE(model.rowCount(), 20);
        }
        QCOMPARE(reset.count(), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(model.rowCount(), 25);
    }

    void generalAlignmentPutsNumbersRight()
    {
        QCOMPARE(orve::ui::qtAlignment(CellAlignment::General, QStringLiteral(" 12")),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(orve::ui::qtAlignment(CellAlignment::General, QStringLiteral(u"星期一")),
                 Qt::AlignLeft | Qt::AlignVCenter);
    }

    void mergedEqualNeighboursBecomeSpans()
    {
        Grid grid(4, 7, 2, 1);
        for (int c = 1; c <= 3; ++c)
            grid.setText({0, c}, QStringLiteral(u"星期一"));
        for (int c = 4; c <= 6; ++c)
            grid.setText({0, c}, QStringLiteral(u"星期二"));
        grid.setMergeRow(0, true);
        GridView view(grid);
        QCOMPARE(view.columnSpan(0, 1), 3);
        QCOMPARE(view.columnSpan(0, 4), 3);
        QCOMPARE(view.columnSpan(0, 0), 1); // empty cells never merge
        // A change of a merged row's text recomputes the spans.
        grid.setText({0, 3}, QStringLiteral(u"星期二"));
        QCOMPARE(view.columnSpan(0, 1), 2);
        QCOMPARE(view.columnSpan(0, 3), 4);
        // Column merging: runs of equal class names.
        grid.setMergeColumn(0, true);
        grid.setText({2, 0}, QStringLiteral("A"));
        grid.setText({3, 0}, QStringLiteral("A"));
        QCOMPARE(view.rowSpan(2, 0), 2);
    }

    void sizesFollowTheTwips()
    {
        Grid grid(3, 3, 1, 1);
        grid.setAllColumnWidths(330);
        grid.setColumnWidth(0, 800);
        grid.setRowHeight(2, 1500);
        GridView view(grid);
        QCOMPARE(view.horizontalHeader()->sectionSize(1), 22);
        QCOMPARE(view.horizontalHeader()->sectionSize(0), 53);
        QCOMPARE(view.verticalHeader()->sectionSize(2), 100);
        QVERIFY(view.horizontalHeader()->isHidden());
        QVERIFY(view.verticalHeader()->isHidden());
    }

    void fixedRowsAndColumnsStayWhileTheBodyScrolls()
    {
        Grid grid(60, 40, 2, 1);
        grid.setAllRowHeights(600);
        grid.setAllColumnWidths(900);
        grid.setText({0, 5}, QStringLiteral(u"星期一"));
        grid.setText({30, 0}, QStringLiteral(u"初三(9)"));
        GridView view(grid);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QRect headerBefore = view.cellRect(0, 5);
        const QRect classBefore = view.cellRect(30, 0);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        view.horizontalScrollBar()->setValue(200);
        QApplication::processEvents();
        // The header row moved sideways with the body but not down; the class column moved
        // up with the body but not sideways.
        QCOMPARE(view.cellRect(0, 5).top(), headerBefore.top());
        QCOMPARE(view.cellRect(0, 5).left(), headerBefore.left() - 200);
        QCOMPARE(view.cellRect(30, 0).left(), classBefore.left());
        QVERIFY(view.cellRect(30, 0).top() < classBefore.top());
        // A command that scrolls to a row brings it right under the fixed rows.
        grid.setTopRow(10);
        QCOMPARE(view.cellRect(10, 3).top(), view.cellRect(1, 3).top() + 40);
    }

    void pressesMakeBodyCellsCurrentAndAreReported()
    {
        Grid grid(6, 6, 1, 1);
        GridView view(grid);
        view.resize(500, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy pressed(&view, &GridView::cellPressed);
        QSignalSpy released(&view, &GridView::cellReleased);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          view.cellRect(3, 2).center() - view.viewport()->pos());
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(0).toInt(), 3);
        QCOMPARE(pressed.at(0).at(1).toInt(), 2);
        QCOMPARE(pressed.at(0).at(3).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
        QCOMPARE(released.count(), 1);
        QCOMPARE(grid.currentRow(), 3);
        QCOMPARE(grid.currentColumn(), 2);
        // A fixed cell is reported but never becomes current.
        QWidget* headerPane = view.childAt(view.cellRect(0, 4).center());
        QVERIFY(headerPane);
        QTest::mouseClick(headerPane, Qt::RightButton, {},
                          headerPane->mapFrom(&view, view.cellRect(0, 4).center()));
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(pressed.at(1).at(0).toInt(), 0);
        QCOMPARE(pressed.at(1).at(2).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(grid.currentRow(), 3);
        // A command that moves the current cell moves the view's cursor.
        grid.setCurrentCell({5, 5});
        QCOMPARE(view.currentIndex().row(), 5);
        // The view tells the grid its size, which layouts use.
        QCOMPARE(grid.viewWidth(), view.viewport()->width() * GridView::TwipsPerPixel);
    }
};

QTEST_MAIN(TestGridModel)
#include "tst_gridmodel.moc"
