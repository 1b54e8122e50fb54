// The teacher index must answer exactly as the plain column scans do, through every write and
// exchange of a run, including empty cells, "空课" and lessons without a teacher.
#include "schedulerfixture.h"

#include "model/cellmarks.h"
#include "placementscans.h"
#include "scheduler/placementtests.h"
#include "scheduler/teacherindex.h"

#include <QTest>
#include <random>

using namespace orve;
using namespace orve::scheduler;
using namespace Qt::StringLiterals;
using test::lesson;

class TestTeacherIndex : public QObject
{
    Q_OBJECT

    Workspace ws;

    // Texts a class cell can hold, with their awkward cases.
    QStringList texts() const
    {
        return {QString(),
                model::FreePeriodText,
                QStringLiteral(u"班会"),
                QStringLiteral(u"自习  "),
                lesson(QStringLiteral(u"语文"), QStringLiteral(u"张三")),
                lesson(QStringLiteral(u"数学"), QStringLiteral(u"张三")),
                lesson(QStringLiteral(u"英语"), QStringLiteral(u"李四")),
                QStringLiteral(u"物理   王五"),
                lesson(QStringLiteral(u"化学"), QStringLiteral(u"王五"))};
    }

    void compareWithScans(TeacherIndex& book, const QStringList& names)
    {
        const model::Grid& grid = ws.school.masterTimetable;
        for (const QString& name : names) {
            const int id = book.teacherId(name);
            for (int c = 1; c < grid.columnCount(); ++c) {
                QCOMPARE(book.firstRow(id, c), test::scannedRowWithTeacher(grid, name, c));
                for (int skip = 1; skip < grid.rowCount(); ++skip) {
                    QCOMPARE(book.busy(id, c, skip),
                             test::scannedOtherRowWithTeacher(grid, name, c, skip).has_value());
                    QCOMPARE(book.firstRow(id, c, skip),
                             test::scannedOtherRowWithTeacher(grid, name, c, skip));
                }
            }
        }
        for (int r = 2; r < grid.rowCount(); ++r)
            for (int c1 = 1; c1 < grid.columnCount(); ++c1)
                for (int c2 = 1; c2 < grid.columnCount(); c2 += 3)
                    QCOMPARE(book.swapConflict({r, c1}, {r, c2}),
                             test::scannedSwapConflict(grid, {r, c1}, {r, c2}));
    }

private slots:
    void answersAsTheColumnScansThroughWritesAndExchanges()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s}, {u"语文"_s}, 2, 1, 3);
        std::mt19937 engine(7);
        const QStringList cellTexts = texts();
        const auto pick = [&](int n) { return int(engine() % unsigned(n)); };
        const int rows = ws.school.masterTimetable.rowCount();
        const int columns = ws.school.masterTimetable.columnCount();
        for (int r = 2; r < rows; ++r)
            for (int c = 1; c < columns; ++c)
                ws.school.masterTimetable.setText({r, c},
                                                  cellTexts.at(pick(int(cellTexts.size()))));
        TeacherIndex book(ws.school.masterTimetable);
        const QStringList names = {QString(), u"张三"_s, u"李四"_s, u"王五"_s,
                                   u"空课"_s, u"班会"_s, u"赵六"_s};
        compareWithScans(book, names);
        for (int step = 0; step < 200; ++step) {
            const int row = 2 + pick(rows - 2);
            if (step % 2)
                book.write({row, 1 + pick(columns - 1)}, cellTexts.at(pick(int(cellTexts.size()))),
                           model::TextStyle::Flat);
            else
                book.swapCells({row, 1 + pick(columns - 1)},
                               {2 + pick(rows - 2), 1 + pick(columns - 1)});
        }
        compareWithScans(book, names);
    }

    void exchangeMovesTheFixedMarkAndVersions()
    {
        test::makeSchool(ws, {u"A"_s, u"B"_s}, {u"语文"_s}, 2, 1, 2);
        TeacherIndex book(ws.school.masterTimetable);
        const int zhang = book.teacherId(u"张三");
        const quint64 before = book.teacherVersion(zhang);
        const quint64 otherColumn = book.columnVersion(5);
        book.write({2, 1}, lesson(u"语文"_s, u"张三"_s), model::FixedMark);
        QVERIFY(book.isFixed({2, 1}));
        QVERIFY(book.teacherVersion(zhang) > before);
        book.swapCells({2, 1}, {2, 3});
        QVERIFY(book.isFixed({2, 3}));
        QVERIFY(!book.isFixed({2, 1}));
        QCOMPARE(book.teacherAt({2, 3}), zhang);
        QCOMPARE(book.columnVersion(5), otherColumn);
    }
};

QTEST_GUILESS_MAIN(TestTeacherIndex)
#include "tst_teacherindex.moc"
