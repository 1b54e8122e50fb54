// Splitting the printed timetable onto pages: whole days across, whole classes down, the
// class names and both header rows on every page.
#include "timetablegrid.h"

#include "print/masterprint.h"
#include "print/pagination.h"
#include "print/reportsheet.h"

#include <QtTest>
#include <map>

using namespace orve;

namespace {

// A4 landscape, 10 mm margins, less the title and page-number bands.
const QSizeF A4Table(841.89 - 56.7, 595.28 - 56.7 - 54);

print::ReportSheet timetableSheet(int classes, int days, int periods)
{
    model::Grid grid;
    test::layOutTimetable(grid, test::classNames(classes), days, periods, true);
    print::ReportSheet sheet;
    print::fillMasterTimetable(sheet, grid, days, periods, QStringLiteral(u"课程表"), [] {});
    return sheet;
}

double extent(const print::ReportSheet& sheet, const std::vector<print::IndexRange>& ranges,
              bool columns)
{
    double sum = 0;
    for (const print::IndexRange& range : ranges)
        for (int i = range.first; i <= range.last; ++i)
            sum += columns ? sheet.columnWidth(i) : sheet.rowHeight(i);
    return sum;
}

// Every page: the class-name column and both header rows first, whole days across, and the
// page's part fits the page at the layout's scale. Every body cell is on exactly one page.
void checkPages(const print::ReportSheet& sheet, const print::PageLayout& layout, QSizeF table,
                int periods)
{
    const print::IndexRange nameColumn{0, 0};
    const print::IndexRange headerRows{0, 1};
    std::map<std::pair<int, int>, int> shown;
    for (const print::SheetPage& page : layout.pages) {
        QCOMPARE(page.columns.front(), nameColumn);
        QCOMPARE(page.rows.front(), headerRows);
        QVERIFY(extent(sheet, page.columns, true) * layout.scale <=
                table.width() * print::PixelsPerPoint + 0.1);
        QVERIFY(extent(sheet, page.rows, false) * layout.scale <=
                table.height() * print::PixelsPerPoint + 0.1);
        if (page.columns.size() < 2 || page.rows.size() < 2)
            continue;
        const print::IndexRange days = page.columns.back();
        QCOMPARE((days.first - 1) % periods, 0);
        QCOMPARE(days.last % periods, 0);
        for (int r = page.rows.back().first; r <= page.rows.back().last; ++r)
            for (int c = days.first; c <= days.last; ++c)
                ++shown[{r, c}];
    }
    QCOMPARE(int(shown.size()), (sheet.rowCount() - 2) * (sheet.columnCount() - 1));
    for (const auto& [cell, times] : shown)
        QCOMPARE(times, 1);
}

} // namespace

class PaginationTest : public QObject
{
    Q_OBJECT

private slots:
    void largeSchoolSplitsByDays();
    void dayWiderThanThePageIsShrunk();
    void emptyTimetableAndSheetWithoutRange();
};

// 150 classes, 7 days of 10 periods on A4 landscape.
void PaginationTest::largeSchoolSplitsByDays()
{
    const print::ReportSheet sheet = timetableSheet(150, 7, 10);
    const print::PageLayout layout = print::paginate(sheet, A4Table);
    QCOMPARE(layout.scale, 1.0);
    checkPages(sheet, layout, A4Table, 10);

    // 70 slot columns of 22 px do not fit one page: the week goes across two pages, days 1-4
    // and 5-7; the classes go down five to a page.
    QCOMPARE(layout.pages.at(0).columns.back(), (print::IndexRange{1, 40}));
    QCOMPARE(layout.pages.at(1).columns.back(), (print::IndexRange{41, 70}));
    QCOMPARE(layout.pages.at(0).rows.back(), layout.pages.at(1).rows.back());
    QCOMPARE(layout.pages.at(0).rows.back(), (print::IndexRange{2, 6}));
    QCOMPARE(layout.pages.at(2).rows.back(), (print::IndexRange{7, 11}));
    QCOMPARE(int(layout.pages.size()), 2 * 30);
}

// A page narrower than the class names and one day: drawn smaller, still a day per page.
void PaginationTest::dayWiderThanThePageIsShrunk()
{
    const print::ReportSheet sheet = timetableSheet(4, 5, 10);
    const QSizeF narrow(150, 400);
    const print::PageLayout layout = print::paginate(sheet, narrow);
    QVERIFY(layout.scale < 1.0);
    QCOMPARE(layout.scale, 150 * print::PixelsPerPoint / (800.0 / 15 + 10 * 22));
    checkPages(sheet, layout, narrow, 10);
    QCOMPARE(int(layout.pages.size()), 5);
}

// No classes: one row of pages with the headers only. Without a print range nothing is
// repeated.
void PaginationTest::emptyTimetableAndSheetWithoutRange()
{
    const print::ReportSheet empty = timetableSheet(0, 7, 10);
    const print::PageLayout layout = print::paginate(empty, A4Table);
    QCOMPARE(int(layout.pages.size()), 2);
    QCOMPARE(int(layout.pages.at(0).rows.size()), 1);
    QCOMPARE(layout.pages.at(1).columns.back(), (print::IndexRange{41, 70}));

    print::ReportSheet plain;
    plain.setRowCount(100);
    plain.setColumnCount(3);
    const print::PageLayout plainLayout = print::paginate(plain, A4Table);
    QVERIFY(plainLayout.headerRows.isEmpty());
    QCOMPARE(plainLayout.pages.front().rows.front(), (print::IndexRange{0, 37}));
    QCOMPARE(int(plainLayout.pages.size()), 3);
}

QTEST_GUILESS_MAIN(PaginationTest)
#include "tst_pagination.moc"
