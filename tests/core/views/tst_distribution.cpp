// The distribution views: the two keys as a cell's text gives them, the four scopes, and what
// a view does to a pending pick and the current cell.
#include "viewsfixture.h"

#include "fakeuiport.h"
#include "model/cellmarks.h"
#include "views/distribution.h"

#include <QSignalSpy>
#include <QTest>

using namespace orve;
using namespace Qt::StringLiterals;
using views::SpreadKey;
using views::SpreadScope;

class TestDistribution : public QObject
{
    Q_OBJECT

    Workspace ws;
    test::FakeUiPort ui;
    model::Grid& timetable = ws.school.masterTimetable;

    // The cells coloured blue, as "row,column" in reading order.
    QStringList blueCells() const
    {
        QStringList cells;
        for (int r = 0; r < timetable.rowCount(); ++r)
            for (int c = 0; c < timetable.columnCount(); ++c)
                if (timetable.cell({r, c}).backColour == model::HighlightColour)
                    cells.append(u"%1,%2"_s.arg(r).arg(c));
        return cells;
    }

    QStringList show(SpreadKey key, SpreadScope scope, model::CellRef selected)
    {
        timetable.setCurrentCell(selected);
        views::showDistribution(ws, ui, key, scope);
        return blueCells();
    }

private slots:
    void init()
    {
        ui = test::FakeUiPort();
        ws.session.pick = {};
        test::makeTimetable(ws, {u"王芳"_s, u"李强"_s}, 3, 1, 4);
        // Row 2: 数学 王芳 | 语文 王芳 | 数学 李强 | (empty)
        test::put(ws, 2, 1, u"数学"_s, u"王芳"_s);
        test::put(ws, 2, 2, u"语文"_s, u"王芳"_s);
        test::put(ws, 2, 3, u"数学"_s, u"李强"_s);
        // Row 3: 空课 | 数学 王芳 | 体育 (no teacher) | 数学 王芳二 (another name, same start)
        test::put(ws, 3, 1, u"空课"_s, {});
        test::put(ws, 3, 2, u"数学"_s, u"王芳"_s);
        test::put(ws, 3, 3, u"体育"_s, {});
        test::put(ws, 3, 4, u"数学"_s, u"王芳二"_s);
        // Row 4: (empty) | 数学课  王芳 (a course name that starts like another) | …
        test::put(ws, 4, 2, u"数学课"_s, u"王芳"_s);
        test::put(ws, 4, 3, u"英语"_s, u"李强"_s);
        test::put(ws, 4, 4, u"数学"_s, u"李强"_s);
    }

    void keysKeepTheirSpace()
    {
        QCOMPARE(views::teacherKey(u"数学  王芳"), u" 王芳");
        QCOMPARE(views::courseKey(u"数学  王芳"), u"数学 ");
        QCOMPARE(views::teacherKey(u"体育"), u"体育");
        QCOMPARE(views::courseKey(u"体育"), u"");
        QCOMPARE(views::courseKey(u"空课"), u"");
        QCOMPARE(views::teacherKey(u""), u"");
        QCOMPARE(views::courseKey(u""), u"");
    }

    void teacherOverTheSchoolAndInOneClass()
    {
        QCOMPARE(show(SpreadKey::Teacher, SpreadScope::School, {2, 1}),
                 (QStringList{u"2,1"_s, u"2,2"_s, u"3,2"_s, u"4,2"_s}));
        QCOMPARE(show(SpreadKey::Teacher, SpreadScope::Class, {3, 2}), (QStringList{u"3,2"_s}));
        QCOMPARE(timetable.currentCell(), (model::CellRef{3, 2}));
        QCOMPARE(ui.tabsShown, (QList<MainTab>{MainTab::Scheduling, MainTab::Scheduling}));
    }

    void courseOverTheSchoolAndInOneClass()
    {
        QCOMPARE(show(SpreadKey::Course, SpreadScope::School, {3, 2}),
                 (QStringList{u"2,1"_s, u"2,3"_s, u"3,2"_s, u"3,4"_s, u"4,4"_s}));
        QCOMPARE(show(SpreadKey::Course, SpreadScope::Class, {2, 3}),
                 (QStringList{u"2,1"_s, u"2,3"_s}));
    }

    void anEmptyCellMatchesEmptyCellsAndFreePeriods()
    {
        QCOMPARE(show(SpreadKey::Teacher, SpreadScope::School, {2, 4}),
                 (QStringList{u"2,4"_s, u"4,1"_s}));
        // The course key of an empty cell, "空课" and a course without teacher is empty.
        QCOMPARE(show(SpreadKey::Course, SpreadScope::School, {4, 1}),
                 (QStringList{u"2,4"_s, u"3,1"_s, u"3,3"_s, u"4,1"_s}));
        QCOMPARE(show(SpreadKey::Course, SpreadScope::Class, {4, 1}), (QStringList{u"4,1"_s}));
    }

    void aViewDropsThePickAndItsColouringAndKeepsTheCursor()
    {
        timetable.setBackColour({2, 2}, model::PickedColour);
        timetable.setBackColour({2, 3}, model::SwappableColour);
        timetable.setTextStyle({2, 3}, model::FixedMark);
        ws.session.pick = {1, {2, 2}};
        ws.markSaved();
        QSignalSpy pickChanges(&ws.notifier, &Notifier::pickChanged);
        QSignalSpy marks(&ws.notifier, &Notifier::marksChanged);

        QCOMPARE(show(SpreadKey::Teacher, SpreadScope::Class, {4, 3}),
                 (QStringList{u"4,3"_s, u"4,4"_s}));
        QCOMPARE(ws.session.pick.count, 0);
        QCOMPARE(pickChanges.size(), 1);
        QCOMPARE(timetable.cell({2, 2}).backColour, model::StandardColour);
        QCOMPARE(timetable.cell({2, 3}).backColour, model::StandardColour);
        QCOMPARE(timetable.cell({2, 3}).style, model::FixedMark);
        QCOMPARE(timetable.currentCell(), (model::CellRef{4, 3}));
        QCOMPARE(marks.size(), 1); // one announcement for the whole view
        QVERIFY(!ws.session.modified);

        // Outside the class rows there is no class to show: the marks go, nothing is coloured.
        QCOMPARE(show(SpreadKey::Course, SpreadScope::Class, {1, 2}), QStringList());
        QCOMPARE(timetable.currentCell(), (model::CellRef{1, 2}));
    }
};

QTEST_APPLESS_MAIN(TestDistribution)
#include "tst_distribution.moc"
