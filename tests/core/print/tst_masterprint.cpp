// The print preparation's calls on the report sheet, and what the sheet makes of them.
#include "callrecorder.h"
#include "timetablegrid.h"

#include "print/masterprint.h"
#include "print/reportsheet.h"

#include <QRegularExpression>
#include <QtTest>

using namespace orve;

namespace {

// Expected calls, one per line or several separated by " | ".
QStringList callList(const char* text)
{
    static const QRegularExpression separator(QStringLiteral("\\s*(\\n|\\|)\\s*"));
    return QString::fromUtf8(text).trimmed().split(separator, Qt::SkipEmptyParts);
}

struct Recorded
{
    QStringList calls;
    int eventRuns = 0;
};

Recorded record(const model::Grid& grid, int days, int periods, const QString& title)
{
    Recorded result;
    test::CallRecorder recorder;
    print::fillMasterTimetable(recorder, grid, days, periods, title,
                               [&result] { ++result.eventRuns; });
    result.calls = recorder.calls;
    return result;
}

} // namespace

class MasterPrintTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyFiveDayWeek();
    void sevenDayWeekWithLessons();
    void daysTheTimetableLacks();
    void sheetKeepsWhatItIsGiven();
    void alignmentCodes();
};

// An empty timetable prints its layout: the whole sequence, call by call.
void MasterPrintTest::emptyFiveDayWeek()
{
    model::Grid grid;
    test::layOutTimetable(grid, {}, 5, 2);
    const Recorded recorded = record(grid, 5, 2, QStringLiteral(u"2024学年第一学期课程表"));
    const QStringList expected = callList(R"(
        rows 2 | columns 11 | width 6000 | height 4000
        rowHeight 0 33.3333 | rowHeight 1 26.6667
        colWidth 0 53.3333 | colWidth 1 22 | colWidth 2 22 | colWidth 3 22 | colWidth 4 22
        colWidth 5 22 | colWidth 6 22 | colWidth 7 22 | colWidth 8 22 | colWidth 9 22
        colWidth 10 22
        font 0,0 10 宋体 | align 0,0 36 | text 0,0 ""
        font 1,0 10 宋体 | text 1,0 "星期一" | font 2,0 10 宋体 | text 2,0 "星期一"
        font 3,0 10 宋体 | text 3,0 "星期二" | font 4,0 10 宋体 | text 4,0 "星期二"
        font 5,0 10 宋体 | text 5,0 "星期三" | font 6,0 10 宋体 | text 6,0 "星期三"
        font 7,0 10 宋体 | text 7,0 "星期四" | font 8,0 10 宋体 | text 8,0 "星期四"
        font 9,0 10 宋体 | text 9,0 "星期五" | font 10,0 10 宋体 | text 10,0 "星期五"
        font 0,1 10 宋体 | align 0,1 36 | text 0,1 ""
        font 1,1 10 宋体 | text 1,1 " 1" | font 2,1 10 宋体 | text 2,1 " 2"
        font 3,1 10 宋体 | text 3,1 " 1" | font 4,1 10 宋体 | text 4,1 " 2"
        font 5,1 10 宋体 | text 5,1 " 1" | font 6,1 10 宋体 | text 6,1 " 2"
        font 7,1 10 宋体 | text 7,1 " 1" | font 8,1 10 宋体 | text 8,1 " 2"
        font 9,1 10 宋体 | text 9,1 " 1" | font 10,1 10 宋体 | text 10,1 " 2"
        title "2024学年第一学期课程表"
        join 0,0 0,1 | redraw 0,0 | redraw 0,1
        join 1,0 2,0 | redraw 1,0 | redraw 2,0 | align 1,0 36 | text 1,0 "星期一"
        join 3,0 4,0 | redraw 3,0 | redraw 4,0 | align 3,0 36 | text 3,0 "星期二"
        join 5,0 6,0 | redraw 5,0 | redraw 6,0 | align 5,0 36 | text 5,0 "星期三"
        join 7,0 8,0 | redraw 7,0 | redraw 8,0 | align 7,0 36 | text 7,0 "星期四"
        join 9,0 10,0 | redraw 9,0 | redraw 10,0 | align 9,0 36 | text 9,0 "星期五"
        line 0,0 10,1 0 1 0
        hline 0-10 row 0 1 0 2 | hline 0-10 row 1 0 0 2
        vline 0-1 column 0 1 0 2 | vline 0-1 column 10 0 0 2
        redrawGrid
        range 1,1 10,1
    )");
    QCOMPARE(recorded.calls, expected);
    // Once per row of measures, per cell and per day.
    QCOMPARE(recorded.eventRuns, 2 + 22 + 5);
}

// Seven days: the seventh day's joined header reads "星期日"; class names and lessons are
// copied as they stand, and only the class-name column gets an alignment.
void MasterPrintTest::sevenDayWeekWithLessons()
{
    model::Grid grid;
    test::layOutTimetable(grid, {QStringLiteral(u"初一(1)班"), QStringLiteral(u"初一(2)班")}, 7, 2,
                          true);
    grid.setFontSize(11);
    const Recorded recorded = record(grid, 7, 2, QString());
    const QStringList& calls = recorded.calls;

    QVERIFY(calls.contains(QStringLiteral(u"font 5,3 12 宋体")));
    QVERIFY(calls.contains(QStringLiteral(u"text 0,3 \"初一(2)班\"")));
    QVERIFY(calls.contains(QStringLiteral(u"text 5,2 \"语文  教师5\"")));
    QVERIFY(calls.contains(QStringLiteral(u"align 0,3 36")));
    QVERIFY(!calls.contains(QStringLiteral(u"align 5,3 36")));

    const int title = int(calls.indexOf(QStringLiteral(u"title \"\"")));
    QCOMPARE(title, 4 + 4 + 15 + 4 * 15 * 2 + 4);
    const QStringList expectedTail = callList(R"(
        title ""
        join 0,0 0,1 | redraw 0,0 | redraw 0,1
        join 1,0 2,0 | redraw 1,0 | redraw 2,0 | align 1,0 36 | text 1,0 "星期一"
        join 3,0 4,0 | redraw 3,0 | redraw 4,0 | align 3,0 36 | text 3,0 "星期二"
        join 5,0 6,0 | redraw 5,0 | redraw 6,0 | align 5,0 36 | text 5,0 "星期三"
        join 7,0 8,0 | redraw 7,0 | redraw 8,0 | align 7,0 36 | text 7,0 "星期四"
        join 9,0 10,0 | redraw 9,0 | redraw 10,0 | align 9,0 36 | text 9,0 "星期五"
        join 11,0 12,0 | redraw 11,0 | redraw 12,0 | align 11,0 36 | text 11,0 "星期六"
        join 13,0 14,0 | redraw 13,0 | redraw 14,0 | align 13,0 36 | text 13,0 "星期日"
        line 0,0 14,3 0 1 0
        hline 0-14 row 0 1 0 2 | hline 0-14 row 3 0 0 2
        vline 0-3 column 0 1 0 2 | vline 0-3 column 14 0 0 2
        redrawGrid
        range 1,1 14,3
    )");
    QCOMPARE(calls.mid(title), expectedTail);
    QCOMPARE(recorded.eventRuns, 4 + 4 * 15 + 7);
}

// The days field may name more days than a loaded timetable has columns for, and a week
// without periods has no slot columns: no day is joined outside the sheet.
void MasterPrintTest::daysTheTimetableLacks()
{
    model::Grid grid;
    test::layOutTimetable(grid, test::classNames(2), 5, 3);
    const QStringList calls = record(grid, 7, 3, QString()).calls;
    QVERIFY(calls.contains(QStringLiteral("join 13,0 15,0")));
    QVERIFY(!calls.contains(QStringLiteral("join 16,0 18,0")));
    QVERIFY(!calls.join(u'\n').contains(QStringLiteral(u"星期六")));

    const QStringList noPeriods = record(grid, 5, 0, QString()).calls;
    QVERIFY(noPeriods.filter(QRegularExpression(QStringLiteral("^join"))) ==
            QStringList{QStringLiteral("join 0,0 0,1")});
}

// The sheet value: joins, fonts, alignment, lines and the print range as the preparation
// leaves them.
void MasterPrintTest::sheetKeepsWhatItIsGiven()
{
    model::Grid grid;
    test::layOutTimetable(grid, test::classNames(3), 5, 2, true);
    print::ReportSheet sheet;
    print::fillMasterTimetable(sheet, grid, 5, 2, QStringLiteral(u"课程表"), [] {});

    QCOMPARE(sheet.rowCount(), 5);
    QCOMPARE(sheet.columnCount(), 11);
    QCOMPARE(sheet.rowHeight(2), 100.0);
    QCOMPARE(sheet.title(), QStringLiteral(u"课程表"));
    const print::CellBlock* tuesday = sheet.joinedBlockAt({0, 4});
    QVERIFY(tuesday);
    QCOMPARE(*tuesday, (print::CellBlock{3, 0, 4, 0}));
    QCOMPARE(sheet.cell({0, 3}).text, QStringLiteral(u"星期二"));
    QCOMPARE(sheet.cell({0, 3}).alignment, Qt::AlignCenter);
    QCOMPARE(*sheet.joinedBlockAt({1, 0}), (print::CellBlock{0, 0, 0, 1}));
    QVERIFY(!sheet.joinedBlockAt({1, 1}));
    QCOMPARE(sheet.cell({4, 0}).alignment, Qt::AlignCenter);
    QCOMPARE(sheet.cell({4, 5}).alignment, Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(sheet.cell({4, 5}).fontSize, 10);
    QCOMPARE(sheet.cell({4, 5}).fontFamily, QStringLiteral(u"宋体"));

    // Thin lines inside, a thick edge all round.
    QCOMPARE(sheet.horizontalLine(5, 3).weight, print::ThinLine);
    QCOMPARE(sheet.verticalLine(5, 3).weight, print::ThinLine);
    for (int c = 0; c < 11; ++c) {
        QCOMPARE(sheet.horizontalLine(c, 0).weight, print::ThickLine);
        QCOMPARE(sheet.horizontalLine(c, 5).weight, print::ThickLine);
    }
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(sheet.verticalLine(0, r).weight, print::ThickLine);
        QCOMPARE(sheet.verticalLine(11, r).weight, print::ThickLine);
    }
    QCOMPARE(sheet.printRange(), (print::CellBlock{1, 1, 10, 4}));

    // Shrinking keeps what still fits and drops joins that no longer do; a join over a join
    // replaces it.
    sheet.setColumnCount(4);
    QCOMPARE(sheet.cell({0, 3}).text, QStringLiteral(u"星期二"));
    QVERIFY(!sheet.joinedBlockAt({0, 3}));
    QVERIFY(sheet.joinedBlockAt({0, 1}));
    sheet.joinCells(1, 0, 1, 2);
    QCOMPARE(sheet.joinedBlocks().size(), std::size_t(2));
    QVERIFY(!sheet.joinedBlockAt({0, 2}));
    sheet.joinCells(3, 0, 4, 0); // reaches past the sheet
    QVERIFY(!sheet.joinedBlockAt({0, 3}));
}

void MasterPrintTest::alignmentCodes()
{
    QCOMPARE(print::alignmentOfCode(36), Qt::AlignCenter);
    QCOMPARE(print::alignmentOfCode(0), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(print::alignmentOfCode(2 | 8), Qt::AlignRight | Qt::AlignTop);
    QCOMPARE(print::alignmentOfCode(1 | 16), Qt::AlignLeft | Qt::AlignBottom);
}

QTEST_GUILESS_MAIN(MasterPrintTest)
#include "tst_masterprint.moc"
