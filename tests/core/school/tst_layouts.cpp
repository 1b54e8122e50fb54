// Laying out the fixed-lesson grid and the master timetable from the week structure, and the
// start-up state of the tables.
#include "fakeuiport.h"
#include "model/layouts.h"
#include "school/startup.h"
#include "school/weekcommands.h"
#include "workspace.h"

#include <QTest>

using namespace orve;
using orve::school::layOutEmptyMasterTimetable;
using orve::school::relayoutWeek;

class TestLayouts : public QObject
{
    Q_OBJECT

private slots:
    void startUpLaysOutTheInitialWeek()
    {
        Workspace ws;
        test::FakeUiPort ui;
        school::startUp(ws, ui);
        QCOMPARE(ws.session.periodsPerDay, 5);

        const model::Grid& fixed = ws.editor.fixedLessonGrid;
        QCOMPARE(fixed.rowCount(), 6);
        QCOMPARE(fixed.columnCount(), 6);
        QCOMPARE(fixed.text({0, 0}), QStringLiteral(u" ★"));
        const QStringList rows = {QStringLiteral(u"一"), QStringLiteral(u"二"),
                                  QStringLiteral(u"三"), QStringLiteral(u"四"),
                                  QStringLiteral(u"五")};
        for (int p = 1; p <= 5; ++p)
            QCOMPARE(fixed.text({p, 0}), rows.at(p - 1));
        QCOMPARE(fixed.text({0, 1}), QStringLiteral(u"星期一"));
        QCOMPARE(fixed.text({0, 5}), QStringLiteral(u"星期五"));
        QCOMPARE(fixed.fontSize(), 10);
        QCOMPARE(fixed.rowHeight(0), 500);
        QCOMPARE(fixed.columnWidth(0), 500);
        // The period rows share the grid's height: (height - 500) / N - 15.
        QCOMPARE(fixed.rowHeight(1), qRound((fixed.viewHeight() - 500) / 5.0 - 15));

        const model::Grid& master = ws.school.masterTimetable;
        QCOMPARE(master.rowCount(), 2); // no classes yet
        QCOMPARE(master.columnCount(), 26);
        QCOMPARE(ws.school.masterTimetable.columnCount(), 26);
        QCOMPARE(ws.school.masterTimetable.rowCount(), 2);
        QCOMPARE(master.text({0, 1}), QStringLiteral(u"星期一"));
        QCOMPARE(master.text({0, 5}), QStringLiteral(u"星期一"));
        QCOMPARE(master.text({0, 6}), QStringLiteral(u"星期二"));
        QCOMPARE(master.text({0, 25}), QStringLiteral(u"星期五"));
        QVERIFY(master.mergeRow(0));
        QCOMPARE(master.text({1, 1}), QStringLiteral(" 1"));
        QCOMPARE(master.text({1, 10}), QStringLiteral(" 5"));
        QCOMPARE(master.columnWidth(0), 800);
        QCOMPARE(master.columnWidth(7), 330);
        QCOMPARE(master.rowHeight(0), 500);
        QCOMPARE(master.rowHeight(1), 400);
        QCOMPARE(master.fontSize(), 9);
        QCOMPARE(ws.session.normalColours.back, 0u);
        QCOMPARE(ws.session.normalColours.text, 0u);

        QCOMPARE(ws.school.combinedGroups.nodeCount(), 1);
        QCOMPARE(ws.school.combinedGroups.node(0).key, QStringLiteral("Root"));
        QCOMPARE(ws.school.combinedGroups.node(0).text, QStringLiteral(u"合班课组合设置"));
        QCOMPARE(ws.school.plan.rowCount(), 1);
        QCOMPARE(ws.school.plan.text({0, 4}), QStringLiteral(u"节数"));
    }

    void classRowsGetTheirNames()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.classes = QStringList{QStringLiteral(u"初一(1)"), QStringLiteral(u"初一(2)")};
        relayoutWeek(ws, ui);
        QCOMPARE(ws.school.masterTimetable.rowCount(), 4);
        QCOMPARE(ws.school.masterTimetable.text({2, 0}), QStringLiteral(u"初一(1)"));
        QCOMPARE(ws.school.masterTimetable.text({3, 0}), QStringLiteral(u"初一(2)"));
        QCOMPARE(ws.school.masterTimetable.rowHeight(3), 1500);
        QVERIFY(ws.school.masterTimetable.text({2, 1}).isEmpty());
    }

    void sevenDaysEndOnSunday()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.week.days = QStringLiteral("7");
        relayoutWeek(ws, ui);
        QCOMPARE(ws.editor.fixedLessonGrid.columnCount(), 8);
        QCOMPARE(ws.editor.fixedLessonGrid.text({0, 6}), QStringLiteral(u"星期六"));
        QCOMPARE(ws.editor.fixedLessonGrid.text({0, 7}), QStringLiteral(u"星期日"));
        QCOMPARE(ws.school.masterTimetable.columnCount(), 36);
        QCOMPARE(ws.school.masterTimetable.text({0, 31}), QStringLiteral(u"星期日"));
        QCOMPARE(ws.school.masterTimetable.text({0, 35}), QStringLiteral(u"星期日"));
        QCOMPARE(ws.school.masterTimetable.text({0, 30}), QStringLiteral(u"星期六"));
    }

    void moreThanFifteenPeriodsRepeatTheLastLabel()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.week.morning = QStringLiteral("5");
        ws.school.week.afternoon = QStringLiteral("5");
        ws.school.week.evening = QStringLiteral("7");
        relayoutWeek(ws, ui);
        QCOMPARE(ws.session.periodsPerDay, 17);
        QCOMPARE(ws.editor.fixedLessonGrid.rowCount(), 18);
        QCOMPARE(ws.editor.fixedLessonGrid.text({15, 0}), QStringLiteral(u"十五"));
        QCOMPARE(ws.editor.fixedLessonGrid.text({16, 0}), QStringLiteral(u"十五"));
        QCOMPARE(ws.editor.fixedLessonGrid.text({17, 0}), QStringLiteral(u"十五"));
        QCOMPARE(ws.school.masterTimetable.text({1, 17}), QStringLiteral(" 17"));
    }

    void daysBeyondSevenHaveNoName()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.week.days = QStringLiteral("8");
        relayoutWeek(ws, ui);
        QCOMPARE(ws.school.masterTimetable.columnCount(), 41);
        QCOMPARE(ws.school.masterTimetable.text({0, 35}), QStringLiteral(u"星期日"));
        QVERIFY(ws.school.masterTimetable.text({0, 36}).isEmpty());
    }

    void zeroPeriodsOrDaysGiveEmptyLayouts()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.week.morning = QStringLiteral("0");
        ws.school.week.afternoon = QStringLiteral("0");
        relayoutWeek(ws, ui);
        QCOMPARE(ws.editor.fixedLessonGrid.rowCount(), 1);
        QCOMPARE(ws.school.masterTimetable.columnCount(), 1);
        ws.school.week.morning = QStringLiteral("3");
        ws.school.week.days = QString();
        relayoutWeek(ws, ui);
        QCOMPARE(ws.editor.fixedLessonGrid.columnCount(), 1);
        QCOMPARE(ws.school.masterTimetable.columnCount(), 1);
    }

    void hugeTypedValuesStayWithinTheBounds()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.classes = QStringList(150, QStringLiteral("x"));
        ws.school.week.morning = QStringLiteral("40000");
        ws.school.week.days = QStringLiteral("99999999999");
        relayoutWeek(ws, ui);
        QCOMPARE(ws.session.periodsPerDay, model::MaxPeriodsPerDay);
        QCOMPARE(ws.school.masterTimetable.columnCount(),
                 model::MaxDaysPerWeek * model::MaxPeriodsPerDay + 1);
        QCOMPARE(ws.editor.fixedLessonGrid.rowCount(), model::MaxPeriodsPerDay + 1);
        QCOMPARE(ui.messages.size(), 1); // the user is told why the grid stops there
        QVERIFY(ui.messages.first().prompt.contains(QString::number(model::MaxPeriodsPerDay)));
    }

    void relayoutEmptiesATimetableThatWasNotLoaded()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.classes = QStringList{QStringLiteral("A")};
        relayoutWeek(ws, ui);
        ws.school.masterTimetable.setText({2, 3}, QStringLiteral(u"语文  张三"));
        ws.editor.fixedLessonGrid.setText({1, 1}, QStringLiteral(u"班会"));
        ws.school.week.morning = QStringLiteral("4");
        relayoutWeek(ws, ui);
        QVERIFY(ws.school.masterTimetable.text({2, 3}).isEmpty());
        QCOMPARE(ws.school.masterTimetable.columnCount(), 31);
        QVERIFY(ws.editor.fixedLessonGrid.text({1, 1}) != QStringLiteral(u"班会"));
        QVERIFY(ui.processedEvents >= 2);
        QVERIFY(ui.messages.isEmpty());
    }

    // The cells would keep their columns while the columns' days and periods change, so the
    // master timetable is laid out afresh, read from a file or not (the question is asked
    // before, by the step).
    void relayoutLaysTheMasterTimetableOutForTheNewWeek()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.school.classes = QStringList{QStringLiteral("A")};
        relayoutWeek(ws, ui);
        ws.school.masterTimetable.setText({2, 3}, QStringLiteral(u"语文  张三"));
        ws.session.timetableLoaded = true;
        ws.school.week.morning = QStringLiteral("4");
        relayoutWeek(ws, ui);
        QVERIFY(ws.school.masterTimetable.text({2, 3}).isEmpty());
        QCOMPARE(ws.school.masterTimetable.columnCount(), 31);
        QCOMPARE(ws.editor.fixedLessonGrid.rowCount(), 7);
        QCOMPARE(ws.session.periodsPerDay, 6);
        QVERIFY(!ws.session.timetableLoaded);
    }
};

QTEST_APPLESS_MAIN(TestLayouts)
#include "tst_layouts.moc"
