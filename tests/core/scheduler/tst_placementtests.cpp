// The placement tests and lookups: teacher parts, busy-teacher scans and the row they stop on,
// swap-conflict codes, first-match lookups and the fields of fixed-lesson entries.
#include "model/fixedlessonentry.h"
#include "model/grid.h"
#include "model/lessoncell.h"
#include "model/numbers.h"
#include "placementscans.h"
#include "scheduler/placementtests.h"
#include "school/planlookups.h"
#include "school/teachingplan.h"

#include <QTest>

using namespace orve;
using namespace orve::scheduler;
using namespace orve::school;
using orve::model::entryField;

namespace {

QString lesson(const char16_t* course, const char16_t* teacher)
{
    return model::lessonText(QString::fromUtf16(course), QString::fromUtf16(teacher));
}

// A master timetable of `classes` class rows and 5 slot columns, all free.
void layOut(model::Grid& grid, int classes)
{
    grid.setSize(classes + 2, 6);
    for (int r = 2; r < classes + 2; ++r)
        grid.setText({r, 0}, QStringLiteral(u"初一(%1)").arg(r - 1));
}

void addPlanRow(model::Grid& jhb, const QString& cls, const QString& course, const QString& teacher,
                const QString& mark = {}, const QString& periods = {})
{
    const int row = jhb.rowCount();
    jhb.setRowCount(row + 1);
    jhb.setText({row, school::ClassColumn}, cls);
    jhb.setText({row, school::CourseColumn}, course);
    jhb.setText({row, school::TeacherColumn}, teacher);
    jhb.setText({row, school::MainMarkColumn}, mark);
    jhb.setText({row, school::PeriodsColumn}, periods);
}

} // namespace

class TestPlacementTests : public QObject
{
    Q_OBJECT

private slots:
    void teacherPartOfACell()
    {
        model::Grid grid(2, 2, 2, 1);
        layOut(grid, 3);
        grid.setText({2, 1}, lesson(u"数学", u"王芳"));
        grid.setText({3, 1}, model::FreePeriodText);
        grid.setText({4, 1}, QStringLiteral(u"语文   李四"));
        QCOMPARE(storedTeacherPart(grid, {2, 1}).toString(), QStringLiteral(u" 王芳"));
        QCOMPARE(storedTeacherPart(grid, {3, 1}).toString(), QStringLiteral(u"空课"));
        QCOMPARE(storedTeacherPart(grid, {4, 1}).toString(), QStringLiteral(u"  李四"));
        QVERIFY(storedTeacherPart(grid, {2, 2}).isEmpty());
        QVERIFY(storedTeacherPart(grid, {99, 99}).isEmpty());
    }

    void busyTeacherGivesTheFirstRow()
    {
        model::Grid grid(2, 2, 2, 1);
        layOut(grid, 4);
        for (int c = 1; c <= 5; ++c)
            for (int r = 2; r <= 5; ++r)
                grid.setText({r, c}, lesson(u"语文", u"某某"));
        grid.setText({3, 2}, lesson(u"数学", u"王芳"));
        grid.setText({5, 2}, lesson(u"物理", u"王芳"));
        QCOMPARE(test::scannedRowWithTeacher(grid, u"王芳", 2), std::optional<int>(3));
        QCOMPARE(test::scannedRowWithTeacher(grid, u"王芳", 1), std::nullopt);
        // Only whole names match, after the cell's leading blanks are gone.
        QCOMPARE(test::scannedRowWithTeacher(grid, u"王", 2), std::nullopt);
        QCOMPARE(test::scannedRowWithTeacher(grid, u" 王芳", 2), std::nullopt);
        // "空课" is a teacher part of its own and never a real teacher.
        grid.setText({4, 4}, model::FreePeriodText);
        QCOMPARE(test::scannedRowWithTeacher(grid, u"王芳", 4), std::nullopt);
        QCOMPARE(test::scannedRowWithTeacher(grid, u"空课", 4), std::optional<int>(4));
        // Header rows are not class rows.
        grid.setText({1, 3}, lesson(u"数学", u"张三"));
        QCOMPARE(test::scannedRowWithTeacher(grid, u"张三", 3), std::nullopt);
    }

    void emptyNameMatchesFreeCellsAndLessonsWithoutTeacher()
    {
        model::Grid grid(2, 2, 2, 1);
        layOut(grid, 3);
        for (int r = 2; r <= 4; ++r)
            grid.setText({r, 1}, lesson(u"语文", u"张三"));
        QCOMPARE(test::scannedRowWithTeacher(grid, u"", 1), std::nullopt);
        grid.setText({4, 1}, QString());
        QCOMPARE(test::scannedRowWithTeacher(grid, u"", 1), std::optional<int>(4));
        grid.setText({3, 1}, QStringLiteral(u"语文  "));
        QCOMPARE(test::scannedRowWithTeacher(grid, u"", 1), std::optional<int>(3));
        // A bare course name (a lesson entered without a teacher) is its own teacher part.
        grid.setText({3, 1}, QStringLiteral(u"语文"));
        grid.setText({4, 1}, lesson(u"语文", u"张三"));
        QCOMPARE(test::scannedRowWithTeacher(grid, u"", 1), std::nullopt);
    }

    void scanAgreesWithThePlainTeacherPartComparison()
    {
        const QStringList cells = {QString(),
                                   QStringLiteral(u"空课"),
                                   QStringLiteral(u"语文  王芳"),
                                   QStringLiteral(u"语文   王芳"),
                                   QStringLiteral(u"王芳"),
                                   QStringLiteral(u"语文  "),
                                   QStringLiteral(u"  王芳"),
                                   QStringLiteral(u"语文 王芳"),
                                   QStringLiteral(u"语文  小王芳"),
                                   QStringLiteral(u"语文  王芳 "),
                                   QStringLiteral(u" ")};
        const QStringList names = {QString(),
                                   QStringLiteral(u"王芳"),
                                   QStringLiteral(u" 王芳"),
                                   QStringLiteral(u"空课"),
                                   QStringLiteral(u"语文 王芳"),
                                   QStringLiteral(u"王芳 "),
                                   QStringLiteral(u"芳")};
        model::Grid grid(2, 2, 2, 1);
        layOut(grid, 1);
        for (const QString& cell : cells) {
            grid.setText({2, 1}, cell);
            for (const QString& name : names) {
                const bool expected = model::teacherPart(cell) == name;
                QCOMPARE(test::scannedRowWithTeacher(grid, name, 1).has_value(), expected);
            }
        }
    }

    void skippedRowIsNotExamined()
    {
        model::Grid grid(2, 2, 2, 1);
        layOut(grid, 3);
        grid.setText({3, 1}, lesson(u"数学", u"王芳"));
        QCOMPARE(test::scannedOtherRowWithTeacher(grid, u"王芳", 1, 3), std::nullopt);
        QCOMPARE(test::scannedOtherRowWithTeacher(grid, u"王芳", 1, 2), std::optional<int>(3));
        grid.setText({4, 1}, lesson(u"化学", u"王芳"));
        QCOMPARE(test::scannedOtherRowWithTeacher(grid, u"王芳", 1, 3), std::optional<int>(4));
    }

    void swapConflictCodes_data()
    {
        QTest::addColumn<QString>("otherAtColumn1");
        QTest::addColumn<QString>("otherAtColumn2");
        QTest::addColumn<int>("code");
        const QString a = lesson(u"数学", u"甲");
        const QString b = lesson(u"语文", u"乙");
        const QString c = lesson(u"英语", u"丙");
        QTest::newRow("nobody busy") << c << c << 0;
        QTest::newRow("incoming teacher busy at column 1") << b << c << 1;
        QTest::newRow("outgoing teacher busy at column 2") << c << a << 2;
        QTest::newRow("both busy") << b << a << 3;
    }

    void swapConflictCodes()
    {
        QFETCH(QString, otherAtColumn1);
        QFETCH(QString, otherAtColumn2);
        QFETCH(int, code);
        model::Grid grid(2, 2, 2, 1);
        layOut(grid, 2);
        grid.setText({2, 1}, lesson(u"数学", u"甲"));
        grid.setText({2, 2}, lesson(u"语文", u"乙"));
        grid.setText({3, 1}, otherAtColumn1);
        grid.setText({3, 2}, otherAtColumn2);
        QCOMPARE(test::scannedSwapConflict(grid, {2, 1}, {2, 2}), code);
    }

    void swapConflictEdgeCases()
    {
        model::Grid grid(2, 2, 2, 1);
        layOut(grid, 2);
        // Same teacher: 0 even when that teacher is busy in the other class.
        grid.setText({2, 1}, lesson(u"数学", u"甲"));
        grid.setText({2, 2}, lesson(u"物理", u"甲"));
        grid.setText({3, 1}, lesson(u"化学", u"甲"));
        grid.setText({3, 2}, lesson(u"化学", u"甲"));
        QCOMPARE(test::scannedSwapConflict(grid, {2, 1}, {2, 2}), 0);
        // An empty cell's teacher is the empty name, busy wherever another row is free.
        grid.setText({2, 2}, QString());
        grid.setText({3, 1}, QString());
        grid.setText({3, 2}, lesson(u"化学", u"乙"));
        QCOMPARE(test::scannedSwapConflict(grid, {2, 1}, {2, 2}), 1);
        grid.setText({3, 2}, lesson(u"化学", u"甲"));
        QCOMPARE(test::scannedSwapConflict(grid, {2, 1}, {2, 2}), 3);
    }

    void classRowLookup()
    {
        model::Grid grid(2, 2, 2, 1);
        layOut(grid, 3);
        grid.setText({1, 0}, QStringLiteral(u"初一(9)"));
        grid.setText({4, 0}, QStringLiteral(u"初一(1)"));
        QCOMPARE(classRowOf(grid, u"初一(1)"), std::optional<int>(2));
        QCOMPARE(classRowOf(grid, u"初一(2)"), std::optional<int>(3));
        QCOMPARE(classRowOf(grid, u"初一(9)"), std::nullopt);
        QCOMPARE(classRowOf(grid, u"初一(1) "), std::nullopt);
    }

    void flatIndexFollowsTheColumnCount()
    {
        model::Grid plan(3, 9, 1, 0);
        QCOMPARE(plan.flatIndex({2, 4}), 22);
        plan.setColumnCount(10);
        QCOMPARE(plan.flatIndex({2, 4}), 24);
        model::Grid master(152, 71, 2, 1);
        QCOMPARE(master.flatIndex({151, 70}), 151 * 71 + 70);
    }

    void planLookupsTakeTheFirstMatchingRow()
    {
        model::Grid jhb(1, 9, 1, 0);
        const QString one = QStringLiteral(u"初一(1)");
        const QString two = QStringLiteral(u"初一(2)");
        addPlanRow(jhb, one, QStringLiteral(u"语文"), QStringLiteral(u"张三"),
                   QStringLiteral(u"主"), QStringLiteral("5"));
        addPlanRow(jhb, two, QStringLiteral(u"数学"), QStringLiteral(u"王芳"), {},
                   QStringLiteral("4"));
        addPlanRow(jhb, two, QStringLiteral(u"数学"), QStringLiteral(u"李四"),
                   QStringLiteral(u"主"), QStringLiteral("6"));
        QCOMPARE(planTeacher(jhb, two, u"数学"), QStringLiteral(u"王芳"));
        QCOMPARE(planMainMark(jhb, two, u"数学"), QString());
        QCOMPARE(planMainMark(jhb, one, u"语文"), QStringLiteral(u"主"));
        QCOMPARE(planPeriods(jhb, two, u"数学"), QStringLiteral("4"));
        QCOMPARE(planTeacher(jhb, one, u"数学"), QString());
        QCOMPARE(planPeriods(jhb, two, u"语文"), QString());
        // The header row is never a plan row.
        QCOMPARE(planTeacher(jhb, u"班级", u"课程名称"), QString());
    }

    void entryFields_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("field1");
        QTest::addColumn<QString>("field2");
        QTest::addColumn<QString>("field3");
        QTest::addColumn<QString>("periodText");
        QTest::newRow("one-digit day and period")
            << QStringLiteral(u"初一(1) 语文 3 4") << QStringLiteral(u"初一(1) ")
            << QStringLiteral(u"语文 ") << QStringLiteral("3 ") << QStringLiteral(" 4");
        QTest::newRow("two-digit period")
            << QStringLiteral(u"A B 3 10") << QStringLiteral("A ") << QStringLiteral("B ")
            << QStringLiteral("3 ") << QStringLiteral("10");
        QTest::newRow("two-digit day")
            << QStringLiteral(u"A 空课 12 4") << QStringLiteral("A ") << QStringLiteral(u"空课 ")
            << QStringLiteral("12") << QStringLiteral(" 4");
        QTest::newRow("conflict entry") << QStringLiteral("12 34") << QStringLiteral("12 ")
                                        << QString() << QString() << QStringLiteral("34");
    }

    void entryFields()
    {
        QFETCH(QString, entry);
        QFETCH(QString, field1);
        QFETCH(QString, field2);
        QFETCH(QString, field3);
        QFETCH(QString, periodText);
        QCOMPARE(entryField(entry, 1).value_or(u"?").toString(), field1);
        QCOMPARE(entryField(entry, 2).value_or(QStringView()).toString(), field2);
        QCOMPARE(entryField(entry, 3).value_or(QStringView()).toString(), field3);
        // The period is read from the last two characters.
        if (const std::optional<model::FixedLessonEntry> parsed = model::parseFixedEntry(entry))
            QCOMPARE(parsed->period, model::leadingInteger(periodText, -99, 99));
        QCOMPARE(entryField(entry, 4), std::nullopt);
        QCOMPARE(entryField(entry, 0), std::nullopt);
    }

    void entryFieldsOfLongAndBrokenTexts()
    {
        // Positions beyond 255 parse like any other.
        const QString longClass(300, u'班');
        const QString entry = longClass + QStringLiteral(u" 语文 5 7");
        QCOMPARE(entryField(entry, 1)->toString(), longClass + u' ');
        QCOMPARE(entryField(entry, 2)->toString(), QStringLiteral(u"语文 "));
        QCOMPARE(entryField(entry, 3)->toString(), QStringLiteral("5 "));
        QCOMPARE(entryField(u"nospace", 1), std::nullopt);
        QCOMPARE(entryField(u"one space", 2), std::nullopt);
        QCOMPARE(entryField(u"A B ", 3)->toString(), QString());
    }
};

QTEST_APPLESS_MAIN(TestPlacementTests)
#include "tst_placementtests.moc"
