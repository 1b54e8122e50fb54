// The school-data widgets in the main window: names entered through Text6 and Enter, the list
// commands from menu and toolbar, and presses on plan cells that bring up the designed chooser
// over the cell.
#include "grid/gridview.h"
#include "conditions/ruleediting.h"
#include "mainwindow.h"
#include "model/fixedlessonentry.h"
#include "model/grid.h"
#include "pages/basicspage.h"
#include "pages/dailyrulesbox.h"
#include "pages/namespanel.h"
#include "pages/planpage.h"
#include "pages/venuecapacityfield.h"
#include "school/teachingplan.h"
#include "widgets/spinbuttons.h"

#include <QAction>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace orve;
using namespace orve::ui;
using school::NameList;
using school::PlanChooser;

class TestSchoolUi : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window_;

    NamesPanel* names() const { return window_->basicsPage()->namesPanel(); }
    PlanPage* plan() const { return window_->planPage(); }
    Workspace& ws() const { return window_->workspace(); }

    void type(const QString& name)
    {
        // Chinese text arrives as an input method's commit, as it does from a real keyboard.
        QLineEdit* entry = names()->entry();
        QInputMethodEvent commit;
        commit.setCommitString(name);
        QCoreApplication::sendEvent(entry, &commit);
        QTest::keyClick(entry, Qt::Key_Return);
    }

    void pressCell(int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        // The plan is wider than the view: bring the cell in first, as a user would.
        GridView* view = plan()->view();
        view->scrollTo(view->model()->index(row, column));
        const QRect cell = view->cellRect(row, column);
        QVERIFY(view->viewport()->geometry().contains(cell.center()));
        QTest::mousePress(view->viewport(), Qt::LeftButton, modifiers,
                          cell.center() - view->viewport()->pos());
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, modifiers,
                            cell.center() - view->viewport()->pos());
    }

    // The chooser lies over the cell: same top-left, the designed width.
    void verifyOverCell(QComboBox* combo, int row, int column, int extraWidth)
    {
        QVERIFY(combo->isVisible());
        GridView* view = plan()->view();
        const QRect cell = view->cellRect(row, column);
        const QPoint topLeft = view->mapTo(plan(), cell.topLeft());
        QCOMPARE(combo->geometry().topLeft(), topLeft);
        QCOMPARE(combo->width(), cell.width() + extraWidth);
    }

    // The copy-plan chooser: its top on the cell's, its left 20 pixels (300 twips) left of the
    // cell's left edge as measured inside the table, without the table's own left.
    void verifyCopyChooser(QComboBox* combo, int row, int column)
    {
        QVERIFY(combo->isVisible());
        GridView* view = plan()->view();
        const QRect cell = view->cellRect(row, column);
        // Neither edge of the page may hide the difference.
        QVERIFY(view->geometry().left() > 0);
        QVERIFY(cell.left() > 20);
        QCOMPARE(combo->geometry().top(), view->mapTo(plan(), cell.topLeft()).y());
        QCOMPARE(combo->geometry().left(), std::max(cell.left() - 20, 0));
    }

    int visibleChoosers() const
    {
        int count = 0;
        for (PlanChooser kind : {PlanChooser::Teacher, PlanChooser::Periods, PlanChooser::Venue,
                                 PlanChooser::CopyPlan})
            count += plan()->chooser(kind)->isVisible() ? 1 : 0;
        return count;
    }

private slots:
    void init()
    {
        window_ = std::make_unique<MainWindow>();
        window_->startUp();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void namesAreEnteredWithEnter()
    {
        QCOMPARE(names()->listTitle()->text(), QStringLiteral(u"班级名单"));
        QCOMPARE(names()->heading()->text(), QStringLiteral(u"输入或察看班级名单"));
        type(QStringLiteral(u"初一(1)"));
        type(QStringLiteral(u"初一(2)"));
        QListWidget* classes = names()->list(NameList::Classes);
        QCOMPARE(classes->count(), 2);
        QCOMPARE(classes->item(1)->text(), QStringLiteral(u"初一(2)"));
        QVERIFY(names()->entry()->text().isEmpty());
        QCOMPARE(ws().school.plan.rowCount(), 3);

        // Enter in an empty field does nothing.
        QTest::keyClick(names()->entry(), Qt::Key_Return);
        QCOMPARE(ws().school.classes.size(), 2);

        // Toolbar button 10 brings the course list to the front.
        window_->toolbarButton(10)->trigger();
        QCOMPARE(names()->listTitle()->text(), QStringLiteral(u"开课课程"));
        QVERIFY(names()->list(NameList::Courses)->isVisible());
        QVERIFY(!classes->isVisible());
        type(QStringLiteral(u"语文"));
        QCOMPARE(ws().school.plan.text({2, school::CourseColumn}), QStringLiteral(u"语文"));

        // A click on an entry copies it into the field; delete removes it.
        QListWidget* courses = names()->list(NameList::Courses);
        QTest::mouseClick(courses->viewport(), Qt::LeftButton, {},
                          courses->visualItemRect(courses->item(0)).center());
        QCOMPARE(names()->entry()->text(), QStringLiteral(u"语文"));
        names()->deleteButton()->click();
        QCOMPARE(courses->count(), 0);
        QCOMPARE(ws().school.plan.text({2, school::CourseColumn}), QStringLiteral(u"空"));
    }

    // The capacity field shows with the venue list and sets the selected venue's capacity.
    void venueCapacityIsSetUnderTheVenueList()
    {
        auto* field = window_->findChild<VenueCapacityField*>();
        QVERIFY(field && !field->isVisible());
        window_->actions().venueList->trigger();
        type(QStringLiteral(u"实验室"));
        QListWidget* venues = names()->list(NameList::Venues);
        QTest::mouseClick(venues->viewport(), Qt::LeftButton, {},
                          venues->visualItemRect(venues->item(0)).center());
        QVERIFY(field->isVisible());
        QCOMPARE(field->capacity()->accessibleName(), QStringLiteral(u"实验室的容量"));
        field->capacity()->setValue(2);
        QCOMPARE(ws().school.rules.venueCapacities,
                 (std::vector<model::CountRule>{{QStringLiteral(u"实验室"), 2}}));
        field->capacity()->setValue(0);
        QVERIFY(ws().school.rules.venueCapacities.empty());
    }

    // Under the plan: the choosers take the pressed row's class, course and teacher; the counts
    // are rules at once, 全体班级 stands for every class, 0 takes a rule away.
    void dailyRulesFollowThePlanRow()
    {
        for (const char16_t* name : {u"班1", u"班2"})
            type(QString::fromUtf16(name));
        window_->actions().courseList->trigger();
        type(QStringLiteral(u"语文"));
        type(QStringLiteral(u"数学"));
        window_->actions().teacherList->trigger();
        type(QStringLiteral(u"张三"));
        type(QStringLiteral(u"李四"));
        window_->tabs()->setCurrentIndex(1);
        window_->actions().teachingPlan->trigger();
        const int row = school::planRow(1, 1, 2);
        pressCell(row, school::TeacherColumn);
        emit plan()->chooser(PlanChooser::Teacher)->activated(1);

        auto* box = window_->findChild<DailyRulesBox*>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(box->courseChooser()->currentText(), QStringLiteral(u"数学"));
        QCOMPARE(box->teacherChooser()->currentText(), QStringLiteral(u"李四"));
        QCOMPARE(box->classChooser()->currentText(), QStringLiteral(u"班2"));
        QCOMPARE(box->doublePeriods()->accessibleName(), QStringLiteral(u"班2数学每周连堂次数"));

        QTest::keyClick(box->courseLimit(), Qt::Key_Up);
        QTest::keyClick(box->courseLimit(), Qt::Key_Up);
        box->teacherLimit()->setValue(5);
        box->doublePeriods()->setValue(1);
        const model::Rules& rules = ws().school.rules;
        QCOMPARE(rules.courseDailyLimits,
                 (std::vector<model::CountRule>{{QStringLiteral(u"数学"), 2}}));
        QCOMPARE(rules.teacherDailyLimits,
                 (std::vector<model::CountRule>{{QStringLiteral(u"李四"), 5}}));
        QVERIFY(ws().session.modified);

        // 班1 has none of its own: it shows what 全体班级 gives it.
        box->classChooser()->setCurrentText(model::AllClassesText);
        box->doublePeriods()->setValue(2);
        box->classChooser()->setCurrentText(QStringLiteral(u"班1"));
        QCOMPARE(box->doublePeriods()->text(), QStringLiteral(u"同全体班级（2 次）"));
        QCOMPARE(rules.doublePeriods,
                 (std::vector<model::DoublePeriodRule>{
                     {QStringLiteral(u"班2"), QStringLiteral(u"数学"), 1},
                     {model::AllClassesText, QStringLiteral(u"数学"), 2}}));

        box->courseLimit()->setValue(0);
        QVERIFY(rules.courseDailyLimits.empty());
        conditions::setDailyLimit(ws(), conditions::DailyLimitSubject::Teacher,
                                  QStringLiteral(u"李四"), 150);
        QCOMPARE(box->teacherLimit()->value(), model::MaxRuleCount);
    }

    void pressedCellsShowTheirChooser()
    {
        window_->actions().classList->trigger();
        for (int i = 1; i <= 30; ++i)
            type(QStringLiteral(u"班%1").arg(i));
        window_->actions().courseList->trigger();
        type(QStringLiteral(u"语文"));
        type(QStringLiteral(u"数学"));
        window_->actions().teacherList->trigger();
        type(QStringLiteral(u"张三"));

        // A user's click on the plan tab runs showTeachingPlan.
        QTabBar* bar = window_->tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(window_->tabs()->currentIndex(), 1);
        QCoreApplication::processEvents();
        QComboBox* teachers = plan()->chooser(PlanChooser::Teacher);
        QCOMPARE(teachers->count(), 1);
        QCOMPARE(plan()->classFinder()->currentText(), QStringLiteral(u"班1"));

        pressCell(2, school::TeacherColumn);
        verifyOverCell(teachers, 2, school::TeacherColumn, 20);
        QCOMPARE(teachers->font().pointSize(), 10);
        QCOMPARE(visibleChoosers(), 1);
        emit teachers->activated(0);
        QVERIFY(!teachers->isVisible());
        QCOMPARE(ws().school.plan.text({2, school::TeacherColumn}), QStringLiteral(u"张三"));

        QComboBox* periods = plan()->chooser(PlanChooser::Periods);
        pressCell(3, school::PeriodsColumn);
        verifyOverCell(periods, 3, school::PeriodsColumn, 20);
        emit periods->activated(3);
        QCOMPARE(ws().school.plan.text({3, school::PeriodsColumn}), QStringLiteral(u"4"));
        QCOMPARE(ws().school.plan.text({3, school::PeriodsBackupColumn}), QStringLiteral(u"4"));

        pressCell(3, school::VenueColumn);
        verifyOverCell(plan()->chooser(PlanChooser::Venue), 3, school::VenueColumn, 0);
        pressCell(3, school::MainMarkColumn);
        QCOMPARE(visibleChoosers(), 0);
        QCOMPARE(ws().school.plan.text({3, school::MainMarkColumn}), QStringLiteral(u"主"));

        QComboBox* copy = plan()->chooser(PlanChooser::CopyPlan);
        plan()->view()->horizontalScrollBar()->setValue(0);
        pressCell(4, school::CourseColumn);
        verifyCopyChooser(copy, 4, school::CourseColumn);
        QCOMPARE(copy->placeholderText(), QStringLiteral(u"请选择与哪班教学计划相同"));
        QCOMPARE(copy->currentIndex(), -1);
        emit copy->activated(0); // 班1 (rows 1, 2) onto 班2 (rows 3, 4)
        QVERIFY(!copy->isVisible());
        QCOMPARE(ws().school.plan.text({4, school::TeacherColumn}), QStringLiteral(u"张三"));
        QVERIFY(ws().school.plan.text({3, school::PeriodsColumn}).isEmpty());
        QVERIFY(ws().school.plan.text({3, school::MainMarkColumn}).isEmpty());

        pressCell(4, school::PeriodsColumn);
        emit periods->activated(2);
        QCOMPARE(ws().school.plan.text({4, school::PeriodsBackupColumn}), QStringLiteral(u"3"));
        pressCell(4, school::PeriodsColumn, Qt::ShiftModifier);
        QCOMPARE(visibleChoosers(), 0);
        QVERIFY(ws().school.plan.text({4, school::PeriodsColumn}).isEmpty());
        QVERIFY(ws().school.plan.text({4, school::PeriodsBackupColumn}).isEmpty());

        // Moving the cursor off the chooser's cell hides it, so a pick cannot write elsewhere.
        pressCell(5, school::VenueColumn);
        QCOMPARE(visibleChoosers(), 1);
        QTest::keyClick(plan()->view(), Qt::Key_Down);
        QCOMPARE(ws().school.plan.currentRow(), 6);
        QCOMPARE(visibleChoosers(), 0);

        // Scrolling the table hides the chooser.
        pressCell(5, school::TeacherColumn);
        QCOMPARE(visibleChoosers(), 1);
        QScrollBar* scrollBar = plan()->view()->verticalScrollBar();
        scrollBar->setValue(scrollBar->maximum());
        QCOMPARE(visibleChoosers(), 0);

        // The class finder scrolls the table to the class.
        emit plan()->classFinder()->activated(20);
        QCOMPARE(ws().school.plan.topRow(), school::planRow(20, 0, 2));
        // UpDown4 steps Text5 and selects that class in Combo1.
        plan()->classStepper()->upButton()->click();
        QCOMPARE(plan()->classNumber()->text(), QStringLiteral("1"));
        QCOMPARE(plan()->classFinder()->currentText(), QStringLiteral(u"班2"));
        QCOMPARE(ws().school.plan.topRow(), school::planRow(1, 0, 2));
        plan()->classStepper()->downButton()->click();
        plan()->classStepper()->downButton()->click();
        QCOMPARE(plan()->classNumber()->text(), QStringLiteral("0"));
        QCOMPARE(ws().school.plan.topRow(), school::planRow(0, 0, 2));
    }
};

QTEST_MAIN(TestSchoolUi)
#include "tst_schoolui.moc"
