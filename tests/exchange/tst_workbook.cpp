// Timetables and the plan as Excel workbooks: a workbook shows what the CSV file shows, with
// the day headers merged, the headers frozen and the pages set up; the plan goes out to a
// workbook and comes back in by the import unchanged.
#include "fakeuiport.h"
#include "timetablegrid.h"

#include "fileio/timetablefiles.h"
#include "import/plansheet.h"
#include "import/sheetimport.h"
#include "print/timetablebook.h"
#include "school/startup.h"
#include "school/teachingplan.h"
#include "table/csvtable.h"
#include "table/sheetfile.h"
#include "table/xlsxtable.h"
#include "table/ziparchive.h"
#include "workbook/sheetworkbook.h"
#include "workspace.h"

#include <QtTest>

using namespace orve;
using namespace orve::exchange;

namespace {

// Rows without their trailing empty cells: a workbook stores no empty cells at a row's end.
std::vector<QStringList> trimmed(std::vector<QStringList> rows)
{
    for (QStringList& row : rows)
        while (!row.isEmpty() && row.back().isEmpty())
            row.removeLast();
    return rows;
}

QString worksheetXml(const QByteArray& workbook)
{
    ZipArchive zip(workbook);
    const std::unique_ptr<QIODevice> sheet =
        zip.openEntry(QStringLiteral("xl/worksheets/sheet1.xml"));
    return sheet ? QString::fromUtf8(sheet->readAll()) : QString();
}

void fillSchool(Workspace& ws)
{
    ws.school.classes = {QStringLiteral(u"初一(1)"), QStringLiteral(u"初一(2)")};
    ws.school.teachers = {QStringLiteral(u"王芳"), QStringLiteral(u"李四")};
    ws.school.week.days = QStringLiteral("5");
    test::layOutTimetable(ws.school.masterTimetable, ws.school.classes, 5, 2);
    ws.school.masterTimetable.setText({2, 3}, QStringLiteral(u"语文  王芳"));
    ws.school.masterTimetable.setText({3, 4}, QStringLiteral(u"数学  李四"));
}

} // namespace

class WorkbookTest : public QObject
{
    Q_OBJECT

private slots:
    void showsWhatTheCsvFileShows();
    void mergedFrozenAndSetUpForPrinting();
    void planRoundTrip();
    void damagedWorkbooksAreTold();
};

void WorkbookTest::showsWhatTheCsvFileShows()
{
    Workspace ws;
    fillSchool(ws);
    for (const bool classes : {false, true}) {
        print::TimetableSelection selection{!classes, classes, false};
        const std::vector<print::ReportSheet> sheets =
            print::timetableBook(ws.school, 2, selection);
        const SheetRead workbook = readXlsx(xlsxOf(QStringLiteral(u"实验中学 课表"), sheets), {});
        QVERIFY2(workbook.ok(), qPrintable(workbook.error));
        QCOMPARE(workbook.sheetNames, QStringList({QStringLiteral(u"实验中学 课表")}));
        const SheetRead csv = readCsv(fileio::csvOf(sheets), std::nullopt);
        QCOMPARE(trimmed(workbook.table.rows), trimmed(csv.table.rows));
    }
}

void WorkbookTest::mergedFrozenAndSetUpForPrinting()
{
    Workspace ws;
    fillSchool(ws);
    const QString master =
        worksheetXml(xlsxOf(QStringLiteral("[a]"), {print::masterTimetableSheet(ws.school, 2)}));
    // Under the heading row: the corner over both header rows and one cell per day.
    QVERIFY(master.contains(QStringLiteral("<mergeCell ref=\"A2:A3\"/>")));
    QVERIFY(master.contains(QStringLiteral("<mergeCell ref=\"B2:C2\"/>")));
    QVERIFY(master.contains(QStringLiteral("<mergeCell ref=\"J2:K2\"/>")));
    // The class names and the header rows stay in view.
    QVERIFY(master.contains(QStringLiteral("xSplit=\"1\" ySplit=\"3\"")));
    QVERIFY(master.contains(QStringLiteral("<pageSetUpPr fitToPage=\"1\"/>")));
    QVERIFY(master.contains(QStringLiteral("orientation=\"landscape\"")));
    QVERIFY(master.contains(QStringLiteral("fitToHeight=\"0\"")));

    // Each class from a new page.
    const QString classes =
        worksheetXml(xlsxOf(QStringLiteral(u"班级课程表"),
                            print::classTimetableSheets(ws.school, 2, ws.school.classes)));
    QVERIFY(classes.contains(QStringLiteral("<rowBreaks count=\"1\"")));
    QVERIFY(!classes.contains(QStringLiteral("<pane")));
}

void WorkbookTest::planRoundTrip()
{
    Workspace ws;
    test::FakeUiPort ui;
    school::startUp(ws, ui);
    const QString sheet = QStringLiteral(u"班级,课程,任课教师,周课时,主课,合班,教学场地\n"
                                         u"1班,语文,王芳,6,主,,\n"
                                         u"1班,体育,张三,2,,1,操场\n"
                                         u"2班,语文,李四,6,主,,\n"
                                         u"2班,体育,张三,2,,1,操场\n");
    applyImport(ws, previewImport(ws.school, parseCsv(sheet).table));

    const SheetRead workbook =
        readXlsx(xlsxOf(QStringLiteral(u"教学计划"), {planSheet(ws.school)}), {});
    QVERIFY2(workbook.ok(), qPrintable(workbook.error));
    QCOMPARE(trimmed(workbook.table.rows), trimmed(parseCsv(sheet).table.rows));

    Workspace fresh;
    school::startUp(fresh, ui);
    const ImportPreview preview = previewImport(fresh.school, workbook.table);
    QCOMPARE(preview.count(RowOutcome::Added), 4);
    applyImport(fresh, preview);
    QCOMPARE(fresh.school.classes, ws.school.classes);
    QCOMPARE(fresh.school.venues, ws.school.venues);
    QCOMPARE(fresh.school.combinedLessons, ws.school.combinedLessons);
    QVERIFY(fresh.school.combinedGroups == ws.school.combinedGroups);
    for (int row = 0; row < ws.school.plan.rowCount(); ++row)
        for (int column = 0; column < school::PlanColumnCount; ++column)
            QCOMPARE(fresh.school.plan.text({row, column}), ws.school.plan.text({row, column}));
}

void WorkbookTest::damagedWorkbooksAreTold()
{
    Workspace ws;
    fillSchool(ws);
    const QByteArray workbook =
        xlsxOf(QStringLiteral(u"总课表"), {print::masterTimetableSheet(ws.school, 2)});
    QVERIFY(readSheetBytes(workbook, QStringLiteral("a.xlsx"), {}).ok());
    // A file cut short has lost the zip's directory at its end.
    for (qsizetype size = 0; size < workbook.size(); size += 97)
        QVERIFY(!readSheetBytes(workbook.left(size), QStringLiteral("a.xlsx"), {}).ok());
    // Damaged bytes anywhere are told or read, never a crash.
    for (qsizetype at = 0; at < workbook.size(); at += 61) {
        QByteArray damaged = workbook;
        damaged[at] = char(damaged[at] ^ 0x5A);
        readSheetBytes(damaged, QStringLiteral("a.xlsx"), {});
    }
}

QTEST_GUILESS_MAIN(WorkbookTest)
#include "tst_workbook.moc"
