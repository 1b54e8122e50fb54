// The fixed-lesson editor: choosers, the display of one class, placing and removing entries,
// "全体班级" and the teacher check.
#include "conditions/fixedlessons.h"
#include "fakeuiport.h"
#include "model/fixedlessonentry.h"
#include "model/layouts.h"
#include "school/teachingplan.h"
#include "school/weekcommands.h"
#include "workspace.h"

#include <QTest>

using namespace orve;
using namespace orve::conditions;
using orve::model::AllClassesText;
using orve::model::CombinedTree;
using orve::model::fixedEntryText;

namespace {

const QString A = QStringLiteral(u"初一(1)");
const QString B = QStringLiteral(u"初一(2)");
const QString C = QStringLiteral(u"初一(3)");
const QString Chinese = QStringLiteral(u"语文");
const QString Maths = QStringLiteral(u"数学");
const QString Free = QStringLiteral(u"空课");

// Three classes, two courses; 张三 teaches 语文 to A and 数学 to B.
struct School
{
    School()
    {
        ws.school.classes = {A, B, C};
        ws.school.courses = {Chinese, Maths};
        school::relayoutWeek(ws, ui);
        school::rebuildPlanSkeleton(ws.school);
        setTeacher(0, 0, QStringLiteral(u"张三"));
        setTeacher(1, 1, QStringLiteral(u"张三"));
        setTeacher(1, 0, QStringLiteral(u"李四"));
        prepareFixedLessons(ws, ui);
    }

    void setTeacher(int classIndex, int courseIndex, const QString& teacher)
    {
        ws.school.plan.setText({school::planRow(classIndex, courseIndex, 2), school::TeacherColumn},
                               teacher);
    }

    void choose(const QString& className)
    {
        chooseClass(ws, int(ws.editor.fixedLessons.classChoices.indexOf(className)));
    }

    // Release on an empty cell, then pick the course, as the user does.
    void place(int period, int day, const QString& course)
    {
        releaseOnFixedGrid(ws, ui, {period, day});
        chooseCourse(ws, ui, {period, day}, course);
    }

    Workspace ws;
    test::FakeUiPort ui;
};

} // namespace

class TestFixedLessons : public QObject
{
    Q_OBJECT

private slots:
    void gdkypFillsTheChoosers()
    {
        School s;
        const FixedLessonChoosers& ch = s.ws.editor.fixedLessons;
        QCOMPARE(ch.classChoices, (QStringList{A, B, C, AllClassesText}));
        QCOMPARE(ch.courseChoices, (QStringList{Chinese, Maths, Free}));
        QCOMPARE(ch.classText(), A);
        QCOMPARE(ch.classNumber, QStringLiteral("0"));
        QVERIFY(s.ui.tabsShown.contains(MainTab::SpecialConditions));
        QVERIFY(s.ui.processedEvents >= 6);

        // Without courses the two last items are not added and nothing is chosen.
        s.ws.school.courses.clear();
        prepareFixedLessons(s.ws, s.ui);
        QCOMPARE(ch.classChoices, (QStringList{A, B, C}));
        QVERIFY(ch.courseChoices.isEmpty());
        QCOMPARE(ch.classText(), QString());
    }

    void placingShowsTheCourseAndAddsTheEntry()
    {
        School s;
        releaseOnFixedGrid(s.ws, s.ui, {2, 3});
        QVERIFY(s.ws.editor.fixedLessons.courseChooserShown);
        chooseCourse(s.ws, s.ui, {2, 3}, Chinese);
        QCOMPARE(s.ws.school.fixedLessons, QStringList{fixedEntryText(A, Chinese, 3, 2)});
        QCOMPARE(s.ws.school.fixedLessons.first(), A + QStringLiteral(u" 语文 3 2"));
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({2, 3}), Chinese);
        QCOMPARE(s.ws.editor.fixedLessonGrid.cell({2, 3}).alignment,
                 model::CellAlignment::CenterCenter);
        QVERIFY(!s.ws.editor.fixedLessons.courseChooserShown);
        QCOMPARE(s.ws.editor.fixedLessons.listText, s.ws.school.fixedLessons.last());
        QCOMPARE(s.ui.focused.last(), FocusTarget::FixedLessonGrid);
        QVERIFY(s.ui.messages.isEmpty());
    }

    void allClassesAddsOneEntryPerClass()
    {
        School s;
        s.place(1, 1, Chinese); // A already has a lesson there
        s.choose(AllClassesText);
        s.place(1, 1, Free);
        QCOMPARE(s.ws.school.fixedLessons,
                 (QStringList{fixedEntryText(A, Chinese, 1, 1), fixedEntryText(A, Free, 1, 1),
                              fixedEntryText(B, Free, 1, 1), fixedEntryText(C, Free, 1, 1)}));
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({1, 1}), Free);
        // No entry carries the class "全体班级": choosing it again shows an empty grid.
        s.choose(AllClassesText);
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({1, 1}), QString());
        s.choose(C);
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({1, 1}), Free);
        QCOMPARE(s.ws.editor.fixedLessons.classNumber, QStringLiteral("2"));
    }

    void removingTakesExactlyOneEntry()
    {
        School s;
        s.place(1, 1, Chinese);
        s.place(2, 3, Chinese);
        s.choose(B);
        s.place(1, 1, Chinese);
        s.choose(A);
        releaseOnFixedGrid(s.ws, s.ui, {1, 1});
        QCOMPARE(s.ws.school.fixedLessons,
                 (QStringList{fixedEntryText(A, Chinese, 3, 2), fixedEntryText(B, Chinese, 1, 1)}));
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({1, 1}), QString());
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({2, 3}), Chinese);
        QVERIFY(!s.ws.editor.fixedLessons.courseChooserShown);
        QCOMPARE(s.ws.editor.fixedLessons.listText, QString());
    }

    void headerCellsAreNotEntryCells()
    {
        School s;
        const QString corner = s.ws.editor.fixedLessonGrid.text({0, 0});
        releaseOnFixedGrid(s.ws, s.ui, {0, 0});
        releaseOnFixedGrid(s.ws, s.ui, {2, 0});
        chooseCourse(s.ws, s.ui, {0, 2}, Chinese);
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({0, 0}), corner);
        QVERIFY(!s.ws.editor.fixedLessons.courseChooserShown);
        QVERIFY(s.ws.school.fixedLessons.isEmpty());
    }

    void teacherCheckRefusesARealClash()
    {
        School s;
        s.place(4, 2, Chinese); // 张三 teaches A
        s.choose(B);
        s.place(4, 2, Maths); // 张三 teaches B too
        QCOMPARE(s.ui.prompts(), QStringList{QStringLiteral(u"该天张三教师已有课")});
        QCOMPARE(s.ui.messages.first().buttons, MessageButtons::Ok);
        QCOMPARE(s.ws.school.fixedLessons.size(), 1);
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({4, 2}), QString());
        QVERIFY(s.ws.editor.fixedLessons.courseChooserShown);

        // Another teacher at the same period, or the same teacher on another day, is fine.
        s.place(4, 2, Chinese); // 李四
        s.place(4, 3, Maths);
        QCOMPARE(s.ws.school.fixedLessons.size(), 3);
        QCOMPARE(s.ui.messages.size(), 1);
    }

    void entriesWithoutTeacherNeverBlock()
    {
        School s;
        s.place(3, 5, Free);
        s.choose(B);
        s.place(3, 5, Free);
        s.choose(C);
        s.place(3, 5, Chinese); // C's 语文 has no teacher in the plan
        s.choose(AllClassesText);
        s.place(3, 5, Maths);
        QVERIFY(s.ui.messages.isEmpty());
        QCOMPARE(s.ws.school.fixedLessons.size(), 6);
    }

    void entriesOutsideTheGridAreSkippedAndKept()
    {
        School s;
        s.ws.school.fixedLessons = {
            fixedEntryText(A, Chinese, 7, 2), fixedEntryText(A, Maths, 2, 9), A,
            fixedEntryText(A, Free, 0, 1), fixedEntryText(A, Chinese, 5, 5)};
        const QStringList kept = s.ws.school.fixedLessons;
        s.choose(A);
        QCOMPARE(s.ws.school.fixedLessons, kept);
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({5, 5}), Chinese);
        QCOMPARE(s.ws.editor.fixedLessonGrid.text({1, 0}), QStringLiteral(u"一"));
        int filled = 0;
        for (int r = 1; r < s.ws.editor.fixedLessonGrid.rowCount(); ++r)
            for (int c = 1; c < s.ws.editor.fixedLessonGrid.columnCount(); ++c)
                filled += s.ws.editor.fixedLessonGrid.text({r, c}).isEmpty() ? 0 : 1;
        QCOMPARE(filled, 1);
    }

    void upDown9StepsWithinTheChooser()
    {
        School s;
        stepClassChooser(s.ws, 1);
        QCOMPARE(s.ws.editor.fixedLessons.classText(), B);
        QCOMPARE(s.ws.editor.fixedLessons.classNumber, QStringLiteral("1"));
        stepClassChooser(s.ws, -1);
        stepClassChooser(s.ws, -1);
        QCOMPARE(s.ws.editor.fixedLessons.classNumber, QStringLiteral("0"));
        s.ws.editor.fixedLessons.classNumber = QStringLiteral("9");
        stepClassChooser(s.ws, 1);
        QCOMPARE(s.ws.editor.fixedLessons.classText(), AllClassesText);
    }
};

QTEST_APPLESS_MAIN(TestFixedLessons)
#include "tst_fixedlessons.moc"
