// Laying out the fixed-lesson grid and the master timetable from the week structure, and the
// start-up state of the tables.
#include "fakeuiport.h"
#include "model/layouts.h"
#include "startup.h"
#include "workspace.h"

#include <QTest>

using namespace orve;
using orve::model::xbj;
using orve::model::zkcb;

class TestLayouts : public QObject
{
    Q_OBJECT

private slots:
    void startUpLaysOutTheInitialWeek()
    {
        Workspace ws;
        test::FakeUiPort ui;
        startUp(ws, ui);
        QCOMPARE(ws.periodsPerDay, 5);

        const model::Grid& fixed = ws.msgrid1;
        QCOMPARE(fixed.rowCount(), 6);
        QCOMPARE(fixed.columnCount(), 6);
        QCOMPARE(fixed.text({0, 0}), QStringLiteral(u" ★"));
        const QStringList rows = {QStringLiteral(u"一"), QStringLiteral(u"二"), QStringLiteral(u"三"),
                                  QStringLiteral(u"四"), QStringLiteral(u"五")};
        for (int p = 1; p <= 5; ++p)
            QCOMPARE(fixed.text({p, 0}), rows.at(p - 1));
        QCOMPARE(fixed.text({0, 1}), QStringLiteral(u"星期一"));
        QCOMPARE(fixed.text({0, 5}), QStringLiteral(u"星期五"));
        QCOMPARE(fixed.fontSize(), 10);
        QCOMPARE(fixed.rowHeight(0), 500);
        QCOMPARE(fixed.columnWidth(0), 500);
        // The period rows share the grid's height: (height - 500) / N - 15.
        QCOMPARE(fixed.rowHeight(1), qRound((fixed.viewHeight() - 500) / 5.0 - 15));

        const model::Grid& master = ws.MSGrid;
        QCOMPARE(master.rowCount(), 2); // no classes yet
        QCOMPARE(master.columnCount(), 26);
        QCOMPARE(ws.masterColumnCount, 26);
        QCOMPARE(ws.masterRowCount, 2);
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
        QCOMPARE(ws.normalBackColour, 0u);
        QCOMPARE(ws.normalTextColour, 0u);

        QCOMPARE(ws.Tr3.nodeCount(), 1);
        QCOMPARE(ws.Tr3.node(0).key, QStringLiteral("Root"));
        QCOMPARE(ws.Tr3.node(0).text, QStringLiteral(u"合班课组合设置"));
        QCOMPARE(ws.jhb.rowCount(), 1);
        QCOMPARE(ws.jhb.text({0, 4}), QStringLiteral(u"节数"));
    }

    void classRowsGetTheirNames()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.List1 = QStringList{QStringLiteral(u"初一(1)"), QStringLiteral(u"初一(2)")};
        xbj(ws, ui);
        QCOMPARE(ws.MSGrid.rowCount(), 4);
        QCOMPARE(ws.MSGrid.text({2, 0}), QStringLiteral(u"初一(1)"));
        QCOMPARE(ws.MSGrid.text({3, 0}), QStringLiteral(u"初一(2)"));
        QCOMPARE(ws.MSGrid.rowHeight(3), 1500);
        QVERIFY(ws.MSGrid.text({2, 1}).isEmpty());
    }

    void sevenDaysEndOnSunday()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.week.Text8 = QStringLiteral("7");
        xbj(ws, ui);
        QCOMPARE(ws.msgrid1.columnCount(), 8);
        QCOMPARE(ws.msgrid1.text({0, 6}), QStringLiteral(u"星期六"));
        QCOMPARE(ws.msgrid1.text({0, 7}), QStringLiteral(u"星期日"));
        QCOMPARE(ws.MSGrid.columnCount(), 36);
        QCOMPARE(ws.MSGrid.text({0, 31}), QStringLiteral(u"星期日"));
        QCOMPARE(ws.MSGrid.text({0, 35}), QStringLiteral(u"星期日"));
        QCOMPARE(ws.MSGrid.text({0, 30}), QStringLiteral(u"星期六"));
    }

    void moreThanFifteenPeriodsRepeatTheLastLabel()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.week.Text1 = QStringLiteral("5");
        ws.week.Text2 = QStringLiteral("5");
        ws.week.Text4 = QStringLiteral("7");
        xbj(ws, ui);
        QCOMPARE(ws.periodsPerDay, 17);
        QCOMPARE(ws.msgrid1.rowCount(), 18);
        QCOMPARE(ws.msgrid1.text({15, 0}), QStringLiteral(u"十五"));
        QCOMPARE(ws.msgrid1.text({16, 0}), QStringLiteral(u"十五"));
        QCOMPARE(ws.msgrid1.text({17, 0}), QStringLiteral(u"十五"));
        QCOMPARE(ws.MSGrid.text({1, 17}), QStringLiteral(" 17"));
    }

    void daysBeyondSevenHaveNoName()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.week.Text8 = QStringLiteral("8");
        xbj(ws, ui);
        QCOMPARE(ws.MSGrid.columnCount(), 41);
        QCOMPARE(ws.MSGrid.text({0, 35}), QStringLiteral(u"星期日"));
        QVERIFY(ws.MSGrid.text({0, 36}).isEmpty());
    }

    void zeroPeriodsOrDaysGiveEmptyLayouts()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.week.Text1 = QStringLiteral("0");
        ws.week.Text2 = QStringLiteral("0");
        xbj(ws, ui);
        QCOMPARE(ws.msgrid1.rowCount(), 1);
        QCOMPARE(ws.MSGrid.columnCount(), 1);
        ws.week.Text1 = QStringLiteral("3");
        ws.week.Text8 = QString();
        xbj(ws, ui);
        QCOMPARE(ws.msgrid1.columnCount(), 1);
        QCOMPARE(ws.MSGrid.columnCount(), 1);
    }

    void hugeTypedValuesStayWithinTheBounds()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.List1 = QStringList(150, QStringLiteral("x"));
        ws.week.Text1 = QStringLiteral("40000");
        ws.week.Text8 = QStringLiteral("99999999999");
        xbj(ws, ui);
        QCOMPARE(ws.periodsPerDay, model::MaxPeriodsPerDay);
        QCOMPARE(ws.MSGrid.columnCount(), model::MaxDaysPerWeek * model::MaxPeriodsPerDay + 1);
        QCOMPARE(ws.msgrid1.rowCount(), model::MaxPeriodsPerDay + 1);
        QCOMPARE(ui.messages.size(), 1); // the user is told why the grid stops there
        QVERIFY(ui.messages.first().prompt.contains(QString::number(model::MaxPeriodsPerDay)));
    }

    void relayoutEmptiesATimetableThatWasNotLoaded()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.List1 = QStringList{QStringLiteral("A")};
        xbj(ws, ui);
        ws.MSGrid.setText({2, 3}, QStringLiteral(u"语文  张三"));
        ws.msgrid1.setText({1, 1}, QStringLiteral(u"班会"));
        ws.week.Text1 = QStringLiteral("4");
        xbj(ws, ui);
        QVERIFY(ws.MSGrid.text({2, 3}).isEmpty());
        QCOMPARE(ws.MSGrid.columnCount(), 31);
        QVERIFY(ws.msgrid1.text({1, 1}) != QStringLiteral(u"班会"));
        QVERIFY(ui.processedEvents >= 2);
        QVERIFY(ui.messages.isEmpty());
    }

    void relayoutKeepsALoadedTimetable()
    {
        Workspace ws;
        test::FakeUiPort ui;
        ws.List1 = QStringList{QStringLiteral("A")};
        xbj(ws, ui);
        ws.MSGrid.setText({2, 3}, QStringLiteral(u"语文  张三"));
        ws.timetableLoaded = true;
        ws.week.Text1 = QStringLiteral("4");
        xbj(ws, ui);
        QCOMPARE(ws.MSGrid.text({2, 3}), QStringLiteral(u"语文  张三"));
        QCOMPARE(ws.MSGrid.columnCount(), 26); // the old layout stays
        QCOMPARE(ws.msgrid1.rowCount(), 7);    // the fixed-lesson grid follows the new week
        QCOMPARE(ws.periodsPerDay, 6);
    }
};

QTEST_APPLESS_MAIN(TestLayouts)
#include "tst_layouts.moc"
