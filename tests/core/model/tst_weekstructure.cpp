// Reading the week fields: leading numbers, the numeric test of the guard, rounding, the
// periods per day, the Chinese numerals, lesson cells and slot addressing.
#include "model/chinesenumeral.h"
#include "model/lessoncell.h"
#include "model/numbers.h"
#include "model/numericguard.h"
#include "model/slots.h"
#include "model/weekstructure.h"

#include <QTest>

using namespace orve::model;

class TestWeekStructure : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("plain") << QStringLiteral("4") << 4.0;
        QTest::newRow("blanks ignored") << QStringLiteral(" 1 2 ") << 12.0;
        QTest::newRow("trailing text") << QStringLiteral("3节") << 3.0;
        QTest::newRow("no number") << QStringLiteral(u"三") << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("negative") << QStringLiteral("-2") << -2.0;
        QTest::newRow("decimal") << QStringLiteral("2.5x") << 2.5;
        QTest::newRow("exponent") << QStringLiteral("1e2") << 100.0;
        QTest::newRow("bare exponent mark") << QStringLiteral("7e") << 7.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(orve::model::leadingNumber(text), number);
    }

    void numericTest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("digits") << QStringLiteral("12") << true;
        QTest::newRow("blanks around") << QStringLiteral(" 5 ") << true;
        QTest::newRow("sign and point") << QStringLiteral("-3.5") << true;
        QTest::newRow("exponent") << QStringLiteral("1E3") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blank") << QStringLiteral("  ") << false;
        QTest::newRow("letter") << QStringLiteral("3a") << false;
        QTest::newRow("two numbers") << QStringLiteral("1 2") << false;
        QTest::newRow("lone point") << QStringLiteral(".") << false;
    }
    void numericTest()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(isNumeric(text), numeric);
    }

    void roundingGoesHalfToEvenWithinBounds()
    {
        QCOMPARE(roundHalfEven(2.5, 0, 100), 2);
        QCOMPARE(roundHalfEven(3.5, 0, 100), 4);
        QCOMPARE(roundHalfEven(-0.5, -10, 10), 0);
        QCOMPARE(roundHalfEven(1e300, 0, 30), 30);
        QCOMPARE(roundHalfEven(-1e300, 0, 30), 0);
    }

    void periodsPerDayIsTheRoundedSumWithinBounds()
    {
        WeekStructure week;
        QCOMPARE(week.periodsPerDay(), 5);
        QCOMPARE(week.daysPerWeek(), 5);
        week.morning = QStringLiteral("4");
        week.afternoon = QStringLiteral("3");
        week.evening = QStringLiteral("0.5"); // 7.5 rounds to 8
        QCOMPARE(week.periodsPerDay(), 8);
        QVERIFY(!week.exceedsBounds());
        // A typed value far beyond any school is held at the bound, never laid out as typed.
        week.morning = QStringLiteral("99999999");
        QCOMPARE(week.periodsPerDay(), MaxPeriodsPerDay);
        week.days = QStringLiteral("1e9");
        QCOMPARE(week.daysPerWeek(), MaxDaysPerWeek);
        QVERIFY(week.exceedsBounds());
        week.morning = QStringLiteral("-5");
        week.afternoon = QStringLiteral("0");
        week.evening = QStringLiteral("0");
        QCOMPARE(week.periodsPerDay(), 0);
    }

    void spinStepsWithinItsLimits()
    {
        QCOMPARE(spinStep(QStringLiteral("3"), 1, 1, 5), QStringLiteral("4"));
        QCOMPARE(spinStep(QStringLiteral("5"), 1, 1, 5), QStringLiteral("5"));
        QCOMPARE(spinStep(QStringLiteral("1"), -1, 1, 5), QStringLiteral("1"));
        QCOMPARE(spinStep(QStringLiteral("9"), 1, 5, 7), QStringLiteral("7")); // typed beyond
        QCOMPARE(spinStep(QString(), 1, 0, 3), QStringLiteral("1"));
    }

    void guardRestoresTheTextBeforeTheKey()
    {
        NumericGuard guard;
        guard.keyPressed(QStringLiteral("3"));
        QCOMPARE(guard.keyReleased(QStringLiteral("3a")), QStringLiteral("3"));
        QCOMPARE(guard.keyReleased(QString()), QStringLiteral("3")); // emptied
        guard.keyPressed(QStringLiteral("3"));
        QCOMPARE(guard.keyReleased(QStringLiteral("34")), QStringLiteral("34"));
    }

    void chineseNumeralRepeatsItsLastResultOutsideOneToFifteen()
    {
        ChineseNumeral numeral;
        QVERIFY(numeral(0).isEmpty()); // nothing before the first success
        QCOMPARE(numeral(1), QStringLiteral(u"一"));
        QCOMPARE(numeral(10), QStringLiteral(u"十"));
        QCOMPARE(numeral(15), QStringLiteral(u"十五"));
        QCOMPARE(numeral(16), QStringLiteral(u"十五"));
        QCOMPARE(dayName(numeral, 6), QStringLiteral(u"星期六"));
        QCOMPARE(dayName(numeral, 7), QStringLiteral(u"星期日"));
    }

    void lessonCellsSplitAtTheFirstTwoSpaces()
    {
        const QString lesson = lessonText(QStringLiteral(u"数学"), QStringLiteral(u"王芳"));
        QCOMPARE(lesson, QStringLiteral(u"数学  王芳"));
        QCOMPARE(teacherPart(lesson).toString(), QStringLiteral(u"王芳"));
        QCOMPARE(coursePart(lesson).toString(), QStringLiteral(u"数学"));
        QCOMPARE(teacherPart(QStringLiteral(u"空课")).toString(), QStringLiteral(u"空课"));
        QVERIFY(teacherPart(QString()).isEmpty());
        QCOMPARE(teacherPart(QStringLiteral(u"班会")).toString(), QStringLiteral(u"班会"));
        QCOMPARE(teacherPart(QStringLiteral(u"语文   李四")).toString(), QStringLiteral(u"李四"));
    }

    void slotAddressing()
    {
        // Four periods a day: column 9 is day 3 period 1, column 20 day 5 period 4.
        QCOMPARE(slotOfColumn(9, 4), (Slot{3, 1}));
        QCOMPARE(slotOfColumn(20, 4), (Slot{5, 4}));
        QCOMPARE(slotColumn(Slot{3, 1}, 4), 9);
        QCOMPARE(slotColumn(Slot{5, 4}, 4), 20);
        QCOMPARE(slotOfColumn(0, 4), Slot{});
        QCOMPARE(slotOfColumn(5, 0), Slot{});
        QCOMPARE(classRow(0), 2);
    }
};

QTEST_APPLESS_MAIN(TestWeekStructure)
#include "tst_weekstructure.moc"
