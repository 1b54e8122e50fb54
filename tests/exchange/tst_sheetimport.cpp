// Importing spreadsheets: reading CSV in its encodings and XLSX, the three shapes, each reason a
// row is refused, the cleaning of cells, updates only where the sheet has a value, and the
// import as one change of the open school.
#include "fakeuiport.h"

#include "import/sheetimport.h"
#include "model/combinedlesson.h"
#include "school/startup.h"
#include "school/teachingplan.h"
#include "table/csvtable.h"
#include "table/sheetfile.h"
#include "workspace.h"

#include <QSignalSpy>
#include <QtTest>

using namespace orve;
using namespace orve::exchange;

namespace {

Table tableOf(const QString& csv)
{
    return parseCsv(csv).table;
}

// A started school of two classes and two courses (5 days of 5 periods: 25 a week).
struct StartedSchool
{
    Workspace ws;
    test::FakeUiPort ui;

    StartedSchool()
    {
        school::startUp(ws, ui);
        const ImportPreview names =
            previewImport(ws.school, tableOf(QStringLiteral(u"班级,课程\n1班,语文\n2班,数学\n")));
        applyImport(ws, names);
    }

    QString plan(QStringView className, QStringView course, int column) const
    {
        for (int row = 1; row < ws.school.plan.rowCount(); ++row)
            if (ws.school.plan.text({row, school::ClassColumn}) == className &&
                ws.school.plan.text({row, school::CourseColumn}) == course)
                return ws.school.plan.text({row, column});
        return QStringLiteral("(no row)");
    }
};

// "2 更新|3 不变": each row's number and outcome.
QString outcomes(const ImportPreview& preview)
{
    QStringList list;
    for (const RowResult& row : preview.rows)
        list.append(QStringLiteral("%1 %2").arg(row.sheetRow).arg(outcomeName(row.outcome)));
    return list.join(u'|');
}

QString reasonsOf(const ImportPreview& preview, int sheetRow)
{
    for (const RowResult& row : preview.rows)
        if (row.sheetRow == sheetRow)
            return row.reasons.join(u'\n');
    return {};
}

} // namespace

class SheetImportTest : public QObject
{
    Q_OBJECT

private slots:
    void csvEncodings();
    void oldExcelFilesAreRefused();
    void namesInSheetOrder();
    void planWithChineseOrEnglishHeaders();
    void gridOfTeachersAndPeriods();
    void refusals();
    void combinedGroups();
    void oneChangeOfTheSchool();
};

void SheetImportTest::csvEncodings()
{
    const QString text = QStringLiteral(u"班级,课程\r\n\"初一,1\",\"语\"\"文\r\n二\"\n");
    const QByteArray utf8 = text.toUtf8();
    QByteArray gbk;
    QStringEncoder encoder("GBK");
    gbk = encoder.encode(text);

    const SheetRead marked = readCsv("\xEF\xBB\xBF" + utf8, std::nullopt);
    QCOMPARE(marked.encoding, TextEncoding::Utf8);
    QCOMPARE(marked.table.rows.at(1),
             QStringList({QStringLiteral(u"初一,1"), QStringLiteral(u"语\"文\r\n二")}));
    QCOMPARE(readCsv(utf8, std::nullopt).table.rows, marked.table.rows);
    const SheetRead detected = readCsv(gbk, std::nullopt);
    QCOMPARE(detected.encoding, TextEncoding::Gbk);
    QCOMPARE(detected.table.rows, marked.table.rows);
    // The user's choice wins, and bytes that are not that encoding are told.
    QVERIFY(!readCsv(gbk, TextEncoding::Utf8).ok());
    QCOMPARE(readCsv(utf8, TextEncoding::Gbk).encoding, TextEncoding::Gbk);
}

void SheetImportTest::oldExcelFilesAreRefused()
{
    const QString advice = QStringLiteral(u"请在电子表格程序中另存为 .xlsx 或 .csv 后再导入。");
    QCOMPARE(readSheetBytes("anything", QStringLiteral("plan.xls"), {}).error, advice);
    QCOMPARE(readSheetBytes(QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1..."),
                            QStringLiteral("plan.csv"), {})
                 .error,
             advice);
    QVERIFY(readSheetBytes("not a zip", QStringLiteral("plan.xlsx"), {}).error.endsWith(advice));
}

void SheetImportTest::namesInSheetOrder()
{
    StartedSchool s;
    // A title row above the header; full-width digits and ideographic spaces are cleaned.
    const Table table = tableOf(QStringLiteral(u"学校名单\n教师,班级名单,场地\n"
                                               u"王芳,１班,操场\n李四 ,3班　,\n,2班,\n"));
    const ImportPreview preview = previewImport(s.ws.school, table);
    QCOMPARE(preview.shape, SheetShape::Names);
    QCOMPARE(preview.headerRow, 2);
    QCOMPARE(outcomes(preview), QStringLiteral(u"3 新增|4 新增|5 不变"));
    QCOMPARE(preview.rows.at(0).subject, QStringLiteral(u"1班、王芳、操场"));
    QCOMPARE(preview.school.classes,
             QStringList({QStringLiteral(u"1班"), QStringLiteral(u"2班"), QStringLiteral(u"3班")}));
    QCOMPARE(preview.school.teachers,
             QStringList({QStringLiteral(u"王芳"), QStringLiteral(u"李四")}));
    QCOMPARE(preview.school.venues, QStringList({QStringLiteral(u"操场")}));
    // The new class has its plan rows, in block order.
    QCOMPARE(preview.school.plan.rowCount(), 1 + 3 * 2);
    QCOMPARE(preview.school.plan.text({5, school::ClassColumn}), QStringLiteral(u"3班"));
    QCOMPARE(preview.school.plan.text({6, school::CourseColumn}), QStringLiteral(u"数学"));
}

void SheetImportTest::planWithChineseOrEnglishHeaders()
{
    StartedSchool s;
    s.ws.school.plan.setText({1, school::VenueColumn}, QStringLiteral(u"操场"));
    const Table chinese = tableOf(QStringLiteral(u"班级,课程,任课教师,周课时,主课,教学场地\n"
                                                 u"1班,语文,王芳,６,主,\n"
                                                 u"1班,数学,,,,\n"
                                                 u"3班,语文,李四,4,,\n"));
    ImportPreview preview = previewImport(s.ws.school, chinese);
    QCOMPARE(preview.shape, SheetShape::Plan);
    QCOMPARE(outcomes(preview), QStringLiteral(u"2 更新|3 不变|4 新增"));
    applyImport(s.ws, preview);
    QCOMPARE(s.plan(u"1班", u"语文", school::TeacherColumn), QStringLiteral(u"王芳"));
    QCOMPARE(s.plan(u"1班", u"语文", school::PeriodsColumn), QStringLiteral("6"));
    QCOMPARE(s.plan(u"1班", u"语文", school::PeriodsBackupColumn), QStringLiteral("6"));
    QCOMPARE(s.plan(u"1班", u"语文", school::MainMarkColumn), school::MainCourseMark);
    // An empty cell keeps what the plan holds.
    QCOMPARE(s.plan(u"1班", u"语文", school::VenueColumn), QStringLiteral(u"操场"));
    QCOMPARE(s.plan(u"3班", u"数学", school::TeacherColumn), QString());

    const Table english = tableOf(QStringLiteral(u"Class,Course,Teacher,Periods,Main,Venue\n"
                                                 u"1班,语文,王芳,5,no,\n"));
    preview = previewImport(s.ws.school, english);
    QCOMPARE(outcomes(preview), QStringLiteral(u"2 更新"));
    applyImport(s.ws, preview);
    QCOMPARE(s.plan(u"1班", u"语文", school::PeriodsColumn), QStringLiteral("5"));
    QCOMPARE(s.plan(u"1班", u"语文", school::MainMarkColumn), QString());
}

void SheetImportTest::gridOfTeachersAndPeriods()
{
    StartedSchool s;
    const Table grid = tableOf(QStringLiteral(u"班级,语文,数学,英语\n"
                                              u"1班,王芳/5,李 四 4,张三\n"
                                              u"2班,,3,\n"));
    const ImportPreview preview = previewImport(s.ws.school, grid);
    QCOMPARE(preview.shape, SheetShape::Grid);
    QCOMPARE(outcomes(preview), QStringLiteral(u"2 新增|3 更新"));
    QCOMPARE(preview.rows.at(0).subject, QStringLiteral(u"1班"));
    applyImport(s.ws, preview);
    QCOMPARE(s.ws.school.courses.last(), QStringLiteral(u"英语"));
    QCOMPARE(s.plan(u"1班", u"语文", school::TeacherColumn), QStringLiteral(u"王芳"));
    QCOMPARE(s.plan(u"1班", u"语文", school::PeriodsColumn), QStringLiteral("5"));
    QCOMPARE(s.plan(u"1班", u"数学", school::TeacherColumn), QStringLiteral(u"李 四"));
    QCOMPARE(s.plan(u"1班", u"数学", school::PeriodsColumn), QStringLiteral("4"));
    QCOMPARE(s.plan(u"1班", u"英语", school::TeacherColumn), QStringLiteral(u"张三"));
    QCOMPARE(s.plan(u"2班", u"数学", school::PeriodsColumn), QStringLiteral("3"));
}

void SheetImportTest::refusals()
{
    StartedSchool s;
    const Table table = tableOf(QStringLiteral(u"班级,课程,任课教师,周课时,备注\n"
                                               u"\"1,班\",语文,,,\n"
                                               u"1 班,语文,,,\n"
                                               u"1班,语文,王\U0001F600,,\n"
                                               u"1班,语文,,五,\n"
                                               u"1班,语文,,26,\n"
                                               u"1班,数学,,25,\n"));
    const ImportPreview preview = previewImport(s.ws.school, table);
    QCOMPARE(outcomes(preview),
             QStringLiteral(u"1 拒绝|2 拒绝|3 拒绝|4 拒绝|5 拒绝|6 拒绝|7 更新"));
    QVERIFY(reasonsOf(preview, 1).contains(u"“备注”不是可以导入的列"));
    QVERIFY(reasonsOf(preview, 2).contains(u"英文逗号"));
    QVERIFY(reasonsOf(preview, 3).contains(u"班级名称中不能含有空格"));
    QVERIFY(reasonsOf(preview, 4).contains(u"GBK"));
    QVERIFY(reasonsOf(preview, 5).contains(u"周课时“五”不是 1 到 25 之间的整数"));
    QVERIFY(reasonsOf(preview, 6).contains(u"周课时 26 超过了每周的节数 25"));
    QCOMPARE(preview.count(RowOutcome::Refused), 6);
    // Refused rows leave nothing behind: no name of theirs joined a list.
    QCOMPARE(preview.school.classes, s.ws.school.classes);
    QCOMPARE(preview.school.teachers, s.ws.school.teachers);

    // A list may not grow beyond the school's limits (1000 courses, 2 of them there already).
    QString courses = QStringLiteral(u"课程\n");
    for (int k = 1; k <= 999; ++k)
        courses += QStringLiteral(u"课%1\n").arg(k);
    const ImportPreview tooMany = previewImport(s.ws.school, tableOf(courses));
    QCOMPARE(tooMany.count(RowOutcome::Added), 998);
    QVERIFY(reasonsOf(tooMany, 1000).contains(u"课程太多，最多可有 1000 个"));
    QCOMPARE(tooMany.school.courses.size(), 1000);
}

void SheetImportTest::combinedGroups()
{
    StartedSchool s;
    const Table table = tableOf(QStringLiteral(u"班级,课程,任课教师,合班\n"
                                               u"1班,语文,王芳,1\n"
                                               u"2班,语文,,合班课1\n"
                                               u"1班,数学,李四,2\n"
                                               u"2班,数学,张三,2\n"
                                               u"3班,语文,王芳,3\n"
                                               u"3班,数学,王芳,3\n"));
    const ImportPreview preview = previewImport(s.ws.school, table);
    QCOMPARE(outcomes(preview), QStringLiteral(u"2 更新|3 更新|4 拒绝|5 拒绝|6 拒绝|7 拒绝"));
    QVERIFY(reasonsOf(preview, 4).contains(u"合班“2”的班级任课教师不同：李四、张三"));
    QVERIFY(reasonsOf(preview, 6).contains(u"合班“3”的班级上的课程不同：语文、数学"));
    applyImport(s.ws, preview);
    const model::CombinedTree& tree = s.ws.school.combinedGroups;
    const int group = tree.findText(QStringLiteral(u"合班课1"));
    QVERIFY(group >= 0);
    QCOMPARE(tree.children(group).size(), 2);
    QCOMPARE(s.ws.school.combinedLessons,
             QStringList({model::combinedLessonEntry(u"1班", u"语文"),
                          model::combinedLessonEntry(u"2班", u"语文")}));
    QCOMPARE(s.plan(u"2班", u"语文", school::CombinedColumn), school::CombinedMark);

    // The classes the group has already count too.
    const ImportPreview more =
        previewImport(s.ws.school, tableOf(QStringLiteral(u"班级,课程,合班\n3班,数学,1\n")));
    QVERIFY(reasonsOf(more, 2).contains(u"合班“1”的班级上的课程不同：语文、数学"));
}

void SheetImportTest::oneChangeOfTheSchool()
{
    StartedSchool s;
    s.ws.markSaved();
    QSignalSpy lists(&s.ws.notifier, &Notifier::listsChanged);
    QSignalSpy plan(&s.ws.notifier, &Notifier::planChanged);
    QSignalSpy timetable(&s.ws.notifier, &Notifier::timetableChanged);
    const ImportPreview preview =
        previewImport(s.ws.school, tableOf(QStringLiteral(u"班级,课程,周课时\n4班,音乐,2\n")));
    // The preview changes nothing of the open school.
    QCOMPARE(s.ws.school.classes.size(), 2);
    QCOMPARE(lists.count(), 0);
    applyImport(s.ws, preview);
    QCOMPARE(lists.count(), 1);
    QCOMPARE(plan.count(), 1);
    QCOMPARE(timetable.count(), 0);
    QVERIFY(s.ws.session.modified);
    QCOMPARE(s.ws.school.plan.rowCount(), 1 + 3 * 3);

    // A sheet that changes nothing leaves the school as it was, not modified.
    s.ws.markSaved();
    applyImport(s.ws, previewImport(s.ws.school, tableOf(QStringLiteral(u"班级\n4班\n"))));
    QVERIFY(!s.ws.session.modified);
    QCOMPARE(previewImport(s.ws.school, tableOf(QStringLiteral("x,y\n1,2\n"))).error.isEmpty(),
             false);
}

QTEST_GUILESS_MAIN(SheetImportTest)
#include "tst_sheetimport.moc"
