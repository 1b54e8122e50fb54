// Golden course-settings files (tests/data, written by make_golden.py): the writer gives them
// byte for byte, Open reads them back into the same tables, and a file written by the program
// comes out of Open and Save unchanged.
#include "fakeuiport.h"
#include "fileio/savedata.h"
#include "fileio/schoolreader.h"
#include "sampleschool.h"
#include "school/startup.h"
#include "workspace.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace orve;
using namespace orve::fileio;

namespace {

QByteArray savedBytes(Workspace& ws, const QTemporaryDir& dir)
{
    ws.session.ioPath = dir.filePath(QStringLiteral("saved.rve"));
    const SaveResult result = writeSchoolFile(ws.school, ws.session.ioPath);
    if (!result.written())
        return QByteArray("save failed: ") + result.reason.toUtf8();
    return test::readBytes(ws.session.ioPath);
}

// A started-up workspace with the file opened as Open does.
ReadError openInto(Workspace& ws, const QString& name)
{
    test::FakeUiPort ui;
    school::startUp(ws, ui);
    return openSchoolFile(ws, test::dataFile(name));
}

} // namespace

class TestFileGolden : public QObject
{
    Q_OBJECT

private slots:
    void writesTheSchoolByteForByte()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        QTemporaryDir dir;
        QCOMPARE(savedBytes(ws, dir), test::readBytes(test::dataFile(u"school.rve"_qs)));
    }

    void writesTheStartUpSchoolByteForByte()
    {
        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        QTemporaryDir dir;
        QCOMPARE(savedBytes(ws, dir), test::readBytes(test::dataFile(u"empty-school.rve"_qs)));
    }

    void readsTheSchoolBack()
    {
        Workspace expected;
        test::FakeUiPort ui;
        test::buildSampleSchool(expected, ui);
        Workspace ws;
        const ReadError error = openInto(ws, u"school.rve"_qs);
        QVERIFY2(!error.failed(), qPrintable(error.reason));
        const QString difference = test::differenceInStoredTables(expected, ws);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QVERIFY(ws.session.timetableLoaded);
        QCOMPARE(ws.session.periodsPerDay, 5);
        QCOMPARE(ws.school.masterTimetable.cell({2, 1}).alignment,
                 model::CellAlignment::CenterCenter);
        QCOMPARE(ws.school.combinedGroups.node(2).text, QStringLiteral(u"初一(1)\uF8F5语文"));
    }

    // Open's own layout of a five-day week: spaced day texts, rows of (height - 500) / N - 30.
    void fiveDayLayoutKeepsItsTexts()
    {
        Workspace ws;
        QVERIFY(!openInto(ws, u"school.rve"_qs).failed());
        const model::Grid& master = ws.school.masterTimetable;
        QCOMPARE(master.columnCount(), 26);
        QCOMPARE(master.rowCount(), 4);
        QCOMPARE(ws.school.masterTimetable.columnCount(), 26);
        QCOMPARE(ws.school.masterTimetable.rowCount(), 4);
        const QString spaces21(21, u' ');
        const QString spaces22(22, u' ');
        QCOMPARE(master.text({0, 1}), spaces21 + QStringLiteral(u"星期一"));
        QCOMPARE(master.text({0, 6}), spaces22 + QStringLiteral(u"星期二"));
        QCOMPARE(master.text({0, 11}), spaces21 + QStringLiteral(u"星期三"));
        QCOMPARE(master.text({0, 16}), spaces22 + QStringLiteral(u"星期四"));
        QCOMPARE(master.text({0, 25}), spaces22 + QStringLiteral(u"星期五"));
        QVERIFY(master.mergeRow(0));
        QCOMPARE(master.text({1, 7}), QStringLiteral(" 2"));
        QCOMPARE(master.text({3, 0}), QStringLiteral(u"初一(2)"));
        QCOMPARE(master.rowHeight(2), 1500);

        const model::Grid& fixed = ws.editor.fixedLessonGrid;
        QCOMPARE(fixed.rowCount(), 6);
        QCOMPARE(fixed.columnCount(), 6);
        QCOMPARE(fixed.text({0, 0}), QStringLiteral(u" ★"));
        QCOMPARE(fixed.text({0, 5}), QStringLiteral(u"星期五"));
        QCOMPARE(fixed.text({5, 0}), QStringLiteral(u"五"));
        QCOMPARE(fixed.rowHeight(1), qRound((fixed.viewHeight() - 500) / 5.0 - 30));
        QCOMPARE(fixed.columnWidth(1), qRound((fixed.viewWidth() - 500) / 5.0 - 30));
    }

    // A six-day file holds lessons of the sixth day; the grids get their columns.
    void sixDayFileKeepsTheSixthDay()
    {
        Workspace ws;
        QVERIFY(!openInto(ws, u"six-days.rve"_qs).failed());
        QCOMPARE(ws.session.periodsPerDay, 4);
        QCOMPARE(ws.school.masterTimetable.columnCount(), 25);
        QCOMPARE(ws.school.masterTimetable.text({0, 1}), QStringLiteral(u"星期一"));
        QCOMPARE(ws.school.masterTimetable.text({0, 24}), QStringLiteral(u"星期六"));
        QCOMPARE(ws.school.masterTimetable.text({2, 21}), QStringLiteral(u"物理  王五"));
        QCOMPARE(ws.school.masterTimetable.text({2, 24}), QStringLiteral(u"物理  王五"));
        QCOMPARE(ws.editor.fixedLessonGrid.columnCount(), 7);
        QCOMPARE(ws.editor.fixedLessonGrid.text({0, 6}), QStringLiteral(u"星期六"));
        QCOMPARE(ws.school.plan.text({1, 4}), QStringLiteral("3"));
        QCOMPARE(ws.school.title, QStringLiteral(u"高一课表"));
    }

    // Classes saved before any course have placeholder plan rows the skeleton lacks.
    void placeholderPlanRowsSurvive()
    {
        Workspace ws;
        QVERIFY(!openInto(ws, u"placeholder-plan.rve"_qs).failed());
        QCOMPARE(ws.school.plan.rowCount(), 4);
        QCOMPARE(ws.school.plan.text({3, 0}), QStringLiteral(u"三班"));
        QCOMPARE(ws.school.plan.text({3, 1}), QStringLiteral(u"空"));
        QVERIFY(!ws.session.timetableLoaded);
    }

    // Saved while the master timetable kept a layout of more periods than the fields now say
    // (a timetable loaded from a file is not laid out again): every lesson comes back.
    void lessonsBeyondTheLayoutAreKept()
    {
        Workspace ws;
        test::FakeUiPort ui;
        test::buildSampleSchool(ws, ui);
        ws.school.week.afternoon =
            QStringLiteral("0"); // three periods a day now; the lessons lie up to 25
        QTemporaryDir dir;
        const QByteArray saved = savedBytes(ws, dir);

        Workspace back;
        school::startUp(back, ui);
        QVERIFY(!openSchoolFile(back, ws.session.ioPath).failed());
        QCOMPARE(back.session.periodsPerDay, 3);
        QCOMPARE(back.school.masterTimetable.columnCount(), 26);
        QCOMPARE(back.school.masterTimetable.columnCount(), 26);
        QCOMPARE(back.school.masterTimetable.text({2, 25}), QStringLiteral(u"数学"));
        QCOMPARE(back.school.masterTimetable.text({1, 25}),
                 QStringLiteral(" 1")); // labelled like the others
        QCOMPARE(back.school.masterTimetable.columnWidth(25), 330);
        QCOMPARE(savedBytes(back, dir), saved);
    }

    // The rule records come back in their order, names with spaces whole; a damaged rule
    // record refuses the file at its line, as a damaged tree record does.
    void rulesAreReadFromTheRight()
    {
        Workspace ws;
        QVERIFY(!openInto(ws, u"rules.rve"_qs).failed());
        const model::Rules& rules = ws.school.rules;
        QCOMPARE(rules.teacherUnavailable.size(), std::size_t(3));
        QVERIFY((rules.teacherUnavailable[1] == model::PeriodRule{u"张 三"_qs, 5, 7}));
        QVERIFY((rules.courseUnavailable.front() == model::PeriodRule{u"体育"_qs, 1, 1}));
        QVERIFY((rules.venueCapacities.front() == model::CountRule{u"实验室 A"_qs, 2}));
        QVERIFY((rules.courseDailyLimits.front() == model::CountRule{u"语文"_qs, 2}));
        QVERIFY((rules.teacherDailyLimits.front() == model::CountRule{u"张 三"_qs, 4}));
        QVERIFY((rules.doublePeriods.back() == model::DoublePeriodRule{u"一班"_qs, u"体育"_qs, 2}));

        QTemporaryDir dir;
        for (const QString& damaged : {u"张三 1jsbp"_qs, u"实验室 0cdrl"_qs, u"一班 2ltks"_qs}) {
            QFile file(dir.filePath(u"damaged.rve"_qs));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QStringEncoder toGbk("GBK");
            file.write(toGbk(u"一班1l, , \r\n"_qs + damaged + u", , \r\n"_qs));
            file.close();
            Workspace back;
            test::FakeUiPort ui;
            school::startUp(back, ui);
            const ReadError error = openSchoolFile(back, file.fileName());
            QCOMPARE(error.line, 2);
            QVERIFY(error.reason.contains(u"排课规则"_qs));
        }
    }

    // Written by hand: quoted fields, blanks and tabs, a lone LF, a lesson holding a comma.
    void handWrittenFileWithQuotes()
    {
        Workspace ws;
        const ReadError error = openInto(ws, u"quoted.rve"_qs);
        QVERIFY2(!error.failed(), qPrintable(error.reason));
        QCOMPARE(ws.school.combinedGroups.nodeCount(), 0); // the tag stood outside the quotes
        QCOMPARE(ws.school.classes, QStringList{u"一班"_qs});
        QCOMPARE(ws.school.courses, QStringList{u"语文"_qs});
        QCOMPARE(ws.school.title, QStringLiteral(u"学校课表"));
        QCOMPARE(ws.school.masterTimetable.text({2, 1}), QStringLiteral(u"语文  张三,李四"));
        QCOMPARE(ws.school.masterTimetable.text({2, 3}), QStringLiteral(u"语文  李四"));
        QCOMPARE(ws.school.plan.text({1, 1}), QStringLiteral(u"语文"));
    }

    void openAndSaveGiveTheSameBytes_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"school.rve", "empty-school.rve", "six-days.rve",
                                 "placeholder-plan.rve", "rules.rve"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // A root that never had a group is stored with the key "Root" and comes back with its
    // text as its key, as the first group would set it; only that record changes, once.
    void openAndSaveGiveTheSameBytes()
    {
        QFETCH(QString, name);
        Workspace ws;
        QVERIFY(!openInto(ws, name).failed());
        QTemporaryDir dir;
        QStringEncoder toGbk("GBK");
        const QByteArray rootWithKeyRoot = toGbk(QStringLiteral(u"goot 合班课组合设置 Roottre3"));
        const QByteArray rootWithTextKey =
            toGbk(QStringLiteral(u"goot 合班课组合设置 合班课组合设置tre3"));
        const QByteArray saved = savedBytes(ws, dir);
        QCOMPARE(saved, test::readBytes(test::dataFile(name)).replace(rootWithKeyRoot, rootWithTextKey));

        Workspace again;
        QVERIFY(!openSchoolFile(again, ws.session.ioPath).failed());
        QCOMPARE(savedBytes(again, dir), saved);
    }
};

QTEST_GUILESS_MAIN(TestFileGolden)
#include "tst_filegolden.moc"
